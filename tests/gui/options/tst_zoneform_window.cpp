// The options dialog together with the clocks window: what it reads from the
// window when it opens, and what a commit does to the window.
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/time/clocksource.h"
#include "core/time/formatsettings.h"
#include "gui/clocks/clocksapp.h"
#include "gui/clocks/clocksform.h"
#include "gui/desktop/helpviewer.h"
#include "gui/options/zoneform.h"
#include "gui/widgets/messagedialog.h"
#include "zoneformcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

namespace {
void SeedClocks(const QStringList &zones, const QStringList &titles)
{
    for (qsizetype i = 0; i < zones.size(); ++i) {
        WriteSettingString(ClockListGroup, QString::number(i) + QStringLiteral("_Zone"), zones[i]);
    }
    WriteSettingString(SettingsGroup, ValueClocks, titles.join(u';'));
}
} // namespace

class TestZoneFormWindow : public QObject
{
    Q_OBJECT

private:
    // The clocks window; with no clocks it asks whether to choose some.
    TClocksForm &Window()
    {
        if (ReadSettingString(SettingsGroup, ValueClocks, QString()).isEmpty()) {
            MessageDlgHook::QueueAnswer(QMessageBox::No);
        }
        FApp = std::make_unique<TClocksApp>();
        FWindow = &FApp->ClocksForm();
        return *FWindow;
    }

    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TFakeClock> FClock;
    // The window's open options dialog.
    TZoneForm *Dialog() const { return FApp ? FApp->ZoneForm() : nullptr; }
    void CloseAll()
    {
        FWindow = nullptr;
        FApp.reset();
    }

