#include "gui/clocks/clockspopup.h"

#include "gui/clocks/popupwindow.h"
#include "gui/clocks/taskbutton.h"
#include "gui/desktop/desktopsetup.h"
#include "gui/tray/systrayicon.h"
#include "gui/tray/trayanchor.h"

#include <QWidget>
#include <utility>

namespace {
constexpr int DeferredHideMSecs = 300;
}

TClocksPopup::TClocksPopup(QWidget &window, const TSysTrayIcon &tray, std::function<bool()> staysUp)
    : QObject(&window), FWindow(window), FTray(tray), FStaysUp(std::move(staysUp))
{
    FDeferredHide.setSingleShot(true);
    FDeferredHide.setInterval(DeferredHideMSecs);
    connect(&FDeferredHide, &QTimer::timeout, this, [this] {
        if (MayHide() && !FTray.ClickPending())
            Hide();
    });
}

void TClocksPopup::SetTaskButtonHidden(bool hidden)
{
    if (hidden == FTaskButtonHidden)
        return;
    FTaskButtonHidden = hidden;
    if (FStandalone)
        return; // it has its button anyway
    ApplyWindowKind();
    if (FWindow.isVisible())
        RequestWindowStates(FWindow, hidden);
}

void TClocksPopup::SetStandalone(bool standalone)
{
    if (standalone == FStandalone)
        return;
    FStandalone = standalone;
    // Back to a pop-up it stays where the user sees it; unpinned, a click
    // elsewhere now hides it as usual.
    ApplyWindowKind();
}

void TClocksPopup::ApplyWindowKind()
{
    const bool wasVisible = FWindow.isVisible();
    const QPoint where = FWindow.pos();
    FWindow.setWindowFlags(ClocksWindowKind(FStandalone, FTaskButtonHidden));
    if (wasVisible) {
        FWindow.move(where);
        ShowNow();
    }
}

void TClocksPopup::Resize(QSize minimum, QSize size)
{
    if (!NativeWayland()) {
        FWindow.resize(size);
        return;
    }
    FWindow.setMinimumSize(minimum);
    FWindow.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    FWindow.resize(size);
    FWindow.setFixedSize(size);
}

void TClocksPopup::ShowNow()
{
    const bool hideButton = FTaskButtonHidden && !FStandalone;
    if (hideButton)
        HideTaskButtonBeforeShow(FWindow);
    FWindow.show();
    // A window whose kind changed gets a new X window as it is shown, without
    // the marks set before.
    if (hideButton)
        RequestWindowStates(FWindow, true);
    FWindow.raise();
    FWindow.activateWindow();
}

void TClocksPopup::Hide()
{
    // Hidden, a window that is the whole program could not be found again.
    if (FStandalone)
        FWindow.showMinimized();
    else
        FWindow.hide();
}

void TClocksPopup::PlaceBesideTray()
{
    // With no tray to stand by, and a frame the placement does not count,
    // the middle of the screen keeps all of the window in sight.
    if (FStandalone)
        FWindow.move(CentredOnPrimaryScreen(FWindow.size(), FWindow.pos()));
    else if (const std::optional<QPoint> click = PanelClickPoint(FTray))
        FWindow.move(BesidePanelPoint(*click, FWindow.size(), FWindow.pos()));
    else
        FWindow.move(BesideTray(NotificationRect(FTray), FWindow.size(), FWindow.pos()));
}

bool TClocksPopup::MayHide() const
{
    return FWindow.isVisible() && !FStandalone && !FStaysUp();
}

void TClocksPopup::ApplicationDeactivated()
{
    if (!MayHide())
        return;
    if (!DockedIconRect(FTray).isEmpty()) {
        Hide();
        return;
    }
    // Where the tray does not tell where its icon is (StatusNotifierItem
    // hosts), pressing the icon takes the activation away before the click
    // arrives. Waiting for it briefly lets a click on the icon of the open
    // window leave it as it is, instead of hiding it and showing it again.
    FDeferredHide.start();
}
