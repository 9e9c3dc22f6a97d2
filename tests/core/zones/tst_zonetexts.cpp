// The sentences that tell the user how a zone's clock stands and changes.
#include "core/time/clocksource.h"
#include "core/time/formatsettings.h"
#include "core/zones/timezone.h"
#include "core/zones/zonetexts.h"

#include <QTest>
#include <cmath>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0)
{
    return EncodeDateTime(y, mo, d, h, mi, 0, 0);
}

std::int64_t MSecs(TDateTime moment)
{
    return std::llround(moment * double(MSecsPerDay));
}

// Berlin's rules: last Sunday of March and of October, 01:00 UTC.
void MakeBerlin(TTimeZone &zone)
{
    zone.Name = u"Europe/Berlin"_s;
    zone.UTCOffset = 60;
    zone.StandardAbbr = u"CET"_s;
    zone.DaylightAbbr = u"CEST"_s;
    zone.DaylightOffset = 60;
    zone.DaylightRule = {3, 1, 0, EncodeTime(1, 0, 0, 0), TZoneRuleType::zrLastWeekday};
    zone.StandardRule = {10, 1, 0, EncodeTime(1, 0, 0, 0), TZoneRuleType::zrLastWeekday};
}

// +01 by its rules, +00 in daylight time in spring 2026 by stated changes.
void MakeStated(TTimeZone &zone, bool withRules)
{
    if (withRules) {
        MakeBerlin(zone);
    }
    zone.Name = u"Africa/Casablanca"_s;
    zone.UTCOffset = 60;
    zone.StandardAbbr = u"+01"_s;
    zone.Changes = {{MSecs(At(2026, 1, 1)), 60, false, u"+01"_s},
                    {MSecs(At(2026, 2, 15, 2)), 0, true, u"+00"_s},
                    {MSecs(At(2026, 3, 22, 2)), 60, false, u"+01"_s}};
    zone.ChangesUntilMSecs = MSecs(At(2027, 1, 1));
}

enum class TKind
{
    Berlin,
    Sydney,
    Stated,
    StatedWithRules,
    Plain
};

