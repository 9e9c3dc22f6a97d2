// The zone record: transition days, daylight time in force, local time, and
// the texts that describe a zone.
#include "core/time/clocksource.h"
#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonetexts.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TZoneRule)

namespace {

TZoneRule Rule(int month, TZoneRuleType type, int day, int weekday, int hour, int minute = 0)
{
    TZoneRule r;
    r.OnMonth = static_cast<std::uint8_t>(month);
    r.OnType = type;
    r.OnDay = static_cast<std::uint8_t>(day);
    r.OnDayOfWeek = static_cast<std::uint8_t>(weekday);
    r.OnTime = EncodeTime(hour, minute, 0, 0);
    return r;
}

constexpr auto DayOfMonth = TZoneRuleType::zrDayOfMonth;
constexpr auto LastWeekday = TZoneRuleType::zrLastWeekday;
constexpr auto OnOrAfter = TZoneRuleType::zrWeekdayOnOrAfter;
constexpr auto OnOrBefore = TZoneRuleType::zrWeekdayOnOrBefore;
constexpr int Sunday = 1;

// Daylight from the last Sunday of March to the last Sunday of October, both
// at 01:00 UTC, one hour ahead of a base offset of +60.
void MakeCentralEuropean(TTimeZone &zone)
{
    zone.Name = u"Europe/Berlin"_s;
    zone.StandardAbbr = u"CET"_s;
    zone.DaylightAbbr = u"CEST"_s;
    zone.UTCOffset = 60;
    zone.DaylightOffset = 60;
    zone.DaylightRule = Rule(3, LastWeekday, 0, Sunday, 1);
    zone.StandardRule = Rule(10, LastWeekday, 0, Sunday, 1);
}

void SetRules(TTimeZone &zone, int utcOffset, int standardOffset, int daylightOffset,
              const TZoneRule &daylightRule, const TZoneRule &standard)
{
    zone.UTCOffset = utcOffset;
    zone.StandardOffset = standardOffset;
    zone.DaylightOffset = daylightOffset;
    zone.DaylightRule = daylightRule;
    zone.StandardRule = standard;
}

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return EncodeDateTime(y, mo, d, h, mi, s, ms);
}

} // namespace

class TestTzConversion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void transitionMoment_data();
    void transitionMoment();
    void noDateRules_data();
    void noDateRules();
    void isDaylightAt_data();
    void isDaylightAt();
    void localTime_data();
    void localTime();
    void localTimeMatchesTransitionDoubles();
    void currentAbbrFollowsTheClock();
    void hostileValuesStayDefined();
    void changedFieldsTakeEffect_data();
    void changedFieldsTakeEffect();
    void remembersYearsAcrossWideSpans_data();
    void remembersYearsAcrossWideSpans();
    void offsetTexts_data();
    void offsetTexts();
    void names_data();
    void names();
    void titleWithOffsetAndAssign();
    void statedChanges_data();
    void statedChanges();
    void ruleDescription_data();
    void ruleDescription();
    void ruleDescriptionInLocalTime_data();
    void ruleDescriptionInLocalTime();
    void ruleDescriptionNamesTheLocalChange();
};

void TestTzConversion::initTestCase()
{
    SetFormatSettings(TFormatSettings::British());
}

void TestTzConversion::transitionMoment_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<TZoneRule>("rule");
    QTest::addColumn<TDateTime>("expected");
    QTest::newRow("type 0: 25 March")
        << 2024 << Rule(3, DayOfMonth, 25, 0, 2, 30) << At(2024, 3, 25, 2, 30);
    QTest::newRow("type 0: 29 February in a leap year")
        << 2024 << Rule(2, DayOfMonth, 29, 0, 0) << At(2024, 2, 29);
    QTest::newRow("type 1: last Sunday of March 2024")
        << 2024 << Rule(3, LastWeekday, 0, Sunday, 1) << At(2024, 3, 31, 1);
    QTest::newRow("type 1: last Sunday of October 2024")
        << 2024 << Rule(10, LastWeekday, 0, Sunday, 1) << At(2024, 10, 27, 1);
    // 29 February 2024 is a Thursday: counting starts from the 29th.
    QTest::newRow("type 1: last Thursday of a leap February")
        << 2024 << Rule(2, LastWeekday, 0, 5, 0) << At(2024, 2, 29);
    QTest::newRow("type 1: last Wednesday of a leap February")
        << 2024 << Rule(2, LastWeekday, 0, 4, 0) << At(2024, 2, 28);
    QTest::newRow("type 1: last Wednesday of February 2023")
        << 2023 << Rule(2, LastWeekday, 0, 4, 0) << At(2023, 2, 22);
    QTest::newRow("type 2: first Sunday on or after 8 March 2024")
        << 2024 << Rule(3, OnOrAfter, 8, Sunday, 7) << At(2024, 3, 10, 7);
    QTest::newRow("type 2: the day itself matches")
        << 2024 << Rule(3, OnOrAfter, 10, Sunday, 0) << At(2024, 3, 10);
    // 29 April 2024 is a Monday: the search runs on into May.
    QTest::newRow("type 2: runs into the next month")
        << 2024 << Rule(4, OnOrAfter, 29, Sunday, 0) << At(2024, 5, 5);
    QTest::newRow("type 2: runs into the next year")
        << 2024 << Rule(12, OnOrAfter, 31, Sunday, 0) << At(2025, 1, 5);
    QTest::newRow("type 3: first Sunday of March 2024, OnDay ignored")
        << 2024 << Rule(3, OnOrBefore, 14, Sunday, 0) << At(2024, 3, 3);
    QTest::newRow("type 3: the 1st itself")
        << 2024 << Rule(9, OnOrBefore, 14, Sunday, 0) << At(2024, 9, 1);
}

