#include "formatsettings.h"

#include <QLocale>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr bool isAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Length of the run of c starting at i.
qsizetype runLength(const QString &s, qsizetype i)
{
    qsizetype j = i + 1;
    while (j < s.size() && s[j] == s[i])
        ++j;
    return j - i;
}

// Index just past a Qt quoted section opening at i ('' inside stands for one quote).
qsizetype skipQtQuote(const QString &s, qsizetype i)
{
    for (++i; i < s.size(); ++i) {
        if (s[i] == u'\'') {
            if (i + 1 < s.size() && s[i + 1] == u'\'')
                ++i;
            else
                return i + 1;
        }
    }
    return i;
}

// The first punctuation character of a Qt format (after its first hour field
// when afterHour), skipping letters, blanks, invisible direction marks and
// quoted text; fallback when there is none.
QChar separatorOf(const QString &qtFormat, bool afterHour, QChar fallback)
{
    bool looking = !afterHour;
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat[i];
        if (c == u'\'') {
            i = skipQtQuote(qtFormat, i);
            continue;
        }
        if (c == u'h' || c == u'H')
            looking = true;
        else if (looking && !c.isLetterOrNumber() && !c.isSpace() &&
                 c.category() != QChar::Other_Format)
            return c;
        ++i;
    }
    return fallback;
}

// Writes literal text so the formatter copies it unchanged: ASCII letters and
// the characters the formatter reads (/ : ' ") go in quotes.
class TLiteralWriter
{
public:
    explicit TLiteralWriter(QString &out) : FOut(out) {}
    ~TLiteralWriter() { Close(); }
    TLiteralWriter(const TLiteralWriter &) = delete;
    TLiteralWriter &operator=(const TLiteralWriter &) = delete;

    void Close()
    {
        if (FOpen) {
            FOut += u'\'';
            FOpen = false;
        }
    }
    void Literal(QChar c)
    {
        const char16_t u = c.unicode();
        if (u == u'\'') {
            Close();
            FOut += u"\"'\""_s;
        } else if (u == u'"') {
            Close();
            FOut += u"'\"'"_s;
        } else if (isAsciiLetter(u) || u == u'/' || u == u':') {
            if (!FOpen) {
                FOut += u'\'';
                FOpen = true;
            }
            FOut += c;
        } else {
            Close();
            FOut += c;
        }
    }
    // A token of ours; never inside quotes.
    void Token(QChar letter, qsizetype count)
    {
        Close();
        FOut += QString(count, letter);
    }

private:
    QString &FOut;
    bool FOpen = false;
};

std::optional<TFormatSettings> &CurrentSettings()
{
    static std::optional<TFormatSettings> settings;
    return settings;
}

} // namespace

QString FormatFromQtFormat(const QString &qtFormat)
{
    return FormatFromQtFormat(qtFormat, u'/', u':');
}

QString FormatFromQtFormat(const QString &qtFormat, QChar dateSeparator, QChar timeSeparator)
{
    QString out;
    out.reserve(qtFormat.size() + 8);
    TLiteralWriter writer(out);
    // A dropped time-zone field takes its blanks along: "HH:mm:ss t" and
    // "t HH:mm:ss" both become "hh:nn:ss".
    bool skipBlanks = false;

    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat[i];
        const qsizetype run = runLength(qtFormat, i);
        if (skipBlanks && c == u' ') {
            ++i;
            continue;
        }
        skipBlanks = false;

        switch (c.unicode()) {
        case u'd':
            // Qt splits longer runs into several fields; adjacent fields would
            // read as one longer token here, so the surplus letters are dropped.
            writer.Token(u'd', std::min<qsizetype>(run, 4));
            break;
        case u'M':
            writer.Token(u'm', std::min<qsizetype>(run, 4));
            break;
        case u'y':
            if (run >= 4)
                writer.Token(u'y', 4);
            else if (run >= 2)
                writer.Token(u'y', 2);
            else
                writer.Literal(c); // a lone y is literal text to Qt
            break;
        case u'h':
        case u'H':
            // H is Qt's 24-hour field; our hour follows an am/pm field when the
            // format has one, which a locale's H format never does.
            writer.Token(u'h', std::min<qsizetype>(run, 2));
            break;
        case u'm':
            writer.Token(u'n', std::min<qsizetype>(run, 2));
            break;
        case u's':
            writer.Token(u's', std::min<qsizetype>(run, 2));
            break;
        case u'z':
            // Qt's short z is a fraction without trailing zeros (".5"); three
            // digits read the same after a decimal point.
            writer.Token(u'z', 3);
            break;
        case u'a':
        case u'A': {
            qsizetype length = 1;
            if (i + 1 < qtFormat.size() && (qtFormat[i + 1] == u'p' || qtFormat[i + 1] == u'P'))
                length = 2;
            writer.Close();
            out += u"ampm"_s;
            i += length;
            continue;
        }
        case u't':
            writer.Close();
            // "H:mm:ss (t)" would leave empty brackets behind.
            if (out.endsWith(u'(') && i + run < qtFormat.size() && qtFormat[i + run] == u')') {
                out.chop(1);
                ++i;
            }
            while (out.endsWith(u' '))
                out.chop(1);
            skipBlanks = out.isEmpty();
            break;
        case u'\'': {
            if (i + 1 < qtFormat.size() && qtFormat[i + 1] == u'\'') {
                writer.Literal(c);
                i += 2;
                continue;
            }
            const qsizetype close = skipQtQuote(qtFormat, i);
            for (qsizetype j = i + 1; j < close; ++j) {
                if (qtFormat[j] == u'\'' && j + 1 < close && qtFormat[j + 1] == u'\'')
                    ++j;
                else if (qtFormat[j] == u'\'')
                    break; // the closing quote
                writer.Literal(qtFormat[j]);
            }
            i = close;
            continue;
        }
        default:
            if (!dateSeparator.isNull() && c == dateSeparator) {
                writer.Close();
                out += u'/';
            } else if (!timeSeparator.isNull() && c == timeSeparator) {
                writer.Close();
                out += u':';
            } else {
                writer.Literal(c);
            }
            ++i;
            continue;
        }
        i += run;
    }
    writer.Close();
    return out;
}

