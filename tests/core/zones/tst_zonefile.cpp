// The zone database reader and the zone list.
#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonefile.h"
#include "core/zones/zonetexts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TZoneRule)

namespace {

const QString DataDir = QStringLiteral(VORKEL_TEST_DATA "/zones");

// A section that needs nothing but its header and the two month keys.
QStringList Section(const QString &header, const QStringList &keys = {})
{
    return QStringList{header} + keys + QStringList{u"StandardOnMonth=0"_s, u"DaylightOnMonth=0"_s};
}

// "Name=UTCOffset" for every entry, in list order.
QString Summary(const TTimeZoneList &list)
{
    QStringList parts;
    for (int i = 0; i < list.Count(); ++i) {
        parts << list.Strings(i) + u'=' + QString::number(list.ZoneAt(i)->UTCOffset);
    }
    return parts.join(u'|');
}

TZoneRule Rule(int month, TZoneRuleType type, int day, int weekday, TDateTime time)
{
    TZoneRule r;
    r.OnMonth = static_cast<std::uint8_t>(month);
    r.OnType = type;
    r.OnDay = static_cast<std::uint8_t>(day);
    r.OnDayOfWeek = static_cast<std::uint8_t>(weekday);
    r.OnTime = time;
    return r;
}

const QStringList HarbourtownRules = {
    u"StandardOnMonth=10"_s,    u"StandardOnType=1"_s,    u"StandardOnDay=0"_s,
    u"StandardOnDayOfWeek=1"_s, u"StandardOnTime=1:00"_s, u"DaylightOnMonth=3"_s,
    u"DaylightOnType=1"_s,      u"DaylightOnDay=0"_s,     u"DaylightOnDayOfWeek=1"_s};

std::unique_ptr<TTimeZone> Zone(const QString &name, int utcOffset)
{
    auto zone = std::make_unique<TTimeZone>();
    zone->Name = name;
    zone->UTCOffset = utcOffset;
    return zone;
}

} // namespace

class TestZoneFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sections_data();
    void sections();
    void keys_data();
    void keys();
    void rules_data();
    void rules();
    void statedChanges_data();
    void statedChanges();
    void errorKeepsEarlierZones();
    void files_data();
    void files();
    void zonelessFileIsAnError_data();
    void zonelessFileIsAnError();
    void aliases_data();
    void aliases();
    void openErrors();
    void unreadableFile_data();
    void unreadableFile();
    void shippedDatabase();
    void fileVersion_data();
    void fileVersion();
    void decode_data();
    void decode();
    void splitLines_data();
    void splitLines();
    void sortedList();
    void unsortedList();
};

void TestZoneFile::initTestCase()
{
    SetFormatSettings(TFormatSettings::British());
}

void TestZoneFile::sections_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expected");
    const QStringList one = Section(u"[A/One]"_s, {u"UTCOffset=60"_s});
    QTest::newRow("empty text") << QStringList() << QString();
    QTest::newRow("no header") << QStringList{u"UTCOffset=60"_s, u"# note"_s} << QString();
    QTest::newRow("last line a key line") << one << u"A/One=60"_s;
    QTest::newRow("last line blank") << one + QStringList{QString()} << u"A/One=60"_s;
    QTest::newRow("last line a comment") << one + QStringList{u"  # end"_s} << u"A/One=60"_s;
    // The closing header opens no zone of its own.
    QTest::newRow("last line a header") << one + QStringList{u"[B/Two]"_s} << u"A/One=60"_s;
    QTest::newRow("a lone header") << QStringList{u"[A/One]"_s} << QString();
    QTest::newRow("lines before the first header ignored")
        << QStringList{u"UTCOffset=99"_s, u"zone [A/Zero]"_s} + one << u"A/One=60"_s;
    QTest::newRow("blanks before the header stay in the name")
        << Section(u"  [A/One]"_s) << u"  A/One=0"_s;
    QTest::newRow("tab before the header") << Section(u"\t[A/One]"_s) << u"\tA/One=0"_s;
    QTest::newRow("text after the bracket stays")
        << Section(u"[A/One] (old)"_s) << u"A/One (old)=0"_s;
    QTest::newRow("every bracket removed") << Section(u"[A/[One]]"_s) << u"A/One=0"_s;
    QTest::newRow("sorted, any case")
        << Section(u"[b/Two]"_s, {u"UTCOffset=2"_s}) + Section(u"[A/One]"_s, {u"UTCOffset=1"_s})
        << u"A/One=1|b/Two=2"_s;
    QTest::newRow("a duplicate by case is dropped, the first stays")
        << one + Section(u"[a/ONE]"_s, {u"UTCOffset=120"_s}) << u"A/One=60"_s;
    QTest::newRow("out of order with duplicates: sorted, the first read stays")
        << Section(u"[C/Three]"_s) + Section(u"[b/two]"_s, {u"UTCOffset=1"_s}) + one +
               Section(u"[B/Two]"_s, {u"UTCOffset=2"_s}) + Section(u"[a/one]"_s)
        << u"A/One=60|b/two=1|C/Three=0"_s;
    QTest::newRow("keys after a comment and a blank line")
        << QStringList{u"[A/One]"_s,      u"# offset"_s,          QString(),
                       u"UTCOffset=30"_s, u"StandardOnMonth=0"_s, u"DaylightOnMonth=0"_s,
                       u"[B/Two]"_s,      u"StandardOnMonth=0"_s, u"DaylightOnMonth=0"_s}
        << u"A/One=30|B/Two=0"_s;
}

