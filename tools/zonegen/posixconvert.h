// Turns a POSIX TZ rule into the program's zone form: offsets in minutes,
// daylight time as the period with the larger offset, and each change moved
// from local wall time onto the UTC time line.
#pragma once

#include "posixtz.h"
#include "zoneentry.h"

#include <optional>

namespace zonegen {

// The rule for one change: date as the POSIX rule gives it, localOffset the
// offset (seconds east) in force just before the change. nullopt when no
// rule of the program's kinds lands on the same UTC day every year (the day
// would depend on February's length or cross the turn of the year).
std::optional<TRule> RuleFromPosixDate(const TPosixDate &date, Seconds localOffset);

// The zone's fields from a POSIX TZ string as in force in a year (the year
// only tells daylight time kept all year round from a real change). nullopt
// when a change cannot be written as a rule or an offset is not whole minutes.
// Name is left empty.
std::optional<TZoneEntry> ZoneFromPosix(const TPosixTz &tz, int year);

} // namespace zonegen
