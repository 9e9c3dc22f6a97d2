#include "gui/widgets/branding.h"
#include "gui/widgets/brandpainting.h"
#include "gui/widgets/vorkelresources.h"
#include "gui/widgets/watermarkbox.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

namespace {
const QRgb Sentinel = qRgb(1, 2, 3);

QImage Filled(QSize size, QRgb color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage GreyMask(QSize size, int value)
{
    QImage mask(size, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, i, i));
    mask.setColorTable(palette);
    mask.fill(uint(value));
    return mask;
}

TColor PixelColor(const QImage &image, int x, int y)
{
    return RgbToColor(image.pixel(x, y));
}

// The mixing rule one byte at a time, as a reference for the packed version.
TColor ReferenceCombine(TColor background, TColor foreground, int weight)
{
    if (weight == 0)
        return foreground;
    if (weight == 255)
        return background;
    TColor result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const quint32 b = background >> shift & 0xFF;
        const quint32 f = foreground >> shift & 0xFF;
        const quint32 mixed =
            ((b * quint32(weight) + 128) >> 8) + ((f * quint32(255 - weight) + 128) >> 8);
        result |= mixed << shift;
    }
    return result;
}
} // namespace

class TestGraphHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colorConversion();
    void gradientRefusesNoBands_data();
    void gradientRefusesNoBands();
    void gradientBandColours_data();
    void gradientBandColours();
    void gradientBandEdges_data();
    void gradientBandEdges();
    void gradientTallerThanSurface();
    void combineColor_data();
    void combineColor();
    void combineColorMatchesBytewiseRule();
    void alphaBlend_data();
    void alphaBlend();
    void wordMarkResources_data();
    void wordMarkResources();
    void programPictures_data();
    void programPictures();
    void sideWatermarkPlacement_data();
    void sideWatermarkPlacement();
    void sideWatermarkMinimumHeight_data();
    void sideWatermarkMinimumHeight();
    void paintCopiesClipOnly_data();
    void paintCopiesClipOnly();
};

void TestGraphHelp::colorConversion()
{
    // Red sits in the low byte of a packed colour and in the third of a QImage pixel.
    QCOMPARE(BrandColor, TColor(0x009B744F));
    QCOMPARE(BrandLightColor, TColor(0x00EFEFEF));
    QCOMPARE(BrandFrameColor, TColor(0x00A9A9A9));
    QCOMPARE(ColorToRgb(BrandColor), qRgb(79, 116, 155));
    QCOMPARE(RgbToColor(qRgba(79, 116, 155, 7)), BrandColor);
}

void TestGraphHelp::gradientRefusesNoBands_data()
{
    QTest::addColumn<int>("bands");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
}

void TestGraphHelp::gradientRefusesNoBands()
{
    QFETCH(int, bands);
    QImage image = Filled(QSize(4, 4), Sentinel);
    QPainter painter(&image);
    QVERIFY(
        !PaintGradient(painter, image.rect(), bands, 0, 0x00FFFFFF, TGradientDirection::Vertical));
    painter.end();
    QCOMPARE(image, Filled(QSize(4, 4), Sentinel));
}

void TestGraphHelp::gradientBandColours_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<TColor>("start");
    QTest::addColumn<TColor>("end");
    QTest::addColumn<QList<int>>("reds"); // red of band 0, 1, ...

    // Halves go to the even neighbour: step 2.5 gives 2 in the first band, not 3.
    QTest::newRow("half to even, down")
        << 2 << RGBColor(0, 0, 0) << RGBColor(5, 0, 0) << QList<int>{2, 5};
    QTest::newRow("half to even, up")
        << 2 << RGBColor(0, 0, 0) << RGBColor(3, 0, 0) << QList<int>{2, 3};
    QTest::newRow("half of one") << 2 << RGBColor(0, 0, 0) << RGBColor(1, 0, 0) << QList<int>{0, 1};
    // Falling channels round the negative offset: -2.5 -> -2.
    QTest::newRow("falling") << 2 << RGBColor(10, 0, 0) << RGBColor(5, 0, 0) << QList<int>{8, 5};
    // The first band is one step away from the start, the last is the end.
    QTest::newRow("one band is the end colour")
        << 1 << RGBColor(0, 0, 0) << RGBColor(200, 0, 0) << QList<int>{200};
    QTest::newRow("four steps") << 4 << RGBColor(239, 0, 0) << RGBColor(79, 0, 0)
                                << QList<int>{199, 159, 119, 79};
}