    // The owner of the window and the dialog, as the program has one.
    std::unique_ptr<TClocksApp> FApp;
    TClocksForm *FWindow = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        SetFormatSettings(TFormatSettings::British());
        TWorldClocks::SetZoneFilePath(QStringLiteral(VORKEL_TEST_DATA "/options/zones.ini"));
    }
    void init()
    {
        FDir = std::make_unique<QTemporaryDir>();
        SetSettingsFileName(FDir->filePath(QStringLiteral("Clocks.ini")));
        // 20 March 2026, 12:00 UTC.
        FClock = std::make_unique<TFakeClock>(EncodeDateTime(2026, 3, 20, 12, 0, 0, 0));
        MessageDlgHook::Reset();
    }
    void cleanup()
    {
        const QPointer<TZoneForm> dialog = Dialog();
        CloseAll();
        QVERIFY(dialog.isNull());
        FClock.reset();
        SetSettingsFileName(QString());
        FDir.reset();
        MessageDlgHook::Reset();
    }

    void singleInstance()
    {
        SeedClocks({QStringLiteral("Asia/Tokyo")}, {QStringLiteral("Tokyo")});
        Window().OpenOptions();
        const QPointer<TZoneForm> first = Dialog();
        QVERIFY(!first.isNull());
        FWindow->OpenOptions();
        QCOMPARE(Dialog(), first.data());
        Controls(first).BtnCancel()->click();
        // Forgotten at once, gone once the events are through.
        QCOMPARE(Dialog(), nullptr);
        QTRY_VERIFY(first.isNull());
        FWindow->OpenOptions();
        const QPointer<TZoneForm> second = Dialog();
        QVERIFY(!second.isNull());
        // The dialog does not outlive the window it commits into.
        CloseAll();
        QVERIFY(second.isNull());
    }

    void currentFormats_data()
    {
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("lastTime"); // the list's last entry
        QTest::addColumn<QString>("chosenTime");
        QTest::addColumn<bool>("showDate");
        QTest::newRow("a format of its own comes last")
            << QStringLiteral("hh:nn:ss.zzz") << QStringLiteral("dd/mm/yyyy")
            << QStringLiteral("hh:nn:ss.zzz") << QStringLiteral("hh:nn:ss.zzz") << true;
        QTest::newRow("a standard format in other letters is not added again")
            << QStringLiteral("HH:NN") << QString() << QStringLiteral("h:nn ampm")
            << QStringLiteral("hh:nn") << false;
    }
    void currentFormats()
    {
        QFETCH(QString, timeFormat);
        QFETCH(QString, dateFormat);
        QFETCH(QString, lastTime);
        QFETCH(QString, chosenTime);
        QFETCH(bool, showDate);
        SeedClocks({QStringLiteral("Asia/Tokyo")}, {QStringLiteral("Tokyo")});
        WriteSettingString(SettingsGroup, ValueTimeFormat, timeFormat);
        WriteSettingString(SettingsGroup, ValueDateFormat, dateFormat);
        Window().OpenOptions();
        QCOMPARE(Dialog()->TimeFormats().last(), lastTime);
        QCOMPARE(Dialog()->SelectedTimeFormat(), chosenTime);
        QCOMPARE(Controls(Dialog()).ChkShowDate()->isChecked(), showDate);
        QCOMPARE(Controls(Dialog()).CmbDateFormat()->isEnabled(), showDate);
        QCOMPARE(Dialog()->SelectedDateFormat(), dateFormat);
        QVERIFY(!Controls(Dialog()).BtnApply()->isEnabled());
    }

    void setAlarmShownOnOpening()
    {
        SeedClocks({QStringLiteral("Europe/London"), QStringLiteral("Asia/Tokyo")},
                   {QStringLiteral("Home"), QStringLiteral("Office")});
        WriteSettingString(SettingsGroup, ValueAlarmTime,
                           AlarmTimeText(EncodeDateTime(2026, 3, 21, 7, 5, 0, 0)));
        WriteSettingString(SettingsGroup, ValueAlarmClock, QStringLiteral("office"));
        Window().OpenOptions();
        QVERIFY(Controls(Dialog()).ChkSetAlarm()->isChecked());
        QVERIFY(Controls(Dialog()).CmbAlarmClocks()->isEnabled());
        QCOMPARE(Controls(Dialog()).CmbAlarmClocks()->currentText(), QStringLiteral("Office"));
        QCOMPARE(Controls(Dialog()).EditAlarmTime()->text().trimmed(), QStringLiteral("07:05"));
        QCOMPARE(Controls(Dialog()).PickerAlarmDate()->date(), QDate(2026, 3, 21));
        QVERIFY(!Controls(Dialog()).BtnApply()->isEnabled());
        // Committing unchanged keeps the alarm as it was.
        Controls(Dialog()).BtnApply()->click();
        QVERIFY(FWindow->Alarm().IsSet());
        QCOMPARE(FWindow->Alarm().Clock->Title, QStringLiteral("Office"));
        QCOMPARE(FWindow->Alarm().Time, EncodeDateTime(2026, 3, 21, 7, 5, 0, 0));
    }

    void commitShowsTheNewClocks()
    {
        SeedClocks({QStringLiteral("Europe/London")}, {QStringLiteral("Home")});
        Window().OpenOptions();
        Dialog()->SelectRegion(QStringLiteral("Asia"));
        QAbstractItemModel *zones = Controls(Dialog()).LstZones()->model();
        Controls(Dialog()).LstZones()->setCurrentIndex(zones->match(
            zones->index(0, 0), Qt::DisplayRole, QStringLiteral("Tokyo (GMT +9:00)"))[0]);
        Controls(Dialog()).BtnAddToClocks()->click();
        Controls(Dialog()).BtnOK()->click();
        QTRY_COMPARE(Dialog(), nullptr);
        QCOMPARE(FWindow->Clocks().Count(), 2);
        QCOMPARE(FWindow->Clocks().ClockAt(1)->Title, QStringLiteral("Tokyo"));
        QVERIFY(FWindow->isVisible());
    }

    // The owner answers Help from either window with the manual at the page
    // asked for, in one viewer while it is open.
    void helpFromBothWindows()
    {
        SeedClocks({QStringLiteral("Europe/London")}, {QStringLiteral("Home")});
        Window().OpenOptions();
        Controls(Dialog()).BtnHelp()->click();
        const QPointer<THelpViewer> viewer = FApp->HelpViewer();
        QVERIFY(viewer);
        QCOMPARE(viewer->source().fileName(), QStringLiteral("clocklist.htm"));
        FWindow->HelpClick();
        QCOMPARE(FApp->HelpViewer(), viewer.data());
        QCOMPARE(viewer->source().fileName(), QStringLiteral("contents.htm"));
        viewer->close(); // deletes itself
        QTRY_VERIFY(viewer.isNull());
        QCOMPARE(FApp->HelpViewer(), nullptr);
        FWindow->HelpClick();
        QVERIFY(FApp->HelpViewer() != nullptr);
    }

    void commitWithoutClocksHidesTheWindow()
    {
        SeedClocks({QStringLiteral("Europe/London")}, {QStringLiteral("Home")});
        Window().ShowClocks();
        QVERIFY(FWindow->isVisible());
        FWindow->OpenOptions();
        Controls(Dialog()).BtnRemoveClock()->click();
        Controls(Dialog()).BtnApply()->click();
        QCOMPARE(FWindow->Clocks().Count(), 0);
        QVERIFY(!FWindow->isVisible());
        FWindow->ShowClocks();
        QVERIFY(!FWindow->isVisible());
    }
};

QTEST_MAIN(TestZoneFormWindow)
#include "tst_zoneform_window.moc"
