// The clocks the "World Times" window shows, apart from how it draws them:
// the clock list, the formats, the font and the alarm, the texts made from
// them, and what one tick decides. Loaded from zones.ini and the settings at
// start, and taken over from the options dialog after a commit.
#pragma once

#include "core/clocks/alarm.h"
#include "core/clocks/clocksstate.h"
#include "core/settings/storedfont.h"
#include "core/time/datetime.h"
#include "core/zones/timezonelist.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class TWorldClocks
{
    Q_DECLARE_TR_FUNCTIONS(TWorldClocks)

public:
    TWorldClocks();
    ~TWorldClocks();
    TWorldClocks(const TWorldClocks &) = delete;
    TWorldClocks &operator=(const TWorldClocks &) = delete;

    // The stored clock list, its zones taken from the zone file at path.
    // Throws Exception (the file cannot be read, or a zone in it is bad);
    // the clocks loaded before stay then.
    void LoadClocks(const QString &zoneFilePath);
    // zones.ini beside the program, unless a test points elsewhere.
    static QString ZoneFilePath();
    static void SetZoneFilePath(const QString &path); // empty: beside the program
    // The stored formats (defaults: the given ones), font and alarm.
    void LoadSettings(const QString &defaultDateFormat, const QString &defaultTimeFormat);
    // After a commit of the options: copies of the committed clocks and the
    // committed formats, font and alarm, without reading any file again.
    void Adopt(const TTimeZoneList &clocks, const TClocksState &state);

    int Count() const { return FClocks.Count(); }
    const TTimeZoneList &Clocks() const { return FClocks; }
    // Index is 0 ... Count() - 1; the clock controls follow the same order.
    const TCustomisedTimeZone &Clock(int index) const;

    const QString &DateFormat() const { return FDateFormat; }
    const QString &TimeFormat() const { return FTimeFormat; }
    const TStoredFont &Font() const { return FFont; }
    const TAlarm &Alarm() const { return FAlarm; }
    // The index of the alarm's clock while an alarm is set, else -1.
    int AlarmIndex() const;
    // The formats, font and alarm as the clocks show them now.
    TClocksState ShownState() const;

    // One tick at the real time: true when the alarm has come due, which
    // ends it (it rings once).
    bool TakeDueAlarm();
    // Sets the rung alarm of the clock titled clockTitle again minutes after
    // that clock's local time now; nullopt when no clock has that title any more.
    std::optional<TDateTime> SnoozeAlarm(const QString &clockTitle, int minutes);
    // Whether the one-second timer should run: while the clocks are seen,
    // and while an alarm waits.
    bool NeedsTicks(bool shown) const { return shown || FAlarm.IsSet(); }

    // "Click to show the time in London, Paris and Tokyo", cut to what a
    // tray hint holds; or that no clocks have been chosen.
    QString TrayHint() const;
    // "London (BST)": a clock's title and its zone's abbreviation at a UTC moment.
    QString TitleCaption(int index, TDateTime utc) const;
    // The two-line hint of a clock: its zone and offset, then its state.
    QString ClockHint(int index, TDateTime utc) const;

    // What to tell the user of clocks whose zone the zone file does not name
    // (UnknownZonesNotice), once a run for each zone; empty when nothing new.
    QString TakeUnknownZonesNotice();

    // Index of the first clock whose title equals title, ignoring case; -1.
    int FindClockByTitle(const QString &title) const;
    // Index of the first entry of a clock list with the title and zone name
    // of clock (both case-sensitive), or -1.
    static int FindMatchingClock(const TTimeZoneList &list, const TCustomisedTimeZone &clock);

private:
    void TakeClocks(TTimeZoneList &from);
    void SetAlarm(bool set, const QString &clockTitle, TDateTime time);

    TTimeZoneList FClocks;
    QString FDateFormat;
    QString FTimeFormat;
    TStoredFont FFont = DesignClockFont();
    TAlarm FAlarm;
    QStringList FUnknownZonesSaid; // stored zone names the user was told are unknown
};