void TestGraphHelp::gradientBandColours()
{
    QFETCH(int, bands);
    QFETCH(TColor, start);
    QFETCH(TColor, end);
    QFETCH(QList<int>, reds);
    for (const auto direction : {TGradientDirection::Vertical, TGradientDirection::Horizontal}) {
        QImage image = Filled(QSize(bands, bands), Sentinel);
        QPainter painter(&image);
        QVERIFY(PaintGradient(painter, image.rect(), bands, start, end, direction));
        painter.end();
        for (int i = 0; i < bands; ++i) {
            const bool vertical = direction == TGradientDirection::Vertical;
            const QRgb pixel = vertical ? image.pixel(0, i) : image.pixel(i, 0);
            QCOMPARE(qRed(pixel), reds.at(i));
        }
    }
}

void TestGraphHelp::gradientBandEdges_data()
{
    QTest::addColumn<int>("length"); // of the rectangle along the bands
    QTest::addColumn<int>("bands");
    QTest::addColumn<QList<int>>("bandOfPixel");

    // 2.5 pixels a band: the edge at 2.5 rounds to 2, so band 1 starts at pixel 2.
    QTest::newRow("edge on a half, even") << 5 << 2 << QList<int>{0, 0, 1, 1, 1};
    // 1.5 a band: edges at 1.5 -> 2, 3.0, 4.5 -> 4.
    QTest::newRow("edges on halves") << 6 << 4 << QList<int>{0, 0, 1, 2, 3, 3};
    // Half a pixel a band: bands 0 and 3 round to nothing and paint nothing.
    QTest::newRow("more bands than pixels") << 2 << 4 << QList<int>{1, 2};
}

void TestGraphHelp::gradientBandEdges()
{
    QFETCH(int, length);
    QFETCH(int, bands);
    QFETCH(QList<int>, bandOfPixel);
    // Red 10 per band makes the band readable from the pixel.
    const TColor end = RGBColor(10 * bands, 0, 0);
    const QPoint origin(3, 2); // bands are placed relative to the rectangle
    for (const auto direction : {TGradientDirection::Vertical, TGradientDirection::Horizontal}) {
        const bool vertical = direction == TGradientDirection::Vertical;
        QImage image = Filled(QSize(length + 6, length + 6), Sentinel);
        const QRect rect(origin, vertical ? QSize(2, length) : QSize(length, 2));
        QPainter painter(&image);
        QVERIFY(PaintGradient(painter, rect, bands, 0, end, direction));
        painter.end();
        for (int p = 0; p < length; ++p) {
            const QPoint at = vertical ? origin + QPoint(1, p) : origin + QPoint(p, 1);
            QCOMPARE(qRed(image.pixel(at)), 10 * (bandOfPixel.at(p) + 1));
        }
        const QPoint before = vertical ? origin + QPoint(0, -1) : origin + QPoint(-1, 0);
        const QPoint after = vertical ? origin + QPoint(0, length) : origin + QPoint(length, 0);
        QCOMPARE(image.pixel(before), Sentinel);
        QCOMPARE(image.pixel(after), Sentinel);
    }
}

