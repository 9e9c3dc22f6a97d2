// A zone's real local time over a stretch of the UTC time line, as the tz
// database tells it: the explicit transitions of its TZif file, then the
// POSIX rule of the file's footer.
#pragma once

#include "posixtz.h"
#include "tzif.h"

#include <optional>
#include <string>
#include <vector>

namespace zonegen {

struct TLocalState
{
    std::int32_t Offset = 0; // seconds east of UTC
    std::string Abbr;
    bool IsDst = false;

    // What a clock shows: the offset and the abbreviation.
    bool SameClock(const TLocalState &other) const
    {
        return Offset == other.Offset && Abbr == other.Abbr;
    }
};

class TTimeline
{
public:
    struct TChange
    {
        Seconds At = 0;
        TLocalState State;
    };

    // nullopt when the moments need the footer and it does not parse.
    static std::optional<TTimeline> FromTzif(const TTzifData &data, Seconds from, Seconds to);
    static TTimeline FromPosix(const TPosixTz &tz, Seconds from, Seconds to);

    Seconds From() const { return FFrom; }
    Seconds To() const { return FTo; }
    // The first change is at From(); each later one alters the offset or the
    // abbreviation.
    const std::vector<TChange> &Changes() const { return FChanges; }
    // For From() <= t < To().
    const TLocalState &StateAt(Seconds t) const;

private:
    Seconds FFrom = 0;
    Seconds FTo = 0;
    std::vector<TChange> FChanges;
};

} // namespace zonegen
