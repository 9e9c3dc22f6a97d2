#include "placement.h"

#include <QList>
#include <algorithm>
#include <limits>

namespace {
// Edges as the panel algorithm reads them: right and bottom exclusive.
int RightOf(const QRect &r)
{
    return r.x() + r.width();
}

int BottomOf(const QRect &r)
{
    return r.y() + r.height();
}

// Every strip the available area leaves out, in the order bottom, top,
// right, left (the usual homes of a panel that holds a tray).
QList<QRect> PanelCandidates(const QRect &screen, const QRect &available)
{
    QList<QRect> panels;
    if (available.isEmpty() || !screen.contains(available))
        return panels;
    if (BottomOf(available) < BottomOf(screen))
        panels.append(QRect(screen.x(), BottomOf(available), screen.width(),
                            BottomOf(screen) - BottomOf(available)));
    if (available.y() > screen.y())
        panels.append(QRect(screen.x(), screen.y(), screen.width(), available.y() - screen.y()));
    if (RightOf(available) < RightOf(screen))
        panels.append(QRect(RightOf(available), screen.y(), RightOf(screen) - RightOf(available),
                            screen.height()));
    if (available.x() > screen.x())
        panels.append(QRect(screen.x(), screen.y(), available.x() - screen.x(), screen.height()));
    return panels;
}

// Wide enough for a point from a hand-edited file millions of pixels away.
qint64 DistanceSquared(const QRect &r, const QPoint &p)
{
    const qint64 dx = p.x() < r.x() ? qint64(r.x()) - p.x() : std::max(0, p.x() - (RightOf(r) - 1));
    const qint64 dy =
        p.y() < r.y() ? qint64(r.y()) - p.y() : std::max(0, p.y() - (BottomOf(r) - 1));
    return dx * dx + dy * dy;
}

qint64 AreaOf(const QRect &r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

// How far a panel reaches past an icon on its inner side, gap being the
// icon's distance from the screen edge: as far as that, for panels centre
// their icons (trayer's 22-pixel icon lies one pixel inside its 24-pixel
// panel, on either side). An icon farther from the edge than its own size
// sits in no edge panel, and nothing is added.
int InnerMargin(int gap, int iconSize)
{
    return gap > 0 && gap <= iconSize ? gap : 0;
}

// A strip along the screen edge nearest to the notification area, reaching
// across it: what a panel holding it would at least cover.
QRect StripAround(const QRect &screen, const QRect &notify)
{
    const QPoint c = notify.center();
    const int toTop = c.y() - screen.y();
    const int toBottom = BottomOf(screen) - c.y();
    const int toLeft = c.x() - screen.x();
    const int toRight = RightOf(screen) - c.x();
    const int nearest = std::min({toTop, toBottom, toLeft, toRight});
    if (nearest == toBottom) {
        const int top =
            notify.y() - InnerMargin(BottomOf(screen) - BottomOf(notify), notify.height());
        return QRect(screen.x(), top, screen.width(), BottomOf(screen) - top);
    }
    if (nearest == toTop) {
        const int bottom = BottomOf(notify) + InnerMargin(notify.y() - screen.y(), notify.height());
        return QRect(screen.x(), screen.y(), screen.width(), bottom - screen.y());
    }
    if (nearest == toRight) {
        const int left =
            notify.x() - InnerMargin(RightOf(screen) - RightOf(notify), notify.width());
        return QRect(left, screen.y(), RightOf(screen) - left, screen.height());
    }
    const int right = RightOf(notify) + InnerMargin(notify.x() - screen.x(), notify.width());
    return QRect(screen.x(), screen.y(), right - screen.x(), screen.height());
}

} // namespace

QPoint KeptInside(const QRect &screen, QPoint p, QSize window)
{
    p.setX(std::max(screen.x(), std::min(p.x(), RightOf(screen) - window.width())));
    p.setY(std::max(screen.y(), std::min(p.y(), BottomOf(screen) - window.height())));
    return p;
}

TPanelEdge PanelEdge(const QRect &panel, int screenHeight)
{
    if (panel.y() >= 100)
        return TPanelEdge::Bottom;
    if (panel.x() >= 100)
        return TPanelEdge::Right;
    if (screenHeight / 2 >= BottomOf(panel))
        return TPanelEdge::Top;
    return TPanelEdge::Left;
}

QPoint PlaceNearTray(const QRect &panel, const QRect &notify, QSize screen, QSize window)
{
    switch (PanelEdge(panel, screen.height())) {
    case TPanelEdge::Bottom:
        return {notify.x(), panel.y() - window.height()};
    case TPanelEdge::Top:
        return {notify.x(), BottomOf(panel)};
    case TPanelEdge::Left:
        return {RightOf(panel), notify.y()};
    case TPanelEdge::Right:
        break;
    }
    return {panel.x() - window.width(), notify.y()};
}

QRect PanelRect(const QRect &screen, const QRect &available)
{
    const QList<QRect> panels = PanelCandidates(screen, available);
    return panels.isEmpty() ? QRect() : panels.first();
}

QPoint PlaceWindowNearTray(const QRect &screen, const QRect &available,
                           const std::optional<QRect> &notify, QSize window)
{
    const QList<QRect> panels = PanelCandidates(screen, available);
    if (!notify || notify->isEmpty()) {
        const QRect area = available.isEmpty() ? screen : available;
        QPoint corner(RightOf(area) - window.width(), BottomOf(area) - window.height());
        // Without a notification area the far end of the panel is the
        // likeliest home of the tray.
        if (!panels.isEmpty()) {
            const QRect local = panels.first().translated(-screen.topLeft());
            switch (PanelEdge(local, screen.height())) {
            case TPanelEdge::Top:
                corner.setY(area.y());
                break;
            case TPanelEdge::Left:
                corner.setX(area.x());
                break;
            case TPanelEdge::Bottom:
            case TPanelEdge::Right:
                break;
            }
        }
        return KeptInside(screen, corner, window);
    }

    // The panel that holds the notification area, or the nearest one.
    QRect panel;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect &candidate : panels) {
        const qint64 d = DistanceSquared(candidate, notify->center());
        if (d < best) {
            best = d;
            panel = candidate;
        }
    }
    // A panel far from the icon is not the one that holds it (a tray in a
    // floating dock, or an icon on another edge than the reserved strip).
    if (panel.isNull() || !panel.adjusted(-8, -8, 8, 8).intersects(*notify))
        panel = StripAround(screen, *notify);

