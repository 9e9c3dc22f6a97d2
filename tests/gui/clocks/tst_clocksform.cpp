#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/system/sessionsignals.h"
#include "core/time/clocksource.h"
#include "core/time/formatsettings.h"
#include "gui/clocks/clocksapp.h"
#include "gui/clocks/clocksform.h"
#include "gui/options/zoneform.h"
#include "gui/tray/systrayicon.h"
#include "gui/widgets/aboutform.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/urllabel.h"
#include "gui/widgets/watermarkbox.h"
#include "gui/widgets/zonedclock.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QFocusFrame>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <csignal>
#include <sys/stat.h>

namespace {
struct TSeedClock
{
    QString Title;
    QString Zone;
    bool UseDaylight = true;
};

void SeedClocks(const QList<TSeedClock> &clocks)
{
    QStringList titles;
    for (int n = 0; n < clocks.size(); ++n) {
        titles << clocks[n].Title;
        WriteSettingString(ClockListGroup, QString::number(n) + QStringLiteral("_Zone"),
                           clocks[n].Zone);
        WriteSettingBool(ClockListGroup, QString::number(n) + QStringLiteral("_UseDaylight"),
                         clocks[n].UseDaylight);
    }
    WriteSettingString(SettingsGroup, ValueClocks, titles.join(u';'));
}

void SeedThreeClocks()
{
    SeedClocks({{QStringLiteral("London"), QStringLiteral("Europe/London")},
                {QStringLiteral("Paris"), QStringLiteral("Europe/Paris")},
                {QStringLiteral("Tokyo"), QStringLiteral("Asia/Tokyo")}});
}

// count clocks "Clock 0", "Clock 1"... all on London time.
void SeedLondonClocks(int count)
{
    QList<TSeedClock> clocks;
    for (int i = 0; i < count; ++i)
        clocks.append({QStringLiteral("Clock %1").arg(i), QStringLiteral("Europe/London")});
    SeedClocks(clocks);
}

void SeedAlarm(const QString &clock, TDateTime localTime)
{
    WriteSettingString(SettingsGroup, ValueAlarmTime, AlarmTimeText(localTime));
    WriteSettingString(SettingsGroup, ValueAlarmClock, clock);
}

// A line put into the file as a hand or a damaged disk left it.
void AddStoredLine(const QByteArray &line)
{
    QFile file(SettingsFileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    bytes.replace("[General]\n", "[General]\n" + line + '\n');
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QRect GeometryIn(const QWidget *w, const QWidget *window)
{
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

// The same case unpinned and pinned.
void PinnedRows()
{
    QTest::addColumn<bool>("pinned");
    QTest::newRow("unpinned") << false;
    QTest::newRow("pinned") << true;
}

// Tuesday 15 July 2025, 11:00:00.250 UTC: London on summer time (12:00 local).
const TDateTime SummerNoonUTC = EncodeDateTime(2025, 7, 15, 11, 0, 0, 250);
} // namespace

class TestClocksForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void rightToLeftKeepsItsLayout();

    void trayHint_data();
    void trayHint();
    void firstRunQuestion_data();
    void firstRunQuestion();
    void aboutBoxOnce();
    void zoneFileError();
    void trayClickWhileVisible();
    void deactivation_data();
    void deactivation();
    void deactivationWhileAlarmMessage();
    void timerFollowsTheSecond_data();
    void timerFollowsTheSecond();
    void layout_data();
    void layout();
    void frameFollowsTheWindowAsItWidens();
    void textsClearOfPinAndEdge_data();
    void textsClearOfPinAndEdge();
    void alarmPictureWidens_data();
    void alarmPictureWidens();
    void drag_data();
    void drag();
    void clockUnderCursor();
    void infoOnCaption();
    void doubleClickSelects_data();
    void doubleClickSelects();
    void alarm_data();
    void alarm();
    void alarmStoredYesterday();
    void alarmClockByTitle_data();
    void alarmClockByTitle();
    void alarmSnoozed_data();
    void alarmSnoozed();
    void alarmRingsWhenSettingsCannotBeWritten();
    void clockHint_data();
    void clockHint();
    void hugeTitleAndFormat_data();
    void hugeTitleAndFormat();
    void titlesShownLetterForLetter();
    void unknownZoneKept();
    void storedFont_data();
    void storedFont();
    void brandClick_data();
    void brandClick();
    void pulledBackOntoScreen_data();
    void pulledBackOntoScreen();
    void tickShowsWhatIsInSight();
    void optionsCommit();
    void exitStoresWindowState();
    void windowStateWrittenOnChange_data();
    void windowStateWrittenOnChange();
    void pinnedStartsShown_data();
    void pinnedStartsShown();
    void keyboardOnly_data();
    void keyboardOnly();
    void ownWindowsAbovePinned_data();
    void ownWindowsAbovePinned();
    void screenReaderOrder_data();
    void screenReaderOrder();
    void lookAhead_data();
    void lookAhead();
    void terminationDuringStartBox_data();
    void terminationDuringStartBox();
    void storedPosition_data();
    void storedPosition();
    void damagedDateFormat_data();
    void damagedDateFormat();
    void failedSaveAtExit_data();
    void failedSaveAtExit();

private:
    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TFakeClock> FClock;
};

void TestClocksForm::initTestCase()
{
    SetFormatSettings(TFormatSettings::British());
    TWorldClocks::SetZoneFilePath(QStringLiteral(VORKEL_TEST_DATA "/clocks/zones.ini"));
}

void TestClocksForm::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    QVERIFY(FDir->isValid());
    SetSettingsFileName(FDir->filePath(QStringLiteral("Clocks.ini")));
    FClock = std::make_unique<TFakeClock>(SummerNoonUTC, 60);
    MessageDlgHook::Reset();
}

void TestClocksForm::cleanup()
{
    QVERIFY2(!MessageDlgHook::HasQueuedAnswers(), "an expected message was not shown");
    MessageDlgHook::Reset();
    TTermination::Instance().Reset();
    FClock.reset();
    SetSettingsFileName(QString());
    FDir.reset();
}

void TestClocksForm::trayHint_data()
{
    QTest::addColumn<QStringList>("zones");
    QTest::addColumn<QString>("hint");

    QTest::newRow("one") << QStringList{QStringLiteral("Europe/London")}
                         << QStringLiteral("Click to show the time in London");
    QTest::newRow("two") << QStringList{QStringLiteral("Europe/London"),
                                        QStringLiteral("Europe/Paris")}
                         << QStringLiteral("Click to show the time in London and Paris");
    QTest::newRow("three") << QStringList{QStringLiteral("Europe/London"),
                                          QStringLiteral("Europe/Paris"),
                                          QStringLiteral("Asia/Tokyo")}
                           << QStringLiteral("Click to show the time in London, Paris and Tokyo");
    // Cities, not titles: the seeded titles are "Clock 0", "Clock 1", ...
    const QString l37(37, u'L');
    const QString m38(38, u'M');
    QTest::newRow("63 characters kept") << QStringList{QStringLiteral("Test/") + l37}
                                        << QStringLiteral("Click to show the time in ") + l37;
    QTest::newRow("64 characters cut")
        << QStringList{QStringLiteral("Test/") + m38}
        << QStringLiteral("Click to show the time in ") + m38.left(34) + QStringLiteral("...");
    // Kept, with a mark, for a later zone file that knows it (unknownZoneKept).
    QTest::newRow("unknown zone kept")
        << QStringList{QStringLiteral("Europe/Nowhere"), QStringLiteral("Asia/Tokyo")}
        << QStringLiteral("Click to show the time in Nowhere and Tokyo");
}

void TestClocksForm::trayHint()
{
    QFETCH(QStringList, zones);
    QFETCH(QString, hint);
    QList<TSeedClock> clocks;
    for (int i = 0; i < zones.size(); ++i)
        clocks.append({QStringLiteral("Clock %1").arg(i), zones[i]});
    SeedClocks(clocks);
    if (zones.contains(QStringLiteral("Europe/Nowhere")))
        MessageDlgHook::QueueAnswer(QMessageBox::Ok); // that its zone is unknown

    TSysTrayIcon tray;

    TClocksForm form(tray);
    QCOMPARE(form.SysTrayIcon()->Hint(), hint);
    QVERIFY(form.SysTrayIcon()->Hint().size() <= 63);
    QVERIFY(form.SysTrayIcon()->IconVisible());
    QVERIFY(!form.isVisible());
    QCOMPARE(form.ClockControls().size(), form.Clocks().Count());
    QCOMPARE(form.TitleLabels().size(), form.Clocks().Count());
}

void TestClocksForm::firstRunQuestion_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("no") << QMessageBox::No;
    QTest::newRow("yes") << QMessageBox::Yes;
}

