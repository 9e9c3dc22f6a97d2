// The program's pictures at scale 2: each drawn for that scale rather than
// enlarged.
#include "core/clocks/worldclocks.h"
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/time/clocksource.h"
#include "gui/clocks/clocksform.h"
#include "gui/desktop/desktopsetup.h"
#include "gui/options/zoneform.h"
#include "gui/tray/systrayicon.h"
#include "gui/widgets/alarmicon.h"
#include "gui/widgets/boldlabel.h"
#include "gui/widgets/pinicon.h"
#include "gui/widgets/watermarkbox.h"
#include "gui/widgets/zonedclock.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Whether the picture is a picture of half its size with every pixel
// doubled: each 2 by 2 block of one colour.
bool Enlarged(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p)
                return false;
        }
    return true;
}

// One clock, London, in a settings file in dir.
void SeedLondon(const QTemporaryDir &dir)
{
    SetSettingsFileName(dir.filePath(QStringLiteral("Clocks.ini")));
    TWorldClocks::SetZoneFilePath(QStringLiteral(VORKEL_TEST_DATA "/clocks/zones.ini"));
    WriteSettingString(SettingsGroup, ValueClocks, QStringLiteral("London"));
    WriteSettingString(ClockListGroup, QStringLiteral("0_Zone"), QStringLiteral("Europe/London"));
}

// How much the text darkens a white ground, in whole black pixels.
double Ink(QWidget &widget)
{
    QImage image(widget.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    double ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += 255 - qGray(image.pixel(x, y));
    return ink / 255;
}
} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sideStrip()
    {
        QWidget window;
        window.resize(150, 200);
        TWatermarkBox box(&window);
        box.setGeometry(0, 0, 20, 200);
        window.show();
        QCOMPARE(box.devicePixelRatioF(), 2.0);
        BuildSideWatermark(window, box, 35);
        const QImage &strip = box.Bitmap();
        QCOMPARE(strip.devicePixelRatio(), 2.0);
        QCOMPARE(strip.size(), QSize(40, 400));
        // The word-mark near the bottom, where the letters are.
        QVERIFY(!Enlarged(strip, QRect(2, 250, 36, 130)));
        // The window's minimum height in logical pixels, as at scale 1.
        QCOMPARE(window.minimumHeight(), 58 + 35 + 15);
    }
    void headerStrip()
    {
        QTemporaryDir dir;
        SetSettingsFileName(dir.filePath(QStringLiteral("Clocks.ini")));
        QPointer<TZoneForm> form =
            new TZoneForm(QStringLiteral(VORKEL_TEST_DATA "/options/zones.ini"));
        form->show();
        const QImage strip = form->WatermarkStrip();
        const QSize logical = strip.deviceIndependentSize().toSize();
        QCOMPARE(strip.devicePixelRatio(), 2.0);
        QCOMPARE(logical.width(), form->width());
        QVERIFY(!Enlarged(strip, QRect(10, 2, 110, strip.height() - 4)));
        delete form.data();
        SetSettingsFileName(QString());
    }
    void alarmBellInTheClocksWindow()
    {
        QTemporaryDir dir;
        SeedLondon(dir);
        const TFakeClock clock(46000.5);
        WriteSettingString(SettingsGroup, ValueAlarmTime, AlarmTimeText(46001.5));
        WriteSettingString(SettingsGroup, ValueAlarmClock, QStringLiteral("London"));
        TSysTrayIcon tray;
        TClocksForm form(tray);
        form.ShowClocks();
        QVERIFY(form.AlarmImage()->isVisible());
        QCOMPARE(form.AlarmImage()->pixmap().devicePixelRatio(), 2.0);
        SetSettingsFileName(QString());
    }
    void boldTitles_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("madeUp");
        // fonts-wine's Tahoma has no bold outlines: Qt makes the bold up.
        QTest::newRow("design font, bold made up") << QStringLiteral("Tahoma") << true;
        QTest::newRow("a family with a bold face") << QStringLiteral("DejaVu Sans") << false;
    }
    void boldTitles()
    {
        QFETCH(QString, family);
        QFETCH(bool, madeUp);
        RegisterDesignFont();
        if (!QFontDatabase::families().contains(family))
            QSKIP("the family is not installed");
        QTemporaryDir dir;
        SeedLondon(dir);
        TSysTrayIcon tray;
        TClocksForm form(tray);
        form.ShowClocks();
        QFont font(family, 8);
        font.setBold(true);
        QCOMPARE(MissingEmboldening(font, 2) > 0, madeUp);
        // The titles, and a clock in a bold font of the user's.
        const QList<QLabel *> parts = {form.TitleLabels()[0], form.ClockControls()[0]};
        for (QLabel *part : parts) {
            double ink[2];
            for (const bool bold : {false, true}) {
                font.setBold(bold);
                part->setFont(font);
                part->adjustSize();
                ink[bold] = Ink(*part);
            }
            // A real bold face darkens half as much again as the regular one
            // or more; Qt's own made-up bold at this scale about a fifth.
            QVERIFY2(ink[1] / ink[0] > 1.3 && ink[1] / ink[0] < 2,
                     qPrintable(part->objectName() + QStringLiteral(": ") +
                                QString::number(ink[1] / ink[0])));
        }
        SetSettingsFileName(QString());
    }
    void icons_data()
    {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QIcon::State>("state");
        QTest::newRow("pin, free") << PinIcon() << QSize(12, 12) << QIcon::Off;
        QTest::newRow("pin, pinned") << PinIcon() << QSize(12, 12) << QIcon::On;
        QTest::newRow("alarm bell") << AlarmIcon() << QSize(12, 11) << QIcon::Off;
    }
    void icons()
    {
        QFETCH(QIcon, icon);
        QFETCH(QSize, size);
        QFETCH(QIcon::State, state);
        const QList<QSize> sizes = icon.availableSizes(QIcon::Normal, state);
        QVERIFY(sizes.contains(size));
        QVERIFY(sizes.contains(size * 2));
        const QImage picture = icon.pixmap(size, 2.0, QIcon::Normal, state).toImage();
        QCOMPARE(picture.size(), size * 2);
        QVERIFY(!Enlarged(picture, picture.rect()));
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