void TestGraphHelp::gradientTallerThanSurface()
{
    // The side strip: 88 rows of bitmap, bands laid over the 123-pixel client
    // area. The bottom row shows band 62 of 0..87, well short of the brand blue.
    QImage strip = Filled(QSize(24, 88), Sentinel);
    QPainter painter(&strip);
    QVERIFY(PaintGradient(painter, QRect(0, 0, 130, 123), strip.height(), BrandLightColor,
                          BrandColor, TGradientDirection::Vertical));
    painter.end();
    // 239 + N(63 * -160 / 88) = 239 - 115, 239 + N(-88.06), 239 + N(-60.14)
    QCOMPARE(PixelColor(strip, 12, 87), RGBColor(124, 151, 179));
    // Band 0 is one step from the light end: 239 + N(-1.82), N(-1.40), N(-0.95).
    QCOMPARE(PixelColor(strip, 12, 0), RGBColor(237, 238, 238));
}

void TestGraphHelp::combineColor_data()
{
    QTest::addColumn<TColor>("background");
    QTest::addColumn<TColor>("foreground");
    QTest::addColumn<int>("weight");
    QTest::addColumn<TColor>("expected");

    QTest::newRow("white over black, 128")
        << TColor(0x00FFFFFF) << TColor(0) << 128 << TColor(0x00808080);
    QTest::newRow("weight 0 is the foreground")
        << TColor(0x00123456) << TColor(0x00ABCDEF) << 0 << TColor(0x00ABCDEF);
    QTest::newRow("weight 255 is the background")
        << TColor(0x00123456) << TColor(0x00ABCDEF) << 255 << TColor(0x00123456);
    // (255 * 64 + 128) >> 8 = 64 in blue; (255 * 191 + 128) >> 8 = 190 in red.
    QTest::newRow("channels apart")
        << TColor(0x00FF0000) << TColor(0x000000FF) << 64 << TColor(0x004000BE);
    // The top byte is mixed like the others and never carries out.
    QTest::newRow("top byte") << TColor(0xFF000000) << TColor(0xFF0000FF) << 128
                              << TColor(0xFF00007F);
    // Both full: 128 + 127 and 1 + 253, never past 255.
    QTest::newRow("white on white, 128")
        << TColor(0x00FFFFFF) << TColor(0x00FFFFFF) << 128 << TColor(0x00FFFFFF);
    QTest::newRow("white on white, 1")
        << TColor(0x00FFFFFF) << TColor(0x00FFFFFF) << 1 << TColor(0x00FEFEFE);
}

void TestGraphHelp::combineColor()
{
    QFETCH(TColor, background);
    QFETCH(TColor, foreground);
    QFETCH(int, weight);
    QFETCH(TColor, expected);
    QCOMPARE(CombineColor(background, foreground, weight), expected);
}

void TestGraphHelp::combineColorMatchesBytewiseRule()
{
    // Every weight against byte values at the edges of the arithmetic, in
    // all four positions at once: a carry between bytes would show here.
    const quint32 bytes[] = {0, 1, 2, 127, 128, 129, 254, 255};
    for (int weight = 0; weight <= 255; ++weight) {
        for (quint32 b : bytes) {
            for (quint32 f : bytes) {
                const TColor background = b | (255 - b) << 8 | f << 16 | b << 24;
                const TColor foreground = f | b << 8 | (255 - f) << 16 | f << 24;
                QCOMPARE(CombineColor(background, foreground, weight),
                         ReferenceCombine(background, foreground, weight));
            }
        }
    }
}

