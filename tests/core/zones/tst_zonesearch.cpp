// The zone search: folding, each kind of match, ranking and hostile input.
#include "core/zones/searchkey.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonesearch.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "Zone" for a zone's own match, "Zone=City, Country" for a city's.
QString Text(const TPlaceMatch &match)
{
    if (match.City.isEmpty()) {
        return match.Zone->Name;
    }
    return match.Zone->Name + u'=' + match.City + u", "_s + match.Country;
}

QStringList Texts(const std::vector<TPlaceMatch> &matches)
{
    QStringList texts;
    for (const TPlaceMatch &match : matches) {
        texts << Text(match);
    }
    return texts;
}

QStringList Section(const QString &name, const QString &abbr, int offset)
{
    return {u'[' + name + u']', u"UTCOffset="_s + QString::number(offset),
            u"StandardAbbr="_s + abbr, u"StandardOnMonth=0"_s, u"DaylightOnMonth=0"_s};
}

} // namespace

class TestZoneSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void searchKey_data();
    void searchKey();
    void wordPrefix_data();
    void wordPrefix();
    void firstMatch_data();
    void firstMatch();
    void nothingMatches_data();
    void nothingMatches();
    void ranking_data();
    void ranking();
    void tzCityNotRepeated();
    void limit();
    void damagedTable();

private:
    TTimeZoneList FZones;
    std::unique_ptr<TZoneSearch> FSearch;
};

void TestZoneSearch::initTestCase()
{
    FZones.LoadFromZoneFile(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));
    FSearch = std::make_unique<TZoneSearch>(FZones);
    QVERIFY2(FSearch->PlaceCount() > 10000, "the compiled-in place table is missing");
}

void TestZoneSearch::searchKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("case") << u"New York"_s << "new york"_ba;
    QTest::newRow("accents") << u"São Paulo"_s << "sao paulo"_ba;
    QTest::newRow("sharp s") << u"Straße"_s << "strasse"_ba;
    QTest::newRow("letters without decomposition") << u"Łódź Ærøskøbing"_s << "lodz aeroskobing"_ba;
    QTest::newRow("apostrophe joins") << u"N’Djamena"_s << "ndjamena"_ba;
    QTest::newRow("hyphen and slash split")
        << u"Port-au-Prince/Haiti"_s << "port au prince haiti"_ba;
    QTest::newRow("blanks and symbols squeezed") << u"  ..a  *b.. "_s << "a b"_ba;
    QTest::newRow("full-width letters") << u"ＰＳＴ"_s << "pst"_ba;
    QTest::newRow("right-to-left letters kept") << u"תל אביב"_s << u"תל אביב"_s.toUtf8();
    QTest::newRow("symbols only") << u"!? 🕒 -- "_s << QByteArray();
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestZoneSearch::searchKey()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, key);
    QCOMPARE(SearchKey(text), key);
}

void TestZoneSearch::wordPrefix_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<bool>("found");
    QTest::newRow("first word") << "san francisco"_ba
                                << "sa"_ba << true;
    QTest::newRow("later word") << "san francisco"_ba
                                << "fran"_ba << true;
    QTest::newRow("whole key") << "san francisco"_ba
                               << "san francisco"_ba << true;
    QTest::newRow("inside a word") << "san francisco"_ba
                                   << "anc"_ba << false;
    QTest::newRow("longer than the word at the end") << "san fr"_ba
                                                     << "fra"_ba << false;
    QTest::newRow("empty key") << QByteArray() << "a"_ba << false;
}

void TestZoneSearch::wordPrefix()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, token);
    QFETCH(bool, found);
    QCOMPARE(KeyHasWordPrefix(key, token), found);
}

void TestZoneSearch::firstMatch_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("first");
    QTest::newRow("tz city") << u"kolkata"_s << u"Asia/Kolkata"_s;
    QTest::newRow("tz city, prefix in capitals") << u"KOLK"_s << u"Asia/Kolkata"_s;
    QTest::newRow("city the tz database does not name")
        << u"mumbai"_s << u"Asia/Kolkata=Mumbai, India"_s;
    QTest::newRow("city and its country") << u"San Francisco, United States"_s
                                          << u"America/Los Angeles=San Francisco, United States"_s;
    QTest::newRow("city in another script's capital")
        << u"beijing"_s << u"Asia/Shanghai=Beijing, China"_s;
    QTest::newRow("country") << u"india"_s << u"Asia/Kolkata"_s;
    QTest::newRow("country by its other name") << u"united kingdom"_s << u"Europe/London"_s;
    QTest::newRow("standard abbreviation") << u"pst"_s << u"America/Los Angeles"_s;
    QTest::newRow("tz city with accent typed") << u"São Paulo"_s << u"America/Sao Paulo"_s;
    QTest::newRow("tz city word after the first") << u"chi minh"_s << u"Asia/Ho Chi Minh"_s;
    QTest::newRow("apostrophe left out") << u"n'djamena"_s << u"Africa/Ndjamena"_s;
    QTest::newRow("region only") << u"antarctica"_s << u"Antarctica/Casey"_s;
    QTest::newRow("part of a three-part name") << u"tell city"_s << u"America/Indiana/Tell City"_s;
    QTest::newRow("accented city typed plainly") << u"zurich"_s << u"Europe/Zurich"_s;
}

void TestZoneSearch::firstMatch()
{
    QFETCH(QString, query);
    QFETCH(QString, first);
    const auto matches = FSearch->Find(query);
    QVERIFY(!matches.empty());
    QCOMPARE(Text(matches.front()), first);
}