void TestZoneFile::sections()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    TTimeZoneList list;
    list.LoadFromZoneText(lines);
    QCOMPARE(Summary(list), expected);
}

void TestZoneFile::keys_data()
{
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<int>("utcOffset");
    QTest::addColumn<QString>("standardAbbr");
    QTest::newRow("plain") << QStringList{u"UTCOffset=60"_s} << 60 << QString();
    QTest::newRow("key in lower case") << QStringList{u"utcoffset=60"_s} << 60 << QString();
    QTest::newRow("blank before the key") << QStringList{u" UTCOffset=60"_s} << 0 << QString();
    QTest::newRow("blank before the =") << QStringList{u"UTCOffset =60"_s} << 0 << QString();
    QTest::newRow("blank after the =") << QStringList{u"UTCOffset= 60"_s} << 60 << QString();
    QTest::newRow("negative") << QStringList{u"UTCOffset=-330"_s} << -330 << QString();
    QTest::newRow("plus sign") << QStringList{u"UTCOffset=+45"_s} << 45 << QString();
    QTest::newRow("trailing blank") << QStringList{u"UTCOffset=60 "_s} << 0 << QString();
    QTest::newRow("tab is no blank") << QStringList{u"UTCOffset=\t60"_s} << 0 << QString();
    QTest::newRow("hex with $") << QStringList{u"UTCOffset=$3C"_s} << 60 << QString();
    QTest::newRow("hex with 0x") << QStringList{u"UTCOffset=0x3c"_s} << 60 << QString();
    QTest::newRow("negative hex") << QStringList{u"UTCOffset=-0X1E"_s} << -30 << QString();
    QTest::newRow("$ alone") << QStringList{u"UTCOffset=$"_s} << 0 << QString();
    QTest::newRow("0x alone") << QStringList{u"UTCOffset=0x"_s} << 0 << QString();
    QTest::newRow("sign alone") << QStringList{u"UTCOffset=-"_s} << 0 << QString();
    QTest::newRow("decimal point") << QStringList{u"UTCOffset=5.5"_s} << 0 << QString();
    QTest::newRow("largest") << QStringList{u"UTCOffset=2147483647"_s}
                             << std::numeric_limits<int>::max() << QString();
    QTest::newRow("smallest") << QStringList{u"UTCOffset=-2147483648"_s}
                              << std::numeric_limits<int>::min() << QString();
    QTest::newRow("out of range") << QStringList{u"UTCOffset=2147483648"_s} << 0 << QString();
    QTest::newRow("hex out of range") << QStringList{u"UTCOffset=$FFFFFFFF"_s} << 0 << QString();
    QTest::newRow("first line wins")
        << QStringList{u"UTCOffset=60"_s, u"UTCOffset=120"_s} << 60 << QString();
    QTest::newRow("first line wins even when bad")
        << QStringList{u"UTCOffset=x"_s, u"UTCOffset=120"_s} << 0 << QString();
    QTest::newRow("value after the first =") << QStringList{u"UTCOffset=60=70"_s} << 0 << QString();
    QTest::newRow("comments never match") << QStringList{u"#UTCOffset=60"_s} << 0 << QString();
    QTest::newRow("abbreviation untrimmed")
        << QStringList{u"StandardAbbr= CET "_s} << 0 << u" CET "_s;
    QTest::newRow("abbreviation keeps its =")
        << QStringList{u"standardabbr=A=B"_s} << 0 << u"A=B"_s;
}