void TestClocksForm::firstRunQuestion()
{
    QFETCH(QMessageBox::StandardButton, answer);
    MessageDlgHook::QueueAnswer(answer);
    TClocksApp app;
    TClocksForm &form = app.ClocksForm();
    QCOMPARE(MessageDlgHook::Shown().size(), 1);
    const MessageDlgHook::TShown shown = MessageDlgHook::Shown().first();
    QCOMPARE(shown.Message, QStringLiteral("You have not chosen any time zones to use as "
                                           "clocks.\nWould you like to choose some now?"));
    QCOMPARE(shown.Type, TMsgDlgType::Confirmation);
    QCOMPARE(shown.Buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(form.SysTrayIcon()->Hint(), QStringLiteral("No clocks have been selected."));

    // "Yes" opens the options dialog as soon as the owner has wired the
    // window, that is in the first turn of the event loop.
    QCoreApplication::processEvents();
    QCOMPARE(app.ZoneForm() != nullptr, answer == QMessageBox::Yes);

    // Without clocks the window is never shown, and the timer stays off; a
    // tray click opens the options dialog instead.
    form.ShowClocksClick();
    QVERIFY(!form.isVisible());
    QVERIFY(!form.Timer()->isActive());
    QVERIFY(app.ZoneForm() != nullptr);
}

void TestClocksForm::aboutBoxOnce()
{
    SeedThreeClocks();
    TClocksApp app;
    QPointer<TAboutForm> first;
    int boxes = 0;
    // The about box is modal: the checks run inside its loop, as a second
    // "About..." from the tray menu would.
    QTimer::singleShot(0, [&] {
        first = app.AboutForm();
        const QWidgetList windows = QApplication::topLevelWidgets();
        boxes = static_cast<int>(std::count_if(windows.begin(), windows.end(), [](QWidget *w) {
            return qobject_cast<TAboutForm *>(w) != nullptr;
        }));
        Q_EMIT app.ClocksForm().AboutRequested(); // returns at once: the open box is raised
        QCOMPARE(app.AboutForm(), first.data());
        first->findChild<QPushButton *>(QStringLiteral("BtnClose"))->click();
    });
    Q_EMIT app.ClocksForm().AboutRequested();
    QCOMPARE(boxes, 1);
    QTRY_VERIFY(first.isNull()); // freed on close
    QCOMPARE(app.AboutForm(), nullptr);
}

void TestClocksForm::zoneFileError()
{
    SeedThreeClocks();
    WriteSettingBool(SettingsGroup, ValuePinned, true);
    WriteSettingInteger(SettingsGroup, ValueLeft, -1200);
    TWorldClocks::SetZoneFilePath(FDir->filePath(QStringLiteral("missing.ini")));
    MessageDlgHook::QueueAnswer(QMessageBox::Cancel);
    {
        TSysTrayIcon tray;
        TClocksForm form(tray);
        TWorldClocks::SetZoneFilePath(QStringLiteral(VORKEL_TEST_DATA "/clocks/zones.ini"));
        QVERIFY(form.Terminating());
        QVERIFY(!form.isVisible());
        QCOMPARE(MessageDlgHook::Shown().size(), 1); // no first-run question after it
        const MessageDlgHook::TShown shown = MessageDlgHook::Shown().first();
        QVERIFY(shown.Message.startsWith(
            QStringLiteral("There was an error loading the time zone data:\n")));
        QCOMPARE(shown.Type, TMsgDlgType::Error);
        QCOMPARE(shown.Buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
    }
    // The stored window state of the last run survives.
    QCOMPARE(ReadSettingBool(SettingsGroup, ValuePinned, false), true);
    QCOMPARE(ReadSettingInteger(SettingsGroup, ValueLeft, 0), -1200);
}

void TestClocksForm::trayClickWhileVisible()
{
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocksClick();
    QVERIFY(form.isVisible());
    form.move(form.pos() + QPoint(-40, -30));
    const QPoint moved = form.pos();
    form.ShowClocksClick();
    QVERIFY(form.isVisible());
    QCOMPARE(form.pos(), moved);
}

void TestClocksForm::deactivation_data()
{
    QTest::addColumn<bool>("pinned");
    QTest::addColumn<bool>("trayClick"); // the tray icon clicked as activation goes
    QTest::addColumn<bool>("comesBack"); // activation comes straight back
    QTest::addColumn<bool>("staysVisible");
    QTest::newRow("unpinned") << false << false << false << false;
    QTest::newRow("pinned") << true << false << false << true;
    QTest::newRow("by a click on the tray icon") << false << true << false << true;
    QTest::newRow("activation back at once") << false << false << true << true;
}

void TestClocksForm::deactivation()
{
    QFETCH(bool, pinned);
    QFETCH(bool, trayClick);
    QFETCH(bool, comesBack);
    QFETCH(bool, staysVisible);
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.SetPinned(pinned);
    form.ShowClocks();
    QVERIFY(form.isVisible());
    QVERIFY(form.Timer()->isActive());
    // Let the activation that showing brings settle before taking it away.
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_COMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
    const QPoint placed = form.pos();
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    if (trayClick)
        form.SysTrayIcon()->Activated(QSystemTrayIcon::Trigger);
    if (comesBack)
        Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
    // Offscreen the tray never tells where its icon is, so the window waits
    // briefly for a click on the icon before it hides.
    if (staysVisible)
        QTest::qWait(600);
    else
        QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 2000);
    QCOMPARE(form.isVisible(), staysVisible);
    QCOMPARE(form.pos(), placed);
    // Hidden without an alarm: nothing left to tick for.
    QCOMPARE(form.Timer()->isActive(), staysVisible);
}

void TestClocksForm::deactivationWhileAlarmMessage()
{
    SeedThreeClocks();
    SeedAlarm(QStringLiteral("Tokyo"), EncodeDateTime(2025, 7, 15, 20, 0, 0, 0));
    TSysTrayIcon tray;
    TClocksForm form(tray);
    QVERIFY(form.Alarm().IsSet());
    QVERIFY(form.Timer()->isActive()); // watching while hidden

    // The real message box, closed from inside its own loop.
    bool visibleWhileUp = false;
    bool showingWhileUp = false;
    QTimer::singleShot(0, &form, [&] {
        Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
        QTest::qWait(600);
        visibleWhileUp = form.isVisible();
        showingWhileUp = form.AlarmShowing();
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    form.UpdateClocks();
    QVERIFY(showingWhileUp);
    QVERIFY(visibleWhileUp);
    QVERIFY(!form.AlarmShowing());
    QVERIFY(form.TaskButtonHidden());
    // Once the message is gone, losing activation hides the window again.
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 2000);
}

void TestClocksForm::timerFollowsTheSecond_data()
{
    QTest::addColumn<int>("msecs"); // of the local wall clock when the tick runs
    QTest::addColumn<int>("interval");
    QTest::newRow("on the second") << 0 << 1000;
    QTest::newRow("a quarter past") << 250 << 750;
    QTest::newRow("just before the next") << 999 << 1;
}

void TestClocksForm::timerFollowsTheSecond()
{
    QFETCH(int, msecs);
    QFETCH(int, interval);
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    QCOMPARE(form.Timer()->timerType(), Qt::PreciseTimer);
    QVERIFY(form.Timer()->isSingleShot());
    FClock->Advance(msecs - 250); // the fake clock stands at .250
    form.UpdateClocks();
    QCOMPARE(form.Timer()->interval(), interval);
    QVERIFY(form.Timer()->isActive());
    form.HideClocks();
    QVERIFY(!form.Timer()->isActive());
}

void TestClocksForm::layout_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("one clock") << QStringList{QStringLiteral("London")};
    QTest::newRow("three clocks") << QStringList{QStringLiteral("London"), QStringLiteral("Paris"),
                                                 QStringLiteral("Tokyo")};
    QTest::newRow("titles wider than clocks")
        << QStringList{QStringLiteral("The capital of the United Kingdom"), QStringLiteral("Paris"),
                       QStringLiteral("The capital of Japan, a much longer title still")};
}

void TestClocksForm::layout()
{
    QFETCH(QStringList, titles);
    const QStringList zones{QStringLiteral("Europe/London"), QStringLiteral("Europe/Paris"),
                            QStringLiteral("Asia/Tokyo")};
    QList<TSeedClock> clocks;
    for (int i = 0; i < titles.size(); ++i)
        clocks.append({titles[i], zones[i]});
    SeedClocks(clocks);

    TSysTrayIcon tray;

    TClocksForm form(tray);
    form.ShowClocks();
    const auto &clockControls = form.ClockControls();
    const auto &titleLabels = form.TitleLabels();
    QCOMPARE(clockControls.size(), titles.size());

    QCOMPARE(clockControls[0]->x(), 34);
    QCOMPARE(titleLabels[0]->pos(), QPoint(26, 0));
    QCOMPARE(clockControls[0]->y(), titleLabels[0]->height());
    int widest = 0;
    for (int i = 0; i < titles.size(); ++i) {
        const QLabel *title = titleLabels[i];
        const TZonedClock *clock = clockControls[i];
        QVERIFY(title->text().startsWith(titles[i] + QStringLiteral(" (")));
        // Every text whole: each label is at least as large as its text.
        QVERIFY(title->width() >= title->fontMetrics().horizontalAdvance(title->text()));
        QVERIFY(clock->height() >= 2 * clock->fontMetrics().height());
        if (i > 0) {
            const TZonedClock *above = clockControls[i - 1];
            QCOMPARE(title->x(), 26);
            QCOMPARE(title->y(), above->y() + above->height() + 8);
            QCOMPARE(clock->x(), 34);
            QCOMPARE(clock->y(), title->y() + title->height());
        }
        // A margin beside each text, and the pin beside the first title.
        widest = std::max(widest, clock->x() + clock->width() + (clock->y() < 14 ? 14 + 6 : 6));
        widest = std::max(widest, title->x() + title->width() + (i == 0 ? 14 + 6 : 6));
    }
    QCOMPARE(form.width(), std::max(120, widest));
    const TZonedClock *last = clockControls.last();
    QCOMPARE(form.height(), std::max(108, last->y() + last->height() + 35));

    // The pin button on the right of the top line, the strip down the left
    // above the brand panel, which spans the bottom.
    QCOMPARE(GeometryIn(form.PinButton(), &form), QRect(form.width() - 14, 0, 14, 14));
    QCOMPARE(GeometryIn(form.SideStrip(), &form), QRect(0, 0, 24, form.height() - 35));
    QCOMPARE(GeometryIn(form.BrandPanel(), &form), QRect(0, form.height() - 35, form.width(), 35));
    // The strip's picture was painted, while the window was still hidden,
    // for the height the strip has once shown.
    const auto *strip = qobject_cast<const TWatermarkBox *>(form.SideStrip());
    QVERIFY(strip);
    QCOMPARE(strip->Bitmap().height(), form.height() - 35);
}

void TestClocksForm::rightToLeftKeepsItsLayout()
{
    // Under ar_EG, he_IL or fa_IR Qt mirrors every window; the clocks were
    // then placed for the other direction, cut ("11:0") and over the strip.
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.SetPinned(true);
    form.ShowClocks();
    QCOMPARE(GeometryIn(form.SideStrip(), &form), QRect(0, 0, 24, form.height() - 35));
    QCOMPARE(GeometryIn(form.PinButton(), &form), QRect(form.width() - 14, 0, 14, 14));
    for (qsizetype i = 0; i < form.ClockControls().size(); ++i) {
        for (const QWidget *part : {static_cast<const QWidget *>(form.TitleLabels()[i]),
                                    static_cast<const QWidget *>(form.ClockControls()[i])}) {
            const QRect shown = GeometryIn(part, &form);
            QVERIFY2(shown.left() >= 24 && shown.right() < form.width(),
                     qPrintable(QStringLiteral("part %1 at %2..%3 of %4")
                                    .arg(i)
                                    .arg(shown.left())
                                    .arg(shown.right())
                                    .arg(form.width())));
            QVERIFY(shown.width() >= part->sizeHint().width());
        }
    }
}

void TestClocksForm::frameFollowsTheWindowAsItWidens()
{
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.SetPinned(true);
    form.ShowClocks();
    const int before = form.width();
    // A longer date from the options widens the shown window.
    TClocksState state = form.ShownState();
    state.DateFormat = QStringLiteral("dddd d mmmm yyyy, dddd");
    form.ApplyChanges(form.Clocks(), state);
    QVERIFY(form.width() > before);
    QCOMPARE(GeometryIn(form.PinButton(), &form), QRect(form.width() - 14, 0, 14, 14));
    QCOMPARE(GeometryIn(form.BrandPanel(), &form), QRect(0, form.height() - 35, form.width(), 35));
    QCOMPARE(GeometryIn(form.SideStrip(), &form), QRect(0, 0, 24, form.height() - 35));
}

void TestClocksForm::textsClearOfPinAndEdge_data()
{
    QTest::addColumn<bool>("pinned");
    QTest::addColumn<QString>("dateFormat");
    QTest::addColumn<int>("points"); // 0: the clocks' design font
    for (const bool pinned : {false, true})
        for (const QString &date :
             {QStringLiteral("dddd d mmmm yyyy"), QStringLiteral("dddd, d mmmm yyyy (dddd)")})
            for (const int points : {0, 8, 10, 12, 14, 16})
                QTest::addRow("%s, %s, %d pt", pinned ? "pinned" : "unpinned", qPrintable(date),
                              points)
                    << pinned << date << points;
}

void TestClocksForm::textsClearOfPinAndEdge()
{
    QFETCH(bool, pinned);
    QFETCH(QString, dateFormat);
    QFETCH(int, points);
    // Short titles: the dates are the widest texts, the first one level with the pin.
    SeedClocks({{QStringLiteral("UK"), QStringLiteral("Europe/London")},
                {QStringLiteral("FR"), QStringLiteral("Europe/Paris")},
                {QStringLiteral("JP"), QStringLiteral("Asia/Tokyo")}});
    SeedAlarm(QStringLiteral("UK"), EncodeDateTime(2025, 7, 16, 8, 0, 0, 0));
    WriteSettingString(SettingsGroup, ValueDateFormat, dateFormat);
    if (points > 0)
        WriteSettingString(SettingsGroup, ValueFont,
                           QStringLiteral("DejaVu Sans;%1;0;0").arg(points));
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.SetPinned(pinned);
    form.ShowClocks();
    const QRect pin = GeometryIn(form.PinButton(), &form);
    QCOMPARE(pin.topRight(), QPoint(form.width() - 1, 0));
    QList<const QWidget *> parts{form.AlarmImage()};
    for (qsizetype i = 0; i < form.ClockControls().size(); ++i)
        parts << form.TitleLabels()[i] << form.ClockControls()[i];
    for (const QWidget *part : parts) {
        const QRect text = GeometryIn(part, &form);
        const QString where =
            QStringLiteral("%1 at %2,%3 %4x%5, pin at %6,%7, window %8 wide")
                .arg(part->objectName().isEmpty() ? QStringLiteral("a clock") : part->objectName())
                .arg(text.x())
                .arg(text.y())
                .arg(text.width())
                .arg(text.height())
                .arg(pin.x())
                .arg(pin.y())
                .arg(form.width());
        QVERIFY2(!text.intersects(pin), qPrintable(where));
        QVERIFY2(text.right() + 4 < form.width(), qPrintable(where));
    }
}

void TestClocksForm::alarmPictureWidens_data()
{
    QTest::addColumn<QString>("font");
    QTest::newRow("design font") << QString();
    // Applied after the alarm is loaded, and moving every clock down.
    QTest::newRow("larger stored font") << QStringLiteral("DejaVu Sans;16;0;0");
}

void TestClocksForm::alarmPictureWidens()
{
    QFETCH(QString, font);
    SeedThreeClocks();
    SeedAlarm(QStringLiteral("Paris"), EncodeDateTime(2025, 7, 16, 8, 0, 0, 0));
    if (!font.isEmpty())
        WriteSettingString(SettingsGroup, ValueFont, font);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    const QLabel *picture = form.AlarmImage();
    const TZonedClock *paris = form.ClockControls()[1];
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->pos(), QPoint(paris->x() + paris->width() + 5, paris->y() + 2));
    QCOMPARE(picture->size(), QSize(12, 11));
    QVERIFY(form.width() >= picture->x() + picture->width() + 2);
    QCOMPARE(picture->toolTip(), QStringLiteral("Alarm set for 08:00 AM on 16/07/2025"));
}

