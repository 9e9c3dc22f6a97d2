// A zone as the program's zone file holds it: a base offset, a daylight
// saving amount and two yearly rules whose times are on the UTC time line.
// The generator keeps its own evaluator of those rules so it can check every
// zone it writes against the tz database without the program's code.
#pragma once

#include "civil.h"

#include <optional>
#include <string>
#include <vector>

namespace zonegen {

enum class TRuleType : std::uint8_t
{
    DayOfMonth = 0,       // day Day of Month
    LastWeekday = 1,      // the last DayOfWeek of Month
    WeekdayOnOrAfter = 2, // the first DayOfWeek on or after day Day, may run into the next month
    FirstWeekday = 3      // the first DayOfWeek of Month
};

struct TRule
{
    int Month = 0; // 1..12; 0 = no rule
    TRuleType Type = TRuleType::DayOfMonth;
    int Day = 0;           // 1..31 (DayOfMonth, WeekdayOnOrAfter)
    int DayOfWeek = 0;     // 1 = Sunday … 7 = Saturday
    std::int32_t Time = 0; // seconds after 00:00 UTC, 0..86399

    friend bool operator==(const TRule &, const TRule &) = default;
};

// A change of a zone's clock stated outright, for a zone whose changes two
// yearly rules cannot hold.
struct TStatedChange
{
    Seconds At = 0;          // UTC
    std::int32_t Offset = 0; // seconds east of UTC from At on
    bool IsDst = false;
    std::string Abbr;

    friend bool operator==(const TStatedChange &, const TStatedChange &) = default;
};

struct TZoneEntry
{
    std::string Name;           // "America/New York"
    std::int32_t UTCOffset = 0; // minutes east of UTC, standard time
    std::string StandardAbbr;
    std::int32_t DaylightOffset = 0; // minutes added in daylight time
    std::string DaylightAbbr;
    TRule StandardRule; // standard time resumes
    TRule DaylightRule; // daylight time begins
    // Ascending; they hold from the first one's moment until ChangesUntil
    // (excluded), and the two rules outside that span.
    std::vector<TStatedChange> Changes;
    Seconds ChangesUntil = 0;

    bool HasDaylight() const { return DaylightRule.Month != 0; }

    // The UTC moment of a rule in a year; nullopt when the rule names no day.
    static std::optional<Seconds> TransitionMoment(int year, const TRule &rule);
    // Daylight time in force for the moments just after t (t excluded), so a
    // change at exactly t is already seen and the inclusive end is not.
    bool IsDaylightJustAfter(Seconds t) const;
    // The stated change in force just after t; nullptr outside their span.
    const TStatedChange *ChangeJustAfter(Seconds t) const;
    std::int32_t OffsetSecondsJustAfter(Seconds t) const;
    const std::string &AbbrJustAfter(Seconds t) const;

    // The section of the zone file, header first, each line ending in "\n".
    std::string SectionText() const;

    friend bool operator==(const TZoneEntry &, const TZoneEntry &) = default;
};

// "2:00", "23:59:59"
std::string RuleTimeText(std::int32_t seconds);
// "2027-02-07 02:00", with ":SS" when the seconds are not 0
std::string UtcMomentText(Seconds t);

} // namespace zonegen
