// What the clocks window shows when the options dialog opens: the dialog
// starts its working copy from these values and never asks the window again.
#pragma once

#include "core/settings/storedfont.h"
#include "core/time/datetime.h"

#include <QString>

struct TClocksState
{
    QString TimeFormat; // empty: the clocks show no time
    QString DateFormat; // empty: the clocks show no date
    TStoredFont Font = DesignClockFont();
    // The alarm, when one is set: the title of its clock and the moment in
    // that clock's local time.
    bool AlarmSet = false;
    QString AlarmClock;
    TDateTime AlarmTime = 0;

    // What a clocks window would show with nothing stored: the user's long
    // formats, the design font, no alarm.
    static TClocksState Defaults();
};
