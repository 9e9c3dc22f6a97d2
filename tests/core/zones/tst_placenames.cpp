// The translated catalogues of place names: reading a .mo file as gettext
// does, whole or damaged, and which locale folders a user's languages use.
#include "core/zones/mocatalogue.h"
#include "core/zones/placenames.h"
#include "mofixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

const QString GermanCities = TPlaceNames::DefaultRoot + u"/de/LC_MESSAGES/geonames.mo"_s;

} // namespace

class TestPlaceNames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void catalogue_data();
    void catalogue();
    void damagedCatalogue_data();
    void damagedCatalogue();
    void systemCatalogue();
    void folders_data();
    void folders();
    void firstFolderWins();

private:
    QTemporaryDir FDir;
    QString Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(FDir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            return {};
        }
        return file.fileName();
    }
};

const TMessages Messages = {{""_ba, "Content-Type: text/plain; charset=UTF-8\n"_ba},
                            {"2761369"_ba, "Wien"_ba},
                            {"2886242"_ba, "K\xc3\xb6ln"_ba},
                            {"524901"_ba, "Moskau"_ba}};

void TestPlaceNames::catalogue_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<bool>("withHash");
    QTest::newRow("hash table") << false << true;
    QTest::newRow("sorted originals only") << false << false;
    QTest::newRow("written big-endian") << true << true;
}

void TestPlaceNames::catalogue()
{
    QFETCH(bool, bigEndian);
    QFETCH(bool, withHash);
    const TMoCatalogue catalogue(Write(u"names.mo"_s, MoFile(Messages, bigEndian, withHash)));
    QCOMPARE(catalogue.Count(), quint32(4));
    for (const auto &[original, translation] : Messages.mid(1)) {
        QCOMPARE(catalogue.Find(original).toByteArray(), translation);
    }
    QVERIFY(catalogue.Find("2761368").isEmpty());
    QVERIFY(catalogue.Find("27613690").isEmpty());
    QVERIFY(catalogue.Find("0").isEmpty());
}

void TestPlaceNames::damagedCatalogue_data()
{
    const QByteArray whole = MoFile(Messages, false, true);
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("shorter than its header") << whole.first(20);
    QTest::newRow("cut in its strings") << whole.first(whole.size() - 12);
    QTest::newRow("not a catalogue") << QByteArray(4096, 'x');
    QByteArray farTables = whole;
    qToLittleEndian(quint32(0x7fffff00), farTables.data() + 12);
    QTest::newRow("tables beyond the end") << farTables;
    QByteArray newRevision = whole;
    qToLittleEndian(quint32(2) << 16, newRevision.data() + 4);
    QTest::newRow("unknown revision") << newRevision;
    QByteArray farString = whole;
    qToLittleEndian(quint32(0x7fffff00), farString.data() + 28 + 8 * 2 + 4);
    QTest::newRow("a string beyond the end") << farString;
}

// Whatever is read from a broken file is nothing, never beyond the file.
void TestPlaceNames::damagedCatalogue()
{
    QFETCH(QByteArray, bytes);
    const TMoCatalogue catalogue(Write(u"damaged.mo"_s, bytes));
    for (const auto &[original, translation] : Messages.mid(1)) {
        const QByteArrayView found = catalogue.Find(original);
        QVERIFY(found.isEmpty() || found == translation);
    }
    QVERIFY(TMoCatalogue(FDir.filePath(u"missing.mo"_s)).IsEmpty());
    QVERIFY(TMoCatalogue(FDir.path()).IsEmpty());
}

void TestPlaceNames::systemCatalogue()
{
    if (!QFile::exists(GermanCities)) {
        QSKIP("libgeonames-common is not installed");
    }
    const TMoCatalogue cities(GermanCities);
    QVERIFY(cities.Count() > 1000);
    QCOMPARE(QString::fromUtf8(cities.Find("2886242")), u"Köln"_s);
    QCOMPARE(QString::fromUtf8(cities.Find("524901")), u"Moskau"_s);
}

void TestPlaceNames::folders_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("language and territory")
        << QStringList{u"de-AT"_s, u"de"_s} << QStringList{u"de_AT"_s, u"de"_s};
    QTest::newRow("script left out")
        << QStringList{u"zh-Hans-CN"_s, u"zh-CN"_s, u"zh"_s} << QStringList{u"zh_CN"_s, u"zh"_s};
    QTest::newRow("Brazilian Portuguese, then Portuguese")
        << QStringList{u"pt-BR"_s, u"pt"_s} << QStringList{u"pt_BR"_s, u"pt"_s};
    QTest::newRow("up to English")
        << QStringList{u"fr-FR"_s, u"en-US"_s, u"de-DE"_s} << QStringList{u"fr_FR"_s, u"fr"_s};
    QTest::newRow("English first") << QStringList{u"en-GB"_s, u"de-DE"_s} << QStringList();
    QTest::newRow("the C locale") << QStringList{u"C"_s} << QStringList();
}

void TestPlaceNames::folders()
{
    QFETCH(QStringList, languages);
    QFETCH(QStringList, folders);
    QCOMPARE(TPlaceNames::Folders(languages), folders);
}

// For each name the first folder that has it, as gettext falls back.
void TestPlaceNames::firstFolderWins()
{
    for (const auto &[folder, messages] :
         {std::pair{u"de_AT"_s, TMessages{{"1", "Wien"}}},
          std::pair{u"de"_s, TMessages{{"1", "Vienna"}, {"2", "Köln"}, {"AT", "Österreich"}}}}) {
        QVERIFY(QDir(FDir.path()).mkpath(folder + u"/LC_MESSAGES"_s));
        QVERIFY(!Write(folder + u"/LC_MESSAGES/geonames.mo"_s, MoFile(messages, false, true))
                     .isEmpty());
    }
    const TPlaceNames names({u"de_AT"_s, u"de"_s, u"fr"_s}, FDir.path());
    QVERIFY(!names.IsEmpty());
    QCOMPARE(names.City(1).toByteArray(), "Wien"_ba);
    QCOMPARE(names.City(2).toByteArray(), "Köln"_ba);
    QVERIFY(names.City(3).isEmpty());
    QCOMPARE(names.GeoName("AT").toByteArray(), "Österreich"_ba);
    QVERIFY(names.GeoName("").isEmpty());
    QVERIFY(names.Country("Austria").isEmpty());
    QVERIFY(TPlaceNames({u"xx"_s}, FDir.path()).IsEmpty());
}

QTEST_GUILESS_MAIN(TestPlaceNames)
#include "tst_placenames.moc"