void TestZoneSearch::nothingMatches_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks only") << u" \t  "_s;
    QTest::newRow("symbols only") << u"%$#@!*()"_s;
    QTest::newRow("no such place") << u"qqzzxxy"_s;
    QTest::newRow("a word inside a name, not its start") << u"olkata"_s;
    QTest::newRow("very long") << QString(100000, u'a');
    QTest::newRow("more words than a place has") << u"a b c d e f g h i j k l m n o p q"_s;
    QTest::newRow("a name that matches, then one that does not") << u"kolkata paris"_s;
    QTest::newRow("lone surrogate") << QString(QChar(0xd800));
}

void TestZoneSearch::nothingMatches()
{
    QFETCH(QString, query);
    QCOMPARE(Texts(FSearch->Find(query)), QStringList());
}

void TestZoneSearch::ranking_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("better");
    QTest::addColumn<QString>("worse");
    QTest::newRow("tz city before a smaller city of the same name")
        << u"paris"_s << u"Europe/Paris"_s << u"America/Chicago=Paris, United States"_s;
    QTest::newRow("whole name before a longer name")
        << u"delhi"_s << u"Asia/Kolkata=Delhi, India"_s << u"Asia/Kolkata=New Delhi, India"_s;
    QTest::newRow("name's start before a later word")
        << u"york"_s << u"Europe/London=York, Britain (UK)"_s << u"America/New York"_s;
    QTest::newRow("more populous city first")
        << u"san"_s << u"America/Chicago=San Antonio, United States"_s
        << u"America/Los Angeles=San Francisco, United States"_s;
    QTest::newRow("zone by its country before the country's cities")
        << u"india"_s << u"Asia/Kolkata"_s << u"Asia/Kolkata=Mumbai, India"_s;
    QTest::newRow("whole abbreviation before a name's start")
        << u"ist"_s << u"Europe/Dublin"_s << u"Europe/Istanbul"_s;
    QTest::newRow("whole country before a name's start")
        << u"india"_s << u"Asia/Kolkata"_s << u"America/Indiana/Indianapolis"_s;
}

void TestZoneSearch::ranking()
{
    QFETCH(QString, query);
    QFETCH(QString, better);
    QFETCH(QString, worse);
    const QStringList texts = Texts(FSearch->Find(query, 100000));
    QVERIFY2(texts.contains(better), qPrintable(better));
    QVERIFY2(texts.contains(worse), qPrintable(worse));
    QVERIFY(texts.indexOf(better) < texts.indexOf(worse));
}

void TestZoneSearch::tzCityNotRepeated()
{
    const QStringList texts = Texts(FSearch->Find(u"kolkata"_s));
    QCOMPARE(texts.count(u"Asia/Kolkata"_s), 1);
    QVERIFY(!texts.contains(u"Asia/Kolkata=Kolkata, India"_s));
}

void TestZoneSearch::limit()
{
    QCOMPARE(FSearch->Find(u"s"_s, 7).size(), size_t(7));
    QCOMPARE(FSearch->Find(u"s"_s, 0).size(), size_t(0));
    QCOMPARE(FSearch->Find(u"s"_s).size(), size_t(TZoneSearch::DefaultLimit));
}

// A table with broken lines still serves the lines that are whole.
void TestZoneSearch::damagedTable()
{
    TTimeZoneList zones;
    zones.LoadFromZoneText(Section(u"Example/Harbourtown"_s, u"HBT"_s, 60) +
                           Section(u"Example/Upriver"_s, u"UPT"_s, 120));
    const QByteArray table = "C\tEX\tExampleland\texampleland|example republic\n"
                             "C\tbroken\n"
                             "Z\tExample/Harbourtown\tEX\t5000\n"
                             "Z\tExample/Gone\tEX\t1\n"
                             "P\tharbour point\tHarbour Point\tEX\t0\t9000\n"
                             "P\tgone city\tGone City\tEX\t1\t9000\n"
                             "P\tfar away\tFar Away\tEX\t7\t9000\n"
                             "P\tno zone\tNo Zone\tEX\t-1\t9000\n"
                             "P\tshort line\n"
                             "P\tlast\tLast\tXX\t0\t1"_ba;
    const TZoneSearch search(zones, table);
    QCOMPARE(Texts(search.Find(u"harbour"_s)),
             QStringList(
                 {u"Example/Harbourtown=Harbour Point, Exampleland"_s, u"Example/Harbourtown"_s}));
    QCOMPARE(Texts(search.Find(u"exampleland"_s)),
             QStringList(
                 {u"Example/Harbourtown"_s, u"Example/Harbourtown=Harbour Point, Exampleland"_s}));
    QCOMPARE(Texts(search.Find(u"republic"_s)).size(), 2);
    QCOMPARE(Texts(search.Find(u"upt"_s)), QStringList{u"Example/Upriver"_s});
    QCOMPARE(Texts(search.Find(u"gone"_s)), QStringList());
    QCOMPARE(Texts(search.Find(u"last"_s)), QStringList{u"Example/Harbourtown=Last, "_s});
    QCOMPARE(Texts(TZoneSearch(zones, QByteArray()).Find(u"harbour"_s)),
             QStringList{u"Example/Harbourtown"_s});
}

QTEST_GUILESS_MAIN(TestZoneSearch)
#include "tst_zonesearch.moc"
