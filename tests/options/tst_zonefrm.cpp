// The options dialog without a clocks window: browsing zones, editing the
// clock list, the appearance and alarm page, and what a commit stores.
#include "components/gmsgdlg.h"
#include "components/zonedclock.h"
#include "options/zonefrm.h"
#include "platform/clocksource.h"
#include "platform/formatsettings.h"
#include "platform/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QString Key;
const QString ClocksKey = QStringLiteral("Clocks");
const QString ZoneFile = QStringLiteral(VORKEL_TEST_DATA "/options/zones.ini");

QStringList Texts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts.append(list->item(i)->text());
    }
    return texts;
}

QStringList Texts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) {
        texts.append(combo->itemText(i));
    }
    return texts;
}

QStringList Texts(const QAbstractItemView *view)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        texts.append(view->model()->index(row, 0).data().toString());
    }
    return texts;
}

// Makes the entry of that text current, as a click would.
void Choose(QAbstractItemView *view, const QString &text)
{
    view->setCurrentIndex(view->model()->index(static_cast<int>(Texts(view).indexOf(text)), 0));
}

void SeedClocks(const QStringList &zones, const QString &titles)
{
    WriteSettingString(Key, QStringLiteral("Clocks"), titles);
    for (qsizetype i = 0; i < zones.size(); ++i) {
        WriteSettingString(ClocksKey, QString::number(i) + QStringLiteral("_Zone"), zones[i]);
    }
}

void Leave(QWidget *widget)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

} // namespace

class TestZoneForm : public QObject
{
    Q_OBJECT

private:
    TZoneForm *Open()
    {
        FForm = new TZoneForm(ZoneFile); // deletes itself on close
        return FForm;
    }
    void AddZone(const QString &entryText)
    {
        FForm->SelectRegion(QStringLiteral("(List all zones)"));
        Choose(FForm->LstZones, entryText);
        FForm->BtnAddToClocks->click();
    }

    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TFakeClock> FClock;
    QPointer<TZoneForm> FForm;

private Q_SLOTS:
    void init()
    {
        FDir = std::make_unique<QTemporaryDir>();
        SetSettingsFileName(FDir->filePath(QStringLiteral("Clocks.ini")));
        SetFormatSettings(TFormatSettings::British());
        // 20 March 2026, 12:00 UTC: London on GMT, Sydney on daylight time.
        FClock = std::make_unique<TFakeClock>(EncodeDateTime(2026, 3, 20, 12, 0, 0, 0));
        MessageDlgHook::Reset();
    }
    void cleanup()
    {
        delete FForm.data();
        FClock.reset();
        SetSettingsFileName(QString());
        FDir.reset();
        MessageDlgHook::Reset();
    }

    void frame()
    {
        Open();
        FForm->show();
        QCOMPARE(FForm->windowTitle(), QStringLiteral("Vorkel Clocks - Options"));
        QCOMPARE(FForm->PageControl->currentWidget(), FForm->TabClocks);
        QCOMPARE(FForm->PageControl->count(), 3);
        QVERIFY(FForm->BtnOK->isDefault());
        QVERIFY(!FForm->BtnApply->isEnabled());
        QVERIFY(!FForm->Modified());
        // Every control of a page lies inside the page, whatever the font.
        for (QWidget *page : {FForm->TabClocks, FForm->TabAppearance}) {
            for (const QWidget *child : page->findChildren<QWidget *>()) {
                const QRect inPage(child->mapTo(page, QPoint()), child->size());
                QVERIFY2(page->rect().contains(inPage) || !child->isVisibleTo(page),
                         qPrintable(child->objectName()));
            }
        }
    }

