#include "core/time/formatsettings.h"
#include "core/zones/timezone.h"
#include "core/zones/zonetexts.h"
#include "gui/desktop/help.h"
#include "gui/desktop/translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

class TestTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void programTexts_data();
    void programTexts();
    void ruleDescriptionInGerman();
    void qtStandardButtons();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void manualEntryPage_data();
    void manualEntryPage();
    void popupTablesHaveTheSameTopics();
};

void TestTranslations::cleanup()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void TestTranslations::programTexts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German window title") << "de_DE" << true << QByteArray("TClocksForm")
                                         << QByteArray("World Times") << u"Weltzeiten"_s;
    // A German of another country falls back to the language.
    QTest::newRow("Austrian German") << "de_AT" << true << QByteArray("TClocksForm")
                                     << QByteArray("World Times") << u"Weltzeiten"_s;
    QTest::newRow("German message box caption") << "de_DE" << true << QByteArray("SoundMessageDlg")
                                                << QByteArray("Confirm") << u"Bestätigen"_s;
    QTest::newRow("German core text")
        << "de_DE" << true << QByteArray("TAlarm") << QByteArray("The time in %1 is now %2.")
        << u"In %1 ist es jetzt %2."_s;
    // main's own texts are refreshed with the libraries' (a text of main was
    // once dropped by an update of the .ts file).
    QTest::newRow("German text of main")
        << "de_DE" << true << QByteArray("main") << QByteArray("Vorkel Clocks is already running.")
        << u"Vorkel Clocks läuft bereits."_s;
    QTest::newRow("no French: English stays") << "fr_FR" << false << QByteArray("TClocksForm")
                                              << QByteArray("World Times") << u"World Times"_s;
    QTest::newRow("English needs none") << "en_GB" << false << QByteArray("TClocksForm")
                                        << QByteArray("World Times") << u"World Times"_s;
}

void TestTranslations::programTexts()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, source);
    QTEST(InstallTranslations(*qApp, QLocale(locale)), "found");
    QTEST(QCoreApplication::translate(context.constData(), source.constData()), "expected");
}

void TestTranslations::ruleDescriptionInGerman()
{
    // The phrase is put together from pieces: their order must survive.
    SetFormatSettings(TFormatSettings::British());
    QVERIFY(InstallTranslations(*qApp, QLocale(u"de_DE"_s)));
    TTimeZone zone;
    zone.UTCOffset = 60;
    zone.DaylightOffset = 60;
    // Last Sunday of March and first Sunday on or after 8 October, 1:00 UTC.
    zone.DaylightRule = {3, 1, 0, 1.0 / 24, TZoneRuleType::zrLastWeekday};
    zone.StandardRule = {10, 1, 8, 1.0 / 24, TZoneRuleType::zrWeekdayOnOrAfter};
    // German tells the time on a 24-hour clock, whatever the user's own format.
    QCOMPARE(zone.RuleDescription(true), u"am letzten Sonntag im März um 02:00 Uhr"_s);
    QCOMPARE(zone.RuleDescription(false),
             u"am ersten Sonntag am oder nach dem 8. Oktober um 03:00 Uhr"_s);
    SetFormatSettings(TFormatSettings::FromLocale(QLocale(u"de_DE"_s)));
    const TDateTime winter = 46'000; // 9 December 2025
    QCOMPARE(NextChangeText(zone, winter),
             u"Nächste Umstellung: Sonntag, 29. März 2026, 02:00 → 03:00"_s);
    SetFormatSettings(TFormatSettings::British());
    zone.StandardRule = {};
    QCOMPARE(zone.RuleDescription(false), u"an einem unbekannten Tag"_s);
}

void TestTranslations::qtStandardButtons()
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(dir + u"/qtbase_de.qm"_s))
        QSKIP("Qt's German translations are not installed");
    InstallTranslations(*qApp, QLocale(u"de_DE"_s));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
}

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("file");
    const QDir dir(QStringLiteral(VORKEL_TRANSLATIONS));
    for (const QString &name : dir.entryList({u"*.ts"_s}))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

void TestTranslations::everyTextTranslated()
{
    // After an update of the .ts files, a new or changed text is marked
    // unfinished until somebody translates it.
    QFETCH(QString, file);
    QFile ts(file);
    QVERIFY(ts.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ts.readAll());
    static const QRegularExpression unfinished(
        u"<source>(.*?)</source>\\s*(?:<comment>.*?</comment>\\s*)?"
        u"(?:<extracomment>.*?</extracomment>\\s*)?<translation type=\"unfinished\""_s,
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = unfinished.match(text);
    QVERIFY2(!match.hasMatch(), qPrintable(u"not translated: "_s + match.captured(1)));
    QVERIFY(text.contains(u"<translation>"_s));
}

void TestTranslations::manualEntryPage_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("heading");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Switzerland)
                            << u"Erste Schritte"_s;
    QTest::newRow("English") << QLocale(QLocale::English) << u"Getting started"_s;
    QTest::newRow("French") << QLocale(QLocale::French) << u"Premiers pas"_s;
    QTest::newRow("Spanish") << QLocale(QLocale::Spanish) << u"Primeros pasos"_s;
    QTest::newRow("Italian") << QLocale(QLocale::Italian) << u"Per iniziare"_s;
    QTest::newRow("Brazilian Portuguese")
        << QLocale(QLocale::Portuguese, QLocale::Brazil) << u"Primeiros passos"_s;
    QTest::newRow("Polish") << QLocale(QLocale::Polish) << u"Pierwsze kroki"_s;
    QTest::newRow("Dutch") << QLocale(QLocale::Dutch) << u"Aan de slag"_s;
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese) << u"はじめに"_s;
    QTest::newRow("Simplified Chinese") << QLocale(QLocale::Chinese, QLocale::China) << u"入门"_s;
    QTest::newRow("other languages read English")
        << QLocale(QLocale::Swedish) << u"Getting started"_s;
}

void TestTranslations::manualEntryPage()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, heading);
    QFile page(u":/help/"_s + LocalizedHelpPage(u"contents.htm"_s, locale));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(page.readAll()).contains(heading));
}

// A topic missing from a translated table would leave that pop-up empty.
void TestTranslations::popupTablesHaveTheSameTopics()
{
    const auto topics = [](const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringList{u"unreadable "_s + path};
        QStringList found;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n'))
            if (!line.startsWith(u'#') && line.contains(u'\t'))
                found << line.section(u'\t', 0, 0);
        return found;
    };
    const QStringList english = topics(u":/help/popups.txt"_s);
    QVERIFY(english.size() >= 8);
    for (const QLocale::Language language :
         {QLocale::German, QLocale::French, QLocale::Spanish, QLocale::Italian, QLocale::Portuguese,
          QLocale::Polish, QLocale::Dutch, QLocale::Japanese, QLocale::Chinese}) {
        const QString page = LocalizedHelpPage(u"popups.txt"_s, QLocale(language));
        QVERIFY2(page != u"popups.txt"_s, qPrintable(QLocale::languageToString(language)));
        QCOMPARE(topics(u":/help/"_s + page), english);
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
