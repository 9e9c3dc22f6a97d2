// Looking ahead: steps, clamping, the text, and the return to the present.
#include "core/clocks/lookahead.h"
#include "core/time/clocksource.h"

#include <QTest>
#include <climits>

using namespace Qt::StringLiterals;

class TestLookAhead : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void moves_data();
    void moves();
    void idle_data();
    void idle();
    void shownTime();
};

void TestLookAhead::moves_data()
{
    // Operations, blank-separated: "w<delta>" a wheel turn, "m<minutes>" a move, "r" reset.
    QTest::addColumn<QString>("operations");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("text");
    QTest::newRow("present") << QString() << 0 << QString();
    QTest::newRow("a notch ahead") << u"w120"_s << 15 << u"+0:15"_s;
    QTest::newRow("a notch back") << u"w-120"_s << -15 << u"-0:15"_s;
    QTest::newRow("nine notches") << u"w120 w120 w120 w120 w120 w120 w120 w120 w120"_s << 135
                                  << u"+2:15"_s;
    QTest::newRow("two notches in one turn") << u"w240"_s << 30 << u"+0:30"_s;
    QTest::newRow("a fine wheel adds up to a notch") << u"w40 w40 w40"_s << 15 << u"+0:15"_s;
    QTest::newRow("less than a notch moves nothing") << u"w119"_s << 0 << QString();
    QTest::newRow("turning back drops the rest") << u"w60 w-60 w-60"_s << -15 << u"-0:15"_s;
    QTest::newRow("pages") << u"m60 m60 m-180"_s << -60 << u"-1:00"_s;
    QTest::newRow("back across the present")
        << u"m60 w-120 w-120 w-120 w-120 w-120"_s << -15 << u"-0:15"_s;
    QTest::newRow("held at a week ahead") << u"m10000 m5000"_s << 10080 << u"+168:00"_s;
    QTest::newRow("held at a week back") << u"m-20000"_s << -10080 << u"-168:00"_s;
    QTest::newRow("from the bound, back at once") << u"m20000 w-120"_s << 10065 << u"+167:45"_s;
    QTest::newRow("no overflow") << u"m2147483647 m2147483647"_s << 10080 << u"+168:00"_s;
    QTest::newRow("reset") << u"w120 m60 r"_s << 0 << QString();
    QTest::newRow("reset drops a wheel's rest") << u"w100 r w20"_s << 0 << QString();
}

void TestLookAhead::moves()
{
    QFETCH(QString, operations);
    QFETCH(int, minutes);
    QFETCH(QString, text);
    TFakeClock clock(46000);
    TLookAhead look;
    for (const QString &op : operations.split(u' ', Qt::SkipEmptyParts)) {
        if (op == u"r"_s) {
            look.Reset();
        } else if (op.startsWith(u'w')) {
            look.Wheel(op.mid(1).toInt());
        } else {
            look.Move(op.mid(1).toInt());
        }
    }
    QCOMPARE(look.Minutes(), minutes);
    QCOMPARE(look.IsShifted(), minutes != 0);
    QCOMPARE(look.ShiftText(), text);
}

void TestLookAhead::idle_data()
{
    QTest::addColumn<qint64>("movedAgainAfter"); // ms after the first move; -1: not again
    QTest::addColumn<qint64>("checkedAfter");    // ms after the first move
    QTest::addColumn<bool>("expired");
    QTest::newRow("just before a minute") << qint64(-1) << qint64(59'999) << false;
    QTest::newRow("a minute") << qint64(-1) << qint64(60'000) << true;
    QTest::newRow("a move restarts the minute") << qint64(30'000) << qint64(60'000) << false;
    QTest::newRow("a minute after the last move") << qint64(30'000) << qint64(90'000) << true;
}

void TestLookAhead::idle()
{
    QFETCH(qint64, movedAgainAfter);
    QFETCH(qint64, checkedAfter);
    QFETCH(bool, expired);
    TFakeClock clock(46000);
    TLookAhead look;
    look.Wheel(TLookAhead::WheelNotch);
    if (movedAgainAfter >= 0) {
        clock.Advance(movedAgainAfter);
        look.Wheel(TLookAhead::WheelNotch);
        clock.Advance(checkedAfter - movedAgainAfter);
    } else {
        clock.Advance(checkedAfter);
    }
    QCOMPARE(look.ExpireIfIdle(), expired);
    QCOMPARE(look.IsShifted(), !expired);
    // In the present there is nothing to expire.
    if (expired) {
        QVERIFY(!look.ExpireIfIdle());
    }
}

void TestLookAhead::shownTime()
{
    TFakeClock clock(46000.5);
    TLookAhead look;
    QCOMPARE(look.ShownUTC(NowUTC()), NowUTC());
    look.Move(-90);
    QCOMPARE(look.ShownUTC(46000.5), 46000.5 - 90.0 / MinutesPerDay);
}

QTEST_GUILESS_MAIN(TestLookAhead)
#include "tst_lookahead.moc"
