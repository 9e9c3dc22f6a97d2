// Off-screen drawing for the brand pictures: banded gradients and a per-pixel
// blend of the word-mark through its grey mask.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QtGlobal>
#include <optional>

class QFont;
class QPainter;
class QString;

// A packed colour 0x00BBGGRR: red in the low byte. QImage works in 0xAARRGGBB,
// so pixels are converted at the edge and the arithmetic stays on packed values.
using TColor = quint32;

constexpr TColor RGBColor(int red, int green, int blue)
{
    return TColor(red & 0xFF) | TColor(green & 0xFF) << 8 | TColor(blue & 0xFF) << 16;
}
constexpr int ColorRed(TColor color)
{
    return int(color & 0xFF);
}
constexpr int ColorGreen(TColor color)
{
    return int(color >> 8 & 0xFF);
}
constexpr int ColorBlue(TColor color)
{
    return int(color >> 16 & 0xFF);
}

// An opaque QImage pixel from a packed colour, and back (alpha dropped).
constexpr QRgb ColorToRgb(TColor color)
{
    return qRgb(ColorRed(color), ColorGreen(color), ColorBlue(color));
}
constexpr TColor RgbToColor(QRgb rgb)
{
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

enum class TGradientDirection
{
    Vertical = 0,
    Horizontal = 1
};

// Fills rect with `bands` solid bands from just past startColor to exactly
// endColor. Returns false and paints nothing when bands < 1. Painting outside
// the painter's device is cut off by the device.
bool PaintGradient(QPainter &painter, const QRect &rect, int bands, TColor startColor,
                   TColor endColor, TGradientDirection direction);

// Mixes two packed colours byte by byte; weight (0..255) is the background's share.
TColor CombineColor(TColor background, TColor foreground, int weight);

// Blends sourceRect of source onto target with its top-left corner at
// targetPos. The red channel of mask at the same source pixel is the weight
// of the target (255 keeps the target, 0 copies the source). Pixels that fall
// outside any of the three pictures are skipped.
void AlphaBlendBitmap(const QImage &source, const QImage &mask, QImage &target,
                      const QRect &sourceRect, const QPoint &targetPos);

// The word-mark bitmaps stored with the program.
enum class TWordMark
{
    Vertical,
    Horizontal
};
struct TWordMarkImages
{
    QImage Picture; // white letters on black
    QImage Mask;    // 0 on the letters, 255 around them
};
// Empty when either picture cannot be loaded. From a device pixel ratio of
// 1.5 up, the pictures drawn at twice the size (device pixel ratio 2).
std::optional<TWordMarkImages> LoadWordMark(TWordMark which, qreal devicePixelRatio = 1);

// The side strip of the clocks window.
constexpr int SideStripWordMarkGap = 5;     // between the word-mark and the strip's bottom
constexpr int SideStripMinHeightExtra = 15; // added to word-mark and brand panel heights

// Paints the strip into strip (resized to stripSize, in device pixels at the
// word-mark's device pixel ratio): the window's client rectangle clientRect
// as a light-to-brand gradient with one band per strip row, the vertical
// word-mark near the bottom, and a one-pixel frame. Sizes are logical.
void PaintSideWatermark(QImage &strip, const QSize &stripSize, const QRect &clientRect,
                        const TWordMarkImages &wordMark);

// The options dialog's strip across its top, stripSize logical pixels at the
// device pixel ratio: a brand-to-light gradient, the horizontal word-mark at
// the left, the web address in bold at the right in font, and a frame.
void PaintHeaderWatermark(QImage &strip, const QSize &stripSize, qreal devicePixelRatio,
                          const QFont &font, const QString &address);

// The window's minimum outer height for the side strip: the word-mark, the
// brand panel and a margin (108 with the 35-pixel brand panel).
int SideWatermarkMinHeight(const TWordMarkImages &wordMark, int brandPanelHeight);
