#include "datetime.h"

#include <cmath>

int DaysInMonth(TDateTime date)
{
    const TDateParts d = DecodeDate(date);
    return DaysInMonth(d.Year, d.Month);
}

TDateParts DateOfDayNumber(int dayNumber)
{
    // Howard Hinnant's civil_from_days.
    const int z = dayNumber - UnixDateDelta + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int day = doy - (153 * mp + 2) / 5 + 1;
    const int month = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

TDateTime EncodeDate(int year, int month, int day)
{
    return DayNumber(year, month, day);
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / double(MSecsPerDay);
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec)
{
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, msec);
}

TSplitDateTime SplitMSecs(std::int64_t msecs)
{
    std::int64_t day = msecs / MSecsPerDay;
    std::int64_t ms = msecs % MSecsPerDay;
    if (ms < 0) {
        ms += MSecsPerDay;
        --day;
    }
    return {day, static_cast<int>(ms)};
}

TSplitDateTime SplitDateTime(TDateTime value)
{
    return SplitMSecs(static_cast<std::int64_t>(std::llround(value * double(MSecsPerDay))));
}

TDateParts DecodeDate(TDateTime value)
{
    return DateOfDayNumber(static_cast<int>(SplitDateTime(value).Day));
}

TTimeParts DecodeTime(TDateTime value)
{
    int ms = SplitDateTime(value).MSecOfDay;
    TTimeParts t;
    t.MSec = ms % 1000;
    ms /= 1000;
    t.Second = ms % 60;
    ms /= 60;
    t.Minute = ms % 60;
    t.Hour = ms / 60;
    return t;
}

int DayOfWeek(TDateTime value)
{
    return DayOfWeekOfDayNumber(static_cast<int>(SplitDateTime(value).Day));
}

TDateTime DateTimeFromUnixMSecs(std::int64_t msecs)
{
    // Split first so the fraction keeps full precision for any date a clock shows.
    const TSplitDateTime s = SplitMSecs(msecs);
    return double(s.Day + UnixDateDelta) + double(s.MSecOfDay) / double(MSecsPerDay);
}

std::int64_t UnixMSecsFromDateTime(TDateTime value)
{
    const TSplitDateTime s = SplitDateTime(value);
    return (s.Day - UnixDateDelta) * MSecsPerDay + s.MSecOfDay;
}