void TestClocksForm::drag_data()
{
    QTest::addColumn<bool>("pinned");
    QTest::addColumn<int>("part"); // -1 the window itself, else a title
    QTest::newRow("by the window") << false << -1;
    QTest::newRow("by a title") << false << 1;
    QTest::newRow("pinned, by a title") << true << 2;
}

void TestClocksForm::drag()
{
    QFETCH(bool, pinned);
    QFETCH(int, part);
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.SetPinned(pinned);
    form.ShowClocks();
    form.move(300, 200);
    QWidget *grip = part < 0 ? static_cast<QWidget *>(&form) : form.TitleLabels()[part];
    const QPoint at = part < 0 ? QPoint(form.width() / 2, form.height() - 40) : QPoint(3, 3);
    QTest::mousePress(grip, Qt::LeftButton, {}, at);
    QTest::mouseMove(grip, at + QPoint(20, 10));
    QTest::mouseRelease(grip, Qt::LeftButton, {}, at + QPoint(20, 10));
    QCOMPARE(form.pos(), QPoint(320, 210));
    QTest::mouseMove(grip, at + QPoint(60, 60)); // released: no more moving
    QCOMPARE(form.pos(), QPoint(320, 210));
}

void TestClocksForm::clockUnderCursor()
{
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    const auto &clocks = form.ClockControls();
    const auto &titles = form.TitleLabels();
    QCOMPARE(form.ClockAt(titles[1]->geometry().center()), clocks[1]);
    QCOMPARE(form.ClockAt(clocks[2]->geometry().center()), clocks[2]);
    QCOMPARE(form.ClockAt(titles[0]->geometry().topLeft()), clocks[0]);
    QCOMPARE(form.ClockAt(form.SideStrip()->geometry().center()), nullptr);
    QCOMPARE(form.ClockAt(form.BrandPanel()->geometry().center()), nullptr);
    // The background right of the clocks.
    QCOMPARE(form.ClockAt(QPoint(form.width() - 3, clocks[1]->y() + 3)), nullptr);
}

