#include "gui/clocks/popupwindow.h"

#include "core/clocks/placement.h"

#include <QGuiApplication>
#include <QList>
#include <QScreen>

namespace {
QList<TScreenArea> ScreenAreas()
{
    QList<TScreenArea> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append({screen->geometry(), screen->availableGeometry()});
    return screens;
}
} // namespace

QPoint BesideTray(const std::optional<QRect> &notify, QSize window, QPoint from)
{
    return PlaceWindowNearTray(ScreenAreas(),
                               QGuiApplication::screens().indexOf(QGuiApplication::primaryScreen()),
                               notify, window, from);
}

QPoint BesidePanelPoint(QPoint point, QSize window, QPoint from)
{
    QScreen *screen = QGuiApplication::screenAt(point);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return from;
    return PlaceWindowAtPoint(screen->geometry(), screen->availableGeometry(), point, window);
}

QPoint CentredOnPrimaryScreen(QSize window, QPoint from)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return from;
    return screen->availableGeometry().center() - QRect(QPoint(), window).center();
}

QPoint KeptOnScreens(const QRect &window)
{
    return KeepOnScreens(window, ScreenAreas());
}

QPoint KeptInsideItsScreen(const QRect &window)
{
    const QScreen *screen = QGuiApplication::screenAt(window.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return window.topLeft();
    return KeptInside(screen->geometry(), window.topLeft(), window.size());
}

Qt::WindowFlags ClocksWindowKind(bool standalone, bool taskButtonHidden)
{
    if (standalone)
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    // A tool window never gets a taskbar button; a plain one does.
    return (taskButtonHidden ? Qt::Tool : Qt::Window) | Qt::FramelessWindowHint |
           Qt::WindowStaysOnTopHint;
}
