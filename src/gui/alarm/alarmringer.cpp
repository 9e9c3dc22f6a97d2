#include "gui/alarm/alarmringer.h"

TAlarmRinger::TAlarmRinger(QObject *parent) : QObject(parent)
{
    connect(&FNotification, &TAlarmNotification::SnoozeInvoked, this,
            [this] { Answer(TAlarmAnswer::Snooze); });
    connect(&FNotification, &TAlarmNotification::StopInvoked, this,
            [this] { Answer(TAlarmAnswer::Stop); });
    connect(&FNotification, &TAlarmNotification::Dismissed, this,
            [this] { Answer(TAlarmAnswer::Stop); });
    connect(&FNotification, &TAlarmNotification::DefaultInvoked, this, [this] {
        // A click on it is an answer too: the user has seen the alarm.
        Q_EMIT ShowClocksRequested();
        Answer(TAlarmAnswer::Stop);
    });
}

void TAlarmRinger::Ring(const QString &summary, const QString &body)
{
    FRinging = true;
    FSound.Start();
    FNotification.Show(summary, body);
}

void TAlarmRinger::Answer(TAlarmAnswer answer)
{
    if (!FRinging)
        return;
    FRinging = false;
    FSound.Stop();
    FNotification.Close();
    Q_EMIT Answered(answer);
}
