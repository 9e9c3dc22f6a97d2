// The zone browser's model and its region and order proxy, without a display.
#include "core/options/zonelistmodel.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

class TestZoneListModel : public QObject
{
    Q_OBJECT

private:
    TTimeZoneList FZones;

    static QStringList Names(const TZoneFilterModel &shown)
    {
        QStringList names;
        for (int row = 0; row < shown.rowCount(); ++row) {
            names.append(shown.ZoneAt(row)->Name);
        }
        return names;
    }

private Q_SLOTS:
    void initTestCase()
    {
        FZones.LoadFromZoneFile(QStringLiteral(VORKEL_TEST_DATA "/options/zones.ini"));
    }

    void regions_data()
    {
        QTest::addColumn<std::optional<QString>>("region");
        QTest::addColumn<QStringList>("names"); // by name
        QTest::newRow("a prefix, not a folder")
            << std::optional(u"Asia"_s)
            << QStringList{u"Asia/Kolkata"_s, u"Asiana/Seoul"_s, u"Asia/Tokyo"_s};
        QTest::newRow("case counts") << std::optional(u"europe"_s) << QStringList{u"europe/Cork"_s};
        QTest::newRow("a zone that is its own region")
            << std::optional(u"UTC"_s) << QStringList{u"UTC"_s};
        QTest::newRow("nothing of that region") << std::optional(u"Mars"_s) << QStringList{};
        QTest::newRow("all") << std::optional<QString>()
                             << QStringList{u"Atlantic/Azores"_s,  u"Europe/Berlin"_s,
                                            u"europe/Cork"_s,      u"Asia/Kolkata"_s,
                                            u"Europe/London"_s,    u"America/New_York"_s,
                                            u"Asiana/Seoul"_s,     u"Atlantic/Shifted"_s,
                                            u"America/St_Johns"_s, u"Australia/Sydney"_s,
                                            u"Asia/Tokyo"_s,       u"UTC"_s};
    }
    void regions()
    {
        QFETCH(std::optional<QString>, region);
        QFETCH(QStringList, names);
        TZoneListModel zones;
        TZoneFilterModel shown(&zones);
        const QAbstractItemModelTester tester(&shown);
        zones.SetZones(&FZones);
        shown.SetRegion(region);
        QCOMPARE(Names(shown), names);
        for (int i = 0; i < FZones.Count(); ++i) {
            const TTimeZone *zone = FZones.ZoneAt(i);
            const int row = shown.RowOf(zone);
            QCOMPARE(row, static_cast<int>(names.indexOf(zone->Name)));
            if (row >= 0) {
                QCOMPARE(shown.ZoneAt(row), zone);
            }
        }
        QCOMPARE(shown.ZoneAt(names.size()), nullptr);
    }

    // The entries change with the order, and the order with them; zones of
    // one base offset go by their text.
    void orderSwitch()
    {
        TZoneListModel zones;
        TZoneFilterModel shown(&zones);
        const QAbstractItemModelTester tester(&shown);
        zones.SetZones(&FZones);
        shown.SetRegion(u"Europe"_s);
        QCOMPARE(shown.index(0, 0).data().toString(), u"Berlin (GMT +1:00)"_s);
        shown.SetByName(false);
        QCOMPARE(Names(shown), (QStringList{u"Europe/London"_s, u"Europe/Berlin"_s}));
        QCOMPARE(shown.index(0, 0).data().toString(), u"(GMT) London"_s);
        shown.SetRegion(std::nullopt);
        QCOMPARE(Names(shown).mid(4, 3),
                 (QStringList{u"europe/Cork"_s, u"Europe/London"_s, u"UTC"_s}));
        // A list replaced under the model leaves no entry pointing into it.
        zones.SetZones(nullptr);
        QCOMPARE(shown.rowCount(), 0);
        QCOMPARE(shown.RowOf(FZones.ZoneAt(0)), -1);
    }
};

QTEST_GUILESS_MAIN(TestZoneListModel)
#include "tst_zonelistmodel.moc"