    const QPoint offset = screen.topLeft();
    const QPoint local = PlaceNearTray(panel.translated(-offset), notify->translated(-offset),
                                       screen.size(), window);
    return KeptInside(screen, local + offset, window);
}

qsizetype ScreenHolding(const QRect &notify, const QList<TScreenArea> &screens)
{
    qsizetype nearest = -1;
    qint64 best = std::numeric_limits<qint64>::max();
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const qint64 d = DistanceSquared(screens[i].Geometry, notify.center());
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

QPoint PlaceWindowNearTray(const QList<TScreenArea> &screens, qsizetype primary,
                           const std::optional<QRect> &notify, QSize window, QPoint from)
{
    qsizetype chosen = notify && !notify->isEmpty() ? ScreenHolding(*notify, screens) : -1;
    if (chosen < 0)
        chosen = primary;
    if (chosen < 0 || chosen >= screens.size())
        return from;
    return PlaceWindowNearTray(screens[chosen].Geometry, screens[chosen].Available, notify, window);
}

QPoint KeepOnScreens(const QRect &window, const QList<TScreenArea> &screens)
{
    if (screens.isEmpty() || window.isEmpty())
        return window.topLeft();
    // Mirrored outputs report the same rectangle twice: count each once.
    QList<QRect> counted;
    qint64 covered = 0;
    for (const TScreenArea &screen : screens) {
        if (counted.contains(screen.Geometry))
            continue;
        counted.append(screen.Geometry);
        covered += AreaOf(window.intersected(screen.Geometry));
    }
    if (covered >= AreaOf(window))
        return window.topLeft();

    const TScreenArea *nearest = nullptr;
    qint64 bestOverlap = 0;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const TScreenArea &screen : screens) {
        const qint64 overlap = AreaOf(window.intersected(screen.Geometry));
        const qint64 distance = DistanceSquared(screen.Geometry, window.center());
        if (overlap > bestOverlap || (overlap == bestOverlap && distance < bestDistance)) {
            nearest = &screen;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    const QRect area = nearest->Available.isEmpty() ? nearest->Geometry : nearest->Available;
    return KeptInside(area, window.topLeft(), window.size());
}

QPoint LogicalPoint(QPoint device, const QList<TScreenScale> &screens)
{
    for (const TScreenScale &screen : screens) {
        if (screen.Ratio <= 0)
            continue;
        const QRect native(screen.Geometry.topLeft(), screen.Geometry.size() * screen.Ratio);
        if (!native.contains(device))
            continue;
        const QPoint offset = device - native.topLeft();
        return native.topLeft() +
               QPoint(int(offset.x() / screen.Ratio), int(offset.y() / screen.Ratio));
    }
    return device;
}

QPoint PlaceWindowAtPoint(const QRect &screen, const QRect &available, QPoint point, QSize window)
{
    QRect panel;
    // A panel may send a point a few pixels beside itself (its icon's edge).
    for (const QRect &candidate : PanelCandidates(screen, available))
        if (candidate.adjusted(-8, -8, 8, 8).contains(point)) {
            panel = candidate;
            break;
        }
    if (panel.isNull()) {
        const int toTop = point.y() - screen.y();
        const int toBottom = BottomOf(screen) - 1 - point.y();
        const int toLeft = point.x() - screen.x();
        const int toRight = RightOf(screen) - 1 - point.x();
        const int nearest = std::max(0, std::min({toTop, toBottom, toLeft, toRight}));
        const int depth = 2 * nearest + 1;
        if (nearest == toBottom)
            panel = QRect(screen.x(), BottomOf(screen) - depth, screen.width(), depth);
        else if (nearest == toTop)
            panel = QRect(screen.x(), screen.y(), screen.width(), depth);
        else if (nearest == toRight)
            panel = QRect(RightOf(screen) - depth, screen.y(), depth, screen.height());
        else
            panel = QRect(screen.x(), screen.y(), depth, screen.height());
    }

    // Opens towards the side with more room, so the corner stays at the point.
    const int x = point.x() - screen.x() < RightOf(screen) - point.x() ? point.x()
                                                                       : point.x() - window.width();
    const int y = point.y() - screen.y() < BottomOf(screen) - point.y()
                      ? point.y()
                      : point.y() - window.height();
    QPoint where;
    switch (PanelEdge(panel.translated(-screen.topLeft()), screen.height())) {
    case TPanelEdge::Bottom:
        where = {x, panel.y() - window.height()};
        break;
    case TPanelEdge::Top:
        where = {x, BottomOf(panel)};
        break;
    case TPanelEdge::Left:
        where = {RightOf(panel), y};
        break;
    case TPanelEdge::Right:
        where = {panel.x() - window.width(), y};
        break;
    }
    return KeptInside(screen, where, window);
}
