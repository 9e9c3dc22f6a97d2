#include "searchkey.h"

#include <QChar>
#include <QString>
#include <cstring>

namespace {

// Letters that Unicode does not decompose into a base letter and a mark.
const char *SpelledOut(char32_t c)
{
    switch (c) {
    case U'ß':
    case U'ẞ':
        return "ss";
    case U'æ':
    case U'Æ':
        return "ae";
    case U'œ':
    case U'Œ':
        return "oe";
    case U'ø':
    case U'Ø':
        return "o";
    case U'ł':
    case U'Ł':
        return "l";
    case U'đ':
    case U'Đ':
    case U'ð':
    case U'Ð':
        return "d";
    case U'ħ':
    case U'Ħ':
        return "h";
    case U'ı':
        return "i";
    case U'þ':
    case U'Þ':
        return "th";
    default:
        return nullptr;
    }
}

void AppendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xc0 | (c >> 6));
        out += char(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += char(0xe0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3f));
        out += char(0x80 | (c & 0x3f));
    } else {
        out += char(0xf0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3f));
        out += char(0x80 | ((c >> 6) & 0x3f));
        out += char(0x80 | (c & 0x3f));
    }
}

bool IsApostrophe(char32_t c)
{
    return c == U'\'' || c == U'’' || c == U'ʼ' || c == U'ʻ' || c == U'`' || c == U'ʹ';
}

} // namespace

QByteArray SearchKey(QStringView text)
{
    // Straight into UTF-8, without the copies of a QString and a code point
    // list between: the search folds every translated name of the user's
    // language when it starts.
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QByteArray folded;
    folded.reserve(decomposed.size() + 8);
    bool pendingSpace = false;
    const auto *p = reinterpret_cast<const char16_t *>(decomposed.constData());
    const char16_t *const end = p + decomposed.size();
    while (p < end) {
        char32_t c = *p++;
        if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p)) {
            c = QChar::surrogateToUcs4(char16_t(c), *p++);
        }
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing || IsApostrophe(c)) {
            continue;
        }
        if (!QChar::isLetterOrNumber(c)) {
            pendingSpace = !folded.isEmpty();
            continue;
        }
        if (pendingSpace) {
            folded += ' ';
            pendingSpace = false;
        }
        if (const char *spelled = SpelledOut(c)) {
            folded += spelled;
        } else {
            AppendUtf8(folded, QChar::toCaseFolded(c));
        }
    }
    return folded;
}

QByteArray SearchKey(QByteArrayView utf8)
{
    bool ascii = true;
    bool ideographs = !utf8.isEmpty() && utf8.size() % 3 == 0;
    for (qsizetype i = 0; i < utf8.size() && (ascii || ideographs); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        ascii = ascii && byte < 0x80;
        if (ideographs && i % 3 == 0) {
            // U+4E00..U+9FFF, the unified ideographs: letters without case
            // or decomposition, which fold to themselves.
            const auto second = static_cast<unsigned char>(utf8[i + 1]);
            const auto third = static_cast<unsigned char>(utf8[i + 2]);
            ideographs = ((byte == 0xe4 && second >= 0xb8) || (byte >= 0xe5 && byte <= 0xe9)) &&
                         second >= 0x80 && second <= 0xbf && third >= 0x80 && third <= 0xbf;
        }
    }
    if (ideographs) {
        return utf8.toByteArray();
    }
    if (!ascii) {
        return SearchKey(QString::fromUtf8(utf8));
    }
    // As the general way folds ASCII: letters and digits lower-cased,
    // apostrophes dropped, any other run one space.
    QByteArray folded;
    folded.reserve(utf8.size());
    bool pendingSpace = false;
    for (const char c : utf8) {
        if (c == '\'' || c == '`') {
            continue;
        }
        const bool upper = c >= 'A' && c <= 'Z';
        if (!upper && !(c >= 'a' && c <= 'z') && !(c >= '0' && c <= '9')) {
            pendingSpace = !folded.isEmpty();
            continue;
        }
        if (pendingSpace) {
            folded += ' ';
            pendingSpace = false;
        }
        folded += upper ? char(c - 'A' + 'a') : c;
    }
    return folded;
}

bool KeyHasWordPrefix(const char *key, int keyLength, const QByteArray &token)
{
    const auto tokenLength = static_cast<int>(token.size());
    if (tokenLength == 0) {
        return true;
    }
    const char first = token.front();
    for (int at = 0; at + tokenLength <= keyLength;) {
        if (key[at] == first && std::memcmp(key + at, token.constData(), tokenLength) == 0) {
            return true;
        }
        const void *space = std::memchr(key + at, ' ', keyLength - at);
        if (space == nullptr) {
            break;
        }
        at = static_cast<int>(static_cast<const char *>(space) - key) + 1;
    }
    return false;
}

bool KeyHasWordPrefix(const QByteArray &key, const QByteArray &token)
{
    return KeyHasWordPrefix(key.constData(), static_cast<int>(key.size()), token);
}