void TestClocksForm::infoOnCaption()
{
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    QCursor::setPos(form.mapToGlobal(form.TitleLabels()[2]->geometry().center()));
    if (form.ClockUnderCursor() != form.ClockControls()[2])
        QSKIP("this platform does not move the cursor");
    Q_EMIT form.WindowMenu()->aboutToShow();
    QCOMPARE(form.InfoOnAction()->text(), QStringLiteral("&Info on Asia/Tokyo..."));
    QVERIFY(form.InfoOnAction()->isVisible());
    QCOMPARE(form.WindowMenu()->defaultAction(), form.InfoOnAction());

    QCursor::setPos(form.mapToGlobal(form.SideStrip()->geometry().center()));
    Q_EMIT form.WindowMenu()->aboutToShow();
    QVERIFY(!form.InfoOnAction()->isVisible());
}

void TestClocksForm::doubleClickSelects_data()
{
    QTest::addColumn<int>("title"); // -1: the window's background
    QTest::addColumn<int>("selected");
    QTest::newRow("first title") << 0 << 0;
    QTest::newRow("third title") << 2 << 2;
    QTest::newRow("background") << -1 << -1;
}

void TestClocksForm::doubleClickSelects()
{
    QFETCH(int, title);
    QFETCH(int, selected);
    // Two clocks of one zone, told apart by their titles.
    SeedClocks({{QStringLiteral("Home"), QStringLiteral("Europe/London")},
                {QStringLiteral("Paris"), QStringLiteral("Europe/Paris")},
                {QStringLiteral("Office"), QStringLiteral("Europe/London")}});
    TClocksApp app;
    TClocksForm &form = app.ClocksForm();
    form.ShowClocks();
    QWidget *target = title >= 0 ? static_cast<QWidget *>(form.TitleLabels()[title]) : &form;
    const QPoint at = title >= 0 ? QPoint(2, 2) : QPoint(form.width() - 3, form.height() / 2);
    QVERIFY(title >= 0 || form.ClockAt(at) == nullptr);
    QTest::mouseDClick(target, Qt::LeftButton, {}, at);
    QVERIFY(app.ZoneForm() != nullptr);
    if (selected >= 0)
        QCOMPARE(app.ZoneForm()->SelectedClockIndex(), selected);
}

void TestClocksForm::alarm_data()
{
    QTest::addColumn<QString>("clock");
    QTest::addColumn<bool>("useDaylight");
    QTest::addColumn<qint64>("lateMSecs"); // negative: not yet due
    QTest::addColumn<bool>("rings");
    QTest::addColumn<bool>("passedLine");

    QTest::newRow("one millisecond early") << "London" << true << qint64(-1) << false << false;
    QTest::newRow("due at equality") << "London" << true << qint64(0) << true << false;
    QTest::newRow("5 s late") << "London" << true << qint64(5000) << true << false;
    QTest::newRow("6 s late") << "London" << true << qint64(6000) << true << true;
    // Daylight use off changes the clock's face, not the alarm's moment.
    QTest::newRow("daylight use off") << "London" << false << qint64(0) << true << false;
}

void TestClocksForm::alarm()
{
    QFETCH(QString, clock);
    QFETCH(bool, useDaylight);
    QFETCH(qint64, lateMSecs);
    QFETCH(bool, rings);
    QFETCH(bool, passedLine);
    SeedClocks({{QStringLiteral("Tokyo"), QStringLiteral("Asia/Tokyo")},
                {clock, QStringLiteral("Europe/London"), useDaylight}});
    // 12:00:00.250 on summer time in London.
    const TDateTime localNow = EncodeDateTime(2025, 7, 15, 12, 0, 0, 250);
    SeedAlarm(clock, localNow - double(lateMSecs) / MSecsPerDay);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    QVERIFY(form.Alarm().IsSet());
    QVERIFY(form.AlarmImage()->isVisibleTo(&form));
    if (rings)
        MessageDlgHook::QueueAnswer(QMessageBox::Ok);
    form.UpdateClocks();

    QCOMPARE(MessageDlgHook::Shown().size(), rings ? 1 : 0);
    QCOMPARE(form.isVisible(), rings);
    QCOMPARE(form.Alarm().Active, !rings);
    QCOMPARE(ReadSettingString(SettingsGroup, ValueAlarmTime, QString()) == u"0", rings);
    QVERIFY(form.Timer()->isActive());
    if (!rings)
        return;
    const MessageDlgHook::TShown shown = MessageDlgHook::Shown().first();
    QCOMPARE(shown.Type, TMsgDlgType::Information);
    QCOMPARE(shown.Caption, QStringLiteral("Alarm – London"));
    // OK, and Snooze under its own text.
    QCOMPARE(shown.Buttons, QMessageBox::Ok | QMessageBox::Retry);
    const QString passed =
        passedLine ? QStringLiteral("The alarm time for London has passed!\n") : QString();
    QCOMPARE(shown.Message, QStringLiteral("This is your Vorkel Clocks alarm!\n\n") + passed +
                                QStringLiteral("The time in London is now 15/07/2025 12:00:00."));
    QVERIFY(!form.AlarmImage()->isVisibleTo(&form));
    QVERIFY(form.TaskButtonHidden());
    // Rung once: later ticks stay quiet.
    form.UpdateClocks();
    QCOMPARE(MessageDlgHook::Shown().size(), 1);
}

void TestClocksForm::alarmStoredYesterday()
{
    SeedThreeClocks();
    SeedAlarm(QStringLiteral("Paris"), EncodeDateTime(2025, 7, 14, 9, 30, 0, 0));
    MessageDlgHook::QueueAnswer(QMessageBox::Ok);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    QVERIFY(!form.isVisible());
    // The first tick after start rings, with the window shown.
    QTRY_COMPARE_WITH_TIMEOUT(MessageDlgHook::Shown().size(), 1, 3000);
    QVERIFY(MessageDlgHook::Shown().first().Message.contains(
        QStringLiteral("The alarm time for Paris has passed!\n")));
    QVERIFY(form.isVisible());
    QCOMPARE(ReadSettingString(SettingsGroup, ValueAlarmTime, QString()), QStringLiteral("0"));
    QCOMPARE(ReadSettingString(SettingsGroup, ValueAlarmClock, QString()), QStringLiteral("Paris"));
}

void TestClocksForm::alarmSnoozed_data()
{
    QTest::addColumn<QByteArray>("stored"); // SnoozeMinutes as the file holds it; empty: none
    QTest::addColumn<int>("minutes");
    QTest::newRow("the default") << QByteArray() << 10;
    QTest::newRow("five") << QByteArray("SnoozeMinutes=5") << 5;
    QTest::newRow("damaged") << QByteArray("SnoozeMinutes=soon") << 10;
}

void TestClocksForm::alarmSnoozed()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, minutes);
    SeedThreeClocks();
    // 12:00:00.250 in London: rung on its moment, to the second.
    SeedAlarm(QStringLiteral("London"), EncodeDateTime(2025, 7, 15, 12, 0, 0, 0));
    if (!stored.isEmpty())
        AddStoredLine(stored);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    MessageDlgHook::QueueAnswer(QMessageBox::Retry);
    form.UpdateClocks();
    QCOMPARE(MessageDlgHook::Shown().size(), 1);

    const TDateTime snoozed = EncodeDateTime(2025, 7, 15, 12, minutes, 0, 0);
    QVERIFY(form.Alarm().IsSet());
    QCOMPARE(form.Alarm().Time, snoozed);
    QVERIFY(form.AlarmImage()->isVisibleTo(&form));
    // Stored as any alarm is, so a restart keeps it.
    QCOMPARE(ReadSettingString(SettingsGroup, ValueAlarmTime, QString()), AlarmTimeText(snoozed));
    QCOMPARE(TStoredSettings::AlarmClock(), QStringLiteral("London"));
    QVERIFY(form.Timer()->isActive());

    // Quiet until the snooze is over, then it rings again.
    FClock->Advance(qint64(minutes) * 60'000 - 251);
    form.UpdateClocks();
    QCOMPARE(MessageDlgHook::Shown().size(), 1);
    FClock->Advance(1);
    MessageDlgHook::QueueAnswer(QMessageBox::Ok);
    form.UpdateClocks();
    QCOMPARE(MessageDlgHook::Shown().size(), 2);
    QVERIFY(!form.Alarm().IsSet());
    QCOMPARE(ReadSettingString(SettingsGroup, ValueAlarmTime, QString()), QStringLiteral("0"));
}

void TestClocksForm::alarmRingsWhenSettingsCannotBeWritten()
{
    SeedThreeClocks();
    SeedAlarm(QStringLiteral("Paris"), EncodeDateTime(2025, 7, 15, 13, 0, 0, 0));
    TSysTrayIcon tray;
    TClocksForm form(tray);
    // A full or read-only disk: no write of the settings file can succeed.
    QVERIFY(QFile::remove(SettingsFileName()));
    QCOMPARE(::mkfifo(QFile::encodeName(SettingsFileName()).constData(), 0600), 0);
    MessageDlgHook::QueueAnswer(QMessageBox::Ok);
    MessageDlgHook::QueueAnswer(QMessageBox::Ok);
    form.UpdateClocks();

    // The alarm first, the write error after it.
    const QList<MessageDlgHook::TShown> &shown = MessageDlgHook::Shown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].Caption, QStringLiteral("Alarm – Paris"));
    QVERIFY(shown[0].Message.startsWith(QStringLiteral("This is your Vorkel Clocks alarm!")));
    QCOMPARE(shown[1].Type, TMsgDlgType::Error);
    QCOMPARE(shown[1].Message, QStringLiteral("Unable to open \"%1\" for write")
                                   .arg(QFileInfo(SettingsFileName()).absoluteFilePath()));
    QVERIFY(!form.Alarm().IsSet());
    QVERIFY(QFile::remove(SettingsFileName())); // the window stores its place at the end
}

