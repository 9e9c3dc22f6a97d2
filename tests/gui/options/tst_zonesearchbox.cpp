// The zone browser's search box over a region box and a zone list of its own:
// what the list shows while searching, the region box's way back, the keys.
#include "core/options/zonelistmodel.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "gui/options/zonesearchbox.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

class TestZoneSearchBox : public QObject
{
    Q_OBJECT

private:
    TTimeZoneList FZones;
    std::unique_ptr<QWidget> FWindow;
    QComboBox *FRegions = nullptr;
    QListView *FList = nullptr;
    TZoneSearchBox *FBox = nullptr;
    TZoneListModel *FModel = nullptr;
    TZoneFilterModel *FShown = nullptr;

    QStringList Entries() const
    {
        QStringList entries;
        for (int row = 0; row < FShown->rowCount(); ++row) {
            entries << FShown->index(row, 0).data().toString();
        }
        return entries;
    }

private Q_SLOTS:
    void initTestCase()
    {
        FZones.LoadFromZoneFile(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));
        QVERIFY(FZones.Count() > 300);
    }

    void init()
    {
        FWindow = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(FWindow.get());
        FBox = new TZoneSearchBox(FWindow.get());
        FRegions = new QComboBox(FWindow.get());
        FRegions->addItems({u"Africa"_s, u"America"_s, u"Asia"_s, u"Europe"_s});
        FList = new QListView(FWindow.get());
        FModel = new TZoneListModel(FWindow.get());
        FShown = new TZoneFilterModel(FModel, FWindow.get());
        FModel->SetZones(&FZones);
        FList->setModel(FShown);
        layout->addWidget(FBox);
        layout->addWidget(FRegions);
        layout->addWidget(FList);
        FBox->Bind(FRegions, FList, FShown);
        FBox->SetZones(FZones);
        FRegions->setCurrentIndex(FRegions->findText(u"Europe"_s));
        FShown->SetRegion(u"Europe"_s);
        FList->setCurrentIndex(
            FShown->index(FShown->RowOf(FZones.ZoneAt(FZones.IndexOf(u"Europe/Paris"_s))), 0));
    }

    void cleanup() { FWindow.reset(); }

    // Each kind of match, in the list's text by name and by offset.
    void results_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("byName");
        QTest::addColumn<QString>("byOffset");
        QTest::addColumn<QString>("city"); // of the first match; empty for a zone's own
        QTest::newRow("tz city") << u"kolkata"_s << u"Kolkata (GMT +5:30)"_s
                                 << u"(GMT +5:30) Kolkata"_s << QString();
        QTest::newRow("city the tz database does not name")
            << u"mumbai"_s << u"Mumbai, India (GMT +5:30)"_s << u"(GMT +5:30) Mumbai, India"_s
            << u"Mumbai"_s;
        QTest::newRow("city and country, capitals")
            << u"SAN FRANCISCO united"_s << u"San Francisco, United States (GMT -8:00)"_s
            << u"(GMT -8:00) San Francisco, United States"_s << u"San Francisco"_s;
        QTest::newRow("country") << u"japan"_s << u"Tokyo (GMT +9:00)"_s << u"(GMT +9:00) Tokyo"_s
                                 << QString();
        QTest::newRow("country by another name")
            << u"united kingdom"_s << u"London (GMT)"_s << u"(GMT) London"_s << QString();
        QTest::newRow("abbreviation") << u"pst"_s << u"Los Angeles (GMT -8:00)"_s
                                      << u"(GMT -8:00) Los Angeles"_s << QString();
        QTest::newRow("accent typed, none in the name")
            << u"Bogotá"_s << u"Bogota (GMT -5:00)"_s << u"(GMT -5:00) Bogota"_s << QString();
        QTest::newRow("accent left out")
            << u"zurich"_s << u"Zurich (GMT +1:00)"_s << u"(GMT +1:00) Zurich"_s << QString();
    }
    void results()
    {
        QFETCH(QString, text);
        QFETCH(QString, byName);
        QFETCH(QString, byOffset);
        QFETCH(QString, city);
        FBox->setText(text);
        QCOMPARE(FRegions->currentText(), u"(Search results)"_s);
        QCOMPARE(Entries().value(0), byName);
        const TPlaceMatch *chosen = FBox->SelectedMatch();
        QVERIFY(chosen != nullptr);
        QCOMPARE(chosen->City, city);
        FShown->SetByName(false);
        QCOMPARE(Entries().value(0), byOffset);
        QCOMPARE(FBox->SelectedMatch(), chosen);
    }

    // Nothing found, whatever was typed: one entry telling so, which cannot
    // be chosen or added.
    void noMatch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("no such place") << u"qqzzxxy"_s;
        QTest::newRow("blanks only") << u"    "_s;
        QTest::newRow("symbols") << u"%$#@!*()<>&"_s;
        QTest::newRow("very long") << QString(50000, u'k');
        QTest::newRow("unpaired surrogate") << QString(QChar(0xdc00)) + u"qqzzxxy"_s;
        QTest::newRow("right-to-left, no place") << u"שלום עולם ירושלים תל"_s;
    }
    void noMatch()
    {
        QFETCH(QString, text);
        QSignalSpy adds(FBox, &TZoneSearchBox::AddRequested);
        FBox->setText(text);
        QCOMPARE(Entries(), QStringList{u"No matching places"_s});
        QVERIFY(!(FShown->index(0, 0).flags() & Qt::ItemIsSelectable));
        QCOMPARE(FShown->ZoneAt(0), nullptr);
        QCOMPARE(FBox->SelectedMatch(), nullptr);
        QTest::keyClick(FBox, Qt::Key_Return);
        QCOMPARE(adds.count(), 0);
    }

    // Each way of ending a search gives the region box and the list back.
    void endSearch_data()
    {
        QTest::addColumn<int>("key"); // 0: the text deleted
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("text deleted") << 0;
    }
    void endSearch()
    {
        QFETCH(int, key);
        const QStringList europe = Entries();
        QSignalSpy ended(FBox, &TZoneSearchBox::SearchEnded);
        QTest::keyClicks(FBox, u"tok"_s);
        QCOMPARE(FRegions->count(), 5);
        if (key != 0) {
            QTest::keyClick(FBox, Qt::Key(key));
        } else {
            FBox->selectAll();
            QTest::keyClick(FBox, Qt::Key_Delete);
        }
        QCOMPARE(FBox->text(), QString());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!FBox->Searching());
        QCOMPARE(FRegions->count(), 4);
        QCOMPARE(FRegions->currentText(), u"Europe"_s);
        QCOMPARE(Entries(), europe);
        QCOMPARE(FShown->ZoneAt(FList->currentIndex().row())->Name, u"Europe/Paris"_s);
    }

    // Another region chosen during a search ends it there.
    void regionChosenWhileSearching()
    {
        FBox->setText(u"tokyo"_s);
        FRegions->setCurrentIndex(FRegions->findText(u"Africa"_s));
        Q_EMIT FRegions->activated(FRegions->currentIndex());
        QCOMPARE(FBox->text(), QString());
        QCOMPARE(FRegions->count(), 4);
        QCOMPARE(FRegions->currentText(), u"Africa"_s);
        QVERIFY(!FModel->Searching());
    }

    // Enter on a result asks for it to be added; with an empty box it is left
    // to the dialog (its default button); Esc on an empty box likewise.
    void keys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("adds");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Enter on a result") << u"mumbai"_s << int(Qt::Key_Return) << 1 << true;
        QTest::newRow("Enter, empty box") << QString() << int(Qt::Key_Return) << 0 << false;
        QTest::newRow("Esc, empty box") << QString() << int(Qt::Key_Escape) << 0 << false;
    }
    void keys()
    {
        QFETCH(QString, text);
        QFETCH(int, key);
        QFETCH(int, adds);
        QFETCH(bool, accepted);
        FBox->setText(text);
        QSignalSpy added(FBox, &TZoneSearchBox::AddRequested);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(FBox, &press);
        QCOMPARE(added.count(), adds);
        QCOMPARE(press.isAccepted(), accepted);
    }

    // In the user's language: a place found by its name there shows it with
    // the English name beside it and the country in that language, and is
    // added under that name.
    void userLanguage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("city");
        QTest::newRow("tz city") << u"wien"_s << u"Wien (Vienna), Österreich (GMT +1:00)"_s
                                 << u"Wien"_s;
        QTest::newRow("city the tz database does not name")
            << u"köln"_s << u"Köln (Cologne), Deutschland (GMT +1:00)"_s << u"Köln"_s;
        QTest::newRow("English name typed")
            << u"munich"_s << u"München (Munich), Deutschland (GMT +1:00)"_s << u"München"_s;
        QTest::newRow("same name in both") << u"berlin"_s << u"Berlin (GMT +1:00)"_s << QString();
    }
    void userLanguage()
    {
        QFETCH(QString, text);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        if (!QFile::exists(u"/usr/share/locale/de/LC_MESSAGES/geonames.mo"_s)) {
            QSKIP("libgeonames-common's German catalogue is not installed");
        }
        FBox->SetZones(FZones);
        FBox->setText(text);
        QTEST(Entries().value(0), "entry");
        QVERIFY(FBox->SelectedMatch() != nullptr);
        QTEST(FBox->SelectedMatch()->City, "city");
    }

    // Typing on the list and Ctrl+F bring the focus to the box.
    void focus()
    {
        FWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(FWindow.get()));
        FList->setFocus();
        QTest::keyClicks(FList, u"ber"_s);
        QCOMPARE(FBox->text(), u"ber"_s);
        QVERIFY(FBox->hasFocus());
        FList->setFocus();
        QTest::keySequence(FWindow.get(), QKeySequence::Find);
        QVERIFY(FBox->hasFocus());
        QCOMPARE(FBox->selectedText(), u"ber"_s);
    }
};

QTEST_MAIN(TestZoneSearchBox)
#include "tst_zonesearchbox.moc"
