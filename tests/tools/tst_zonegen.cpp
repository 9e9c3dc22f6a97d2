#include "posixconvert.h"
#include "zonedatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace zonegen;

namespace {

QByteArray RuleText(const TRule &rule)
{
    if (rule.Month == 0)
        return "none";
    return QByteArray::number(rule.Month) + '/' + QByteArray::number(static_cast<int>(rule.Type)) +
           '/' + QByteArray::number(rule.Day) + '/' + QByteArray::number(rule.DayOfWeek) + ' ' +
           QByteArray::fromStdString(RuleTimeText(rule.Time));
}

Seconds Utc(int year, int month, int day, int hour, int minute = 0)
{
    return DaysFromCivil(year, month, day) * SecondsPerDay + hour * 3600 + minute * 60;
}

// A version 2 TZif file: an empty 32-bit block, then the 64-bit data.
struct TTzifBuilder
{
    struct TType
    {
        std::int32_t Offset;
        bool IsDst;
        QByteArray Abbr;
    };
    std::vector<TType> Types;
    std::vector<std::pair<Seconds, std::uint8_t>> Transitions;
    QByteArray Footer;

    static void Put(QByteArray &out, std::uint64_t value, int size)
    {
        for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
            out += static_cast<char>((value >> shift) & 0xff);
    }
    static void Header(QByteArray &out, std::uint32_t times, std::uint32_t types,
                       std::uint32_t chars)
    {
        out += "TZif2";
        out += QByteArray(15, '\0');
        for (std::uint32_t count : {0u, 0u, 0u, times, types, chars})
            Put(out, count, 4);
    }
    QByteArray Bytes() const
    {
        QByteArray out;
        Header(out, 0, 1, 1);
        out += QByteArray(6, '\0') + '\0'; // one UTC type, one empty abbreviation
        QByteArray chars;
        std::vector<int> abbrAt;
        for (const TType &type : Types) {
            abbrAt.push_back(static_cast<int>(chars.size()));
            chars += type.Abbr + '\0';
        }
        Header(out, static_cast<std::uint32_t>(Transitions.size()),
               static_cast<std::uint32_t>(Types.size()), static_cast<std::uint32_t>(chars.size()));
        for (const auto &transition : Transitions)
            Put(out, static_cast<std::uint64_t>(transition.first), 8);
        for (const auto &transition : Transitions)
            out += static_cast<char>(transition.second);
        for (std::size_t i = 0; i < Types.size(); ++i) {
            Put(out, static_cast<std::uint32_t>(Types[i].Offset), 4);
            out += static_cast<char>(Types[i].IsDst ? 1 : 0);
            out += static_cast<char>(abbrAt[i]);
        }
        out += chars;
        out += '\n' + Footer + '\n';
        return out;
    }
};

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestZoneGen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void posixToZone_data();
    void posixToZone();
    void posixWithoutExactRule_data();
    void posixWithoutExactRule();
    void malformedPosix_data();
    void malformedPosix();
    void databaseFromTzDirectory();
    void ruleChangeWithinTheYear();
    void noTzDatabase();
};

