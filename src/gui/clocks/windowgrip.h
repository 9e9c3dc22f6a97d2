// Moving a frameless window by dragging any part of it that lets mouse
// events through to it: its background, its clocks and titles, its panel.
#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

class TWindowGrip
{
public:
    explicit TWindowGrip(QWidget &window) : FWindow(window) {}

    void Press(const QMouseEvent &event);
    void Move(const QMouseEvent &event);
    // Ends the drag; true when it moved the window.
    bool Release();
    // A double click is no drag.
    void Cancel() { FDragging = false; }

    bool Dragging() const { return FDragging; }
    // The window moved since the button went down.
    bool Moved() const { return FMoved; }
    // The compositor moves the window (native Wayland) and has not given the
    // activation back yet: losing it meanwhile is part of the move.
    bool SystemMoving() const { return FSystemMoving; }
    void SystemMoveOver() { FSystemMoving = false; }

private:
    QWidget &FWindow;
    bool FDragging = false;
    bool FMoved = false;
    bool FSystemMoving = false;
    QPoint FGrip; // where the window was gripped, relative to its top-left corner
};
