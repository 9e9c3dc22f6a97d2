#include "alarm.h"

#include "core/time/datetimeformat.h"
#include "core/zones/timezone.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {
// A message rung later than this after its moment says so.
constexpr std::int64_t AllowedLatenessMSecs = 5000;

// Counted in whole milliseconds: day fractions of seconds do not compare
// exactly in floating point.
std::int64_t MSecsBetween(TDateTime from, TDateTime to)
{
    return static_cast<std::int64_t>(std::llround((to - from) * MSecsPerDay));
}
} // namespace

bool TAlarm::IsDue() const
{
    // A clock whose zone is unknown has no local time to ring at; the alarm
    // stays set for when its zone is known again.
    return Clock != nullptr && !Clock->UnknownZone && Clock->LocalTimeNow() >= Time;
}

QString TAlarm::MessageText() const
{
    if (Clock == nullptr)
        return {};
    QString passed;
    if (MSecsBetween(Time, Clock->LocalTimeNow()) > AllowedLatenessMSecs)
        passed = QCoreApplication::translate("TAlarm", "The alarm time for %1 has passed!\n")
                     .arg(Clock->Title);
    return QCoreApplication::translate("TAlarm", "This is your Vorkel Clocks alarm!\n\n") + passed +
           TimeSentence();
}

QString TAlarm::Caption() const
{
    if (Clock == nullptr)
        return {};
    return QCoreApplication::translate("TAlarm", "Alarm – %1").arg(Clock->Title);
}

QString TAlarm::TimeSentence() const
{
    if (Clock == nullptr)
        return {};
    return QCoreApplication::translate("TAlarm", "The time in %1 is now %2.")
        .arg(Clock->Title, FormatDateTime(QStringLiteral("c"), Clock->LocalTimeNow()));
}

TDateTime TAlarm::Snooze(int minutes)
{
    if (Clock == nullptr)
        return Time;
    const int held = std::clamp(minutes, MinSnoozeMinutes, MaxSnoozeMinutes);
    // Whole seconds, so the stored text and the hint show a plain time.
    const TSplitDateTime now = SplitDateTime(Clock->LocalTimeNow());
    const std::int64_t second = now.MSecOfDay / 1000 + std::int64_t{held} * 60;
    Time = static_cast<TDateTime>(now.Day) + static_cast<double>(second) * 1000 / MSecsPerDay;
    Active = true;
    return Time;
}

int SnoozeMinutesOrDefault(std::optional<int> stored)
{
    if (!stored || *stored < MinSnoozeMinutes || *stored > MaxSnoozeMinutes)
        return DefaultSnoozeMinutes;
    return *stored;
}

std::optional<TDateTime> NextOccurrenceOfPassedAlarm(TDateTime time, TDateTime now)
{
    const std::int64_t behind = MSecsBetween(time, now);
    if (behind < 0)
        return std::nullopt;
    // Whole days in the clock's own local time: the wall-clock time stays
    // the one typed, also across a change of daylight time.
    return time + static_cast<double>(behind / MSecsPerDay + 1);
}
