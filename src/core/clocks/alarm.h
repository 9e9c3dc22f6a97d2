// The one alarm of the clocks window: a moment in the local time of one clock.
#pragma once

#include "core/time/datetime.h"

#include <QString>

class TCustomisedTimeZone;

class TAlarm
{
public:
    TDateTime Time = 0;                         // in the local time of Clock's zone
    const TCustomisedTimeZone *Clock = nullptr; // an entry of the clock list; not owned
    bool Active = false;

    bool IsSet() const { return Active && Clock != nullptr; }
    // Clock's rule-based local time now is at or past Time.
    bool IsDue() const;
    // The text of the ringing message: the greeting, a line when it rings
    // more than 5 seconds late, and Clock's local time now.
    QString MessageText() const;
};
