// Feeds arbitrary bytes to the zone file reader as a whole file and as one
// section, then asks every zone it accepted for its local time, transitions
// and texts, and hands every line to the time-of-day parser and the formatter.
#include "core/time/datetimeformat.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonefile.h"

#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

void Exercise(const TTimeZone &zone)
{
    static const TDateTime moments[] = {-1e9,        0,    45'000.5, 45'382.041'666'666'7,
                                        2'958'465.9, 1e300};
    for (const TDateTime utc : moments) {
        const TDateTime local = zone.LocalTimeAt(utc);
        const bool daylight = zone.IsDaylightAt(utc);
        const std::int64_t offset =
            std::int64_t(zone.UTCOffset) + (daylight ? zone.DaylightOffset : zone.StandardOffset);
        if (local != utc + double(offset) / MinutesPerDay) {
            __builtin_trap();
        }
    }
    for (const int year : {0, 1, 2024, 9999, 10'000}) {
        for (const TZoneRule *rule : {&zone.DaylightRule, &zone.StandardRule}) {
            try {
                const TDateTime at = zone.TransitionMoment(year, *rule);
                if (!TTimeZone::RuleHasDate(year, *rule)) {
                    __builtin_trap();
                }
                (void)zone.IsDaylightAt(at);
            } catch (const EConvertError &) {
                if (TTimeZone::RuleHasDate(year, *rule)) {
                    __builtin_trap();
                }
            }
        }
    }
    (void)zone.RuleDescription(true);
    (void)zone.RuleDescription(false);
    (void)zone.DisplayName();
    (void)zone.RegionName();
    TCustomisedTimeZone clock;
    clock.Assign(zone);
    (void)clock.TitleWithOffset();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool settingsSet = [] {
        SetFormatSettings(TFormatSettings::British());
        return true;
    }();
    (void)settingsSet;

    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList lines = SplitZoneFileLines(DecodeZoneFileText(bytes));

    for (const bool sorted : {true, false}) {
        TTimeZoneList list;
        list.SetSorted(sorted);
        try {
            list.LoadFromZoneText(lines);
        } catch (const ETimeZoneError &) {
        }
        for (int i = 0; i < list.Count(); ++i) {
            if (sorted && list.IndexOf(list.Strings(i)) != i) {
                __builtin_trap();
            }
            Exercise(*list.ZoneAt(i));
        }
    }

    TTimeZone zone;
    zone.Name = u"Fuzz/Section"_s;
    try {
        zone.LoadFromSection(lines);
        Exercise(zone);
    } catch (const ETimeZoneError &e) {
        if (!e.Message().startsWith(u"Fuzz/Section: ")) {
            __builtin_trap();
        }
    }

    for (qsizetype i = 0; i < lines.size() && i < 64; ++i) {
        const QString &line = lines[i];
        const qsizetype equals = line.indexOf(u'=');
        const QString value = equals < 0 ? line : line.mid(equals + 1);
        try {
            const TDateTime t = ParseTimeOfDay(value);
            if (!(t >= 0 && t < 1)) {
                __builtin_trap();
            }
        } catch (const EConvertError &) {
        }
        (void)FormatDateTime(value.left(200), 45'382.5 + i);
    }
    return 0;
}
