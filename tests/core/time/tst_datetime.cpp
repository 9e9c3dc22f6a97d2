#include "core/time/clocksource.h"
#include "core/time/datetime.h"

#include <QTest>

class TestDateTime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dayNumbers_data();
    void dayNumbers();
    void decodeRoundsToTheMillisecond();
    void daysInMonth_data();
    void daysInMonth();
    void fakeClockDrivesNow();
};

void TestDateTime::dayNumbers_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("dayOfWeek");
    QTest::newRow("epoch, a Saturday") << 1899 << 12 << 30 << 0 << 7;
    QTest::newRow("day before the epoch") << 1899 << 12 << 29 << -1 << 6;
    QTest::newRow("Unix epoch, a Thursday") << 1970 << 1 << 1 << 25569 << 5;
    QTest::newRow("leap day 2000") << 2000 << 2 << 29 << 36585 << 3;
    QTest::newRow("Sunday 6 December 2026") << 2026 << 12 << 6 << 46362 << 1;
    QTest::newRow("year 2100 is no leap year") << 2100 << 3 << 1 << 73110 << 2;
}

void TestDateTime::dayNumbers()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, number);
    QFETCH(int, dayOfWeek);
    QCOMPARE(DayNumber(year, month, day), number);
    const TDateParts d = DateOfDayNumber(number);
    QCOMPARE(d.Year, year);
    QCOMPARE(d.Month, month);
    QCOMPARE(d.Day, day);
    QCOMPARE(DayOfWeek(number + 0.75), dayOfWeek);
}

void TestDateTime::decodeRoundsToTheMillisecond()
{
    // 23:59:59.9996 is nearer to midnight than to the last millisecond: it is
    // the next day at 00:00, never "24:00" of the same day.
    const TDateTime almost = EncodeDate(2024, 3, 31) + (MSecsPerDay - 0.4) / double(MSecsPerDay);
    const TTimeParts t = DecodeTime(almost);
    QCOMPARE(t.Hour, 0);
    QCOMPARE(DecodeDate(almost).Day, 1);
    const TTimeParts u = DecodeTime(EncodeDateTime(2026, 12, 6, 14, 5, 9, 999));
    QCOMPARE(u.Hour, 14);
    QCOMPARE(u.Minute, 5);
    QCOMPARE(u.Second, 9);
    QCOMPARE(u.MSec, 999);
}

void TestDateTime::daysInMonth_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    QTest::newRow("February 2024") << 2024 << 2 << 29;
    QTest::newRow("February 1900") << 1900 << 2 << 28;
    QTest::newRow("February 2000") << 2000 << 2 << 29;
    QTest::newRow("April") << 2023 << 4 << 30;
    QTest::newRow("December") << 2023 << 12 << 31;
}

void TestDateTime::daysInMonth()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QCOMPARE(DaysInMonth(year, month), days);
    QCOMPARE(DaysInMonth(EncodeDate(year, month, 1) + 0.5), days);
}

void TestDateTime::fakeClockDrivesNow()
{
    {
        TFakeClock clock(EncodeDateTime(2026, 12, 6, 14, 5, 9, 999), 60);
        QCOMPARE(NowUTC(), EncodeDateTime(2026, 12, 6, 14, 5, 9, 999));
        QCOMPARE(LocalMilliseconds(), 999);
        clock.Advance(1);
        QCOMPARE(LocalMilliseconds(), 0);
        QCOMPARE(DecodeTime(NowLocal()).Hour, 15);
    }
    // The system clock is back once the fake is gone.
    QVERIFY(NowUTC() > EncodeDate(2020, 1, 1));
}

QTEST_GUILESS_MAIN(TestDateTime)
#include "tst_datetime.moc"
