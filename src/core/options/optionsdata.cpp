#include "optionsdata.h"

#include "core/settings/autostart.h"
#include "core/settings/settings.h"
#include "core/time/formatsettings.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

namespace {
// "h:mm" or "hh:mm" with the user's time separator; blanks around the hour
// and the minutes allowed, as an input mask leaves them.
struct TTypedTime
{
    bool Complete = false;
    int Hours = 0;
    int Minutes = 0;
};

TTypedTime SplitTypedTime(const QString &text)
{
    TTypedTime typed;
    const qsizetype separator = text.indexOf(FormatSettings().TimeSeparator);
    if (separator < 0) {
        return typed;
    }
    const QString hours = text.left(separator).trimmed();
    const QString minutes = text.mid(separator + 1).trimmed();
    const auto digits = [](const QString &part) {
        return std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
    };
    typed.Complete = !hours.isEmpty() && hours.size() <= 2 && digits(hours) &&
                     minutes.size() == 2 && digits(minutes);
    typed.Hours = hours.toInt();
    typed.Minutes = minutes.toInt();
    return typed;
}

QStringList FormatChoices(std::initializer_list<QString> offered, const QString &current)
{
    QStringList list;
    for (const QString &format : offered) {
        TOptionsData::AddUniqueFormat(format, list);
    }
    if (!current.isEmpty()) {
        TOptionsData::AddUniqueFormat(current, list);
    }
    return list;
}
} // namespace

TOptionsData::TOptionsData()
{
    FClocks.SetSorted(false);
}

void TOptionsData::LoadClocks(const TTimeZoneList &zones)
{
    AlarmClock = nullptr;
    LoadClockList(FClocks, zones);
}

namespace {
// A title as it reads back once stored: trimmed, and the city's name for an
// empty one.
QString SettledTitle(const TTimeZone &zone, const QString &title)
{
    const QString trimmed = title.trimmed();
    return trimmed.isEmpty() ? zone.CityName() : trimmed;
}
} // namespace

int TOptionsData::AddClock(const TTimeZone &zone, const QString &title)
{
    auto clock = std::make_unique<TCustomisedTimeZone>();
    clock->Assign(zone);
    clock->Title = SettledTitle(*clock, QString(title).remove(u';'));
    clock->UseDaylight = clock->ObservesDaylight();
    const QString name = clock->Name;
    return FClocks.Add(name, std::move(clock));
}

void TOptionsData::RemoveClock(int index)
{
    if (FClocks.ClockAt(index) == AlarmClock) {
        AlarmClock = nullptr;
    }
    FClocks.Delete(index);
}

void TOptionsData::MoveClock(int from, int to)
{
    FClocks.Move(from, to);
}

QList<int> TOptionsData::SettleTitles()
{
    // Titles go into one ";"-joined value and come back trimmed, with an
    // empty one replaced by the city (or, on the last clock, lost): store
    // them as they will read back.
    QList<int> changed;
    for (int i = 0; i < FClocks.Count(); ++i) {
        TCustomisedTimeZone *clock = FClocks.ClockAt(i);
        const QString title = SettledTitle(*clock, clock->Title);
        if (title != clock->Title) {
            clock->Title = title;
            changed.append(i);
        }
    }
    return changed;
}

void TOptionsData::AddUniqueFormat(const QString &format, QStringList &list)
{
    if (!list.contains(format, Qt::CaseInsensitive)) {
        list.append(format);
    }
}

QStringList TOptionsData::TimeFormatChoices(const QString &current)
{
    const TFormatSettings &settings = FormatSettings();
    return FormatChoices({settings.LongTimeFormat, QStringLiteral("hh:nn:ss"),
                          QStringLiteral("h:nn:ss ampm"), settings.ShortTimeFormat,
                          QStringLiteral("hh:nn"), QStringLiteral("h:nn ampm")},
                         current);
}

QStringList TOptionsData::DateFormatChoices(const QString &current)
{
    const TFormatSettings &settings = FormatSettings();
    return FormatChoices({settings.LongDateFormat, QStringLiteral("ddd d mmmm yyyy"),
                          QStringLiteral("dddd d mmmm yyyy"), settings.ShortDateFormat,
                          QStringLiteral("dd/mm/yyyy"), QStringLiteral("mm/dd/yyyy")},
                         current);
}

int TOptionsData::FormatIndex(const QStringList &choices, const QString &format)
{
    // Formats are added case-insensitively, so the one entry equal to the
    // format in any case stands for it.
    const auto found =
        std::find_if(choices.cbegin(), choices.cend(), [&format](const QString &choice) {
            return choice.compare(format, Qt::CaseInsensitive) == 0;
        });
    return found == choices.cend() ? -1 : static_cast<int>(found - choices.cbegin());
}

std::optional<QString> TOptionsData::AcceptedAlarmTime(const QString &typed)
{
    const TTypedTime time = SplitTypedTime(typed);
    if (!time.Complete) {
        return std::nullopt;
    }
    const int hours = time.Hours > 23 ? 0 : time.Hours;
    const int minutes = time.Minutes > 59 ? 0 : time.Minutes;
    return QString::number(hours) + FormatSettings().TimeSeparator +
           QStringLiteral("%1").arg(minutes, 2, 10, QLatin1Char('0'));
}

TDateTime TOptionsData::AlarmMoment(const QString &typed, TDateTime date)
{
    const TTypedTime time = SplitTypedTime(typed);
    if (!time.Complete || time.Hours > 23 || time.Minutes > 59) {
        throw EConvertError(
            QCoreApplication::translate("TOptionsData", "'%1' is not a valid time").arg(typed));
    }
    return date + EncodeTime(time.Hours, time.Minutes, 0, 0);
}

void TOptionsData::Commit(const QString &programPath) const
{
    // Checked before anything is written, so a bad time stops the whole
    // commit rather than half of it.
    const std::optional<TDateTime> alarm =
        AlarmClock != nullptr ? std::optional(AlarmMoment(AlarmTime, AlarmDate)) : std::nullopt;
    TSettingsUpdate update;
    SaveClockList(FClocks);
    TStoredSettings::SetFormats(TimeFormat, DateFormat);
    TStoredSettings::SetSortZonesByName(SortZonesByName);
    if (alarm)
        TStoredSettings::SetAlarm(*alarm, AlarmClock->Title);
    else
        TStoredSettings::ClearAlarm();
    TStoredSettings::SetClockFont(Font);
    TStoredSettings::SetSnoozeMinutes(SnoozeMinutes);
    update.Commit();
    UpdateAutostartEntry(RunAtStartup, true, programPath);
}

TClocksState TOptionsData::StoredState() const
{
    TClocksState stored;
    stored.TimeFormat = TimeFormat;
    stored.DateFormat = DateFormat;
    stored.Font = Font;
    if (AlarmClock != nullptr) {
        stored.AlarmSet = true;
        stored.AlarmClock = AlarmClock->Title;
        stored.AlarmTime = AlarmMoment(AlarmTime, AlarmDate);
    }
    return stored;
}
