#include "clocks/placement.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QRect>)

class TestPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placeNearTray_data();
    void placeNearTray();
    void panelRect_data();
    void panelRect();
    void placeWindow_data();
    void placeWindow();
};

void TestPlacement::placeNearTray_data()
{
    QTest::addColumn<QRect>("panel");
    QTest::addColumn<QRect>("notify");
    QTest::addColumn<QPoint>("expected");

    // 1024 x 768 screen, window 180 x 123 throughout.
    // Bottom panel from y 738: the window's bottom touches 738, its left edge
    // is the notification area's.
    QTest::newRow("bottom") << QRect(0, 738, 1024, 30) << QRect(900, 740, 120, 26)
                            << QPoint(900, 615);
    // Right panel: the window's right edge touches the panel, tops aligned.
    QTest::newRow("right") << QRect(960, 0, 64, 768) << QRect(962, 600, 60, 140)
                           << QPoint(780, 600);
    // Left panel over the full height (its bottom is below half the screen).
    QTest::newRow("left") << QRect(0, 0, 64, 768) << QRect(2, 600, 60, 140) << QPoint(64, 600);
    // Top panel: its bottom (30) is within the upper half, so just below it.
    QTest::newRow("top") << QRect(0, 0, 1024, 30) << QRect(900, 2, 120, 26) << QPoint(900, 30);
    // A left panel exactly half the screen high still counts as a top one.
    QTest::newRow("half high is top")
        << QRect(0, 0, 64, 384) << QRect(2, 300, 60, 80) << QPoint(2, 384);
    // One pixel more: a left panel.
    QTest::newRow("over half is left")
        << QRect(0, 0, 64, 385) << QRect(2, 300, 60, 80) << QPoint(64, 300);
    // A panel starting at y 99 is not a bottom one; left 99 not a right one.
    QTest::newRow("top 99 not bottom")
        << QRect(0, 99, 1024, 30) << QRect(900, 100, 120, 26) << QPoint(900, 129);
    QTest::newRow("left 100 is right")
        << QRect(100, 0, 64, 768) << QRect(102, 50, 60, 80) << QPoint(-80, 50);
}

void TestPlacement::placeNearTray()
{
    QFETCH(QRect, panel);
    QFETCH(QRect, notify);
    QFETCH(QPoint, expected);
    QCOMPARE(PlaceNearTray(panel, notify, QSize(1024, 768), QSize(180, 123)), expected);
}

void TestPlacement::panelRect_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("none") << QRect(0, 0, 1024, 768) << QRect(0, 0, 1024, 768) << QRect();
    QTest::newRow("bottom") << QRect(0, 0, 1024, 768) << QRect(0, 0, 1024, 744)
                            << QRect(0, 744, 1024, 24);
    QTest::newRow("top") << QRect(0, 0, 1024, 768) << QRect(0, 28, 1024, 740)
                         << QRect(0, 0, 1024, 28);
    QTest::newRow("right") << QRect(0, 0, 1024, 768) << QRect(0, 0, 960, 768)
                           << QRect(960, 0, 64, 768);
    QTest::newRow("left") << QRect(0, 0, 1024, 768) << QRect(48, 0, 976, 768)
                          << QRect(0, 0, 48, 768);
    QTest::newRow("second screen bottom")
        << QRect(1024, 0, 1280, 1024) << QRect(1024, 0, 1280, 994) << QRect(1024, 994, 1280, 30);
}

void TestPlacement::panelRect()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QRect, expected);
    QCOMPARE(PanelRect(screen, available), expected);
}

void TestPlacement::placeWindow_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<std::optional<QRect>>("notify");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("expected");

    const QRect screen(0, 0, 1024, 768);
    const QSize window(180, 123);
    // trayer at the bottom right with its strut: the icon at 1001,745 22x22.
    QTest::newRow("docked icon, bottom panel")
        << screen << QRect(0, 0, 1024, 744) << std::optional<QRect>(QRect(1001, 745, 22, 22))
        << window << QPoint(844, 621);
    QTest::newRow("icon in the middle of a bottom panel")
        << screen << QRect(0, 0, 1024, 744) << std::optional<QRect>(QRect(500, 745, 22, 22))
        << window << QPoint(500, 621);
    // The same tray without a strut: the panel is taken as the strip holding it.
    QTest::newRow("docked icon, no strut")
        << screen << screen << std::optional<QRect>(QRect(500, 745, 22, 22)) << window
        << QPoint(500, 622);
    // A StatusNotifierItem host: a small rectangle at the click.
    QTest::newRow("click on a top panel")
        << screen << QRect(0, 28, 1024, 740) << std::optional<QRect>(QRect(892, 6, 16, 16))
        << window << QPoint(844, 28);
    QTest::newRow("click on a left dock")
        << screen << QRect(48, 0, 976, 768) << std::optional<QRect>(QRect(16, 700, 16, 16))
        << window << QPoint(48, 645);
    QTest::newRow("click on a right panel")
        << screen << QRect(0, 0, 960, 768) << std::optional<QRect>(QRect(990, 300, 16, 16))
        << window << QPoint(780, 300);
    // Nothing known: the corner of the available area at the panel's far end.
    QTest::newRow("nothing known, no panel")
        << screen << screen << std::optional<QRect>() << window << QPoint(844, 645);
    QTest::newRow("nothing known, bottom panel")
        << screen << QRect(0, 0, 1024, 744) << std::optional<QRect>() << window << QPoint(844, 621);
    QTest::newRow("nothing known, top panel")
        << screen << QRect(0, 28, 1024, 740) << std::optional<QRect>() << window << QPoint(844, 28);
    QTest::newRow("nothing known, left panel")
        << screen << QRect(48, 0, 976, 768) << std::optional<QRect>() << window << QPoint(48, 645);
    QTest::newRow("empty icon rectangle counts as unknown")
        << screen << QRect(0, 0, 1024, 744) << std::optional<QRect>(QRect()) << window
        << QPoint(844, 621);
    // A second monitor right of the first, its panel at the bottom.
    QTest::newRow("second screen")
        << QRect(1024, 0, 1280, 1024) << QRect(1024, 0, 1280, 994)
        << std::optional<QRect>(QRect(2000, 998, 22, 22)) << window << QPoint(2000, 871);
    // A window larger than the screen keeps its top-left corner on it.
    QTest::newRow("window larger than screen")
        << screen << QRect(0, 0, 1024, 744) << std::optional<QRect>(QRect(1001, 745, 22, 22))
        << QSize(1100, 800) << QPoint(0, 0);
}

void TestPlacement::placeWindow()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(std::optional<QRect>, notify);
    QFETCH(QSize, window);
    QFETCH(QPoint, expected);
    QCOMPARE(PlaceWindowNearTray(screen, available, notify, window), expected);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
