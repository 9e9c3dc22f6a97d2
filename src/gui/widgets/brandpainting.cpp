#include "gui/widgets/brandpainting.h"

#include "gui/widgets/branding.h"
#include "gui/widgets/vorkelresources.h"

#include <QColor>
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

std::optional<TWordMarkImages> LoadWordMark(TWordMark which)
{
    const bool vertical = which == TWordMark::Vertical;
    TWordMarkImages images{LoadResourceImage(vertical ? QStringLiteral("watermarkrgb.bmp")
                                                      : QStringLiteral("watermarkhorizrgb.bmp")),
                           LoadResourceImage(vertical ? QStringLiteral("watermarkalpha.bmp")
                                                      : QStringLiteral("watermarkhorizalpha.bmp"))};
    if (images.Picture.isNull() || images.Mask.isNull())
        return std::nullopt;
    return images;
}

void PaintSideWatermark(QImage &strip, const QSize &stripSize, const QRect &clientRect,
                        const TWordMarkImages &wordMark)
{
    if (strip.size() != stripSize || strip.format() != QImage::Format_RGB32) {
        strip = QImage(stripSize, QImage::Format_RGB32);
        strip.fill(Qt::white);
    }
    if (strip.isNull())
        return;
    {
        QPainter painter(&strip);
        PaintGradient(painter, clientRect, strip.height(), BrandLightColor, BrandColor,
                      TGradientDirection::Vertical);
    }
    const QRect whole = wordMark.Picture.rect();
    // Integer division truncates towards zero, as the layout expects for
    // strips narrower than the word-mark.
    const QPoint at((strip.width() - whole.width()) / 2,
                    strip.height() - whole.height() - SideStripWordMarkGap);
    AlphaBlendBitmap(wordMark.Picture, wordMark.Mask, strip, whole, at);

    QPainter painter(&strip);
    painter.setPen(QColor::fromRgb(ColorToRgb(BrandFrameColor)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(strip.rect().adjusted(0, 0, -1, -1));
}

int SideWatermarkMinHeight(const TWordMarkImages &wordMark, int brandPanelHeight)
{
    return wordMark.Picture.height() + brandPanelHeight + SideStripMinHeightExtra;
}
