// The options dialog's start-up box, context help, Help button, about tab and
// web address strip.
#include "core/settings/autostart.h"
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/time/clocksource.h"
#include "core/time/formatsettings.h"
#include "gui/desktop/help.h"
#include "gui/desktop/helpviewer.h"
#include "gui/options/zoneform.h"
#include "gui/widgets/branding.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/urllabel.h"
#include "gui/widgets/watermarkbox.h"
#include "zoneformcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWhatsThis>
#include <algorithm>
#include <memory>

namespace {
const QString ZoneFile = QStringLiteral(VORKEL_TEST_DATA "/options/zones.ini");
const QByteArray OwnEntry = "[Desktop Entry]\nType=Application\nExec=/opt/elsewhere/clocks\n";

QByteArray EntryText()
{
    QFile file(StartupShortcutPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteEntry(const QByteArray &text)
{
    QDir().mkpath(QFileInfo(StartupShortcutPath()).absolutePath());
    QFile file(StartupShortcutPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

bool WhatsThisShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget *window) {
        return window->isVisible() && window->inherits("QWhatsThat");
    });
}
} // namespace

class TestZoneFormHelp : public QObject
{
    Q_OBJECT

private:
    TZoneForm *Open()
    {
        FForm = new TZoneForm(ZoneFile); // deletes itself on close
        return FForm;
    }
    QWidget *Control(const QString &name) const
    {
        auto *control = FForm->findChild<QWidget *>(name);
        if (name == u"LstClocks") {
            control = Controls(FForm).LstClocks()->viewport(); // what the pointer is over
        }
        return control;
    }

