#include "zonerule.h"

#include <array>
#include <cmath>

namespace {

// 0 = Sunday … 6 = Saturday, for any day number from year 1 on.
unsigned WeekdayIndex(int dayNumber)
{
    // Day 0 was a Saturday; 700'000 is a multiple of 7 that keeps it unsigned.
    return static_cast<unsigned>(dayNumber + 700'006) % 7;
}

// n mod 7 for the small sums of weekdays and day counts below: one load
// instead of a division.
constexpr std::array<std::uint8_t, 64> Mod7 = [] {
    std::array<std::uint8_t, 64> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<std::uint8_t>(i % 7);
    }
    return table;
}();

// What the rules need of one calendar year.
struct TYear
{
    int Jan1 = 0;             // day number of 1 January
    int Leap = 0;             // 1 in a leap year
    unsigned Jan1Weekday = 0; // 0 = Sunday
};

TYear YearInfo(int year)
{
    const int jan1 = DayNumber(year, 1, 1);
    return {jan1, IsLeapYear(year) ? 1 : 0, WeekdayIndex(jan1)};
}

// Per month, [0] unused: days before its 1st in a common year, the same mod
// 7, and its days in a common year.
constexpr std::array<int, 13> DaysBeforeMonth = {0,   0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
constexpr std::array<unsigned, 13> DaysBeforeMonthMod7 = [] {
    std::array<unsigned, 13> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<unsigned>(DaysBeforeMonth[i] % 7);
    }
    return table;
}();
constexpr std::array<int, 13> DaysOfMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Pure arithmetic on small tables.
bool DayOfRule(const TYear &year, const TZoneRule &rule, int &dayNumber)
{
    const unsigned month = rule.OnMonth;
    if (!ValidMonth(static_cast<int>(month))) {
        return false;
    }
    const int afterFebruary = month > 2 ? year.Leap : 0;
    const int first = year.Jan1 + DaysBeforeMonth[month] + afterFebruary;
    const unsigned firstWeekday =
        Mod7[year.Jan1Weekday + DaysBeforeMonthMod7[month] + unsigned(afterFebruary)];
    const int days = DaysOfMonth[month] + (month == 2 ? year.Leap : 0);
    // 0 = Sunday, like the weekday indexes above; every sum below stays under 64.
    const unsigned weekday = rule.OnDayOfWeek - 1u;
    switch (rule.OnType) {
    case TZoneRuleType::zrDayOfMonth:
        if (rule.OnDay < 1 || rule.OnDay > days) {
            return false;
        }
        dayNumber = first + rule.OnDay - 1;
        return true;
    case TZoneRuleType::zrLastWeekday: {
        if (!ValidWeekday(rule.OnDayOfWeek)) {
            return false;
        }
        const unsigned lastWeekday = Mod7[firstWeekday + unsigned(days) - 1];
        dayNumber = first + days - 1 - Mod7[lastWeekday + 7 - weekday];
        return true;
    }
    case TZoneRuleType::zrWeekdayOnOrAfter: {
        if (!ValidWeekday(rule.OnDayOfWeek) || rule.OnDay < 1 || rule.OnDay > days) {
            return false;
        }
        // May run into the next month: the rule says "on or after".
        const unsigned startWeekday = Mod7[firstWeekday + rule.OnDay - 1u];
        dayNumber = first + rule.OnDay - 1 + Mod7[weekday + 7 - startWeekday];
        return true;
    }
    case TZoneRuleType::zrWeekdayOnOrBefore:
        // Counted from the 1st whatever OnDay says; OnDay only names the rule.
        if (!ValidWeekday(rule.OnDayOfWeek)) {
            return false;
        }
        dayNumber = first + Mod7[weekday + 7 - firstWeekday];
        return true;
    }
    return false;
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
    int dayNumber = 0;
    if (year < 1 || year > 9999 || !DayOfRule(YearInfo(year), rule, dayNumber)) {
        return std::nullopt;
    }
    return dayNumber;
}

std::optional<std::int64_t> RuleMomentMSecs(int year, const TZoneRule &rule)
{
    const std::optional<int> day = RuleDayNumber(year, rule);
    if (!day) {
        return std::nullopt;
    }
    return *day * MSecsPerDay + RuleTimeOfDayMSecs(rule.OnTime);
}
