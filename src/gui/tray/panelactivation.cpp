#include "panelactivation.h"

#include "gui/desktop/desktopsetup.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#if defined(VORKEL_HAVE_XCB) && QT_CONFIG(xcb)
#include "gui/desktop/x11requests.h"

namespace {
// The window becomes viewable a moment after it is shown: asked this many
// times, FocusRetryMSecs apart.
constexpr int FocusTries = 25;
constexpr int FocusRetryMSecs = 20;

void TakeFocus(QPointer<QWidget> window, xcb_window_t id, std::uint32_t time, int tries)
{
    xcb_connection_t *connection = X11Connection();
    if (window == nullptr || !window->isVisible() || window->windowHandle() == nullptr ||
        window->windowHandle()->winId() != id || connection == nullptr)
        return;
    const std::unique_ptr<xcb_generic_error_t, TFreeDeleter> error(xcb_request_check(
        connection,
        xcb_set_input_focus_checked(connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME)));
    // BadMatch: not viewable yet.
    constexpr std::uint8_t BadMatch = 8;
    if (error != nullptr && error->error_code == BadMatch && tries > 1)
        QTimer::singleShot(FocusRetryMSecs, window,
                           [window, id, time, tries] { TakeFocus(window, id, time, tries - 1); });
}
} // namespace
#endif

TPanelActivation::TPanelActivation(QObject *parent) : QObject(parent) {}

TPanelActivation::~TPanelActivation()
{
    if (FFiltering && qApp != nullptr)
        qApp->removeEventFilter(this);
}

void TPanelActivation::Provide(const QString &token)
{
    FToken = token;
    FAge.start();
    // Only while a token waits: every event of the program passes a filter.
    if (!FFiltering && !token.isEmpty() && qApp != nullptr) {
        qApp->installEventFilter(this);
        FFiltering = true;
    }
}

QString TPanelActivation::Pending() const
{
    return FAge.isValid() && FAge.elapsed() <= TokenLifeMSecs ? FToken : QString();
}

bool TPanelActivation::eventFilter(QObject *watched, QEvent *event)
{
    // QShowEvent comes before the window is mapped: in time for the window
    // manager to read what goes with the window.
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const Qt::WindowType type = widget->windowType();
    if (!widget->isWindow() || type == Qt::Popup || type == Qt::ToolTip)
        return false;
    const QString token = Pending();
    FToken.clear();
    qApp->removeEventFilter(this);
    FFiltering = false;
    if (!token.isEmpty())
        Hand(*widget, token);
    return false;
}

void TPanelActivation::Hand(QWidget &window, const QString &token)
{
    // Qt takes a waiting token for the next activation of a window.
    if (NativeWayland()) {
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
        return;
    }
#if defined(VORKEL_HAVE_XCB) && QT_CONFIG(xcb)
    xcb_connection_t *connection = X11Connection();
    if (connection == nullptr || window.windowHandle() == nullptr)
        return;
    const auto id = static_cast<xcb_window_t>(window.windowHandle()->winId());
    // The window is the one the startup notification of the click started:
    // a window manager that places or focuses by it knows the click's time.
    const xcb_atom_t startupId = X11Atom(connection, "_NET_STARTUP_ID");
    const xcb_atom_t utf8 = X11Atom(connection, "UTF8_STRING");
    if (startupId != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE) {
        const QByteArray startup = token.toUtf8();
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, startupId, utf8, 8,
                            static_cast<std::uint32_t>(startup.size()), startup.constData());
    }
    // Qt asks for the activation with the time of the program's own last
    // input, older than the click, and a window manager that prevents focus
    // stealing refuses it; GNOME Shell gives no focus on the map to a tool
    // window either. Asked again with the click's time, and the focus taken
    // with it once the window can have it, as the click was the user's.
    const std::uint32_t time = ClickTime(token);
    if (time == 0)
        return;
    SendToWindowManager(connection, id, X11Atom(connection, "_NET_ACTIVE_WINDOW"),
                        {1 /* from an application */, time, 0, 0, 0});
    xcb_flush(connection);
    TakeFocus(&window, id, time, FocusTries);
#else
    Q_UNUSED(window)
#endif
}

quint32 TPanelActivation::ClickTime(const QString &token)
{
    // Startup notification ids end in "_TIME" and the X server time of the
    // user's action.
    static const QRegularExpression time(QStringLiteral("_TIME(\\d+)$"));
    const QRegularExpressionMatch match = time.match(token);
    bool ok = false;
    const quint32 value = match.hasMatch() ? match.captured(1).toUInt(&ok) : 0;
    return ok ? value : 0;
}
