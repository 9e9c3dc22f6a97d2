// Draws the word-mark bitmaps, the tray icon in its sizes and the alarm bell,
// the word-marks and the bell also at twice the size for screens at scale 2.
// Usage: QT_QPA_PLATFORM=offscreen drawartwork <resources folder>
#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTextStream>
#include <QTransform>
#include <cmath>
#include <cstdio>

namespace {
const QColor Rim(52, 82, 120); // a shade darker than the brand blue, for contrast
const QColor Face(250, 250, 247);
const QColor Hand(28, 28, 32);
const QColor Tick(96, 110, 128);

// The maker's name as white-on-black coverage, cap height fitted to the
// picture's height less a margin, centred, its top on a whole pixel.
QImage WordMarkCoverage(QSize size, int capHeight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setStretch(QFont::Condensed);
    font.setPixelSize(200);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 10);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("VORKEL"));
    const QRectF bounds = path.boundingRect();
    // Width-limited words keep two pixels clear at either end; the cap
    // height stays a whole number of pixels so the letters' tops and feet are sharp.
    const double height = std::min(
        double(capHeight), std::floor(bounds.height() * (size.width() - 4) / bounds.width()));
    const double scale = height / bounds.height();
    const double width = bounds.width() * scale;
    const double left = std::round((size.width() - width) / 2.0);
    const double top = std::floor((size.height() - height) / 2.0);

    QImage image(size, QImage::Format_Grayscale8);
    image.fill(0);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(left, top);
    painter.scale(scale, scale);
    painter.translate(-bounds.topLeft());
    painter.fillPath(path, Qt::white);
    return image;
}

