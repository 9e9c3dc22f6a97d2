// The zone search: folding, each kind of match, ranking and hostile input.
#include "core/zones/placenames.h"
#include "core/zones/searchkey.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonesearch.h"
#include "mofixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "Zone" for a zone's own match, "Zone=City, Country" for a city's,
// "Zone=City (English), Country" for a name in another language.
QString Text(const TPlaceMatch &match)
{
    if (match.City.isEmpty()) {
        return match.Zone->Name;
    }
    const QString english = match.English.isEmpty() ? QString() : u" ("_s + match.English + u')';
    return match.Zone->Name + u'=' + match.City + english + u", "_s + match.Country;
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
    void localNames_data();
    void localNames();
    void localNamesFromTable();

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
    QTest::newRow("ideographs") << u"北京"_s << u"北京"_s.toUtf8();
    QTest::newRow("kana decomposed, marks dropped") << u"ダ"_s << u"タ"_s.toUtf8();
    QTest::newRow("compatibility ideograph") << u"\uf900"_s << u"\u8c48"_s.toUtf8();
    QTest::newRow("hexagram symbol beside the ideographs") << u"\u4dc0"_s << QByteArray();
    QTest::newRow("ASCII punctuation") << u"St. John's (NL)"_s << "st johns nl"_ba;
}

void TestZoneSearch::searchKey()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, key);
    QCOMPARE(SearchKey(text), key);
    // Translated names are folded from their UTF-8 as it is.
    QCOMPARE(SearchKey(QByteArrayView(text.toUtf8())), key);
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

void TestZoneSearch::localNames_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("first");
    QTest::newRow("German city") << u"de"_s << u"köln"_s
                                 << u"Europe/Berlin=Köln (Cologne), Deutschland"_s;
    QTest::newRow("German tz city")
        << u"de"_s << u"moskau"_s << u"Europe/Moscow=Moskau (Moscow), Russland"_s;
    QTest::newRow("German tz city before a longer English name")
        << u"de"_s << u"wien"_s << u"Europe/Vienna=Wien (Vienna), Österreich"_s;
    QTest::newRow("German name of a city-state")
        << u"de"_s << u"peking"_s << u"Asia/Shanghai=Peking (Beijing), China"_s;
    QTest::newRow("German country") << u"de"_s << u"deutschland"_s << u"Europe/Berlin"_s;
    QTest::newRow("accent left out")
        << u"de"_s << u"munchen"_s << u"Europe/Berlin=München (Munich), Deutschland"_s;
    QTest::newRow("English name in German")
        << u"de"_s << u"cologne"_s << u"Europe/Berlin=Köln (Cologne), Deutschland"_s;
    QTest::newRow("most populous of a name")
        << u"de"_s << u"frankfurt"_s << u"Europe/Berlin=Frankfurt am Main, Deutschland"_s;
    QTest::newRow("German country, English city")
        << u"de"_s << u"paris frankreich"_s << u"Europe/Paris"_s;
    QTest::newRow("French tz city")
        << u"fr"_s << u"moscou"_s << u"Europe/Moscow=Moscou (Moscow), Russie"_s;
    QTest::newRow("French name before a town of that name")
        << u"fr"_s << u"vienne"_s << u"Europe/Vienna=Vienne (Vienna), Autriche"_s;
    QTest::newRow("Japanese") << u"ja"_s << u"東京"_s << u"Asia/Tokyo=東京都 (Tokyo), 日本"_s;
    QTest::newRow("Simplified Chinese falls back to Chinese")
        << u"zh-CN"_s << u"北京"_s << u"Asia/Shanghai=北京 (Beijing), 中国"_s;
    QTest::newRow("Brazilian Portuguese falls back to Portuguese")
        << u"pt-BR"_s << u"moscovo"_s << u"Europe/Moscow=Moscovo (Moscow), Rússia"_s;
}

