// The sentences that tell a user about a zone: how its clock stands now and
// when it changes. Shared by the clocks window's hints and the options
// dialog's info box.
#pragma once

#include "platform/datetime.h"

#include <QString>

class TTimeZone;

// "Daylight time (CEST, GMT +2:00)" or "Standard time (CET)": the state of a
// clock's zone at a UTC moment; a clock that ignores daylight time is always
// in standard time.
QString ClockStateText(const TTimeZone &zone, bool useDaylight, TDateTime utc);

// The lines under a zone's offsets in the options dialog: its two rules (for
// a zone with daylight time) and, for a zone whose changes are stated one by
// one, that they follow published dates. Empty when there is nothing to say.
QString ZoneRulesText(const TTimeZone &zone);
