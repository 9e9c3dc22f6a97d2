// The options' alarm: a time already passed on its clock is said beside the
// date as soon as it is typed, with the next day on offer, and never stored
// unseen; the date box takes typed dates in English and German.
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/time/clocksource.h"
#include "core/time/formatsettings.h"
#include "gui/desktop/translations.h"
#include "gui/options/zoneform.h"
#include "gui/widgets/messagedialog.h"
#include "zoneformcontrols.h"

#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

class TestAlarmPage : public QObject
{
    Q_OBJECT

private:
    // The options open on the alarm page with the alarm ticked for London.
    void Open()
    {
        FForm = new TZoneForm(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));
        FForm->show();
        TZoneFormControls controls(FForm);
        controls.Tabs()->setCurrentWidget(controls.TabAppearance());
        Find<QCheckBox>("ChkSetAlarm")->click();
    }
    template <typename T> T *Find(const char *name) const
    {
        return TZoneFormControls(FForm).Find<T>(name);
    }
    void TypeTime(const QString &time)
    {
        QLineEdit *edit = Find<QLineEdit>("EditAlarmTime");
        edit->selectAll();
        QTest::keyClicks(edit, time);
    }

    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TFakeClock> FClock;
    QPointer<TZoneForm> FForm;

private Q_SLOTS:
    void init()
    {
        FDir = std::make_unique<QTemporaryDir>();
        SetSettingsFileName(FDir->filePath(u"Clocks.ini"_s));
        SetFormatSettings(TFormatSettings::British());
        WriteSettingString(SettingsGroup, ValueClocks, u"London"_s);
        WriteSettingString(ClockListGroup, u"0_Zone"_s, u"Europe/London"_s);
        // Friday 20 March 2026, 15:00 in London (GMT).
        FClock = std::make_unique<TFakeClock>(EncodeDateTime(2026, 3, 20, 15, 0, 0, 0));
        MessageDlgHook::Reset();
    }
    void cleanup()
    {
        QVERIFY2(!MessageDlgHook::HasQueuedAnswers(), "an expected question was not asked");
        delete FForm.data();
        QLocale::setDefault(QLocale::c());
        FClock.reset();
        SetSettingsFileName(QString());
        FDir.reset();
        MessageDlgHook::Reset();
    }

    void snoozeLength_data()
    {
        QTest::addColumn<QString>("stored"); // empty: nothing stored
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("typed");
        QTest::newRow("the default, changed") << QString() << 10 << 25;
        QTest::newRow("a stored length") << u"5"_s << 5 << 5;
        QTest::newRow("more than the most") << u"100000"_s << 10 << 120;
    }
    void snoozeLength()
    {
        QFETCH(QString, stored);
        QFETCH(int, shown);
        QFETCH(int, typed);
        if (!stored.isEmpty())
            WriteSettingString(SettingsGroup, ValueSnoozeMinutes, stored);
        Open();
        QSpinBox *spin = Find<QSpinBox>("SpinSnooze");
        QCOMPARE(spin->value(), shown);
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(typed));
        spin->interpretText();
        TZoneFormControls(FForm).BtnOK()->click();
        QCOMPARE(TStoredSettings::SnoozeMinutes(), typed);
    }

    void passedTimeSaid_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("offer"); // the button's text; empty: nothing said
        const QDate today(2026, 3, 20);
        QTest::newRow("08:00 today, typed at 15:00")
            << u"8:00"_s << today << u"Set for 21/03/2026"_s;
        QTest::newRow("15:00 today: now has passed")
            << u"15:00"_s << today << u"Set for 21/03/2026"_s;
        QTest::newRow("15:01 today") << u"15:01"_s << today << QString();
        QTest::newRow("08:00 tomorrow") << u"8:00"_s << today.addDays(1) << QString();
        QTest::newRow("a week ago, later in the day")
            << u"20:30"_s << today.addDays(-7) << u"Set for 20/03/2026"_s;
        QTest::newRow("still being typed") << u"8:0"_s << today << QString();
    }
    void passedTimeSaid()
    {
        QFETCH(QString, time);
        QFETCH(QDate, date);
        QFETCH(QString, offer);
        Open();
        Find<QDateEdit>("PickerAlarmDate")->setDate(date);
        TypeTime(time);
        QLabel *line = Find<QLabel>("LblAlarmPassed");
        QPushButton *button = Find<QPushButton>("BtnAlarmNextDay");
        // Said at once, before the box is left or anything is stored.
        QCOMPARE(line->isVisible(), !offer.isEmpty());
        QCOMPARE(button->isVisible(), !offer.isEmpty());
        if (offer.isEmpty())
            return;
        QCOMPARE(line->text(), u"This time has already passed in London."_s);
        QCOMPARE(button->text(), offer);
        // Whole, not cut off by the page.
        QCoreApplication::processEvents();
        QVERIFY(line->width() >= line->fontMetrics().horizontalAdvance(line->text()) ||
                line->height() >= 2 * line->fontMetrics().height());
        QVERIFY(button->width() >= button->sizeHint().width());
        QVERIFY(FForm->rect().contains(QRect(button->mapTo(FForm, QPoint()), button->size())));
        button->click();
        QCOMPARE(Find<QDateEdit>("PickerAlarmDate")->date().toString(u"dd/MM/yyyy"_s),
                 offer.mid(8));
        QVERIFY(!line->isVisible());
    }

    void passedTimeAtCommit_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::newRow("moved to the next day") << true;
        QTest::newRow("kept open to change it") << false;
    }
    void passedTimeAtCommit()
    {
        QFETCH(bool, agree);
        Open();
        Find<QDateEdit>("PickerAlarmDate")->setDate(QDate(2026, 3, 20));
        TypeTime(u"8:00"_s);
        MessageDlgHook::QueueAnswer(agree ? QMessageBox::Yes : QMessageBox::No);
        TZoneFormControls(FForm).BtnOK()->click();

        QCOMPARE(MessageDlgHook::Shown().size(), 1);
        QCOMPARE(MessageDlgHook::Shown().first().Message,
                 u"The alarm time 8:00 on 20/03/2026 has already passed in London, so the alarm "
                 "would go off at once.\n\nSet it for 8:00 on 21/03/2026 instead?"_s);
        QCOMPARE(FForm.isNull() || !FForm->isVisible(), agree);
        if (agree) {
            QCOMPARE(ReadSettingString(SettingsGroup, ValueAlarmTime, QString()),
                     AlarmTimeText(EncodeDateTime(2026, 3, 21, 8, 0, 0, 0)));
        } else {
            // Nothing stored, nothing lost: the dialog waits with the alarm as typed.
            QCOMPARE(ReadSettingString(SettingsGroup, ValueAlarmTime, u"0"_s), u"0"_s);
            QCOMPARE(Find<QLineEdit>("EditAlarmTime")->text(), u"8:00"_s);
        }
    }

    // Pictures of the page saying a time has passed, to look at, when
    // VORKEL_SHOT_DIR names a folder.
    void screenshots_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en") << u"en_GB"_s;
        QTest::newRow("de") << u"de_DE"_s;
    }
    void screenshots()
    {
        QFETCH(QString, locale);
        const QString dir = qEnvironmentVariable("VORKEL_SHOT_DIR");
        if (dir.isEmpty())
            QSKIP("VORKEL_SHOT_DIR not set");
        QLocale::setDefault(QLocale(locale));
        InstallTranslations(*qApp);
        Open();
        Find<QDateEdit>("PickerAlarmDate")->setDate(QDate(2026, 3, 20));
        TypeTime(u"8:00"_s);
        QCoreApplication::processEvents(); // the page laid out anew
        QVERIFY(FForm->grab().save(dir + u"/alarm-page-"_s + locale + u".png"_s));
    }

    void typedDate_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("keys");
        QTest::newRow("English") << u"en_GB"_s << u"24/12/2026"_s;
        QTest::newRow("German") << u"de_DE"_s << u"24.12.2026"_s;
        QTest::newRow("German, typed the English way") << u"de_DE"_s << u"24/12/2026"_s;
    }
    void typedDate()
    {
        QFETCH(QString, locale);
        QFETCH(QString, keys);
        QLocale::setDefault(QLocale(locale));
        Open();
        QDateEdit *date = Find<QDateEdit>("PickerAlarmDate");
        date->setFocus(Qt::TabFocusReason);
        date->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClicks(date, keys);
        QTest::keyClick(date, Qt::Key_Tab);
        QCOMPARE(date->date(), QDate(2026, 12, 24));
    }
};

QTEST_MAIN(TestAlarmPage)
#include "tst_alarmpage.moc"