void TestTzConversion::transitionMoment()
{
    QFETCH(int, year);
    QFETCH(TZoneRule, rule);
    QFETCH(TDateTime, expected);
    TTimeZone zone;
    QVERIFY(TTimeZone::RuleHasDate(year, rule));
    QCOMPARE(zone.TransitionMoment(year, rule), expected);
}

void TestTzConversion::noDateRules_data()
{
    QTest::addColumn<TZoneRule>("daylightRule");
    QTest::addColumn<TZoneRule>("standard");
    const TZoneRule standard = Rule(10, LastWeekday, 0, Sunday, 1);
    QTest::newRow("type 1 with weekday 0") << Rule(3, LastWeekday, 0, 0, 1) << standard;
    QTest::newRow("type 2 with weekday 0") << Rule(3, OnOrAfter, 8, 0, 1) << standard;
    QTest::newRow("type 3 with weekday 0") << Rule(3, OnOrBefore, 8, 0, 1) << standard;
    QTest::newRow("type 0 with day 0") << Rule(3, DayOfMonth, 0, 0, 1) << standard;
    QTest::newRow("type 0 with 31 April") << Rule(4, DayOfMonth, 31, 0, 1) << standard;
    QTest::newRow("type 0 with 29 February 2023") << Rule(2, DayOfMonth, 29, 0, 1) << standard;
    QTest::newRow("type 2 with day 0") << Rule(3, OnOrAfter, 0, Sunday, 1) << standard;
    QTest::newRow("type 2 with day 32") << Rule(3, OnOrAfter, 32, Sunday, 1) << standard;
    QTest::newRow("daylight rule without a standard rule")
        << Rule(3, LastWeekday, 0, Sunday, 1) << TZoneRule();
    QTest::newRow("standard rule names no day")
        << Rule(3, LastWeekday, 0, Sunday, 1) << Rule(10, LastWeekday, 0, 0, 1);
}

// Rules the zone file lets through but that name no day: the zone stays in
// standard time, the moment cannot be asked for, and nothing loops.
void TestTzConversion::noDateRules()
{
    QFETCH(TZoneRule, daylightRule);
    QFETCH(TZoneRule, standard);
    TTimeZone zone;
    MakeCentralEuropean(zone);
    zone.DaylightRule = daylightRule;
    zone.StandardRule = standard;
    const TZoneRule &broken = TTimeZone::RuleHasDate(2023, daylightRule) ? standard : daylightRule;
    QVERIFY(!TTimeZone::RuleHasDate(2023, broken));
    QVERIFY_THROWS_EXCEPTION(EConvertError, zone.TransitionMoment(2023, broken));
    for (int month = 1; month <= 12; ++month) {
        const TDateTime utc = At(2023, month, 15, 12);
        QVERIFY(!zone.IsDaylightAt(utc));
        QCOMPARE(zone.LocalTimeAt(utc), zone.StandardTimeAt(utc));
    }
}

void TestTzConversion::isDaylightAt_data()
{
    QTest::addColumn<TZoneRule>("daylightRule");
    QTest::addColumn<TZoneRule>("standard");
    QTest::addColumn<TDateTime>("utc");
    QTest::addColumn<bool>("expected");
    const TZoneRule march = Rule(3, LastWeekday, 0, Sunday, 1);
    const TZoneRule october = Rule(10, LastWeekday, 0, Sunday, 1);
    // 2024: daylight from 31 March 01:00 UTC to 27 October 01:00 UTC.
    QTest::newRow("a millisecond before daylight begins")
        << march << october << At(2024, 3, 31, 0, 59, 59, 999) << false;
    QTest::newRow("the moment daylight begins: inclusive")
        << march << october << At(2024, 3, 31, 1) << true;
    QTest::newRow("midsummer") << march << october << At(2024, 7, 1) << true;
    QTest::newRow("the moment standard resumes: still daylight, inclusive end")
        << march << october << At(2024, 10, 27, 1) << true;
    QTest::newRow("a millisecond after standard resumes")
        << march << october << At(2024, 10, 27, 1, 0, 0, 1) << false;
    QTest::newRow("midwinter") << march << october << At(2024, 1, 15) << false;
    QTest::newRow("late December") << march << october << At(2024, 12, 31, 23, 59) << false;
    // Southern hemisphere: daylight from October across the new year to April.
    const TZoneRule aprilFirstSunday = Rule(4, OnOrBefore, 7, Sunday, 16);
    const TZoneRule octoberFirstSunday = Rule(10, OnOrBefore, 7, Sunday, 16);
    QTest::newRow("south: mid-January")
        << octoberFirstSunday << aprilFirstSunday << At(2024, 1, 15) << true;
    QTest::newRow("south: mid-November")
        << octoberFirstSunday << aprilFirstSunday << At(2024, 11, 15) << true;
    QTest::newRow("south: mid-June")
        << octoberFirstSunday << aprilFirstSunday << At(2024, 6, 15) << false;
    // 7 April 2024 16:00 UTC: standard resumes, daylight still in force at that instant.
    QTest::newRow("south: end inclusive")
        << octoberFirstSunday << aprilFirstSunday << At(2024, 4, 7, 16) << true;
    QTest::newRow("south: just after the end")
        << octoberFirstSunday << aprilFirstSunday << At(2024, 4, 7, 16, 0, 0, 1) << false;
    // 6 October 2024 16:00 UTC: daylight begins.
    QTest::newRow("south: start inclusive")
        << octoberFirstSunday << aprilFirstSunday << At(2024, 10, 6, 16) << true;
    QTest::newRow("south: just before the start")
        << octoberFirstSunday << aprilFirstSunday << At(2024, 10, 6, 15, 59, 59, 999) << false;
    QTest::newRow("equal moments: never daylight, at the moment")
        << march << march << At(2024, 3, 31, 1) << false;
    QTest::newRow("equal moments: never daylight, in summer")
        << march << march << At(2024, 7, 1) << false;
    QTest::newRow("no daylight rule") << TZoneRule() << october << At(2024, 7, 1) << false;
}

