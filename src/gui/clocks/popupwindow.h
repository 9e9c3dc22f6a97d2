// Where the "World Times" window goes on the screens as they are now, and
// what kind of window it is. The screens are read at each call: monitors and
// panels come and go.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>
#include <optional>

// Beside the notification area notify (the primary screen's panel corner
// when it is not known); from, the window's position now, when there is no
// screen at all.
QPoint BesideTray(const std::optional<QRect> &notify, QSize window, QPoint from);
// Beside the point on a panel that was clicked, on the screen that holds it.
QPoint BesidePanelPoint(QPoint point, QSize window, QPoint from);
// Centred on the primary screen's available area.
QPoint CentredOnPrimaryScreen(QSize window, QPoint from);
// A window stored off every screen pulled into the nearest one's work area.
QPoint KeptOnScreens(const QRect &window);
// Inside the screen it is on, so a window on a second monitor stays there.
QPoint KeptInsideItsScreen(const QRect &window);

// A pop-up without a frame, kept above others, with a taskbar button only
// when asked; or, as the whole program (no tray), an ordinary framed window.
Qt::WindowFlags ClocksWindowKind(bool standalone, bool taskButtonHidden);
