// Requests to the X server and its window manager that Qt does not make,
// shared by the code that keeps the clocks window out of the taskbar and the
// code that brings it up active. Only where the program is built with xcb.
#pragma once

#include <QtGui/qtguiglobal.h>

#if defined(VORKEL_HAVE_XCB) && QT_CONFIG(xcb)
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

// For the replies xcb allocates.
struct TFreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};

// The program's X server connection, null where it runs on another display
// platform (the offscreen one answers as X11 too, without a connection).
xcb_connection_t *X11Connection();

// The atom of name, XCB_ATOM_NONE where the server gives none.
xcb_atom_t X11Atom(xcb_connection_t *connection, const char *name);

// A request about window to the window manager: a client message of type
// sent to the root window, as the window-manager hints prescribe.
void SendToWindowManager(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t type,
                         const std::array<std::uint32_t, 5> &data);
#endif
