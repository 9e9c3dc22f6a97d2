#include "core/clocks/lookahead.h"
#include "gui/desktop/help.h"
#include "gui/desktop/helpviewer.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestHelp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keywordPages_data();
    void keywordPages();
    void viewerShowsEachTopicInTurn();
    void viewerInTheDesktopFont();
    void escapeClosesViewer();
    void manualTellsTheKeys_data();
    void manualTellsTheKeys();
    void everyLinkOfTheManualResolves();
    void everyTopicHasAPopup_data();
    void everyTopicHasAPopup();
    void helpHookRouting();
    void aboutPageNamesTheZoneDatabase_data();
    void aboutPageNamesTheZoneDatabase();
};

void TestHelp::keywordPages_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("page");
    QTest::newRow("contents") << "AContents"
                              << "contents.htm";
    QTest::newRow("clock list tab") << "AClockList"
                                    << "clocklist.htm";
    QTest::newRow("appearance tab") << "AAppearanceAlarm"
                                    << "appearance.htm";
    QTest::newRow("unknown falls back") << "ANoSuchTopic"
                                        << "contents.htm";
    QTest::newRow("keywords match exactly") << "aclocklist"
                                            << "contents.htm";
}

void TestHelp::keywordPages()
{
    QFETCH(QString, keyword);
    QFETCH(QString, page);
    QCOMPARE(HelpPageForKeyword(keyword), page);
}

void TestHelp::viewerShowsEachTopicInTurn()
{
    THelpViewer viewer;
    viewer.ShowTopic(QStringLiteral("AClockList"));
    QVERIFY(viewer.isVisible());
    QVERIFY(viewer.toPlainText().contains(QStringLiteral("Add a Clock")));
    viewer.ShowTopic(QStringLiteral("AAppearanceAlarm"));
    QCOMPARE(viewer.source().fileName(), QStringLiteral("appearance.htm"));
    QVERIFY(!viewer.toPlainText().contains(QStringLiteral("Add a Clock")));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Vorkel Clocks Help"));
}

// The manual's text in the desktop's font and size, its window on the screen.
void TestHelp::viewerInTheDesktopFont()
{
    const QFont before = QApplication::font();
    const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
    QFont large = before;
    large.setPointSize(16);
    QApplication::setFont(large);
    THelpViewer viewer;
    viewer.ShowTopic(QStringLiteral("AClockList"));
    const QTextCursor text = viewer.document()->find(QStringLiteral("the time zones on the right"));
    QVERIFY(!text.isNull());
    QCOMPARE(text.charFormat().font().pointSize(), 16);
    QVERIFY(viewer.screen()->availableGeometry().contains(viewer.frameGeometry()));
}

void TestHelp::escapeClosesViewer()
{
    THelpViewer viewer;
    viewer.ShowTopic(QStringLiteral("AClockList"));
    QVERIFY(viewer.isVisible());
    QTest::keyClick(&viewer, Qt::Key_Escape);
    QVERIFY(!viewer.isVisible());
}

void TestHelp::manualTellsTheKeys_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("says");
    const QString manPage = QStringLiteral(VORKEL_RESOURCES "/../packaging/vorkelclocks.1");
    const QString notch = QString::number(TLookAhead::NotchMinutes) + QStringLiteral(" minutes");
    const QString limit =
        QString::number(TLookAhead::MaxMinutes / (24 * 60)) + QStringLiteral(" days");
    for (const auto &[where, file] :
         {std::pair{"manual", QStringLiteral(":/help/clockswindow.htm")},
          std::pair{"man page", manPage}}) {
        QTest::addRow("%s: the wheel", where) << file << QStringLiteral("mouse wheel");
        QTest::addRow("%s: a notch", where) << file << notch;
        QTest::addRow("%s: the keys", where) << file << QStringLiteral("Page Up");
        QTest::addRow("%s: how far", where) << file << limit;
    }
    for (const auto &[where, file] : {std::pair{"manual", QStringLiteral(":/help/clocklist.htm")},
                                      std::pair{"man page", manPage}}) {
        QTest::addRow("%s: the search", where) << file << QStringLiteral("search box");
        QTest::addRow("%s: abbreviations", where) << file << QStringLiteral("abbreviation");
        QTest::addRow("%s: reordering", where) << file << QStringLiteral("Ctrl+Up");
    }
}

