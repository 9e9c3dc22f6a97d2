// Calendar arithmetic on the UTC time line in whole seconds, the unit of the
// tz database, so the generator needs nothing of the program's own model.
#pragma once

#include <cstdint>

namespace zonegen {

using Seconds = std::int64_t; // since 1970-01-01 00:00 UTC
constexpr Seconds SecondsPerDay = 86'400;

struct TCivilDate
{
    int Year = 1970;
    int Month = 1; // 1..12
    int Day = 1;   // 1..31
};

constexpr bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int MonthLength(int year, int month)
{
    constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

// Days since 1970-01-01 of a date; a day outside the month counts on from
// (or back from) day 1, so day 0 is the month's eve.
constexpr std::int64_t DaysFromCivil(int year, int month, int day)
{
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (day - 1);
}

TCivilDate CivilFromDays(std::int64_t days);

// 0 = Sunday … 6 = Saturday.
constexpr int WeekdayOfDays(std::int64_t days)
{
    return static_cast<int>(((days % 7) + 11) % 7);
}

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

constexpr Seconds YearStart(int year)
{
    return DaysFromCivil(year, 1, 1) * SecondsPerDay;
}

int YearOf(Seconds t);

} // namespace zonegen
