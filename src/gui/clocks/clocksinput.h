// What the user does to the "World Times" window with the mouse and the
// keys: drags it by any part, turns the wheel or presses keys to look ahead
// or back, double-clicks a clock for its entry in the options, asks for the
// window's menu, reads a clock's hint, and clicks the brand panel to come
// back to the present; moves the focus with Tab and opens the menu with
// Shift+F10 or the Menu key. An event filter on the window, on its clocks and
// titles (through the clock column), on its pin button and on its brand panel.
#pragma once

#include "gui/clocks/windowgrip.h"

#include <QObject>

class QEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;
class TClockColumn;
class TClocksForm;
class TLookAhead;

class TClocksInput : public QObject
{
    Q_OBJECT

public:
    TClocksInput(TClocksForm &form, TLookAhead &lookAhead, QWidget &brandPanel, QWidget &pin);
    // The column whose clocks and titles this filter watches; set once the
    // column exists, before any event can reach them.
    void SetColumn(const TClockColumn &column) { FColumn = &column; }

    // The window moved since the last press: its end is no click.
    bool DragMoved() const { return FGrip.Moved(); }
    bool SystemMoving() const { return FGrip.SystemMoving(); }
    void SystemMoveOver() { FGrip.SystemMoveOver(); }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool WindowEvent(QEvent *event);
    bool ClockEvent(int index, QWidget &widget, QEvent *event);
    bool KeyPress(const QKeyEvent &key);
    void PanelRelease(const QMouseEvent &event);
    void DragEnd();
    void Wheel(int angleDelta);

    TClocksForm &FForm;
    TLookAhead &FLookAhead;
    QWidget &FBrandPanel;
    QWidget &FPin;
    const TClockColumn *FColumn = nullptr;
    TWindowGrip FGrip;
};