    // Pictures of both tabs, to look at, when VORKEL_SHOT_DIR names a folder.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("VORKEL_SHOT_DIR");
        if (dir.isEmpty()) {
            QSKIP("VORKEL_SHOT_DIR not set");
        }
        SeedClocks({QStringLiteral("Australia/Sydney"), QStringLiteral("Europe/London")},
                   QStringLiteral("Home;Work"));
        Open();
        FForm->show();
        FForm->SelectClock(1);
        QVERIFY(FForm->grab().save(dir + QStringLiteral("/options-clocks.png")));
        FForm->PageControl->setCurrentWidget(FForm->TabAppearance);
        FForm->ChkSetAlarm->click();
        QVERIFY(FForm->grab().save(dir + QStringLiteral("/options-appearance.png")));
    }

    // Every zone the program ships: its info box shows all its text.
    void infoBoxFitsEveryZone()
    {
        FForm = new TZoneForm(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));
        FForm->show();
        QVERIFY(FForm->Zones().Count() > 100);
        const auto fits = [](const QLabel *label) {
            const QFontMetrics metrics(label->font());
            return label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : metrics.horizontalAdvance(label->text()) <= label->width();
        };
        for (int i = 0; i < FForm->Zones().Count(); ++i) {
            const TTimeZone *zone = FForm->Zones().ZoneAt(i);
            FForm->SetSelectedZone(zone);
            for (const QLabel *label : {FForm->LblOffset, FForm->LblDayOffset, FForm->LblDescrip,
                                        FForm->LblStdTitle, FForm->LblDayTitle}) {
                QVERIFY2(!label->isVisibleTo(FForm->InfoBox) || fits(label),
                         qPrintable(zone->Name + QStringLiteral(": ") + label->text()));
            }
            QVERIFY2(FForm->ZonedClockTemp->geometry().right() < FForm->InfoBox->width(),
                     qPrintable(zone->Name));
        }
    }

    void missingZoneFile()
    {
        MessageDlgHook::QueueAnswer(QMessageBox::Cancel);
        FForm = new TZoneForm(FDir->filePath(QStringLiteral("none.ini")));
        QCOMPARE(MessageDlgHook::Shown().size(), 1);
        QVERIFY(MessageDlgHook::Shown()[0].Message.startsWith(
            QStringLiteral("There was an error loading the time zone data:\r")));
        QCOMPARE(MessageDlgHook::Shown()[0].Type, TMsgDlgType::mtError);
        // Nothing to browse and nothing to add.
        QCOMPARE(FForm->LstZones->model()->rowCount(), 0);
        QCOMPARE(FForm->InfoBox->title(), QStringLiteral(" (no zone) "));
        QVERIFY(FForm->ZonedClockTemp->isHidden());
        FForm->BtnAddToClocks->click();
        QCOMPARE(FForm->ClockCount(), 0);
        QVERIFY(!FForm->Modified());
    }

    void openingSelection_data()
    {
        QTest::addColumn<QStringList>("zones");
        QTest::addColumn<QString>("titles");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QStringList>("clockTexts");
        QTest::newRow("no clocks: all zones, the first selected")
            << QStringList() << QString() << QStringLiteral("(List all zones)")
            << QStringLiteral("Atlantic/Azores") << QStringList();
        QTest::newRow("clocks: the first clock's region and zone")
            << QStringList{QStringLiteral("Australia/Sydney"), QStringLiteral("Europe/London")}
            << QStringLiteral("Home;Work") << QStringLiteral("Australia")
            << QStringLiteral("Australia/Sydney")
            << QStringList{QStringLiteral("Home (GMT +10:00)"), QStringLiteral("Work (GMT)")};
        QTest::newRow("a zone without a slash is a region of its own")
            << QStringList{QStringLiteral("UTC")} << QStringLiteral("Base") << QStringLiteral("UTC")
            << QStringLiteral("UTC") << QStringList{QStringLiteral("Base (GMT)")};
    }
    void openingSelection()
    {
        QFETCH(QStringList, zones);
        QFETCH(QString, titles);
        QFETCH(QString, region);
        QFETCH(QString, zone);
        QFETCH(QStringList, clockTexts);
        if (!zones.isEmpty()) {
            SeedClocks(zones, titles);
        }
        Open();
        QCOMPARE(FForm->SelectedRegion(), region);
        QVERIFY(FForm->SelectedZone() != nullptr);
        QCOMPARE(FForm->SelectedZone()->Name, zone);
        QCOMPARE(FForm->InfoBox->title(), u' ' + zone + u' ');
        QCOMPARE(FForm->ZonedClockTemp->Zone(), FForm->SelectedZone());
        QCOMPARE(Texts(FForm->LstClocks), clockTexts);
        QCOMPARE(FForm->SelectedClockIndex(), clockTexts.isEmpty() ? -1 : 0);
        QCOMPARE(FForm->BtnRemoveClock->isEnabled(), !clockTexts.isEmpty());
        QVERIFY(!FForm->BtnApply->isEnabled());
    }

    void clickOnTheSelectedClock()
    {
        SeedClocks({QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London")},
                   QStringLiteral("Tokyo;London"));
        Open();
        FForm->show();
        FForm->SelectRegion(QStringLiteral("(List all zones)"));
        QVERIFY(FForm->SelectedZone()->Name != QStringLiteral("Asia/Tokyo"));
        // The clock stays selected; its zone comes back into the browser.
        const QRect entry = FForm->LstClocks->visualItemRect(FForm->LstClocks->item(0));
        QTest::mouseClick(FForm->LstClocks->viewport(), Qt::LeftButton, {}, entry.center());
        QCOMPARE(FForm->SelectedClockIndex(), 0);
        QCOMPARE(FForm->SelectedZone()->Name, QStringLiteral("Asia/Tokyo"));
    }

    void regions()
    {
        Open();
        // Sorted, "(List all zones)" first, case variants merged as first met.
        QCOMPARE(Texts(FForm->CmbRegions),
                 (QStringList{QStringLiteral("(List all zones)"), QStringLiteral("America"),
                              QStringLiteral("Asia"), QStringLiteral("Asiana"),
                              QStringLiteral("Atlantic"), QStringLiteral("Australia"),
                              QStringLiteral("Europe"), QStringLiteral("UTC")}));
        QCOMPARE(FForm->CmbRegions->itemData(0).toInt(), 1);
        QVERIFY(!FForm->CmbRegions->itemData(1).isValid());
    }

    void regionChoice_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QStringList>("zones");
        QTest::newRow("prefix match takes Asiana along with Asia")
            << QStringLiteral("Asia")
            << QStringList{QStringLiteral("Kolkata (GMT +5:30)"),
                           QStringLiteral("Seoul (GMT +9:00)"),
                           QStringLiteral("Tokyo (GMT +9:00)")};
        QTest::newRow("only the spelling of the entry")
            << QStringLiteral("Europe")
            << QStringList{QStringLiteral("Berlin (GMT +1:00)"), QStringLiteral("London (GMT)")};
        QTest::newRow("all zones") << QStringLiteral("(List all zones)") << QStringList();
    }
    void regionChoice()
    {
        QFETCH(QString, region);
        QFETCH(QStringList, zones);
        Open();
        FForm->CmbRegions->setCurrentIndex(FForm->CmbRegions->findText(region));
        Q_EMIT FForm->CmbRegions->activated(FForm->CmbRegions->currentIndex());
        if (zones.isEmpty()) {
            QCOMPARE(FForm->LstZones->model()->rowCount(), FForm->Zones().Count());
        } else {
            QCOMPARE(Texts(FForm->LstZones), zones);
        }
        QCOMPARE(FForm->LstZones->currentIndex().row(), 0);
        QCOMPARE(FForm->InfoBox->title(), u' ' + FForm->SelectedZone()->Name + u' ');
    }

    void sortOrders()
    {
        SeedClocks({QStringLiteral("Australia/Sydney"), QStringLiteral("Europe/London")},
                   QStringLiteral("Home;Work"));
        Open();
        FForm->SelectRegion(QStringLiteral("(List all zones)"));
        Choose(FForm->LstZones, QStringLiteral("Tokyo (GMT +9:00)"));
        QVERIFY(FForm->BtnApply->isEnabled() == false);
        FForm->ChkSortByName->click();
        // West to east by the base offset; the zone whose standard offset
        // moves it to +1:00 stays among the -1:00 zones.
        QStringList texts = Texts(FForm->LstZones);
        const QStringList minusOne{texts.mid(2, 2)};
        QVERIFY(minusOne.contains(QStringLiteral("(GMT +1:00) Shifted")));
        QVERIFY(minusOne.contains(QStringLiteral("(GMT -1:00) Azores")));
        texts.remove(2, 2);
        QCOMPARE(texts,
                 (QStringList{
                     QStringLiteral("(GMT -5:00) New_York"), QStringLiteral("(GMT -3:30) St_Johns"),
                     QStringLiteral("(GMT) Cork"), QStringLiteral("(GMT) London"),
                     QStringLiteral("(GMT) UTC"), QStringLiteral("(GMT +1:00) Berlin"),
                     QStringLiteral("(GMT +5:30) Kolkata"), QStringLiteral("(GMT +9:00) Seoul"),
                     QStringLiteral("(GMT +9:00) Tokyo"), QStringLiteral("(GMT +10:00) Sydney")}));
        QCOMPARE(FForm->SelectedZone()->Name, QStringLiteral("Asia/Tokyo"));
        QCOMPARE(Texts(FForm->LstClocks),
                 (QStringList{QStringLiteral("(GMT +10:00) Home"), QStringLiteral("(GMT) Work")}));
        QVERIFY(FForm->BtnApply->isEnabled());
        FForm->ChkSortByName->click();
        QCOMPARE(Texts(FForm->LstZones).first(), QStringLiteral("Azores (GMT -1:00)"));
        QCOMPARE(FForm->SelectedZone()->Name, QStringLiteral("Asia/Tokyo"));
        QCOMPARE(Texts(FForm->LstClocks),
                 (QStringList{QStringLiteral("Home (GMT +10:00)"), QStringLiteral("Work (GMT)")}));
    }

    void storedOrderOnOpening()
    {
        WriteSettingBool(Key, QStringLiteral("SortZonesByName"), false);
        Open();
        QVERIFY(!FForm->ChkSortByName->isChecked());
        QCOMPARE(Texts(FForm->LstZones).first(), QStringLiteral("(GMT -5:00) New_York"));
        QVERIFY(!FForm->BtnApply->isEnabled());
    }

    void zoneInfo_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<TDateTime>("utc");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("dayOffset");
        QTest::addColumn<bool>("daylightBold");
        QTest::newRow("no rule: standard row only, nothing bold")
            << QStringLiteral("Asia/Tokyo") << EncodeDateTime(2026, 7, 1, 12, 0, 0, 0)
            << QStringLiteral("GMT +9:00 (JST)") << QString() << false;
        QTest::newRow("winter: the standard offset in bold")
            << QStringLiteral("Europe/London") << EncodeDateTime(2026, 1, 10, 12, 0, 0, 0)
            << QStringLiteral("GMT +0:00 (GMT)") << QStringLiteral("GMT +1:00 (BST)") << false;
        QTest::newRow("summer: the daylight offset in bold")
            << QStringLiteral("Europe/London") << EncodeDateTime(2026, 7, 1, 12, 0, 0, 0)
            << QStringLiteral("GMT +0:00 (GMT)") << QStringLiteral("GMT +1:00 (BST)") << true;
        QTest::newRow("southern summer")
            << QStringLiteral("Australia/Sydney") << EncodeDateTime(2026, 1, 10, 12, 0, 0, 0)
            << QStringLiteral("GMT +10:00 (AEST)") << QStringLiteral("GMT +11:00 (AEDT)") << true;
    }
    void zoneInfo()
    {
        QFETCH(QString, zone);
        QFETCH(TDateTime, utc);
        QFETCH(QString, offset);
        QFETCH(QString, dayOffset);
        QFETCH(bool, daylightBold);
        FClock->SetUTC(utc);
        Open();
        FForm->SetSelectedZone(FForm->Zones().ZoneAt(FForm->Zones().IndexOf(zone)));
        QCOMPARE(FForm->InfoBox->title(), u' ' + zone + u' ');
        QCOMPARE(FForm->LblOffset->text(), offset);
        const bool hasRule = !dayOffset.isEmpty();
        QCOMPARE(FForm->LblDayTitle->isVisibleTo(FForm->InfoBox), hasRule);
        QCOMPARE(FForm->LblDescrip->isVisibleTo(FForm->InfoBox), hasRule);
        QCOMPARE(FForm->LblStdTitle->font().bold(), hasRule && !daylightBold);
        QCOMPARE(FForm->LblOffset->font().bold(), hasRule && !daylightBold);
        if (hasRule) {
            QCOMPARE(FForm->LblDayOffset->text(), dayOffset);
            QCOMPARE(FForm->LblDayTitle->font().bold(), daylightBold);
            QCOMPARE(FForm->LblDayOffset->font().bold(), daylightBold);
            const QStringList sentences = FForm->LblDescrip->text().split(u'\n');
            QCOMPARE(sentences.size(), 2);
            QVERIFY(sentences[0].startsWith(QStringLiteral("Daylight time begins on ")));
            QVERIFY(sentences[1].startsWith(QStringLiteral("Standard time resumes on ")));
            QVERIFY(sentences[1].endsWith(u'.'));
        }
    }

    void addTwice()
    {
        Open();
        AddZone(QStringLiteral("Sydney (GMT +10:00)"));
        AddZone(QStringLiteral("Sydney (GMT +10:00)"));
        AddZone(QStringLiteral("Tokyo (GMT +9:00)"));
        QCOMPARE(Texts(FForm->LstClocks), (QStringList{QStringLiteral("Sydney (GMT +10:00)"),
                                                       QStringLiteral("Sydney (GMT +10:00)"),
                                                       QStringLiteral("Tokyo (GMT +9:00)")}));
        QCOMPARE(FForm->SelectedClockIndex(), 2);
        QVERIFY(FForm->ClockAt(0) != FForm->ClockAt(1));
        QVERIFY(FForm->ClockAt(0)->UseDaylight);
        QVERIFY(!FForm->ClockAt(2)->UseDaylight); // no rule, no daylight
        QVERIFY(!FForm->ChkClockUseDaylight->isEnabled());
        QCOMPARE(FForm->BoxClock->title(), QStringLiteral(" Tokyo (JST, GMT +9:00) "));
        QCOMPARE(Texts(FForm->CmbAlarmClocks),
                 (QStringList{QStringLiteral("Sydney"), QStringLiteral("Sydney"),
                              QStringLiteral("Tokyo")}));
        QVERIFY(FForm->ChkSetAlarm->isEnabled());
        QVERIFY(FForm->BtnApply->isEnabled());
    }

    void addByDoubleClick()
    {
        Open();
        FForm->show();
        QWidget *viewport = FForm->LstZones->viewport();
        const QPoint at =
            FForm->LstZones->visualRect(FForm->LstZones->model()->index(1, 0)).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QCOMPARE(FForm->ClockCount(), 1);
        QCOMPARE(FForm->ClockAt(0)->Name, FForm->SelectedZone()->Name);
    }

    void remove_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("selected");
        QTest::newRow("last: the new last") << 3 << 2 << 1;
        QTest::newRow("middle: the one moving up") << 3 << 1 << 1;
        QTest::newRow("first") << 3 << 0 << 0;
        QTest::newRow("only: no clock") << 1 << 0 << -1;
    }
    void remove()
    {
        QFETCH(int, count);
        QFETCH(int, removed);
        QFETCH(int, selected);
        const QStringList zones = {QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London"),
                                   QStringLiteral("Australia/Sydney")};
        SeedClocks(zones.mid(0, count), QStringLiteral("A;B;C").left(2 * count - 1));
        Open();
        QStringList titles;
        for (int i = 0; i < count; ++i) {
            titles.append(FForm->ClockAt(i)->Title);
        }
        FForm->SelectClock(removed);
        FForm->BtnRemoveClock->click();
        titles.removeAt(removed);
        QCOMPARE(FForm->ClockCount(), count - 1);
        QCOMPARE(FForm->CmbAlarmClocks->count(), count - 1);
        QCOMPARE(FForm->SelectedClockIndex(), selected);
        if (selected < 0) {
            QCOMPARE(FForm->BoxClock->title(), QStringLiteral(" (no clock) "));
            QVERIFY(!FForm->EditClockTitle->isEnabled());
            QVERIFY(FForm->EditClockTitle->text().isEmpty());
            QVERIFY(!FForm->BtnRemoveClock->isEnabled());
            QVERIFY(!FForm->ChkClockUseDaylight->isEnabled());
            QVERIFY(!FForm->ChkSetAlarm->isEnabled());
        } else {
            QCOMPARE(FForm->EditClockTitle->text(), titles[selected]);
            QCOMPARE(FForm->SelectedZone()->Name, FForm->ClockAt(selected)->Name);
        }
        QVERIFY(FForm->BtnApply->isEnabled());
    }

    void removeAlarmClock()
    {
        SeedClocks({QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London")},
                   QStringLiteral("Tokyo;London"));
        Open();
        FForm->PageControl->setCurrentWidget(FForm->TabAppearance);
        FForm->CmbAlarmClocks->setCurrentIndex(
            FForm->CmbAlarmClocks->findText(QStringLiteral("Tokyo")));
        FForm->ChkSetAlarm->click();
        QVERIFY(FForm->EditAlarmTime->isEnabled());
        // Removing another clock keeps the alarm.
        FForm->SelectClock(1);
        FForm->BtnRemoveClock->click();
        QVERIFY(FForm->ChkSetAlarm->isChecked());
        FForm->SelectClock(0);
        FForm->BtnRemoveClock->click();
        QVERIFY(!FForm->ChkSetAlarm->isChecked());
        QVERIFY(!FForm->ChkSetAlarm->isEnabled());
        QVERIFY(!FForm->EditAlarmTime->isEnabled());
        QVERIFY(!FForm->CmbAlarmClocks->isEnabled());
    }

    void dragOneRow_data()
    {
        QTest::addColumn<bool>("pastTheEnd");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("onto the next entry") << false << QStringList{u"B"_s, u"A"_s, u"C"_s};
        // The selection follows the pointer to the last entry, so the two
        // change places; the entry between them stays.
        QTest::newRow("below the last entry") << true << QStringList{u"C"_s, u"B"_s, u"A"_s};
    }
    void dragOneRow()
    {
        QFETCH(bool, pastTheEnd);
        QFETCH(QStringList, order);
        SeedClocks({QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London"),
                    QStringLiteral("Australia/Sydney")},
                   QStringLiteral("A;B;C"));
        Open();
        FForm->show();
        QWidget *viewport = FForm->LstClocks->viewport();
        const auto centre = [this](int row) {
            return FForm->LstClocks->visualItemRect(FForm->LstClocks->item(row)).center();
        };
        QTest::mousePress(viewport, Qt::LeftButton, {}, centre(0));
        QCOMPARE(FForm->SelectedClockIndex(), 0);
        const QPoint target =
            pastTheEnd ? QPoint(centre(2).x(), viewport->height() + 20) : centre(1);
        QMouseEvent move(QEvent::MouseMove, target, viewport->mapToGlobal(target), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, target);
        QStringList titles;
        for (int i = 0; i < FForm->ClockCount(); ++i) {
            titles.append(FForm->ClockAt(i)->Title);
        }
        QCOMPARE(titles, order);
        QVERIFY(FForm->SelectedClock() != nullptr);
        QCOMPARE(FForm->SelectedClock()->Title, QStringLiteral("A"));
        QCOMPARE(FForm->LstClocks->item(FForm->SelectedClockIndex())->text().left(2), u"A "_s);
        QVERIFY(FForm->BtnApply->isEnabled());
        if (pastTheEnd) {
            return;
        }
        // Moving without the button held moves nothing.
        QMouseEvent hover(QEvent::MouseMove, centre(2), viewport->mapToGlobal(centre(2)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &hover);
        QCOMPARE(FForm->SelectedClock()->Title, QStringLiteral("A"));
        QCOMPARE(FForm->ClockAt(2)->Title, QStringLiteral("C"));
    }

    void retitle()
    {
        SeedClocks({QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London")},
                   QStringLiteral("Office;Home"));
        Open();
        FForm->CmbAlarmClocks->setCurrentIndex(
            FForm->CmbAlarmClocks->findText(QStringLiteral("Office")));
        FForm->SelectClock(0);
        FForm->EditClockTitle->selectAll();
        QTest::keyClicks(FForm->EditClockTitle, QStringLiteral("Zen;ith"));
        // ";" would split the title when the list is read back.
        QCOMPARE(FForm->EditClockTitle->text(), QStringLiteral("Zenith"));
        QCOMPARE(FForm->LstClocks->item(0)->text(), QStringLiteral("Zenith (GMT +9:00)"));
        QCOMPARE(Texts(FForm->CmbAlarmClocks),
                 (QStringList{QStringLiteral("Home"), QStringLiteral("Zenith")}));
        // The alarm's clock stays chosen, by clock, not by position.
        QCOMPARE(FForm->CmbAlarmClocks->currentText(), QStringLiteral("Zenith"));
        QTest::keyClick(FForm->EditClockTitle, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(FForm->EditClockTitle, Qt::Key_Delete);
        QCOMPARE(FForm->LstClocks->item(0)->text(), QStringLiteral(" (GMT +9:00)"));
        Leave(FForm->EditClockTitle);
        QCOMPARE(FForm->EditClockTitle->text(), QStringLiteral("Tokyo"));
        QCOMPARE(FForm->LstClocks->item(0)->text(), QStringLiteral("Tokyo (GMT +9:00)"));
        QCOMPARE(Texts(FForm->CmbAlarmClocks),
                 (QStringList{QStringLiteral("Home"), QStringLiteral("Tokyo")}));
        QVERIFY(FForm->BtnApply->isEnabled());
    }

    void emptyTitleOnCommit()
    {
        SeedClocks({QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London")},
                   QStringLiteral("Office;Home"));
        Open();
        FForm->show();
        FForm->SelectClock(1);
        QTest::keyClick(FForm->EditClockTitle, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(FForm->EditClockTitle, Qt::Key_Delete);
        // Enter commits without leaving the box.
        QTest::keyClick(FForm->EditClockTitle, Qt::Key_Return);
        QCOMPARE(ReadSettingString(Key, QStringLiteral("Clocks"), QString()),
                 QStringLiteral("Office;London"));
    }

    void daylightPerClock()
    {
        SeedClocks({QStringLiteral("Europe/London"), QStringLiteral("Europe/Berlin"),
                    QStringLiteral("Asia/Tokyo")},
                   QStringLiteral("A;B;C"));
        Open();
        FForm->SelectClock(1);
        QVERIFY(FForm->ChkClockUseDaylight->isEnabled());
        QVERIFY(FForm->ChkClockUseDaylight->isChecked());
        FForm->ChkClockUseDaylight->click();
        QVERIFY(!FForm->ClockAt(1)->UseDaylight);
        QVERIFY(FForm->ClockAt(0)->UseDaylight);
        QVERIFY(FForm->BtnApply->isEnabled());
        FForm->SelectClock(2);
        QVERIFY(!FForm->ChkClockUseDaylight->isEnabled());
        QVERIFY(!FForm->ChkClockUseDaylight->isChecked());
        FForm->SelectClock(1);
        QVERIFY(!FForm->ChkClockUseDaylight->isChecked());
        FForm->BtnApply->click();
        QVERIFY(ReadSettingBool(ClocksKey, QStringLiteral("0_UseDaylight"), false));
        QVERIFY(!ReadSettingBool(ClocksKey, QStringLiteral("1_UseDaylight"), true));
    }

    void okWithoutChangesWritesNothing()
    {
        Open();
        FForm->show();
        FForm->BtnOK->click();
        QTRY_VERIFY(FForm.isNull()); // closed and destroyed
        QVERIFY(!QFile::exists(SettingsFileName()));
    }

    void applyThenCancel()
    {
        Open();
        FForm->show();
        AddZone(QStringLiteral("Tokyo (GMT +9:00)"));
        FForm->BtnApply->click();
        QVERIFY(!FForm->BtnApply->isEnabled());
        QVERIFY(!FForm.isNull());
        AddZone(QStringLiteral("London (GMT)"));
        FForm->BtnCancel->click();
        QTRY_VERIFY(FForm.isNull());
        QCOMPARE(ReadSettingString(Key, QStringLiteral("Clocks"), QString()),
                 QStringLiteral("Tokyo"));
        QCOMPARE(ReadSettingString(ClocksKey, QStringLiteral("0_Zone"), QString()),
                 QStringLiteral("Asia/Tokyo"));
        QCOMPARE(ReadSettingString(Key, QStringLiteral("AlarmTime"), QString()),
                 QStringLiteral("0"));
        QCOMPARE(ReadSettingString(Key, QStringLiteral("Font"), QString()),
                 QStringLiteral("Tahoma;8;0;-2147483640"));
        QVERIFY(ReadSettingBool(Key, QStringLiteral("SortZonesByName"), false));
        // The reopened dialog starts from what Apply wrote.
        Open();
        QCOMPARE(Texts(FForm->LstClocks), QStringList{QStringLiteral("Tokyo (GMT +9:00)")});
    }

    // Whoever shows the clocks reloads them when told: only a commit that
    // reached the store tells.
    void changesAnnounced_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("brokenAlarmTime");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("announced");
        QTest::newRow("Apply after an edit") << true << false << u"BtnApply"_s << 1;
        QTest::newRow("OK after an edit") << true << false << u"BtnOK"_s << 1;
        QTest::newRow("OK without changes") << false << false << u"BtnOK"_s << 0;
        QTest::newRow("Cancel after an edit") << true << false << u"BtnCancel"_s << 0;
        QTest::newRow("Apply with no alarm time") << true << true << u"BtnApply"_s << 0;
    }
    void changesAnnounced()
    {
        QFETCH(bool, edit);
        QFETCH(bool, brokenAlarmTime);
        QFETCH(QString, button);
        QFETCH(int, announced);
        Open();
        FForm->show();
        const QSignalSpy spy(FForm.data(), &TZoneForm::ChangesApplied);
        if (edit) {
            AddZone(QStringLiteral("Tokyo (GMT +9:00)"));
        }
        if (brokenAlarmTime) {
            FForm->ChkSetAlarm->click();
            FForm->EditAlarmTime->clear();
            MessageDlgHook::QueueAnswer(QMessageBox::Ok);
        }
        FForm->findChild<QPushButton *>(button)->click();
        QCOMPARE(spy.count(), announced);
        QCOMPARE(QFile::exists(SettingsFileName()), announced > 0);
    }

    void closingDiscards_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Esc") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Cancel") << 2;
    }
    void closingDiscards()
    {
        QFETCH(int, how);
        Open();
        FForm->show();
        AddZone(QStringLiteral("Tokyo (GMT +9:00)"));
        if (how == 0) {
            QTest::keyClick(FForm, Qt::Key_Escape);
        } else if (how == 1) {
            FForm->close();
        } else {
            FForm->BtnCancel->click();
        }
        QTRY_VERIFY(FForm.isNull());
        QVERIFY(!QFile::exists(SettingsFileName()));
    }

    void formatLists()
    {
        Open();
        const TFormatSettings british = TFormatSettings::British();
        const QStringList &times = FForm->TimeFormats();
        for (qsizetype i = 0; i < times.size(); ++i) {
            for (qsizetype j = i + 1; j < times.size(); ++j) {
                QVERIFY(times[i].compare(times[j], Qt::CaseInsensitive) != 0);
            }
        }
        QCOMPARE(times.first(), british.LongTimeFormat);
        QCOMPARE(FForm->CmbTimeFormat->count(), times.size());
        const int hhnn = static_cast<int>(times.indexOf(QStringLiteral("hh:nn")));
        QCOMPARE(FForm->CmbTimeFormat->itemText(hhnn), QStringLiteral("19:05"));
        QCOMPARE(FForm->DateFormats().first(), british.LongDateFormat);
        QCOMPARE(FForm->CmbDateFormat->itemText(
                     static_cast<int>(FForm->DateFormats().indexOf(QStringLiteral("dd/mm/yyyy")))),
                 QStringLiteral("15/03/2026"));
        QCOMPARE(FForm->SelectedTimeFormat(), british.LongTimeFormat);
        FForm->ChkShowTime->click();
        QVERIFY(!FForm->CmbTimeFormat->isEnabled());
        QVERIFY(FForm->SelectedTimeFormat().isEmpty());
        QVERIFY(FForm->BtnApply->isEnabled());
    }

    void addUniqueFormat()
    {
        QStringList list{QStringLiteral("hh:nn")};
        TOptionsData::AddUniqueFormat(QStringLiteral("HH:NN"), list);
        TOptionsData::AddUniqueFormat(QStringLiteral("h:nn"), list);
        QCOMPARE(list, (QStringList{QStringLiteral("hh:nn"), QStringLiteral("h:nn")}));
    }

    void defaults_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("confirmed") << QMessageBox::Yes;
        QTest::newRow("declined") << QMessageBox::No;
    }
    void defaults()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        Open();
        const QFont chosen(QStringLiteral("Serif"), 14, QFont::Bold);
        TZoneForm::SetFontChooser([&chosen](QWidget *, QFont &font) {
            font = chosen;
            return true;
        });
        FForm->BtnFont->click();
        TZoneForm::SetFontChooser({});
        QCOMPARE(FForm->LblFont->text(), QStringLiteral("Serif, 14pt"));
        FForm->ChkShowDate->click();
        FForm->CmbTimeFormat->setCurrentIndex(2);
        FForm->SetModified(false);
        MessageDlgHook::QueueAnswer(answer);
        FForm->BtnDefaults->click();
        QCOMPARE(MessageDlgHook::Shown().size(), 1);
        QCOMPARE(
            MessageDlgHook::Shown()[0].Message,
            QStringLiteral("Are you sure you want to restore the default appearance settings?"));
        QCOMPARE(MessageDlgHook::Shown()[0].Type, TMsgDlgType::mtConfirmation);
        const bool yes = answer == QMessageBox::Yes;
        QCOMPARE(FForm->LblFont->text(),
                 yes ? QStringLiteral("Tahoma, 8pt") : QStringLiteral("Serif, 14pt"));
        QCOMPARE(FForm->ChkShowDate->isChecked(), yes);
        QCOMPARE(FForm->CmbTimeFormat->currentIndex(), yes ? 0 : 2);
        QCOMPARE(FForm->BtnApply->isEnabled(), yes);
        if (yes) {
            FForm->BtnApply->click();
            QCOMPARE(ReadSettingString(Key, QStringLiteral("Font"), QString()),
                     QStringLiteral("Tahoma;8;0;-2147483640"));
            QCOMPARE(ReadSettingString(Key, QStringLiteral("TimeFormat"), QString()),
                     TFormatSettings::British().LongTimeFormat);
        }
    }

    void alarmProposal_data()
    {
        QTest::addColumn<TDateTime>("utc");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QDate>("date");
        QTest::newRow("same day") << EncodeDateTime(2026, 3, 20, 12, 0, 0, 0)
                                  << QStringLiteral("Asia/Tokyo") << QStringLiteral("22:00")
                                  << QDate(2026, 3, 20);
        QTest::newRow("across midnight")
            << EncodeDateTime(2026, 3, 20, 23, 30, 0, 0) << QStringLiteral("Europe/London")
            << QStringLiteral("00:30") << QDate(2026, 3, 21);
        QTest::newRow("across midnight, ahead of UTC")
            << EncodeDateTime(2026, 3, 20, 14, 10, 0, 0) << QStringLiteral("Asia/Tokyo")
            << QStringLiteral("00:10") << QDate(2026, 3, 21);
        QTest::newRow("daylight time counts even when the clock ignores it")
            << EncodeDateTime(2026, 7, 1, 10, 0, 0, 0) << QStringLiteral("Europe/London")
            << QStringLiteral("12:00") << QDate(2026, 7, 1);
    }
    void alarmProposal()
    {
        QFETCH(TDateTime, utc);
        QFETCH(QString, zone);
        QFETCH(QString, time);
        QFETCH(QDate, date);
        SeedClocks({zone}, QStringLiteral("Alarm"));
        WriteSettingBool(ClocksKey, QStringLiteral("0_UseDaylight"), false);
        FClock->SetUTC(utc);
        Open();
        QVERIFY(!FForm->ChkSetAlarm->isChecked());
        QVERIFY(!FForm->EditAlarmTime->isEnabled());
        FForm->ChkSetAlarm->click();
        QVERIFY(FForm->EditAlarmTime->isEnabled());
        QVERIFY(FForm->PickerAlarmDate->isEnabled());
        QVERIFY(FForm->CmbAlarmClocks->isEnabled());
        QCOMPARE(FForm->EditAlarmTime->text().trimmed(), time);
        QCOMPARE(FForm->PickerAlarmDate->date(), date);
        QVERIFY(FForm->BtnApply->isEnabled());
        FForm->BtnApply->click();
        QCOMPARE(ReadSettingString(Key, QStringLiteral("AlarmClock"), QString()),
                 QStringLiteral("Alarm"));
        const double stored =
            ReadSettingString(Key, QStringLiteral("AlarmTime"), QString()).toDouble();
        const int hours = time.left(2).toInt();
        const int minutes = time.mid(3).toInt();
        QCOMPARE(stored,
                 EncodeDateTime(date.year(), date.month(), date.day(), hours, minutes, 0, 0));
        // Unticking writes "0" and leaves the clock's title alone.
        FForm->ChkSetAlarm->click();
        FForm->BtnApply->click();
        QCOMPARE(ReadSettingString(Key, QStringLiteral("AlarmTime"), QString()),
                 QStringLiteral("0"));
        QCOMPARE(ReadSettingString(Key, QStringLiteral("AlarmClock"), QString()),
                 QStringLiteral("Alarm"));
    }

    void alarmTimeTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left"); // empty: refused
        QTest::newRow("24:00 wraps to 0:00") << QStringLiteral("24:00") << QStringLiteral("0:00");
        QTest::newRow("minutes past 59 give 0") << QStringLiteral("9:75") << QStringLiteral("9:00");
        QTest::newRow("padded hour") << QStringLiteral("07:05") << QStringLiteral("7:05");
        QTest::newRow("two-digit hour") << QStringLiteral("19:30") << QStringLiteral("19:30");
        QTest::newRow("one minute digit refused") << QStringLiteral("7:5") << QString();
        QTest::newRow("no hour refused") << QStringLiteral(":30") << QString();
    }
    void alarmTimeTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, left);
        SeedClocks({QStringLiteral("Asia/Tokyo")}, QStringLiteral("Alarm"));
        Open();
        FForm->ChkSetAlarm->click();
        FForm->EditAlarmTime->clear();
        FForm->EditAlarmTime->setCursorPosition(0);
        QTest::keyClicks(FForm->EditAlarmTime, typed);
        if (left.isEmpty()) {
            MessageDlgHook::QueueAnswer(QMessageBox::Ok);
        }
        Leave(FForm->EditAlarmTime);
        if (left.isEmpty()) {
            QCOMPARE(MessageDlgHook::Shown().size(), 1);
            QCOMPARE(MessageDlgHook::Shown()[0].Message,
                     QStringLiteral("Invalid input value.  Use escape key to abandon changes"));
            // Committing with such a text stops with its own message.
            MessageDlgHook::QueueAnswer(QMessageBox::Ok);
            QVERIFY(!FForm->ApplyChanges());
            QVERIFY(MessageDlgHook::Shown().last().Message.endsWith(
                QStringLiteral("' is not a valid time")));
            QVERIFY(FForm->Modified());
            QVERIFY(!QFile::exists(SettingsFileName()) ||
                    ReadSettingString(Key, QStringLiteral("AlarmTime"), QString()).isEmpty());
        } else {
            QVERIFY(MessageDlgHook::Shown().isEmpty());
            QCOMPARE(FForm->EditAlarmTime->text().trimmed(), left);
        }
    }

    void escapeAbandonsTheTypedTime_data()
    {
        QTest::addColumn<bool>("leaveFirst");
        QTest::newRow("typed, still in the box") << false;
        // The refusal's own advice: Esc after the box took the focus back.
        QTest::newRow("refused on leaving") << true;
    }
    void escapeAbandonsTheTypedTime()
    {
        QFETCH(bool, leaveFirst);
        SeedClocks({QStringLiteral("Asia/Tokyo")}, QStringLiteral("Alarm"));
        Open();
        FForm->show();
        FForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FForm.data()));
        FForm->PageControl->setCurrentWidget(FForm->TabAppearance);
        FForm->ChkSetAlarm->click();
        const QString proposed = FForm->EditAlarmTime->text();
        FForm->EditAlarmTime->setFocus();
        QTRY_VERIFY(FForm->EditAlarmTime->hasFocus());
        FForm->EditAlarmTime->clear();
        FForm->EditAlarmTime->setCursorPosition(0);
        QTest::keyClicks(FForm->EditAlarmTime,
                         leaveFirst ? QStringLiteral("7:5") : QStringLiteral("1234"));
        QVERIFY(FForm->EditAlarmTime->text() != proposed);
        if (leaveFirst) {
            MessageDlgHook::QueueAnswer(QMessageBox::Ok);
            FForm->CmbAlarmClocks->setFocus();
            QCOMPARE(MessageDlgHook::Shown().size(), 1);
            QTRY_VERIFY(FForm->EditAlarmTime->hasFocus());
        }
        QTest::keyClick(FForm->EditAlarmTime, Qt::Key_Escape);
        QCOMPARE(FForm->EditAlarmTime->text(), proposed);
        QVERIFY(!FForm.isNull() && FForm->isVisible());
        // With nothing left to abandon, Esc closes the dialog.
        QTest::keyClick(FForm->EditAlarmTime, Qt::Key_Escape);
        QTRY_VERIFY(FForm.isNull());
    }

    void noClocksNoAlarm()
    {
        Open();
        QVERIFY(!FForm->ChkSetAlarm->isEnabled());
        AddZone(QStringLiteral("Tokyo (GMT +9:00)"));
        QVERIFY(FForm->ChkSetAlarm->isEnabled());
        QCOMPARE(FForm->CmbAlarmClocks->currentText(), QStringLiteral("Tokyo"));
    }
};

QTEST_MAIN(TestZoneForm)
#include "tst_zonefrm.moc"