void TestZoneFile::keys()
{
    QFETCH(QStringList, body);
    QFETCH(int, utcOffset);
    QFETCH(QString, standardAbbr);
    TTimeZone zone;
    zone.Name = u"Example/Harbourtown"_s;
    zone.LoadFromSection(body + QStringList{u"StandardOnMonth=0"_s, u"DaylightOnMonth=0"_s});
    QCOMPARE(zone.UTCOffset, utcOffset);
    QCOMPARE(zone.StandardAbbr, standardAbbr);
}

void TestZoneFile::rules_data()
{
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<QString>("error");
    QTest::addColumn<TZoneRule>("daylightRule");
    const TDateTime oneAM = EncodeTime(1, 0, 0, 0);
    const TZoneRule lastSundayOfMarch = Rule(3, TZoneRuleType::zrLastWeekday, 0, 1, oneAM);
    const QStringList rules = HarbourtownRules;
    QTest::newRow("the worked example")
        << rules + QStringList{u"DaylightOnTime=1:00"_s} << QString() << lastSundayOfMarch;
    QTest::newRow("OnTime 01:00:00")
        << rules + QStringList{u"DaylightOnTime=01:00:00"_s} << QString() << lastSundayOfMarch;
    QTest::newRow("OnTime 1:00 AM")
        << rules + QStringList{u"DaylightOnTime=1:00 AM"_s} << QString() << lastSundayOfMarch;
    QTest::newRow("OnTime 1:00am")
        << rules + QStringList{u"DaylightOnTime=1:00am"_s} << QString() << lastSundayOfMarch;
    QTest::newRow("OnTime 1:00 PM")
        << rules + QStringList{u"DaylightOnTime=1:00 PM"_s} << QString()
        << Rule(3, TZoneRuleType::zrLastWeekday, 0, 1, EncodeTime(13, 0, 0, 0));
    QTest::newRow("OnTime 13:00 PM") << rules + QStringList{u"DaylightOnTime=13:00 PM"_s}
                                     << u"'13:00 PM' is not a valid time"_s << TZoneRule();
    QTest::newRow("OnTime 24:00") << rules + QStringList{u"DaylightOnTime=24:00"_s}
                                  << u"'24:00' is not a valid time"_s << TZoneRule();
    QTest::newRow("OnTime 25:00") << rules + QStringList{u"DaylightOnTime=25:00"_s}
                                  << u"'25:00' is not a valid time"_s << TZoneRule();
    QTest::newRow("OnTime missing") << rules << u"'' is not a valid time"_s << TZoneRule();
    QTest::newRow("no rules") << QStringList{u"StandardOnMonth=0"_s, u"DaylightOnMonth=0"_s}
                              << QString() << TZoneRule();
    QTest::newRow("an empty rule reads no other key")
        << QStringList{u"StandardOnMonth=0"_s, u"StandardOnType=9"_s, u"DaylightOnMonth=0"_s,
                       u"DaylightOnTime=junk"_s}
        << QString() << TZoneRule();
    QTest::newRow("StandardOnMonth missing")
        << QStringList{u"DaylightOnMonth=0"_s} << u"Invalid StandardOnMonth value -1"_s
        << TZoneRule();
    QTest::newRow("StandardOnMonth 13")
        << QStringList{u"StandardOnMonth=13"_s, u"DaylightOnMonth=0"_s}
        << u"Invalid StandardOnMonth value 13"_s << TZoneRule();
    QTest::newRow("StandardOnMonth not a number")
        << QStringList{u"StandardOnMonth=Oct"_s, u"DaylightOnMonth=0"_s}
        << u"Invalid StandardOnMonth value -1"_s << TZoneRule();
    QTest::newRow("DaylightOnMonth negative")
        << QStringList{u"StandardOnMonth=0"_s, u"DaylightOnMonth=-2"_s}
        << u"Invalid DaylightOnMonth value -2"_s << TZoneRule();
    QTest::newRow("standard checked before daylight")
        << QStringList{u"DaylightOnMonth=99"_s} << u"Invalid StandardOnMonth value -1"_s
        << TZoneRule();
    QTest::newRow("DaylightOnType 4")
        << QStringList{u"StandardOnMonth=0"_s, u"DaylightOnMonth=3"_s, u"DaylightOnType=4"_s}
        << u"Invalid DaylightOnType value: 4"_s << TZoneRule();
    QTest::newRow("DaylightOnType missing")
        << QStringList{u"StandardOnMonth=0"_s, u"DaylightOnMonth=3"_s}
        << u"Invalid DaylightOnType value: "_s << TZoneRule();
    QTest::newRow("OnType as written")
        << QStringList{u"StandardOnMonth=0"_s, u"DaylightOnMonth=3"_s, u"DaylightOnType= x"_s}
        << u"Invalid DaylightOnType value:  x"_s << TZoneRule();
    QTest::newRow("StandardOnDay 32")
        << QStringList{u"StandardOnMonth=10"_s, u"StandardOnType=0"_s, u"StandardOnDay=32"_s}
        << u"Invalid StandardOnDay value: 32"_s << TZoneRule();
    QTest::newRow("StandardOnDayOfWeek 8")
        << QStringList{u"StandardOnMonth=10"_s, u"StandardOnType=0"_s, u"StandardOnDay=1"_s,
                       u"StandardOnDayOfWeek=8"_s}
        << u"Invalid StandardOnDayOfWeek value: 8"_s << TZoneRule();
    QTest::newRow("rule values in hex")
        << QStringList{u"StandardOnMonth=0"_s,      u"DaylightOnMonth=$3"_s,
                       u"DaylightOnType=0x1"_s,     u"DaylightOnDay=0"_s,
                       u"DaylightOnDayOfWeek=+1"_s, u"DaylightOnTime=1:00"_s}
        << QString() << lastSundayOfMarch;
}

