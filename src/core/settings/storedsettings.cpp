#include "core/settings/storedsettings.h"

#include "core/clocks/alarm.h"
#include "core/settings/settings.h"
#include "core/time/formatsettings.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString ZoneValue(int n)
{
    return QString::number(n) + QStringLiteral("_Zone");
}

QString UseDaylightValue(int n)
{
    return QString::number(n) + QStringLiteral("_UseDaylight");
}

// Day numbers of 1 January 0001 and of the day after 31 December 9999.
constexpr TDateTime MinDateTime = -693593.0;
constexpr TDateTime MaxDateTime = 2958466.0;

// The title as stored: never empty (the reader would lose an empty last
// title) and without ";" (the reader would split it).
QString StoredTitle(const TTimeZone &zone, const QString &title)
{
    QString stored = title.trimmed().isEmpty() ? zone.CityName() : title;
    stored.replace(u';', u',');
    return stored;
}

} // namespace

void LoadClockList(TTimeZoneList &list, const TTimeZoneList &zones)
{
    list.Clear();
    // A clock list keeps its stored order, and one zone may serve two clocks.
    list.SetSorted(false);
    try {
        QString text = ReadSettingString(SettingsGroup, ValueClocks, QString());
        for (int n = 0; !text.isEmpty(); ++n) {
            const qsizetype end = text.indexOf(u';');
            const QString title = (end < 0 ? text : text.left(end)).trimmed();
            text = end < 0 ? QString() : text.mid(end + 1);

            const QString zoneName = ReadSettingString(ClockListGroup, ZoneValue(n), QString());
            if (zoneName.isEmpty())
                continue; // n still counts it: titles and numbered values stay paired
            auto clock = std::make_unique<TCustomisedTimeZone>();
            if (const int index = zones.IndexOfZone(zoneName); index >= 0) {
                // Under the zone's present name, which the next save stores.
                clock->Assign(*zones.ZoneAt(index));
            } else {
                // Kept as stored, so that saving the list never drops it and a
                // later zone file that knows the name shows it again.
                clock->Name = zoneName;
                clock->UnknownZone = true;
            }
            clock->Title = title.isEmpty() ? clock->CityName() : title;
            clock->UseDaylight = ReadSettingBool(ClockListGroup, UseDaylightValue(n), true);
            list.Add(std::move(clock));
        }
    } catch (const std::exception &) {
        list.Clear();
    }
}

void SaveClockList(const TTimeZoneList &list)
{
    // One update: "Clocks" and the numbered values must never disagree.
    TSettingsUpdate update;
    CreateSettingsGroup(SettingsGroup);
    DeleteSettingsGroup(ClockListGroup);
    CreateSettingsGroup(ClockListGroup);
    QStringList titles;
    for (int n = 0; n < list.Count(); ++n) {
        const TTimeZone &zone = *list.ZoneAt(n);
        const TCustomisedTimeZone *clock = list.ClockAt(n);
        titles.append(StoredTitle(zone, clock ? clock->Title : QString()));
        WriteSettingString(ClockListGroup, ZoneValue(n), zone.Name);
        WriteSettingBool(ClockListGroup, UseDaylightValue(n), clock ? clock->UseDaylight : true);
    }
    WriteSettingString(SettingsGroup, ValueClocks, titles.join(u';'));
    update.Commit();
}

namespace {

std::optional<int> WindowEdge(const QString &name)
{
    const std::optional<std::int32_t> edge = TryReadSettingInteger(SettingsGroup, name);
    if (!edge || *edge < -MaxStoredWindowEdge || *edge > MaxStoredWindowEdge)
        return std::nullopt;
    return *edge;
}

} // namespace

QString TStoredSettings::DateFormat(const QString &defaultFormat)
{
    return ReadSettingString(SettingsGroup, ValueDateFormat, defaultFormat);
}

QString TStoredSettings::TimeFormat(const QString &defaultFormat)
{
    return ReadSettingString(SettingsGroup, ValueTimeFormat, defaultFormat);
}

