// Where the clocks window goes beside the notification area. Pure geometry,
// so every case can be checked without a desktop.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

enum class TPanelEdge
{
    Bottom,
    Top,
    Left,
    Right
};

// Which screen edge a panel of rectangle panel sits on, for a screen
// screenHeight pixels high: the first of "top at 100 or lower: bottom",
// "left at 100 or further right: right", "bottom no lower than half the
// screen: top", else left.
TPanelEdge PanelEdge(const QRect &panel, int screenHeight);

// Top-left corner of a window of size window placed against the panel
// rectangle panel, next to the notification area rectangle notify: above a
// bottom panel and below a top one starting at the notification area's left
// edge, beside a side panel level with its top. Coordinates relative to the
// screen's top-left corner.
QPoint PlaceNearTray(const QRect &panel, const QRect &notify, QSize screen, QSize window);

// The top-left corner p moved just enough for a window of size window to lie
// inside screen. A window larger than the screen keeps its top-left corner
// on it: its captions and first clock stay in sight.
QPoint KeptInside(const QRect &screen, QPoint p, QSize window);

// The panel rectangle as the desktop reveals it: the strip of the screen
// that the available area leaves out along one edge. Empty when the whole
// screen is available.
QRect PanelRect(const QRect &screen, const QRect &available);

// The placement the program uses, in absolute (virtual desktop) coordinates,
// whatever the desktop tells:
// - panel and notification area known: PlaceNearTray;
// - only the notification area (or the point clicked on a tray icon) known:
//   the panel is taken as the strip along the screen edge nearest to it, on
//   the side the available area shows when it shows one, reaching past the
//   icon inwards as far as the icon lies from the edge;
// - nothing known: the corner of the available area at the far end of the
//   panel, where trays usually sit: bottom-right, top-right under a top
//   panel, bottom-left beside a left one.
// The result is kept inside the screen.
QPoint PlaceWindowNearTray(const QRect &screen, const QRect &available,
                           const std::optional<QRect> &notify, QSize window);

// A screen as the desktop reports it: all of it, and the work area that its
// panels leave.
struct TScreenArea
{
    QRect Geometry;
    QRect Available;
};

// Which of screens holds the notification area notify: the one its centre
// lies on, else the nearest (an icon a panel draws past its screen's edge);
// -1 when there are none.
qsizetype ScreenHolding(const QRect &notify, const QList<TScreenArea> &screens);

// The same placement on a desktop of several screens: on the screen that
// holds notify, or on screens[primary] when notify is not known; from when
// there is no screen. With more than one monitor, X11 reports every
// screen's available area as the whole screen: the panel then is the strip
// the icon lies in, as deep on the icon's inner side as on its outer one.
QPoint PlaceWindowNearTray(const QList<TScreenArea> &screens, qsizetype primary,
                           const std::optional<QRect> &notify, QSize window, QPoint from);

// Where a window stored at rectangle window goes at start. It stays where it
// is while it lies wholly on the screens (spanning two side by side counts);
// otherwise (a monitor unplugged, a hand-edited file) it is pulled into the
// work area of the nearest screen: the one it overlaps most, or the one
// closest to its centre when it overlaps none.
QPoint KeepOnScreens(const QRect &window, const QList<TScreenArea> &screens);

// A screen's place in Qt's coordinates and how many device pixels make one
// of them.
struct TScreenScale
{
    QRect Geometry;
    double Ratio = 1;
};

// A point in the display's own pixels (as a panel sends it) in Qt's
// coordinates. Qt keeps each screen's top-left corner and divides distances
// within the screen by its ratio.
QPoint LogicalPoint(QPoint device, const QList<TScreenScale> &screens);

// Where a window of size window goes when all that is known is the point
// on a panel that was clicked (a StatusNotifierItem panel tells it):
// beside the point, against the panel that holds it, on screen (absolute
// coordinates). The panel is the strip the available area leaves out where
// the point lies; where the available area shows none, a strip along the
// nearest screen edge, taken to be twice as deep as the point lies from the
// edge (panels centre their icons). The window's corner nearest to the
// point lies at the point's side of the panel: it opens towards the
// screen's wider side of the point. Kept inside the screen.
QPoint PlaceWindowAtPoint(const QRect &screen, const QRect &available, QPoint point, QSize window);
