#include "inifile.h"

using namespace Qt::StringLiterals;

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray Trimmed(QByteArrayView line)
{
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && IsBlank(line[start]))
        ++start;
    // A blank kept by a "\" before it belongs to the value.
    while (end > start && IsBlank(line[end - 1]) && !(end - 2 >= start && line[end - 2] == '\\'))
        --end;
    return line.sliced(start, end - start).toByteArray();
}

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Control characters written as a letter after "\".
struct TControlEscape
{
    char16_t Character;
    char Letter;
};
constexpr TControlEscape ControlEscapes[] = {{u'\a', 'a'}, {u'\b', 'b'}, {u'\f', 'f'}, {u'\n', 'n'},
                                             {u'\r', 'r'}, {u'\t', 't'}, {u'\v', 'v'}};

std::optional<char> EscapeLetter(char16_t character)
{
    for (const TControlEscape &escape : ControlEscapes) {
        if (escape.Character == character)
            return escape.Letter;
    }
    return std::nullopt;
}

std::optional<char16_t> EscapedControl(QChar letter)
{
    for (const TControlEscape &escape : ControlEscapes) {
        if (letter == QLatin1Char(escape.Letter))
            return escape.Character;
    }
    return std::nullopt;
}

QByteArray EscapeKey(const QString &key)
{
    QByteArray out;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == u'/') {
            out += '\\';
        } else if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                   (u >= u'0' && u <= u'9') || u == u'_' || u == u'-' || u == u'.') {
            out += static_cast<char>(u);
        } else if (u <= 0xFF) {
            out += '%';
            out += HexDigits[u / 16];
            out += HexDigits[u % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += HexDigits[(u >> shift) & 0xF];
        }
    }
    return out;
}

QString UnescapeKey(const QByteArray &raw)
{
    const QString text = QString::fromUtf8(raw);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            out += u'/';
            continue;
        }
        if (c == u'%') {
            const bool wide = i + 1 < text.size() && text[i + 1] == u'U';
            const qsizetype digits = wide ? 4 : 2;
            const qsizetype first = i + (wide ? 2 : 1);
            int value = 0;
            qsizetype n = 0;
            for (; n < digits && first + n < text.size(); ++n) {
                const int digit = HexValue(text[first + n]);
                if (digit < 0)
                    break;
                value = value * 16 + digit;
            }
            if (n == digits) {
                out += QChar(static_cast<char16_t>(value));
                i = first + digits - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// The text of a value without its "@" typing, or nullopt for a typed value
// that is no text.
std::optional<QString> Untyped(const QString &value)
{
    if (!value.startsWith(u'@'))
        return value;
    if (value.startsWith(u"@@"))
        return value.mid(1);
    const auto inner = [&](QStringView prefix) -> std::optional<QString> {
        if (!value.startsWith(prefix) || !value.endsWith(u')'))
            return std::nullopt;
        return value.sliced(prefix.size(), value.size() - prefix.size() - 1);
    };
    if (const std::optional<QString> text = inner(u"@String("))
        return text;
    if (const std::optional<QString> bytes = inner(u"@ByteArray(")) {
        // The bytes came as \x escapes of one byte each.
        for (const QChar c : *bytes) {
            if (c.unicode() > 0xFF)
                return bytes;
        }
        return QString::fromUtf8(bytes->toLatin1());
    }
    for (const QStringView typed :
         {u"@Variant(", u"@DateTime(", u"@Rect(", u"@Size(", u"@Point(", u"@Invalid("}) {
        // Damaged or not, a typed value is no text to show.
        if (value.startsWith(typed))
            return std::nullopt;
    }
    return value;
}

// Lines of the file, a line ended by an odd number of "\" joined with the
// next one (the line break stays in it, the value reader drops it).
std::vector<QByteArray> LogicalLines(const QByteArray &bytes)
{
    std::vector<QByteArray> lines;
    QByteArray pending;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start <= n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < n)
            next += (bytes[next] == '\r' && next + 1 < n && bytes[next + 1] == '\n') ? 2 : 1;
        pending += bytes.sliced(start, end - start);
        qsizetype slashes = 0;
        while (slashes < pending.size() && pending[pending.size() - 1 - slashes] == '\\')
            ++slashes;
        if (slashes % 2 == 1 && end < n) {
            pending += bytes.sliced(end, next - end);
        } else {
            lines.push_back(std::move(pending));
            pending.clear();
        }
        if (end >= n)
            break;
        start = next;
    }
    if (!pending.isEmpty())
        lines.push_back(std::move(pending));
    return lines;
}

} // namespace

TIniDocument TIniDocument::Parse(const QByteArray &bytes)
{
    TIniDocument document;
    TSection *current = &document.Insert(QString());
    for (const QByteArray &rawLine : LogicalLines(bytes)) {
        const QByteArray line = Trimmed(rawLine);
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            const QByteArray name = line.mid(1, close < 0 ? -1 : close - 1);
            QString section = UnescapeKey(Trimmed(name));
            if (section.compare(u"General"_s, Qt::CaseInsensitive) == 0)
                section.clear();
            else if (section.compare(u"%General"_s, Qt::CaseInsensitive) == 0)
                section = section.mid(1);
            current = &document.Insert(section);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const QString key = UnescapeKey(Trimmed(QByteArrayView(line).first(equals)));
        if (key.isEmpty())
            continue;
        QByteArray raw = Trimmed(QByteArrayView(line).sliced(equals + 1));
        // A "\" that continues the value into nothing (the end of the file,
        // an empty line) means nothing; written back, it would swallow the
        // line after it.
        for (;;) {
            qsizetype slashes = 0;
            while (slashes < raw.size() && raw[raw.size() - 1 - slashes] == '\\')
                ++slashes;
            if (raw.endsWith('\r') || raw.endsWith('\n') || slashes % 2 == 1)
                raw = Trimmed(QByteArrayView(raw).chopped(1));
            else
                break;
        }
        current->Values[key] = std::move(raw);
    }
    return document;
}