void TestZoneFile::rules()
{
    QFETCH(QStringList, body);
    QFETCH(QString, error);
    QFETCH(TZoneRule, daylightRule);
    TTimeZone zone;
    zone.Name = u"Example/Harbourtown"_s;
    try {
        zone.LoadFromSection(body);
        QVERIFY2(error.isEmpty(), "no error raised");
    } catch (const ETimeZoneError &e) {
        QCOMPARE(e.Message(), u"Example/Harbourtown: "_s + error);
        return;
    }
    QCOMPARE(zone.DaylightRule.OnMonth, daylightRule.OnMonth);
    QCOMPARE(zone.DaylightRule.OnType, daylightRule.OnType);
    QCOMPARE(zone.DaylightRule.OnDay, daylightRule.OnDay);
    QCOMPARE(zone.DaylightRule.OnDayOfWeek, daylightRule.OnDayOfWeek);
    QCOMPARE(zone.DaylightRule.OnTime, daylightRule.OnTime);
    QCOMPARE(zone.HasDaylight(), daylightRule.OnMonth != 0);
}

namespace {

// "2026-02-15 02:00:30 +0 daylight +00; …; until 2036-01-01 00:00"
QString ChangesSummary(const TTimeZone &zone)
{
    const auto moment = [](std::int64_t msecs) {
        return FormatDateTime(u"yyyy-mm-dd hh:nn:ss"_s, double(msecs) / double(MSecsPerDay));
    };
    QStringList parts;
    for (const TZoneChange &change : zone.Changes) {
        parts << moment(change.AtMSecs) + u' ' + OffsetText(change.Offset) +
                     (change.Daylight ? u" daylight "_s : u" standard "_s) + change.Abbr;
    }
    if (!zone.Changes.empty()) {
        parts << u"until "_s + moment(zone.ChangesUntilMSecs);
    }
    return parts.join(u"; "_s);
}

} // namespace

