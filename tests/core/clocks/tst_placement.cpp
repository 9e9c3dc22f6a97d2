#include "core/clocks/placement.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QRect>)
Q_DECLARE_METATYPE(QList<TScreenArea>)
Q_DECLARE_METATYPE(QList<TScreenScale>)

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
    void placeOnScreens_data();
    void placeOnScreens();
    void keepOnScreens_data();
    void keepOnScreens();
    void placeAtPoint_data();
    void placeAtPoint();
    void logicalPoint_data();
    void logicalPoint();
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
    // The same tray without a strut: the panel is taken as the strip holding
    // the icon, which lies a pixel inside it on both sides; the window stands
    // on the panel, not a pixel over it.
    QTest::newRow("docked icon, no strut")
        << screen << screen << std::optional<QRect>(QRect(500, 745, 22, 22)) << window
        << QPoint(500, 621);
    QTest::newRow("docked icon, no strut, top panel")
        << screen << screen << std::optional<QRect>(QRect(500, 1, 22, 22)) << window
        << QPoint(500, 24);
    QTest::newRow("docked icon, no strut, right panel")
        << screen << screen << std::optional<QRect>(QRect(1001, 300, 22, 22)) << window
        << QPoint(820, 300);
    // An icon far from every edge (a floating dock) says nothing of a panel.
    QTest::newRow("icon away from the edges")
        << screen << screen << std::optional<QRect>(QRect(500, 600, 22, 22)) << window
        << QPoint(500, 477);
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

void TestPlacement::placeOnScreens_data()
{
    QTest::addColumn<QList<TScreenArea>>("screens");
    QTest::addColumn<std::optional<QRect>>("notify");
    QTest::addColumn<QPoint>("expected");

    // Two monitors side by side, the left one taller and primary. With more
    // than one monitor X11 reports no work area: each screen is available
    // whole, panels included. trayer's 24-pixel panel at the bottom of the
    // right one holds the icon a pixel inside it (1001 of 1000..1023).
    const TScreenArea tall{QRect(0, 0, 1920, 1200), QRect(0, 0, 1920, 1200)};
    const TScreenArea shortRight{QRect(1920, 0, 1280, 1024), QRect(1920, 0, 1280, 1024)};
    QTest::newRow("icon on the shorter right screen")
        << QList{tall, shortRight} << std::optional<QRect>(QRect(3170, 1001, 22, 22))
        << QPoint(3200 - 180, 1000 - 123);
    const TScreenArea shortLeft{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 1024)};
    const TScreenArea tallRight{QRect(1280, 0, 1920, 1200), QRect(1280, 0, 1920, 1200)};
    QTest::newRow("icon on the taller right screen")
        << QList{shortLeft, tallRight} << std::optional<QRect>(QRect(3170, 1177, 22, 22))
        << QPoint(3200 - 180, 1176 - 123);
    // Where a desktop reports each work area, the panel is the one it shows.
    const TScreenArea rightWithPanel{QRect(1920, 0, 1280, 1024), QRect(1920, 0, 1280, 996)};
    QTest::newRow("right screen's work area known")
        << QList{tall, rightWithPanel} << std::optional<QRect>(QRect(3170, 1000, 22, 22))
        << QPoint(3200 - 180, 996 - 123);
    // An icon a panel draws past its screen's bottom, below the shorter screen.
    QTest::newRow("icon past the screen's edge")
        << QList{tall, shortRight} << std::optional<QRect>(QRect(2500, 1020, 22, 22))
        << QPoint(2500, 1020 - 123);
    QTest::newRow("nothing known: the primary's corner")
        << QList{tall, shortRight} << std::optional<QRect>() << QPoint(1920 - 180, 1200 - 123);
    QTest::newRow("no screens") << QList<TScreenArea>{}
                                << std::optional<QRect>(QRect(3170, 1001, 22, 22)) << QPoint(7, 9);
}

void TestPlacement::placeOnScreens()
{
    QFETCH(QList<TScreenArea>, screens);
    QFETCH(std::optional<QRect>, notify);
    QFETCH(QPoint, expected);
    const QSize window(180, 123);
    const QPoint placed = PlaceWindowNearTray(screens, 0, notify, window, QPoint(7, 9));
    QCOMPARE(placed, expected);
    if (!notify || screens.isEmpty())
        return;
    // Never over the panel below it, never off its screen.
    const QRect shown(placed, window);
    QVERIFY(shown.bottom() < notify->top() - (notify->top() == 1001 || notify->top() == 1177));
    QVERIFY(screens[ScreenHolding(*notify, screens)].Geometry.contains(shown));
}

