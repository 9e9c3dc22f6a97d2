// What a panel hands over with a click: the click's time read from the
// token, and the token taken by the next window shown and by nothing else.
#include "gui/tray/panelactivation.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWidget>

class TestPanelActivation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickTime_data();
    void clickTime();
    void takenByNextWindow();
};

void TestPanelActivation::clickTime_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<quint32>("time");
    QTest::newRow("GNOME Shell under XWayland")
        << QStringLiteral("gnome-shell/example.vorkel.Clocks/16640-0-vm_TIME12513559")
        << quint32(12513559);
    QTest::newRow("past half the 32-bit range")
        << QStringLiteral("panel/x/1-0-host_TIME4294967295") << quint32(4294967295U);
    // Natively on Wayland tokens are opaque.
    QTest::newRow("xdg-activation token") << QStringLiteral("d6d0f1c6-3a5b-4a1e") << quint32(0);
    QTest::newRow("time not at the end") << QStringLiteral("a_TIME12b") << quint32(0);
    QTest::newRow("past 32 bits") << QStringLiteral("a_TIME4294967296") << quint32(0);
}

void TestPanelActivation::clickTime()
{
    QFETCH(QString, token);
    QFETCH(quint32, time);
    QCOMPARE(TPanelActivation::ClickTime(token), time);
}

void TestPanelActivation::takenByNextWindow()
{
    TPanelActivation activation;
    QCOMPARE(activation.Pending(), QString());
    activation.Provide(QStringLiteral("panel/x/1-0-host_TIME5"));
    // A menu or a widget inside a window is not the window the click shows.
    QWidget window;
    QWidget child(&window);
    child.show();
    QMenu menu;
    menu.addAction(QStringLiteral("Entry"));
    menu.popup(QPoint(10, 10));
    QCOMPARE(activation.Pending(), QStringLiteral("panel/x/1-0-host_TIME5"));
    menu.hide();
    window.show();
    QCOMPARE(activation.Pending(), QString());
    // Used once: the next window shown takes nothing.
    QWidget other;
    activation.Provide(QString());
    other.show();
    QCOMPARE(activation.Pending(), QString());
}

QTEST_MAIN(TestPanelActivation)
#include "tst_panelactivation.moc"
