// The POSIX TZ strings that close every TZif file and give the rule in force
// after its last listed transition ("CET-1CEST,M3.5.0,M10.5.0/3").
#pragma once

#include "civil.h"

#include <optional>
#include <string>
#include <string_view>

namespace zonegen {

// When one change happens, in the local time in force just before it.
struct TPosixDate
{
    enum class TKind : std::uint8_t
    {
        JulianNoLeap, // "Jn": day 1..365, 29 February never counted
        JulianZero,   // "n": day 0..365, 29 February counted
        MonthWeekDay  // "Mm.w.d"
    };
    TKind Kind = TKind::MonthWeekDay;
    int Month = 0;       // 1..12
    int Week = 0;        // 1..5, 5 = the last one of the month
    int Weekday = 0;     // 0 = Sunday … 6 = Saturday
    int Day = 0;         // the J and plain forms
    Seconds Time = 7200; // after local midnight, -167 h … 167 h

    friend bool operator==(const TPosixDate &, const TPosixDate &) = default;
};

struct TPosixTz
{
    std::string StdAbbr;
    std::string DstAbbr;
    Seconds StdOffset = 0; // east of UTC (the string itself counts west)
    Seconds DstOffset = 0; // east of UTC
    bool HasDst = false;
    TPosixDate Start; // daylight time begins, in standard time
    TPosixDate End;   // daylight time ends, in daylight time
};

// std offset [dst [offset] [,start[/time],end[/time]]]; abbreviations either
// three or more letters or "<...>" quoted (the brackets are dropped).
std::optional<TPosixTz> ParsePosixTz(std::string_view text);

// Days since 1970-01-01 of the local day on which a change falls in a year.
std::int64_t PosixDateDay(const TPosixDate &date, int year);

// UTC moments at which daylight time begins and ends in a local year.
Seconds PosixStartMoment(const TPosixTz &tz, int year);
Seconds PosixEndMoment(const TPosixTz &tz, int year);

// Whether daylight time is in force at a UTC moment.
bool PosixIsDstAt(const TPosixTz &tz, Seconds t);

} // namespace zonegen
