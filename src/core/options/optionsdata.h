// The options being edited in the options dialog: the working copy of the
// clock list and the chosen formats, font and alarm, checked and stored
// together. Needs no display; the dialog shows it and fills it.
#pragma once

#include "core/clocks/alarm.h"
#include "core/clocks/clocksstate.h"
#include "core/settings/storedsettings.h"
#include "core/time/datetime.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class TOptionsData
{
public:
    TOptionsData();

    // The stored clock list, each clock a copy of its zone in zones (see
    // LoadClockList); replaces the working clocks.
    void LoadClocks(const TTimeZoneList &zones);
    const TTimeZoneList &Clocks() const { return FClocks; }
    int ClockCount() const { return FClocks.Count(); }
    TCustomisedTimeZone *ClockAt(int index) const { return FClocks.ClockAt(index); }
    // A clock of zone at the end, titled with title (without the ";" the
    // stored list cannot hold) or else with its city, and following its
    // daylight rules; its index.
    int AddClock(const TTimeZone &zone, const QString &title = {});
    // Removes the clock; an alarm set on it goes with it.
    void RemoveClock(int index);
    // Takes the clock at from out and puts it back so that it stands at to.
    void MoveClock(int from, int to);
    // Titles as the store gives them back: trimmed, an empty one replaced by
    // the city's name. The indexes of the clocks retitled.
    QList<int> SettleTitles();

    // The formats offered: the user's long, then the common ones, the user's
    // short, then current when it is none of them (in any case). An empty
    // current (nothing shown) adds nothing.
    static QStringList TimeFormatChoices(const QString &current);
    static QStringList DateFormatChoices(const QString &current);
    static void AddUniqueFormat(const QString &format, QStringList &list);
    // The entry of choices equal to format in any case, -1 for none.
    static int FormatIndex(const QStringList &choices, const QString &format);

    // The alarm box's text as it stands once accepted: the hour without a
    // leading zero, the time separator, two minute digits; an hour past 23
    // or minutes past 59 become 0. nullopt when typed is not "h:mm" or
    // "hh:mm" (blanks around the hour allowed).
    static std::optional<QString> AcceptedAlarmTime(const QString &typed);
    // typed on date, as a moment; throws EConvertError when typed is no time
    // of day.
    static TDateTime AlarmMoment(const QString &typed, TDateTime date);

    // Stores the clock list and the settings in one update, all or nothing,
    // then the start-up entry for programPath. Throws (with nothing stored)
    // when the alarm time is no time or the store refuses the write, and
    // EStartupEntryError when all but the start-up entry was stored.
    void Commit(const QString &programPath) const;
    // The formats, font and alarm that Commit stores, for whoever shows the
    // clocks; the alarm time must be a time.
    TClocksState StoredState() const;

    // The chosen settings, stored by Commit.
    QString TimeFormat; // empty: the clocks show no time
    QString DateFormat; // empty: the clocks show no date
    TStoredFont Font = DesignClockFont();
    bool SortZonesByName = true;
    bool RunAtStartup = false;
    // The alarm is set when AlarmClock (one of Clocks) is; AlarmTime is the
    // time as typed, AlarmDate the day.
    const TCustomisedTimeZone *AlarmClock = nullptr;
    QString AlarmTime;
    TDateTime AlarmDate = 0;
    // How long Snooze puts a ringing alarm off.
    int SnoozeMinutes = DefaultSnoozeMinutes;

private:
    TTimeZoneList FClocks; // in clock order
};