    QTemporaryDir FConfig;
    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TFakeClock> FClock;
    QPointer<TZoneForm> FForm;
    QStringList FOpened;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FConfig.isValid());
        qputenv("XDG_CONFIG_HOME", FConfig.path().toUtf8());
        SetFormatSettings(TFormatSettings::British());
        SetShellOpener([this](const QUrl &url) {
            FOpened.append(url.toString());
            return true;
        });
    }
    void cleanupTestCase() { SetShellOpener({}); }
    void init()
    {
        FDir = std::make_unique<QTemporaryDir>();
        SetSettingsFileName(FDir->filePath(QStringLiteral("Clocks.ini")));
        WriteSettingString(SettingsGroup, QStringLiteral("Clocks"), QStringLiteral("London"));
        WriteSettingString(ClockListGroup, QStringLiteral("0_Zone"),
                           QStringLiteral("Europe/London"));
        FClock = std::make_unique<TFakeClock>(EncodeDateTime(2026, 3, 20, 12, 0, 0, 0));
        QFile::remove(StartupShortcutPath());
        FOpened.clear();
        MessageDlgHook::Reset();
    }
    void cleanup()
    {
        QWhatsThis::hideText();
        delete FForm.data();
        FClock.reset();
        SetSettingsFileName(QString());
        FDir.reset();
    }

    void startupEntry_data()
    {
        QTest::addColumn<bool>("existed");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("exists");
        QTest::newRow("ticked and OK creates it") << false << 1 << "BtnOK" << true;
        QTest::newRow("unticked and OK deletes it") << true << 1 << "BtnOK" << false;
        QTest::newRow("ticked and Apply creates it") << false << 1 << "BtnApply" << true;
        QTest::newRow("Cancel creates nothing") << false << 1 << "BtnCancel" << false;
        QTest::newRow("Cancel deletes nothing") << true << 1 << "BtnCancel" << true;
        // Unticked and ticked again: a commit that wants the entry it has.
        QTest::newRow("wanted and present is left alone") << true << 2 << "BtnOK" << true;
    }
    void startupEntry()
    {
        QFETCH(bool, existed);
        QFETCH(int, clicks);
        QFETCH(QString, button);
        QFETCH(bool, exists);
        if (existed) {
            WriteEntry(OwnEntry);
        }
        Open();
        // The box shows the file, not what was ticked at the last commit.
        QCOMPARE(Controls(FForm).ChkRunAtStartup()->isChecked(), existed);
        for (int i = 0; i < clicks; ++i) {
            Controls(FForm).ChkRunAtStartup()->click();
        }
        QVERIFY(FForm->Modified());
        FForm->findChild<QPushButton *>(button)->click();
        QCOMPARE(QFileInfo::exists(StartupShortcutPath()), exists);
        if (exists && existed) {
            QCOMPARE(EntryText(), OwnEntry);
        } else if (exists) {
            QVERIFY(EntryText().contains(
                QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8()));
        }
        if (FForm) {
            delete FForm.data();
        }
        Open();
        QCOMPARE(Controls(FForm).ChkRunAtStartup()->isChecked(), exists);
    }

    // The entry cannot be written (here a file stands where its folder
    // goes): the error is said, the rest is stored, and the box shows that
    // there is no entry, with nothing left to apply.
    void failedStartupEntryShowsRealState()
    {
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", FDir->path().toUtf8());
        {
            QFile inTheWay(FDir->filePath(QStringLiteral("autostart")));
            QVERIFY(inTheWay.open(QIODevice::WriteOnly));
        }
        Open();
        Controls(FForm).ChkRunAtStartup()->click();
        MessageDlgHook::QueueAnswer(QMessageBox::Ok);
        FForm->findChild<QPushButton *>(QStringLiteral("BtnApply"))->click();
        qputenv("XDG_CONFIG_HOME", oldConfig);
        QCOMPARE(MessageDlgHook::Shown().size(), 1);
        QCOMPARE(
            MessageDlgHook::Shown().first().Message,
            QStringLiteral("Unable to open \"%1\" for write")
                .arg(FDir->filePath(QStringLiteral("autostart/example.vorkel.Clocks.desktop"))));
        QVERIFY(!Controls(FForm).ChkRunAtStartup()->isChecked());
        QVERIFY(!FForm->Modified());
    }

    // The program starts with the desktop session; every place that names
    // the box says so, and none names another system.
    void startupWording_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("says");
        QTest::newRow("check box") << "box"
                                   << "&Run Vorkel Clocks when I log in";
        QTest::newRow("manual page") << "manual"
                                     << "Run Vorkel Clocks when I log in";
        QTest::newRow("pop-up help") << "popup"
                                     << "each time you log in";
    }
    void startupWording()
    {
        QFETCH(QString, place);
        QFETCH(QString, says);
        QString text;
        if (place == u"box") {
            text = Controls(Open()).ChkRunAtStartup()->text();
            QCOMPARE(text, says);
        } else if (place == u"manual") {
            QFile page(QStringLiteral(":/help/startup.htm"));
            QVERIFY(page.open(QIODevice::ReadOnly));
            text = QString::fromUtf8(page.readAll()).simplified();
        } else {
            text = ContextPopupText(104);
        }
        QVERIFY2(text.contains(says), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("Windows")), qPrintable(text));
    }

    void helpKeywordPerTab_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("keyword");
        QTest::newRow("clocks") << "TabClocks"
                                << "AClockList";
        QTest::newRow("appearance") << "TabAppearance"
                                    << "AAppearanceAlarm";
        QTest::newRow("about") << "TabAbout"
                               << "AContents";
    }
    void helpKeywordPerTab()
    {
        QFETCH(QString, tab);
        QFETCH(QString, keyword);
        Open();
        QSignalSpy asked(FForm.data(), &TZoneForm::HelpRequested);
        Controls(FForm).Tabs()->setCurrentWidget(FForm->findChild<QWidget *>(tab));
        Controls(FForm).BtnHelp()->click();
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked[0][0].toString(), keyword);
        // Showing it is the owner's part.
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.begin(), windows.end(),
                             [](QWidget *w) { return qobject_cast<THelpViewer *>(w) != nullptr; }));
    }

    void whatsThisMenu_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("topic");
        QTest::newRow("alarm box") << "ChkSetAlarm" << 401;
        QTest::newRow("daylight box") << "ChkClockUseDaylight" << 103;
        // No topic of their own: the alarm's, whatever was asked before.
        QTest::newRow("alarm time") << "EditAlarmTime" << 401;
        QTest::newRow("alarm date") << "PickerAlarmDate" << 401;
    }
    void whatsThisMenu()
    {
        QFETCH(QString, control);
        QFETCH(int, topic);
        Open();
        Controls(FForm)
            .ChkSetAlarm()
            ->click(); // the alarm's controls take no events while disabled
        QSignalSpy shown(FForm.data(), &TZoneForm::HelpPopupRequested);
        // Another control's topic first, so a stale one would show.
        QContextMenuEvent other(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
        QApplication::sendEvent(Controls(FForm).LstClocks()->viewport(), &other);
        Controls(FForm).HelpPopup()->hide();
        QCOMPARE(FForm->PopupTopic(), 101);

        QWidget *target = FForm->findChild<QWidget *>(control);
        if (auto *picker = qobject_cast<QDateEdit *>(target)) {
            target = picker->findChild<QLineEdit *>(); // the part the pointer is over
        }
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
        QApplication::sendEvent(target, &menu);
        QVERIFY(Controls(FForm).HelpPopup()->isVisible());
        QCOMPARE(FForm->PopupTopic(), topic);
        Controls(FForm).HelpPopup()->hide();
        Controls(FForm).ActWhatsThis()->trigger();
        QTRY_COMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toInt(), topic);
        QVERIFY(WhatsThisShown());
    }

    void pointerAndF1_data()
    {
        QTest::addColumn<bool>("pointer");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("topic");
        QTest::newRow("pointer over the clock list") << true << "LstClocks" << 101;
        QTest::newRow("pointer over a label") << true << "LblClocks" << 0;
        QTest::newRow("F1 in the region list") << false << "CmbRegions" << 201;
        QTest::newRow("F1 in the clock title") << false << "EditClockTitle" << 0;
        QTest::newRow("F1 in the alarm date") << false << "PickerAlarmDate" << 0;
    }
    void pointerAndF1()
    {
        QFETCH(bool, pointer);
        QFETCH(QString, control);
        QFETCH(int, topic);
        Open();
        Controls(FForm).ChkSetAlarm()->click();
        Controls(FForm).Tabs()->setCurrentWidget(control == u"PickerAlarmDate"
                                                     ? Controls(FForm).TabAppearance()
                                                     : Controls(FForm).TabClocks());
        FForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(FForm.data()));
        QSignalSpy shown(FForm.data(), &TZoneForm::HelpPopupRequested);
        QWidget *target = Control(control);
        if (pointer) {
            QWhatsThis::enterWhatsThisMode();
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
            QWhatsThis::leaveWhatsThisMode();
        } else {
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F1);
        }
        QCOMPARE(shown.count(), topic == 0 ? 0 : 1);
        if (topic != 0) {
            QCOMPARE(shown.at(0).at(0).toInt(), topic);
            QVERIFY(WhatsThisShown());
        }
    }

    void aboutPageLoadedOnFirstShowingOnly()
    {
        Open();
        QSignalSpy loads(Controls(FForm).AboutView(), &QTextBrowser::sourceChanged);
        QVERIFY(Controls(FForm).AboutView()->source().isEmpty());
        QVERIFY(!FForm->AboutPageLoaded());
        Controls(FForm).Tabs()->setCurrentWidget(Controls(FForm).TabAppearance());
        QCOMPARE(loads.count(), 0);

        Controls(FForm).Tabs()->setCurrentWidget(Controls(FForm).TabAbout());
        QCOMPARE(loads.count(), 1);
        QCOMPARE(Controls(FForm).AboutView()->source(), QUrl(QStringLiteral("qrc:/about.htm")));
        QVERIFY(
            Controls(FForm).AboutView()->toPlainText().contains(QStringLiteral("Vorkel Clocks")));
        QVERIFY(!Controls(FForm)
                     .AboutView()
                     ->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("about.png")))
                     .isNull());
        Controls(FForm).Tabs()->setCurrentWidget(Controls(FForm).TabClocks());
        Controls(FForm).Tabs()->setCurrentWidget(Controls(FForm).TabAbout());
        QCOMPARE(loads.count(), 1);

        // Its links go to the user's programs, the page stays.
        const QString mail = QStringLiteral("mailto:clocks@vorkel.example");
        Q_EMIT Controls(FForm).AboutView()->anchorClicked(QUrl(mail));
        QCOMPARE(FOpened, QStringList{mail});
        QCOMPARE(loads.count(), 1);
    }

    // The version of the zones.ini the dialog loaded, never one compiled in.
    void aboutPageNamesTheLoadedZoneFile_data()
    {
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a generated file") << QByteArray("# version 2099q, checked for 2099-2108\n")
                                          << QStringLiteral("tz database version 2099q.");
        QTest::newRow("a file that names none")
            << QByteArray("# zones\n") << QStringLiteral("tz database version unknown.");
    }

    void aboutPageNamesTheLoadedZoneFile()
    {
        QFETCH(QByteArray, firstLine);
        QFETCH(QString, expected);
        QFile source(ZoneFile);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zones.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(firstLine + source.readAll());
        file.close();
        FForm = new TZoneForm(path);
        Controls(FForm).Tabs()->setCurrentWidget(Controls(FForm).TabAbout());
        const QString text = Controls(FForm).AboutView()->toPlainText().simplified();
        QVERIFY2(text.contains(expected), qPrintable(text));
    }

    void stripOpensTheHomePage()
    {
        Open();
        FForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(FForm.data()));
        TWatermarkBox *strip = Controls(FForm).BrandStrip();
        QCOMPARE(strip->toolTip(), BrandWebAddress.toString());
        QCOMPARE(FForm->WatermarkStrip().size(), strip->size());
        QCOMPARE(FForm->WatermarkStrip().width(), FForm->width());
        QCOMPARE(RgbToColor(FForm->WatermarkStrip().pixel(0, 0)), BrandFrameColor);
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(100, 10));
        QCOMPARE(FOpened, QStringList{BrandHomePage.toString()});
    }
};

QTEST_MAIN(TestZoneFormHelp)
#include "tst_zoneform_help.moc"
