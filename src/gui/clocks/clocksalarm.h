// The alarm as the "World Times" window presents it: the picture beside the
// alarm's clock while it is set, and the ringing: sound and notification,
// the window brought up with its box, the answer stored.
#pragma once

#include <QObject>

class QLabel;
class QWidget;
class TAlarmRinger;
class TClockColumn;
class TWorldClocks;

class TClocksAlarm : public QObject
{
    Q_OBJECT

public:
    // All four must outlive this; the box is shown over window.
    TClocksAlarm(TWorldClocks &world, const TClockColumn &column, QLabel &picture, QWidget &window);

    // Shows the picture beside the alarm's clock, or hides it.
    void UpdatePicture();
    // Rings the alarm that came due, then clears it from the store; Snooze
    // in the box or the notification sets it again. A failed write is said
    // after the box.
    void Ring();
    bool BoxShowing() const { return FBoxShowing; }

Q_SIGNALS:
    // Before the box: the window wanted in sight, with a taskbar button.
    void WindowWanted();
    // The box answered: the window goes back to its usual kind.
    void BoxClosed();
    // The notification was clicked.
    void ShowClocksRequested();

private:
    TWorldClocks &FWorld;
    const TClockColumn &FColumn;
    QLabel &FPicture;
    QWidget &FWindow;
    TAlarmRinger *FRinger = nullptr; // a child
    bool FBoxShowing = false;
};
