// The options dialog without a clocks window: browsing zones, editing the
// clock list, the appearance and alarm page, and what a commit stores.
#include "core/settings/settings.h"
#include "core/time/clocksource.h"
#include "core/time/formatsettings.h"
#include "gui/options/appearancepage.h"
#include "gui/options/zoneform.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/zonedclock.h"
#include "zoneformcontrols.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QString Key;
const QString ClocksKey = QStringLiteral("Clocks");
const QString ZoneFile = QStringLiteral(VORKEL_TEST_DATA "/options/zones.ini");

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
        Choose(Controls(FForm).LstZones(), entryText);
        Controls(FForm).BtnAddToClocks()->click();
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
        QCOMPARE(Controls(FForm).Tabs()->currentWidget(), Controls(FForm).TabClocks());
        QCOMPARE(Controls(FForm).Tabs()->count(), 3);
        QVERIFY(Controls(FForm).BtnOK()->isDefault());
        QVERIFY(!Controls(FForm).BtnApply()->isEnabled());
        QVERIFY(!FForm->Modified());
        // Every control of a page lies inside the page, whatever the font.
        for (QWidget *page : {Controls(FForm).TabClocks(), Controls(FForm).TabAppearance()}) {
            for (const QWidget *child : page->findChildren<QWidget *>()) {
                const QRect inPage(child->mapTo(page, QPoint()), child->size());
                QVERIFY2(page->rect().contains(inPage) || !child->isVisibleTo(page),
                         qPrintable(child->objectName()));
            }
        }
    }

    // The dialog takes the desktop's font and size (the application font),
    // and each text has the room it asks for, on every page and at every
    // size a user may choose.
    void desktopFont_data()
    {
        QTest::addColumn<int>("points");
        for (const int points : {8, 11, 14, 16}) {
            QTest::addRow("%d pt", points) << points;
        }
    }
    void desktopFont()
    {
        QFETCH(int, points);
        const QFont before = QApplication::font();
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        QFont desktop = before;
        desktop.setPointSize(points);
        QApplication::setFont(desktop);
        SeedClocks({u"Australia/Sydney"_s, u"Europe/London"_s}, u"Home;Work"_s);
        Open()->show();
        const TZoneFormControls c(FForm);
        // The alarm's texts shown too: its clock, time and date.
        c.ChkSetAlarm()->click();
        for (QWidget *page : {c.TabClocks(), c.TabAppearance(), c.TabAbout()}) {
            c.Tabs()->setCurrentWidget(page);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            for (const QWidget *child : page->findChildren<QWidget *>()) {
                // The clock font is the user's own choice, shown in its face.
                if (!child->isVisibleTo(FForm) || child == c.LblFont() ||
                    child == c.PreviewClock() ||
                    !(child->inherits("QLabel") || child->inherits("QAbstractButton") ||
                      child->inherits("QComboBox") || child->inherits("QGroupBox") ||
                      child->inherits("QAbstractSpinBox"))) {
                    continue;
                }
                const QString name = page->objectName() + u'/' + child->objectName();
                QVERIFY2(child->font().pointSize() == points, qPrintable(name));
                // A group needs room for its caption and its controls' least.
                const QSize hint =
                    child->inherits("QGroupBox") ? child->minimumSizeHint() : child->sizeHint();
                // Wrapped text takes the lines its width leaves it.
                const bool fits =
                    child->hasHeightForWidth()
                        ? child->height() >= child->heightForWidth(child->width())
                        : child->width() >= hint.width() && child->height() >= hint.height();
                QVERIFY2(fits, qPrintable(name + u": %1x%2 for %3x%4"_s.arg(child->width())
                                                     .arg(child->height())
                                                     .arg(hint.width())
                                                     .arg(hint.height())));
            }
        }
        for (const QPushButton *button : {c.BtnOK(), c.BtnCancel(), c.BtnApply(), c.BtnHelp()}) {
            QCOMPARE(button->font().pointSize(), points);
            QVERIFY(button->width() >= button->sizeHint().width());
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
        Controls(FForm).Tabs()->setCurrentWidget(Controls(FForm).TabAppearance());
        Controls(FForm).ChkSetAlarm()->click();
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
            // Whole in itself, and not cut off by the box around it.
            const bool inBox = label->parentWidget()->rect().contains(label->geometry());
            return inBox &&
                   (label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                      : metrics.horizontalAdvance(label->text()) <= label->width());
        };
        for (int i = 0; i < FForm->Zones().Count(); ++i) {
            const TTimeZone *zone = FForm->Zones().ZoneAt(i);
            FForm->SetSelectedZone(zone);
            // Bold titles and longer texts lay the dialog out again, which
            // may grow the window.
            for (const QLabel *label : {Controls(FForm).LblOffset(), Controls(FForm).LblDayOffset(),
                                        Controls(FForm).LblDescrip(), Controls(FForm).LblStdTitle(),
                                        Controls(FForm).LblDayTitle()}) {
                QTRY_VERIFY2(!label->isVisibleTo(Controls(FForm).InfoBox()) || fits(label),
                             qPrintable(zone->Name + QStringLiteral(": ") + label->text()));
            }
            QVERIFY2(Controls(FForm).PreviewClock()->geometry().right() <
                         Controls(FForm).InfoBox()->width(),
                     qPrintable(zone->Name));
        }
    }

    // The zone the dialog opens on: its info box shows all its text from
    // the start, before any other zone is chosen.
    void infoBoxFitsTheOpeningZone()
    {
        SeedClocks({QStringLiteral("America/New York")}, QStringLiteral("New York"));
        FForm = new TZoneForm(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));
        FForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(FForm.data()));
        const QLabel *descrip = Controls(FForm).LblDescrip();
        QVERIFY(descrip->text().contains(QStringLiteral("\nNext change: ")));
        QTRY_VERIFY(descrip->heightForWidth(descrip->width()) <= descrip->height());
        QTRY_VERIFY(descrip->parentWidget()->rect().contains(descrip->geometry()));
    }

    // The size and place the dialog has when it is mapped are those it keeps:
    // growing later makes the window manager place it anew, in a corner.
    void placedAtItsFinalSize_data()
    {
        QTest::addColumn<QStringList>("zones");
        QTest::newRow("no clocks") << QStringList();
        QTest::newRow("standard time only") << QStringList{QStringLiteral("Asia/Tokyo")};
        QTest::newRow("next change") << QStringList{QStringLiteral("America/New York")};
        QTest::newRow("half-hour daylight") << QStringList{QStringLiteral("Australia/Lord Howe")};
    }
    void placedAtItsFinalSize()
    {
        QFETCH(QStringList, zones);
        if (!zones.isEmpty()) {
            SeedClocks(zones, QStringLiteral("Here"));
        }
        FForm = new TZoneForm(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));
        FForm->show();
        const QRect asked = FForm->frameGeometry();
        QVERIFY(QTest::qWaitForWindowExposed(FForm.data()));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(FForm->frameGeometry(), asked);
        // Centred, or at the top left of a screen too small for it.
        const QRect area = FForm->screen()->availableGeometry();
        QRect centred = asked;
        centred.moveCenter(area.center());
        const QPoint expected(std::max(centred.left(), area.left()),
                              std::max(centred.top(), area.top()));
        QVERIFY2((asked.topLeft() - expected).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(asked.x())
                                .arg(asked.y())
                                .arg(asked.width())
                                .arg(asked.height())));
        const QLabel *descrip = Controls(FForm).LblDescrip();
        QVERIFY(!descrip->isVisibleTo(FForm) ||
                descrip->heightForWidth(descrip->width()) <= descrip->height());
    }

    void missingZoneFile()
    {
        MessageDlgHook::QueueAnswer(QMessageBox::Cancel);
        FForm = new TZoneForm(FDir->filePath(QStringLiteral("none.ini")));
        QCOMPARE(MessageDlgHook::Shown().size(), 1);
        // Broken with a line feed, which a message box shows as a new line.
        QVERIFY(MessageDlgHook::Shown()[0].Message.startsWith(
            QStringLiteral("There was an error loading the time zone data:\n")));
        QVERIFY(!MessageDlgHook::Shown()[0].Message.contains(u'\r'));
        QCOMPARE(MessageDlgHook::Shown()[0].Type, TMsgDlgType::Error);
        // Nothing to browse and nothing to add.
        QCOMPARE(Controls(FForm).LstZones()->model()->rowCount(), 0);
        QCOMPARE(Controls(FForm).InfoBox()->title(), QStringLiteral(" (no zone) "));
        QVERIFY(Controls(FForm).PreviewClock()->isHidden());
        Controls(FForm).BtnAddToClocks()->click();
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
        // Sydney's clock on daylight time in March, as its window shows it.
        QTest::newRow("clocks: the first clock's region and zone")
            << QStringList{QStringLiteral("Australia/Sydney"), QStringLiteral("Europe/London")}
            << QStringLiteral("Home;Work") << QStringLiteral("Australia")
            << QStringLiteral("Australia/Sydney")
            << QStringList{QStringLiteral("Home (GMT +11:00)"), QStringLiteral("Work (GMT)")};
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
        QCOMPARE(Controls(FForm).InfoBox()->title(), u' ' + zone + u' ');
        QCOMPARE(Controls(FForm).PreviewClock()->Zone(), FForm->SelectedZone());
        QCOMPARE(Texts(Controls(FForm).LstClocks()), clockTexts);
        QCOMPARE(FForm->SelectedClockIndex(), clockTexts.isEmpty() ? -1 : 0);
        QCOMPARE(Controls(FForm).BtnRemoveClock()->isEnabled(), !clockTexts.isEmpty());
        QVERIFY(!Controls(FForm).BtnApply()->isEnabled());
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
        QListView *clocks = Controls(FForm).LstClocks();
        const QRect entry = clocks->visualRect(clocks->model()->index(0, 0));
        QTest::mouseClick(Controls(FForm).LstClocks()->viewport(), Qt::LeftButton, {},
                          entry.center());
        QCOMPARE(FForm->SelectedClockIndex(), 0);
        QCOMPARE(FForm->SelectedZone()->Name, QStringLiteral("Asia/Tokyo"));
    }

    void regions()
    {
        Open();
        // Sorted, "(List all zones)" first, case variants merged as first met.
        QCOMPARE(Texts(Controls(FForm).CmbRegions()),
                 (QStringList{QStringLiteral("(List all zones)"), QStringLiteral("America"),
                              QStringLiteral("Asia"), QStringLiteral("Asiana"),
                              QStringLiteral("Atlantic"), QStringLiteral("Australia"),
                              QStringLiteral("Europe"), QStringLiteral("UTC")}));
        QCOMPARE(Controls(FForm).CmbRegions()->itemData(0).toInt(), 1);
        QVERIFY(!Controls(FForm).CmbRegions()->itemData(1).isValid());
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
        Controls(FForm).CmbRegions()->setCurrentIndex(
            Controls(FForm).CmbRegions()->findText(region));
        Q_EMIT Controls(FForm).CmbRegions()->activated(
            Controls(FForm).CmbRegions()->currentIndex());
        if (zones.isEmpty()) {
            QCOMPARE(Controls(FForm).LstZones()->model()->rowCount(), FForm->Zones().Count());
        } else {
            QCOMPARE(Texts(Controls(FForm).LstZones()), zones);
        }
        QCOMPARE(Controls(FForm).LstZones()->currentIndex().row(), 0);
        QCOMPARE(Controls(FForm).InfoBox()->title(), u' ' + FForm->SelectedZone()->Name + u' ');
    }

    void sortOrders()
    {
        SeedClocks({QStringLiteral("Australia/Sydney"), QStringLiteral("Europe/London")},
                   QStringLiteral("Home;Work"));
        Open();
        FForm->SelectRegion(QStringLiteral("(List all zones)"));
        Choose(Controls(FForm).LstZones(), QStringLiteral("Tokyo (GMT +9:00)"));
        QVERIFY(Controls(FForm).BtnApply()->isEnabled() == false);
        Controls(FForm).ChkSortByName()->click();
        // West to east by the base offset; the zone whose standard offset
        // moves it to +1:00 stays among the -1:00 zones.
        QStringList texts = Texts(Controls(FForm).LstZones());
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
        QCOMPARE(Texts(Controls(FForm).LstClocks()),
                 (QStringList{QStringLiteral("(GMT +11:00) Home"), QStringLiteral("(GMT) Work")}));
        QVERIFY(Controls(FForm).BtnApply()->isEnabled());
        Controls(FForm).ChkSortByName()->click();
        QCOMPARE(Texts(Controls(FForm).LstZones()).first(), QStringLiteral("Azores (GMT -1:00)"));
        QCOMPARE(FForm->SelectedZone()->Name, QStringLiteral("Asia/Tokyo"));
        QCOMPARE(Texts(Controls(FForm).LstClocks()),
                 (QStringList{QStringLiteral("Home (GMT +11:00)"), QStringLiteral("Work (GMT)")}));
    }

    void storedOrderOnOpening()
    {
        WriteSettingBool(Key, QStringLiteral("SortZonesByName"), false);
        Open();
        QVERIFY(!Controls(FForm).ChkSortByName()->isChecked());
        QCOMPARE(Texts(Controls(FForm).LstZones()).first(), QStringLiteral("(GMT -5:00) New_York"));
        QVERIFY(!Controls(FForm).BtnApply()->isEnabled());
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
        QCOMPARE(Controls(FForm).InfoBox()->title(), u' ' + zone + u' ');
        QCOMPARE(Controls(FForm).LblOffset()->text(), offset);
        const bool hasRule = !dayOffset.isEmpty();
        QCOMPARE(Controls(FForm).LblDayTitle()->isVisibleTo(Controls(FForm).InfoBox()), hasRule);
        QCOMPARE(Controls(FForm).LblDescrip()->isVisibleTo(Controls(FForm).InfoBox()), hasRule);
        QCOMPARE(Controls(FForm).LblStdTitle()->font().bold(), hasRule && !daylightBold);
        QCOMPARE(Controls(FForm).LblOffset()->font().bold(), hasRule && !daylightBold);
        if (hasRule) {
            QCOMPARE(Controls(FForm).LblDayOffset()->text(), dayOffset);
            QCOMPARE(Controls(FForm).LblDayTitle()->font().bold(), daylightBold);
            QCOMPARE(Controls(FForm).LblDayOffset()->font().bold(), daylightBold);
            const QStringList sentences = Controls(FForm).LblDescrip()->text().split(u'\n');
            QCOMPARE(sentences.size(), 3);
            QVERIFY(sentences[0].startsWith(QStringLiteral("Daylight time begins on ")));
            QVERIFY(sentences[1].startsWith(QStringLiteral("Standard time resumes on ")));
            QVERIFY(sentences[1].endsWith(u'.'));
            QVERIFY(sentences[2].startsWith(QStringLiteral("Next change: ")));
        }
    }

    void addTwice()
    {
        Open();
        AddZone(QStringLiteral("Sydney (GMT +10:00)"));
        AddZone(QStringLiteral("Sydney (GMT +10:00)"));
        AddZone(QStringLiteral("Tokyo (GMT +9:00)"));
        QCOMPARE(Texts(Controls(FForm).LstClocks()),
                 (QStringList{QStringLiteral("Sydney (GMT +11:00)"),
                              QStringLiteral("Sydney (GMT +11:00)"),
                              QStringLiteral("Tokyo (GMT +9:00)")}));
        QCOMPARE(FForm->SelectedClockIndex(), 2);
        QVERIFY(FForm->ClockAt(0) != FForm->ClockAt(1));
        QVERIFY(FForm->ClockAt(0)->UseDaylight);
        QVERIFY(!FForm->ClockAt(2)->UseDaylight); // no rule, no daylight
        QVERIFY(!Controls(FForm).ChkClockUseDaylight()->isEnabled());
        QCOMPARE(Controls(FForm).BoxClock()->title(), QStringLiteral(" Tokyo (JST, GMT +9:00) "));
        QCOMPARE(Texts(Controls(FForm).CmbAlarmClocks()),
                 (QStringList{QStringLiteral("Sydney"), QStringLiteral("Sydney"),
                              QStringLiteral("Tokyo")}));
        QVERIFY(Controls(FForm).ChkSetAlarm()->isEnabled());
        QVERIFY(Controls(FForm).BtnApply()->isEnabled());
    }

    void addByDoubleClick()
    {
        Open();
        FForm->show();
        QWidget *viewport = Controls(FForm).LstZones()->viewport();
        const QPoint at = Controls(FForm)
                              .LstZones()
                              ->visualRect(Controls(FForm).LstZones()->model()->index(1, 0))
                              .center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QCOMPARE(FForm->ClockCount(), 1);
        QCOMPARE(FForm->ClockAt(0)->Name, FForm->SelectedZone()->Name);
    }

    // A search result added each way, a city the tz database does not name
    // titling its clock; Enter adds without closing the dialog.
    void addFromSearch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("zone");
        QTest::newRow("city, Enter")
            << u"mumbai"_s << u"enter"_s << u"Mumbai"_s << u"Asia/Kolkata"_s;
        QTest::newRow("tz city, double click")
            << u"kolk"_s << u"double click"_s << u"Kolkata"_s << u"Asia/Kolkata"_s;
        QTest::newRow("country, button")
            << u"Japan"_s << u"button"_s << u"Tokyo"_s << u"Asia/Tokyo"_s;
    }
    void addFromSearch()
    {
        QFETCH(QString, text);
        QFETCH(QString, how);
        QFETCH(QString, title);
        QFETCH(QString, zone);
        Open()->show();
        const TZoneFormControls c(FForm);
        FForm->SelectRegion(u"Europe"_s);
        QTest::keyClicks(c.EditZoneSearch(), text);
        QCOMPARE(c.CmbRegions()->currentText(), u"(Search results)"_s);
        if (how == u"enter"_s) {
            QTest::keyClick(c.EditZoneSearch(), Qt::Key_Return);
        } else if (how == u"button"_s) {
            c.BtnAddToClocks()->click();
        } else {
            const QPoint at = c.LstZones()->visualRect(c.LstZones()->model()->index(0, 0)).center();
            QTest::mouseClick(c.LstZones()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(c.LstZones()->viewport(), Qt::LeftButton, {}, at);
        }
        QVERIFY(FForm->isVisible());
        QCOMPARE(FForm->ClockCount(), 1);
        QCOMPARE(FForm->ClockAt(0)->Title, title);
        QCOMPARE(FForm->ClockAt(0)->Name, zone);
        // Sorting by offset keeps the search; clearing it gives the region back.
        c.ChkSortByName()->click();
        QCOMPARE(c.CmbRegions()->currentText(), u"(Search results)"_s);
        QTest::keyClick(c.EditZoneSearch(), Qt::Key_Escape);
        QVERIFY(FForm->isVisible());
        QCOMPARE(c.CmbRegions()->currentText(), u"Europe"_s);
        QCOMPARE(c.CmbRegions()->findText(u"(Search results)"_s), -1);
    }

    // Enter keeps the focus in the search box, so one city after another
    // is typed and added without reaching for the mouse.
    void searchAfterEnter()
    {
        Open()->show();
        QVERIFY(QTest::qWaitForWindowActive(FForm));
        const TZoneFormControls c(FForm);
        c.EditZoneSearch()->setFocus();
        for (const QString &city : {u"tokyo"_s, u"mumbai"_s}) {
            QTest::keyClicks(QApplication::focusWidget(), city);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(FForm->ClockCount(), 2);
        QCOMPARE(FForm->ClockAt(0)->Name, u"Asia/Tokyo"_s);
        QCOMPARE(FForm->ClockAt(1)->Title, u"Mumbai"_s);
        QVERIFY(c.EditZoneSearch()->hasFocus());
    }

    // Ctrl+F on another tab comes back to the search box.
    void findFromAnotherTab()
    {
        Open()->show();
        QVERIFY(QTest::qWaitForWindowActive(FForm));
        const TZoneFormControls c(FForm);
        c.Tabs()->setCurrentWidget(c.TabAppearance());
        QTest::keySequence(FForm, QKeySequence::Find);
        QCOMPARE(c.Tabs()->currentWidget(), c.TabClocks());
        QTRY_VERIFY(c.EditZoneSearch()->hasFocus());
        // Typed there, the info box follows once the typing pauses.
        QTest::keyClicks(c.EditZoneSearch(), u"tokyo"_s);
        QTRY_COMPARE(c.InfoBox()->title(), u" Asia/Tokyo "_s);
    }

    // No match empties the info box; a clock whose zone is not among the
    // results ends the search.
    void clockOutsideTheResults()
    {
        SeedClocks({u"Europe/London"_s}, u"London"_s);
        Open();
        const TZoneFormControls c(FForm);
        c.EditZoneSearch()->setText(u"tokyo"_s);
        c.EditZoneSearch()->setText(u"tokyoqq"_s);
        QCOMPARE(c.InfoBox()->title(), u" (no zone) "_s); // not Tokyo's any more
        c.LstClocks()->setCurrentIndex({});
        c.LstClocks()->setCurrentIndex(c.LstClocks()->model()->index(0, 0));
        QCOMPARE(c.EditZoneSearch()->text(), QString());
        QCOMPARE(FForm->SelectedZone()->Name, u"Europe/London"_s);
    }

    void remove_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("byKey"); // Delete on the list instead of the button
        QTest::newRow("last: the new last") << 3 << 2 << 1 << false;
        QTest::newRow("middle: the one moving up") << 3 << 1 << 1 << false;
        QTest::newRow("first") << 3 << 0 << 0 << false;
        QTest::newRow("only: no clock") << 1 << 0 << -1 << false;
        QTest::newRow("Delete, middle") << 3 << 1 << 1 << true;
        QTest::newRow("Delete, only") << 1 << 0 << -1 << true;
    }
    void remove()
    {
        QFETCH(int, count);
        QFETCH(int, removed);
        QFETCH(int, selected);
        QFETCH(bool, byKey);
        const QStringList zones = {QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London"),
                                   QStringLiteral("Australia/Sydney")};
        SeedClocks(zones.mid(0, count), QStringLiteral("A;B;C").left(2 * count - 1));
        Open();
        QStringList titles;
        for (int i = 0; i < count; ++i) {
            titles.append(FForm->ClockAt(i)->Title);
        }
        FForm->SelectClock(removed);
        if (byKey) {
            QTest::keyClick(Controls(FForm).LstClocks(), Qt::Key_Delete);
        } else {
            Controls(FForm).BtnRemoveClock()->click();
        }
        titles.removeAt(removed);
        QCOMPARE(FForm->ClockCount(), count - 1);
        QCOMPARE(Controls(FForm).CmbAlarmClocks()->count(), count - 1);
        QCOMPARE(FForm->SelectedClockIndex(), selected);
        if (selected < 0) {
            QCOMPARE(Controls(FForm).BoxClock()->title(), QStringLiteral(" (no clock) "));
            QVERIFY(!Controls(FForm).EditClockTitle()->isEnabled());
            QVERIFY(Controls(FForm).EditClockTitle()->text().isEmpty());
            QVERIFY(!Controls(FForm).BtnRemoveClock()->isEnabled());
            QVERIFY(!Controls(FForm).ChkClockUseDaylight()->isEnabled());
            QVERIFY(!Controls(FForm).ChkSetAlarm()->isEnabled());
        } else {
            QCOMPARE(Controls(FForm).EditClockTitle()->text(), titles[selected]);
            QCOMPARE(FForm->SelectedZone()->Name, FForm->ClockAt(selected)->Name);
        }
        QVERIFY(Controls(FForm).BtnApply()->isEnabled());
    }

    void removeAlarmClock()
    {
        SeedClocks({QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London")},
                   QStringLiteral("Tokyo;London"));
        Open();
        Controls(FForm).Tabs()->setCurrentWidget(Controls(FForm).TabAppearance());
        Controls(FForm).CmbAlarmClocks()->setCurrentIndex(
            Controls(FForm).CmbAlarmClocks()->findText(QStringLiteral("Tokyo")));
        Controls(FForm).ChkSetAlarm()->click();
        QVERIFY(Controls(FForm).EditAlarmTime()->isEnabled());
        // Removing another clock keeps the alarm.
        FForm->SelectClock(1);
        Controls(FForm).BtnRemoveClock()->click();
        QVERIFY(Controls(FForm).ChkSetAlarm()->isChecked());
        FForm->SelectClock(0);
        Controls(FForm).BtnRemoveClock()->click();
        QVERIFY(!Controls(FForm).ChkSetAlarm()->isChecked());
        QVERIFY(!Controls(FForm).ChkSetAlarm()->isEnabled());
        QVERIFY(!Controls(FForm).EditAlarmTime()->isEnabled());
        QVERIFY(!Controls(FForm).CmbAlarmClocks()->isEnabled());
    }

    // A drop moves the clock through the view's model, as the view's own
    // internal move does; Ctrl+Up/Down do the same from the keyboard.
    void reorderClocks_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("keys");   // u: Ctrl+Up, d: Ctrl+Down
        QTest::addColumn<int>("dropBefore"); // -1: no drop
        QTest::addColumn<QStringList>("order");
        QTest::newRow("dropped onto the next place")
            << 0 << "" << 2 << QStringList{u"B"_s, u"A"_s, u"C"_s};
        QTest::newRow("dropped below the last entry")
            << 0 << "" << 3 << QStringList{u"B"_s, u"C"_s, u"A"_s};
        QTest::newRow("dropped above the first entry")
            << 2 << "" << 0 << QStringList{u"C"_s, u"A"_s, u"B"_s};
        QTest::newRow("Ctrl+Down") << 0 << "d" << -1 << QStringList{u"B"_s, u"A"_s, u"C"_s};
        QTest::newRow("Ctrl+Down twice") << 0 << "dd" << -1 << QStringList{u"B"_s, u"C"_s, u"A"_s};
        QTest::newRow("Ctrl+Up") << 2 << "u" << -1 << QStringList{u"A"_s, u"C"_s, u"B"_s};
        QTest::newRow("Ctrl+Down past the end moves nothing")
            << 2 << "d" << -1 << QStringList{u"A"_s, u"B"_s, u"C"_s};
        QTest::newRow("Ctrl+Up past the start moves nothing")
            << 0 << "u" << -1 << QStringList{u"A"_s, u"B"_s, u"C"_s};
    }
    void reorderClocks()
    {
        QFETCH(int, selected);
        QFETCH(QString, keys);
        QFETCH(int, dropBefore);
        QFETCH(QStringList, order);
        SeedClocks({QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London"),
                    QStringLiteral("Australia/Sydney")},
                   QStringLiteral("A;B;C"));
        Open();
        FForm->show();
        const QString moved = FForm->ClockAt(selected)->Title;
        FForm->SelectClock(selected);
        QListView *clocks = Controls(FForm).LstClocks();
        clocks->setFocus();
        if (dropBefore >= 0) {
            QVERIFY(clocks->model()->moveRow({}, selected, {}, dropBefore));
        }
        for (const QChar key : keys) {
            QTest::keyClick(clocks, key == u'u' ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
        }
        QStringList titles;
        for (int i = 0; i < FForm->ClockCount(); ++i) {
            titles.append(FForm->ClockAt(i)->Title);
        }
        QCOMPARE(titles, order);
        // The moved clock stays selected and its entry reads as it did.
        QVERIFY(FForm->SelectedClock() != nullptr);
        QCOMPARE(FForm->SelectedClock()->Title, moved);
        QCOMPARE(clocks->currentIndex().row(), FForm->SelectedClockIndex());
        QVERIFY(Texts(clocks).at(FForm->SelectedClockIndex()).startsWith(moved + u" ("_s));
        const QStringList unmoved{u"A"_s, u"B"_s, u"C"_s};
        QCOMPARE(Controls(FForm).BtnApply()->isEnabled(), titles != unmoved);
        // The alarm list still holds every clock.
        QCOMPARE(Texts(Controls(FForm).CmbAlarmClocks()), unmoved);
    }

    void retitle()
    {
        SeedClocks({QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London")},
                   QStringLiteral("Office;Home"));
        Open();
        Controls(FForm).CmbAlarmClocks()->setCurrentIndex(
            Controls(FForm).CmbAlarmClocks()->findText(QStringLiteral("Office")));
        FForm->SelectClock(0);
        Controls(FForm).EditClockTitle()->selectAll();
        QTest::keyClicks(Controls(FForm).EditClockTitle(), QStringLiteral("Zen;ith"));
        // ";" would split the title when the list is read back.
        QCOMPARE(Controls(FForm).EditClockTitle()->text(), QStringLiteral("Zenith"));
        QCOMPARE(Texts(Controls(FForm).LstClocks()).at(0), QStringLiteral("Zenith (GMT +9:00)"));
        QCOMPARE(Texts(Controls(FForm).CmbAlarmClocks()),
                 (QStringList{QStringLiteral("Home"), QStringLiteral("Zenith")}));
        // The alarm's clock stays chosen, by clock, not by position.
        QCOMPARE(Controls(FForm).CmbAlarmClocks()->currentText(), QStringLiteral("Zenith"));
        QTest::keyClick(Controls(FForm).EditClockTitle(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Controls(FForm).EditClockTitle(), Qt::Key_Delete);
        QCOMPARE(Texts(Controls(FForm).LstClocks()).at(0), QStringLiteral(" (GMT +9:00)"));
        Leave(Controls(FForm).EditClockTitle());
        QCOMPARE(Controls(FForm).EditClockTitle()->text(), QStringLiteral("Tokyo"));
        QCOMPARE(Texts(Controls(FForm).LstClocks()).at(0), QStringLiteral("Tokyo (GMT +9:00)"));
        QCOMPARE(Texts(Controls(FForm).CmbAlarmClocks()),
                 (QStringList{QStringLiteral("Home"), QStringLiteral("Tokyo")}));
        QVERIFY(Controls(FForm).BtnApply()->isEnabled());
    }

    void emptyTitleOnCommit()
    {
        SeedClocks({QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/London")},
                   QStringLiteral("Office;Home"));
        Open();
        FForm->show();
        FForm->SelectClock(1);
        QTest::keyClick(Controls(FForm).EditClockTitle(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Controls(FForm).EditClockTitle(), Qt::Key_Delete);
        // Enter commits without leaving the box.
        QTest::keyClick(Controls(FForm).EditClockTitle(), Qt::Key_Return);
        QCOMPARE(ReadSettingString(Key, QStringLiteral("Clocks"), QString()),
                 QStringLiteral("Office;London"));
    }

    // The list and the clock's caption tell the abbreviation and offset the
    // clock shows now, as its window does.
    void offsetInForce_data()
    {
        QTest::addColumn<TDateTime>("now");
        QTest::addColumn<bool>("useDaylight");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        // 1 July 2026: Berlin on CEST since 29 March.
        QTest::newRow("summer") << EncodeDateTime(2026, 7, 1, 12, 0, 0, 0) << true
                                << u"Home (GMT +2:00)"_s << u" Berlin (CEST, GMT +2:00) "_s;
        QTest::newRow("winter") << EncodeDateTime(2026, 1, 15, 12, 0, 0, 0) << true
                                << u"Home (GMT +1:00)"_s << u" Berlin (CET, GMT +1:00) "_s;
        QTest::newRow("summer, daylight time ignored")
            << EncodeDateTime(2026, 7, 1, 12, 0, 0, 0) << false << u"Home (GMT +1:00)"_s
            << u" Berlin (CET, GMT +1:00) "_s;
    }
    void offsetInForce()
    {
        QFETCH(TDateTime, now);
        QFETCH(bool, useDaylight);
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        FClock->SetUTC(now);
        SeedClocks({u"Europe/Berlin"_s}, u"Home"_s);
        Open();
        const TZoneFormControls c(FForm);
        if (!useDaylight) {
            c.ChkClockUseDaylight()->click();
        }
        QCOMPARE(Texts(c.LstClocks()), QStringList{entry});
        QCOMPARE(c.BoxClock()->title(), caption);
    }

    void daylightPerClock()
    {
        SeedClocks({QStringLiteral("Europe/London"), QStringLiteral("Europe/Berlin"),
                    QStringLiteral("Asia/Tokyo")},
                   QStringLiteral("A;B;C"));
        Open();
        FForm->SelectClock(1);
        QVERIFY(Controls(FForm).ChkClockUseDaylight()->isEnabled());
        QVERIFY(Controls(FForm).ChkClockUseDaylight()->isChecked());
        Controls(FForm).ChkClockUseDaylight()->click();
        QVERIFY(!FForm->ClockAt(1)->UseDaylight);
        QVERIFY(FForm->ClockAt(0)->UseDaylight);
        QVERIFY(Controls(FForm).BtnApply()->isEnabled());
        FForm->SelectClock(2);
        QVERIFY(!Controls(FForm).ChkClockUseDaylight()->isEnabled());
        QVERIFY(!Controls(FForm).ChkClockUseDaylight()->isChecked());
        FForm->SelectClock(1);
        QVERIFY(!Controls(FForm).ChkClockUseDaylight()->isChecked());
        Controls(FForm).BtnApply()->click();
        QVERIFY(ReadSettingBool(ClocksKey, QStringLiteral("0_UseDaylight"), false));
        QVERIFY(!ReadSettingBool(ClocksKey, QStringLiteral("1_UseDaylight"), true));
    }

    void okWithoutChangesWritesNothing()
    {
        Open();
        FForm->show();
        Controls(FForm).BtnOK()->click();
        QTRY_VERIFY(FForm.isNull()); // closed and destroyed
        QVERIFY(!QFile::exists(SettingsFileName()));
    }

    void applyThenCancel()
    {
        Open();
        FForm->show();
        AddZone(QStringLiteral("Tokyo (GMT +9:00)"));
        Controls(FForm).BtnApply()->click();
        QVERIFY(!Controls(FForm).BtnApply()->isEnabled());
        QVERIFY(!FForm.isNull());
        AddZone(QStringLiteral("London (GMT)"));
        Controls(FForm).BtnCancel()->click();
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
        QCOMPARE(Texts(Controls(FForm).LstClocks()),
                 QStringList{QStringLiteral("Tokyo (GMT +9:00)")});
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
        // What is handed over: the committed clocks and the settings as stored.
        int count = 0;
        QStringList titles;
        TClocksState state;
        connect(FForm, &TZoneForm::ChangesApplied, this,
                [&](const TTimeZoneList &clocks, const TClocksState &committed) {
                    ++count;
                    titles.clear();
                    for (int i = 0; i < clocks.Count(); ++i) {
                        titles.append(clocks.ClockAt(i)->Title);
                    }
                    state = committed;
                });
        if (edit) {
            AddZone(QStringLiteral("Tokyo (GMT +9:00)"));
        }
        if (brokenAlarmTime) {
            Controls(FForm).ChkSetAlarm()->click();
            Controls(FForm).EditAlarmTime()->clear();
            MessageDlgHook::QueueAnswer(QMessageBox::Ok);
        }
        FForm->findChild<QPushButton *>(button)->click();
        QCOMPARE(count, announced);
        QCOMPARE(QFile::exists(SettingsFileName()), announced > 0);
        if (announced > 0) {
            QCOMPARE(titles, QStringList{QStringLiteral("Tokyo")});
            QCOMPARE(state.TimeFormat, TFormatSettings::British().LongTimeFormat);
            QCOMPARE(state.DateFormat, ReadSettingString(Key, QStringLiteral("DateFormat"), {}));
            QCOMPARE(EncodeFont(state.Font), ReadSettingString(Key, u"Font"_s, {}));
            QVERIFY(!state.AlarmSet);
        }
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
            Controls(FForm).BtnCancel()->click();
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
        QCOMPARE(Controls(FForm).CmbTimeFormat()->count(), times.size());
        const int hhnn = static_cast<int>(times.indexOf(QStringLiteral("hh:nn")));
        QCOMPARE(Controls(FForm).CmbTimeFormat()->itemText(hhnn), QStringLiteral("19:05"));
        QCOMPARE(FForm->DateFormats().first(), british.LongDateFormat);
        QCOMPARE(Controls(FForm).CmbDateFormat()->itemText(
                     static_cast<int>(FForm->DateFormats().indexOf(QStringLiteral("dd/mm/yyyy")))),
                 QStringLiteral("15/03/2026"));
        QCOMPARE(FForm->SelectedTimeFormat(), british.LongTimeFormat);
        Controls(FForm).ChkShowTime()->click();
        QVERIFY(!Controls(FForm).CmbTimeFormat()->isEnabled());
        QVERIFY(FForm->SelectedTimeFormat().isEmpty());
        QVERIFY(Controls(FForm).BtnApply()->isEnabled());
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
        TAppearancePage::SetFontChooser([&chosen](QWidget *, QFont &font) {
            font = chosen;
            return true;
        });
        Controls(FForm).BtnFont()->click();
        TAppearancePage::SetFontChooser({});
        QCOMPARE(Controls(FForm).LblFont()->text(), QStringLiteral("Serif, 14pt"));
        Controls(FForm).ChkShowDate()->click();
        Controls(FForm).CmbTimeFormat()->setCurrentIndex(2);
        FForm->SetModified(false);
        MessageDlgHook::QueueAnswer(answer);
        Controls(FForm).BtnDefaults()->click();
        QCOMPARE(MessageDlgHook::Shown().size(), 1);
        QCOMPARE(
            MessageDlgHook::Shown()[0].Message,
            QStringLiteral("Are you sure you want to restore the default appearance settings?"));
        QCOMPARE(MessageDlgHook::Shown()[0].Type, TMsgDlgType::Confirmation);
        const bool yes = answer == QMessageBox::Yes;
        QCOMPARE(Controls(FForm).LblFont()->text(),
                 yes ? QStringLiteral("Tahoma, 8pt") : QStringLiteral("Serif, 14pt"));
        QCOMPARE(Controls(FForm).ChkShowDate()->isChecked(), yes);
        QCOMPARE(Controls(FForm).CmbTimeFormat()->currentIndex(), yes ? 0 : 2);
        QCOMPARE(Controls(FForm).BtnApply()->isEnabled(), yes);
        if (yes) {
            Controls(FForm).BtnApply()->click();
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
        QVERIFY(!Controls(FForm).ChkSetAlarm()->isChecked());
        QVERIFY(!Controls(FForm).EditAlarmTime()->isEnabled());
        Controls(FForm).ChkSetAlarm()->click();
        QVERIFY(Controls(FForm).EditAlarmTime()->isEnabled());
        QVERIFY(Controls(FForm).PickerAlarmDate()->isEnabled());
        QVERIFY(Controls(FForm).CmbAlarmClocks()->isEnabled());
        QCOMPARE(Controls(FForm).EditAlarmTime()->text().trimmed(), time);
        QCOMPARE(Controls(FForm).PickerAlarmDate()->date(), date);
        QVERIFY(Controls(FForm).BtnApply()->isEnabled());
        Controls(FForm).BtnApply()->click();
        QCOMPARE(ReadSettingString(Key, QStringLiteral("AlarmClock"), QString()),
                 QStringLiteral("Alarm"));
        const double stored =
            ReadSettingString(Key, QStringLiteral("AlarmTime"), QString()).toDouble();
        const int hours = time.left(2).toInt();
        const int minutes = time.mid(3).toInt();
        QCOMPARE(stored,
                 EncodeDateTime(date.year(), date.month(), date.day(), hours, minutes, 0, 0));
        // Unticking writes "0" and leaves the clock's title alone.
        Controls(FForm).ChkSetAlarm()->click();
        Controls(FForm).BtnApply()->click();
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
        Controls(FForm).ChkSetAlarm()->click();
        Controls(FForm).EditAlarmTime()->clear();
        Controls(FForm).EditAlarmTime()->setCursorPosition(0);
        QTest::keyClicks(Controls(FForm).EditAlarmTime(), typed);
        if (left.isEmpty()) {
            MessageDlgHook::QueueAnswer(QMessageBox::Ok);
        }
        Leave(Controls(FForm).EditAlarmTime());
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
            QCOMPARE(Controls(FForm).EditAlarmTime()->text().trimmed(), left);
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
        Controls(FForm).Tabs()->setCurrentWidget(Controls(FForm).TabAppearance());
        Controls(FForm).ChkSetAlarm()->click();
        const QString proposed = Controls(FForm).EditAlarmTime()->text();
        Controls(FForm).EditAlarmTime()->setFocus();
        QTRY_VERIFY(Controls(FForm).EditAlarmTime()->hasFocus());
        Controls(FForm).EditAlarmTime()->clear();
        Controls(FForm).EditAlarmTime()->setCursorPosition(0);
        QTest::keyClicks(Controls(FForm).EditAlarmTime(),
                         leaveFirst ? QStringLiteral("7:5") : QStringLiteral("1234"));
        QVERIFY(Controls(FForm).EditAlarmTime()->text() != proposed);
        if (leaveFirst) {
            MessageDlgHook::QueueAnswer(QMessageBox::Ok);
            Controls(FForm).CmbAlarmClocks()->setFocus();
            QCOMPARE(MessageDlgHook::Shown().size(), 1);
            QTRY_VERIFY(Controls(FForm).EditAlarmTime()->hasFocus());
        }
        QTest::keyClick(Controls(FForm).EditAlarmTime(), Qt::Key_Escape);
        QCOMPARE(Controls(FForm).EditAlarmTime()->text(), proposed);
        QVERIFY(!FForm.isNull() && FForm->isVisible());
        // With nothing left to abandon, Esc closes the dialog.
        QTest::keyClick(Controls(FForm).EditAlarmTime(), Qt::Key_Escape);
        QTRY_VERIFY(FForm.isNull());
    }

    // The box shows the time as typed and as accepted, never padded.
    void alarmTimeShown_data()
    {
        QTest::addColumn<QStringList>("steps"); // texts typed over the box, "leave", "esc"
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("refusals");
        QTest::newRow("a one-digit hour while typing") << QStringList{u"9:30"_s} << u"9:30"_s << 0;
        QTest::newRow("a one-digit hour once accepted")
            << QStringList{u"9:30"_s, u"leave"_s} << u"9:30"_s << 0;
        QTest::newRow("midnight once accepted")
            << QStringList{u"24:00"_s, u"leave"_s} << u"0:00"_s << 0;
        QTest::newRow("Esc after a refusal goes back to the accepted time")
            << QStringList{u"24:00"_s, u"leave"_s, u"7:5"_s, u"leave"_s, u"esc"_s} << u"0:00"_s
            << 1;
        QTest::newRow("a third digit starts the minutes")
            << QStringList{u"1230"_s} << u"12:30"_s << 0;
        QTest::newRow("no third hour digit after one") << QStringList{u"1:230"_s} << u"1:23"_s << 0;
    }
    void alarmTimeShown()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        QFETCH(int, refusals);
        SeedClocks({QStringLiteral("Asia/Tokyo")}, QStringLiteral("Alarm"));
        Open();
        Controls(FForm).ChkSetAlarm()->click();
        QLineEdit *time = Controls(FForm).EditAlarmTime();
        for (const QString &step : steps) {
            if (step == u"leave") {
                MessageDlgHook::QueueAnswer(QMessageBox::Ok);
                Leave(time);
            } else if (step == u"esc") {
                QTest::keyClick(time, Qt::Key_Escape);
            } else {
                time->clear();
                QTest::keyClicks(time, step);
            }
        }
        // What the user sees, not the text without the blanks of a mask.
        QCOMPARE(time->displayText(), shown);
        QCOMPARE(MessageDlgHook::Shown().size(), refusals);
    }

    // Leaving the page is leaving the box: an unfinished time keeps both.
    void pageKeptForAnUnfinishedAlarmTime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("how"); // 0: click on the first tab, 1: Ctrl+Tab, 2: Ctrl+Shift+Tab
        QTest::addColumn<bool>("kept");
        QTest::newRow("click on a tab") << u"7:5"_s << 0 << true;
        QTest::newRow("Ctrl+Tab") << u"7:5"_s << 1 << true;
        QTest::newRow("Ctrl+Shift+Tab") << u":30"_s << 2 << true;
        QTest::newRow("a whole time lets the page go") << u"7:05"_s << 0 << false;
    }
    void pageKeptForAnUnfinishedAlarmTime()
    {
        QFETCH(QString, typed);
        QFETCH(int, how);
        QFETCH(bool, kept);
        SeedClocks({QStringLiteral("Asia/Tokyo")}, QStringLiteral("Alarm"));
        Open();
        FForm->show();
        FForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FForm.data()));
        const TZoneFormControls c(FForm);
        c.Tabs()->setCurrentWidget(c.TabAppearance());
        c.ChkSetAlarm()->click();
        c.EditAlarmTime()->setFocus();
        QTRY_VERIFY(c.EditAlarmTime()->hasFocus());
        c.EditAlarmTime()->clear();
        QTest::keyClicks(c.EditAlarmTime(), typed);
        MessageDlgHook::QueueAnswer(QMessageBox::Ok);
        if (how == 0) {
            QTabBar *tabs = c.Tabs()->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        } else {
            QTest::keyClick(c.EditAlarmTime(), how == 1 ? Qt::Key_Tab : Qt::Key_Backtab,
                            how == 1 ? Qt::ControlModifier
                                     : Qt::ControlModifier | Qt::ShiftModifier);
        }
        QCOMPARE(c.Tabs()->currentWidget(), kept ? c.TabAppearance() : c.TabClocks());
        QCOMPARE(MessageDlgHook::Shown().size(), kept ? 1 : 0);
        if (kept) {
            QCOMPARE(MessageDlgHook::Shown()[0].Message,
                     u"Invalid input value.  Use escape key to abandon changes"_s);
            QCOMPARE(c.EditAlarmTime()->text(), typed);
            QTRY_VERIFY(c.EditAlarmTime()->hasFocus());
        }
    }

    // A screen reader names a control after the label in front of it, or by
    // a name of its own where a label would not say enough; a combo box is
    // named so too (Qt names it after its entry on Linux), its entry its
    // value; groups without the spaces around their captions.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::newRow("the clock list")
            << u"LstClocks"_s << QString() << u"Your clocks:"_s << int(QAccessible::List);
        QTest::newRow("the region box") << u"CmbRegions"_s << u"LblTimeZones"_s << u"Time zones:"_s
                                        << int(QAccessible::ComboBox);
        QTest::newRow("the zone list, under the region box's label")
            << u"LstZones"_s << QString() << u"Time zones:"_s << int(QAccessible::List);
        QTest::newRow("the search's clear button")
            << u"BtnClearSearch"_s << QString() << u"Clear the search"_s
            << int(QAccessible::Button);
        QTest::newRow("the clock's box")
            << u"BoxClock"_s << QString() << u"(no clock)"_s << int(QAccessible::Grouping);
        QTest::newRow("the clock's title") << u"EditClockTitle"_s << u"LblClockTitle"_s
                                           << u"Clock title:"_s << int(QAccessible::EditableText);
        QTest::newRow("the appearance group")
            << u"GroupAppearance"_s << QString() << u"Appearance"_s << int(QAccessible::Grouping);
        QTest::newRow("the date format") << u"CmbDateFormat"_s << u"LblDateFormat"_s
                                         << u"Date format"_s << int(QAccessible::ComboBox);
        QTest::newRow("the time format") << u"CmbTimeFormat"_s << u"LblTimeFormat"_s
                                         << u"Time format"_s << int(QAccessible::ComboBox);
        QTest::newRow("the alarm group")
            << u"GroupAlarm"_s << QString() << u"Alarm"_s << int(QAccessible::Grouping);
        QTest::newRow("the alarm's clock") << u"CmbAlarmClocks"_s << u"LblAlarmClock"_s
                                           << u"Clock to use:"_s << int(QAccessible::ComboBox);
        QTest::newRow("the alarm time")
            << u"EditAlarmTime"_s << u"LblAlarmMoment"_s << u"Date and time (in 24-hour format):"_s
            << int(QAccessible::EditableText);
        QTest::newRow("the alarm date, not its group's caption")
            << u"PickerAlarmDate"_s << QString() << u"Alarm date"_s << int(QAccessible::SpinBox);
    }
    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, label);
        QFETCH(QString, name);
        QFETCH(int, role);
        Open();
        QWidget *widget = FForm->findChild<QWidget *>(control);
        QVERIFY(widget != nullptr);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face != nullptr);
        QCOMPARE(face->text(QAccessible::Name), name);
        QCOMPARE(int(face->role()), role);
        if (const auto *combo = qobject_cast<QComboBox *>(widget)) {
            QCOMPARE(face->text(QAccessible::Value), combo->currentText());
        }
        if (!label.isEmpty()) {
            QStringList labelledBy;
            for (const auto &[other, relation] : face->relations(QAccessible::Label)) {
                labelledBy.append(other->object()->objectName());
            }
            QVERIFY2(labelledBy.contains(label), qPrintable(labelledBy.join(u' ')));
        }
    }

    void noClocksNoAlarm()
    {
        Open();
        QVERIFY(!Controls(FForm).ChkSetAlarm()->isEnabled());
        AddZone(QStringLiteral("Tokyo (GMT +9:00)"));
        QVERIFY(Controls(FForm).ChkSetAlarm()->isEnabled());
        QCOMPARE(Controls(FForm).CmbAlarmClocks()->currentText(), QStringLiteral("Tokyo"));
    }
};

QTEST_MAIN(TestZoneForm)
#include "tst_zoneform.moc"
