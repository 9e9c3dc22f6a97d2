#include "clockfont.h"

#include <algorithm>

QFont FontFromStored(const TStoredFont &stored)
{
    QFont font(stored.Name);
    font.setPointSize(std::max(1, stored.Size));
    font.setBold((stored.Style & TStoredFont::fsBold) != 0);
    font.setItalic((stored.Style & TStoredFont::fsItalic) != 0);
    font.setUnderline((stored.Style & TStoredFont::fsUnderline) != 0);
    font.setStrikeOut((stored.Style & TStoredFont::fsStrikeOut) != 0);
    return font;
}

TStoredFont StoredFromFont(const QFont &font, std::int32_t color)
{
    TStoredFont stored;
    stored.Name = font.family();
    // What is stored must read back: a size typed into the font dialog beyond
    // the sizes it offers is taken as the nearest of them.
    stored.Size = std::clamp(font.pointSize(), MinClockFontSize, MaxClockFontSize);
    stored.Style = (font.bold() ? TStoredFont::fsBold : 0) |
                   (font.italic() ? TStoredFont::fsItalic : 0) |
                   (font.underline() ? TStoredFont::fsUnderline : 0) |
                   (font.strikeOut() ? TStoredFont::fsStrikeOut : 0);
    stored.Color = color;
    return stored;
}

QColor ColorFromStored(std::int32_t color, const QColor &systemColor)
{
    if (IsSystemColor(color))
        return systemColor;
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