// The manual and the manual page tell the wheel and keys of the clocks
// window and of the clock list, with the steps the program takes.
void TestHelp::manualTellsTheKeys()
{
    QFETCH(QString, file);
    QFETCH(QString, says);
    QFile page(file);
    QVERIFY(page.open(QIODevice::ReadOnly));
    // Both kinds of markup break lines anywhere and escape the minus.
    const QString text =
        QString::fromUtf8(page.readAll())
            .replace(QStringLiteral("\\-"), QStringLiteral("-"))
            .replace(QRegularExpression(QStringLiteral("\\s*\n\\.[A-Z]+ ?")), QStringLiteral(" "))
            .simplified();
    QVERIFY2(text.contains(says), qPrintable(says));
}

void TestHelp::everyLinkOfTheManualResolves()
{
    static const QRegularExpression href(QStringLiteral("(?:href|src)=\"([^\"#:]+)\""));
    for (const char *page : {"contents.htm", "clockswindow.htm", "clocklist.htm", "appearance.htm",
                             "startup.htm", "de/contents.htm"}) {
        const QUrl url(QStringLiteral("qrc:/help/") + QLatin1String(page));
        QFile file(u':' + url.path());
        QVERIFY2(file.open(QIODevice::ReadOnly), page);
        const QString html = QString::fromUtf8(file.readAll());
        for (const auto &m : href.globalMatch(html))
            QVERIFY2(QFile::exists(u':' + url.resolved(QUrl(m.captured(1))).path()),
                     qPrintable(QLatin1String(page) + QStringLiteral(" -> ") + m.captured(1)));
    }
}

void TestHelp::everyTopicHasAPopup_data()
{
    QTest::addColumn<int>("topic");
    for (int topic : {101, 103, 104, 201, 202, 301, 302, 401})
        QTest::addRow("%d", topic) << topic;
}

void TestHelp::everyTopicHasAPopup()
{
    QFETCH(int, topic);
    QVERIFY(ContextPopupText(topic).size() > 20);
}

void TestHelp::helpHookRouting()
{
    QVERIFY(ContextPopupText(999).isEmpty());
    // Pop-ups are handled, anything else is left to the caller.
    QVERIFY(ApplicationHelp(HELP_CONTEXTPOPUP, 999));
    QVERIFY(!ApplicationHelp(HELP_CONTEXT, 101));
}

void TestHelp::aboutPageNamesTheZoneDatabase_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("versionPhrase");
    QTest::newRow("English") << u"en_GB"_s << u"about.htm"_s
                             << u"tz database version <b>{tz-version}</b>"_s;
    QTest::newRow("German") << u"de_DE"_s << u"de/about.htm"_s
                            << u"tz-Datenbank Version <b>{tz-version}</b>"_s;
    QTest::newRow("French") << u"fr_FR"_s << u"fr/about.htm"_s
                            << u"version\n<b>{tz-version}</b> de la base tz"_s;
    QTest::newRow("Brazilian Portuguese")
        << u"pt_BR"_s << u"pt/about.htm"_s << u"<b>{tz-version}</b> do banco de dados tz"_s;
    QTest::newRow("Simplified Chinese")
        << u"zh_CN"_s << u"zh/about.htm"_s << u"tz 数据库版本 <b>{tz-version}</b>"_s;
    QTest::newRow("no Swedish page")
        << u"sv_SE"_s << u"about.htm"_s << u"tz database version <b>{tz-version}</b>"_s;
}

void TestHelp::aboutPageNamesTheZoneDatabase()
{
    QFETCH(QString, locale);
    QFETCH(QString, page);
    QFETCH(QString, versionPhrase);
    QCOMPARE(LocalizedPage(u":/"_s, u"about.htm"_s, QLocale(locale)), page);
    QFile file(u":/"_s + page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY(QFile::exists(QStringLiteral(":/about.png")));
    // The options dialog puts in the version of the zones.ini it loaded.
    QVERIFY2(html.contains(versionPhrase), qPrintable(html));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