void TestTzConversion::isDaylightAt()
{
    QFETCH(TZoneRule, daylightRule);
    QFETCH(TZoneRule, standard);
    QFETCH(TDateTime, utc);
    QFETCH(bool, expected);
    TTimeZone zone;
    MakeCentralEuropean(zone);
    zone.DaylightRule = daylightRule;
    zone.StandardRule = standard;
    QCOMPARE(zone.IsDaylightAt(utc), expected);
    // CET is one hour ahead of UTC, CEST two.
    QCOMPARE(qRound((zone.LocalTimeAt(utc) - utc) * MinutesPerDay), expected ? 120 : 60);
}

void TestTzConversion::localTime_data()
{
    QTest::addColumn<int>("utcOffset");
    QTest::addColumn<int>("daylightOffset");
    QTest::addColumn<TZoneRule>("daylightRule");
    QTest::addColumn<TZoneRule>("standard");
    QTest::addColumn<TDateTime>("utc");
    QTest::addColumn<TDateTime>("local");
    QTest::newRow("+5:30, no daylight")
        << 330 << 0 << TZoneRule() << TZoneRule() << At(2024, 6, 1, 12) << At(2024, 6, 1, 17, 30);
    QTest::newRow("-5:00 crosses back over the new year")
        << -300 << 0 << TZoneRule() << TZoneRule() << At(2025, 1, 1, 3) << At(2024, 12, 31, 22);
    QTest::newRow("summer in Berlin")
        << 60 << 60 << Rule(3, LastWeekday, 0, Sunday, 1) << Rule(10, LastWeekday, 0, Sunday, 1)
        << At(2024, 7, 1, 23, 30) << At(2024, 7, 2, 1, 30);
    // 31 December 2024 12:00 UTC is already 1 January 2025 01:00 at +13:00,
    // but the rules are those of the UTC year: standard time since 1 July
    // 2024, whatever 1 January 2025 brings there.
    QTest::newRow("east of Greenwich on its 1 January")
        << 780 << 60 << Rule(1, DayOfMonth, 1, 0, 0) << Rule(7, DayOfMonth, 1, 0, 0)
        << At(2024, 12, 31, 12) << At(2025, 1, 1, 1);
    QTest::newRow("east of Greenwich once UTC reaches 1 January")
        << 780 << 60 << Rule(1, DayOfMonth, 1, 0, 0) << Rule(7, DayOfMonth, 1, 0, 0)
        << At(2025, 1, 1, 0) << At(2025, 1, 1, 14);
}

void TestTzConversion::localTime()
{
    QFETCH(int, utcOffset);
    QFETCH(int, daylightOffset);
    QFETCH(TZoneRule, daylightRule);
    QFETCH(TZoneRule, standard);
    QFETCH(TDateTime, utc);
    QFETCH(TDateTime, local);
    TTimeZone zone;
    SetRules(zone, utcOffset, 0, daylightOffset, daylightRule, standard);
    QCOMPARE(UnixMSecsFromDateTime(zone.LocalTimeAt(utc)), UnixMSecsFromDateTime(local));
}

// The clock hands out moments built from whole milliseconds; the rule's time
// comes from a parser that may add its parts differently. Both must meet at
// the transition.
void TestTzConversion::localTimeMatchesTransitionDoubles()
{
    TTimeZone zone;
    MakeCentralEuropean(zone);
    zone.DaylightRule.OnTime = 1.0 / 24.0;
    zone.StandardRule.OnTime = 60.0 / 1440.0;
    const TDateTime begins = zone.TransitionMoment(2024, zone.DaylightRule);
    const TDateTime resumes = zone.TransitionMoment(2024, zone.StandardRule);
    QVERIFY(zone.IsDaylightAt(begins));
    QVERIFY(zone.IsDaylightAt(resumes));
    TFakeClock clock(At(2024, 3, 31, 1));
    QVERIFY(zone.IsDaylightNow());
    clock.Advance(-1);
    QVERIFY(!zone.IsDaylightNow());
    clock.SetUTC(At(2024, 10, 27, 1));
    QVERIFY(zone.IsDaylightNow());
    clock.Advance(1);
    QVERIFY(!zone.IsDaylightNow());
}