void TestClocksForm::alarmClockByTitle_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("zone"); // empty: no alarm
    QTest::newRow("HOME finds the first of Home and home") << "HOME"
                                                           << "Europe/London";
    QTest::newRow("home too") << "home"
                              << "Europe/London";
    QTest::newRow("no such clock") << "Work"
                                   << "";
}

void TestClocksForm::alarmClockByTitle()
{
    QFETCH(QString, stored);
    QFETCH(QString, zone);
    SeedClocks({{QStringLiteral("Tokyo"), QStringLiteral("Asia/Tokyo")},
                {QStringLiteral("Home"), QStringLiteral("Europe/London")},
                {QStringLiteral("home"), QStringLiteral("Europe/Paris")}});
    SeedAlarm(stored, EncodeDateTime(2025, 7, 16, 8, 0, 0, 0));
    TSysTrayIcon tray;
    TClocksForm form(tray);
    QCOMPARE(form.Alarm().IsSet(), !zone.isEmpty());
    QCOMPARE(form.AlarmImage()->isVisibleTo(&form), !zone.isEmpty());
    if (!zone.isEmpty())
        QCOMPARE(form.Alarm().Clock->Name, zone);
}

void TestClocksForm::clockHint_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("useDaylight");
    QTest::addColumn<QString>("hint");
    // Mid-July: summer time in London, winter (standard) time in Sydney; the
    // user's own clock is an hour east of UTC. The test file's Sydney changes
    // at 16:00 UTC on the first Sunday of October, a Monday there.
    QTest::newRow("daylight in force")
        << "Europe/London" << true
        << "Europe/London (GMT)\nDaylight time (BST, GMT +1:00)\n"
           "Next change: Sunday 26 October 2025, 02:00 AM \u2192 01:00 AM\nSame time as here";
    QTest::newRow("daylight use off")
        << "Europe/London" << false
        << "Europe/London (GMT)\nStandard time (GMT)\n1 hour behind local time";
    QTest::newRow("southern winter")
        << "Australia/Sydney" << true
        << "Australia/Sydney (GMT +10:00)\nStandard time (AEST)\n"
           "Next change: Monday 6 October 2025, 02:00 AM \u2192 03:00 AM\n"
           "9 hours ahead of local time";
    QTest::newRow("no daylight rules")
        << "Asia/Tokyo" << true
        << "Asia/Tokyo (GMT +9:00)\nStandard time (JST)\n8 hours ahead of local time";
}

void TestClocksForm::clockHint()
{
    QFETCH(QString, zone);
    QFETCH(bool, useDaylight);
    QFETCH(QString, hint);
    SeedClocks({{QStringLiteral("First"), QStringLiteral("Asia/Tokyo")},
                {QStringLiteral("Second"), zone, useDaylight}});
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    QCOMPARE(form.ClockHint(1), hint);

    // The hint reaches the clock and its title through the tool-tip event,
    // though neither has a tool tip of its own.
    for (QWidget *part : {static_cast<QWidget *>(form.ClockControls()[1]),
                          static_cast<QWidget *>(form.TitleLabels()[1])}) {
        QVERIFY(part->toolTip().isEmpty());
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), part->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(part, &help);
        QTRY_COMPARE(QToolTip::text(), hint);
        QToolTip::hideText();
    }
}

// A clock whose zone the zone file does not name: shown with a mark and no
// time, said once a run, never rung for, and still in the file.
void TestClocksForm::unknownZoneKept()
{
    SeedClocks({{QStringLiteral("Home"), QStringLiteral("Europe/London")},
                {QStringLiteral("Mars"), QStringLiteral("Mars/Olympus"), false},
                {QStringLiteral("Tokyo"), QStringLiteral("Asia/Tokyo")}});
    SeedAlarm(QStringLiteral("Mars"), EncodeDateTime(2025, 7, 14, 12, 0, 0, 0));
    MessageDlgHook::QueueAnswer(QMessageBox::Ok);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    QCOMPARE(MessageDlgHook::Shown().size(), 1);
    const MessageDlgHook::TShown shown = MessageDlgHook::Shown().first();
    QCOMPARE(shown.Type, TMsgDlgType::Warning);
    QVERIFY2(shown.Message.contains(QStringLiteral("\nMars: Mars/Olympus\n")),
             qPrintable(shown.Message));
    form.ShowClocks();
    form.UpdateClocks(); // the alarm is long due, but in a zone of unknown time

    QCOMPARE(MessageDlgHook::Shown().size(), 1);
    QCOMPARE(form.ClockControls().size(), 3);
    QCOMPARE(form.TitleLabels()[1]->text(), QStringLiteral("Mars (zone unknown)"));
    QCOMPARE(form.ClockControls()[1]->Text(), QStringLiteral("--:--"));
    QVERIFY(form.ClockHint(1).startsWith(QStringLiteral("Mars/Olympus\nThis zone is not")));
    QCOMPARE(form.TitleLabels()[2]->text(), QStringLiteral("Tokyo (JST)"));
    // The window is built again after every commit of the options: not said again.
    form.LoadClocks();
    QCOMPARE(MessageDlgHook::Shown().size(), 1);
    QCOMPARE(ReadSettingString(ClockListGroup, QStringLiteral("1_Zone"), QString()),
             QStringLiteral("Mars/Olympus"));
    QVERIFY(ReadSettingString(SettingsGroup, ValueAlarmTime, QString()) != u"0");
}

void TestClocksForm::hugeTitleAndFormat_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("dateFormat"); // empty: the default
    QTest::newRow("a title of 4,000 letters") << QStringLiteral("Kiev ").repeated(800) << QString();
    QTest::newRow("a hostile date format")
        << QStringLiteral("Kiev") << QStringLiteral("ddddd ").repeated(20000);
}

// A settings file with a title or a date format of thousands of letters: the
// window stays on its screen, the title is cut and read whole in its hint.
void TestClocksForm::hugeTitleAndFormat()
{
    QFETCH(QString, title);
    QFETCH(QString, dateFormat);
    SeedClocks({{title, QStringLiteral("Europe/London")},
                {QStringLiteral("Tokyo"), QStringLiteral("Asia/Tokyo")}});
    if (!dateFormat.isEmpty())
        WriteSettingString(SettingsGroup, ValueDateFormat, dateFormat);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    form.UpdateClocks();

    const QRect screen = form.screen()->availableGeometry();
    QVERIFY2(form.width() <= screen.width() / 2 + 120, qPrintable(QString::number(form.width())));
    QVERIFY(screen.contains(form.geometry()));
    const QLabel *shownTitle = form.TitleLabels()[0];
    const TZonedClock *clock = form.ClockControls()[0];
    if (title.size() > 100) {
        QVERIFY(shownTitle->text().endsWith(u'…'));
        QCOMPARE(shownTitle->accessibleName(), title.trimmed() + QStringLiteral(" (BST)"));
        QVERIFY(form.ClockHint(0).startsWith(QStringLiteral("Kiev Kiev")));
        QVERIFY(form.ClockHint(0).contains(QStringLiteral("\nEurope/London (GMT)\n")));
    } else {
        QCOMPARE(shownTitle->text(), QStringLiteral("Kiev (BST)"));
        QVERIFY(form.ClockHint(0).startsWith(QStringLiteral("Europe/London (GMT)\n")));
        QVERIFY(clock->Text().split(u'\n').first().endsWith(u'…'));
        QVERIFY(clock->Text().size() < 1000);
    }
}

// A title is the user's text: markup in it is shown, never obeyed, in the
// window and in the clock's hint.
void TestClocksForm::titlesShownLetterForLetter()
{
    // Long enough to be cut: the hint then starts with the whole title.
    const QString title = QStringLiteral("<b>HQ</b> <img src=\"x.png\"> ").repeated(40);
    SeedClocks({{title, QStringLiteral("Europe/London")}});
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    const QLabel *shown = form.TitleLabels()[0];
    QCOMPARE(shown->textFormat(), Qt::PlainText);
    QVERIFY(title.startsWith(shown->text().left(8)));

    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), shown->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(form.ClockControls()[0], &help);
    QTRY_VERIFY(!QToolTip::text().isEmpty());
    QTextDocument tip;
    tip.setHtml(QToolTip::text());
    const QString read = tip.toPlainText().replace(QChar::Nbsp, u' ');
    QToolTip::hideText();
    QVERIFY2(read.startsWith(form.ClockHint(0).split(u'\n').first()), qPrintable(read));
}