void TestGraphHelp::alphaBlend_data()
{
    QTest::addColumn<int>("maskValue");
    QTest::addColumn<QRect>("sourceRect");
    QTest::addColumn<QPoint>("targetPos");
    QTest::addColumn<QRect>("changed"); // target pixels expected to change
    QTest::addColumn<QRgb>("mixed");    // their colour

    const QRgb source = qRgb(200, 100, 50);
    const QRect whole(0, 0, 4, 3);
    QTest::newRow("mask 255 keeps the target") << 255 << whole << QPoint(2, 2) << QRect() << source;
    QTest::newRow("mask 0 copies the source")
        << 0 << whole << QPoint(2, 2) << QRect(2, 2, 4, 3) << source;
    // ((10 * 128 + 128) >> 8) + ((200 * 127 + 128) >> 8) = 5 + 99, and so on.
    QTest::newRow("mask 128 mixes")
        << 128 << whole << QPoint(2, 2) << QRect(2, 2, 4, 3) << qRgb(104, 60, 45);
    QTest::newRow("part of the source")
        << 0 << QRect(1, 1, 2, 2) << QPoint(5, 0) << QRect(5, 0, 2, 2) << source;
    // Above and left of the target: only the pixels inside it change.
    QTest::newRow("partly above and left")
        << 0 << whole << QPoint(-2, -1) << QRect(0, 0, 2, 2) << source;
    QTest::newRow("partly beyond right and bottom")
        << 0 << whole << QPoint(7, 6) << QRect(7, 6, 1, 2) << source;
    QTest::newRow("wholly outside") << 0 << whole << QPoint(8, 8) << QRect() << source;
    // A rectangle reaching past the source reads nothing there.
    QTest::newRow("rectangle past the source")
        << 0 << QRect(2, 1, 5, 5) << QPoint(0, 0) << QRect(0, 0, 2, 2) << source;
}

void TestGraphHelp::alphaBlend()
{
    QFETCH(int, maskValue);
    QFETCH(QRect, sourceRect);
    QFETCH(QPoint, targetPos);
    QFETCH(QRect, changed);
    QFETCH(QRgb, mixed);
    const QImage source = Filled(QSize(4, 3), qRgb(200, 100, 50));
    const QImage mask = GreyMask(source.size(), maskValue);
    const QRgb background = qRgb(10, 20, 40);
    QImage target = Filled(QSize(8, 8), background);
    AlphaBlendBitmap(source, mask, target, sourceRect, targetPos);
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            QCOMPARE(target.pixel(x, y), changed.contains(x, y) ? mixed : background);
}

void TestGraphHelp::wordMarkResources_data()
{
    QTest::addColumn<TWordMark>("which");
    QTest::addColumn<QSize>("size");
    QTest::newRow("upright") << TWordMark::Vertical << QSize(18, 58);
    QTest::newRow("lying") << TWordMark::Horizontal << QSize(58, 19);
}

void TestGraphHelp::wordMarkResources()
{
    QFETCH(TWordMark, which);
    QFETCH(QSize, size);
    const auto wordMark = LoadWordMark(which);
    QVERIFY(wordMark);
    QCOMPARE(wordMark->Picture.size(), size);
    QCOMPARE(wordMark->Mask.size(), size);
    QCOMPARE(wordMark->Picture.depth(), 32); // loaded from 24 bits per pixel
    QCOMPARE(wordMark->Mask.format(), QImage::Format_Indexed8);
    QVERIFY(wordMark->Mask.isGrayscale());
    // The mask shows the word-mark somewhere and keeps the background at the corners.
    int letters = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            letters += qRed(wordMark->Mask.pixel(x, y)) == 0 ? 1 : 0;
    QVERIFY(letters > 50);
    QCOMPARE(qRed(wordMark->Mask.pixel(0, 0)), 255);
    QCOMPARE(qRed(wordMark->Mask.pixel(size.width() - 1, size.height() - 1)), 255);
}

void TestGraphHelp::programPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size"); // square pictures; 0 for the 12 x 11 bell
    QTest::newRow("tray icon file") << QStringLiteral(":/trayxp.ico") << 16;
    for (int size : {16, 22, 24, 32, 48, 64})
        QTest::addRow("tray icon %d", size)
            << QStringLiteral(":/icons/trayxp-%1.png").arg(size) << size;
    QTest::newRow("alarm bell") << QStringLiteral(":/alarm.png") << 0;
}

void TestGraphHelp::programPictures()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    EnsureVorkelResources();
    const QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size ? QSize(size, size) : QSize(12, 11));
    // Transparent corners, an opaque middle.
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
}

