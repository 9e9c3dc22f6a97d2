// The moments at which a zone's two yearly rules move its clock, worked out
// once per year and kept, so that a conversion is a lookup. A zone keeps one
// as a cache of its own rules.
#pragma once

#include "core/zones/zonerule.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

class TRuleTable
{
public:
    // What the table was made from: a zone's offsets (minutes) and rules.
    struct TKey
    {
        std::int32_t UTCOffset = 0;
        std::int32_t StandardOffset = 0;
        std::int32_t DaylightOffset = 0;
        TZoneRule DaylightRule;
        TZoneRule StandardRule;
    };

    const TKey &Key() const { return FKey; }
    // Whether the years the table holds take in the moment (milliseconds
    // since day 0, like every moment here).
    bool Covers(std::int64_t msecs) const { return msecs >= FFrom && msecs < FTo; }
    // Daylight time by the rules at a moment the table covers: from the
    // daylight rule's moment of the moment's UTC year to its standard rule's
    // moment, both inclusive (across the new year when standard time resumes
    // first); never in a year where the two fall together or one names no day.
    bool DaylightAt(std::int64_t msecs) const;
    // UTCOffset plus the standard or the daylight offset, in days.
    // Picked by index: a random moment makes a branch on it unpredictable.
    double OffsetDays(bool inDaylight) const { return FOffsetDays[inDaylight ? 1 : 0]; }

    // Starts over for other offsets or rules, holding no year.
    void Reset(const TKey &key);
    // Takes in the year of a moment of years 1..9999 and every year between
    // it and those held. When that would hold more than MaxYears the table
    // starts over from the moment's year, so it never outgrows a few
    // kilobytes whatever moments a zone is asked about.
    void Cover(std::int64_t msecs);

    static constexpr int MaxYears = 128;

private:
    struct TYearMoments
    {
        std::int64_t Start = 0;    // 1 January 00:00 UTC
        std::int64_t Daylight = 0; // the rules' moments; both Start when the
        std::int64_t Standard = 0; // rules give no daylight time that year
    };

    TKey FKey;
    // Ascending years, then the start of the year after the last.
    std::vector<TYearMoments> FYears;
    int FFirstYear = 0;
    std::int64_t FFrom = 0; // FFrom == FTo: no year held
    std::int64_t FTo = 0;
    std::array<double, 2> FOffsetDays = {}; // standard, daylight
};

inline bool TRuleTable::DaylightAt(std::int64_t msecs) const
{
    // Counted in mean Gregorian years, a moment lands at most a year beside
    // its own: 1 January never strays more than two days from the mean.
    constexpr std::uint64_t MeanYearMSecs = 146'097 * MSecsPerDay / 400;
    const std::size_t guess = std::min<std::uint64_t>(
        static_cast<std::uint64_t>(msecs - FFrom) / MeanYearMSecs, FYears.size() - 2);
    const TYearMoments *year = FYears.data() + guess;
    year += static_cast<int>(msecs >= year[1].Start) - static_cast<int>(msecs < year[0].Start);
    const std::int64_t d = year->Daylight;
    const std::int64_t s = year->Standard;
    // Without branches: which side of a change a moment lies on is what a
    // random moment makes unpredictable.
    const bool midYear = (d <= msecs) & (msecs <= s);
    const bool acrossNewYear = (msecs >= d) | (msecs <= s);
    return d < s ? midYear : (d > s) & acrossNewYear;
}