// The system's own catalogues, as users have them.
void TestZoneSearch::localNames()
{
    QFETCH(QString, language);
    QFETCH(QString, query);
    const QStringList folders = TPlaceNames::Folders({language});
    const TPlaceNames names(folders);
    if (names.IsEmpty()) {
        QSKIP("the translated catalogues of libgeonames-common and iso-codes are missing");
    }
    const TZoneSearch search(FZones, TZoneSearch::BuiltInTable(), &names);
    QVERIFY(search.LocalNameCount() > 100);
    const auto matches = search.Find(query);
    QVERIFY(!matches.empty());
    QTEST(Text(matches.front()), "first");
}

// How the table's ids and English names meet the catalogues: a name the same
// as English is none, a subdivision's name only where it names the city
// alone, and a country by GeoNames' short name, found by all its names.
void TestZoneSearch::localNamesFromTable()
{
    TTimeZoneList zones;
    zones.LoadFromZoneText(Section(u"Example/Harbourtown"_s, u"HBT"_s, 60) +
                           Section(u"Example/Upriver"_s, u"UPT"_s, 120));
    const QByteArray table =
        "C\tEX\tExampleland\texampleland\tExampleland|Republic of Exampleland\n"
        "Z\tExample/Harbourtown\tEX\t5000\t100\t\n"
        "Z\tExample/Upriver\tEX\t10\t101\t\n"
        "P\tharbour point\tHarbour Point\tEX\t0\t900\t200\t\n"
        "P\tsame name\tSame Name\tEX\t0\t800\t201\t\n"
        "P\tcapital\tCapital\tEX\t1\t700\t202\tCapital Shi\n"
        "P\tborder town\tBorder Town\tEX\t1\t600\t203\tBorder Town\n"
        "P\tlake\tLake\tEX\t1\t500\t204\tLake\n"_ba;
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"xx/LC_MESSAGES/"_s);
    QVERIFY(QDir().mkpath(folder));
    const std::pair<QString, TMessages> catalogues[] = {
        {u"geonames.mo"_s,
         {{"100", "Hafenstadt"},
          {"101", "Upriver"},
          {"200", "Hafenspitze"},
          {"201", "Same Name"},
          {"202", "Capital"}}},
        {u"iso_3166-1.mo"_s,
         {{"Exampleland", "Beispielland"}, {"Republic of Exampleland", "Republik Beispielland"}}},
        {u"iso_3166-2.mo"_s,
         {{"Border Town", "Gemeinde Border Town"},
          {"Capital Shi", "Kapitale"},
          {"Lake", "Lake (Bezirk)"}}}};
    for (const auto &[file, messages] : catalogues) {
        QFile mo(folder + file);
        QVERIFY(mo.open(QIODevice::WriteOnly));
        QVERIFY(mo.write(MoFile(messages)) > 0);
    }
    const TPlaceNames names({u"xx"_s}, dir.path());
    const TZoneSearch search(zones, table, &names);
    QCOMPARE(search.LocalNameCount(), 3);
    const QString harbourtown = u"Example/Harbourtown=Hafenstadt (Harbourtown), Beispielland"_s;
    const QString point = u"Example/Harbourtown=Hafenspitze (Harbour Point), Beispielland"_s;
    QCOMPARE(Texts(search.Find(u"hafenstadt"_s)), QStringList{harbourtown});
    QCOMPARE(Texts(search.Find(u"hafen"_s)), QStringList({harbourtown, point}));
    QCOMPARE(Texts(search.Find(u"harbour point"_s)), QStringList{point});
    QCOMPARE(Texts(search.Find(u"upriver"_s)), QStringList{u"Example/Upriver"_s});
    QCOMPARE(Texts(search.Find(u"same"_s)),
             QStringList{u"Example/Harbourtown=Same Name, Beispielland"_s});
    QCOMPARE(Texts(search.Find(u"kapitale"_s)),
             QStringList{u"Example/Upriver=Kapitale (Capital), Beispielland"_s});
    QCOMPARE(Texts(search.Find(u"republik beispielland"_s)).size(), 7);
    QCOMPARE(Texts(search.Find(u"exampleland"_s)).size(), 7);
    QCOMPARE(Texts(search.Find(u"gemeinde"_s)), QStringList());
    QCOMPARE(Texts(search.Find(u"bezirk"_s)), QStringList());
}

QTEST_GUILESS_MAIN(TestZoneSearch)
#include "tst_zonesearch.moc"
