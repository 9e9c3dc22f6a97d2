#include "core/clocks/worldclocks.h"

#include "core/settings/storedsettings.h"
#include "core/zones/zonetexts.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr int TrayHintLimit = 64; // a hint this long or longer is cut
constexpr int TrayHintKept = 60;
QString zoneFileOverride;
} // namespace

TWorldClocks::TWorldClocks()
{
    FClocks.SetSorted(false);
}

TWorldClocks::~TWorldClocks() = default;

void TWorldClocks::LoadClocks(const QString &zoneFilePath)
{
    TTimeZoneList loaded;
    {
        // Only for the time it takes to copy the stored clocks out of it.
        TTimeZoneList zones;
        zones.LoadFromZoneFile(zoneFilePath);
        LoadClockList(loaded, zones);
    }
    TakeClocks(loaded);
}

void TWorldClocks::TakeClocks(TTimeZoneList &from)
{
    FAlarm.Clock = nullptr;
    FClocks.Clear();
    // Handed over in place: taking the first entry each time would move the
    // rest of the list as often as there are clocks.
    for (int i = 0; i < from.Count(); ++i)
        FClocks.Add(from.Strings(i), from.ReplaceZoneAt(i, nullptr));
}

void TWorldClocks::LoadSettings(const QString &defaultDateFormat, const QString &defaultTimeFormat)
{
    FDateFormat = TStoredSettings::DateFormat(defaultDateFormat);
    FTimeFormat = TStoredSettings::TimeFormat(defaultTimeFormat);
    const std::optional<TDateTime> time = TStoredSettings::AlarmTime();
    SetAlarm(time && *time > 0, TStoredSettings::AlarmClock(), time.value_or(0));
    if (const std::optional<TStoredFont> font = TStoredSettings::ClockFont())
        FFont = *font;
}

void TWorldClocks::Adopt(const TTimeZoneList &clocks, const TClocksState &state)
{
    // Copied before the old clocks go: clocks may be this very list.
    TTimeZoneList copies;
    copies.SetSorted(false);
    for (int i = 0; i < clocks.Count(); ++i) {
        auto copy = std::make_unique<TCustomisedTimeZone>();
        copy->Assign(*clocks.ZoneAt(i));
        copies.Add(clocks.Strings(i), std::move(copy));
    }
    TakeClocks(copies);
    FDateFormat = state.DateFormat;
    FTimeFormat = state.TimeFormat;
    FFont = state.Font;
    SetAlarm(state.AlarmSet && state.AlarmTime > 0, state.AlarmClock, state.AlarmTime);
}

void TWorldClocks::SetAlarm(bool set, const QString &clockTitle, TDateTime time)
{
    const int index = FindClockByTitle(clockTitle);
    FAlarm.Time = time;
    FAlarm.Active = set && index >= 0;
    FAlarm.Clock = FAlarm.Active ? FClocks.ClockAt(index) : nullptr;
}

const TCustomisedTimeZone &TWorldClocks::Clock(int index) const
{
    return *FClocks.ClockAt(index);
}

int TWorldClocks::AlarmIndex() const
{
    if (FAlarm.IsSet())
        for (int i = 0; i < FClocks.Count(); ++i)
            if (FClocks.ClockAt(i) == FAlarm.Clock)
                return i;
    return -1;
}

TClocksState TWorldClocks::ShownState() const
{
    TClocksState state;
    state.TimeFormat = FTimeFormat;
    state.DateFormat = FDateFormat;
    state.Font = FFont;
    state.AlarmSet = FAlarm.IsSet();
    if (state.AlarmSet) {
        state.AlarmClock = FAlarm.Clock->Title;
        state.AlarmTime = FAlarm.Time;
    }
    return state;
}

bool TWorldClocks::TakeDueAlarm()
{
    if (!FAlarm.IsSet() || !FAlarm.IsDue())
        return false;
    FAlarm.Active = false;
    return true;
}

std::optional<TDateTime> TWorldClocks::SnoozeAlarm(const QString &clockTitle, int minutes)
{
    const int index = FindClockByTitle(clockTitle);
    if (index < 0)
        return std::nullopt;
    FAlarm.Clock = FClocks.ClockAt(index);
    return FAlarm.Snooze(minutes);
}

QString TWorldClocks::TrayHint() const
{
    if (FClocks.Count() == 0)
        return tr("No clocks have been selected.");
    // Built piece by piece because the whole is cut to the tray's limit.
    QString hint = tr("Click to show the time in ");
    for (int i = 0; i < FClocks.Count(); ++i) {
        if (i > 0)
            hint += i == FClocks.Count() - 1 ? tr(" and ") : tr(", ");
        hint += FClocks.ZoneAt(i)->CityName();
    }
    if (hint.size() >= TrayHintLimit)
        hint = hint.left(TrayHintKept) + u"..."_s;
    return hint;
}

QString TWorldClocks::TitleCaption(int index, TDateTime utc) const
{
    const TCustomisedTimeZone &clock = Clock(index);
    if (clock.UnknownZone)
        return UnknownZoneTitle(clock.Title);
    const bool inDaylight = clock.UseDaylight && clock.IsDaylightAt(utc);
    return clock.Title + u" ("_s + (inDaylight ? clock.DaylightAbbr : clock.StandardAbbr) + u')';
}

QString TWorldClocks::ClockHint(int index, TDateTime utc) const
{
    const TCustomisedTimeZone &clock = Clock(index);
    if (clock.UnknownZone)
        return clock.Name + u'\n' + UnknownZoneHint();
    return clock.Name + u" ("_s + GMTText(clock.StandardOffsetTotal(), true) + u")\n"_s +
           ClockHintDetails(clock, clock.UseDaylight, utc);
}

QString TWorldClocks::TakeUnknownZonesNotice()
{
    return UnknownZonesNotice(FClocks, FUnknownZonesSaid);
}

int TWorldClocks::FindClockByTitle(const QString &title) const
{
    for (int i = 0; i < FClocks.Count(); ++i)
        if (CompareTextLocale(FClocks.ClockAt(i)->Title, title) == 0)
            return i;
    return -1;
}

int TWorldClocks::FindMatchingClock(const TTimeZoneList &list, const TCustomisedTimeZone &clock)
{
    for (int i = 0; i < list.Count(); ++i) {
        const TCustomisedTimeZone *entry = list.ClockAt(i);
        if (entry != nullptr && entry->Title == clock.Title && entry->Name == clock.Name)
            return i;
    }
    return -1;
}

QString TWorldClocks::ZoneFilePath()
{
    if (!zoneFileOverride.isEmpty())
        return zoneFileOverride;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zones.ini");
}

void TWorldClocks::SetZoneFilePath(const QString &path)
{
    zoneFileOverride = path;
}
