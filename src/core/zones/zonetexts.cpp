#include "zonetexts.h"

#include "core/time/clocksource.h"
#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The translation context of these sentences, under a name the
// translation tools find.
struct ZoneTexts
{
    Q_DECLARE_TR_FUNCTIONS(ZoneTexts)
};

} // namespace

TClockOffset ClockOffsetAt(const TTimeZone &zone, bool useDaylight, TDateTime utc)
{
    if (useDaylight) {
        return {zone.AbbrAt(utc), zone.OffsetAt(utc)};
    }
    return {zone.StandardAbbr, zone.StandardOffsetTotal()};
}

QString ClockStateText(const TTimeZone &zone, bool useDaylight, TDateTime utc)
{
    const TClockOffset shown = ClockOffsetAt(zone, useDaylight, utc);
    if (useDaylight && zone.IsDaylightAt(utc)) {
        return ZoneTexts::tr("Daylight time (%1, %2)").arg(shown.Abbr, GMTText(shown.Offset, true));
    }
    return ZoneTexts::tr("Standard time (%1)").arg(shown.Abbr);
}

QString ZoneRulesText(const TTimeZone &zone)
{
    QStringList lines;
    if (zone.HasDaylight()) {
        lines << ZoneTexts::tr("Daylight time begins on %1.").arg(zone.RuleDescription(true))
              << ZoneTexts::tr("Standard time resumes on %1.").arg(zone.RuleDescription(false));
    }
    if (zone.HasStatedChanges()) {
        lines << ZoneTexts::tr("This zone's changes follow dates published each year.");
    }
    // A label breaks lines at a line feed only.
    return lines.join(u'\n');
}

QString ZoneInfoText(const TTimeZone &zone, TDateTime utc)
{
    QStringList lines;
    for (const QString &part : {ZoneRulesText(zone), NextChangeText(zone, utc)}) {
        if (!part.isEmpty()) {
            lines << part;
        }
    }
    return lines.join(u'\n');
}

QString NextChangeText(const TTimeZone &zone, TDateTime utc)
{
    const std::optional<TZoneTransition> change = zone.NextChangeAfter(utc);
    if (!change) {
        return {};
    }
    const TDateTime before = change->At + change->OffsetBefore / MinutesPerDay;
    const TDateTime after = change->At + change->OffsetAfter / MinutesPerDay;
    return ZoneTexts::tr("Next change: %1, %2 → %3")
        .arg(FormatDateTime(ZoneDateFormat(), before),
             FormatDateTime(ZoneTimeOfDayFormat(), before),
             FormatDateTime(ZoneTimeOfDayFormat(), after));
}

namespace {

// A clock's offset against the user's own, in minutes.
QString DifferenceText(std::int64_t difference)
{
    if (difference == 0) {
        return ZoneTexts::tr("Same time as here");
    }
    const std::int64_t magnitude = difference < 0 ? -difference : difference;
    const std::int64_t hours = magnitude / 60;
    const std::int64_t minutes = magnitude % 60;
    QStringList parts;
    if (hours != 0) {
        parts << (hours == 1 ? ZoneTexts::tr("1 hour") : ZoneTexts::tr("%1 hours").arg(hours));
    }
    if (minutes != 0) {
        parts << (minutes == 1 ? ZoneTexts::tr("1 minute")
                               : ZoneTexts::tr("%1 minutes").arg(minutes));
    }
    const QString amount = parts.join(u' ');
    return difference > 0 ? ZoneTexts::tr("%1 ahead of local time").arg(amount)
                          : ZoneTexts::tr("%1 behind local time").arg(amount);
}

} // namespace

QString ClockHintDetails(const TTimeZone &zone, bool useDaylight, TDateTime utc)
{
    QStringList lines{ClockStateText(zone, useDaylight, utc)};
    if (useDaylight) {
        if (const QString next = NextChangeText(zone, utc); !next.isEmpty()) {
            lines << next;
        }
    }
    const std::int64_t offset = ClockOffsetAt(zone, useDaylight, utc).Offset;
    const int local = TClockSource::Current().LocalOffsetSecs(UnixMSecsFromDateTime(utc)) / 60;
    lines << DifferenceText(offset - local);
    return lines.join(u'\n');
}

QString OffsetText(int minutes)
{
    const std::int64_t magnitude = minutes < 0 ? -std::int64_t(minutes) : std::int64_t(minutes);
    QString text = minutes < 0 ? u"-"_s : u"+"_s;
    text += QString::number(magnitude / 60);
    text += FormatSettings().TimeSeparator;
    text += QString::number(magnitude % 60).rightJustified(2, u'0');
    return text;
}

QString ZoneEntryText(const TTimeZone &zone, const QString &name, bool byName)
{
    return ZoneEntryText(name, zone.StandardOffsetTotal(), byName);
}

QString ZoneEntryText(const QString &name, int offset, bool byName)
{
    const QString gmt = GMTText(offset, true);
    return byName ? name + u" ("_s + gmt + u')' : u'(' + gmt + u") "_s + name;
}

QString ZoneTimeOfDayFormat()
{
    //: hh hours, nn minutes, ampm the AM/PM mark (leave it out for a 24-hour clock)
    return QCoreApplication::translate("TTimeZone", "hh:nn ampm");
}

QString ZoneDateFormat()
{
    //: dddd the weekday, d the day, mmmm the month, yyyy the year
    return ZoneTexts::tr("dddd d mmmm yyyy");
}

QString ZoneClockTimeFormat()
{
    //: hh hours, nn minutes, ss seconds, ampm the AM/PM mark (leave it out for a 24-hour clock)
    return ZoneTexts::tr("hh:nn:ss ampm");
}

QString GMTText(int minutes, bool omitZero)
{
    if (omitZero && minutes == 0) {
        return u"GMT"_s;
    }
    return u"GMT "_s + OffsetText(minutes);
}

QString UnknownZoneTitle(const QString &title)
{
    return ZoneTexts::tr("%1 (zone unknown)").arg(title);
}

QString UnknownZoneCaption()
{
    //: Shown in place of a time by a clock whose time zone is unknown
    return ZoneTexts::tr("--:--");
}

QString UnknownZoneHint()
{
    return ZoneTexts::tr("This zone is not in the time zone data, so the clock shows no time.\n"
                         "It is kept as it is, and shows the time again once the zone is known.");
}

QString UnknownZonesNotice(const TTimeZoneList &clocks, QStringList &said)
{
    QStringList lines;
    for (int i = 0; i < clocks.Count(); ++i) {
        const TCustomisedTimeZone *clock = clocks.ClockAt(i);
        if (clock == nullptr || !clock->UnknownZone || said.contains(clock->Name)) {
            continue;
        }
        said.append(clock->Name);
        lines << ZoneTexts::tr("%1: %2").arg(clock->Title, clock->Name);
    }
    if (lines.isEmpty()) {
        return {};
    }
    return ZoneTexts::tr("The time zone data does not know the zone of these clocks:") + u"\n\n"_s +
           lines.join(u'\n') + u"\n\n"_s +
           ZoneTexts::tr("They are kept, marked \"zone unknown\", and show no time until the "
                         "time zone data knows their zones again.");
}
