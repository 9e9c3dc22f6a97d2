// The alarm's decisions: snoozing, the snooze setting, and what an alarm page
// offers for a time that has passed.
#include "core/clocks/alarm.h"
#include "core/time/clocksource.h"
#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"
#include "core/zones/timezone.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestAlarm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetFormatSettings(TFormatSettings::British()); }
    void snooze_data();
    void snooze();
    void snoozeMinutesSetting_data();
    void snoozeMinutesSetting();
    void passedAlarm_data();
    void passedAlarm();
};

namespace {
QString Text(TDateTime value)
{
    return FormatDateTime(u"yyyy-mm-dd hh:nn:ss.zzz"_s, value);
}
} // namespace

void TestAlarm::snooze_data()
{
    QTest::addColumn<TDateTime>("now"); // the clock's local time (a zone without offset)
    QTest::addColumn<int>("minutes");
    QTest::addColumn<TDateTime>("expected");
    const TDateTime evening = EncodeDateTime(2026, 12, 8, 18, 30, 0, 0);
    QTest::newRow("ten minutes") << evening << 10 << EncodeDateTime(2026, 12, 8, 18, 40, 0, 0);
    // The part second is dropped: the hint and the stored text show a plain time.
    QTest::newRow("to the whole second") << EncodeDateTime(2026, 12, 8, 18, 30, 12, 999) << 10
                                         << EncodeDateTime(2026, 12, 8, 18, 40, 12, 0);
    QTest::newRow("over midnight and the year's end")
        << EncodeDateTime(2026, 12, 31, 23, 55, 30, 0) << 10
        << EncodeDateTime(2027, 1, 1, 0, 5, 30, 0);
    QTest::newRow("nothing is no snooze")
        << evening << 0 << EncodeDateTime(2026, 12, 8, 18, 31, 0, 0);
    QTest::newRow("a day is held to two hours")
        << evening << 1440 << EncodeDateTime(2026, 12, 8, 20, 30, 0, 0);
}

void TestAlarm::snooze()
{
    QFETCH(TDateTime, now);
    QFETCH(int, minutes);
    QFETCH(TDateTime, expected);
    TFakeClock clock(now);
    TCustomisedTimeZone london;
    london.Title = u"London"_s;
    TAlarm alarm;
    alarm.Clock = &london;
    alarm.Time = now - 1.0 / MinutesPerDay;
    alarm.Active = false; // as it is while ringing

    const TDateTime snoozed = alarm.Snooze(minutes);
    QCOMPARE(Text(snoozed), Text(expected));
    QCOMPARE(Text(alarm.Time), Text(expected));
    QVERIFY(alarm.IsSet());
    QVERIFY(!alarm.IsDue());
    clock.SetUTC(expected - 1.0 / MSecsPerDay);
    QVERIFY(!alarm.IsDue());
    clock.SetUTC(expected);
    QVERIFY(alarm.IsDue());
}

void TestAlarm::snoozeMinutesSetting_data()
{
    QTest::addColumn<std::optional<int>>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("none stored") << std::optional<int>() << 10;
    QTest::newRow("five") << std::optional<int>(5) << 5;
    QTest::newRow("the shortest") << std::optional<int>(1) << 1;
    QTest::newRow("the longest") << std::optional<int>(120) << 120;
    QTest::newRow("zero") << std::optional<int>(0) << 10;
    QTest::newRow("negative") << std::optional<int>(-5) << 10;
    QTest::newRow("a day") << std::optional<int>(1440) << 10;
}

void TestAlarm::snoozeMinutesSetting()
{
    QFETCH(std::optional<int>, stored);
    QFETCH(int, expected);
    QCOMPARE(SnoozeMinutesOrDefault(stored), expected);
}

void TestAlarm::passedAlarm_data()
{
    QTest::addColumn<TDateTime>("time");
    QTest::addColumn<TDateTime>("now");
    QTest::addColumn<TDateTime>("offered"); // 0: still ahead, nothing offered
    const TDateTime afternoon = EncodeDateTime(2026, 12, 8, 15, 0, 0, 0);
    // Typed in the afternoon to be woken tomorrow.
    QTest::newRow("08:00 today, at 15:00") << EncodeDateTime(2026, 12, 8, 8, 0, 0, 0) << afternoon
                                           << EncodeDateTime(2026, 12, 9, 8, 0, 0, 0);
    QTest::newRow("a minute ahead")
        << EncodeDateTime(2026, 12, 8, 15, 1, 0, 0) << afternoon << TDateTime(0);
    QTest::newRow("a millisecond ahead")
        << afternoon + 1.0 / MSecsPerDay << afternoon << TDateTime(0);
    // It could never ring: due means later than the moment it was set.
    QTest::newRow("now itself") << afternoon << afternoon
                                << EncodeDateTime(2026, 12, 9, 15, 0, 0, 0);
    QTest::newRow("exactly a day behind") << EncodeDateTime(2026, 12, 7, 15, 0, 0, 0) << afternoon
                                          << EncodeDateTime(2026, 12, 9, 15, 0, 0, 0);
    // A date picked long ago is offered at its next coming, not the day after.
    QTest::newRow("a week ago, later in the day")
        << EncodeDateTime(2026, 12, 1, 20, 15, 0, 0) << afternoon
        << EncodeDateTime(2026, 12, 8, 20, 15, 0, 0);
    QTest::newRow("over the year's end")
        << EncodeDateTime(2026, 12, 31, 6, 30, 0, 0) << EncodeDateTime(2026, 12, 31, 23, 0, 0, 0)
        << EncodeDateTime(2027, 1, 1, 6, 30, 0, 0);
}

void TestAlarm::passedAlarm()
{
    QFETCH(TDateTime, time);
    QFETCH(TDateTime, now);
    QFETCH(TDateTime, offered);
    const std::optional<TDateTime> next = NextOccurrenceOfPassedAlarm(time, now);
    QCOMPARE(next.has_value(), offered != 0);
    if (next)
        QCOMPARE(Text(*next), Text(offered));
}

QTEST_GUILESS_MAIN(TestAlarm)
#include "tst_alarm.moc"