void TestPlacement::keepOnScreens_data()
{
    QTest::addColumn<QList<TScreenArea>>("screens");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QPoint>("expected");

    // trayer at the bottom: the work area ends at 744.
    const TScreenArea laptop{QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 744)};
    // A monitor right of it, its panel at the top.
    const TScreenArea monitor{QRect(1024, 0, 1280, 1024), QRect(1024, 30, 1280, 994)};
    const QSize window(180, 123);

    QTest::newRow("wholly on the screen")
        << QList{laptop} << QRect(QPoint(300, 200), window) << QPoint(300, 200);
    // On the screen counts, not in the work area: the user put it there.
    QTest::newRow("over the panel")
        << QList{laptop} << QRect(QPoint(300, 640), window) << QPoint(300, 640);
    // What openbox showed as an 18x50 sliver over the tray icon.
    QTest::newRow("sliver in the corner")
        << QList{laptop} << QRect(QPoint(1006, 718), window) << QPoint(844, 621);
    QTest::newRow("half off the left edge")
        << QList{laptop} << QRect(QPoint(-90, 100), window) << QPoint(0, 100);
    // The monitor it was stored on is unplugged.
    QTest::newRow("on the monitor that went")
        << QList{laptop} << QRect(QPoint(1800, 500), window) << QPoint(844, 500);
    QTest::newRow("across both screens")
        << QList{laptop, monitor} << QRect(QPoint(950, 100), window) << QPoint(950, 100);
    // Mostly on the monitor, partly below the laptop's bottom edge.
    QTest::newRow("across both, partly below")
        << QList{laptop, monitor} << QRect(QPoint(1000, 700), window) << QPoint(1024, 700);
    QTest::newRow("below the monitor")
        << QList{laptop, monitor} << QRect(QPoint(2000, 1100), window) << QPoint(2000, 901);
    QTest::newRow("above the monitor, under its panel")
        << QList{laptop, monitor} << QRect(QPoint(1500, -400), window) << QPoint(1500, 30);
    // A hand-edited file: far away, the distance must not overflow.
    QTest::newRow("millions of pixels away")
        << QList{laptop, monitor} << QRect(QPoint(-3000000, 2000000), window) << QPoint(0, 621);
    // Mirrored outputs: the same screen twice is covered once, not twice.
    QTest::newRow("mirrored screens")
        << QList{laptop, laptop} << QRect(QPoint(900, 300), window) << QPoint(844, 300);
    QTest::newRow("larger than the work area")
        << QList{laptop} << QRect(QPoint(500, 500), QSize(1100, 800)) << QPoint(0, 0);
    QTest::newRow("no screens known")
        << QList<TScreenArea>{} << QRect(QPoint(5000, 17), window) << QPoint(5000, 17);
}

void TestPlacement::keepOnScreens()
{
    QFETCH(QList<TScreenArea>, screens);
    QFETCH(QRect, window);
    QFETCH(QPoint, expected);
    QCOMPARE(KeepOnScreens(window, screens), expected);
}

void TestPlacement::placeAtPoint_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("expected");

    // 1024 x 768 screen, window 180 x 123, points the panels here sent.
    const QRect screen(0, 0, 1024, 768);
    // A top bar the work area shows (32 high): below it, the window's
    // top-right corner at the point's x.
    QTest::newRow("top bar, work area")
        << screen << QRect(0, 32, 1024, 736) << QPoint(926, 16) << QPoint(746, 32);
    // The same bar with a work area that does not show it: taken as 2 x 16 deep.
    QTest::newRow("top bar, no work area")
        << screen << screen << QPoint(926, 16) << QPoint(746, 33);
    // A bottom panel 44 high: above it.
    QTest::newRow("bottom panel, work area")
        << screen << QRect(0, 0, 1024, 724) << QPoint(816, 745) << QPoint(636, 601);
    // swaybar: a 20-pixel bar the work area does not show.
    QTest::newRow("swaybar") << screen << screen << QPoint(1013, 758) << QPoint(833, 626);
    // An icon near the left end of a bottom panel opens to the right.
    QTest::newRow("bottom panel, left end")
        << screen << QRect(0, 0, 1024, 724) << QPoint(40, 745) << QPoint(40, 601);
    // Side panels: beside them, level with the point, upwards in the lower half.
    QTest::newRow("left panel") << screen << QRect(48, 0, 976, 768) << QPoint(24, 700)
                                << QPoint(48, 577);
    QTest::newRow("right panel") << screen << QRect(0, 0, 976, 768) << QPoint(1000, 100)
                                 << QPoint(796, 100);
    // A point a few pixels outside the panel still belongs to it.
    QTest::newRow("point beside the panel")
        << screen << QRect(0, 0, 1024, 724) << QPoint(816, 720) << QPoint(636, 601);
    // The second of two screens side by side, its panel at the bottom.
    QTest::newRow("second screen") << QRect(1024, 0, 1280, 1024) << QRect(1024, 0, 1280, 994)
                                   << QPoint(2250, 1009) << QPoint(2070, 871);
    // A point at the right edge of a screen whose work area shows nothing: a
    // thin right panel.
    QTest::newRow("right edge, no work area")
        << screen << screen << QPoint(1020, 400) << QPoint(837, 277);
}

void TestPlacement::placeAtPoint()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QPoint, point);
    QFETCH(QPoint, expected);
    const QSize window(180, 123);
    const QPoint placed = PlaceWindowAtPoint(screen, available, point, window);
    QCOMPARE(placed, expected);
    QVERIFY(screen.contains(QRect(placed, window)));
}

void TestPlacement::logicalPoint_data()
{
    QTest::addColumn<QList<TScreenScale>>("screens");
    QTest::addColumn<QPoint>("device");
    QTest::addColumn<QPoint>("expected");

    const QList<TScreenScale> one{{QRect(0, 0, 1024, 768), 1}};
    QTest::newRow("unscaled") << one << QPoint(926, 16) << QPoint(926, 16);
    const QList<TScreenScale> doubled{{QRect(0, 0, 512, 384), 2}};
    QTest::newRow("scale 2") << doubled << QPoint(1013, 758) << QPoint(506, 379);
    // The second screen starts where the first ends in device pixels.
    const QList<TScreenScale> two{{QRect(0, 0, 512, 384), 2}, {QRect(1024, 0, 1280, 1024), 1}};
    QTest::newRow("second screen of two") << two << QPoint(1100, 50) << QPoint(1100, 50);
    QTest::newRow("first screen of two") << two << QPoint(1000, 50) << QPoint(500, 25);
    // Off every screen: left as it is.
    QTest::newRow("off screen") << one << QPoint(-5, 900) << QPoint(-5, 900);
}

void TestPlacement::logicalPoint()
{
    QFETCH(QList<TScreenScale>, screens);
    QFETCH(QPoint, device);
    QFETCH(QPoint, expected);
    QCOMPARE(LogicalPoint(device, screens), expected);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
