// Chooses, for one zone of the tz database, the zone-file entry whose clock
// agrees with the database most closely, and says where it does not.
#pragma once

#include "timeline.h"
#include "zoneentry.h"

#include <optional>
#include <string>
#include <vector>

namespace zonegen {

struct TInterval
{
    Seconds From = 0; // UTC, included
    Seconds To = 0;   // UTC, excluded

    friend bool operator==(const TInterval &, const TInterval &) = default;
};

// Where the entry's clock (offset or abbreviation) differs from the
// timeline's, merged into ascending intervals within the timeline's span.
std::vector<TInterval> Mismatches(const TZoneEntry &zone, const TTimeline &timeline);

// Total length of the parts of the intervals inside [from, to).
Seconds LengthWithin(const std::vector<TInterval> &intervals, Seconds from, Seconds to);

struct TFitOptions
{
    int FirstYear = 2026;
    int Years = 10;    // checked: FirstYear … FirstYear + Years - 1
    Seconds Focus = 0; // what the clock shows from here on weighs most (usually now)
};

struct TFit
{
    TZoneEntry Zone;              // Name left empty
    std::vector<TInterval> Wrong; // within the checked years
    // Where the two rules alone are wrong; the entry's stated changes
    // cover these spans.
    std::vector<TInterval> RulesWrong;
};

// nullopt when the zone has no usable entry at all (reason says why).
std::optional<TFit> FitZone(const TTzifData &data, const TFitOptions &options, std::string &reason);

} // namespace zonegen