void TestZoneGen::posixToZone_data()
{
    QTest::addColumn<QByteArray>("posix");
    QTest::addColumn<int>("utcOffset");
    QTest::addColumn<QByteArray>("standardAbbr");
    QTest::addColumn<int>("daylightOffset");
    QTest::addColumn<QByteArray>("daylightAbbr");
    QTest::addColumn<QByteArray>("daylightRule"); // month/type/day/weekday time (UTC)
    QTest::addColumn<QByteArray>("standardRule");

    // Rules read: month / type (0 day, 1 last, 2 on or after, 3 first) / day /
    // weekday (1 = Sunday) and the UTC time of day.
    QTest::newRow("Central Europe: 02:00 CET and 03:00 CEST are both 01:00 UTC")
        << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3") << 60 << QByteArray("CET") << 60
        << QByteArray("CEST") << QByteArray("3/1/0/1 1:00") << QByteArray("10/1/0/1 1:00");
    QTest::newRow("US Eastern: second Sunday of March is the first on or after the 8th")
        << QByteArray("EST5EDT,M3.2.0,M11.1.0") << -300 << QByteArray("EST") << 60
        << QByteArray("EDT") << QByteArray("3/2/8/1 7:00") << QByteArray("11/2/1/1 6:00");
    QTest::newRow("Sydney: 02:00 Sunday local is Saturday 16:00 UTC, from 30 September")
        << QByteArray("AEST-10AEDT,M10.1.0,M4.1.0/3") << 600 << QByteArray("AEST") << 60
        << QByteArray("AEDT") << QByteArray("9/2/30/7 16:00") << QByteArray("3/2/31/7 16:00");
    QTest::newRow("Lord Howe: a 30-minute saving, half-hour UTC times")
        << QByteArray("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0") << 630 << QByteArray("+1030") << 30
        << QByteArray("+11") << QByteArray("9/2/30/7 15:30") << QByteArray("3/2/31/7 15:00");
    QTest::newRow("Santiago: Saturday 24:00 local is Sunday 04:00 / 03:00 UTC")
        << QByteArray("<-04>4<-03>,M9.1.6/24,M4.1.6/24") << -240 << QByteArray("-04") << 60
        << QByteArray("-03") << QByteArray("9/2/2/1 4:00") << QByteArray("4/2/2/1 3:00");
    QTest::newRow("Dublin: negative saving turned round, IST is the summer")
        << QByteArray("IST-1GMT0,M10.5.0,M3.5.0/1") << 0 << QByteArray("GMT") << 60
        << QByteArray("IST") << QByteArray("3/1/0/1 1:00") << QByteArray("10/1/0/1 1:00");
    QTest::newRow("Nuuk: rule time -1:00 local is 01:00 UTC the same day")
        << QByteArray("<-02>2<-01>,M3.5.0/-1,M10.5.0/0") << -120 << QByteArray("-02") << 60
        << QByteArray("-01") << QByteArray("3/1/0/1 1:00") << QByteArray("10/1/0/1 1:00");
    QTest::newRow("Jerusalem: Thursday 26:00 is Friday 00:00 UTC; last Sunday 02:00 IDT is "
                  "Saturday 23:00 UTC")
        << QByteArray("IST-2IDT,M3.4.4/26,M10.5.0") << 120 << QByteArray("IST") << 60
        << QByteArray("IDT") << QByteArray("3/2/23/6 0:00") << QByteArray("10/2/24/7 23:00");
    QTest::newRow("Gaza: Thursday 50:00 is Saturday; the end falls back to Friday 23:00 UTC")
        << QByteArray("EET-2EEST,M3.4.4/50,M10.4.4/50") << 120 << QByteArray("EET") << 60
        << QByteArray("EEST") << QByteArray("3/2/24/7 0:00") << QByteArray("10/2/23/6 23:00");
    QTest::newRow("Cairo: last Friday 00:00 local is the Thursday before in UTC")
        << QByteArray("EET-2EEST,M4.5.5/0,M10.5.4/24") << 120 << QByteArray("EET") << 60
        << QByteArray("EEST") << QByteArray("4/2/23/5 22:00") << QByteArray("10/1/0/5 21:00");
    QTest::newRow("Chatham: 12:45 offset, rules at 02:45 and 03:45 local")
        << QByteArray("<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45") << 765 << QByteArray("+1245")
        << 60 << QByteArray("+1345") << QByteArray("9/2/23/7 14:00")
        << QByteArray("3/2/31/7 14:00");
    QTest::newRow("Troll: a two-hour saving")
        << QByteArray("<+00>0<+02>-2,M3.5.0/1,M10.5.0/3") << 0 << QByteArray("+00") << 120
        << QByteArray("+02") << QByteArray("3/1/0/1 1:00") << QByteArray("10/1/0/1 1:00");
    QTest::newRow("fixed days of the year (J form)")
        << QByteArray("AAA3BBB,J60/2,J300/2") << -180 << QByteArray("AAA") << 60
        << QByteArray("BBB") << QByteArray("3/0/1/0 5:00") << QByteArray("10/0/27/0 4:00");
    QTest::newRow("Kolkata: 5:30, no daylight time")
        << QByteArray("IST-5:30") << 330 << QByteArray("IST") << 0 << QByteArray("")
        << QByteArray("none") << QByteArray("none");
    QTest::newRow("Kathmandu: 5:45, numeric abbreviation without brackets")
        << QByteArray("<+0545>-5:45") << 345 << QByteArray("+0545") << 0 << QByteArray("")
        << QByteArray("none") << QByteArray("none");
    QTest::newRow("daylight time all year round is a fixed offset")
        << QByteArray("EST5EDT,0/0,J365/25") << -240 << QByteArray("EDT") << 0 << QByteArray("")
        << QByteArray("none") << QByteArray("none");
}

