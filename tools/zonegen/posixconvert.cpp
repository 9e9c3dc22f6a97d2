#include "posixconvert.h"

#include "timeline.h"

namespace zonegen {
namespace {

// January 2001 is an ordinary year: the month lengths every year shares.
constexpr int CommonYear = 2001;

std::optional<TRule> MonthWeekDayRule(const TPosixDate &date, std::int64_t dayShift,
                                      std::int32_t time)
{
    const int weekday = static_cast<int>(((date.Weekday + dayShift) % 7 + 7) % 7) + 1;
    const int length = MonthLength(CommonYear, date.Month);
    if (date.Week == 5) {
        if (dayShift == 0)
            return TRule{date.Month, TRuleType::LastWeekday, 0, weekday, time};
        // The last weekday falls in the month's last seven days; moved by a
        // day or more it is the first (weekday + shift) on or after a fixed
        // day, as long as the month's length does not vary.
        const std::int64_t from = length - 6 + dayShift;
        if (date.Month == 2 || from < 1 || from > length)
            return std::nullopt;
        return TRule{date.Month, TRuleType::WeekdayOnOrAfter, static_cast<int>(from), weekday,
                     time};
    }
    const std::int64_t from = 7 * (date.Week - 1) + 1 + dayShift;
    const int shortest = date.Month == 2 ? 28 : length;
    if (from >= 1 && from <= shortest)
        return TRule{date.Month, TRuleType::WeekdayOnOrAfter, static_cast<int>(from), weekday,
                     time};
    if (from < 1 && date.Month != 1 && date.Month != 3) {
        // Before the 1st: the search starts in the month before, whose
        // length is fixed (not February, and not across the new year).
        const int before = date.Month - 1;
        const std::int64_t day = MonthLength(CommonYear, before) + from;
        return TRule{before, TRuleType::WeekdayOnOrAfter, static_cast<int>(day), weekday, time};
    }
    return std::nullopt;
}

std::optional<TRule> FixedDayRule(std::int64_t dayOfYear, std::int32_t time)
{
    // dayOfYear counts from 0 = 1 January of an ordinary year.
    if (dayOfYear < 0 || dayOfYear > 364)
        return std::nullopt;
    const TCivilDate date = CivilFromDays(DaysFromCivil(CommonYear, 1, 1) + dayOfYear);
    return TRule{date.Month, TRuleType::DayOfMonth, date.Day, 0, time};
}

} // namespace

std::optional<TRule> RuleFromPosixDate(const TPosixDate &date, Seconds localOffset)
{
    const Seconds utc = date.Time - localOffset;
    const std::int64_t dayShift = FloorDiv(utc, SecondsPerDay);
    const auto time = static_cast<std::int32_t>(utc - dayShift * SecondsPerDay);
    switch (date.Kind) {
    case TPosixDate::TKind::MonthWeekDay:
        return MonthWeekDayRule(date, dayShift, time);
    case TPosixDate::TKind::JulianNoLeap: {
        // 29 February is never counted, but a shift across it would land a
        // day off in leap years.
        const std::int64_t day = date.Day - 1; // 0 = 1 January, 59 = 1 March
        const std::int64_t shifted = day + dayShift;
        if ((day < 59) != (shifted < 59))
            return std::nullopt;
        return FixedDayRule(shifted, time);
    }
    case TPosixDate::TKind::JulianZero: {
        // Counted with 29 February: fixed dates only before it.
        const std::int64_t shifted = date.Day + dayShift;
        if (date.Day > 58 || shifted > 58)
            return std::nullopt;
        return FixedDayRule(shifted, time);
    }
    }
    return std::nullopt;
}

std::optional<TZoneEntry> ZoneFromPosix(const TPosixTz &tz, int year)
{
    const auto minutes = [](Seconds offset) -> std::optional<std::int32_t> {
        if (offset % 60 != 0)
            return std::nullopt;
        return static_cast<std::int32_t>(offset / 60);
    };
    const auto fixed = [&minutes](Seconds offset,
                                  const std::string &abbr) -> std::optional<TZoneEntry> {
        const auto offsetMinutes = minutes(offset);
        if (!offsetMinutes)
            return std::nullopt;
        TZoneEntry zone;
        zone.UTCOffset = *offsetMinutes;
        zone.StandardAbbr = abbr;
        return zone;
    };
    if (!tz.HasDst)
        return fixed(tz.StdOffset, tz.StdAbbr);
    // Daylight time the whole year round ("EST5EDT,0/0,J365/25") is a fixed
    // offset to a clock.
    const TTimeline yearTimeline = TTimeline::FromPosix(tz, YearStart(year), YearStart(year + 1));
    if (yearTimeline.Changes().size() == 1) {
        const TLocalState &state = yearTimeline.Changes().front().State;
        return fixed(state.Offset, state.Abbr);
    }

    const auto stdMinutes = minutes(tz.StdOffset);
    const auto dstMinutes = minutes(tz.DstOffset);
    if (!stdMinutes || !dstMinutes || *stdMinutes == *dstMinutes)
        return std::nullopt;
    // A negative saving (winter time as the tz data's daylight time) is
    // turned round: users expect summer to be the daylight period.
    const bool turned = *dstMinutes < *stdMinutes;
    const auto begins = turned ? RuleFromPosixDate(tz.End, tz.DstOffset)
                               : RuleFromPosixDate(tz.Start, tz.StdOffset);
    const auto resumes = turned ? RuleFromPosixDate(tz.Start, tz.StdOffset)
                                : RuleFromPosixDate(tz.End, tz.DstOffset);
    if (!begins || !resumes)
        return std::nullopt;
    TZoneEntry zone;
    zone.UTCOffset = turned ? *dstMinutes : *stdMinutes;
    zone.DaylightOffset = turned ? *stdMinutes - *dstMinutes : *dstMinutes - *stdMinutes;
    zone.StandardAbbr = turned ? tz.DstAbbr : tz.StdAbbr;
    zone.DaylightAbbr = turned ? tz.StdAbbr : tz.DstAbbr;
    zone.DaylightRule = *begins;
    zone.StandardRule = *resumes;
    return zone;
}

} // namespace zonegen
