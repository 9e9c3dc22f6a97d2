#include "searchkey.h"

#include <QChar>
#include <QList>
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

bool IsApostrophe(char32_t c)
{
    return c == U'\'' || c == U'’' || c == U'ʼ' || c == U'ʻ' || c == U'`' || c == U'ʹ';
}

} // namespace

QByteArray SearchKey(QStringView text)
{
    const QList<uint> codes = text.toString().normalized(QString::NormalizationForm_KD).toUcs4();
    QString folded;
    folded.reserve(codes.size());
    bool pendingSpace = false;
    for (const uint code : codes) {
        const auto c = static_cast<char32_t>(code);
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
            folded += u' ';
            pendingSpace = false;
        }
        if (const char *spelled = SpelledOut(c)) {
            folded += QLatin1StringView(spelled);
        } else {
            const char32_t lower = QChar::toCaseFolded(c);
            if (QChar::requiresSurrogates(lower)) {
                folded += QChar(QChar::highSurrogate(lower));
                folded += QChar(QChar::lowSurrogate(lower));
            } else {
                folded += QChar(static_cast<char16_t>(lower));
            }
        }
    }
    return folded.toUtf8();
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
