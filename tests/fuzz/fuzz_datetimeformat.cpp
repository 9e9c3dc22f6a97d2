// Feeds arbitrary formats, values and time texts to the formatter, the Qt
// format translation and the time-of-day parser. The first 8 bytes are the
// value, the rest UTF-8 text.
#include "core/system/exceptions.h"
#include "core/time/datetimeformat.h"

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const TFormatSettings british = TFormatSettings::British();
    double value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    // The settings' formats refer back to the text, so nesting is exercised too.
    TFormatSettings settings = british;
    settings.ShortDateFormat = text;
    settings.LongTimeFormat = text;
    (void)FormatDateTime(text, value, settings);
    (void)FormatDateTime(text, std::fmod(value, 3e6), british);
    const QString translated = FormatFromQtFormat(text, u'.', u':');
    (void)FormatDateTime(translated, 46362.5, british);
    try {
        const TDateTime t = ParseTimeOfDay(text, british);
        if (!(t >= 0 && t < 1))
            __builtin_trap();
    } catch (const EConvertError &) {
    }
    return 0;
}
