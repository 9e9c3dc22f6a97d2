// The ringing alarm's box on the clocks window: titled after the alarm's
// clock, with OK (stop) and Snooze. It closes by itself when the ringing is
// answered elsewhere (the notification), with that answer.
#pragma once

#include "gui/alarm/alarmringer.h"

#include <QString>

class QWidget;

// Shows the box modally for owner while ringer rings, and returns the answer
// given in the box or in the notification. The answer is not passed on to
// the ringer: the caller ends the ringing.
TAlarmAnswer ShowAlarmBox(const QString &caption, const QString &message, TAlarmRinger &ringer,
                          QWidget *owner);
