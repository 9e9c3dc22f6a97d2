// The one alarm of the clocks window: a moment in the local time of one clock.
#pragma once

#include "core/time/datetime.h"

#include <QString>
#include <optional>

class TCustomisedTimeZone;

// Minutes a snoozed alarm waits when the settings name no other number, and
// the range a stored number is held to: a snooze of a day is an alarm of its
// own, not a snooze.
constexpr int DefaultSnoozeMinutes = 10;
constexpr int MinSnoozeMinutes = 1;
constexpr int MaxSnoozeMinutes = 120;

// How long an alarm nobody answers keeps sounding; its box and notification
// stay, so a user coming back still sees it and can snooze.
constexpr int RingingLimitSeconds = 120;

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
    // "Alarm – London": the box's title and the notification's summary.
    QString Caption() const;
    // "The time in London is now …": the notification's body, the message's
    // last line.
    QString TimeSentence() const;
    // Arms the alarm again minutes (held to the snooze range) after Clock's
    // local time now, to the whole second; returns the new moment.
    TDateTime Snooze(int minutes);
};

// The snooze the settings hold, within the snooze range; anything else is
// the default.
int SnoozeMinutesOrDefault(std::optional<int> stored);

// For an alarm page: when `time` (a clock's local time) is not after that
// clock's local time `now`, the same time of day on the first later day that
// is; nullopt when `time` is still ahead. An alarm is never due on the
// second it is set for, so "now" itself counts as passed.
std::optional<TDateTime> NextOccurrenceOfPassedAlarm(TDateTime time, TDateTime now);
