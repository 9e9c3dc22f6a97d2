// The sentences that tell the user how a zone's clock stands and changes.
#include "platform/formatsettings.h"
#include "timezones/tzhelpers.h"
#include "timezones/zonetexts.h"

#include <QTest>
#include <cmath>

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
    QTest::newRow("rules") << TKind::Berlin << berlin;
    QTest::newRow("stated changes alone") << TKind::Stated << published;
    QTest::newRow("rules and stated changes")
        << TKind::StatedWithRules << berlin + u'\n' + published;
    QTest::newRow("no changes at all") << TKind::Plain << QString();
}

void TestZoneTexts::rulesText()
{
    QFETCH(TKind, kind);
    QFETCH(QString, expected);
    TTimeZone zone;
    MakeZone(zone, kind);
    QCOMPARE(ZoneRulesText(zone), expected);
}

QTEST_GUILESS_MAIN(TestZoneTexts)
#include "tst_zonetexts.moc"
