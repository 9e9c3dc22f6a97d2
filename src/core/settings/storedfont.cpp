#include "storedfont.h"

#include <QStringList>

namespace {

std::optional<int> DecimalInteger(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

TStoredFont DesignClockFont()
{
    return TStoredFont{QStringLiteral("Tahoma"), 8, 0, WindowTextColor};
}

QString EncodeFont(const TStoredFont &font)
{
    return QStringLiteral("%1;%2;%3;%4")
        .arg(font.Name)
        .arg(font.Size)
        .arg(font.Style)
        .arg(font.Color);
}

std::optional<TStoredFont> DecodeFont(const QString &text)
{
    const QStringList parts = text.split(u';');
    if (parts.size() < 4)
        return std::nullopt;
    const qsizetype numbers = parts.size() - 3;
    const std::optional<int> size = DecimalInteger(parts[numbers]);
    const std::optional<int> style = DecimalInteger(parts[numbers + 1]);
    const std::optional<int> color = DecimalInteger(parts[numbers + 2]);
    if (!size || !style || !color || *size < MinClockFontSize || *size > MaxClockFontSize)
        return std::nullopt;
    return TStoredFont{parts.mid(0, numbers).join(u';').trimmed(), *size, *style, *color};
}