TFormatSettings TFormatSettings::FromLocale(const QLocale &locale)
{
    const TFormatSettings british = British();
    TFormatSettings s;
    const QString qtShortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString qtShortTime = locale.timeFormat(QLocale::ShortFormat);
    s.DateSeparator = separatorOf(qtShortDate, false, u'/');
    s.TimeSeparator = separatorOf(qtShortTime, true, u':');
    const QString decimal = locale.decimalPoint();
    s.DecimalSeparator = decimal.size() == 1 ? decimal[0] : QChar(u'.');

    // The date separator is only a separator in the short date; in long dates
    // the same character is often an ordinal mark ("6. Dezember") and stays.
    const auto translated = [](const QString &qt, QChar dateSep, QChar timeSep,
                               const QString &fallback) {
        const QString format = FormatFromQtFormat(qt, dateSep, timeSep);
        return format.isEmpty() ? fallback : format;
    };
    s.ShortDateFormat = translated(qtShortDate, s.DateSeparator, QChar(), british.ShortDateFormat);
    s.LongDateFormat = translated(locale.dateFormat(QLocale::LongFormat), QChar(), QChar(),
                                  british.LongDateFormat);
    s.ShortTimeFormat = translated(qtShortTime, QChar(), s.TimeSeparator, british.ShortTimeFormat);
    s.LongTimeFormat = translated(locale.timeFormat(QLocale::LongFormat), QChar(), s.TimeSeparator,
                                  british.LongTimeFormat);

    s.TimeAMString = locale.amText();
    s.TimePMString = locale.pmText();
    if (s.TimeAMString.isEmpty())
        s.TimeAMString = u"am"_s;
    if (s.TimePMString.isEmpty())
        s.TimePMString = u"pm"_s;

    for (int i = 0; i < 12; ++i) {
        s.ShortMonthNames[i] = locale.monthName(i + 1, QLocale::ShortFormat);
        s.LongMonthNames[i] = locale.monthName(i + 1, QLocale::LongFormat);
    }
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i; // Qt counts from Monday = 1
        s.ShortDayNames[i] = locale.dayName(qtDay, QLocale::ShortFormat);
        s.LongDayNames[i] = locale.dayName(qtDay, QLocale::LongFormat);
    }
    return s;
}

TFormatSettings TFormatSettings::British()
{
    TFormatSettings s;
    s.DateSeparator = u'/';
    s.TimeSeparator = u':';
    s.DecimalSeparator = u'.';
    s.ShortDateFormat = u"dd/mm/yyyy"_s;
    s.LongDateFormat = u"dd mmmm yyyy"_s;
    s.ShortTimeFormat = u"hh:nn"_s;
    s.LongTimeFormat = u"hh:nn:ss"_s;
    s.TimeAMString = u"AM"_s;
    s.TimePMString = u"PM"_s;
    s.ShortMonthNames = {u"Jan"_s, u"Feb"_s, u"Mar"_s, u"Apr"_s, u"May"_s, u"Jun"_s,
                         u"Jul"_s, u"Aug"_s, u"Sep"_s, u"Oct"_s, u"Nov"_s, u"Dec"_s};
    s.LongMonthNames = {u"January"_s,   u"February"_s, u"March"_s,    u"April"_s,
                        u"May"_s,       u"June"_s,     u"July"_s,     u"August"_s,
                        u"September"_s, u"October"_s,  u"November"_s, u"December"_s};
    s.ShortDayNames = {u"Sun"_s, u"Mon"_s, u"Tue"_s, u"Wed"_s, u"Thu"_s, u"Fri"_s, u"Sat"_s};
    s.LongDayNames = {u"Sunday"_s,   u"Monday"_s, u"Tuesday"_s, u"Wednesday"_s,
                      u"Thursday"_s, u"Friday"_s, u"Saturday"_s};
    return s;
}

const TFormatSettings &FormatSettings()
{
    std::optional<TFormatSettings> &current = CurrentSettings();
    if (!current)
        current = TFormatSettings::FromLocale(QLocale::system());
    return *current;
}

void SetFormatSettings(const TFormatSettings &settings)
{
    CurrentSettings() = settings;
}
