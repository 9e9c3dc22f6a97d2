// Dates typed into the alarm's date box as users type them, in English and
// German: after a Tab or a click, with the locale's separator, another one,
// or none.
#include "gui/widgets/typeddateedit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

class TestTypedDateEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typed_data();
    void typed();
};

void TestTypedDateEdit::typed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("click"); // the part clicked first (0 day, 1 month, 2 year), -1: Tab
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected"); // from 8 December 2026
    for (const QString &locale : {QStringLiteral("en_GB"), QStringLiteral("de_DE")}) {
        const QString own = locale == u"en_GB" ? QStringLiteral("/") : QStringLiteral(".");
        const auto row = [&locale](const char *name) {
            return &(QTest::newRow(qPrintable(locale + u' ' + QLatin1String(name))) << locale);
        };
        *row("digits only") << -1 << QStringLiteral("24012027") << QDate(2027, 1, 24);
        *row("the locale's separator")
            << -1
            << QStringLiteral("24") + own + QStringLiteral("01") + own + QStringLiteral("2027")
            << QDate(2027, 1, 24);
        *row("another separator") << -1 << QStringLiteral("24-1-2027") << QDate(2027, 1, 24);
        *row("short parts") << -1 << QStringLiteral("2.1.2027") << QDate(2027, 1, 2);
        *row("click on the day") << 0 << QStringLiteral("24") << QDate(2026, 12, 24);
        *row("click on the month") << 1 << QStringLiteral("7") << QDate(2026, 7, 8);
        *row("click on the year") << 2 << QStringLiteral("2030") << QDate(2030, 12, 8);
    }
}

void TestTypedDateEdit::typed()
{
    QFETCH(QString, locale);
    QFETCH(int, click);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    const QLocale language(locale);
    TTypedDateEdit edit;
    edit.setLocale(language);
    // The display format the options dialog gives it: the short date, whole year.
    QString format = language.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    edit.setDisplayFormat(format);
    edit.setDate(QDate(2026, 12, 8));
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    auto *line = edit.findChild<QLineEdit *>();
    if (click < 0) {
        edit.setFocus(Qt::TabFocusReason);
        edit.setSelectedSection(edit.sectionAt(0)); // what a Tab into the box selects
    } else {
        // Between the part's first and second digit, where a plain date edit
        // inserts what is typed.
        const QString text = line->text();
        int start = 0;
        for (int part = 0; part < click; ++part)
            start = static_cast<int>(text.indexOf(locale == u"de_DE" ? u'.' : u'/', start)) + 1;
        edit.setFocus(Qt::MouseFocusReason);
        QPoint at(0, line->height() / 2);
        while (at.x() < line->width() && line->cursorPositionAt(at) != start + 1)
            at.rx() += 1;
        QTest::mouseClick(line, Qt::LeftButton, {}, at);
        QCOMPARE(line->cursorPosition(), start + 1);
    }
    QTest::keyClicks(&edit, keys);
    QTest::keyClick(&edit, Qt::Key_Enter); // the box takes what was typed
    QCOMPARE(edit.date(), expected);
}

QTEST_MAIN(TestTypedDateEdit)
#include "tst_typeddateedit.moc"