void TestTzConversion::currentAbbrFollowsTheClock()
{
    TTimeZone zone;
    MakeCentralEuropean(zone);
    TFakeClock clock(At(2024, 7, 1));
    QCOMPARE(zone.CurrentAbbr(), u"CEST"_s);
    QCOMPARE(zone.LocalTimeNow(), At(2024, 7, 1, 2));
    clock.SetUTC(At(2024, 12, 1));
    QCOMPARE(zone.CurrentAbbr(), u"CET"_s);
    zone.DaylightRule = TZoneRule();
    clock.SetUTC(At(2024, 7, 1));
    QCOMPARE(zone.CurrentAbbr(), u"CET"_s);
}

// Offsets come straight from a file: extreme ones must neither overflow nor
// throw, and a moment outside any calendar must not reach the arithmetic.
void TestTzConversion::hostileValuesStayDefined()
{
    TTimeZone zone;
    MakeCentralEuropean(zone);
    zone.UTCOffset = std::numeric_limits<std::int32_t>::max();
    zone.StandardOffset = std::numeric_limits<std::int32_t>::max();
    zone.DaylightOffset = std::numeric_limits<std::int32_t>::min();
    QVERIFY(zone.LocalTimeAt(At(2024, 1, 1)) > At(2024, 1, 1));
    QVERIFY(!zone.IsDaylightAt(std::numeric_limits<double>::quiet_NaN()));
    QVERIFY(!zone.IsDaylightAt(std::numeric_limits<double>::infinity()));
    QVERIFY(!zone.IsDaylightAt(1e300));
    QVERIFY(!zone.DisplayName().isEmpty());
    QCOMPARE(OffsetText(std::numeric_limits<int>::min()), u"-35791394:08"_s);
}

// A zone remembers its rules' moments; its fields are public and change
// under it (the options dialog, Assign), and the answer must follow them.
void TestTzConversion::changedFieldsTakeEffect_data()
{
    QTest::addColumn<int>("utcOffset");
    QTest::addColumn<int>("standardOffset");
    QTest::addColumn<int>("daylightOffset");
    QTest::addColumn<TZoneRule>("daylightRule");
    QTest::addColumn<TZoneRule>("standard");
    const TZoneRule march = Rule(3, LastWeekday, 0, Sunday, 1);
    const TZoneRule october = Rule(10, LastWeekday, 0, Sunday, 1);
    TZoneRule later = march;
    later.OnTime = EncodeTime(1, 0, 0, 1);
    TZoneRule monday = march;
    monday.OnDayOfWeek = 2;
    TZoneRule day = Rule(3, OnOrAfter, 8, Sunday, 1);
    TZoneRule otherDay = day;
    otherDay.OnDay = 15;
    QTest::newRow("UTCOffset") << 120 << 0 << 60 << march << october;
    QTest::newRow("StandardOffset") << 60 << 30 << 60 << march << october;
    QTest::newRow("DaylightOffset") << 60 << 0 << 120 << march << october;
    QTest::newRow("daylight rule's month")
        << 60 << 0 << 60 << Rule(4, LastWeekday, 0, Sunday, 1) << october;
    QTest::newRow("standard rule's month")
        << 60 << 0 << 60 << march << Rule(9, LastWeekday, 0, Sunday, 1);
    QTest::newRow("rule's time by a millisecond") << 60 << 0 << 60 << later << october;
    QTest::newRow("rule's weekday") << 60 << 0 << 60 << monday << october;
    QTest::newRow("rule's type") << 60 << 0 << 60 << day << october;
    QTest::newRow("rule's day") << 60 << 0 << 60 << otherDay << october;
    QTest::newRow("rules swapped: the southern half") << 60 << 0 << 60 << october << march;
    QTest::newRow("standard rule gone") << 60 << 0 << 60 << march << TZoneRule();
    QTest::newRow("no daylight time left") << 60 << 0 << 60 << TZoneRule() << TZoneRule();
}

void TestTzConversion::changedFieldsTakeEffect()
{
    QFETCH(int, utcOffset);
    QFETCH(int, standardOffset);
    QFETCH(int, daylightOffset);
    QFETCH(TZoneRule, daylightRule);
    QFETCH(TZoneRule, standard);
    TTimeZone fresh;
    SetRules(fresh, utcOffset, standardOffset, daylightOffset, daylightRule, standard);
    // Around every change of either set of rules.
    QList<TDateTime> moments;
    for (const TDateTime day : {At(2026, 3, 8), At(2026, 3, 15), At(2026, 3, 29), At(2026, 3, 30),
                                At(2026, 4, 26), At(2026, 9, 27), At(2026, 10, 25)}) {
        for (const int ms : {0, 3'599'999, 3'600'000, 3'600'001, 7'200'000}) {
            moments << day + ms / double(MSecsPerDay);
        }
    }
    TTimeZone zone;
    MakeCentralEuropean(zone);
    for (const TDateTime utc : moments) {
        zone.LocalTimeAt(utc);
    }
    SetRules(zone, utcOffset, standardOffset, daylightOffset, daylightRule, standard);
    TCustomisedTimeZone clock;
    MakeCentralEuropean(clock);
    for (const TDateTime utc : moments) {
        clock.LocalTimeAt(utc);
    }
    clock.Assign(fresh);
    for (const TDateTime utc : moments) {
        const QString at = FormatDateTime(u"yyyy-mm-dd hh:nn:ss.zzz"_s, utc);
        QVERIFY2(zone.LocalTimeAt(utc) == fresh.LocalTimeAt(utc), qPrintable(at));
        QVERIFY2(zone.IsDaylightAt(utc) == fresh.IsDaylightAt(utc), qPrintable(at));
        QVERIFY2(zone.OffsetAt(utc) == fresh.OffsetAt(utc), qPrintable(at));
        QVERIFY2(clock.LocalTimeAt(utc) == fresh.LocalTimeAt(utc), qPrintable(at));
    }
}