void MakeZone(TTimeZone &zone, TKind kind)
{
    switch (kind) {
    case TKind::Berlin:
        MakeBerlin(zone);
        break;
    case TKind::Sydney:
        zone.Name = u"Australia/Sydney"_s;
        zone.UTCOffset = 600;
        zone.StandardAbbr = u"AEST"_s;
        zone.DaylightAbbr = u"AEDT"_s;
        zone.DaylightOffset = 60;
        zone.DaylightRule = {9, 7, 30, EncodeTime(16, 0, 0, 0), TZoneRuleType::zrWeekdayOnOrAfter};
        zone.StandardRule = {3, 7, 31, EncodeTime(16, 0, 0, 0), TZoneRuleType::zrWeekdayOnOrAfter};
        break;
    case TKind::Stated:
        MakeStated(zone, false);
        break;
    case TKind::StatedWithRules:
        MakeStated(zone, true);
        break;
    case TKind::Plain:
        zone.Name = u"Asia/Kolkata"_s;
        zone.UTCOffset = 330;
        zone.StandardAbbr = u"IST"_s;
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(TKind)

class TestZoneTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { SetFormatSettings(TFormatSettings::British()); }
    void clockState_data();
    void clockState();
    void rulesText_data();
    void rulesText();
    void nextChange_data();
    void nextChange();
    void localDifference_data();
    void localDifference();
    void hintDetails_data();
    void hintDetails();
    void hintFollowsSystemZoneChange();
};

void TestZoneTexts::clockState_data()
{
    QTest::addColumn<TKind>("kind");
    QTest::addColumn<bool>("useDaylight");
    QTest::addColumn<TDateTime>("utc");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Berlin in summer")
        << TKind::Berlin << true << At(2026, 7, 1) << u"Daylight time (CEST, GMT +2:00)"_s;
    QTest::newRow("Berlin in winter")
        << TKind::Berlin << true << At(2026, 1, 1) << u"Standard time (CET)"_s;
    QTest::newRow("a clock ignoring daylight time")
        << TKind::Berlin << false << At(2026, 7, 1) << u"Standard time (CET)"_s;
    // The stated change, not the rules' daylight offset and abbreviation.
    QTest::newRow("stated daylight time")
        << TKind::Stated << true << At(2026, 3, 1) << u"Daylight time (+00, GMT)"_s;
    QTest::newRow("stated standard time")
        << TKind::Stated << true << At(2026, 7, 1) << u"Standard time (+01)"_s;
    QTest::newRow("stated changes over rules")
        << TKind::StatedWithRules << true << At(2026, 7, 1) << u"Standard time (+01)"_s;
    QTest::newRow("the rules after the stated span")
        << TKind::StatedWithRules << true << At(2027, 7, 1) << u"Daylight time (CEST, GMT +2:00)"_s;
}

void TestZoneTexts::clockState()
{
    QFETCH(TKind, kind);
    QFETCH(bool, useDaylight);
    QFETCH(TDateTime, utc);
    QFETCH(QString, expected);
    TTimeZone zone;
    MakeZone(zone, kind);
    QCOMPARE(ClockStateText(zone, useDaylight, utc), expected);
}

void TestZoneTexts::rulesText_data()
{
    QTest::addColumn<TKind>("kind");
    QTest::addColumn<QString>("expected");
    const QString berlin = u"Daylight time begins on the last Sunday in March at 02:00 AM.\n"
                           u"Standard time resumes on the last Sunday in October at 03:00 AM."_s;
    const QString published = u"This zone's changes follow dates published each year."_s;
    // On 1 July 2026.
    QTest::newRow("rules") << TKind::Berlin
                           << berlin +
                                  u"\nNext change: Sunday 25 October 2026, 03:00 AM → 02:00 AM"_s;
    QTest::newRow("stated changes alone, none left") << TKind::Stated << published;
    // The stated span holds all of 2026; the rules take over in 2027.
    QTest::newRow("rules and stated changes")
        << TKind::StatedWithRules
        << berlin + u'\n' + published +
               u"\nNext change: Sunday 28 March 2027, 02:00 AM → 03:00 AM"_s;
    QTest::newRow("no changes at all") << TKind::Plain << QString();
}

void TestZoneTexts::rulesText()
{
    QFETCH(TKind, kind);
    QFETCH(QString, expected);
    TTimeZone zone;
    MakeZone(zone, kind);
    QCOMPARE(ZoneInfoText(zone, At(2026, 7, 1)), expected);
}

void TestZoneTexts::nextChange_data()
{
    QTest::addColumn<TKind>("kind");
    QTest::addColumn<TDateTime>("utc");
    QTest::addColumn<QString>("expected");
    // Berlin: 01:00 UTC is 02:00 CET in spring and 03:00 CEST in autumn.
    QTest::newRow("spring") << TKind::Berlin << At(2027, 3, 1)
                            << u"Next change: Sunday 28 March 2027, 02:00 AM → 03:00 AM"_s;
    QTest::newRow("autumn") << TKind::Berlin << At(2026, 7, 1)
                            << u"Next change: Sunday 25 October 2026, 03:00 AM → 02:00 AM"_s;
    QTest::newRow("after the year's last change: next year's first")
        << TKind::Berlin << At(2026, 11, 1)
        << u"Next change: Sunday 28 March 2027, 02:00 AM → 03:00 AM"_s;
    QTest::newRow("at a change: the one after it")
        << TKind::Berlin << At(2026, 10, 25, 1)
        << u"Next change: Sunday 28 March 2027, 02:00 AM → 03:00 AM"_s;
    // Sydney: a Saturday 16:00 UTC is Sunday 02:00 AEST.
    QTest::newRow("southern spring")
        << TKind::Sydney << At(2026, 7, 1)
        << u"Next change: Sunday 4 October 2026, 02:00 AM → 03:00 AM"_s;
    QTest::newRow("a stated change")
        << TKind::Stated << At(2026, 2, 1)
        << u"Next change: Sunday 15 February 2026, 03:00 AM → 02:00 AM"_s;
    QTest::newRow("stated changes give way to the rules")
        << TKind::StatedWithRules << At(2026, 12, 1)
        << u"Next change: Sunday 28 March 2027, 02:00 AM → 03:00 AM"_s;
    QTest::newRow("a clock that never changes") << TKind::Plain << At(2026, 7, 1) << QString();
}

void TestZoneTexts::nextChange()
{
    QFETCH(TKind, kind);
    QFETCH(TDateTime, utc);
    QFETCH(QString, expected);
    TTimeZone zone;
    MakeZone(zone, kind);
    QCOMPARE(NextChangeText(zone, utc), expected);
}

void TestZoneTexts::localDifference_data()
{
    QTest::addColumn<int>("zoneOffset");
    QTest::addColumn<int>("localOffset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ahead") << 360 << 60 << u"5 hours ahead of local time"_s;
    QTest::newRow("behind, with minutes") << -570 << 0 << u"9 hours 30 minutes behind local time"_s;
    QTest::newRow("same") << 60 << 60 << u"Same time as here"_s;
    QTest::newRow("one of each") << 61 << 0 << u"1 hour 1 minute ahead of local time"_s;
    QTest::newRow("minutes only") << 0 << 45 << u"45 minutes behind local time"_s;
    QTest::newRow("across the date line") << 840 << -600 << u"24 hours ahead of local time"_s;
}

void TestZoneTexts::localDifference()
{
    QFETCH(int, zoneOffset);
    QFETCH(int, localOffset);
    QFETCH(QString, expected);
    // A zone that never changes, so the hint's last line is the difference
    // at any moment.
    TTimeZone zone;
    zone.UTCOffset = zoneOffset;
    const TFakeClock clock(At(2026, 7, 1), localOffset);
    QCOMPARE(ClockHintDetails(zone, true, NowUTC()).split(u'\n').last(), expected);
}

void TestZoneTexts::hintDetails_data()
{
    QTest::addColumn<TKind>("kind");
    QTest::addColumn<bool>("useDaylight");
    QTest::addColumn<TDateTime>("utc");
    QTest::addColumn<int>("localOffset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a clock following daylight time")
        << TKind::Berlin << true << At(2026, 7, 1) << 60
        << u"Daylight time (CEST, GMT +2:00)\nNext change: Sunday 25 October 2026, 03:00 AM → "
           u"02:00 AM\n1 hour ahead of local time"_s;
    // Its clock shows standard time all year: nothing changes, and it is
    // the standard offset that differs from here.
    QTest::newRow("a clock ignoring daylight time")
        << TKind::Berlin << false << At(2026, 7, 1) << 60
        << u"Standard time (CET)\nSame time as here"_s;
    QTest::newRow("no change to tell, half an hour off")
        << TKind::Plain << true << At(2026, 7, 1) << 60
        << u"Standard time (IST)\n4 hours 30 minutes ahead of local time"_s;
    QTest::newRow("a half-hour zone behind")
        << TKind::Plain << true << At(2026, 7, 1) << 600
        << u"Standard time (IST)\n4 hours 30 minutes behind local time"_s;
    // A second before the change and at its moment: the difference moves by
    // the hour and the next change is the autumn one.
    QTest::newRow("a second before the spring change")
        << TKind::Berlin << true << At(2026, 3, 29, 1) - 1000.0 / double(MSecsPerDay) << 60
        << u"Standard time (CET)\nNext change: Sunday 29 March 2026, 02:00 AM → 03:00 AM\n"
           u"Same time as here"_s;
    QTest::newRow("at the spring change")
        << TKind::Berlin << true << At(2026, 3, 29, 1) << 60
        << u"Daylight time (CEST, GMT +2:00)\nNext change: Sunday 25 October 2026, 03:00 AM → "
           u"02:00 AM\n1 hour ahead of local time"_s;
    QTest::newRow("stated daylight time against a daylight clock here")
        << TKind::Stated << true << At(2026, 3, 1) << 120
        << u"Daylight time (+00, GMT)\nNext change: Sunday 22 March 2026, 02:00 AM → 03:00 AM\n"
           u"2 hours behind local time"_s;
}

void TestZoneTexts::hintDetails()
{
    QFETCH(TKind, kind);
    QFETCH(bool, useDaylight);
    QFETCH(TDateTime, utc);
    QFETCH(int, localOffset);
    QFETCH(QString, expected);
    TTimeZone zone;
    MakeZone(zone, kind);
    const TFakeClock clock(utc, localOffset);
    QCOMPARE(ClockHintDetails(zone, useDaylight, NowUTC()), expected);
}

// The machine's zone changed while the program runs (/etc/localtime
// replaced, here TZ): the next hint tells the new difference.
void TestZoneTexts::hintFollowsSystemZoneChange()
{
    const QByteArray oldTz = qgetenv("TZ");
    const bool hadTz = qEnvironmentVariableIsSet("TZ");
    TTimeZone tokyo;
    tokyo.UTCOffset = 540;
    qputenv("TZ", "UTC0");
    tzset();
    const QString before = ClockHintDetails(tokyo, true, NowUTC()).split(u'\n').last();
    qputenv("TZ", "JST-9");
    const QString after = ClockHintDetails(tokyo, true, NowUTC()).split(u'\n').last();
    if (hadTz)
        qputenv("TZ", oldTz);
    else
        qunsetenv("TZ");
    tzset();
    QCOMPARE(before, u"9 hours ahead of local time"_s);
    QCOMPARE(after, u"Same time as here"_s);
}

QTEST_GUILESS_MAIN(TestZoneTexts)
#include "tst_zonetexts.moc"
