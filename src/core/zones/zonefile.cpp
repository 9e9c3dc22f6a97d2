// The zone database reader: zones.ini split into sections, one zone each.
#include "zonefile.h"

#include "core/settings/regularfile.h"
#include "core/time/datetimeformat.h"
#include "core/zones/timezonelist.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStringDecoder>
#include <limits>
#include <optional>
#include <span>

using namespace Qt::StringLiterals;

namespace {

// The body lines of one section, as they stand in the file's lines.
using TSectionLines = std::span<const QString>;

// Signed 32-bit integer:
//   " "* ["+" | "-"] (digit+ | ("$" | "0x" | "0X") hexdigit+)
// and nothing after it. Out of range is no number.
std::optional<std::int32_t> ToInt(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ') {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9') {
            digit = c - u'0';
        } else if (base == 16 && c >= u'a' && c <= u'f') {
            digit = c - u'a' + 10;
        } else if (base == 16 && c >= u'A' && c <= u'F') {
            digit = c - u'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

// The value of the first body line whose text before its first "=" is the
// key, any case; nullopt when no line matches.
std::optional<QString> FindValue(TSectionLines lines, QStringView key)
{
    // A key holds no "=": a line whose first "=" follows the key's length in
    // letters is one whose letters before it are the key's, in any case.
    const qsizetype equals = key.size();
    for (const QString &line : lines) {
        if (line.size() > equals && line[equals] == u'=' &&
            QStringView(line).left(equals).compare(key, Qt::CaseInsensitive) == 0) {
            return line.mid(equals + 1);
        }
    }
    return std::nullopt;
}

QString Value(TSectionLines lines, QStringView key)
{
    return FindValue(lines, key).value_or(QString());
}

std::int32_t IntValue(TSectionLines lines, QStringView key, std::int32_t defaultValue)
{
    const std::optional<QString> text = FindValue(lines, key);
    if (!text) {
        return defaultValue;
    }
    return ToInt(*text).value_or(defaultValue);
}

// Reads one small rule field: its integer in 0..max, or EConvertError naming
// the key and the value as written.
std::uint8_t RuleField(TSectionLines lines, const QString &key, int max)
{
    const QString text = Value(lines, key);
    const std::int32_t value = ToInt(text).value_or(-1);
    if (value < 0 || value > max) {
        throw EConvertError(u"Invalid "_s + key + u" value: "_s + text);
    }
    return static_cast<std::uint8_t>(value);
}

void ReadRule(TSectionLines lines, const QString &prefix, TZoneRule &rule)
{
    const QString monthKey = prefix + u"OnMonth"_s;
    const std::int32_t month = IntValue(lines, monthKey, -1);
    if (month < 0 || month > 12) {
        throw EConvertError(u"Invalid "_s + monthKey + u" value "_s + QString::number(month));
    }
    rule = TZoneRule();
    if (month == 0) {
        return; // no rule: the other keys are not read
    }
    rule.OnMonth = static_cast<std::uint8_t>(month);
    const int type = RuleField(lines, prefix + u"OnType"_s, 3);
    rule.OnType = static_cast<TZoneRuleType>(type);
    rule.OnDay = RuleField(lines, prefix + u"OnDay"_s, 31);
    rule.OnDayOfWeek = RuleField(lines, prefix + u"OnDayOfWeek"_s, 7);
    rule.OnTime = ParseTimeOfDay(Value(lines, QString(prefix + u"OnTime"_s)));
}

// The shipped file is about 250 KiB; a link to /dev/zero must not read until
// memory runs out.
constexpr qint64 MaxZoneFileBytes = 16 * 1024 * 1024;

// More than a hundred years of changes is no zone file of ours.
constexpr int MaxStatedChanges = 1000;

// Exactly `count` decimal digits from `from`, or -1.
int Digits(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

// A UTC moment in milliseconds since 30 December 1899:
//   yyyy "-" mm "-" dd " " hh ":" nn [":" ss]
// a real date of years 1..9999, hours 0..23, minutes and seconds 0..59.
std::optional<std::int64_t> ToMomentMSecs(QStringView text)
{
    const qsizetype n = text.size();
    if ((n != 16 && n != 19) || text[4] != u'-' || text[7] != u'-' || text[10] != u' ' ||
        text[13] != u':' || (n == 19 && text[16] != u':')) {
        return std::nullopt;
    }
    const int year = Digits(text, 0, 4);
    const int month = Digits(text, 5, 2);
    const int day = Digits(text, 8, 2);
    const int hour = Digits(text, 11, 2);
    const int minute = Digits(text, 14, 2);
    const int second = n == 19 ? Digits(text, 17, 2) : 0;
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    return (std::int64_t(DayNumber(year, month, day)) * 86'400 + hour * 3600 + minute * 60 +
            second) *
           1000;
}

// One stated change:
//   moment "," minutes east of UTC "," ("standard" | "daylight") "," abbreviation
// The abbreviation is the rest of the line and may be empty.
std::optional<TZoneChange> ToChange(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() < 4) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> at = ToMomentMSecs(parts[0]);
    const std::optional<std::int32_t> offset = ToInt(parts[1]);
    const bool daylight = parts[2] == u"daylight"_s;
    if (!at || !offset || (!daylight && parts[2] != u"standard"_s)) {
        return std::nullopt;
    }
    return TZoneChange{*at, *offset, daylight, parts.mid(3).join(u',')};
}

// The values of Change1 … Change<count>, the first line of each winning, in
// one pass over the lines: a hostile count must not make loading quadratic.
std::vector<std::optional<QString>> ChangeValues(TSectionLines lines, int count)
{
    std::vector<std::optional<QString>> values(static_cast<std::size_t>(count));
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 6 || !line.startsWith(u"Change"_s, Qt::CaseInsensitive)) {
            continue;
        }
        const QStringView number = QStringView(line).sliced(6, equals - 6);
        if (number.front() < u'1' || number.front() > u'9') {
            continue; // "Change01" is not key Change1
        }
        const std::optional<std::int32_t> index = ToInt(number);
        if (index && *index >= 1 && *index <= count && !values[std::size_t(*index - 1)]) {
            values[std::size_t(*index - 1)] = line.mid(equals + 1);
        }
    }
    return values;
}

