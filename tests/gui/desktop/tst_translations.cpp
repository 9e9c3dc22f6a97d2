#include "core/time/clocksource.h"
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
    void ruleSentences_data();
    void ruleSentences();
    void timeFormatsFollowTheLocale_data();
    void timeFormatsFollowTheLocale();
    void qtStandardButtons();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void manualEntryPage_data();
    void manualEntryPage();
    void popupTablesHaveTheSameTopics();
    void manualNamesTheTabs_data();
    void manualNamesTheTabs();
    void hintLinesBeginCapitalised_data();
    void hintLinesBeginCapitalised();
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
    for (const auto &[locale, title] :
         {std::pair{"fr_FR", u"Heures du monde"_s}, std::pair{"es_ES", u"Horas del mundo"_s},
          std::pair{"it_IT", u"Orari del mondo"_s}, std::pair{"pt_BR", u"Horários do mundo"_s},
          std::pair{"pl_PL", u"Czas na świecie"_s}, std::pair{"nl_NL", u"Wereldtijden"_s},
          std::pair{"ja_JP", u"世界の時刻"_s}, std::pair{"zh_CN", u"世界时间"_s}}) {
        QTest::newRow(locale) << locale << true << QByteArray("TClocksForm")
                              << QByteArray("World Times") << title;
    }
    QTest::newRow("no Swedish: English stays") << "sv_SE" << false << QByteArray("TClocksForm")
                                               << QByteArray("World Times") << u"World Times"_s;
    // European Portuguese has a language but no program texts of its own.
    QTest::newRow("no European Portuguese") << "pt_PT" << false << QByteArray("TClocksForm")
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

// The rule sentences are put together from pieces (day, weekday, month, time)
// in each language's own order and grammar; the next-change line takes the
// date's names from the locale.
void TestTranslations::ruleSentences_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("begins");
    QTest::addColumn<QString>("resumes");
    QTest::addColumn<QString>("next");
    QTest::newRow("German") << u"de_DE"_s << u"am letzten Sonntag im März um 02:00 Uhr"_s
                            << u"am ersten Sonntag am oder nach dem 8. Oktober um 03:00 Uhr"_s
                            << u"Nächste Umstellung: Sonntag, 29. März 2026, 02:00 → 03:00"_s;
    QTest::newRow("French") << u"fr_FR"_s << u"en mars, le dernier dimanche à 02:00"_s
                            << u"le premier dimanche à partir du 8 octobre à 03:00"_s
                            << u"Prochain changement\u00a0: dimanche 29 mars 2026, 02:00 → 03:00"_s;
    QTest::newRow("Spanish") << u"es_ES"_s << u"el último domingo de marzo a las 2:00"_s
                             << u"el primer domingo a partir del 8 de octubre a las 3:00"_s
                             << u"Próximo cambio: domingo, 29 de marzo de 2026, 2:00 → 3:00"_s;
    QTest::newRow("Italian") << u"it_IT"_s
                             << u"l’ultimo giorno di marzo che cade di domenica alle 02:00"_s
                             << u"il primo giorno che cade di domenica a partire dal giorno 8 "
                                u"ottobre alle 03:00"_s
                             << u"Prossimo cambio: domenica 29 marzo 2026, 02:00 → 03:00"_s;
    QTest::newRow("Brazilian Portuguese")
        << u"pt_BR"_s << u"no último dia de março que seja domingo às 02:00"_s
        << u"no primeiro dia que seja domingo a partir de 8 de outubro às 03:00"_s
        << u"Próxima mudança: domingo, 29 de março de 2026, 02:00 → 03:00"_s;
    QTest::newRow("Polish") << u"pl_PL"_s << u"ostatniego dnia marca będącego niedzielą o 02:00"_s
                            << u"pierwszego dnia będącego niedzielą, począwszy od 8 października o "
                               u"03:00"_s
                            << u"Następna zmiana: niedziela, 29 marca 2026, 02:00 → 03:00"_s;
    QTest::newRow("Dutch") << u"nl_NL"_s << u"op de laatste zondag van maart om 02:00"_s
                           << u"op de eerste zondag vanaf 8 oktober om 03:00"_s
                           << u"Volgende wisseling: zondag 29 maart 2026, 02:00 → 03:00"_s;
    QTest::newRow("Japanese") << u"ja_JP"_s << u"3月の最終日曜日の2:00"_s
                              << u"10月8日以降の最初の日曜日の3:00"_s
                              << u"次の切り替え: 2026年3月29日 日曜日 2:00 → 3:00"_s;
    QTest::newRow("Simplified Chinese")
        << u"zh_CN"_s << u"3月的最后一个星期日 02:00"_s << u"10月8日或之后的第一个星期日 03:00"_s
        << u"下次调整：2026年3月29日 星期日 02:00 → 03:00"_s;
}

