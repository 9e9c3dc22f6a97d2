#include "gui/clocks/windowgrip.h"

#include "gui/desktop/desktopsetup.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void TWindowGrip::Press(const QMouseEvent &event)
{
    FDragging = event.button() == Qt::LeftButton;
    FMoved = false;
    FSystemMoving = false;
    FGrip = event.globalPosition().toPoint() - FWindow.pos();
}

void TWindowGrip::Move(const QMouseEvent &event)
{
    if (!FDragging)
        return;
    const QPoint to = event.globalPosition().toPoint() - FGrip;
    // On Wayland a window cannot move itself; the compositor moves it, once
    // the pointer has gone far enough to be a drag and not a click.
    QWindow *window = FWindow.windowHandle();
    if (NativeWayland() && window != nullptr) {
        if ((to - FWindow.pos()).manhattanLength() >= QApplication::startDragDistance() &&
            window->startSystemMove()) {
            FDragging = false;
            FMoved = true;
            FSystemMoving = true;
        }
        return;
    }
    if (to != FWindow.pos()) {
        FWindow.move(to);
        FMoved = true;
    }
}

bool TWindowGrip::Release()
{
    const bool moved = FDragging && FMoved;
    FDragging = false;
    return moved;
}
