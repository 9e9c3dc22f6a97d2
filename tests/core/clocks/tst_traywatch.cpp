#include "core/clocks/traywatch.h"

#include <QSignalSpy>
#include <QTest>

class TestTrayWatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waitsThenReports_data();
    void waitsThenReports();
};

void TestTrayWatch::waitsThenReports_data()
{
    // When the tray comes, in ms after start (-1: never), and what is heard
    // within 400 ms of a 100 ms wait.
    QTest::addColumn<int>("trayAt");
    QTest::addColumn<int>("missing");
    QTest::addColumn<int>("appeared");
    QTest::newRow("there at start") << 0 << 0 << 0;
    QTest::newRow("late panel within the wait") << 50 << 0 << 0;
    QTest::newRow("never") << -1 << 1 << 0;
    QTest::newRow("after giving up") << 200 << 1 << 1;
}

void TestTrayWatch::waitsThenReports()
{
    QFETCH(int, trayAt);
    QFETCH(int, missing);
    QFETCH(int, appeared);
    QElapsedTimer clock;
    clock.start();
    TTrayWatch watch([&] { return trayAt >= 0 && clock.elapsed() >= trayAt; },
                     {.WaitMSecs = 100, .WaitPollMSecs = 10, .LaterPollMSecs = 20});
    QSignalSpy missingSpy(&watch, &TTrayWatch::Missing);
    QSignalSpy appearedSpy(&watch, &TTrayWatch::Appeared);
    watch.Start();
    QTest::qWait(400);
    QCOMPARE(missingSpy.count(), missing);
    QCOMPARE(appearedSpy.count(), appeared);
    QCOMPARE(watch.TrayMissing(), missing > appeared);
}

QTEST_GUILESS_MAIN(TestTrayWatch)
#include "tst_traywatch.moc"