void TestZoneFile::statedChanges_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("expected");
    const QString first = u"Change1=2026-01-01 00:00,60,standard,+01"_s;
    const QString until = u"ChangesUntil=2036-01-01 00:00"_s;
    QTest::newRow("none: the rules alone") << QStringList() << QString() << QString();
    QTest::newRow("two changes")
        << QStringList{until, u"ChangeCount=2"_s, first,
                       u"Change2=2026-02-15 02:00:30,-0,daylight,+00"_s}
        << QString()
        << u"2026-01-01 00:00:00 +1:00 standard +01; 2026-02-15 02:00:30 +0:00 daylight +00; "
           u"until 2036-01-01 00:00:00"_s;
    QTest::newRow("keys in any case, the first line wins")
        << QStringList{u"changecount=1"_s, u"CHANGE1=2026-01-01 00:00,-330,standard,X"_s,
                       u"Change1=junk"_s, u"changesuntil=2027-01-01 00:00"_s}
        << QString() << u"2026-01-01 00:00:00 -5:30 standard X; until 2027-01-01 00:00:00"_s;
    QTest::newRow("the abbreviation is the rest of the line")
        << QStringList{u"ChangeCount=1"_s, u"Change1=2026-01-01 00:00,0,daylight,A,B"_s, until}
        << QString() << u"2026-01-01 00:00:00 +0:00 daylight A,B; until 2036-01-01 00:00:00"_s;
    QTest::newRow("no changes counted")
        << QStringList{u"ChangeCount=0"_s, u"Change1=junk"_s} << QString() << QString();
    QTest::newRow("Change01 is no key of Change1")
        << QStringList{u"ChangeCount=1"_s, u"Change01=2026-01-01 00:00,60,standard,+01"_s, until}
        << u"Invalid Change1 value: "_s << QString();
    QTest::newRow("count not a number")
        << QStringList{u"ChangeCount=two"_s} << u"Invalid ChangeCount value: two"_s << QString();
    QTest::newRow("count negative")
        << QStringList{u"ChangeCount=-1"_s} << u"Invalid ChangeCount value: -1"_s << QString();
    QTest::newRow("count beyond a century of changes")
        << QStringList{u"ChangeCount=1001"_s} << u"Invalid ChangeCount value: 1001"_s << QString();
    QTest::newRow("a change missing") << QStringList{u"ChangeCount=2"_s, first, until}
                                      << u"Invalid Change2 value: "_s << QString();
    QTest::newRow("changes out of order")
        << QStringList{u"ChangeCount=2"_s, first, u"Change2=2026-01-01 00:00,0,daylight,+00"_s,
                       until}
        << u"Invalid Change2 value: 2026-01-01 00:00,0,daylight,+00"_s << QString();
    QTest::newRow("31 April") << QStringList{u"ChangeCount=1"_s,
                                             u"Change1=2026-04-31 00:00,60,standard,+01"_s, until}
                              << u"Invalid Change1 value: 2026-04-31 00:00,60,standard,+01"_s
                              << QString();
    QTest::newRow("hour 24") << QStringList{u"ChangeCount=1"_s,
                                            u"Change1=2026-04-01 24:00,60,standard,+01"_s, until}
                             << u"Invalid Change1 value: 2026-04-01 24:00,60,standard,+01"_s
                             << QString();
    QTest::newRow("neither standard nor daylight")
        << QStringList{u"ChangeCount=1"_s, u"Change1=2026-04-01 00:00,60,summer,+01"_s, until}
        << u"Invalid Change1 value: 2026-04-01 00:00,60,summer,+01"_s << QString();
    QTest::newRow("offset not a number")
        << QStringList{u"ChangeCount=1"_s, u"Change1=2026-04-01 00:00,6O,standard,+01"_s, until}
        << u"Invalid Change1 value: 2026-04-01 00:00,6O,standard,+01"_s << QString();
    QTest::newRow("no abbreviation field")
        << QStringList{u"ChangeCount=1"_s, u"Change1=2026-04-01 00:00,60,standard"_s, until}
        << u"Invalid Change1 value: 2026-04-01 00:00,60,standard"_s << QString();
    QTest::newRow("end missing") << QStringList{u"ChangeCount=1"_s, first}
                                 << u"Invalid ChangesUntil value: "_s << QString();
    QTest::newRow("end at the last change")
        << QStringList{u"ChangeCount=1"_s, first, u"ChangesUntil=2026-01-01 00:00"_s}
        << u"Invalid ChangesUntil value: 2026-01-01 00:00"_s << QString();
}

void TestZoneFile::statedChanges()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, error);
    QFETCH(QString, expected);
    TTimeZone zone;
    zone.Name = u"Example/Harbourtown"_s;
    // Rules first, as a reader that knows no stated changes would use them.
    const QStringList body = QStringList{u"UTCOffset=60"_s} + HarbourtownRules +
                             QStringList{u"DaylightOnTime=1:00"_s} + keys;
    try {
        zone.LoadFromSection(body);
        QVERIFY2(error.isEmpty(), "no error raised");
    } catch (const ETimeZoneError &e) {
        QCOMPARE(e.Message(), u"Example/Harbourtown: "_s + error);
        return;
    }
    QCOMPARE(ChangesSummary(zone), expected);
    QCOMPARE(zone.UTCOffset, 60);
    QCOMPARE(zone.DaylightRule.OnMonth, 3);
}

