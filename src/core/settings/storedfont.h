// The clock font as the settings file keeps it: face, size, style bits and a
// packed colour, with its one-line text form. The widgets turn it into a
// QFont and QColor (gui/widgets/clockfont.h).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// System colours carry the high bit and their index in the low byte.
constexpr std::int32_t WindowTextColor = static_cast<std::int32_t>(0x80000008u);
constexpr bool IsSystemColor(std::int32_t color)
{
    return color < 0;
}

// The sizes the clock font may have: what the font dialog offers. A stored
// size outside them (a 2000 pt font makes a window of gigabytes) is damage.
constexpr int MinClockFontSize = 6;
constexpr int MaxClockFontSize = 144;

// A font as the settings keep it; the widgets turn it into a QFont and QColor.
struct TStoredFont
{
    static constexpr int fsBold = 1;
    static constexpr int fsItalic = 2;
    static constexpr int fsUnderline = 4;
    static constexpr int fsStrikeOut = 8;

    QString Name;                         // face name
    int Size = 8;                         // points, MinClockFontSize..MaxClockFontSize
    int Style = 0;                        // sum of the fs* bits
    std::int32_t Color = WindowTextColor; // 0x00BBGGRR (red in the low byte) or a system colour

    friend bool operator==(const TStoredFont &, const TStoredFont &) = default;
};

// The clocks' own font: Tahoma 8 pt, regular, the window-text colour.
TStoredFont DesignClockFont();
// "face;size;style;colour", the numbers in signed decimal: "Arial;10;1;255".
QString EncodeFont(const TStoredFont &font);
// nullopt for an empty text or one that does not decode, or whose size is out
// of MinClockFontSize..MaxClockFontSize (the clocks then use DesignClockFont). The three numbers
// are taken from the end, so a face name may hold a ";".
std::optional<TStoredFont> DecodeFont(const QString &text);
