// A zone's yearly daylight-saving rule and the day and moment it names in a
// year.
#pragma once

#include "core/time/datetime.h"

#include <cstdint>
#include <optional>

// How a rule finds the day of the change.
enum class TZoneRuleType : std::uint8_t
{
    zrDayOfMonth = 0,       // day OnDay of OnMonth
    zrLastWeekday = 1,      // the last OnDayOfWeek of OnMonth
    zrWeekdayOnOrAfter = 2, // the first OnDayOfWeek on or after day OnDay
    zrWeekdayOnOrBefore = 3 // the first OnDayOfWeek of the month (OnDay only named)
};

// One yearly transition rule.
struct TZoneRule
{
    std::uint8_t OnMonth = 0;     // 0..12, 1 = January; 0 = no rule (all fields 0)
    std::uint8_t OnDayOfWeek = 0; // 0..7, 1 = Sunday … 7 = Saturday (types 1-3)
    std::uint8_t OnDay = 0;       // 0..31 (types 0 and 2; named by type 3)
    TDateTime OnTime = 0;         // 0 <= OnTime < 1, time of day on the UTC time line
    TZoneRuleType OnType = TZoneRuleType::zrDayOfMonth;

    friend bool operator==(const TZoneRule &, const TZoneRule &) = default;
};

constexpr bool ValidMonth(int month)
{
    return month >= 1 && month <= 12;
}

constexpr bool ValidWeekday(int weekday)
{
    return weekday >= 1 && weekday <= 7;
}

// Rounds half away from zero without a libm call; |value| is bounded by the
// caller.
inline std::int64_t RoundToInt64(double value)
{
    return value >= 0 ? static_cast<std::int64_t>(value + 0.5)
                      : -static_cast<std::int64_t>(-value + 0.5);
}

// Whole milliseconds since day 0, so a moment equal to a transition compares
// equal however its double was put together. For moments of the calendar's
// years.
inline std::int64_t MomentMSecs(TDateTime moment)
{
    return RoundToInt64(moment * double(MSecsPerDay));
}

// Milliseconds into the day of a rule's time of day; only its fraction counts.
std::int64_t RuleTimeOfDayMSecs(TDateTime onTime);

// The day number on which the rule takes effect in that year; nullopt when it
// names no day there: no rule at all, weekday 0 with types 1-3, day 0 or past
// the month's end with types 0 and 2, or a year outside 1..9999.
std::optional<int> RuleDayNumber(int year, const TZoneRule &rule);

// The rule's UTC moment in that year in whole milliseconds since day 0;
// nullopt where RuleDayNumber names no day.
std::optional<std::int64_t> RuleMomentMSecs(int year, const TZoneRule &rule);
