// The stored clock font (face, size, style bits, packed colour) as Qt's font
// and colour, one way and back. Shared by the clocks window, which applies
// it, and the options dialog, which edits it.
#pragma once

#include "core/settings/storedfont.h"

#include <QColor>
#include <QFont>
#include <cstdint>

QFont FontFromStored(const TStoredFont &stored);
TStoredFont StoredFromFont(const QFont &font, std::int32_t color);
// A plain 0x00BBGGRR colour, or systemColor for a system colour (high bit set).
QColor ColorFromStored(std::int32_t color, const QColor &systemColor);