// One zone asked about moments far apart, in a jumbled order, against a new
// zone for each moment: the year a moment falls in must be found the same
// way whatever years the zone was asked about before, next to 1 January most
// of all.
void TestTzConversion::remembersYearsAcrossWideSpans_data()
{
    QTest::addColumn<TZoneRule>("daylightRule");
    QTest::addColumn<TZoneRule>("standard");
    const TZoneRule march = Rule(3, LastWeekday, 0, Sunday, 1);
    const TZoneRule october = Rule(10, LastWeekday, 0, Sunday, 1);
    QTest::newRow("north") << march << october;
    QTest::newRow("south: across the new year") << october << march;
    QTest::newRow("29 February: daylight only in leap years")
        << Rule(2, DayOfMonth, 29, 0, 12) << october;
    QTest::newRow("a change that runs into the next year")
        << Rule(12, OnOrAfter, 31, Sunday, 23) << Rule(6, DayOfMonth, 1, 0, 0);
    QTest::newRow("changes at midnight of 1 January and 31 December")
        << Rule(1, DayOfMonth, 1, 0, 0) << Rule(12, DayOfMonth, 31, 23, 59);
}

void TestTzConversion::remembersYearsAcrossWideSpans()
{
    QFETCH(TZoneRule, daylightRule);
    QFETCH(TZoneRule, standard);
    TTimeZone zone;
    MakeCentralEuropean(zone);
    zone.DaylightRule = daylightRule;
    zone.StandardRule = standard;
    QList<int> years;
    for (int year = 1870; year <= 2130; ++year) {
        years << year;
    }
    years << 1 << 2 << 1600 << 1700 << 2400 << 9998 << 9999;
    std::shuffle(years.begin(), years.end(), std::mt19937(2026));
    int checked = 0;
    for (const int year : years) {
        QList<TDateTime> moments;
        const TDateTime jan1 = At(year, 1, 1);
        for (const int ms : {-86'400'000, -1, 0, 1, 86'400'000}) {
            moments << jan1 + ms / double(MSecsPerDay);
        }
        for (const TZoneRule *rule : {&zone.DaylightRule, &zone.StandardRule}) {
            if (TTimeZone::RuleHasDate(year, *rule)) {
                const TDateTime change = zone.TransitionMoment(year, *rule);
                moments << change - 1 / double(MSecsPerDay) << change
                        << change + 1 / double(MSecsPerDay);
            }
        }
        for (const TDateTime utc : moments) {
            TTimeZone fresh;
            fresh.Assign(zone);
            const QString at = FormatDateTime(u"yyyy-mm-dd hh:nn:ss.zzz"_s, utc);
            QVERIFY2(zone.LocalTimeAt(utc) == fresh.LocalTimeAt(utc), qPrintable(at));
            ++checked;
        }
    }
    QVERIFY(checked > 2000);
}

void TestTzConversion::offsetTexts_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("gmt");
    QTest::addColumn<QString>("gmtOmitZero");
    QTest::newRow("0") << 0 << u"+0:00"_s << u"GMT +0:00"_s << u"GMT"_s;
    QTest::newRow("60") << 60 << u"+1:00"_s << u"GMT +1:00"_s << u"GMT +1:00"_s;
    QTest::newRow("330") << 330 << u"+5:30"_s << u"GMT +5:30"_s << u"GMT +5:30"_s;
    QTest::newRow("345") << 345 << u"+5:45"_s << u"GMT +5:45"_s << u"GMT +5:45"_s;
    QTest::newRow("-300") << -300 << u"-5:00"_s << u"GMT -5:00"_s << u"GMT -5:00"_s;
    QTest::newRow("-570") << -570 << u"-9:30"_s << u"GMT -9:30"_s << u"GMT -9:30"_s;
    QTest::newRow("-30 keeps its sign") << -30 << u"-0:30"_s << u"GMT -0:30"_s << u"GMT -0:30"_s;
    QTest::newRow("-90") << -90 << u"-1:30"_s << u"GMT -1:30"_s << u"GMT -1:30"_s;
    QTest::newRow("+14:00") << 840 << u"+14:00"_s << u"GMT +14:00"_s << u"GMT +14:00"_s;
}

void TestTzConversion::offsetTexts()
{
    QFETCH(int, minutes);
    QFETCH(QString, offset);
    QFETCH(QString, gmt);
    QFETCH(QString, gmtOmitZero);
    QCOMPARE(OffsetText(minutes), offset);
    QCOMPARE(GMTText(minutes, false), gmt);
    QCOMPARE(GMTText(minutes, true), gmtOmitZero);
}

void TestTzConversion::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("city");
    QTest::newRow("region and city")
        << u"Example/Harbourtown"_s << u"Example"_s << u"Harbourtown"_s;
    QTest::newRow("two slashes") << u"America/Argentina/Salta"_s << u"America"_s
                                 << u"Argentina/Salta"_s;
    QTest::newRow("no slash") << u"UTC"_s << QString() << u"UTC"_s;
    QTest::newRow("leading slash") << u"/Nowhere"_s << QString() << u"Nowhere"_s;
}