bool TStoredSettings::Pinned()
{
    return ReadSettingBool(SettingsGroup, ValuePinned, false);
}

std::optional<int> TStoredSettings::Left()
{
    return WindowEdge(ValueLeft);
}

std::optional<int> TStoredSettings::Top()
{
    return WindowEdge(ValueTop);
}

std::optional<TDateTime> TStoredSettings::AlarmTime()
{
    return AlarmTimeFromText(ReadSettingString(SettingsGroup, ValueAlarmTime, u"0"_s));
}

QString TStoredSettings::AlarmClock()
{
    return ReadSettingString(SettingsGroup, ValueAlarmClock, QString());
}

int TStoredSettings::SnoozeMinutes()
{
    return SnoozeMinutesOrDefault(TryReadSettingInteger(SettingsGroup, ValueSnoozeMinutes));
}

std::optional<TStoredFont> TStoredSettings::ClockFont()
{
    const QString text = ReadSettingString(SettingsGroup, ValueFont, QString());
    if (text.isEmpty())
        return std::nullopt;
    return DecodeFont(text).value_or(DesignClockFont());
}

bool TStoredSettings::SortZonesByName()
{
    return ReadSettingBool(SettingsGroup, ValueSortZonesByName, true);
}

void TStoredSettings::SetFormats(const QString &timeFormat, const QString &dateFormat)
{
    WriteSettingString(SettingsGroup, ValueTimeFormat, timeFormat);
    WriteSettingString(SettingsGroup, ValueDateFormat, dateFormat);
}

void TStoredSettings::SetWindowState(bool pinned, int left, int top)
{
    // One write of the file for the three values.
    TSettingsUpdate update;
    WriteSettingBool(SettingsGroup, ValuePinned, pinned);
    WriteSettingInteger(SettingsGroup, ValueTop, top);
    WriteSettingInteger(SettingsGroup, ValueLeft, left);
    update.Commit();
}

void TStoredSettings::SetPinned(bool pinned)
{
    TSettingsUpdate update;
    WriteSettingBool(SettingsGroup, ValuePinned, pinned);
    update.Commit();
}

void TStoredSettings::SetAlarm(TDateTime time, const QString &clockTitle)
{
    WriteSettingString(SettingsGroup, ValueAlarmTime, AlarmTimeText(time));
    WriteSettingString(SettingsGroup, ValueAlarmClock, clockTitle);
}

void TStoredSettings::ClearAlarm()
{
    WriteSettingString(SettingsGroup, ValueAlarmTime, u"0"_s);
}

void TStoredSettings::SetClockFont(const TStoredFont &font)
{
    WriteSettingString(SettingsGroup, ValueFont, EncodeFont(font));
}

void TStoredSettings::SetSortZonesByName(bool byName)
{
    WriteSettingBool(SettingsGroup, ValueSortZonesByName, byName);
}

void TStoredSettings::SetSnoozeMinutes(int minutes)
{
    WriteSettingInteger(SettingsGroup, ValueSnoozeMinutes,
                        std::clamp(minutes, MinSnoozeMinutes, MaxSnoozeMinutes));
}

QString AlarmTimeText(TDateTime value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    QString text = QString::number(value, 'g', 15);
    // The general format writes exponents as "1E20" and "1E-5".
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0) {
        const int exponent = text.mid(e + 1).toInt();
        text = text.left(e) + u'E' + QString::number(exponent);
    }
    return text;
}

std::optional<TDateTime> AlarmTimeFromText(const QString &text)
{
    // Earlier versions wrote the user's decimal separator: a comma, or the
    // Arabic one (U+066B) under ar_EG and fa_IR, which need not be the
    // separator of the locale reading it now. Any punctuation mark but a sign
    // is taken for one.
    QString number = text.trimmed();
    for (QChar &c : number) {
        if (c.isPunct() && c != u'-')
            c = u'.';
    }
    if (number.count(u'.') > 1)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value) || value < MinDateTime || value >= MaxDateTime)
        return std::nullopt;
    return value;
}
