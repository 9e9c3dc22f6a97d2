#include "clockfont.h"

#include <algorithm>

QFont FontFromSpec(const TFontSpec &spec)
{
    QFont font(spec.Name);
    font.setPointSize(std::max(1, spec.Size));
    font.setBold((spec.Style & TFontSpec::fsBold) != 0);
    font.setItalic((spec.Style & TFontSpec::fsItalic) != 0);
    font.setUnderline((spec.Style & TFontSpec::fsUnderline) != 0);
    font.setStrikeOut((spec.Style & TFontSpec::fsStrikeOut) != 0);
    return font;
}

TFontSpec SpecFromFont(const QFont &font, std::int32_t color)
{
    TFontSpec spec;
    spec.Name = font.family();
    spec.Size = std::max(1, font.pointSize());
    spec.Style = (font.bold() ? TFontSpec::fsBold : 0) | (font.italic() ? TFontSpec::fsItalic : 0) |
                 (font.underline() ? TFontSpec::fsUnderline : 0) |
                 (font.strikeOut() ? TFontSpec::fsStrikeOut : 0);
    spec.Color = color;
    return spec;
}

QColor ColorFromSpec(std::int32_t color, const QColor &systemColor)
{
    if (IsSystemColor(color))
        return systemColor;
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