void TestZoneGen::posixToZone()
{
    QFETCH(QByteArray, posix);
    QFETCH(int, utcOffset);
    QFETCH(QByteArray, standardAbbr);
    QFETCH(int, daylightOffset);
    QFETCH(QByteArray, daylightAbbr);
    QFETCH(QByteArray, daylightRule);
    QFETCH(QByteArray, standardRule);

    const auto tz = ParsePosixTz(posix.toStdString());
    QVERIFY(tz);
    const auto zone = ZoneFromPosix(*tz, 2026);
    QVERIFY(zone);
    QCOMPARE(zone->UTCOffset, utcOffset);
    QCOMPARE(QByteArray::fromStdString(zone->StandardAbbr), standardAbbr);
    QCOMPARE(zone->DaylightOffset, daylightOffset);
    QCOMPARE(QByteArray::fromStdString(zone->DaylightAbbr), daylightAbbr);
    QCOMPARE(RuleText(zone->DaylightRule), daylightRule);
    QCOMPARE(RuleText(zone->StandardRule), standardRule);

    // The rules must give the POSIX rule's clock, leap years and all.
    const TTimeline truth = TTimeline::FromPosix(*tz, YearStart(2020), YearStart(2050));
    const std::vector<TInterval> wrong = Mismatches(*zone, truth);
    QVERIFY2(wrong.empty(), wrong.empty() ? "" : UtcMinuteText(wrong.front().From).c_str());
}

void TestZoneGen::posixWithoutExactRule_data()
{
    QTest::addColumn<QByteArray>("posix");
    // 01:00 local at +10 is the evening before in UTC: the last day of
    // February, which moves with leap years.
    QTest::newRow("first Sunday of March, a day earlier in UTC")
        << QByteArray("AAA-10BBB,M3.1.0/1,M10.5.0");
    QTest::newRow("last Sunday of February, a day earlier in UTC")
        << QByteArray("AAA-10BBB,M2.5.0/1,M10.5.0");
    QTest::newRow("1 March by the J form, a day earlier in UTC")
        << QByteArray("AAA-10BBB,J60/1,M10.5.0");
    QTest::newRow("first Sunday of January, into December in UTC")
        << QByteArray("AAA-10BBB,M10.5.0,M1.1.0/1");
}

void TestZoneGen::posixWithoutExactRule()
{
    QFETCH(QByteArray, posix);
    const auto tz = ParsePosixTz(posix.toStdString());
    QVERIFY(tz);
    QVERIFY(!ZoneFromPosix(*tz, 2026));
}

void TestZoneGen::malformedPosix_data()
{
    QTest::addColumn<QByteArray>("posix");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("no offset") << QByteArray("EST");
    QTest::newRow("two-letter abbreviation") << QByteArray("ES5");
    QTest::newRow("unclosed bracket") << QByteArray("<+05-5");
    QTest::newRow("month 13") << QByteArray("EST5EDT,M13.1.0,M11.1.0");
    QTest::newRow("week 6") << QByteArray("EST5EDT,M3.6.0,M11.1.0");
    QTest::newRow("one rule only") << QByteArray("EST5EDT,M3.2.0");
    QTest::newRow("time beyond 167 hours") << QByteArray("EST5EDT,M3.2.0/168,M11.1.0");
    QTest::newRow("trailing text") << QByteArray("EST5EDT,M3.2.0,M11.1.0x");
}

void TestZoneGen::malformedPosix()
{
    QFETCH(QByteArray, posix);
    QVERIFY(!ParsePosixTz(posix.toStdString()));
}

