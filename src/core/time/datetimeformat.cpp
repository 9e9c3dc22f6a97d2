#include "datetimeformat.h"

#include "core/system/exceptions.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t toUpperAscii(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c;
}

constexpr bool isAsciiLetter(char16_t c)
{
    const char16_t u = toUpperAscii(c);
    return u >= u'A' && u <= u'Z';
}

// Whether [p, end) begins with the ASCII word, ignoring case.
bool startsWithNoCase(const QChar *p, const QChar *end, std::u16string_view word)
{
    if (end - p < static_cast<std::ptrdiff_t>(word.size()))
        return false;
    for (const char16_t w : word) {
        if (toUpperAscii(p->unicode()) != toUpperAscii(w))
            return false;
        ++p;
    }
    return true;
}

bool startsAmPmToken(const QChar *p, const QChar *end)
{
    return startsWithNoCase(p, end, u"am/pm") || startsWithNoCase(p, end, u"a/p") ||
           startsWithNoCase(p, end, u"ampm");
}

// One formatting run: the value is decoded once, the output grows in place and
// nested formats (c, t, ddddd, ...) append to the same string.
class TFormatter
{
public:
    TFormatter(TDateTime value, const TFormatSettings &settings, QString &out)
        : FSettings(settings), FDate(DecodeDate(value)), FTime(DecodeTime(value)),
          FDayIndex(DayOfWeek(value) - 1), FOut(out)
    {}

    // Level 1 is the caller's format, level 2 a format it refers to; references
    // made from level 2 produce nothing, so formats that name each other cannot
    // recurse.
    void Append(const QString &format, int level);

private:
    void AppendNumber(int value, int minWidth);
    void Expand(const QString &format, int level)
    {
        if (level < 2)
            Append(format, level + 1);
    }

    const TFormatSettings &FSettings;
    TDateParts FDate;
    TTimeParts FTime;
    int FDayIndex; // 0 = Sunday
    QString &FOut;
};

void TFormatter::AppendNumber(int value, int minWidth)
{
    char16_t buffer[16];
    char16_t *const end = buffer + std::size(buffer);
    char16_t *p = end;
    const bool negative = value < 0;
    unsigned u = negative ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        *--p = char16_t(u'0' + u % 10);
        u /= 10;
    } while (u != 0);
    while (end - p < minWidth)
        *--p = u'0';
    if (negative)
        *--p = u'-';
    FOut.append(QStringView(p, end - p));
}

void TFormatter::Append(const QString &format, int level)
{
    const QChar *p = format.constData();
    const QChar *const end = p + format.size();
    char16_t lastToken = 0;
    bool twelveHour = false;

    while (p < end) {
        const QChar start = *p;
        char16_t token = toUpperAscii(start.unicode());
        ++p;
        int count = 1;
        if (isAsciiLetter(token)) {
            // A run of one letter, in either case, is one token. 'A' is matched
            // word by word below instead.
            if (token != u'A') {
                while (p < end && toUpperAscii(p->unicode()) == token) {
                    ++p;
                    ++count;
                }
            }
            // "hh:mm" means minutes; month names stay names after an hour.
            if (token == u'M' && count <= 2 && lastToken == u'H')
                token = u'N';
            lastToken = token;
        }

        switch (token) {
        case u'Y':
            if (count <= 2)
                AppendNumber((FDate.Year % 100 + 100) % 100, 2);
            else
                AppendNumber(FDate.Year, 4);
            break;
        case u'M':
            if (count <= 2)
                AppendNumber(FDate.Month, count);
            else if (count == 3)
                FOut += FSettings.ShortMonthNames[FDate.Month - 1];
            else
                FOut += FSettings.LongMonthNames[FDate.Month - 1];
            break;
        case u'D':
            if (count <= 2)
                AppendNumber(FDate.Day, count);
            else if (count == 3)
                FOut += FSettings.ShortDayNames[FDayIndex];
            else if (count == 4)
                FOut += FSettings.LongDayNames[FDayIndex];
            else if (count == 5)
                Expand(FSettings.ShortDateFormat, level);
            else
                Expand(FSettings.LongDateFormat, level);
            break;
        case u'H': {
            // The hour is on the 12-hour clock when the first "a" after it
            // (outside quotes, before the next hour) starts an am/pm token.
            char16_t quote = 0;
            for (const QChar *q = p; q < end && !twelveHour; ++q) {
                const char16_t c = q->unicode();
                if (quote != 0) {
                    if (c == quote)
                        quote = 0;
                } else if (c == u'\'' || c == u'"') {
                    quote = c;
                } else if (c == u'a' || c == u'A') {
                    twelveHour = startsAmPmToken(q, end);
                    break;
                } else if (c == u'h' || c == u'H') {
                    break;
                }
            }
            int hour = FTime.Hour;
            if (twelveHour)
                hour = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
            AppendNumber(hour, std::min(count, 2));
            break;
        }
        case u'N':
            AppendNumber(FTime.Minute, std::min(count, 2));
            break;
        case u'S':
            AppendNumber(FTime.Second, std::min(count, 2));
            break;
        case u'Z':
            AppendNumber(FTime.MSec, std::min(count, 3));
            break;
        case u'T':
            Expand(count == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, level);
            break;
        case u'C':
            if (level < 2) {
                Append(FSettings.ShortDateFormat, level + 1);
                if (FTime.Hour != 0 || FTime.Minute != 0 || FTime.Second != 0) {
                    FOut += u' ';
                    Append(FSettings.LongTimeFormat, level + 1);
                }
            }
            break;
        case u'A': {
            const QChar *const a = p - 1;
            const bool pm = FTime.Hour >= 12;
            if (startsWithNoCase(a, end, u"am/pm")) {
                FOut.append(a + (pm ? 3 : 0), 2);
                p = a + 5;
                twelveHour = true;
            } else if (startsWithNoCase(a, end, u"a/p")) {
                FOut.append(a[pm ? 2 : 0]);
                p = a + 3;
                twelveHour = true;
            } else if (startsWithNoCase(a, end, u"ampm")) {
                FOut += pm ? FSettings.TimePMString : FSettings.TimeAMString;
                p = a + 4;
                twelveHour = true;
            } else if (startsWithNoCase(a, end, u"aaaa")) {
                FOut += FSettings.LongDayNames[FDayIndex];
                p = a + 4;
            } else if (startsWithNoCase(a, end, u"aaa")) {
                FOut += FSettings.ShortDayNames[FDayIndex];
                p = a + 3;
            } else {
                FOut += start;
            }
            break;
        }
        case u'/':
            if (!FSettings.DateSeparator.isNull())
                FOut += FSettings.DateSeparator;
            break;
        case u':':
            if (!FSettings.TimeSeparator.isNull())
                FOut += FSettings.TimeSeparator;
            break;
        case u'\'':
        case u'"': {
            // An unclosed quote runs to the end of the format.
            const QChar *close = p;
            while (close < end && *close != start)
                ++close;
            FOut.append(p, close - p);
            p = close < end ? close + 1 : end;
            break;
        }
        default:
            // Letters that start no token (the era letters e and g among them:
            // the clocks only know the Gregorian calendar) are copied as written.
            for (int i = 0; i < count; ++i)
                FOut += start;
            break;
        }
    }
}