// ChangeCount, Change1 … and ChangesUntil; a section without ChangeCount is a
// zone of rules alone.
void ReadStatedChanges(TSectionLines lines, TTimeZone &zone)
{
    zone.Changes.clear();
    zone.ChangesUntilMSecs = 0;
    const std::optional<QString> countText = FindValue(lines, u"ChangeCount");
    if (!countText) {
        return;
    }
    const std::int32_t count = ToInt(*countText).value_or(-1);
    if (count < 0 || count > MaxStatedChanges) {
        throw EConvertError(u"Invalid ChangeCount value: "_s + *countText);
    }
    if (count == 0) {
        return;
    }
    const std::vector<std::optional<QString>> values = ChangeValues(lines, count);
    std::vector<TZoneChange> changes;
    changes.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const QString text = values[i].value_or(QString());
        std::optional<TZoneChange> change = ToChange(text);
        if (!change || (!changes.empty() && change->AtMSecs <= changes.back().AtMSecs)) {
            throw EConvertError(u"Invalid Change%1 value: "_s.arg(i + 1) + text);
        }
        changes.push_back(std::move(*change));
    }
    const QString untilText = Value(lines, u"ChangesUntil");
    const std::optional<std::int64_t> until = ToMomentMSecs(untilText);
    if (!until || *until <= changes.back().AtMSecs) {
        throw EConvertError(u"Invalid ChangesUntil value: "_s + untilText);
    }
    zone.Changes = std::move(changes);
    zone.ChangesUntilMSecs = *until;
}

bool IsBlank(QChar c)
{
    return c.unicode() <= u' ';
}

QStringView TrimLeft(const QString &line)
{
    qsizetype i = 0;
    while (i < line.size() && IsBlank(line[i])) {
        ++i;
    }
    return QStringView(line).mid(i);
}

} // namespace

void TTimeZone::LoadFromSection(const QStringList &lines)
{
    LoadFromSection(TSectionLines(lines.constData(), static_cast<std::size_t>(lines.size())));
}