void TestZoneGen::databaseFromTzDirectory()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Africa")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Europe")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Etc")));
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("tzdata.zi")),
                      "# version 2099z\n"
                      "Z Africa/Ramadan_Town 0:00 - +00\n"
                      "Z Europe/Plain 1:00 - CET\n"
                      "Z Europe/Broken 1:00 - CET\n"
                      "Z CET 1:00 - CET\n"
                      "L Europe/Plain Europe/Alias\n"
                      "L Europe/Alias Europe/Older_Alias\n"
                      "L Europe/Broken Europe/Broken_Alias\n"
                      "L Europe/Loop_A Europe/Loop_B\n"
                      "L Europe/Loop_B Europe/Loop_A\n"));

    // +01 all year, +00 around Ramadan, which comes eleven days earlier
    // each year; from 2033 on the tz data stops listing changes.
    TTzifBuilder ramadan;
    ramadan.Types = {{3600, false, "+01"}, {0, true, "+00"}};
    ramadan.Transitions = {
        {Utc(2030, 2, 3, 2), 1}, {Utc(2030, 3, 10, 2), 0}, {Utc(2031, 1, 26, 2), 1},
        {Utc(2031, 3, 2, 2), 0}, {Utc(2032, 1, 16, 2), 1}, {Utc(2032, 2, 20, 2), 0},
    };
    ramadan.Footer = "<+01>-1";
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("Africa/Ramadan_Town")), ramadan.Bytes()));
    TTzifBuilder plain;
    plain.Types = {{3600, false, "CET"}};
    plain.Footer = "CET-1CEST,M3.5.0,M10.5.0/3";
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("Europe/Plain")), plain.Bytes()));
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("Europe/Broken")), "TZif2 but nothing else"));
    TTzifBuilder utc;
    utc.Types = {{0, false, "UTC"}};
    utc.Footer = "UTC0";
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("Etc/UTC")), utc.Bytes()));

    TGeneratorOptions options;
    options.TzDir = dir.path().toStdString();
    options.Fit.FirstYear = 2030;
    options.Fit.Years = 5;
    options.Fit.Focus = YearStart(2030);
    std::string error;
    const auto database = GenerateZoneDatabase(options, error);
    QVERIFY2(database, error.c_str());

    QCOMPARE(database->Version, std::string("2099z"));
    QCOMPARE(database->Zones.size(), std::size_t{3});
    QCOMPARE(database->Zones[0].Fit.Zone.Name, std::string("Africa/Ramadan Town"));
    QCOMPARE(database->Zones[1].Fit.Zone.Name, std::string("Etc/UTC"));
    QCOMPARE(database->Zones[2].Fit.Zone.Name, std::string("Europe/Plain"));
    QCOMPARE(database->LeftOut.size(), std::size_t{1});
    QCOMPARE(database->LeftOut[0].TzName, std::string("Europe/Broken"));
    QCOMPARE(database->ExactCount(), 3);
    QCOMPARE(database->StatedCount(), 1);
    QCOMPARE(database->ExactInFirstYearCount(), 3);

    // The Ramadan zone's rules are right for 2030 only: inside the 2031
    // change they keep 2030's dates, and from 2033 on they still drop to +00
    // each February. Its changes are stated instead, and it is exact.
    const TZoneResult &town = database->Zones[0];
    QCOMPARE(town.Fit.Zone.UTCOffset, 0);
    QCOMPARE(town.Fit.Zone.DaylightOffset, 60);
    QVERIFY(town.Fit.Wrong.empty());
    QCOMPARE(town.Fit.Zone.Changes.size(), std::size_t{7});
    QCOMPARE(town.Fit.Zone.ChangesUntil, YearStart(2035));
    QCOMPARE(LengthWithin(town.Fit.RulesWrong, YearStart(2030), YearStart(2031)), Seconds{0});
    const auto covered = [&town](Seconds t) {
        return std::any_of(town.Fit.RulesWrong.begin(), town.Fit.RulesWrong.end(),
                           [t](const TInterval &i) { return i.From <= t && t < i.To; });
    };
    QVERIFY(covered(Utc(2031, 1, 28, 12)));
    QVERIFY(covered(Utc(2033, 2, 15, 12)));
    QVERIFY(!covered(Utc(2031, 7, 1, 12)));

    const std::string text = ZoneFileText(*database);
    QVERIFY(text.rfind("# version 2099z, checked for 2030-2034\n", 0) == 0);
    QVERIFY(text.find("[Africa/Ramadan Town]\n# changes stated outright: ") != std::string::npos);
    QVERIFY(text.find("# wrong from") == std::string::npos);
    QVERIFY(text.find("DaylightOnTime=2:00\nChangesUntil=2035-01-01 00:00\nChangeCount=7\n"
                      "Change1=2030-01-01 00:00,60,standard,+01\n"
                      "Change2=2030-02-03 02:00,0,daylight,+00\n") != std::string::npos);
    QVERIFY(text.find("[Europe/Plain]\nUTCOffset=60\nStandardAbbr=CET\nStandardOffset=0\n"
                      "StandardOnMonth=10\nStandardOnType=1\nStandardOnDay=0\n"
                      "StandardOnDayOfWeek=1\nStandardOnTime=1:00\nDaylightAbbr=CEST\n"
                      "DaylightOffset=60\nDaylightOnMonth=3\nDaylightOnType=1\nDaylightOnDay=0\n"
                      "DaylightOnDayOfWeek=1\nDaylightOnTime=1:00\n") != std::string::npos);
    QVERIFY(text.find("[Etc/UTC]\nUTCOffset=0\nStandardAbbr=UTC\nStandardOffset=0\n"
                      "StandardOnMonth=0\nDaylightAbbr=\nDaylightOffset=0\nDaylightOnMonth=0\n") !=
            std::string::npos);
    // Links name their zone's aliases, also through another link; a link to
    // a zone left out or to no zone names none.
    QVERIFY(text.find("DaylightOnTime=1:00\nAliases=Europe/Alias;Europe/Older Alias\n") !=
            std::string::npos);
    QCOMPARE(text.find("Aliases="), text.rfind("Aliases="));
    QVERIFY(text.find("Broken") == std::string::npos);
    QVERIFY(text.find("Loop") == std::string::npos);

    const std::string report = ReportText(*database);
    QVERIFY(report.find("zones written: 3\n") != std::string::npos);
    QVERIFY(report.find("exact over 2030-2034: 3 of 3\n") != std::string::npos);
    QVERIFY(report.find("zones with their changes stated outright: 1\n  Africa/Ramadan_Town: ") !=
            std::string::npos);
    QVERIFY(report.find("  Europe/Broken: ") != std::string::npos);
}

