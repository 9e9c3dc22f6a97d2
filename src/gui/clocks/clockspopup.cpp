#include "gui/clocks/clockspopup.h"

#include "gui/clocks/popupwindow.h"
#include "gui/clocks/taskbutton.h"
#include "gui/desktop/desktopsetup.h"
#include "gui/tray/systrayicon.h"
#include "gui/tray/trayanchor.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace {
constexpr int DeferredHideMSecs = 300;

// A dialog, box or other window of the program's own is up beside window:
// not a menu, hint or the tray's icon, which the window manager never sees
// as windows to stack, nor a box of the window's own.
bool OwnWindowShown(const QWidget &window)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [&window](const QWidget *other) {
        const Qt::WindowType type = other->windowType();
        const QWindow *handle = other->windowHandle();
        const bool windowsBox = other->parentWidget() == &window ||
                                (handle != nullptr && handle->transientParent() != nullptr &&
                                 handle->transientParent() == window.windowHandle());
        return other != &window && other->isVisible() && !windowsBox &&
               (type == Qt::Dialog || type == Qt::Window) &&
               !other->windowFlags().testFlag(Qt::BypassWindowManagerHint) &&
               !other->windowFlags().testFlag(Qt::X11BypassWindowManagerHint);
    });
}
} // namespace

TClocksPopup::TClocksPopup(QWidget &window, const TSysTrayIcon &tray, std::function<bool()> staysUp)
    : QObject(&window), FWindow(window), FTray(tray), FStaysUp(std::move(staysUp))
{
    FDeferredHide.setSingleShot(true);
    FDeferredHide.setInterval(DeferredHideMSecs);
    connect(&FDeferredHide, &QTimer::timeout, this, [this] {
        if (MayHide() && !FTray.ClickPending())
            Hide();
    });
    // Kept above every window, a pinned window covered the options dialog
    // that the user opened from it: its alarm controls, its buttons. A window
    // of the program's own takes the focus as it comes; as it goes the focus
    // may pass to no window of ours, so it is watched until then (queued:
    // the widget still counts as visible while its window hides).
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focused) {
        if (focused != nullptr && focused != FWindow.windowHandle())
            connect(focused, &QWindow::visibleChanged, this, &TClocksPopup::KeepAbove,
                    Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
        KeepAbove();
    });
}

void TClocksPopup::KeepAbove()
{
    // Set on the native window alone: setWindowFlags would hide the window
    // and show it again.
    QWindow *handle = FWindow.windowHandle();
    if (handle == nullptr || FStandalone)
        return;
    const bool above = !OwnWindowShown(FWindow);
    if (handle->flags().testFlag(Qt::WindowStaysOnTopHint) != above)
        handle->setFlag(Qt::WindowStaysOnTopHint, above);
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
        FKindChanged = true;
        // Placed by its inside: move() would add the frame the window had
        // before, which Qt still counts, and a pop-up out of a framed window
        // would sit that much lower and to the right.
        FWindow.setGeometry(QRect(where, FWindow.size()));
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
    // Shown while a box of the program's own is up, it keeps below it.
    KeepAbove();
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
    // Not yet mapped again after a change of kind (a busy window manager
    // takes its time): the focus went with the old mapping, not to another
    // program, and comes back once the window manager catches up.
    if (FKindChanged && !MappedByWindowManager(FWindow))
        return;
    FKindChanged = false;
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