void TestTranslations::ruleSentences()
{
    QFETCH(QString, locale);
    SetFormatSettings(TFormatSettings::British());
    QVERIFY(InstallTranslations(*qApp, QLocale(locale)));
    TTimeZone zone;
    zone.UTCOffset = 60;
    zone.DaylightOffset = 60;
    // Last Sunday of March and first Sunday on or after 8 October, 1:00 UTC.
    zone.DaylightRule = {3, 1, 0, 1.0 / 24, TZoneRuleType::zrLastWeekday};
    zone.StandardRule = {10, 1, 8, 1.0 / 24, TZoneRuleType::zrWeekdayOnOrAfter};
    // Each language tells the time on its own clock, whatever the user's format.
    QTEST(zone.RuleDescription(true), "begins");
    QTEST(zone.RuleDescription(false), "resumes");
    SetFormatSettings(TFormatSettings::FromLocale(QLocale(locale)));
    const TDateTime winter = 46'000; // 9 December 2025
    QTEST(NextChangeText(zone, winter), "next");
    SetFormatSettings(TFormatSettings::British());
}

void TestTranslations::timeFormatsFollowTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    const QDir dir(QStringLiteral(VORKEL_TRANSLATIONS));
    for (const QString &name : dir.entryList({u"*.ts"_s})) {
        const QString locale = name.section(u'_', 1).section(u'.', 0, 0);
        QTest::newRow(qPrintable(locale)) << locale;
    }
}

// Every language gives the zone texts' times as its locale writes them: the
// 24-hour clock where that is the custom, the leading zero where it writes
// one; the info box's clock adds the seconds.
void TestTranslations::timeFormatsFollowTheLocale()
{
    QFETCH(QString, locale);
    const QLocale qlocale(locale);
    QVERIFY(InstallTranslations(*qApp, qlocale));
    // Every locale here separates hours and minutes by a colon.
    const QString shortTime =
        FormatFromQtFormat(qlocale.timeFormat(QLocale::ShortFormat), QChar(), u':');
    QCOMPARE(ZoneTimeOfDayFormat(), shortTime);
    QCOMPARE(ZoneClockTimeFormat(), QString(shortTime).replace(u"nn"_s, u"nn:ss"_s));
}

void TestTranslations::qtStandardButtons()
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(dir + u"/qtbase_de.qm"_s))
        QSKIP("Qt's German translations are not installed");
    InstallTranslations(*qApp, QLocale(u"de_DE"_s));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
}

void TestTranslations::manualNamesTheTabs_data()
{
    timeFormatsFollowTheLocale_data();
}

// The entry page's topics are called what the options' tabs are called.
void TestTranslations::manualNamesTheTabs()
{
    QFETCH(QString, locale);
    const QLocale qlocale(locale);
    QVERIFY(InstallTranslations(*qApp, qlocale));
    QFile page(u":/help/"_s + LocalizedHelpPage(u"contents.htm"_s, qlocale));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    for (const auto &[topic, tab] : {std::pair{"clocklist.htm", "Clocks and Time Zones"},
                                     std::pair{"appearance.htm", "Appearance and Alarm"}}) {
        const QRegularExpression link(u"<a href=\"../"_s + QLatin1String(topic) +
                                      u"\">([^<]*)</a>"_s);
        QCOMPARE(link.match(text).captured(1), QCoreApplication::translate("TZoneForm", tab));
    }
}

void TestTranslations::hintLinesBeginCapitalised_data()
{
    timeFormatsFollowTheLocale_data();
    QTest::newRow("en") << u"en"_s;
}

// A clock's hint ends with the line about its difference from local time,
// which begins like every other line of the hint.
void TestTranslations::hintLinesBeginCapitalised()
{
    QFETCH(QString, locale);
    InstallTranslations(*qApp, QLocale(locale));
    TTimeZone zone;
    zone.Name = u"Here"_s;
    const TFakeClock clock(EncodeDateTime(2026, 1, 10, 12, 0, 0, 0), 0);
    const QString hint = ClockHintDetails(zone, false, NowUTC());
    for (const QString &line : hint.split(u'\n'))
        QVERIFY2(!line.isEmpty() && !line.at(0).isLower(), qPrintable(line));
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
