#include "taskbutton.h"

#include <QGuiApplication>
#include <QList>
#include <QWidget>
#include <QWindow>

#if defined(VORKEL_HAVE_XCB) && QT_CONFIG(xcb)
#include "gui/desktop/x11requests.h"

namespace {
// The window's X window now: the widget's own id stays the first one when Qt
// makes the window afresh on a change of kind.
xcb_window_t NativeId(QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    return static_cast<xcb_window_t>(handle != nullptr ? handle->winId() : window.winId());
}
} // namespace

void HideTaskButtonBeforeShow(QWidget &window)
{
    xcb_connection_t *connection = X11Connection();
    if (connection == nullptr || window.isVisible())
        return;
    const xcb_atom_t state = X11Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t marks[] = {X11Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                X11Atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (state == XCB_ATOM_NONE)
        return;
    const auto id = NativeId(window);

    // Keep whatever is set already; Qt merges its own states in the same way
    // when it maps the window.
    QList<xcb_atom_t> atoms;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024);
    const std::unique_ptr<xcb_get_property_reply_t, TFreeDeleter> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
        atoms = QList<xcb_atom_t>(data, data + reply->value_len);
    }
    for (const xcb_atom_t mark : marks)
        if (mark != XCB_ATOM_NONE && !atoms.contains(mark))
            atoms.append(mark);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.constData());
    xcb_flush(connection);
}

void RequestWindowStates(QWidget &window, bool skipTaskbar)
{
    xcb_connection_t *connection = X11Connection();
    if (connection == nullptr || !window.isVisible())
        return;
    const xcb_atom_t state = X11Atom(connection, "_NET_WM_STATE");
    // The actions of a _NET_WM_STATE request.
    constexpr std::uint32_t Remove = 0;
    constexpr std::uint32_t Add = 1;
    const auto send = [&](std::uint32_t action, const char *first, const char *second) {
        SendToWindowManager(
            connection, NativeId(window), state,
            {action, X11Atom(connection, first),
             second != nullptr ? X11Atom(connection, second) : xcb_atom_t(XCB_ATOM_NONE),
             1 /* from an application */, 0});
    };
    send(Add, "_NET_WM_STATE_ABOVE", nullptr);
    send(skipTaskbar ? Add : Remove, "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER");
    xcb_flush(connection);
}

bool MappedByWindowManager(QWidget &window)
{
    xcb_connection_t *connection = X11Connection();
    if (connection == nullptr)
        return true;
    const std::unique_ptr<xcb_get_window_attributes_reply_t, TFreeDeleter> attributes(
        xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, NativeId(window)), nullptr));
    return attributes == nullptr || attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}
#else
void HideTaskButtonBeforeShow(QWidget &window)
{
    Q_UNUSED(window)
}

void RequestWindowStates(QWidget &window, bool skipTaskbar)
{
    Q_UNUSED(window)
    Q_UNUSED(skipTaskbar)
}

bool MappedByWindowManager(QWidget &window)
{
    Q_UNUSED(window)
    return true;
}
#endif
