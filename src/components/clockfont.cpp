#include "clockfont.h"

#include <algorithm>

QFont FontFromSpec(const TFontSpec &stored)
{
    QFont font(stored.Name);
    font.setPointSize(std::max(1, stored.Size));
    font.setBold((stored.Style & TFontSpec::fsBold) != 0);
    font.setItalic((stored.Style & TFontSpec::fsItalic) != 0);
    font.setUnderline((stored.Style & TFontSpec::fsUnderline) != 0);
    font.setStrikeOut((stored.Style & TFontSpec::fsStrikeOut) != 0);
    return font;
}

TFontSpec SpecFromFont(const QFont &font, std::int32_t color)
{
    TFontSpec stored;
    stored.Name = font.family();
    stored.Size = std::max(1, font.pointSize());
    stored.Style = (font.bold() ? TFontSpec::fsBold : 0) | (font.italic() ? TFontSpec::fsItalic : 0) |
                 (font.underline() ? TFontSpec::fsUnderline : 0) |
                 (font.strikeOut() ? TFontSpec::fsStrikeOut : 0);
    stored.Color = color;
    return stored;
}

QColor ColorFromSpec(std::int32_t color, const QColor &systemColor)
{
    if (IsSystemColor(color))
        return systemColor;
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