QByteArray TIniDocument::Serialize() const
{
    QByteArray out;
    for (const TSection &section : FSections) {
        if (section.Values.empty())
            continue;
        if (!out.isEmpty())
            out += '\n';
        if (section.Name.isEmpty())
            out += "[General]";
        else if (section.Name.compare(u"General"_s, Qt::CaseInsensitive) == 0)
            out += "[%" + EscapeKey(section.Name) + ']';
        else
            out += '[' + EscapeKey(section.Name) + ']';
        out += '\n';
        for (const auto &[key, raw] : section.Values)
            out += EscapeKey(key) + '=' + raw + '\n';
    }
    return out;
}

bool TIniDocument::Contains(const QString &section, const QString &key) const
{
    const TSection *found = Find(section);
    return found && found->Values.count(key) != 0;
}

std::optional<QString> TIniDocument::Text(const QString &section, const QString &key) const
{
    const TSection *found = Find(section);
    if (!found)
        return std::nullopt;
    const auto value = found->Values.find(key);
    if (value == found->Values.end())
        return std::nullopt;
    return UnescapeValue(value->second);
}

QStringList TIniDocument::Sections() const
{
    QStringList names;
    for (const TSection &section : FSections)
        names.append(section.Name);
    return names;
}

QStringList TIniDocument::Keys(const QString &section) const
{
    QStringList keys;
    if (const TSection *found = Find(section)) {
        for (const auto &entry : found->Values)
            keys.append(entry.first);
    }
    return keys;
}

void TIniDocument::SetText(const QString &section, const QString &key, const QString &text)
{
    Insert(section).Values[key] = EscapeValue(text);
}

void TIniDocument::Remove(const QString &section, const QString &key)
{
    for (TSection &entry : FSections) {
        if (entry.Name == section)
            entry.Values.erase(key);
    }
}

QByteArray TIniDocument::EscapeValue(const QString &text)
{
    const QString typed = text.startsWith(u'@') ? u'@' + text : text;
    QByteArray out;
    // Plain characters go to UTF-8 in runs, so a pair of surrogates stays whole.
    qsizetype plainFrom = 0;
    const auto flushPlain = [&](qsizetype upTo) {
        out += QStringView(typed).sliced(plainFrom, upTo - plainFrom).toUtf8();
        plainFrom = upTo + 1;
    };
    bool needsQuotes = false;
    // "\0" followed by a digit would read as one octal escape.
    bool escapeNextIfHex = false;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const char16_t u = typed[i].unicode();
        if (u == u';' || u == u',' || u == u'=')
            needsQuotes = true;
        QByteArray escape;
        if (u == u'\0' || u == u'"' || u == u'\\')
            escape = QByteArray("\\") + (u == u'\0' ? '0' : static_cast<char>(u));
        else if (const std::optional<char> letter = EscapeLetter(u))
            escape = QByteArray("\\") + *letter;
        const bool hexAfterEscape = escapeNextIfHex && HexValue(typed[i]) >= 0;
        escapeNextIfHex = false;
        if (!escape.isEmpty()) {
            flushPlain(i);
            out += escape;
            escapeNextIfHex = u == u'\0';
        } else if (hexAfterEscape || u <= 0x1F) {
            flushPlain(i);
            out += "\\x" + QByteArray::number(u, 16);
            escapeNextIfHex = true;
        }
    }
    flushPlain(typed.size());
    if (needsQuotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

std::optional<QString> TIniDocument::UnescapeValue(const QByteArray &raw)
{
    const QString text = QString::fromUtf8(raw);
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'"')
            continue; // quotes only protect what they enclose
        if (c != u'\\' || i + 1 == n) {
            out += c;
            continue;
        }
        const QChar e = text[++i];
        if (const std::optional<char16_t> control = EscapedControl(e)) {
            out += QChar(*control);
            continue;
        }
        switch (e.unicode()) {
        case u'x': {
            char16_t value = 0;
            while (i + 1 < n && HexValue(text[i + 1]) >= 0)
                value = static_cast<char16_t>(value * 16 + HexValue(text[++i]));
            out += QChar(value);
            break;
        }
        case u'\n':
        case u'\r':
            // A continued line: the break and the next line's indent go.
            if (e == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            while (i + 1 < n && (text[i + 1] == u' ' || text[i + 1] == u'\t'))
                ++i;
            break;
        default:
            if (e >= u'0' && e <= u'7') {
                int value = e.unicode() - u'0';
                for (int digits = 1;
                     digits < 3 && i + 1 < n && text[i + 1] >= u'0' && text[i + 1] <= u'7';
                     ++digits)
                    value = value * 8 + (text[++i].unicode() - u'0');
                out += QChar(static_cast<char16_t>(value));
            } else {
                out += e; // \" \\ \' \? and any other character stand for themselves
            }
        }
    }
    return Untyped(out);
}

const TIniDocument::TSection *TIniDocument::Find(const QString &section) const
{
    for (const TSection &entry : FSections) {
        if (entry.Name == section)
            return &entry;
    }
    return nullptr;
}

TIniDocument::TSection &TIniDocument::Insert(const QString &section)
{
    for (TSection &entry : FSections) {
        if (entry.Name == section)
            return entry;
    }
    // The root's values come first, as they always have.
    if (section.isEmpty())
        return *FSections.insert(FSections.begin(), TSection{section, {}});
    FSections.push_back(TSection{section, {}});
    return FSections.back();
}
