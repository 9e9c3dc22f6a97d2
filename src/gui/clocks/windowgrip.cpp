#include "gui/clocks/windowgrip.h"

#include <QMouseEvent>
#include <QWidget>

void TWindowGrip::Press(const QMouseEvent &event)
{
    FDragging = event.button() == Qt::LeftButton;
    FMoved = false;
    FGrip = event.globalPosition().toPoint() - FWindow.pos();
}

void TWindowGrip::Move(const QMouseEvent &event)
{
    if (!FDragging)
        return;
    const QPoint to = event.globalPosition().toPoint() - FGrip;
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
