#include "posixtz.h"

#include <cctype>

namespace zonegen {
namespace {

class TReader
{
public:
    explicit TReader(std::string_view text) : FText(text) {}

    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }
    bool Take(char c)
    {
        if (Peek() != c)
            return false;
        ++FPos;
        return true;
    }

    // "<" any-but-">" ">" | three or more letters
    std::optional<std::string> Abbr()
    {
        std::string out;
        if (Take('<')) {
            while (!AtEnd() && Peek() != '>')
                out += FText[FPos++];
            if (!Take('>') || out.size() < 3)
                return std::nullopt;
            return out;
        }
        while (std::isalpha(static_cast<unsigned char>(Peek())))
            out += FText[FPos++];
        if (out.size() < 3)
            return std::nullopt;
        return out;
    }

    std::optional<int> Number()
    {
        if (!std::isdigit(static_cast<unsigned char>(Peek())))
            return std::nullopt;
        int value = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek()))) {
            value = value * 10 + (FText[FPos++] - '0');
            if (value > 100000)
                return std::nullopt;
        }
        return value;
    }

    // [+-] hh [:mm [:ss]], hours up to maxHours
    std::optional<Seconds> Duration(int maxHours)
    {
        int sign = 1;
        if (Take('-'))
            sign = -1;
        else
            Take('+');
        const auto hours = Number();
        if (!hours || *hours > maxHours)
            return std::nullopt;
        Seconds total = Seconds{*hours} * 3600;
        for (int factor : {60, 1}) {
            if (!Take(':'))
                break;
            const auto part = Number();
            if (!part || *part > 59)
                return std::nullopt;
            total += Seconds{*part} * factor;
        }
        return sign * total;
    }

    // Jn | n | Mm.w.d, then [/time]
    std::optional<TPosixDate> Date()
    {
        TPosixDate date;
        if (Take('M')) {
            const auto month = Number();
            if (!month || *month < 1 || *month > 12 || !Take('.'))
                return std::nullopt;
            const auto week = Number();
            if (!week || *week < 1 || *week > 5 || !Take('.'))
                return std::nullopt;
            const auto weekday = Number();
            if (!weekday || *weekday > 6)
                return std::nullopt;
            date.Kind = TPosixDate::TKind::MonthWeekDay;
            date.Month = *month;
            date.Week = *week;
            date.Weekday = *weekday;
        } else if (Take('J')) {
            const auto day = Number();
            if (!day || *day < 1 || *day > 365)
                return std::nullopt;
            date.Kind = TPosixDate::TKind::JulianNoLeap;
            date.Day = *day;
        } else {
            const auto day = Number();
            if (!day || *day > 365)
                return std::nullopt;
            date.Kind = TPosixDate::TKind::JulianZero;
            date.Day = *day;
        }
        if (Take('/')) {
            const auto time = Duration(167);
            if (!time)
                return std::nullopt;
            date.Time = *time;
        }
        return date;
    }

private:
    std::string_view FText;
    std::size_t FPos = 0;
};

} // namespace

std::optional<TPosixTz> ParsePosixTz(std::string_view text)
{
    TReader reader(text);
    TPosixTz tz;
    const auto stdAbbr = reader.Abbr();
    if (!stdAbbr)
        return std::nullopt;
    tz.StdAbbr = *stdAbbr;
    const auto stdWest = reader.Duration(24);
    if (!stdWest)
        return std::nullopt;
    tz.StdOffset = -*stdWest;
    if (reader.AtEnd())
        return tz;

    const auto dstAbbr = reader.Abbr();
    if (!dstAbbr)
        return std::nullopt;
    tz.DstAbbr = *dstAbbr;
    tz.HasDst = true;
    tz.DstOffset = tz.StdOffset + 3600;
    if (!reader.AtEnd() && reader.Peek() != ',') {
        const auto dstWest = reader.Duration(24);
        if (!dstWest)
            return std::nullopt;
        tz.DstOffset = -*dstWest;
    }
    if (reader.AtEnd()) {
        // POSIX leaves the default rule to the system; the US rule is what
        // glibc and the tz database's own code assume.
        tz.Start = {TPosixDate::TKind::MonthWeekDay, 3, 2, 0, 0, 7200};
        tz.End = {TPosixDate::TKind::MonthWeekDay, 11, 1, 0, 0, 7200};
        return tz;
    }
    if (!reader.Take(','))
        return std::nullopt;
    const auto start = reader.Date();
    if (!start || !reader.Take(','))
        return std::nullopt;
    const auto end = reader.Date();
    if (!end || !reader.AtEnd())
        return std::nullopt;
    tz.Start = *start;
    tz.End = *end;
    return tz;
}

std::int64_t PosixDateDay(const TPosixDate &date, int year)
{
    switch (date.Kind) {
    case TPosixDate::TKind::JulianNoLeap: {
        const std::int64_t day = DaysFromCivil(year, 1, 1) + date.Day - 1;
        return IsLeap(year) && date.Day >= 60 ? day + 1 : day;
    }
    case TPosixDate::TKind::JulianZero:
        return DaysFromCivil(year, 1, 1) + date.Day;
    case TPosixDate::TKind::MonthWeekDay:
        break;
    }
    const std::int64_t first = DaysFromCivil(year, date.Month, 1);
    std::int64_t day = first + (date.Weekday - WeekdayOfDays(first) + 7) % 7 + 7 * (date.Week - 1);
    const std::int64_t next = first + MonthLength(year, date.Month);
    while (day >= next)
        day -= 7;
    return day;
}

Seconds PosixStartMoment(const TPosixTz &tz, int year)
{
    return PosixDateDay(tz.Start, year) * SecondsPerDay + tz.Start.Time - tz.StdOffset;
}

Seconds PosixEndMoment(const TPosixTz &tz, int year)
{
    return PosixDateDay(tz.End, year) * SecondsPerDay + tz.End.Time - tz.DstOffset;
}

bool PosixIsDstAt(const TPosixTz &tz, Seconds t)
{
    if (!tz.HasDst)
        return false;
    // The latest change at or before t decides. Where one year's end meets the
    // next year's start (daylight time all year) the start wins.
    bool dst = false;
    Seconds latest = 0;
    bool found = false;
    const int year = YearOf(t);
    for (int y = year - 1; y <= year + 1; ++y) {
        const Seconds end = PosixEndMoment(tz, y);
        const Seconds start = PosixStartMoment(tz, y);
        if (end <= t && (!found || end > latest)) {
            latest = end;
            dst = false;
            found = true;
        }
        if (start <= t && (!found || start >= latest)) {
            latest = start;
            dst = true;
            found = true;
        }
    }
    return dst;
}

} // namespace zonegen