void TestZoneFile::errorKeepsEarlierZones()
{
    const QStringList lines = Section(u"[A/One]"_s) +
                              QStringList{u"[B/Two]"_s, u"StandardOnMonth=0"_s,
                                          u"DaylightOnMonth=3"_s, u"DaylightOnType=7"_s} +
                              Section(u"[C/Three]"_s);
    TTimeZoneList list;
    try {
        list.LoadFromZoneText(lines);
        QFAIL("no error raised");
    } catch (const ETimeZoneError &e) {
        QCOMPARE(e.Message(), u"B/Two: Invalid DaylightOnType value: 7"_s);
    }
    QCOMPARE(Summary(list), u"A/One=0"_s);
}

void TestZoneFile::files_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    // Every file holds the same two zones, one with an accented name.
    const QString both = u"Europe/London=0|Europe/Zürich=60"_s;
    QTest::newRow("UTF-8 with a byte-order mark, CR LF") << u"utf8-bom-crlf.ini"_s << both;
    QTest::newRow("UTF-8, LF") << u"utf8-lf.ini"_s << both;
    QTest::newRow("Latin-1, CR") << u"latin1-cr.ini"_s << both;
}

void TestZoneFile::files()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    TTimeZoneList list;
    list.LoadFromZoneFile(DataDir + u'/' + file);
    QCOMPARE(Summary(list), expected);
    if (list.Count() == 2) {
        const TTimeZone *zurich = list.ZoneAt(list.IndexOf(u"europe/zürich"_s));
        QCOMPARE(zurich->StandardAbbr, u"MEZ"_s);
        QCOMPARE(zurich->DaylightAbbr, u"MESZ"_s);
        QCOMPARE(zurich->TransitionMoment(2024, zurich->DaylightRule),
                 EncodeDateTime(2024, 3, 31, 1, 0, 0, 0));
    }
}

// Every stored clock would be unknown in a database of no zones, and the
// first-run question would offer to start afresh.
void TestZoneFile::zonelessFileIsAnError_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0 bytes") << QByteArray();
    QTest::newRow("a version line alone") << QByteArray("# version 2026f\n");
    QTest::newRow("keys without a header") << QByteArray("UTCOffset=60\nStandardOnMonth=0\n");
    QTest::newRow("a lone header") << QByteArray("[A/One]");
}

void TestZoneFile::zonelessFileIsAnError()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"zones.ini"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    TTimeZoneList list;
    try {
        list.LoadFromZoneFile(path);
        QFAIL("a file without zones read as a zone database");
    } catch (const EFileOpenError &e) {
        QCOMPARE(e.Message(), u"\"%1\" holds no time zones"_s.arg(path));
    }
    QCOMPARE(list.Count(), 0);
}

void TestZoneFile::aliases_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("zone"); // empty: none
    QTest::newRow("the zone's own name") << u"Europe/Kyiv"_s << u"Europe/Kyiv"_s;
    QTest::newRow("an alias") << u"Europe/Kiev"_s << u"Europe/Kyiv"_s;
    QTest::newRow("an alias in another case") << u"EUROPE/zaporozhye"_s << u"Europe/Kyiv"_s;
    QTest::newRow("a zone's name before another zone's alias")
        << u"Europe/Uzhgorod"_s << u"Europe/Uzhgorod"_s;
    QTest::newRow("the first zone to claim an alias keeps it")
        << u"Europe/Ruthenia"_s << u"Europe/Uzhgorod"_s;
    QTest::newRow("an empty alias is none") << QString() << QString();
    QTest::newRow("unknown") << u"Mars/Olympus"_s << QString();
}

void TestZoneFile::aliases()
{
    QFETCH(QString, name);
    QFETCH(QString, zone);
    TTimeZoneList list;
    list.LoadFromZoneText(
        Section(u"[Europe/Uzhgorod]"_s, {u"Aliases=Europe/Ruthenia"_s}) +
        Section(u"[Europe/Kyiv]"_s,
                {u"Aliases=Europe/Kiev;;Europe/Zaporozhye;Europe/Uzhgorod;Europe/Ruthenia"_s}));
    const int index = list.IndexOfZone(name);
    QCOMPARE(index < 0 ? QString() : list.Strings(index), zone);
    // Aliases are no entries of their own: the zone list shows each zone once.
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.IndexOf(u"Europe/Kiev"_s), -1);
}