void TestClocksForm::storedFont_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("color");
    QTest::newRow("bold red Arial") << "Arial;10;1;255"
                                    << "Arial" << 10 << false << QColor(255, 0, 0);
    QTest::newRow("italic blue") << "DejaVu Serif;12;2;16711680"
                                 << "DejaVu Serif" << 12 << true << QColor(0, 0, 255);
    // A size that does not parse: the clocks' own font.
    QTest::newRow("malformed") << "Arial;x;1;255"
                               << "Tahoma" << 8 << false << QColor();
    // Sizes no font dialog offers: a 2000 pt window would take gigabytes.
    QTest::newRow("2000 pt") << "Arial;2000;0;255"
                             << "Tahoma" << 8 << false << QColor();
    QTest::newRow("5 pt") << "Arial;5;2;255"
                          << "Tahoma" << 8 << false << QColor();
}

void TestClocksForm::storedFont()
{
    QFETCH(QString, stored);
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(bool, italic);
    QFETCH(QColor, color);
    SeedThreeClocks();
    WriteSettingString(SettingsGroup, ValueFont, stored);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    const QColor expectedColor =
        color.isValid() ? color : form.palette().color(QPalette::WindowText);
    for (int i = 0; i < 3; ++i) {
        const QFont clockFont = form.ClockControls()[i]->font();
        QCOMPARE(clockFont.family(), family);
        QCOMPARE(clockFont.pointSize(), points);
        QCOMPARE(clockFont.italic(), italic);
        QCOMPARE(form.ClockControls()[i]->palette().color(QPalette::WindowText), expectedColor);
        const QFont titleFont = form.TitleLabels()[i]->font();
        QCOMPARE(titleFont.family(), family);
        QCOMPARE(titleFont.pointSize(), points);
        QVERIFY(titleFont.bold());
        QCOMPARE(form.TitleLabels()[i]->palette().color(QPalette::WindowText), expectedColor);
    }
    QCOMPARE(form.ClockFont().family(), family);
    // Laid out again for the new sizes: still stacked without overlaps.
    for (int i = 1; i < 3; ++i)
        QVERIFY(form.TitleLabels()[i]->y() >= form.ClockControls()[i - 1]->geometry().bottom() + 1);
}

void TestClocksForm::brandClick_data()
{
    QTest::addColumn<bool>("onPanel"); // else on the side strip
    QTest::addColumn<int>("moveBy");   // mouse travel while the button is down
    QTest::addColumn<bool>("opens");
    QTest::newRow("panel") << true << 0 << true;
    QTest::newRow("strip") << false << 0 << true;
    QTest::newRow("drag by the panel") << true << 30 << false;
    QTest::newRow("drag by the strip") << false << 30 << false;
}

void TestClocksForm::brandClick()
{
    QFETCH(bool, onPanel);
    QFETCH(int, moveBy);
    QFETCH(bool, opens);
    SeedThreeClocks();
    QStringList opened;
    const TShellOpener previous = SetShellOpener([&opened](const QUrl &url) {
        opened << url.toString();
        return true;
    });
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    QVERIFY(!form.SideStrip()->toolTip().isEmpty());
    if (opens)
        MessageDlgHook::QueueAnswer(QMessageBox::Ok);
    QWidget *target = onPanel ? static_cast<QWidget *>(form.BrandPanel()) : form.SideStrip();
    // On the panel's caption, which passes its clicks to the panel.
    const QPoint at = target->rect().center();
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    if (moveBy != 0)
        QTest::mouseMove(target, at + QPoint(moveBy, 0));
    QTest::mouseRelease(target, Qt::LeftButton, {}, at + QPoint(moveBy, 0));
    SetShellOpener(previous);

    QCOMPARE(opened.size(), opens ? 1 : 0);
    if (opens) {
        QCOMPARE(MessageDlgHook::Shown().size(), 1);
        QCOMPARE(MessageDlgHook::Shown().first().Message, opened.first());
        QVERIFY(!MessageDlgHook::Shown().first().Sounded); // a notice, not an alert
        QVERIFY(opened.first().startsWith(QStringLiteral("https://")));
    }
}

void TestClocksForm::pulledBackOntoScreen_data()
{
    QTest::addColumn<int>("clockCount");
    QTest::newRow("three clocks") << 3;
    // Taller than the screen: the top stays in sight rather than the bottom.
    QTest::newRow("more clocks than the screen holds") << 60;
}

void TestClocksForm::pulledBackOntoScreen()
{
    QFETCH(int, clockCount);
    SeedLondonClocks(clockCount);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    const QRect screen = form.screen()->geometry();
    form.move(screen.right() - 20, screen.bottom() - 10);
    form.UpdateClocks();
    QCOMPARE(form.pos(), QPoint(screen.right() + 1 - form.width(),
                                std::max(screen.top(), screen.bottom() + 1 - form.height())));
    QCOMPARE(form.height() > screen.height(), clockCount > 3);
}

void TestClocksForm::tickShowsWhatIsInSight()
{
    SeedLondonClocks(60);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    const QRect screen = form.screen()->geometry();
    QVERIFY(form.height() > screen.height());
    QCOMPARE(form.y(), screen.top());
    const TZonedClock *first = form.ClockControls().first();
    const TZonedClock *last = form.ClockControls().last();
    const QString lastBefore = last->Caption();

    FClock->Advance(1000);
    form.UpdateClocks();
    QCOMPARE(first->Caption(), first->CurrentText());
    QCOMPARE(last->Caption(), lastBefore); // below the screen: no cost

    // Pinned, it may hang over the top; the bottom clocks come into sight.
    form.SetPinned(true);
    form.move(form.x(), screen.bottom() + 1 - form.height());
    QCOMPARE(last->Caption(), last->CurrentText());
    QVERIFY(last->Caption() != lastBefore);
}

void TestClocksForm::optionsCommit()
{
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    const QPoint placed = form.pos();
    // Offscreen the tray tells nothing: the corner of the available area,
    // for the window's size of this showing.
    const QRect available = form.screen()->availableGeometry();
    QCOMPARE(placed,
             QPoint(available.right() + 1 - form.width(), available.bottom() + 1 - form.height()));
    form.move(placed - QPoint(200, 150)); // dragged away

    // What the options dialog does when it commits: a fourth clock, a font.
    SeedClocks({{QStringLiteral("London"), QStringLiteral("Europe/London")},
                {QStringLiteral("Paris"), QStringLiteral("Europe/Paris")},
                {QStringLiteral("Tokyo"), QStringLiteral("Asia/Tokyo")},
                {QStringLiteral("Sydney"), QStringLiteral("Australia/Sydney")}});
    WriteSettingString(SettingsGroup, ValueFont, QStringLiteral("DejaVu Serif;9;0;0"));
    form.LoadClocks();
    form.LoadSettings();
    form.HideClocks();
    form.ShowClocks();

    QVERIFY(form.isVisible());
    QCOMPARE(form.ClockControls().size(), 4);
    QCOMPARE(form.SysTrayIcon()->Hint(),
             QStringLiteral("Click to show the time in London, Paris, Tokyo and Sydney"));
    // Back beside the tray, grown by a clock.
    QCOMPARE(form.pos(),
             QPoint(available.right() + 1 - form.width(), available.bottom() + 1 - form.height()));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(form.ClockControls()[i]->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(form.TitleLabels()[i]->font().family(), QStringLiteral("DejaVu Serif"));
    }
    const TZonedClock *last = form.ClockControls().last();
    QCOMPARE(form.height(), last->y() + last->height() + 35);
}

void TestClocksForm::exitStoresWindowState()
{
    SeedThreeClocks();
    {
        TSysTrayIcon tray;
        TClocksForm form(tray);
        form.ShowClocks();
        form.SetPinned(true);
        form.move(-1200, 40);
    }
    QCOMPARE(ReadSettingBool(SettingsGroup, ValuePinned, false), true);
    QCOMPARE(ReadSettingInteger(SettingsGroup, ValueLeft, 0), -1200);
    QCOMPARE(ReadSettingInteger(SettingsGroup, ValueTop, 0), 40);
}

void TestClocksForm::windowStateWrittenOnChange_data()
{
    QTest::addColumn<bool>("pinned");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("written");
    QTest::newRow("pinned by the button") << false << "pin" << true;
    QTest::newRow("unpinned by the button") << true << "pin" << true;
    QTest::newRow("dragged") << false << "drag" << true;
    QTest::newRow("pinned and dragged") << true << "drag" << true;
    // A press and release without travel moves nothing.
    QTest::newRow("clicked") << true << "click" << false;
    QTest::newRow("a tick") << true << "tick" << false;
}