void TestTzConversion::names()
{
    QFETCH(QString, name);
    QFETCH(QString, region);
    QFETCH(QString, city);
    TTimeZone zone;
    zone.Name = name;
    QCOMPARE(zone.RegionName(), region);
    QCOMPARE(zone.CityName(), city);
}

void TestTzConversion::titleWithOffsetAndAssign()
{
    TTimeZone zone;
    MakeCentralEuropean(zone);
    // The standard offset, summer or winter.
    TFakeClock clock(At(2024, 7, 1));
    QCOMPARE(zone.DisplayName(), u"(GMT +1:00) Berlin"_s);
    zone.UTCOffset = 0;
    QCOMPARE(zone.DisplayName(), u"(GMT) Berlin"_s);
    zone.UTCOffset = 60;

    TCustomisedTimeZone clockZone;
    clockZone.Assign(zone);
    QCOMPARE(clockZone.Name, zone.Name);
    QCOMPARE(clockZone.DaylightRule, zone.DaylightRule);
    QCOMPARE(clockZone.TitleWithOffset(), zone.DisplayName());
    clockZone.Title = u"Home"_s;
    clockZone.UseDaylight = true;
    QCOMPARE(clockZone.TitleWithOffset(), u"(GMT +1:00) Home"_s);

    // From a plain zone: the clock's own choices stay.
    TTimeZone other;
    other.Name = u"Asia/Kolkata"_s;
    other.UTCOffset = 330;
    clockZone.Assign(other);
    QCOMPARE(clockZone.Name, u"Asia/Kolkata"_s);
    QCOMPARE(clockZone.UTCOffset, 330);
    QVERIFY(!clockZone.HasDaylight());
    QCOMPARE(clockZone.Title, u"Home"_s);
    QVERIFY(clockZone.UseDaylight);

    // From another clock: its choices come along.
    TCustomisedTimeZone copy;
    copy.Assign(clockZone);
    QCOMPARE(copy.Title, u"Home"_s);
    QVERIFY(copy.UseDaylight);
    QCOMPARE(copy.TitleWithOffset(), u"(GMT +5:30) Home"_s);
}

namespace {

// Rules of +01 all year ("R"), and a stated year 2026 with +00 in daylight
// time from 15 February to 22 March, as around Ramadan.
void MakeStatedZone(TTimeZone &zone)
{
    zone.Name = u"Africa/Casablanca"_s;
    zone.UTCOffset = 60;
    zone.StandardAbbr = u"R"_s;
    const auto at = [](int y, int mo, int d, int h) {
        return std::llround(At(y, mo, d, h) * double(MSecsPerDay));
    };
    zone.Changes = {{at(2026, 1, 1, 0), 60, false, u"+01"_s},
                    {at(2026, 2, 15, 2), 0, true, u"+00"_s},
                    {at(2026, 3, 22, 2), 60, false, u"+01"_s}};
    zone.ChangesUntilMSecs = at(2027, 1, 1, 0);
}

} // namespace

void TestTzConversion::statedChanges_data()
{
    QTest::addColumn<TDateTime>("utc");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("inDaylight");
    QTest::addColumn<QString>("abbr");
    QTest::newRow("before the span: the rules")
        << At(2025, 12, 31, 23, 59) << 60 << false << u"R"_s;
    QTest::newRow("the span's first moment") << At(2026, 1, 1) << 60 << false << u"+01"_s;
    QTest::newRow("a millisecond before a change")
        << At(2026, 2, 15, 1, 59, 59, 999) << 60 << false << u"+01"_s;
    QTest::newRow("at a change: the new state") << At(2026, 2, 15, 2) << 0 << true << u"+00"_s;
    QTest::newRow("between changes") << At(2026, 3, 1, 12) << 0 << true << u"+00"_s;
    QTest::newRow("after the last change") << At(2026, 12, 31, 23, 59) << 60 << false << u"+01"_s;
    QTest::newRow("the span's end: the rules again") << At(2027, 1, 1) << 60 << false << u"R"_s;
    QTest::newRow("far outside the calendar") << -1e9 << 60 << false << u"R"_s;
}

void TestTzConversion::statedChanges()
{
    QFETCH(TDateTime, utc);
    QFETCH(int, offset);
    QFETCH(bool, inDaylight);
    QFETCH(QString, abbr);
    TTimeZone zone;
    MakeStatedZone(zone);
    QCOMPARE(zone.OffsetAt(utc), offset);
    QCOMPARE(zone.LocalTimeAt(utc), utc + offset / MinutesPerDay);
    QCOMPARE(zone.IsDaylightAt(utc), inDaylight);
    QCOMPARE(zone.AbbrAt(utc), abbr);
    // Copies for clocks keep the stated changes.
    TCustomisedTimeZone clock;
    clock.Assign(zone);
    QCOMPARE(clock.LocalTimeAt(utc), zone.LocalTimeAt(utc));
    QCOMPARE(clock.ObservesDaylight(), true);
    QCOMPARE(zone.HasDaylight(), false);
}