void TestZoneFile::openErrors()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TTimeZoneList list;
    const QString missing = dir.filePath(u"zones.ini"_s);
    QVERIFY_THROWS_EXCEPTION(EFileOpenError, list.LoadFromZoneFile(missing));
    try {
        list.LoadFromZoneFile(missing);
    } catch (const EFileOpenError &e) {
        QCOMPARE(e.Message(), u"Cannot open file \"%1\". No such file or directory"_s.arg(missing));
    }
    try {
        list.LoadFromZoneFile(dir.path());
        QFAIL("a folder read as a zone file");
    } catch (const EFileOpenError &e) {
        QVERIFY2(e.Message().startsWith(u"Cannot open file \"%1\". "_s.arg(dir.path())),
                 qPrintable(e.Message()));
    }
    QCOMPARE(list.Count(), 0);
}

void TestZoneFile::unreadableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<QString>("message"); // %1: the path asked for
    QTest::newRow("FIFO") << u"fifo"_s << false << u"\"%1\" is not a regular file"_s;
    QTest::newRow("link to a FIFO") << u"fifo"_s << true << u"\"%1\" is not a regular file"_s;
    QTest::newRow("larger than 16 MiB")
        << u"huge"_s << false
        << u"\"%1\" is too large: 16777217 bytes or more, at most 16777216 are read"_s;
    QTest::newRow("link to a large file")
        << u"huge"_s << true
        << u"\"%1\" is too large: 16777217 bytes or more, at most 16777216 are read"_s;
}

void TestZoneFile::unreadableFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, throughLink);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"zones.ini"_s);
    const QString thing = throughLink ? dir.filePath(u"elsewhere"_s) : path;
    if (kind == u"fifo"_s) {
        QCOMPARE(::mkfifo(QFile::encodeName(thing).constData(), 0600), 0);
    } else {
        QFile huge(thing);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(16 * 1024 * 1024 + 1)); // sparse: no time, no disk
    }
    if (throughLink)
        QVERIFY(QFile::link(thing, path));

    TTimeZoneList list;
    QElapsedTimer timer;
    timer.start();
    try {
        list.LoadFromZoneFile(path);
        QFAIL("read as a zone file");
    } catch (const EFileOpenError &e) {
        QCOMPARE(e.Message(), message.arg(path));
    }
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(list.Count(), 0);
}

// The database the program ships must load, and every daylight rule in it
// must name a day in the years it was checked for.
void TestZoneFile::shippedDatabase()
{
    const QString path = QStringLiteral(VORKEL_RESOURCES "/zones.ini");
    if (!QFile::exists(path)) {
        QSKIP("no zones.ini in the resources");
    }
    TTimeZoneList list;
    list.LoadFromZoneFile(path);
    QVERIFY(list.Count() > 300);
    for (int i = 0; i < list.Count(); ++i) {
        const TTimeZone *zone = list.ZoneAt(i);
        if (!zone->HasDaylight()) {
            continue;
        }
        for (int year = 2026; year <= 2035; ++year) {
            QVERIFY2(TTimeZone::RuleHasDate(year, zone->DaylightRule) &&
                         TTimeZone::RuleHasDate(year, zone->StandardRule),
                     qPrintable(zone->Name));
        }
    }
}

void TestZoneFile::fileVersion_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    // Each followed by one zone.
    QTest::newRow("generated") << QByteArray("# version 2026f, checked for 2026-2035\n")
                               << u"2026f"_s;
    QTest::newRow("version alone, CR LF") << QByteArray("# version 2099z\r\n") << u"2099z"_s;
    QTest::newRow("not on the first line")
        << QByteArray("# zones\n# version 2026f, checked for 2026-2035\n") << QString();
    QTest::newRow("no version named") << QByteArray("# version \n") << QString();
    QTest::newRow("no comment") << QByteArray() << QString();
}

void TestZoneFile::fileVersion()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"zones.ini"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes + "[A/One]\nStandardOnMonth=0\nDaylightOnMonth=0\n");
    file.close();
    TTimeZoneList zones;
    zones.LoadFromZoneFile(path);
    QCOMPARE(zones.Version(), expected);
}

void TestZoneFile::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("[A/One]") << u"[A/One]"_s;
    QTest::newRow("UTF-8") << QByteArray("Z\xC3\xBCrich") << u"Zürich"_s;
    QTest::newRow("UTF-8 with a mark")
        << QByteArray("\xEF\xBB\xBF[Z\xC3\xBCrich]") << u"[Zürich]"_s;
    QTest::newRow("Latin-1") << QByteArray("Z\xFCrich") << u"Zürich"_s;
    QTest::newRow("cut UTF-8 sequence reads as Latin-1") << QByteArray("Z\xC3") << u"Z\u00C3"_s;
    QTest::newRow("a mark keeps UTF-8 despite a stray byte")
        << QByteArray("\xEF\xBB\xBF[Z\xC3\xBCrich]\xFF") << u"[Zürich]\uFFFD"_s;
}