void TestClocksForm::windowStateWrittenOnChange()
{
    QFETCH(bool, pinned);
    QFETCH(QString, change);
    QFETCH(bool, written);
    SeedThreeClocks();
    if (pinned) {
        WriteSettingBool(SettingsGroup, ValuePinned, true);
        WriteSettingInteger(SettingsGroup, ValueLeft, 100);
        WriteSettingInteger(SettingsGroup, ValueTop, 90);
    }
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.ShowClocks();
    form.move(300, 200);
    QLabel *title = form.TitleLabels()[1];
    const QPoint at(3, 3);
    if (change == u"pin") {
        QTest::mouseClick(form.PinButton(), Qt::LeftButton);
    } else if (change == u"tick") {
        form.UpdateClocks();
    } else {
        const QPoint to = change == u"drag" ? at + QPoint(20, 10) : at;
        QTest::mousePress(title, Qt::LeftButton, {}, at);
        QTest::mouseMove(title, to);
        QTest::mouseRelease(title, Qt::LeftButton, {}, to);
    }

    // Read while the window is still up: nothing waits for the way out.
    const int noValue = -1;
    if (written) {
        QCOMPARE(ReadSettingBool(SettingsGroup, ValuePinned, !form.Pinned()), form.Pinned());
        QCOMPARE(ReadSettingInteger(SettingsGroup, ValueLeft, noValue), form.x());
        QCOMPARE(ReadSettingInteger(SettingsGroup, ValueTop, noValue), form.y());
    } else {
        QCOMPARE(ReadSettingInteger(SettingsGroup, ValueLeft, noValue), pinned ? 100 : noValue);
        QCOMPARE(ReadSettingInteger(SettingsGroup, ValueTop, noValue), pinned ? 90 : noValue);
    }
}

void TestClocksForm::pinnedStartsShown_data()
{
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QPoint>("expected"); // (-1, y): at the right edge of the work area
    QTest::newRow("on the screen") << QPoint(100, 17) << QPoint(100, 17);
    // A monitor since unplugged, or a hand-edited file.
    QTest::newRow("right of every screen") << QPoint(5000, 17) << QPoint(-1, 17);
}

void TestClocksForm::pinnedStartsShown()
{
    QFETCH(QPoint, stored);
    QFETCH(QPoint, expected);
    SeedThreeClocks();
    WriteSettingBool(SettingsGroup, ValuePinned, true);
    WriteSettingInteger(SettingsGroup, ValueLeft, stored.x());
    WriteSettingInteger(SettingsGroup, ValueTop, stored.y());
    TSysTrayIcon tray;
    TClocksForm form(tray);
    QVERIFY(form.isVisible());
    QVERIFY(form.Pinned());
    // Never placed beside the tray.
    if (expected.x() < 0)
        expected.setX(form.screen()->availableGeometry().right() + 1 - form.width());
    QCOMPARE(form.pos(), expected);
}

void TestClocksForm::screenReaderOrder_data()
{
    PinnedRows();
}

void TestClocksForm::screenReaderOrder()
{
    QFETCH(bool, pinned);
    SeedThreeClocks();
    SeedAlarm(QStringLiteral("Paris"), EncodeDateTime(2025, 7, 15, 18, 30, 0, 0));
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.SetPinned(pinned);
    form.ShowClocks();
    // Every title, then its time, clock by clock, then the pin button; the
    // same once the clocks are built again after the options changed.
    const auto readingOrder = [&form] {
        QList<QObject *> expected;
        for (qsizetype i = 0; i < form.ClockControls().size(); ++i)
            expected << form.TitleLabels()[i] << form.ClockControls()[i];
        expected << form.PinButton();
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
        QList<QObject *> read;
        for (int i = 0; i < window->childCount(); ++i)
            if (expected.contains(window->child(i)->object()))
                read.append(window->child(i)->object());
        return read == expected;
    };
    QVERIFY(readingOrder());
    // A window by its caption, not a nameless filler.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("World Times"));
    // The pin: a check button whose name stays and whose state tells.
    QAccessibleInterface *pin = QAccessible::queryAccessibleInterface(form.PinButton());
    QCOMPARE(pin->role(), QAccessible::CheckBox);
    QCOMPARE(pin->text(QAccessible::Name), QStringLiteral("Pin to the desktop"));
    QCOMPARE(pin->state().checked, pinned);
    QVERIFY(pin->state().focusable);
    // Each clock heard whole and reached by the keyboard: title, date, time.
    for (qsizetype i = 0; i < form.ClockControls().size(); ++i) {
        QAccessibleInterface *clock =
            QAccessible::queryAccessibleInterface(form.ClockControls()[i]);
        QCOMPARE(clock->text(QAccessible::Name),
                 form.TitleLabels()[i]->text() + u'\n' + form.ClockControls()[i]->Text());
        QVERIFY(clock->state().focusable);
    }
    QCOMPARE(form.ClockControls()[1]->accessibleName(),
             QStringLiteral("Paris (CEST)\n15 July 2025\n13:00:00"));
    // The alarm picture by name, its hint as the description.
    QAccessibleInterface *bell = QAccessible::queryAccessibleInterface(form.AlarmImage());
    QCOMPARE(bell->text(QAccessible::Name), QStringLiteral("Alarm"));
    QCOMPARE(bell->text(QAccessible::Description),
             QStringLiteral("Alarm set for 06:30 PM on 15/07/2025"));
    form.ApplyChanges(form.Clocks(), form.ShownState());
    QVERIFY(readingOrder());
    form.SetPinned(!pinned);
    QCOMPARE(pin->state().checked, !pinned);
}

void TestClocksForm::keyboardOnly_data()
{
    PinnedRows();
}

void TestClocksForm::keyboardOnly()
{
    QFETCH(bool, pinned);
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.SetPinned(pinned);
    form.ShowClocks();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const auto &clocks = form.ClockControls();
    auto *marker = form.findChild<QFocusFrame *>();
    QVERIFY(marker);
    const auto focused = [] { return QApplication::focusWidget(); };
    // Shown, the window has the focus on its first clock; the frame waits
    // for the keyboard.
    QCOMPARE(focused(), clocks[0]);
    QVERIFY(!marker->isVisible());

    // Tab goes down the clocks, then to the pin, then round again.
    for (qsizetype i = 1; i < clocks.size(); ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), clocks[i]);
        QVERIFY(marker->isVisible());
        const QRect clockRect = GeometryIn(clocks[i], &form);
        QVERIFY(marker->geometry().contains(
            clockRect.united(GeometryIn(form.TitleLabels()[i], &form))));
    }
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), form.PinButton());
    QVERIFY(marker->geometry().contains(GeometryIn(form.PinButton(), &form)));

    // The look-ahead keys work on the pin too; Space toggles and stores it.
    QTest::keyClick(focused(), Qt::Key_Up);
    QCOMPARE(clocks[0]->ShiftMinutes(), 15);
    QCOMPARE(focused(), form.PinButton());
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(form.Pinned(), !pinned);
    QCOMPARE(TStoredSettings::Pinned(), !pinned);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), clocks[0]);
    QTest::keyClick(focused(), Qt::Key_Tab);

    // Shift+F10 and the Menu key open the window's menu for the focused clock.
    for (const auto &[keyCode, modifiers] :
         {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        QTest::keyClick(focused(), keyCode, modifiers);
        QTRY_VERIFY(form.WindowMenu()->isVisible());
        QVERIFY(form.InfoOnAction()->isVisible());
        QCOMPARE(form.InfoOnAction()->text(), QStringLiteral("&Info on Europe/Paris..."));
        QCOMPARE(form.WindowMenu()->activeAction(), form.InfoOnAction());
        form.WindowMenu()->hide();
    }
    // A click hides the frame: the mouse is being used.
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(form.width() - 3, form.height() / 2));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(form.width() - 3, form.height() / 2));
    QVERIFY(!marker->isVisible());

    // Escape comes back to the present first, then hides, pinned or not.
    QTest::keyClick(focused(), Qt::Key_Escape);
    QCOMPARE(clocks[0]->ShiftMinutes(), 0);
    QVERIFY(form.isVisible());
    QTest::keyClick(focused(), Qt::Key_Escape);
    QVERIFY(!form.isVisible());
}

void TestClocksForm::ownWindowsAbovePinned_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("keptAbove"); // while the other window is up
    QTest::newRow("options dialog") << QStringLiteral("dialog") << false;
    QTest::newRow("message box") << QStringLiteral("box") << false;
    QTest::newRow("the manual") << QStringLiteral("window") << false;
    QTest::newRow("a menu") << QStringLiteral("menu") << true;
    // The alarm's box, kept above the window by the window manager.
    QTest::newRow("the window's own box") << QStringLiteral("own box") << true;
}

void TestClocksForm::ownWindowsAbovePinned()
{
    QFETCH(QString, kind);
    QFETCH(bool, keptAbove);
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.SetPinned(true);
    form.ShowClocks();
    const auto above = [&form] {
        return form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    };
    QVERIFY(above());
    std::unique_ptr<QWidget> other;
    if (kind == u"dialog")
        other = std::make_unique<QDialog>();
    else if (kind.endsWith(u"box"))
        other = std::make_unique<QMessageBox>(QMessageBox::Information, QString(), QString());
    else if (kind == u"window")
        other = std::make_unique<QWidget>();
    else
        other = std::make_unique<QMenu>();
    if (kind == u"own box") {
        other->winId();
        other->windowHandle()->setTransientParent(form.windowHandle());
    }
    other->show();
    QTRY_COMPARE(above(), keptAbove);
    // Shown afresh while it is up, the window stays below it.
    form.HideClocks();
    form.ShowClocks();
    QCOMPARE(above(), keptAbove);
    other->hide();
    QTRY_VERIFY(above());
}

