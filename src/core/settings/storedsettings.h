// What the program keeps in the settings store: the groups, the value
// names, the clock list reader and writer, and the text forms of the clock
// font and the alarm moment.
#pragma once

#include "core/settings/storedfont.h"
#include "core/time/datetime.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"

#include <QString>
#include <cstdint>
#include <optional>

// All single values: the file's root.
inline const QString SettingsGroup;
// Two values per clock: n_Zone and n_UseDaylight, n counted from 0.
inline const QString ClockListGroup = QStringLiteral("Clocks");

// Values of SettingsGroup.
inline const QString ValueClocks = QStringLiteral("Clocks"); // titles joined by ";"
inline const QString ValueDateFormat = QStringLiteral("DateFormat");
inline const QString ValueTimeFormat = QStringLiteral("TimeFormat");
inline const QString ValuePinned = QStringLiteral("Pinned");
inline const QString ValueLeft = QStringLiteral("Left"); // read only when pinned
inline const QString ValueTop = QStringLiteral("Top");
inline const QString ValueAlarmTime = QStringLiteral("AlarmTime");   // see AlarmTimeText
inline const QString ValueAlarmClock = QStringLiteral("AlarmClock"); // Title of the clock
inline const QString ValueSnoozeMinutes = QStringLiteral("SnoozeMinutes");
inline const QString ValueFont = QStringLiteral("Font"); // see EncodeFont
inline const QString ValueSortZonesByName = QStringLiteral("SortZonesByName");

// Fills list (emptied first, made unsorted) with the stored clocks, each a
// copy of its zone in zones, found by name or alias in any case
// (TTimeZoneList::IndexOfZone). Titles come from "Clocks", split at ";" and
// trimmed; an empty one becomes the zone's city name. A clock whose zone
// zones does not know keeps its place as an UnknownZone clock under the
// stored name; a title without any stored zone name is left out. Never
// throws: whatever goes wrong leaves the list empty.
void LoadClockList(TTimeZoneList &list, const TTimeZoneList &zones);

// Replaces the stored clock list by list, all or nothing: raises
// ESettingsWriteError (and changes nothing) when it cannot be stored. A ";" in
// a title is stored as ",", so it cannot split the title in two; an empty
// title is stored as the zone's city name, as the reader would show it.
void SaveClockList(const TTimeZoneList &list);

// A stored window edge further out than this is no desktop's but a damaged
// file's, and reads as missing: the window's geometry would overflow.
constexpr int MaxStoredWindowEdge = 100000;

// The single values of the settings file, typed. A value that is missing,
// damaged or out of range reads as its default; a write that cannot be stored
// raises ESettingsWriteError, and writes inside a TSettingsUpdate are stored
// together or not at all.
class TStoredSettings
{
public:
    static QString DateFormat(const QString &defaultFormat);
    static QString TimeFormat(const QString &defaultFormat);
    static bool Pinned();
    // nullopt when missing or beyond MaxStoredWindowEdge.
    static std::optional<int> Left();
    static std::optional<int> Top();
    // nullopt for a text that is no moment; 0 is no alarm.
    static std::optional<TDateTime> AlarmTime();
    static QString AlarmClock();
    // Minutes a snooze waits, DefaultSnoozeMinutes unless a sane number is stored.
    static int SnoozeMinutes();
    // nullopt when none is stored (the design fonts stay); a stored font that
    // does not decode gives DesignClockFont().
    static std::optional<TStoredFont> ClockFont();
    static bool SortZonesByName();

    static void SetFormats(const QString &timeFormat, const QString &dateFormat);
    static void SetWindowState(bool pinned, int left, int top);
    // Where the window's position is not known (native Wayland): the pin
    // alone, the stored position left as it is.
    static void SetPinned(bool pinned);
    static void SetAlarm(TDateTime time, const QString &clockTitle);
    static void ClearAlarm();
    static void SetClockFont(const TStoredFont &font);
    static void SetSortZonesByName(bool byName);
    // Held within MinSnoozeMinutes..MaxSnoozeMinutes.
    static void SetSnoozeMinutes(int minutes);
};

// The alarm moment in the general number format: at most 15 significant
// digits, "." as the decimal separator whatever the locale, "0" for no alarm.
QString AlarmTimeText(TDateTime value);
// Reads any punctuation mark as the decimal separator (".", "," or the
// Arabic "٫" that earlier versions wrote under the user's locale), so a
// change of locale between runs keeps the alarm. nullopt for a text that is
// not a number of a date in years 1 to 9999.
std::optional<TDateTime> AlarmTimeFromText(const QString &text);
