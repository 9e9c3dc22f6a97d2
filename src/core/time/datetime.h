// Date-time values: a double counting days since 30 December 1899 00:00, the
// fraction being the time of day (one minute is 1/1440). UTC moments and
// zone-local moments share this form.
#pragma once

#include <cstdint>

using TDateTime = double;

constexpr double MinutesPerDay = 1440.0;
constexpr std::int64_t MSecsPerDay = 86'400'000;
// Day number of 1 January 1970 (the Unix epoch) in TDateTime.
constexpr int UnixDateDelta = 25569;

// Gregorian leap year.
constexpr bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days in a month, 28..31; month 1 = January.
constexpr int DaysInMonth(int year, int month)
{
    constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}
// Days in the month of a date.
int DaysInMonth(TDateTime date);

// Day number (TDateTime's integer part) of a Gregorian date, by formula (no
// loops, no tables), valid far beyond any year a clock shows.
constexpr int DayNumber(int year, int month, int day)
{
    // Howard Hinnant's days_from_civil, shifted from 1970-01-01 to 1899-12-30.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;                                            // [0, 399]
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1; // [0, 365]
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;                    // [0, 146096]
    return era * 146097 + doe - 719468 + UnixDateDelta;
}

struct TDateParts
{
    int Year = 0;
    int Month = 0; // 1..12
    int Day = 0;   // 1..31
};

struct TTimeParts
{
    int Hour = 0;   // 0..23
    int Minute = 0; // 0..59
    int Second = 0; // 0..59
    int MSec = 0;   // 0..999
};

// Calendar date of a day number.
TDateParts DateOfDayNumber(int dayNumber);

// Day of the week of a day number: 1 = Sunday … 7 = Saturday.
constexpr int DayOfWeekOfDayNumber(int dayNumber)
{
    // Day 0 (30 December 1899) was a Saturday.
    return ((dayNumber % 7 + 7 + 6) % 7) + 1;
}

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec);

// A value rounded to the nearest millisecond, split into whole days (floor)
// and milliseconds into the day (0..86'399'999). Rounding first keeps
// 23:59:59.9999 from decoding as 24:00:00.000 of the same day.
struct TSplitDateTime
{
    std::int64_t Day = 0;
    int MSecOfDay = 0;
};
TSplitDateTime SplitDateTime(TDateTime value);
// The same for a count of milliseconds since day 0.
TSplitDateTime SplitMSecs(std::int64_t msecs);

TDateParts DecodeDate(TDateTime value);
TTimeParts DecodeTime(TDateTime value);
// 1 = Sunday … 7 = Saturday.
int DayOfWeek(TDateTime value);

// Milliseconds since the Unix epoch <-> TDateTime.
TDateTime DateTimeFromUnixMSecs(std::int64_t msecs);
std::int64_t UnixMSecsFromDateTime(TDateTime value);