void TestZoneFile::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeZoneFileText(bytes), text);
}

void TestZoneFile::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("no line break") << u"a"_s << QStringList{u"a"_s};
    QTest::newRow("final break opens no line") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("blank last line") << u"a\n\n"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("CR LF") << u"a\r\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("CR") << u"a\rb\r"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF CR is two breaks") << u"a\n\rb"_s << QStringList{u"a"_s, QString(), u"b"_s};
}

void TestZoneFile::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitZoneFileLines(text), lines);
}

void TestZoneFile::sortedList()
{
    TTimeZoneList list;
    QVERIFY(list.Sorted());
    QCOMPARE(list.Add(Zone(u"Europe/Paris"_s, 60)), 0);
    QCOMPARE(list.Add(Zone(u"america/New York"_s, -300)), 0);
    QCOMPARE(list.Add(Zone(u"Asia/Kolkata"_s, 330)), 1);
    // Same name in another case: the existing index, the newcomer dropped.
    QCOMPARE(list.Add(Zone(u"ASIA/KOLKATA"_s, 0)), 1);
    QCOMPARE(Summary(list), u"america/New York=-300|Asia/Kolkata=330|Europe/Paris=60"_s);
    QCOMPARE(list.IndexOf(u"EUROPE/paris"_s), 2);
    QCOMPARE(list.IndexOf(u"America/New York"_s), 0);
    QCOMPARE(list.IndexOf(u"Europe/Pari"_s), -1);
    QCOMPARE(list.IndexOf(QString()), -1);
    QVERIFY(list.ClockAt(0) == nullptr);
    QVERIFY_THROWS_EXCEPTION(Exception, list.Move(0, 1));
    QVERIFY_THROWS_EXCEPTION(Exception, list.ZoneAt(3));
    QVERIFY_THROWS_EXCEPTION(Exception, list.Strings(-1));
    std::unique_ptr<TTimeZone> taken = list.Take(1);
    QCOMPARE(taken->Name, u"Asia/Kolkata"_s);
    list.Delete(0);
    QCOMPARE(Summary(list), u"Europe/Paris=60"_s);
    list.Clear();
    QCOMPARE(list.Count(), 0);
}

void TestZoneFile::unsortedList()
{
    TTimeZoneList list;
    list.SetSorted(false);
    auto clock = std::make_unique<TCustomisedTimeZone>();
    clock->Name = u"Europe/Paris"_s;
    clock->Title = u"Office"_s;
    QCOMPARE(list.Add(std::move(clock)), 0);
    QCOMPARE(list.Add(Zone(u"Asia/Kolkata"_s, 330)), 1);
    QCOMPARE(list.Add(Zone(u"europe/paris"_s, 60)), 2); // clock lists may repeat a zone
    QCOMPARE(list.IndexOf(u"EUROPE/PARIS"_s), 0);       // the first from the start
    QCOMPARE(list.ClockAt(0)->Title, u"Office"_s);
    QVERIFY(list.ClockAt(1) == nullptr);
    list.Move(0, 2);
    QCOMPARE(Summary(list), u"Asia/Kolkata=330|europe/paris=60|Europe/Paris=0"_s);
    list.Move(2, 0);
    QCOMPARE(Summary(list), u"Europe/Paris=0|Asia/Kolkata=330|europe/paris=60"_s);
    list.Move(1, 0);
    QCOMPARE(Summary(list), u"Asia/Kolkata=330|Europe/Paris=0|europe/paris=60"_s);
    std::unique_ptr<TTimeZone> old = list.ReplaceZoneAt(0, Zone(u"Asia/Calcutta"_s, 330));
    QCOMPARE(old->Name, u"Asia/Kolkata"_s);
    QCOMPARE(list.Strings(0), u"Asia/Kolkata"_s); // the entry keeps its text
    QCOMPARE(list.ZoneAt(0)->Name, u"Asia/Calcutta"_s);
    list.SetSorted(true);
    QCOMPARE(Summary(list), u"Asia/Kolkata=330|Europe/Paris=0|europe/paris=60"_s);
}

QTEST_GUILESS_MAIN(TestZoneFile)
#include "tst_zonefile.moc"
