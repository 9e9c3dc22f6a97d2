#include "zonetexts.h"

#include "tzhelpers.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("ZoneTexts", text);
}

} // namespace

QString ClockStateText(const TTimeZone &zone, bool useDaylight, TDateTime utc)
{
    if (useDaylight && zone.IsDaylightAt(utc)) {
        return Tr("Daylight time (%1, %2)")
            .arg(zone.AbbrAt(utc), GMTText(zone.OffsetAt(utc), true));
    }
    return Tr("Standard time (%1)").arg(useDaylight ? zone.AbbrAt(utc) : zone.StandardAbbr);
}

QString ZoneRulesText(const TTimeZone &zone)
{
    QStringList lines;
    if (zone.HasDaylight()) {
        lines << Tr("Daylight time begins on %1.").arg(zone.RuleDescription(true))
              << Tr("Standard time resumes on %1.").arg(zone.RuleDescription(false));
    }
    if (zone.HasStatedChanges()) {
        lines << Tr("This zone's changes follow dates published each year.");
    }
    // A label breaks lines at a line feed only.
    return lines.join(u'\n');
}
