// The options dialog's working copy without a display: the formats offered,
// the alarm time as typed, titles as stored, and what a commit stores.
#include "core/options/clocklistmodel.h"
#include "core/options/optionsdata.h"
#include "core/settings/settings.h"
#include "core/system/exceptions.h"
#include "core/time/formatsettings.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

class TestOptionsData : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> FDir;
    TTimeZoneList FZones;

    // A working copy with one clock per zone name.
    void AddClocks(TOptionsData &data, const QStringList &names)
    {
        for (const QString &name : names) {
            data.AddClock(*FZones.ZoneAt(FZones.IndexOf(name)));
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        FZones.LoadFromZoneFile(QStringLiteral(VORKEL_TEST_DATA "/options/zones.ini"));
    }
    void init()
    {
        FDir = std::make_unique<QTemporaryDir>();
        SetSettingsFileName(FDir->filePath(u"Clocks.ini"_s));
        SetFormatSettings(TFormatSettings::British());
    }
    void cleanup()
    {
        SetSettingsFileName(QString());
        FDir.reset();
    }

    // Moves as Qt's item views ask for them: count rows from a row to
    // before another; a move onto itself or out of range changes nothing.
    void clockListMoves_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("order"); // cities, "" when refused
        QTest::newRow("down one") << 0 << 1 << 2 << u"BACD"_s;
        QTest::newRow("past the last") << 0 << 1 << 4 << u"BCDA"_s;
        QTest::newRow("to the top") << 3 << 1 << 0 << u"DABC"_s;
        QTest::newRow("two rows down") << 0 << 2 << 4 << u"CDAB"_s;
        QTest::newRow("two rows up") << 2 << 2 << 1 << u"ACDB"_s;
        QTest::newRow("onto itself") << 1 << 1 << 1 << QString();
        QTest::newRow("just behind itself") << 1 << 1 << 2 << QString();
        QTest::newRow("beyond the end") << 0 << 1 << 5 << QString();
        QTest::newRow("rows that are not there") << 3 << 2 << 0 << QString();
    }
    void clockListMoves()
    {
        QFETCH(int, from);
        QFETCH(int, count);
        QFETCH(int, before);
        QFETCH(QString, order);
        TOptionsData data;
        AddClocks(data, {u"America/New_York"_s, u"Asia/Tokyo"_s, u"Australia/Sydney"_s,
                         u"Europe/London"_s});
        const QStringList titles{u"A"_s, u"B"_s, u"C"_s, u"D"_s};
        for (int i = 0; i < data.ClockCount(); ++i) {
            data.ClockAt(i)->Title = titles[i];
        }
        TClockListModel model(data);
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
        QCOMPARE(model.moveRows({}, from, count, {}, before), !order.isEmpty());
        QCOMPARE(moved.count(), order.isEmpty() ? 0 : 1);
        QString now;
        for (int row = 0; row < model.rowCount(); ++row) {
            now += data.ClockAt(row)->Title;
            // Each entry reads its own clock.
            QVERIFY(
                model.index(row).data().toString().startsWith(data.ClockAt(row)->Title + u" ("_s));
        }
        QCOMPARE(now, order.isEmpty() ? u"ABCD"_s : order);
    }

    // The options dialog's OK after a start with a clock whose zone the zone
    // file lacks: listed with its mark in either order, and stored again.
    void unknownZoneClockKept()
    {
        WriteSettingString(SettingsGroup, ValueClocks, u"Mars;Tokyo"_s);
        WriteSettingString(ClockListGroup, u"0_Zone"_s, u"Mars/Olympus"_s);
        WriteSettingBool(ClockListGroup, u"0_UseDaylight"_s, false);
        WriteSettingString(ClockListGroup, u"1_Zone"_s, u"Asia/Tokyo"_s);
        TOptionsData data;
        data.LoadClocks(FZones);
        TClockListModel model(data);
        QCOMPARE(model.rowCount(), 2);
        for (const bool byName : {false, true}) {
            model.SetByName(byName);
            QCOMPARE(model.index(0).data().toString(), u"Mars (zone unknown)"_s);
        }
        qputenv("XDG_CONFIG_HOME", FDir->path().toUtf8()); // no autostart entry of the user's
        data.Commit(FDir->filePath(u"vorkelclocks"_s));
        QCOMPARE(ReadSettingString(SettingsGroup, ValueClocks, QString()), u"Mars;Tokyo"_s);
        QCOMPARE(ReadSettingString(ClockListGroup, u"0_Zone"_s, QString()), u"Mars/Olympus"_s);
        QCOMPARE(ReadSettingBool(ClockListGroup, u"0_UseDaylight"_s, true), false);
    }

    // Titles and daylight go through the model; its rows say so.
    void clockListEdits_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("entry"); // of row 1 afterwards
        QTest::addColumn<bool>("useDaylight");
        QTest::newRow("title") << int(Qt::EditRole) << QVariant(u"Office"_s)
                               << u"Office (GMT +9:00)"_s << false;
        QTest::newRow("daylight") << int(TClockListModel::UseDaylightRole) << QVariant(true)
                                  << u"Tokyo (GMT +9:00)"_s << true;
        QTest::newRow("no role of its own")
            << int(Qt::ToolTipRole) << QVariant(u"x"_s) << u"Tokyo (GMT +9:00)"_s << false;
    }
    void clockListEdits()
    {
        QFETCH(int, role);
        QFETCH(QVariant, value);
        QFETCH(QString, entry);
        QFETCH(bool, useDaylight);
        TOptionsData data;
        AddClocks(data, {u"Europe/London"_s, u"Asia/Tokyo"_s});
        TClockListModel model(data);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const bool known = role != Qt::ToolTipRole;
        QCOMPARE(model.setData(model.index(1), value, role), known);
        QCOMPARE(changed.count(), known ? 1 : 0);
        QCOMPARE(model.index(1).data().toString(), entry);
        QCOMPARE(model.index(1).data(Qt::EditRole).toString(), data.ClockAt(1)->Title);
        QCOMPARE(data.ClockAt(1)->UseDaylight, useDaylight);
        QCOMPARE(model.index(1).data(TClockListModel::UseDaylightRole).toBool(), useDaylight);
        QVERIFY(!model.setData(model.index(2), value, role)); // no such clock
    }

    // The alarm's clocks: by title as the language sorts, equal titles in
    // clock order, following every change of the clock list.
    void clockTitles()
    {
        TOptionsData data;
        AddClocks(data, {u"Europe/London"_s, u"Asia/Tokyo"_s, u"Australia/Sydney"_s});
        TClockListModel clocks(data);
        TClockTitleModel titles(&clocks);
        const auto shown = [&titles] {
            QStringList texts;
            for (int row = 0; row < titles.rowCount(); ++row) {
                texts.append(titles.index(row, 0).data().toString());
            }
            return texts;
        };
        QCOMPARE(shown(), (QStringList{u"London"_s, u"Sydney"_s, u"Tokyo"_s}));
        QCOMPARE(titles.ClockAt(2), data.ClockAt(1));
        clocks.setData(clocks.index(1), u"abroad"_s); // case does not sort first
        QCOMPARE(shown(), (QStringList{u"abroad"_s, u"London"_s, u"Sydney"_s}));
        clocks.setData(clocks.index(2), u"London"_s);
        QCOMPARE(shown(), (QStringList{u"abroad"_s, u"London"_s, u"London"_s}));
        QCOMPARE(titles.ClockAt(1), data.ClockAt(0));
        clocks.moveRows({}, 2, 1, {}, 0);
        QCOMPARE(titles.ClockAt(1), data.ClockAt(0)); // the one now first in clock order
        QCOMPARE(data.ClockAt(0)->Name, u"Australia/Sydney"_s);
        clocks.RemoveClock(1);
        clocks.AddClock(*FZones.ZoneAt(FZones.IndexOf(u"Europe/Berlin"_s)));
        QCOMPARE(shown(), (QStringList{u"abroad"_s, u"Berlin"_s, u"London"_s}));
        QCOMPARE(titles.ClockAt(3), nullptr);
    }

    void formatChoices_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("index");
        QTest::newRow("nothing shown adds nothing") << QString() << u"h:nn ampm"_s << -1;
        // The user's long and short formats are common ones here, listed once.
        QTest::newRow("one of the list") << u"hh:nn"_s << u"h:nn ampm"_s << 2;
        QTest::newRow("one of the list in other case") << u"HH:NN"_s << u"h:nn ampm"_s << 2;
        QTest::newRow("one of its own comes last") << u"h.nn"_s << u"h.nn"_s << 4;
    }
    void formatChoices()
    {
        QFETCH(QString, current);
        QFETCH(QString, last);
        QFETCH(int, index);
        const QStringList choices = TOptionsData::TimeFormatChoices(current);
        QCOMPARE(choices.first(), FormatSettings().LongTimeFormat);
        QCOMPARE(choices.last(), last);
        QCOMPARE(TOptionsData::FormatIndex(choices, current), index);
        // No entry twice, in any case.
        for (const QString &choice : choices) {
            QCOMPARE(
                choices
                    .filter(QRegularExpression(u"^"_s + QRegularExpression::escape(choice) + u"$"_s,
                                               QRegularExpression::CaseInsensitiveOption))
                    .size(),
                1);
        }
    }

    void alarmTime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("accepted"); // empty: refused
        QTest::addColumn<double>("moment");    // on day 46100; 0: throws
        QTest::newRow("one hour digit") << u"7:05"_s << u"7:05"_s << 46100 + 7.0 / 24 + 5.0 / 1440;
        QTest::newRow("blank before the hour")
            << u" 7:05"_s << u"7:05"_s << 46100 + 7.0 / 24 + 5.0 / 1440;
        QTest::newRow("leading zero dropped")
            << u"07:05"_s << u"7:05"_s << 46100 + 7.0 / 24 + 5.0 / 1440;
        QTest::newRow("last minute of the day")
            << u"23:59"_s << u"23:59"_s << 46100 + 23.0 / 24 + 59.0 / 1440;
        // Past the day's end: accepted as midnight, but never stored as typed.
        QTest::newRow("hour 24") << u"24:30"_s << u"0:30"_s << 0.0;
        QTest::newRow("minute 60") << u"12:60"_s << u"12:00"_s << 0.0;
        QTest::newRow("one minute digit") << u"7:5"_s << QString() << 0.0;
        QTest::newRow("no hour") << u" :05"_s << QString() << 0.0;
        QTest::newRow("three hour digits") << u"123:00"_s << QString() << 0.0;
        QTest::newRow("another separator") << u"7.05"_s << QString() << 0.0;
        QTest::newRow("empty mask") << u"  :  "_s << QString() << 0.0;
    }
    void alarmTime()
    {
        QFETCH(QString, typed);
        QFETCH(QString, accepted);
        QFETCH(double, moment);
        QCOMPARE(TOptionsData::AcceptedAlarmTime(typed).value_or(QString()), accepted);
        if (moment == 0) {
            QVERIFY_THROWS_EXCEPTION(EConvertError, TOptionsData::AlarmMoment(typed, 46100));
        } else {
            QVERIFY(qAbs(TOptionsData::AlarmMoment(typed, 46100) - moment) < 1e-9);
        }
    }

    void settleTitles()
    {
        TOptionsData data;
        AddClocks(data, {u"Europe/London"_s, u"Asia/Tokyo"_s, u"Australia/Sydney"_s});
        data.ClockAt(0)->Title = u" Home "_s;
        data.ClockAt(1)->Title = u"   "_s;
        QCOMPARE(data.SettleTitles(), (QList<int>{0, 1}));
        QCOMPARE(data.ClockAt(0)->Title, u"Home"_s);
        QCOMPARE(data.ClockAt(1)->Title, u"Tokyo"_s);
        QCOMPARE(data.ClockAt(2)->Title, u"Sydney"_s);
        QVERIFY(data.SettleTitles().isEmpty());
    }

    void commit_data()
    {
        QTest::addColumn<int>("alarmClock"); // -1: none
        QTest::addColumn<QString>("alarmTime");
        QTest::addColumn<bool>("removeAlarmClock");
        QTest::addColumn<QString>("storedAlarm"); // empty: nothing stored at all
        QTest::newRow("no alarm") << -1 << QString() << false << u"0"_s;
        QTest::newRow("alarm on Tokyo") << 1 << u"7:30"_s << false << u"46100.3125"_s;
        QTest::newRow("alarm clock removed") << 1 << u"7:30"_s << true << u"0"_s;
        QTest::newRow("no valid time stores nothing") << 1 << u"25:00"_s << false << QString();
    }
    void commit()
    {
        QFETCH(int, alarmClock);
        QFETCH(QString, alarmTime);
        QFETCH(bool, removeAlarmClock);
        QFETCH(QString, storedAlarm);
        TOptionsData data;
        AddClocks(data, {u"Europe/London"_s, u"Asia/Tokyo"_s});
        data.TimeFormat = u"hh:nn"_s;
        data.DateFormat = QString();
        data.SortZonesByName = false;
        data.Font = TStoredFont{u"DejaVu Sans"_s, 10, TStoredFont::fsBold, 255};
        if (alarmClock >= 0) {
            data.AlarmClock = data.ClockAt(alarmClock);
            data.AlarmTime = alarmTime;
            data.AlarmDate = 46100;
        }
        if (removeAlarmClock) {
            data.RemoveClock(alarmClock);
            QCOMPARE(data.AlarmClock, nullptr);
        }
        const QString program = FDir->filePath(u"vorkelclocks"_s);
        if (storedAlarm.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(EConvertError, data.Commit(program));
            QVERIFY(!QFile::exists(SettingsFileName()));
            return;
        }
        // What is handed to the clocks is what was stored.
        data.Commit(program);
        const TClocksState state = data.StoredState();
        QCOMPARE(state.TimeFormat, u"hh:nn"_s);
        QCOMPARE(state.DateFormat, QString());
        QCOMPARE(EncodeFont(state.Font), u"DejaVu Sans;10;1;255"_s);
        QCOMPARE(state.AlarmSet, storedAlarm != u"0"_s);
        QCOMPARE(state.AlarmClock, state.AlarmSet ? u"Tokyo"_s : QString());
        QCOMPARE(state.AlarmTime, state.AlarmSet ? storedAlarm.toDouble() : 0.0);
        QCOMPARE(ReadSettingString(SettingsGroup, ValueAlarmTime, QString()), storedAlarm);
        if (storedAlarm != u"0"_s) {
            QCOMPARE(ReadSettingString(SettingsGroup, ValueAlarmClock, QString()), u"Tokyo"_s);
        }
        QCOMPARE(ReadSettingString(SettingsGroup, ValueTimeFormat, u"?"_s), u"hh:nn"_s);
        QCOMPARE(ReadSettingString(SettingsGroup, ValueDateFormat, u"?"_s), QString());
        QVERIFY(!ReadSettingBool(SettingsGroup, ValueSortZonesByName, true));
        QCOMPARE(ReadSettingString(SettingsGroup, ValueFont, QString()), u"DejaVu Sans;10;1;255"_s);
        // The clock list reads back as committed.
        TOptionsData again;
        again.LoadClocks(FZones);
        QCOMPARE(again.ClockCount(), data.ClockCount());
        for (int i = 0; i < data.ClockCount(); ++i) {
            QCOMPARE(again.ClockAt(i)->Name, data.ClockAt(i)->Name);
            QCOMPARE(again.ClockAt(i)->Title, data.ClockAt(i)->Title);
        }
    }
};

QTEST_GUILESS_MAIN(TestOptionsData)
#include "tst_optionsdata.moc"