// A bottom-up Windows bitmap of 24 bits per pixel, or of 8 bits with a grey
// palette. Written by hand: Qt's writer leaves the row padding of 8-bit
// pictures uninitialised, so the files would differ from run to run.
bool SaveBmp(const QImage &image, int bitsPerPixel, const QString &file)
{
    const int w = image.width();
    const int h = image.height();
    const int stride = (w * bitsPerPixel / 8 + 3) / 4 * 4;
    const quint32 paletteBytes = bitsPerPixel == 8 ? 256 * 4 : 0;
    const quint32 offset = 14 + 40 + paletteBytes;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << quint32(offset + quint32(stride * h)) << quint32(0)
        << offset;
    out << quint32(40) << qint32(w) << qint32(h) << quint16(1) << quint16(bitsPerPixel)
        << quint32(0) << quint32(stride * h) << qint32(3780) << qint32(3780)
        << quint32(bitsPerPixel == 8 ? 256 : 0) << quint32(0);
    if (bitsPerPixel == 8)
        for (int i = 0; i < 256; ++i)
            out << quint8(i) << quint8(i) << quint8(i) << quint8(0);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(stride, 0);
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            if (bitsPerPixel == 8) {
                row[x] = char(qRed(p));
            } else {
                row[3 * x] = char(qBlue(p));
                row[3 * x + 1] = char(qGreen(p));
                row[3 * x + 2] = char(qRed(p));
            }
        }
        out.writeRawData(row.constData(), row.size());
    }
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The picture is white wherever a letter touches a pixel; the mask carries
// the anti-aliasing (0 on the letters, 255 around them).
bool SaveWordMark(const QImage &coverage, const QString &rgbFile, const QString &alphaFile)
{
    QImage rgb(coverage.size(), QImage::Format_RGB32);
    QImage alpha(coverage.size(), QImage::Format_RGB32);
    for (int y = 0; y < coverage.height(); ++y) {
        for (int x = 0; x < coverage.width(); ++x) {
            const int c = qGray(coverage.pixel(x, y));
            rgb.setPixel(x, y, c > 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            alpha.setPixel(x, y, qRgb(255 - c, 255 - c, 255 - c));
        }
    }
    return SaveBmp(rgb, 24, rgbFile) && SaveBmp(alpha, 8, alphaFile);
}

// A round face with two hands at three o'clock: hands along the pixel grid
// stay sharp at 16 pixels, where slanted ones blur into the rim.
QImage TrayIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double c = size / 2.0;
    const double rimWidth = size <= 16 ? 1.8 : std::max(2.0, std::round(size / 11.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Rim);
    painter.drawEllipse(QPointF(c, c), c, c);
    painter.setBrush(Face);
    painter.drawEllipse(QPointF(c, c), c - rimWidth, c - rimWidth);

    painter.setRenderHint(QPainter::Antialiasing, false);
    const int hand = size >= 64 ? 6 : size >= 32 ? 4 : 2;
    const int half = hand / 2;
    const int ci = size / 2;
    if (size >= 22) {
        // Marks at 12, 3, 6 and 9 o'clock.
        const int len = std::max(2, size / 10);
        const int inner = int(std::ceil(rimWidth)) + 1;
        painter.setBrush(Tick);
        for (int k = 0; k < 4; ++k) {
            painter.save();
            painter.translate(ci, ci);
            painter.rotate(90 * k);
            painter.drawRect(QRect(-1, -ci + inner, 2, len));
            painter.restore();
        }
    }
    painter.setBrush(Hand);
    const int minuteTop = int(std::ceil(rimWidth)) + std::max(1, size / 16);
    painter.drawRect(QRect(ci - half, minuteTop, hand, ci - minuteTop + half));
    const int hourEnd = size - int(std::ceil(rimWidth)) - std::max(2, size * 4 / 16);
    painter.drawRect(QRect(ci - half, ci - half, hourEnd - ci + half, hand));
    return image;
}

// One 16 x 16 image of 32 bits with alpha in an icon file (1150 bytes).
bool SaveIco(const QImage &icon, const QString &file)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int w = icon.width();
    const int h = icon.height();
    const int andStride = ((w + 31) / 32) * 4;
    const quint32 imageBytes = 40 + quint32(w * h * 4 + andStride * h);
    out << quint16(0) << quint16(1) << quint16(1);
    out << quint8(w) << quint8(h) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
        << imageBytes << quint32(6 + 16);
    out << quint32(40) << qint32(w) << qint32(h * 2) << quint16(1) << quint16(32) << quint32(0)
        << quint32(imageBytes - 40) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const QRgb p = icon.pixel(x, y);
            out << quint8(qBlue(p)) << quint8(qGreen(p)) << quint8(qRed(p)) << quint8(qAlpha(p));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, 0);
        for (int x = 0; x < w; ++x)
            if (qAlpha(icon.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The alarm indicator, drawn pixel by pixel: a gold bell with its clapper.
QImage AlarmBell()
{
    static const char *const rows[] = {
        ".....##.....", //
        "...######...", //
        "..#HYYYYD#..", //
        "..#HYYYYD#..", //
        "..#HYYYYD#..", //
        ".#HYYYYYYD#.", //
        ".#HYYYYYYD#.", //
        "#HYYYYYYYYD#", //
        "############", //
        "....####....", //
        ".....##.....", //
    };
    QImage image(12, 11, QImage::Format_ARGB32);
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 12; ++x) {
            QRgb p = qRgba(0, 0, 0, 0);
            switch (rows[y][x]) {
            case '#':
                p = qRgb(112, 72, 8);
                break;
            case 'H':
                p = qRgb(255, 243, 160);
                break;
            case 'Y':
                p = qRgb(250, 200, 30);
                break;
            case 'D':
                p = qRgb(206, 146, 10);
                break;
            default:
                break;
            }
            image.setPixel(x, y, p);
        }
    }
    return image;
}
// The alarm bell at scale 2, drawn as outlines in the 12 x 11 picture's own
// units: the same bell as the pixel one, with smooth edges.
QImage AlarmBell2x()
{
    QImage image(24, 22, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    const QColor outline(112, 72, 8);
    QPainterPath body;
    body.moveTo(0.5, 8.4);
    body.cubicTo(1.6, 7.4, 2.4, 6.0, 2.4, 4.2);
    body.lineTo(2.4, 3.2);
    body.cubicTo(2.4, 1.6, 3.9, 1.0, 6.0, 1.0);
    body.cubicTo(8.1, 1.0, 9.6, 1.6, 9.6, 3.2);
    body.lineTo(9.6, 4.2);
    body.cubicTo(9.6, 6.0, 10.4, 7.4, 11.5, 8.4);
    body.closeSubpath();
    QLinearGradient gold(0, 0, 12, 0);
    gold.setColorAt(0.15, QColor(255, 243, 160));
    gold.setColorAt(0.45, QColor(250, 200, 30));
    gold.setColorAt(0.85, QColor(206, 146, 10));
    painter.setPen(QPen(outline, 0.6));
    painter.setBrush(gold);
    painter.drawPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(6.0, 0.8), 0.8, 0.8);               // the loop on top
    painter.drawRoundedRect(QRectF(0.2, 8.0, 11.6, 1.2), 0.4, 0.4); // the rim
    painter.drawEllipse(QPointF(6.0, 9.8), 1.1, 1.1);               // the clapper
    return image;
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fputs("usage: drawartwork <resources folder>\n", stderr);
        return 2;
    }
    const QDir dir(args.at(1));
    bool ok = true;
    // At scale 1 and, for screens at scale 2, drawn at twice the size rather than enlarged.
    for (const int scale : {1, 2}) {
        const QString at = scale == 1 ? QString() : QStringLiteral("@2x");
        // Upright: drawn lying down, then a quarter turn anticlockwise so it reads upwards.
        const QImage lying = WordMarkCoverage(QSize(58, 18) * scale, 12 * scale);
        ok &= SaveWordMark(lying.transformed(QTransform().rotate(-90)),
                           dir.filePath(QStringLiteral("watermarkrgb%1.bmp").arg(at)),
                           dir.filePath(QStringLiteral("watermarkalpha%1.bmp").arg(at)));
        ok &= SaveWordMark(WordMarkCoverage(QSize(58, 19) * scale, 13 * scale),
                           dir.filePath(QStringLiteral("watermarkhorizrgb%1.bmp").arg(at)),
                           dir.filePath(QStringLiteral("watermarkhorizalpha%1.bmp").arg(at)));
    }
    ok &= SaveIco(TrayIcon(16), dir.filePath(QStringLiteral("trayxp.ico")));
    for (int size : {16, 22, 24, 32, 48, 64})
        ok &= TrayIcon(size).save(dir.filePath(QStringLiteral("icons/trayxp-%1.png").arg(size)));
    ok &= AlarmBell().save(dir.filePath(QStringLiteral("alarm.png")));
    ok &= AlarmBell2x().save(dir.filePath(QStringLiteral("alarm@2x.png")));
    return ok ? 0 : 1;
}
