#include "tzhelpers.h"

#include "platform/datetimeformat.h"
#include "platform/formatsettings.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

const std::array<QString, 13> MonthNames = {
    QString(), u"January"_s, u"February"_s,  u"March"_s,   u"April"_s,    u"May"_s,     u"June"_s,
    u"July"_s, u"August"_s,  u"September"_s, u"October"_s, u"November"_s, u"December"_s};

const std::array<QString, 8> DayNames = {QString(),      u"Sunday"_s,   u"Monday"_s, u"Tuesday"_s,
                                         u"Wednesday"_s, u"Thursday"_s, u"Friday"_s, u"Saturday"_s};

namespace {

// Moments beyond this many days from 1899 are treated as having no daylight
// time: it keeps every integer step below in range whatever a caller passes
// (NaN and infinities included).
constexpr double MaxDays = 3'000'000.0;

// Rounds half away from zero without a libm call; |value| is bounded by the
// caller.
inline std::int64_t RoundToInt64(double value)
{
    return value >= 0 ? static_cast<std::int64_t>(value + 0.5)
                      : -static_cast<std::int64_t>(-value + 0.5);
}

// Milliseconds into the day of a rule's time of day; only its fraction counts.
inline std::int64_t TimeOfDayMSecs(TDateTime onTime)
{
    if (!(onTime >= 0 && onTime < 1)) {
        onTime = std::isfinite(onTime) ? onTime - std::floor(onTime) : 0;
    }
    return RoundToInt64(onTime * double(MSecsPerDay));
}

// The year of a day number: the year part of the civil-from-days formula.
inline int YearOfDayNumber(int dayNumber)
{
    const int z = dayNumber - UnixDateDelta + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    // The formula's years start on 1 March; day 306 of such a year is 1 January.
    return yoe + era * 400 + (doy >= 306 ? 1 : 0);
}

constexpr bool ValidMonth(int month)
{
    return month >= 1 && month <= 12;
}

constexpr bool ValidWeekday(int weekday)
{
    return weekday >= 1 && weekday <= 7;
}

// The day number on which the rule takes effect in that year; false when the
// rule names no day there. Pure arithmetic: this runs twice per clock update.
inline bool RuleDayNumber(int year, const TZoneRule &rule, int &dayNumber)
{
    const int month = rule.OnMonth;
    if (!ValidMonth(month)) {
        return false;
    }
    const int first = DayNumber(year, month, 1);
    const int days = DaysInMonth(year, month);
    const int weekday = rule.OnDayOfWeek;
    switch (rule.OnType) {
    case TZoneRuleType::zrDayOfMonth:
        if (rule.OnDay < 1 || rule.OnDay > days) {
            return false;
        }
        dayNumber = first + rule.OnDay - 1;
        return true;
    case TZoneRuleType::zrLastWeekday: {
        if (!ValidWeekday(weekday)) {
            return false;
        }
        const int last = first + days - 1;
        dayNumber = last - (DayOfWeekOfDayNumber(last) - weekday + 7) % 7;
        return true;
    }
    case TZoneRuleType::zrWeekdayOnOrAfter: {
        if (!ValidWeekday(weekday) || rule.OnDay < 1 || rule.OnDay > days) {
            return false;
        }
        // May run into the next month: the rule says "on or after".
        const int start = first + rule.OnDay - 1;
        dayNumber = start + (weekday - DayOfWeekOfDayNumber(start) + 7) % 7;
        return true;
    }
    case TZoneRuleType::zrWeekdayOnOrBefore:
        // Counted from the 1st whatever OnDay says; OnDay only names the rule.
        if (!ValidWeekday(weekday)) {
            return false;
        }
        dayNumber = first + (weekday - DayOfWeekOfDayNumber(first) + 7) % 7;
        return true;
    }
    return false;
}

// Clamps an offset sum that a hostile zone file could push past 32 bits.
int ClampMinutes(std::int64_t minutes)
{
    return static_cast<int>(std::clamp<std::int64_t>(minutes, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// "an unknown day" stands for the parts of a rule that name no real day: the
// zone file accepts them, and such a rule never moves the zone out of
// standard time.
QString DayPhrase(const TZoneRule &rule)
{
    const QString &month = MonthNames[rule.OnMonth];
    const bool weekdayNamed = ValidWeekday(rule.OnDayOfWeek);
    // 29 February exists in some years, so only days no year has are unknown.
    const bool dayExists = rule.OnDay >= 1 && rule.OnDay <= DaysInMonth(2000, rule.OnMonth);
    const QString day = QString::number(rule.OnDay);
    switch (rule.OnType) {
    case TZoneRuleType::zrDayOfMonth:
        if (dayExists) {
            return day + u' ' + month;
        }
        break;
    case TZoneRuleType::zrLastWeekday:
        if (weekdayNamed) {
            return u"the last "_s + DayNames[rule.OnDayOfWeek] + u" in "_s + month;
        }
        break;
    case TZoneRuleType::zrWeekdayOnOrAfter:
        if (weekdayNamed && dayExists) {
            return u"the first "_s + DayNames[rule.OnDayOfWeek] + u" on or after "_s + day + u' ' +
                   month;
        }
        break;
    case TZoneRuleType::zrWeekdayOnOrBefore:
        if (weekdayNamed && dayExists) {
            return u"the first "_s + DayNames[rule.OnDayOfWeek] + u" on or before "_s + day + u' ' +
                   month;
        }
        if (weekdayNamed) {
            // The day named is no day of the month; say what the rule does.
            return u"the first "_s + DayNames[rule.OnDayOfWeek] + u" in "_s + month;
        }
        break;
    }
    return u"an unknown day in "_s + month;
}

} // namespace

void TTimeZone::Assign(const TTimeZone &source)
{
    StandardAbbr = source.StandardAbbr;
    DaylightAbbr = source.DaylightAbbr;
    StandardOffset = source.StandardOffset;
    UTCOffset = source.UTCOffset;
    DaylightOffset = source.DaylightOffset;
    StandardRule = source.StandardRule;
    DaylightRule = source.DaylightRule;
    Name = source.Name;
}

bool TTimeZone::RuleHasDate(int year, const TZoneRule &rule)
{
    int dayNumber = 0;
    return RuleDayNumber(year, rule, dayNumber);
}

TDateTime TTimeZone::TransitionMoment(int year, const TZoneRule &rule) const
{
    int dayNumber = 0;
    if (year < -5000 || year > 10000 || !RuleDayNumber(year, rule, dayNumber)) {
        throw EConvertError(u"The rule names no day in the year %1"_s.arg(year));
    }
    return dayNumber + double(TimeOfDayMSecs(rule.OnTime)) / double(MSecsPerDay);
}

bool TTimeZone::IsDaylightAt(TDateTime utc) const
{
    if (!HasDaylight() || !(std::fabs(utc) < MaxDays)) {
        return false;
    }
    // Whole milliseconds on both sides, so a moment equal to a transition
    // compares equal however its double was put together.
    const std::int64_t u = RoundToInt64(utc * double(MSecsPerDay));
    std::int64_t day = u / MSecsPerDay;
    if (u % MSecsPerDay < 0) {
        --day;
    }
    const int year = YearOfDayNumber(static_cast<int>(day));
    int daylightDay = 0;
    int standardDay = 0;
    if (!RuleDayNumber(year, DaylightRule, daylightDay) ||
        !RuleDayNumber(year, StandardRule, standardDay)) {
        return false;
    }
    const std::int64_t d = daylightDay * MSecsPerDay + TimeOfDayMSecs(DaylightRule.OnTime);
    const std::int64_t s = standardDay * MSecsPerDay + TimeOfDayMSecs(StandardRule.OnTime);
    // Both ends inclusive: daylight time holds at exactly D and still at S.
    if (d < s) {
        return d <= u && u <= s;
    }
    if (d > s) {
        return u >= d || u <= s;
    }
    return false;
}

TDateTime TTimeZone::LocalTimeAt(TDateTime utc) const
{
    return IsDaylightAt(utc) ? DaylightTimeAt(utc) : StandardTimeAt(utc);
}

QString TTimeZone::RegionName() const
{
    const qsizetype slash = Name.indexOf(u'/');
    return slash < 0 ? QString() : Name.left(slash);
}

QString TTimeZone::CityName() const
{
    const qsizetype slash = Name.indexOf(u'/');
    return slash < 0 ? Name : Name.mid(slash + 1);
}

QString TTimeZone::DisplayName() const
{
    return u'(' + GMTText(ClampMinutes(std::int64_t(UTCOffset) + StandardOffset), true) + u") "_s +
           CityName();
}

QString TTimeZone::RuleDescription(bool daylightRule) const
{
    const TZoneRule &rule = daylightRule ? DaylightRule : StandardRule;
    if (!ValidMonth(rule.OnMonth)) {
        // No rule at all (a daylight zone without a standard rule): there is
        // no moment to tell.
        return u"an unknown day"_s;
    }
    // Standard time resumes at the rule's moment, which the zone's clocks
    // show shifted by the daylight offset.
    double time = double(TimeOfDayMSecs(rule.OnTime)) / double(MSecsPerDay);
    if (!daylightRule) {
        time += DaylightOffset / MinutesPerDay;
        time -= std::floor(time);
    }
    return DayPhrase(rule) + u" at "_s + FormatDateTime(u"hh:nn ampm"_s, time);
}

void TCustomisedTimeZone::Assign(const TTimeZone &source)
{
    if (const auto *clock = dynamic_cast<const TCustomisedTimeZone *>(&source)) {
        Title = clock->Title;
        UseDaylight = clock->UseDaylight;
    }
    TTimeZone::Assign(source);
}

QString TCustomisedTimeZone::TitleWithOffset() const
{
    if (Title.isEmpty()) {
        return DisplayName();
    }
    return u'(' + GMTText(ClampMinutes(std::int64_t(UTCOffset) + StandardOffset), true) + u") "_s +
           Title;
}

QString OffsetText(int minutes)
{
    const std::int64_t magnitude = minutes < 0 ? -std::int64_t(minutes) : std::int64_t(minutes);
    QString text = minutes < 0 ? u"-"_s : u"+"_s;
    text += QString::number(magnitude / 60);
    text += FormatSettings().TimeSeparator;
    text += QString::number(magnitude % 60).rightJustified(2, u'0');
    return text;
}

QString GMTText(int minutes, bool omitZero)
{
    if (omitZero && minutes == 0) {
        return u"GMT"_s;
    }
    return u"GMT "_s + OffsetText(minutes);
}
