// A ringing alarm, heard and seen away from the clocks window: the sound and
// the desktop notification started together, and every way of answering
// either (Stop, Snooze, a click on the notification, closing it) ending both.
// The clocks window shows its own box beside them and answers through here.
#pragma once

#include "gui/alarm/alarmnotification.h"
#include "gui/alarm/alarmsound.h"

#include <QObject>
#include <QString>

enum class TAlarmAnswer
{
    Stop,   // also the box's OK, a click on the notification, closing it
    Snooze, // set it again a few minutes on
};

class TAlarmRinger : public QObject
{
    Q_OBJECT

public:
    explicit TAlarmRinger(QObject *parent = nullptr);

    // Sound and notification, summary and body as the notification shows them.
    void Ring(const QString &summary, const QString &body);
    // Ends the ringing from the program's side (its box answered): sound off,
    // notification taken down, Answered emitted.
    void Answer(TAlarmAnswer answer);
    bool Ringing() const { return FRinging; }

    TAlarmSound &Sound() { return FSound; }
    TAlarmNotification &Notification() { return FNotification; }

Q_SIGNALS:
    // Once per Ring, however it was answered.
    void Answered(TAlarmAnswer answer);
    // The notification was clicked: the clocks should show.
    void ShowClocksRequested();

private:
    TAlarmSound FSound;
    TAlarmNotification FNotification;
    bool FRinging = false;
};
