// How the "World Times" window comes and goes. Beside a tray it is a
// frameless pop-up kept above others, without a taskbar button, that hides
// when the user turns to another window; with no tray it is the program: an
// ordinary framed window with its button, minimised instead of hidden. The
// program's own dialogs and the manual are never hidden under it: while one
// is up, the window is not kept above the others.
#pragma once

#include <QObject>
#include <QSize>
#include <QTimer>
#include <functional>

class QWidget;
class TSysTrayIcon;

class TClocksPopup : public QObject
{
    Q_OBJECT

public:
    // window and tray must outlive this; staysUp tells whether the window
    // must stay whatever the user does elsewhere (pinned, its alarm box up,
    // being dragged by the compositor).
    TClocksPopup(QWidget &window, const TSysTrayIcon &tray, std::function<bool()> staysUp);

    // The window keeps out of the taskbar (on by default; off while the
    // alarm box is up).
    bool TaskButtonHidden() const { return FTaskButtonHidden; }
    void SetTaskButtonHidden(bool hidden);
    bool Standalone() const { return FStandalone; }
    void SetStandalone(bool standalone);

    // Resizes the window, no smaller than minimum. Natively on Wayland the
    // size is also fixed, which makes tiling compositors float the window
    // instead of filling a tile with it.
    void Resize(QSize minimum, QSize size);
    // Shows the window as its kind wants it, raised and active.
    void ShowNow();
    // Hides it, or minimises the window that is the whole program.
    void Hide();
    // Moves the window beside the tray: at the panel's click point when the
    // tray told one, else by the notification area; centred when standalone.
    void PlaceBesideTray();

    // The application lost or regained activation.
    void ApplicationDeactivated();
    void ApplicationActivated() { FDeferredHide.stop(); }

private:
    // Kept above other windows unless one of the program's own is up.
    void KeepAbove();
    bool MayHide() const;
    // Puts the window flags in force, keeping the window where it is.
    void ApplyWindowKind();

    QWidget &FWindow;
    const TSysTrayIcon &FTray;
    std::function<bool()> FStaysUp;
    QTimer FDeferredHide;
    bool FTaskButtonHidden = true;
    bool FStandalone = false;
    // Shown again as another kind, and not left by the user since.
    bool FKindChanged = false;
};
