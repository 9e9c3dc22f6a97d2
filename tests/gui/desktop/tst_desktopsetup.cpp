// The display platform chosen at start: XWayland where an X server is, for
// its window positions; native Wayland only where no X server is, so that Qt
// does not first warn that it cannot reach one; an explicit choice kept.
#include "gui/desktop/desktopsetup.h"

#include <QTest>

class TestDesktopSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void platform_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("explicitPlatform");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("X11") << QByteArray(":0") << QByteArray() << QByteArray()
                             << QByteArray("xcb;wayland");
        QTest::newRow("Wayland with XWayland") << QByteArray(":1") << QByteArray("wayland-0")
                                               << QByteArray() << QByteArray("xcb;wayland");
        QTest::newRow("Wayland only")
            << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray("wayland");
        // Nothing to go by: X11 first, as before.
        QTest::newRow("neither") << QByteArray() << QByteArray() << QByteArray()
                                 << QByteArray("xcb;wayland");
        QTest::newRow("the user's choice") << QByteArray(":0") << QByteArray("wayland-0")
                                           << QByteArray("wayland") << QByteArray("wayland");
    }

    void platform()
    {
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, explicitPlatform);
        QFETCH(QByteArray, expected);
        const auto set = [](const char *name, const QByteArray &value) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("DISPLAY", display);
        set("WAYLAND_DISPLAY", waylandDisplay);
        set("QT_QPA_PLATFORM", explicitPlatform);
        ChooseDisplayPlatform();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), expected);
    }
};

QTEST_APPLESS_MAIN(TestDesktopSetup)
#include "tst_desktopsetup.moc"