void TestZoneGen::ruleChangeWithinTheYear()
{
    // Daylight time in spring, then a fixed offset from November on: no
    // pair of yearly rules gives all of that year, so the rules follow what
    // the clock will show from now on and the year's changes are stated.
    TTzifBuilder builder;
    builder.Types = {{-28800, false, "PST"}, {-25200, true, "PDT"}, {-25200, false, "MST"}};
    builder.Transitions = {{Utc(2030, 3, 10, 10), 1}, {Utc(2030, 11, 3, 9), 2}};
    builder.Footer = "MST7";
    std::string error;
    const auto data = ParseTzif(builder.Bytes().toStdString(), error);
    QVERIFY2(data, error.c_str());

    TFitOptions options;
    options.FirstYear = 2030;
    options.Years = 10;
    options.Focus = Utc(2030, 12, 1, 0);
    std::string reason;
    const auto fit = FitZone(*data, options, reason);
    QVERIFY(fit);
    QCOMPARE(fit->Zone.UTCOffset, -420);
    QCOMPARE(fit->Zone.StandardAbbr, std::string("MST"));
    QVERIFY(!fit->Zone.HasDaylight());
    QCOMPARE(fit->RulesWrong, (std::vector<TInterval>{{YearStart(2030), Utc(2030, 11, 3, 9)}}));
    QVERIFY(fit->Wrong.empty());
    QCOMPARE(fit->Zone.Changes,
             (std::vector<TStatedChange>{{YearStart(2030), -28800, false, "PST"},
                                         {Utc(2030, 3, 10, 10), -25200, true, "PDT"},
                                         {Utc(2030, 11, 3, 9), -25200, false, "MST"}}));
}

void TestZoneGen::noTzDatabase()
{
    QTemporaryDir dir;
    TGeneratorOptions options;
    options.TzDir = dir.path().toStdString();
    std::string error;
    QVERIFY(!GenerateZoneDatabase(options, error));
    QVERIFY(error.find("no tz database") != std::string::npos);
}

QTEST_GUILESS_MAIN(TestZoneGen)
#include "tst_zonegen.moc"
