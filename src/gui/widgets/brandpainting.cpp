#include "gui/widgets/brandpainting.h"

#include "gui/widgets/branding.h"
#include "gui/widgets/vorkelresources.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <cmath>

namespace {
// Nearest integer with halves going to the even neighbour (the default
// floating-point rounding mode), so 0.5 -> 0 and 1.5 -> 2.
int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

bool Contains(const QImage &image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

QImage LoadResourceImage(const QString &name)
{
    EnsureVorkelResources();
    return QImage(QStringLiteral(":/") + name);
}

// The word-mark's position in the strip's device pixels: logical positions
// times the ratio, as the picture's own pixels are.
QPoint DevicePoint(const QPoint &logical, qreal ratio)
{
    return QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio));
}

// A one-pixel frame round a picture of the logical size: whole device pixels
// at any ratio, as wide on every side.
void PaintFrame(QPainter &painter, const QSize &size)
{
    const QColor color = QColor::fromRgb(ColorToRgb(BrandFrameColor));
    const int w = size.width();
    const int h = size.height();
    for (const QRect &side :
         {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
        painter.fillRect(side, color);
}

// A strip of logical size at the ratio, white, composed in device pixels.
QImage NewStrip(const QSize &size, qreal ratio)
{
    QImage strip(size * ratio, QImage::Format_RGB32);
    if (!strip.isNull())
        strip.fill(Qt::white);
    return strip;
}
} // namespace

bool PaintGradient(QPainter &painter, const QRect &rect, int bands, TColor startColor,
                   TColor endColor, TGradientDirection direction)
{
    if (bands < 1)
        return false;
    const int r0 = ColorRed(startColor);
    const int g0 = ColorGreen(startColor);
    const int b0 = ColorBlue(startColor);
    const double redStep = double(ColorRed(endColor) - r0) / bands;
    const double greenStep = double(ColorGreen(endColor) - g0) / bands;
    const double blueStep = double(ColorBlue(endColor) - b0) / bands;
    const int width = rect.width();
    const int height = rect.height();
    const bool vertical = direction == TGradientDirection::Vertical;
    const double bandSize = double(vertical ? height : width) / bands;

    for (int i = 0; i < bands; ++i) {
        const QColor color(r0 + RoundHalfEven((i + 1) * redStep),
                           g0 + RoundHalfEven((i + 1) * greenStep),
                           b0 + RoundHalfEven((i + 1) * blueStep));
        const int from = RoundHalfEven(i * bandSize);
        const int to = RoundHalfEven((i + 1) * bandSize);
        const QRect band =
            vertical ? QRect(0, from, width, to - from) : QRect(from, 0, to - from, height);
        // More bands than pixels gives bands of no size: they paint nothing.
        if (!band.isEmpty())
            painter.fillRect(band.translated(rect.topLeft()), color);
    }
    return true;
}

TColor CombineColor(TColor background, TColor foreground, int weight)
{
    if (weight <= 0)
        return foreground;
    if (weight >= 255)
        return background;
    const auto bgWeight = quint32(weight);
    const quint32 fgWeight = 255 - bgWeight;
    // Bytes 0 and 2, then bytes 1 and 3, each pair in one multiplication. A
    // byte times a weight stays below 0x10000, so the two halves never meet.
    const quint32 evenBg = ((background & 0x00FF00FF) * bgWeight + 0x00800080) >> 8 & 0x00FF00FF;
    const quint32 evenFg = ((foreground & 0x00FF00FF) * fgWeight + 0x00800080) >> 8 & 0x00FF00FF;
    const quint32 oddBg = (((background & 0xFF00FF00) >> 8) * bgWeight + 0x00800080) & 0xFF00FF00;
    const quint32 oddFg = (((foreground & 0xFF00FF00) >> 8) * fgWeight + 0x00800080) & 0xFF00FF00;
    // Each byte sum is at most 255: (255w + 128) / 256 + (255(255 - w) + 128) / 256.
    return evenBg + evenFg + oddBg + oddFg;
}

void AlphaBlendBitmap(const QImage &source, const QImage &mask, QImage &target,
                      const QRect &sourceRect, const QPoint &targetPos)
{
    const int dx = targetPos.x() - sourceRect.left();
    const int dy = targetPos.y() - sourceRect.top();
    for (int y = sourceRect.top(); y <= sourceRect.bottom(); ++y) {
        for (int x = sourceRect.left(); x <= sourceRect.right(); ++x) {
            const int tx = x + dx;
            const int ty = y + dy;
            if (!Contains(source, x, y) || !Contains(target, tx, ty))
                continue;
            // A mask smaller than the source keeps the target where it has no pixel.
            const int weight = Contains(mask, x, y) ? qRed(mask.pixel(x, y)) : 255;
            const TColor mixed = CombineColor(RgbToColor(target.pixel(tx, ty)),
                                              RgbToColor(source.pixel(x, y)), weight);
            target.setPixel(tx, ty, ColorToRgb(mixed));
        }
    }
}

std::optional<TWordMarkImages> LoadWordMark(TWordMark which, qreal devicePixelRatio)
{
    const bool vertical = which == TWordMark::Vertical;
    // Letters drawn at the screen's size: an enlarged picture would blur.
    const QString scale = devicePixelRatio >= 1.5 ? QStringLiteral("@2x") : QString();
    const QString name = vertical ? QStringLiteral("watermark") : QStringLiteral("watermarkhoriz");
    TWordMarkImages images{
        LoadResourceImage(name + QStringLiteral("rgb") + scale + QStringLiteral(".bmp")),
        LoadResourceImage(name + QStringLiteral("alpha") + scale + QStringLiteral(".bmp"))};
    if (images.Picture.isNull() || images.Mask.isNull())
        return std::nullopt;
    const qreal ratio = scale.isEmpty() ? 1.0 : 2.0;
    images.Picture.setDevicePixelRatio(ratio);
    images.Mask.setDevicePixelRatio(ratio);
    return images;
}

void PaintSideWatermark(QImage &strip, const QSize &stripSize, const QRect &clientRect,
                        const TWordMarkImages &wordMark)
{
    const qreal ratio = wordMark.Picture.devicePixelRatio();
    // Composed in device pixels at a ratio of 1, then given its ratio.
    strip.setDevicePixelRatio(1);
    if (strip.size() != stripSize * ratio || strip.format() != QImage::Format_RGB32)
        strip = NewStrip(stripSize, ratio);
    if (strip.isNull())
        return;
    {
        QPainter painter(&strip);
        const QRect deviceClient(DevicePoint(clientRect.topLeft(), ratio),
                                 clientRect.size() * ratio);
        PaintGradient(painter, deviceClient, strip.height(), BrandLightColor, BrandColor,
                      TGradientDirection::Vertical);
    }
    const QRect whole = wordMark.Picture.rect();
    // Integer division truncates towards zero, as the layout expects for
    // strips narrower than the word-mark.
    const QPoint at((strip.width() - whole.width()) / 2,
                    strip.height() - whole.height() - qRound(SideStripWordMarkGap * ratio));
    AlphaBlendBitmap(wordMark.Picture, wordMark.Mask, strip, whole, at);
    strip.setDevicePixelRatio(ratio);

    QPainter painter(&strip);
    PaintFrame(painter, stripSize);
}

void PaintHeaderWatermark(QImage &strip, const QSize &stripSize, qreal devicePixelRatio,
                          const QFont &font, const QString &address)
{
    // A word-mark that cannot be loaded leaves a gap, not an unpainted strip.
    const auto wordMark = LoadWordMark(TWordMark::Horizontal, devicePixelRatio);
    const qreal ratio = wordMark ? wordMark->Picture.devicePixelRatio() : 1.0;
    strip = NewStrip(stripSize, ratio);
    if (strip.isNull())
        return; // no room to paint in: the box stays empty
    {
        QPainter painter(&strip);
        PaintGradient(painter, strip.rect(), strip.width(), BrandColor, BrandLightColor,
                      TGradientDirection::Horizontal);
    }
    if (wordMark) {
        const QRect whole = wordMark->Picture.rect();
        const int top = (stripSize.height() - qRound(whole.height() / ratio)) / 2 + 1;
        AlphaBlendBitmap(wordMark->Picture, wordMark->Mask, strip, whole,
                         DevicePoint(QPoint(5, top), ratio));
    }
    strip.setDevicePixelRatio(ratio);
    QPainter painter(&strip);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetrics metrics(painter.font());
    painter.setPen(QColor::fromRgb(ColorToRgb(BrandColor)));
    painter.drawText(stripSize.width() - metrics.horizontalAdvance(address) - 10,
                     (stripSize.height() - metrics.height()) / 2 + metrics.ascent(), address);
    PaintFrame(painter, stripSize);
}

int SideWatermarkMinHeight(const TWordMarkImages &wordMark, int brandPanelHeight)
{
    return qRound(wordMark.Picture.deviceIndependentSize().height()) + brandPanelHeight +
           SideStripMinHeightExtra;
}
