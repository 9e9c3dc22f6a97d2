#include "core/system/exceptions.h"
#include "core/time/clocksource.h"
#include "core/time/formatsettings.h"
#include "core/zones/timezone.h"
#include "gui/widgets/zonedclock.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
// Sunday 6 December 2026, 14:05:09 UTC.
TDateTime Moment(int hour = 14, int minute = 5, int second = 9, int msec = 0)
{
    return EncodeDateTime(2026, 12, 6, hour, minute, second, msec);
}

// Central European rules: daylight time (+1:00) from the last Sunday of March
// to the last Sunday of October, both at 01:00 UTC.
std::unique_ptr<TTimeZone> Berlin()
{
    auto zone = std::make_unique<TTimeZone>();
    zone->Name = QStringLiteral("Europe/Berlin");
    zone->StandardAbbr = QStringLiteral("CET");
    zone->DaylightAbbr = QStringLiteral("CEST");
    zone->UTCOffset = 60;
    zone->DaylightOffset = 60;
    zone->DaylightRule = {3, 1, 0, 1 / 24.0, TZoneRuleType::zrLastWeekday};
    zone->StandardRule = {10, 1, 0, 1 / 24.0, TZoneRuleType::zrLastWeekday};
    return zone;
}

// A one-line caption of the time alone.
void ShowTimeOnly(TZonedClock &clock, const QString &timeFormat)
{
    clock.SetDateFormat(QString());
    clock.SetTimeFormat(timeFormat);
}

// Counts the paint events a widget receives while it lives.
class TPaintCounter : public QObject
{
public:
    explicit TPaintCounter(QWidget &widget) : FWidget(widget) { widget.installEventFilter(this); }
    ~TPaintCounter() override { FWidget.removeEventFilter(this); }
    TPaintCounter(const TPaintCounter &) = delete;
    TPaintCounter &operator=(const TPaintCounter &) = delete;

    int Count = 0;
    QRegion Region; // all that was repainted

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++Count;
            Region += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }

private:
    QWidget &FWidget;
};

const QTimer *RefreshTimer(const TZonedClock &clock)
{
    return clock.findChild<QTimer *>(QStringLiteral("RefreshTimer"));
}
} // namespace

class TestZonedClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetFormatSettings(TFormatSettings::British()); }

    void clockText_data()
    {
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<TDateTime>("utc");
        QTest::addColumn<QString>("caption");
        const QString cr = QStringLiteral("\r");
        QTest::newRow("two lines") << u"dddd d mmmm yyyy"_s << u"hh:nn:ss ampm"_s << cr << Moment()
                                   << u"Sunday 6 December 2026\r02:05:09 PM"_s;
        QTest::newRow("blank separator") << u"ddd d mmmm yyyy"_s << u"hh:nn"_s << u" "_s << Moment()
                                         << u"Sun 6 December 2026 14:05"_s;
        // The separator only stands between two parts.
        QTest::newRow("time only") << QString() << u"hh:nn"_s << cr << Moment() << u"14:05"_s;
        QTest::newRow("date only")
            << u"dd/mm/yyyy"_s << QString() << cr << Moment() << u"06/12/2026"_s;
        QTest::newRow("neither") << QString() << QString() << cr << Moment() << QString();
        // "mm" after an hour is minutes, elsewhere the month.
        QTest::newRow("hh:mm ampm")
            << QString() << u"hh:mm ampm"_s << cr << Moment() << u"02:05 PM"_s;
        QTest::newRow("mm/dd/yyyy")
            << u"mm/dd/yyyy"_s << QString() << cr << Moment() << u"12/06/2026"_s;
        QTest::newRow("half past midnight, 12-hour")
            << QString() << u"h:nn ampm"_s << cr << Moment(0, 30, 0) << u"12:30 AM"_s;
        QTest::newRow("noon, 12-hour")
            << QString() << u"h:nn ampm"_s << cr << Moment(12, 0, 0) << u"12:00 PM"_s;
        QTest::newRow("one second before midnight")
            << QString() << u"hh:nn:ss"_s << cr << Moment(23, 59, 59, 999) << u"23:59:59"_s;
    }

    void clockText()
    {
        QFETCH(QString, dateFormat);
        QFETCH(QString, timeFormat);
        QFETCH(QString, separator);
        QFETCH(TDateTime, utc);
        QFETCH(QString, caption);
        TFakeClock fake(utc);
        TZonedClock clock;
        clock.SetDateFormat(dateFormat);
        clock.SetTimeFormat(timeFormat);
        clock.SetDateTimeSeparator(separator);
        // Each setter refreshes at once; no zone shows UTC.
        QCOMPARE(clock.Caption(), caption);
        QCOMPARE(clock.ClockText(utc), caption);
    }

    void createdInactiveShowingUtc()
    {
        TFakeClock fake(Moment());
        TZonedClock clock;
        QVERIFY(!clock.Active());
        QVERIFY(clock.UseDaylight());
        QCOMPARE(clock.Zone(), nullptr);
        QCOMPARE(clock.DateFormat(), FormatSettings().LongDateFormat);
        QCOMPARE(clock.TimeFormat(), FormatSettings().LongTimeFormat);
        QCOMPARE(clock.DateTimeSeparator(), u"\r"_s);
        QCOMPARE(clock.Caption(), clock.ClockText(Moment()));
        QVERIFY(!RefreshTimer(clock)->isActive());
        // The carriage return starts a second line on screen.
        QCOMPARE(clock.Text().count(u'\n'), 1);
    }

    void zoneTime_data()
    {
        QTest::addColumn<bool>("withZone");
        QTest::addColumn<bool>("useDaylight");
        QTest::addColumn<TDateTime>("utc");
        QTest::addColumn<QString>("caption");
        const TDateTime july = EncodeDateTime(2026, 7, 1, 12, 0, 0, 0);
        QTest::newRow("no zone, daylight on") << false << true << july << u"12:00"_s;
        QTest::newRow("no zone, daylight off") << false << false << july << u"12:00"_s;
        QTest::newRow("summer, daylight on") << true << true << july << u"14:00"_s;
        QTest::newRow("summer, daylight off") << true << false << july << u"13:00"_s;
        QTest::newRow("winter, daylight on") << true << true << Moment() << u"15:05"_s;
    }

    void zoneTime()
    {
        QFETCH(bool, withZone);
        QFETCH(bool, useDaylight);
        QFETCH(TDateTime, utc);
        QFETCH(QString, caption);
        TFakeClock fake(utc);
        const auto zone = Berlin();
        TZonedClock clock;
        clock.SetUseDaylight(useDaylight);
        ShowTimeOnly(clock, u"hh:nn"_s);
        clock.SetZone(withZone ? zone.get() : nullptr);
        QCOMPARE(clock.Caption(), caption);
    }

    void useDaylightWaitsForNextUpdate()
    {
        TFakeClock fake(EncodeDateTime(2026, 7, 1, 12, 0, 0, 0));
        const auto zone = Berlin();
        TZonedClock clock;
        ShowTimeOnly(clock, u"hh:nn"_s);
        clock.SetZone(zone.get());
        QCOMPARE(clock.Caption(), u"14:00"_s);
        clock.SetUseDaylight(false);
        QCOMPARE(clock.Caption(), u"14:00"_s);
        clock.UpdateText();
        QCOMPARE(clock.Caption(), u"13:00"_s);
    }

    void timerInterval_data()
    {
        QTest::addColumn<int>("msec");
        QTest::addColumn<int>("localOffset");
        QTest::addColumn<int>("interval");
        QTest::newRow("ms 0") << 0 << 0 << 1000;
        QTest::newRow("ms 1") << 1 << 0 << 999;
        QTest::newRow("ms 999") << 999 << 0 << 1;
        QTest::newRow("ms 500, India") << 500 << 330 << 500;
    }

    void timerInterval()
    {
        QFETCH(int, msec);
        QFETCH(int, localOffset);
        QFETCH(int, interval);
        TFakeClock fake(Moment(14, 5, 9, msec), localOffset);
        TZonedClock clock;
        const QTimer *timer = RefreshTimer(clock);
        QVERIFY(!timer->isActive());
        clock.SetActive(true);
        QVERIFY(timer->isActive());
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QCOMPARE(timer->interval(), interval);
        // UpdateText leaves the timer alone.
        fake.Advance(1);
        clock.UpdateText();
        QCOMPARE(timer->interval(), interval);
    }

    void ticksOnTheSecond()
    {
        TFakeClock fake(Moment(14, 5, 9, 999));
        TZonedClock clock;
        ShowTimeOnly(clock, u"hh:nn:ss"_s);
        clock.SetActive(true);
        QCOMPARE(clock.Caption(), u"14:05:09"_s);
        QCOMPARE(RefreshTimer(clock)->interval(), 1);
        fake.Advance(1);
        QTRY_COMPARE(clock.Caption(), u"14:05:10"_s);
        QCOMPARE(RefreshTimer(clock)->interval(), 1000);
        QVERIFY(RefreshTimer(clock)->isActive());
    }

    void switchedOffChangesAtMostOnceMore()
    {
        TFakeClock fake(Moment(14, 5, 9, 999));
        TZonedClock clock;
        ShowTimeOnly(clock, u"hh:nn:ss"_s);
        clock.SetActive(true);
        QStringList captions{clock.Caption()};
        clock.SetActive(false);
        for (int i = 0; i < 3; ++i) {
            fake.Advance(1000);
            QTest::qWait(20);
            if (clock.Caption() != captions.last())
                captions.append(clock.Caption());
        }
        QVERIFY2(captions.size() <= 2, qPrintable(captions.join(u", "_s)));
        QVERIFY(!RefreshTimer(clock)->isActive());
    }

    // The clocks window updates every clock once a second; a clock whose
    // caption stays the same must cost no repaint.
    void repaintsOnlyChangedCaptions_data()
    {
        QTest::addColumn<int>("advanceMSecs");
        QTest::addColumn<bool>("repainted");
        QTest::newRow("same minute") << 1000 << false;
        QTest::newRow("next minute") << 60'000 << true;
    }

    void repaintsOnlyChangedCaptions()
    {
        QFETCH(int, advanceMSecs);
        QFETCH(bool, repainted);
        TFakeClock fake(Moment(14, 5, 9));
        QWidget window;
        window.resize(200, 100);
        TZonedClock clock(&window);
        ShowTimeOnly(clock, u"hh:nn"_s);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(20);
        TPaintCounter paints(clock);
        fake.Advance(advanceMSecs);
        clock.UpdateText();
        QTest::qWait(20);
        QCOMPARE(paints.Count > 0, repainted);
    }

    // Each tick sends what it repaints to the display server: a date line
    // that stayed the same is not repainted with the time.
    void repaintsOnlyChangedLines_data()
    {
        QTest::addColumn<TDateTime>("from");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<int>("lastLine");
        QTest::newRow("time only") << Moment(14, 5, 9) << 1 << 1;
        QTest::newRow("midnight: date and time") << Moment(23, 59, 59) << 0 << 1;
        QTest::newRow("a line more: all") << Moment(14, 5, 9) << 0 << 2;
    }

    void repaintsOnlyChangedLines()
    {
        QFETCH(TDateTime, from);
        QFETCH(int, firstLine);
        QFETCH(int, lastLine);
        TFakeClock fake(from);
        QWidget window;
        window.resize(300, 120);
        TZonedClock clock(&window);
        clock.SetDateFormat(u"dddd d mmmm yyyy"_s);
        clock.SetTimeFormat(u"hh:nn:ss"_s);
        const bool moreLines = lastLine == 2;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(20);
        TPaintCounter paints(clock);
        fake.Advance(1000);
        if (moreLines)
            clock.SetDateTimeSeparator(u"\r\r"_s);
        else
            clock.UpdateText();
        QTest::qWait(20);
        QVERIFY(paints.Count > 0);
        const int line = clock.fontMetrics().lineSpacing();
        const QRect painted = paints.Region.boundingRect();
        if (moreLines) {
            QCOMPARE(painted, clock.rect());
        } else {
            QVERIFY2(painted.top() <= firstLine * line && painted.top() >= firstLine * line - 2,
                     qPrintable(u"top %1"_s.arg(painted.top())));
            QVERIFY2(painted.bottom() <= (lastLine + 1) * line + 2,
                     qPrintable(u"bottom %1"_s.arg(painted.bottom())));
        }
        QCOMPARE(clock.accessibleName(), clock.Text());
    }

    void settersRefreshAnInactiveClock()
    {
        TFakeClock fake(Moment());
        TZonedClock clock;
        ShowTimeOnly(clock, u"hh:nn"_s);
        fake.Advance(60'000);
        clock.SetDateTimeSeparator(u" "_s);
        QCOMPARE(clock.Caption(), u"14:06"_s);
        QVERIFY(!RefreshTimer(clock)->isActive());
    }

    void assignFromClock()
    {
        TFakeClock fake(Moment());
        const auto zone = Berlin();
        QWidget parent;
        QMenu menu;
        TZonedClock source(&parent);
        source.SetDateFormat(u"dd/mm/yyyy"_s);
        source.SetTimeFormat(u"h:nn ampm"_s);
        source.SetDateTimeSeparator(u" - "_s);
        source.SetAutoSize(false);
        QPalette yellow = source.palette();
        yellow.setColor(source.backgroundRole(), Qt::yellow);
        source.setPalette(yellow);
        QFont font = source.font();
        font.setBold(true);
        font.setPointSize(17);
        source.setFont(font);
        source.SetPopupMenu(&menu);
        source.hide();

        TZonedClock target(&parent);
        target.SetZone(zone.get());
        target.SetUseDaylight(false);
        target.SetActive(true);
        target.SetTransparent(true);
        target.setAlignment(Qt::AlignRight | Qt::AlignTop);
        const QString caption = target.Caption();
        const QRect geometry = target.geometry();

        target.Assign(&source);
        QCOMPARE(target.DateFormat(), u"dd/mm/yyyy"_s);
        QCOMPARE(target.TimeFormat(), u"h:nn ampm"_s);
        QCOMPARE(target.DateTimeSeparator(), u" - "_s);
        QCOMPARE(target.AutoSize(), false);
        QCOMPARE(target.palette().color(target.backgroundRole()), QColor(Qt::yellow));
        QVERIFY(target.testAttribute(Qt::WA_SetPalette));
        QCOMPARE(target.font(), font);
        QCOMPARE(target.PopupMenu(), &menu);
        QVERIFY(target.isHidden());
        // Kept: zone, activity, daylight use, transparency, alignment, place;
        // and no refresh, so the caption is the old one.
        QCOMPARE(target.Zone(), zone.get());
        QVERIFY(target.Active());
        QVERIFY(!target.UseDaylight());
        QVERIFY(target.Transparent());
        QCOMPARE(target.alignment(), Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(target.geometry(), geometry);
        QCOMPARE(target.Caption(), caption);
        target.SetActive(false);
    }

    void shiftedTimeLooksApart_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light theme") << QColor(0xef, 0xef, 0xef) << QColor(Qt::black);
        QTest::newRow("dark theme") << QColor(0x35, 0x35, 0x35) << QColor(Qt::white);
        QTest::newRow("the user's red") << QColor(0xef, 0xef, 0xef) << QColor(0xc0, 0, 0);
    }

    // A time looked ahead to must not look like the present, and must stay
    // readable. The clocks window sets its text colour for every palette
    // group, so the disabled colour is the normal one there.
    void shiftedTimeLooksApart()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        TZonedClock clock;
        QPalette palette = clock.palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, text);
        clock.setPalette(palette);
        QFont font = clock.font();
        font.setPointSize(20);
        font.setBold(true);
        clock.setFont(font);
        ShowTimeOnly(clock, u"hh:nn"_s);
        // The ink: the pixel that lies farthest from the background.
        const auto ink = [&clock, &background] {
            const QImage image = clock.grab().toImage();
            QColor farthest = background;
            int most = -1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    const int d = std::abs(c.red() - background.red()) +
                                  std::abs(c.green() - background.green()) +
                                  std::abs(c.blue() - background.blue());
                    if (d > most) {
                        most = d;
                        farthest = c;
                    }
                }
            return farthest;
        };
        const auto luminance = [](const QColor &c) {
            const auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
        };
        const auto contrast = [&luminance](const QColor &a, const QColor &b) {
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        const QColor present = ink();
        clock.SetShiftMinutes(15);
        const QColor shifted = ink();
        const int apart = std::abs(present.red() - shifted.red()) +
                          std::abs(present.green() - shifted.green()) +
                          std::abs(present.blue() - shifted.blue());
        QVERIFY2(apart >= 120,
                 qPrintable(u"present %1, shifted %2"_s.arg(present.name(), shifted.name())));
        QVERIFY2(contrast(shifted, background) >= 3.0,
                 qPrintable(u"shifted %1 on %2"_s.arg(shifted.name(), background.name())));
        clock.SetShiftMinutes(0);
        QCOMPARE(ink(), present);
    }

    void assignParentColour()
    {
        QWidget parent;
        TZonedClock source(&parent);
        TZonedClock target(&parent);
        QPalette red = target.palette();
        red.setColor(target.backgroundRole(), Qt::red);
        target.setPalette(red);
        target.Assign(&source);
        QVERIFY(!target.testAttribute(Qt::WA_SetPalette));
        QCOMPARE(target.palette().color(target.backgroundRole()),
                 source.palette().color(source.backgroundRole()));
    }

    void assignFromOtherObject_data()
    {
        QTest::addColumn<bool>("label");
        QTest::addColumn<QString>("message");
        QTest::newRow("label") << true << u"Cannot assign a QLabel to a TZonedClock"_s;
        QTest::newRow("nothing") << false << u"Cannot assign a null to a TZonedClock"_s;
    }

    void assignFromOtherObject()
    {
        QFETCH(bool, label);
        QFETCH(QString, message);
        TFakeClock fake(Moment());
        QLabel other;
        TZonedClock clock;
        clock.SetDateFormat(u"dd/mm/yyyy"_s);
        try {
            clock.Assign(label ? &other : nullptr);
            QFAIL("no error raised");
        } catch (const EAssignError &error) {
            QCOMPARE(error.Message(), message);
        }
        QCOMPARE(clock.DateFormat(), u"dd/mm/yyyy"_s);
    }

    void autoSize_data()
    {
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<bool>("rightAligned");
        QTest::addColumn<int>("lines");
        QTest::newRow("two lines") << u"dddd d mmmm yyyy"_s << u"hh:nn:ss"_s << false << 2;
        QTest::newRow("two lines, right aligned")
            << u"dddd d mmmm yyyy"_s << u"hh:nn:ss"_s << true << 2;
        QTest::newRow("one line") << QString() << u"hh:nn:ss"_s << false << 1;
        QTest::newRow("empty") << QString() << QString() << false << 1;
        QTest::newRow("empty, right aligned") << QString() << QString() << true << 1;
    }

    void autoSize()
    {
        QFETCH(QString, dateFormat);
        QFETCH(QString, timeFormat);
        QFETCH(bool, rightAligned);
        QFETCH(int, lines);
        TFakeClock fake(Moment());
        QWidget parent;
        TZonedClock clock(&parent);
        if (rightAligned)
            clock.setAlignment(Qt::AlignRight | Qt::AlignTop);
        clock.setGeometry(200, 50, 40, 40);
        clock.SetDateFormat(dateFormat);
        clock.SetTimeFormat(timeFormat);

        const QFontMetrics metrics(clock.font());
        int widest = 0;
        const QStringList captionLines = clock.Caption().split(u'\r');
        for (const QString &line : captionLines)
            widest = qMax(widest, metrics.horizontalAdvance(line.isEmpty() ? u" "_s : line));
        QCOMPARE(clock.width(), widest);
        QVERIFY(clock.height() >= lines * metrics.height());
        QVERIFY(clock.height() < (lines + 1) * metrics.height());
        QCOMPARE(clock.y(), 50);
        if (rightAligned)
            QCOMPARE(clock.x() + clock.width(), 240);
        else
            QCOMPARE(clock.x(), 200);
        QCOMPARE(clock.sizeHint(), clock.size());
    }

    void autoSizeOff()
    {
        TFakeClock fake(Moment());
        TZonedClock clock;
        clock.SetAutoSize(false);
        clock.setGeometry(10, 10, 5, 5);
        clock.SetTimeFormat(u"hh:nn:ss"_s);
        QCOMPARE(clock.geometry(), QRect(10, 10, 5, 5));
        // Switching it back on fits the caption again.
        clock.SetAutoSize(true);
        QVERIFY(clock.width() > 5);
    }

    void fontChangeResizes()
    {
        TFakeClock fake(Moment());
        TZonedClock clock;
        const QSize before = clock.size();
        QFont font = clock.font();
        font.setPointSize(font.pointSize() * 3);
        clock.setFont(font);
        QVERIFY(clock.width() > before.width());
        QVERIFY(clock.height() > before.height());
    }
};

QTEST_MAIN(TestZonedClock)
#include "tst_zonedclock.moc"