// Values beyond about ±270,000 years cannot be decoded into calendar fields
// without integer overflow; no clock ever shows one.
constexpr double MaxFormattableDays = 1e8;

} // namespace

QString FormatDateTime(const QString &format, TDateTime value, const TFormatSettings &settings)
{
    QString out;
    if (!std::isfinite(value) || std::abs(value) > MaxFormattableDays)
        return out;
    out.reserve(format.size() + 32);
    TFormatter(value, settings, out).Append(format, 1);
    return out;
}

namespace {

// The time-of-day scanner: blanks may precede every part.
class TTimeScanner
{
public:
    explicit TTimeScanner(const QString &text)
        : FP(text.constData()), FEnd(text.constData() + text.size())
    {}

    void SkipBlanks()
    {
        while (FP < FEnd && *FP == u' ')
            ++FP;
    }
    bool AtEnd() const { return FP == FEnd; }

    bool Char(QChar c)
    {
        SkipBlanks();
        if (FP < FEnd && *FP == c) {
            ++FP;
            return true;
        }
        return false;
    }

    // "AM" -> 0, "PM" -> 12, anything else -> -1 (nothing consumed).
    int Mark()
    {
        SkipBlanks();
        if (startsWithNoCase(FP, FEnd, u"am")) {
            FP += 2;
            return 0;
        }
        if (startsWithNoCase(FP, FEnd, u"pm")) {
            FP += 2;
            return 12;
        }
        return -1;
    }

    // Decimal digits; -1 when there are none. Long runs saturate well above
    // any valid field so they fail the range checks instead of overflowing.
    int Number()
    {
        SkipBlanks();
        int value = -1;
        while (FP < FEnd && FP->unicode() >= u'0' && FP->unicode() <= u'9') {
            const int digit = FP->unicode() - u'0';
            value = value < 0 ? digit : std::min(value * 10 + digit, 100'000);
            ++FP;
        }
        return value;
    }

private:
    const QChar *FP;
    const QChar *FEnd;
};

} // namespace

TDateTime ParseTimeOfDay(const QString &text, const TFormatSettings &settings)
{
    const auto fail = [&text]() {
        return EConvertError(u"'"_s + text + u"' is not a valid time"_s);
    };

    TTimeScanner scan(text);
    int base = scan.Mark();
    int hour = scan.Number();
    if (hour < 0)
        throw fail();
    int minute = 0;
    int second = 0;
    int msec = 0;
    if (scan.Char(u':')) {
        minute = scan.Number();
        if (minute < 0)
            throw fail();
        if (scan.Char(u':')) {
            second = scan.Number();
            if (second < 0)
                throw fail();
            if (scan.Char(settings.DecimalSeparator)) {
                msec = scan.Number();
                if (msec < 0)
                    throw fail();
            }
        }
    }
    if (base < 0)
        base = scan.Mark();
    scan.SkipBlanks();
    if (!scan.AtEnd())
        throw fail();

    if (base >= 0) {
        if (hour < 1 || hour > 12)
            throw fail();
        hour = hour % 12 + base;
    } else if (hour > 23) {
        throw fail();
    }
    if (minute > 59 || second > 59 || msec > 999)
        throw fail();
    return EncodeTime(hour, minute, second, msec);
}