void TestTzConversion::ruleDescription_data()
{
    QTest::addColumn<TZoneRule>("rule");
    QTest::addColumn<bool>("daylightRule");
    QTest::addColumn<int>("daylightOffset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("type 0") << Rule(4, DayOfMonth, 1, 0, 0) << true << 60
                            << u"1 April at 12:00 AM"_s;
    QTest::newRow("type 1") << Rule(3, LastWeekday, 0, Sunday, 1) << true << 60
                            << u"the last Sunday in March at 01:00 AM"_s;
    QTest::newRow("type 2") << Rule(3, OnOrAfter, 8, Sunday, 14, 5) << true << 60
                            << u"the first Sunday on or after 8 March at 02:05 PM"_s;
    QTest::newRow("type 3 names its day")
        << Rule(3, OnOrBefore, 14, Sunday, 12) << true << 60
        << u"the first Sunday on or before 14 March at 12:00 PM"_s;
    QTest::newRow("standard rule told in daylight time")
        << Rule(10, LastWeekday, 0, Sunday, 1) << false << 60
        << u"the last Sunday in October at 02:00 AM"_s;
    QTest::newRow("standard rule past midnight")
        << Rule(10, LastWeekday, 0, Sunday, 23, 30) << false << 60
        << u"the first Monday on or after 26 October at 12:30 AM"_s;
    QTest::newRow("standard rule with 30 minutes of saving")
        << Rule(4, OnOrBefore, 7, Sunday, 15) << false << 30
        << u"the first Sunday on or before 7 April at 03:30 PM"_s;
    QTest::newRow("negative saving wraps back")
        << Rule(10, DayOfMonth, 5, 0, 0, 30) << false << -60 << u"4 October at 11:30 PM"_s;
    QTest::newRow("no weekday") << Rule(3, LastWeekday, 0, 0, 1) << true << 60
                                << u"an unknown day in March at 01:00 AM"_s;
    QTest::newRow("no such day") << Rule(4, DayOfMonth, 31, 0, 1) << true << 60
                                 << u"an unknown day in April at 01:00 AM"_s;
    QTest::newRow("29 February exists in leap years")
        << Rule(2, DayOfMonth, 29, 0, 1) << true << 60 << u"29 February at 01:00 AM"_s;
    QTest::newRow("type 3 naming no real day") << Rule(3, OnOrBefore, 0, Sunday, 1) << true << 60
                                               << u"the first Sunday in March at 01:00 AM"_s;
    QTest::newRow("missing standard rule") << TZoneRule() << false << 60 << u"an unknown day"_s;
}

void TestTzConversion::ruleDescription()
{
    QFETCH(TZoneRule, rule);
    QFETCH(bool, daylightRule);
    QFETCH(int, daylightOffset);
    QFETCH(QString, expected);
    TTimeZone zone;
    zone.DaylightOffset = daylightOffset;
    (daylightRule ? zone.DaylightRule : zone.StandardRule) = rule;
    QCOMPARE(zone.RuleDescription(daylightRule), expected);
}

void TestTzConversion::ruleDescriptionInLocalTime_data()
{
    QTest::addColumn<int>("utcOffset");
    QTest::addColumn<int>("daylightOffset");
    QTest::addColumn<bool>("daylightRule");
    QTest::addColumn<TZoneRule>("rule");
    QTest::addColumn<QString>("expected");
    // New York: 07:00 UTC is 02:00 EST; 06:00 UTC is 02:00 EDT.
    QTest::newRow("New York, daylight begins")
        << -300 << 60 << true << Rule(3, OnOrAfter, 8, Sunday, 7)
        << u"the first Sunday on or after 8 March at 02:00 AM"_s;
    QTest::newRow("New York, standard resumes")
        << -300 << 60 << false << Rule(11, OnOrAfter, 1, Sunday, 6)
        << u"the first Sunday on or after 1 November at 02:00 AM"_s;
    // Sydney: a Saturday 16:00 UTC is the Sunday after, 02:00 AEST or 03:00
    // AEDT, and the day leaves the month.
    QTest::newRow("Sydney, daylight begins")
        << 600 << 60 << true << Rule(9, OnOrAfter, 30, 7, 16)
        << u"the first Sunday on or after 1 October at 02:00 AM"_s;
    QTest::newRow("Sydney, standard resumes")
        << 600 << 60 << false << Rule(3, OnOrAfter, 31, 7, 16)
        << u"the first Sunday on or after 1 April at 03:00 AM"_s;
    QTest::newRow("London keeps the UTC day")
        << 0 << 60 << false << Rule(10, LastWeekday, 0, Sunday, 1)
        << u"the last Sunday in October at 02:00 AM"_s;
    QTest::newRow("west of Greenwich, back into the month before")
        << -300 << 60 << false << Rule(11, OnOrAfter, 1, Sunday, 1)
        << u"the first Saturday on or after 31 October at 09:00 PM"_s;
    QTest::newRow("last weekday moved on")
        << 600 << 60 << true << Rule(3, LastWeekday, 0, Sunday, 16)
        << u"the first Monday on or after 26 March at 02:00 AM"_s;
    QTest::newRow("last weekday moved back")
        << -300 << 60 << true << Rule(10, LastWeekday, 0, Sunday, 2)
        << u"the first Saturday on or after 24 October at 09:00 PM"_s;
    QTest::newRow("first weekday moved back into December")
        << -300 << 60 << true << Rule(1, OnOrBefore, 7, Sunday, 2)
        << u"the first Saturday on or after 31 December at 09:00 PM"_s;
    QTest::newRow("day of month over the year's end")
        << 120 << 60 << true << Rule(12, DayOfMonth, 31, 0, 23) << u"1 January at 01:00 AM"_s;
    // February's length changes with the year: no fixed day can name it.
    QTest::newRow("out of February") << 120 << 60 << true << Rule(2, LastWeekday, 0, Sunday, 23)
                                     << u"the day after the last Sunday in February at 01:00 AM"_s;
    QTest::newRow("back into February") << -300 << 60 << true << Rule(3, OnOrAfter, 1, Sunday, 2)
                                        << u"the day before the first Sunday on or after 1 March "
                                           u"at 09:00 PM"_s;
    QTest::newRow("an unknown day stays unknown")
        << 600 << 60 << true << Rule(3, LastWeekday, 0, 0, 16)
        << u"an unknown day in March at 02:00 AM"_s;
}

void TestTzConversion::ruleDescriptionInLocalTime()
{
    QFETCH(int, utcOffset);
    QFETCH(int, daylightOffset);
    QFETCH(bool, daylightRule);
    QFETCH(TZoneRule, rule);
    QFETCH(QString, expected);
    TTimeZone zone;
    zone.UTCOffset = utcOffset;
    zone.DaylightOffset = daylightOffset;
    (daylightRule ? zone.DaylightRule : zone.StandardRule) = rule;
    QCOMPARE(zone.RuleDescription(daylightRule), expected);
}

namespace {

// The date a rule sentence names in a year, read back from its words; an
// invalid date when the words are not understood.
QDate DateNamed(const QString &phrase, int year)
{
    static const QRegularExpression shifted(u"^the day (after|before) (.*)$"_s);
    static const QRegularExpression dayOfMonth(u"^(\\d+) (\\w+)$"_s);
    static const QRegularExpression last(u"^the last (\\w+) in (\\w+)$"_s);
    static const QRegularExpression onOrAfter(u"^the first (\\w+) on or after (\\d+) (\\w+)$"_s);
    static const QRegularExpression firstOf(
        u"^the first (\\w+) (?:on or before \\d+ |in )(\\w+)$"_s);
    // The sentences are English without a translator, as C's names are.
    const auto month = [](const QString &name) {
        for (int m = 1; m <= 12; ++m) {
            if (QLocale::c().monthName(m) == name) {
                return m;
            }
        }
        return 0;
    };
    const auto weekday = [](const QString &name) { // QDate's: Monday 1 … Sunday 7
        for (int d = 1; d <= 7; ++d) {
            if (QLocale::c().dayName(d) == name) {
                return d;
            }
        }
        return 0;
    };
    const auto onOrAfterDay = [](QDate date, int dayOfWeek) {
        return date.addDays((dayOfWeek - date.dayOfWeek() + 7) % 7);
    };
    if (auto m = shifted.match(phrase); m.hasMatch()) {
        return DateNamed(m.captured(2), year).addDays(m.captured(1) == u"after"_s ? 1 : -1);
    }
    if (auto m = dayOfMonth.match(phrase); m.hasMatch()) {
        return QDate(year, month(m.captured(2)), m.captured(1).toInt());
    }
    if (auto m = last.match(phrase); m.hasMatch()) {
        const QDate end = QDate(year, month(m.captured(2)), 1).addMonths(1).addDays(-7);
        return onOrAfterDay(end, weekday(m.captured(1)));
    }
    if (auto m = onOrAfter.match(phrase); m.hasMatch()) {
        return onOrAfterDay(QDate(year, month(m.captured(3)), m.captured(2).toInt()),
                            weekday(m.captured(1)));
    }
    if (auto m = firstOf.match(phrase); m.hasMatch()) {
        return onOrAfterDay(QDate(year, month(m.captured(2)), 1), weekday(m.captured(1)));
    }
    return {};
}

} // namespace

// Every shipped zone over ten years: the day and time a rule sentence names
// are where the zone's clocks stand at the moment of the change.
void TestTzConversion::ruleDescriptionNamesTheLocalChange()
{
    TTimeZoneList list;
    list.LoadFromZoneFile(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));
    QVERIFY(list.Count() > 300);
    static const QRegularExpression sentence(u"^(.*) at (\\d\\d:\\d\\d [AP]M)$"_s);
    const int firstYear = QDate::currentDate().year();
    int checked = 0;
    for (int i = 0; i < list.Count(); ++i) {
        const TTimeZone &zone = *list.ZoneAt(i);
        if (!zone.HasDaylight()) {
            continue;
        }
        for (const bool daylightRule : {true, false}) {
            const QString text = zone.RuleDescription(daylightRule);
            const auto parts = sentence.match(text);
            QVERIFY2(parts.hasMatch(), qPrintable(zone.Name + u": "_s + text));
            const TZoneRule &rule = daylightRule ? zone.DaylightRule : zone.StandardRule;
            for (int year = firstYear; year < firstYear + 10; ++year) {
                const TDateTime change = zone.TransitionMoment(year, rule);
                // The clocks read standard time up to the daylight change and
                // daylight time up to the standard change.
                const int offset =
                    zone.UTCOffset + (daylightRule ? zone.StandardOffset : zone.DaylightOffset);
                const TDateTime local = change + offset / MinutesPerDay;
                const QDate localDate = QDate(1899, 12, 30).addDays(qint64(std::floor(local)));
                const QString where = zone.Name + u" "_s + QString::number(year) + u": "_s + text;
                QVERIFY2(DateNamed(parts.captured(1), localDate.year()) == localDate,
                         qPrintable(where));
                QVERIFY2(parts.captured(2) == FormatDateTime(u"hh:nn ampm"_s, local),
                         qPrintable(where));
                ++checked;
            }
        }
    }
    QVERIFY(checked > 1000);
}

QTEST_GUILESS_MAIN(TestTzConversion)
#include "tst_tzconversion.moc"