void TTimeZone::LoadFromSection(std::span<const QString> lines)
{
    try {
        UTCOffset = IntValue(lines, u"UTCOffset", 0);
        StandardAbbr = Value(lines, u"StandardAbbr");
        StandardOffset = IntValue(lines, u"StandardOffset", 0);
        ReadRule(lines, u"Standard"_s, StandardRule);
        DaylightAbbr = Value(lines, u"DaylightAbbr");
        DaylightOffset = IntValue(lines, u"DaylightOffset", 0);
        ReadRule(lines, u"Daylight"_s, DaylightRule);
        ReadStatedChanges(lines, *this);
    } catch (const Exception &e) {
        throw ETimeZoneError(Name + u": "_s + e.Message());
    }
}

QString DecodeZoneFileText(const QByteArray &bytes)
{
    // A byte-order mark declares UTF-8: stray bytes after it become
    // replacement characters rather than turning the whole file into Latin-1.
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    return QString::fromLatin1(bytes);
}

QStringList SplitZoneFileLines(const QString &text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < n) {
        lines.append(text.mid(start));
    }
    return lines;
}

void TTimeZoneList::LoadFromZoneFile(const QString &fileName)
{
    const QStringList lines =
        SplitZoneFileLines(DecodeZoneFileText(ReadRegularFile(fileName, MaxZoneFileBytes)));
    // An empty file (a disk that filled up while it was written, a failed
    // package upgrade) would read as a world without zones, where every
    // stored clock is lost.
    if (ReadZoneText(lines) == 0) {
        throw EFileOpenError(
            QCoreApplication::translate("TTimeZoneList", "\"%1\" holds no time zones")
                .arg(QDir::toNativeSeparators(fileName)));
    }
}

void TTimeZoneList::LoadFromZoneText(const QStringList &lines)
{
    ReadZoneText(lines);
}

// A section runs from its header to the line before the next header. The last
// line of the text always closes the open section and belongs to its body,
// even when it is a header itself.
int TTimeZoneList::ReadZoneText(const QStringList &lines)
{
    // Taken from the text the zones come from, so that it is their version
    // even when the file has been made anew since.
    static const QRegularExpression versionLine(u"^# version ([^\\s,]+)"_s);
    FVersion = versionLine.match(lines.value(0)).captured(1);
    // Added together once read: one by one, each insertion in a large file
    // written out of order would move the entries after it.
    std::vector<std::unique_ptr<TTimeZone>> zones;
    const qsizetype count = lines.size();
    qsizetype header = -1;
    try {
        for (qsizetype i = 0; i < count; ++i) {
            const QStringView kind = TrimLeft(lines[i]);
            const bool last = i == count - 1;
            if (!kind.startsWith(u'[') && !last) {
                continue; // a body line, a comment or a blank line
            }
            if (header >= 0) {
                auto zone = std::make_unique<TTimeZone>();
                zone->Name = lines[header];
                zone->Name.remove(u'[').remove(u']');
                const qsizetype bodyEnd = last ? i + 1 : i;
                // In place: a copy of the lines for each section costs more
                // than reading them.
                const TSectionLines body(lines.constData() + header + 1,
                                         static_cast<std::size_t>(bodyEnd - header - 1));
                zone->LoadFromSection(body);
                AddAliases(*zone, Value(body, u"Aliases"));
                zones.push_back(std::move(zone));
            }
            header = i;
        }
    } catch (...) {
        AddAll(std::move(zones));
        throw;
    }
    const int read = static_cast<int>(zones.size());
    AddAll(std::move(zones));
    return read;
}

//   Aliases = [name (";" name)*]
// Each name one the zone is also known by; the first zone to claim a name
// keeps it.
void TTimeZoneList::AddAliases(const TTimeZone &zone, const QString &names)
{
    for (const QString &alias : names.split(u';', Qt::SkipEmptyParts)) {
        const QString key = alias.toCaseFolded();
        if (!FAliases.contains(key)) {
            FAliases.insert(key, zone.Name);
        }
    }
}
