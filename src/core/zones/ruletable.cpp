#include "ruletable.h"

namespace {

// The UTC year of a moment of years 1..9999.
int YearOfMoment(std::int64_t msecs)
{
    return DateOfDayNumber(static_cast<int>(SplitMSecs(msecs).Day)).Year;
}

} // namespace

void TRuleTable::Reset(const TKey &key)
{
    FKey = key;
    FYears.clear();
    FFirstYear = 0;
    FFrom = FTo = 0;
    // The sum of two 32-bit offsets is exact in a double, and so one division
    // gives the same value a conversion dividing each time would.
    FOffsetDays = {double(std::int64_t(key.UTCOffset) + key.StandardOffset) / MinutesPerDay,
                   double(std::int64_t(key.UTCOffset) + key.DaylightOffset) / MinutesPerDay};
}

void TRuleTable::Cover(std::int64_t msecs)
{
    const int year = YearOfMoment(msecs);
    int first = year;
    int last = year;
    if (!FYears.empty()) {
        // The table ends with the start of the year after its last.
        const int lastHeld = FFirstYear + static_cast<int>(FYears.size()) - 2;
        first = std::min(FFirstYear, year);
        last = std::max(lastHeld, year);
    }
    if (last - first + 1 > MaxYears) {
        first = last = year;
    }
    // Every year anew: the table grows only a year or a jump at a time, and
    // the capacity stays for a table that starts over.
    FYears.resize(static_cast<std::size_t>(last - first + 2));
    for (int y = first; y <= last + 1; ++y) {
        TYearMoments &moments = FYears[static_cast<std::size_t>(y - first)];
        moments.Start = DayNumber(y, 1, 1) * MSecsPerDay;
        moments.Daylight = moments.Standard = moments.Start;
        if (y > last) {
            break;
        }
        const std::optional<std::int64_t> begins = RuleMomentMSecs(y, FKey.DaylightRule);
        const std::optional<std::int64_t> resumes = RuleMomentMSecs(y, FKey.StandardRule);
        if (begins && resumes) {
            moments.Daylight = *begins;
            moments.Standard = *resumes;
        }
    }
    FFirstYear = first;
    FFrom = FYears.front().Start;
    FTo = FYears.back().Start;
}