void TestClocksForm::lookAhead_data()
{
    using namespace Qt::StringLiterals;
    // Blank-separated: "w<delta>" a wheel turn over the first clock, a key name,
    // "now" a click on the brand panel, "idle<s>" seconds pass and the timer ticks.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("visible");
    QTest::newRow("a notch ahead") << u"w120"_s << 15 << true;
    QTest::newRow("keys") << u"Up Up PageUp Down"_s << 75 << true;
    QTest::newRow("back with Page Down") << u"PageDown PageDown"_s << -120 << true;
    QTest::newRow("held at a week") << u"PageUp "_s.repeated(200) << 10080 << true;
    QTest::newRow("Escape returns, and stays open") << u"w120 Escape"_s << 0 << true;
    QTest::newRow("Escape in the present hides") << u"Escape"_s << 0 << false;
    QTest::newRow("click on Now") << u"w-240 now"_s << 0 << true;
    QTest::newRow("half a minute idle keeps the shift") << u"w120 idle30"_s << 15 << true;
    QTest::newRow("a minute idle returns") << u"w120 idle61"_s << 0 << true;
}

void TestClocksForm::lookAhead()
{
    using namespace Qt::StringLiterals;
    QFETCH(QString, actions);
    QFETCH(int, minutes);
    QFETCH(bool, visible);
    SeedThreeClocks();
    TSysTrayIcon tray;
    TClocksForm form(tray);
    form.SetPinned(true);
    form.ShowClocks();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    TZonedClock *clock = form.ClockControls().front();
    const QString present = clock->Caption();
    const QString hint = tray.Hint();
    auto *brand = form.BrandPanel();
    for (const QString &action : actions.split(u' ', Qt::SkipEmptyParts)) {
        if (action.startsWith(u'w')) {
            const QPointF at = clock->rect().center();
            QWheelEvent wheel(at, clock->mapToGlobal(at), QPoint(),
                              QPoint(0, action.mid(1).toInt()), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(clock, &wheel);
        } else if (action == u"now"_s) {
            QTest::mousePress(brand, Qt::LeftButton, Qt::NoModifier, brand->rect().center());
            QTest::mouseRelease(brand, Qt::LeftButton, Qt::NoModifier, brand->rect().center());
        } else if (action.startsWith(u"idle"_s)) {
            FClock->Advance(action.mid(4).toLongLong() * 1000);
            QTest::qWait(1100);
        } else {
            const int key = action == u"Up"_s         ? Qt::Key_Up
                            : action == u"Down"_s     ? Qt::Key_Down
                            : action == u"PageUp"_s   ? Qt::Key_PageUp
                            : action == u"PageDown"_s ? Qt::Key_PageDown
                                                      : Qt::Key_Escape;
            QTest::keyClick(&form, Qt::Key(key));
        }
    }
    QCOMPARE(clock->ShiftMinutes(), minutes);
    QCOMPARE(form.isVisible(), visible);
    if (!visible)
        return;
    // Every clock moves; the brand panel says by how much and offers the way back.
    for (const TZonedClock *other : form.ClockControls())
        QCOMPARE(other->ShiftMinutes(), minutes);
    const QString brandText = brand->findChild<QLabel *>(u"LblBrand"_s)->text();
    QCOMPARE(brandText.contains(u"Now"_s), minutes != 0);
    if (minutes == 0 && !actions.contains(u"idle"_s))
        QCOMPARE(clock->Caption(), present);
    else if (minutes % 1440 != 0)
        QVERIFY(clock->Caption() != present);
    QCOMPARE(tray.Hint(), hint);
}

void TestClocksForm::terminationDuringStartBox_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("alarmPassed"); // else the first-run question
    QTest::newRow("first-run question, SIGTERM") << SIGTERM << false;
    QTest::newRow("first-run question, SIGHUP") << SIGHUP << false;
    QTest::newRow("passed alarm, SIGINT") << SIGINT << true;
    QTest::newRow("passed alarm, SIGTERM") << SIGTERM << true;
}

void TestClocksForm::terminationDuringStartBox()
{
    QFETCH(int, signal);
    QFETCH(bool, alarmPassed);
    QuitOnTerminationSignals(*qApp);
    if (alarmPassed) {
        SeedThreeClocks();
        SeedAlarm(QStringLiteral("Paris"), EncodeDateTime(2025, 7, 15, 12, 30, 0, 0));
        WriteSettingBool(SettingsGroup, ValuePinned, true);
        WriteSettingInteger(SettingsGroup, ValueLeft, 120);
        WriteSettingInteger(SettingsGroup, ValueTop, 80);
    }
    // The box is really shown: its own event loop must hear the signal.
    QTimer sender;
    sender.setSingleShot(true);
    connect(&sender, &QTimer::timeout, [signal] { ::raise(signal); });
    sender.start(100);
    bool boxOutlivedSignal = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [&boxOutlivedSignal] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxOutlivedSignal = true;
            box->reject();
        }
    });
    guard.start(5000);
    {
        TClocksApp app;
        QVERIFY(!boxOutlivedSignal);
        QVERIFY(TTermination::Instance().Requested());
        QCoreApplication::processEvents();
        QCOMPARE(app.ZoneForm(), nullptr); // "Yes" was never taken
    }
    if (alarmPassed) {
        QCOMPARE(ReadSettingBool(SettingsGroup, ValuePinned, false), true);
        QCOMPARE(ReadSettingInteger(SettingsGroup, ValueLeft, 0), 120);
        QCOMPARE(ReadSettingInteger(SettingsGroup, ValueTop, 0), 80);
    }
}

void TestClocksForm::storedPosition_data()
{
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QByteArray>("top");
    QTest::addColumn<QPoint>("expected"); // the design position stands for a missing edge
    QTest::newRow("on the screen") << QByteArray("10") << QByteArray("40") << QPoint(10, 40);
    QTest::newRow("beyond the limits")
        << QByteArray("100001") << QByteArray("-100001") << QPoint(364, 285);
    QTest::newRow("near INT_MAX") << QByteArray("2147483647") << QByteArray("2147483600")
                                  << QPoint(364, 285);
    QTest::newRow("one edge damaged")
        << QByteArray("-2147483648") << QByteArray("40") << QPoint(364, 40);
}

void TestClocksForm::storedPosition()
{
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, top);
    QFETCH(QPoint, expected);
    SeedThreeClocks();
    WriteSettingBool(SettingsGroup, ValuePinned, true);
    AddStoredLine("Left=" + left + "\nTop=" + top);
    TSysTrayIcon tray;
    TClocksForm form(tray);
    QCOMPARE(form.pos(), expected);
    QVERIFY(form.geometry().isValid());
}

void TestClocksForm::damagedDateFormat_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected"); // null: the user's long date format
    QTest::newRow("text") << QByteArray("d/m/yyyy") << QStringLiteral("d/m/yyyy");
    QTest::newRow("text starting with @") << QByteArray("@@d") << QStringLiteral("@d");
    QTest::newRow("damaged typed value") << QByteArray("@Variant(\\0\\0\\0\\n\\0\\0)") << QString();
    QTest::newRow("no value") << QByteArray("@Invalid()") << QString();
}

void TestClocksForm::damagedDateFormat()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);
    SeedThreeClocks();
    AddStoredLine("DateFormat=" + stored);
    TSysTrayIcon tray;
    const TClocksForm form(tray);
    QCOMPARE(form.DateFormat(),
             expected.isNull() ? TFormatSettings::British().LongDateFormat : expected);
}

void TestClocksForm::failedSaveAtExit_data()
{
    QTest::addColumn<bool>("onSignal");
    QTest::newRow("Exit from a menu: a message") << false;
    QTest::newRow("termination signal: standard error") << true;
}

void TestClocksForm::failedSaveAtExit()
{
    QFETCH(bool, onSignal);
    SeedThreeClocks();
    TSysTrayIcon tray;
    auto form = std::make_unique<TClocksForm>(tray);
    // The settings file turns into something no save may replace.
    QVERIFY(QFile::remove(SettingsFileName()));
    QCOMPARE(::mkfifo(QFile::encodeName(SettingsFileName()).constData(), 0600), 0);
    const QString expected = QStringLiteral("Unable to open \"%1\" for write")
                                 .arg(QFileInfo(SettingsFileName()).absoluteFilePath());
    MessageDlgHook::QueueAnswer(QMessageBox::Ok);
    if (onSignal) {
        QuitOnTerminationSignals(*qApp);
        ::raise(SIGTERM);
        QTRY_VERIFY(TTermination::Instance().Requested());
        QTest::ignoreMessage(QtWarningMsg, qPrintable(expected));
    }
    form.reset();
    if (onSignal) {
        QVERIFY(MessageDlgHook::Shown().isEmpty());
        MessageDlgHook::Reset();
    } else {
        QCOMPARE(MessageDlgHook::Shown().size(), 1);
        QCOMPARE(MessageDlgHook::Shown().first().Message, expected);
    }
}

QTEST_MAIN(TestClocksForm)
#include "tst_clocksform.moc"
