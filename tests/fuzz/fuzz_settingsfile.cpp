// Feeds arbitrary bytes to the settings file reader. Whatever it accepts must
// survive being written and read again unchanged, and any text stored as a
// value must read back as itself.
#include "core/settings/inifile.h"

#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const TIniDocument read = TIniDocument::Parse(bytes);
    const QByteArray written = read.Serialize();
    const TIniDocument again = TIniDocument::Parse(written);
    if (again.Serialize() != written) {
        __builtin_trap();
    }
    for (const QString &section : read.Sections()) {
        for (const QString &key : read.Keys(section)) {
            if (!again.Contains(section, key) ||
                again.Text(section, key) != read.Text(section, key)) {
                __builtin_trap();
            }
        }
    }

    const QString text = QString::fromUtf8(bytes.left(512));
    TIniDocument stored = read;
    stored.SetText(u"Clocks"_s, text.left(40), text);
    const TIniDocument reread = TIniDocument::Parse(stored.Serialize());
    if (!text.left(40).trimmed().isEmpty() && reread.Text(u"Clocks"_s, text.left(40)) != text) {
        __builtin_trap();
    }
    return 0;
}
