// The sentences that tell a user about a zone: how its clock stands now and
// when it changes. Shared by the clocks window's hints and the options
// dialog's info box.
#pragma once

#include "core/time/datetime.h"

#include <QString>
#include <QStringList>

class TTimeZone;
class TTimeZoneList;

// "+5:30": signed hours, the user's time separator, two-digit minutes.
QString OffsetText(int minutes);
// "GMT +5:30"; just "GMT" when omitZero and minutes is 0.
QString GMTText(int minutes, bool omitZero);
// A zone's entry in the lists under name: "London (GMT)" by name,
// "(GMT) London" by offset; the standard offset, whatever the date.
QString ZoneEntryText(const TTimeZone &zone, const QString &name, bool byName);
// The same entry with an offset in minutes east of UTC.
QString ZoneEntryText(const QString &name, int offset, bool byName);

// What a clock of a zone shows at a UTC moment: the abbreviation and offset
// (minutes east of UTC) in force, standard time's all year for a clock that
// ignores daylight time.
struct TClockOffset
{
    QString Abbr;
    int Offset = 0;
};
TClockOffset ClockOffsetAt(const TTimeZone &zone, bool useDaylight, TDateTime utc);
// The time of day in the zone sentences: "hh:nn ampm" ("02:00 AM"), or the
// translation's own format where a 12-hour clock is not the custom.
QString ZoneTimeOfDayFormat();
// The date in the next-change line and the info box's clock: "dddd d mmmm
// yyyy" ("Sunday 28 March 2027"), or the translation's own order.
QString ZoneDateFormat();
// The info box's clock: "hh:nn:ss ampm", or the translation's own format,
// on the 24-hour clock where that is the custom.
QString ZoneClockTimeFormat();

// "Daylight time (CEST, GMT +2:00)" or "Standard time (CET)": the state of a
// clock's zone at a UTC moment; a clock that ignores daylight time is always
// in standard time.
QString ClockStateText(const TTimeZone &zone, bool useDaylight, TDateTime utc);

// The lines under a zone's offsets in the options dialog: its two rules (for
// a zone with daylight time) and, for a zone whose changes are stated one by
// one, that they follow published dates. Empty when there is nothing to say.
QString ZoneRulesText(const TTimeZone &zone);

// The rules' lines followed by the zone's next change after a UTC moment.
QString ZoneInfoText(const TTimeZone &zone, TDateTime utc);

// "Next change: Sunday 28 March 2027, 02:00 AM → 03:00 AM": the zone's next
// change after a UTC moment, told in its own local time; empty when none.
QString NextChangeText(const TTimeZone &zone, TDateTime utc);

// The lines of a clock's hint under its zone's name: its state, its next
// change (for a clock that follows daylight time) and how far it is from the
// user's local time at that UTC moment ("5 hours ahead of local time",
// "9 hours 30 minutes behind local time", "Same time as here").
QString ClockHintDetails(const TTimeZone &zone, bool useDaylight, TDateTime utc);

// A clock whose zone the zone file does not name (UnknownZone) shows its title
// with a mark, "Kiev (zone unknown)", and this caption instead of a time.
QString UnknownZoneTitle(const QString &title);
QString UnknownZoneCaption();
// The lines of its hint under the zone's stored name.
QString UnknownZoneHint();
// What to tell the user of the clocks whose zone is unknown and whose zone
// names are not yet in said, which gets them: one line per clock under one
// sentence, or empty when there is nothing new to say.
QString UnknownZonesNotice(const TTimeZoneList &clocks, QStringList &said);
