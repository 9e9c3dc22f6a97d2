#include "zonerule.h"

#include <cmath>

namespace {

// Days from one weekday forward to the next one that is `to`, 0..6; both
// 1 = Sunday … 7 = Saturday.
int DaysForward(int from, int to)
{
    return (to - from + 7) % 7;
}

} // namespace

std::int64_t RuleTimeOfDayMSecs(TDateTime onTime)
{
    if (!(onTime >= 0 && onTime < 1)) {
        onTime = std::isfinite(onTime) ? onTime - std::floor(onTime) : 0;
    }
    return RoundToInt64(onTime * double(MSecsPerDay));
}

std::optional<int> RuleDayNumber(int year, const TZoneRule &rule)
{
    if (year < 1 || year > 9999 || !ValidMonth(rule.OnMonth)) {
        return std::nullopt;
    }
    const int first = DayNumber(year, rule.OnMonth, 1);
    const int days = DaysInMonth(year, rule.OnMonth);
    const bool dayInMonth = rule.OnDay >= 1 && rule.OnDay <= days;
    const int weekday = rule.OnDayOfWeek;
    switch (rule.OnType) {
    case TZoneRuleType::zrDayOfMonth:
        if (!dayInMonth) {
            return std::nullopt;
        }
        return first + rule.OnDay - 1;
    case TZoneRuleType::zrLastWeekday: {
        if (!ValidWeekday(weekday)) {
            return std::nullopt;
        }
        const int last = first + days - 1;
        return last - DaysForward(weekday, DayOfWeekOfDayNumber(last));
    }
    case TZoneRuleType::zrWeekdayOnOrAfter: {
        if (!ValidWeekday(weekday) || !dayInMonth) {
            return std::nullopt;
        }
        // May run into the next month: the rule says "on or after".
        const int start = first + rule.OnDay - 1;
        return start + DaysForward(DayOfWeekOfDayNumber(start), weekday);
    }
    case TZoneRuleType::zrWeekdayOnOrBefore:
        // Counted from the 1st whatever OnDay says; OnDay only names the rule.
        if (!ValidWeekday(weekday)) {
            return std::nullopt;
        }
        return first + DaysForward(DayOfWeekOfDayNumber(first), weekday);
    }
    return std::nullopt;
}

std::optional<std::int64_t> RuleMomentMSecs(int year, const TZoneRule &rule)
{
    const std::optional<int> day = RuleDayNumber(year, rule);
    if (!day) {
        return std::nullopt;
    }
    return *day * MSecsPerDay + RuleTimeOfDayMSecs(rule.OnTime);
}