void TestGraphHelp::sideWatermarkPlacement_data()
{
    QTest::addColumn<QSize>("stripSize");
    QTest::addColumn<QRect>("wordMarkAt"); // where a fully opaque word-mark lands

    // (24 - 18) / 2 = 3 across; 5 pixels above the bottom edge.
    QTest::newRow("clocks window strip") << QSize(24, 88) << QRect(3, 25, 18, 58);
    QTest::newRow("exactly tall enough") << QSize(24, 63) << QRect(3, 0, 18, 58);
    // Shorter than 63 rows: the word-mark starts above the top edge.
    QTest::newRow("short strip") << QSize(24, 40) << QRect(3, -23, 18, 58);
    // Narrower than the word-mark: the offset truncates towards zero.
    QTest::newRow("narrow strip") << QSize(13, 70) << QRect(-2, 7, 18, 58);
}

void TestGraphHelp::sideWatermarkPlacement()
{
    QFETCH(QSize, stripSize);
    QFETCH(QRect, wordMarkAt);
    const QRgb red = qRgb(255, 0, 0);
    const TWordMarkImages wordMark{Filled(QSize(18, 58), red), GreyMask(QSize(18, 58), 0)};
    QImage strip;
    PaintSideWatermark(strip, stripSize, QRect(0, 0, 130, stripSize.height() + 35), wordMark);
    QCOMPARE(strip.size(), stripSize);
    const QRect frameInside = strip.rect().adjusted(1, 1, -1, -1);
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const TColor pixel = PixelColor(strip, x, y);
            if (!frameInside.contains(x, y))
                QCOMPARE(pixel, BrandFrameColor);
            else if (wordMarkAt.contains(x, y))
                QCOMPARE(pixel, RgbToColor(red));
            else
                QVERIFY2(ColorRed(pixel) < 239 && ColorRed(pixel) > 79, "gradient expected");
        }
    }
}

void TestGraphHelp::sideWatermarkMinimumHeight_data()
{
    QTest::addColumn<int>("windowHeight");
    QTest::newRow("one clock") << 80;
    QTest::newRow("three clocks") << 123;
    QTest::newRow("many clocks") << 600;
}

void TestGraphHelp::sideWatermarkMinimumHeight()
{
    QFETCH(int, windowHeight);
    QWidget window;
    window.resize(130, windowHeight);
    TWatermarkBox box(&window);
    box.setGeometry(0, 0, 24, windowHeight - 35);
    BuildSideWatermark(window, box, 35);
    // 58 for the word-mark, 35 for the brand panel, 15 to spare.
    QCOMPARE(window.minimumHeight(), 108);
    QCOMPARE(box.Bitmap().size(), box.size());
    QCOMPARE(PixelColor(box.Bitmap(), 0, 0), BrandFrameColor);
}

void TestGraphHelp::paintCopiesClipOnly_data()
{
    QTest::addColumn<QRect>("clip");
    QTest::addColumn<QRect>("changed");
    QTest::newRow("inside") << QRect(2, 3, 4, 5) << QRect(2, 3, 4, 5);
    QTest::newRow("one pixel") << QRect(9, 0, 1, 1) << QRect(9, 0, 1, 1);
    // The box may be larger than its picture: nothing is copied from beyond it.
    QTest::newRow("past the picture") << QRect(8, 8, 10, 10) << QRect(8, 8, 2, 2);
    QTest::newRow("empty") << QRect() << QRect();
}

void TestGraphHelp::paintCopiesClipOnly()
{
    QFETCH(QRect, clip);
    QFETCH(QRect, changed);
    const QRgb picture = qRgb(90, 90, 200);
    const QImage bitmap = Filled(QSize(10, 10), picture);
    QImage screen = Filled(QSize(20, 20), Sentinel);
    QPainter painter(&screen);
    PaintStrip(painter, bitmap, clip);
    painter.end();
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            QCOMPARE(screen.pixel(x, y), changed.contains(x, y) ? picture : Sentinel);
}

QTEST_MAIN(TestGraphHelp)
#include "tst_brandpainting.moc"
