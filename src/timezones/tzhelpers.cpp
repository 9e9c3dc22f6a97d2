#include "tzhelpers.h"

#include "platform/datetimeformat.h"
#include "platform/formatsettings.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The rules are described in the program's language, not the regional
// settings' (which give the clocks' dates): the phrases around these names
// must agree with them. Index 1 = January / Sunday.
const std::array<const char *, 13> MonthNames = {"",
                                                 QT_TRANSLATE_NOOP("TTimeZone", "January"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "February"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "March"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "April"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "May"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "June"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "July"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "August"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "September"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "October"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "November"),
                                                 QT_TRANSLATE_NOOP("TTimeZone", "December")};
const std::array<const char *, 8> DayNames = {"",
                                              QT_TRANSLATE_NOOP("TTimeZone", "Sunday"),
                                              QT_TRANSLATE_NOOP("TTimeZone", "Monday"),
                                              QT_TRANSLATE_NOOP("TTimeZone", "Tuesday"),
                                              QT_TRANSLATE_NOOP("TTimeZone", "Wednesday"),
                                              QT_TRANSLATE_NOOP("TTimeZone", "Thursday"),
                                              QT_TRANSLATE_NOOP("TTimeZone", "Friday"),
                                              QT_TRANSLATE_NOOP("TTimeZone", "Saturday")};

QString Tr(const char *text)
{
    return QCoreApplication::translate("TTimeZone", text);
}

// Years 1 to 9999, the calendar's range: a moment outside it has no daylight
// time and a rule no moment, so the unsigned arithmetic below never wraps.
constexpr int FirstDay = DayNumber(1, 1, 1);
constexpr int EndDay = DayNumber(10000, 1, 1);
// Shifts day numbers so that 1 March of year 0 is day 0.
constexpr int MarchZeroShift = 693'899;
static_assert(DayNumber(0, 3, 1) + MarchZeroShift == 0);

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

// 0 = Sunday … 6 = Saturday, for any day number from year 1 on.
inline unsigned WeekdayIndex(int dayNumber)
{
    // Day 0 was a Saturday; 700'000 is a multiple of 7 that keeps it unsigned.
    return static_cast<unsigned>(dayNumber + 700'006) % 7;
}

// n mod 7 for the small sums of weekdays and day counts below: one load
// instead of a division.
constexpr std::array<std::uint8_t, 64> Mod7 = [] {
    std::array<std::uint8_t, 64> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<std::uint8_t>(i % 7);
    }
    return table;
}();

// What the rules need of one calendar year.
struct TYear
{
    int Jan1 = 0;             // day number of 1 January
    int Leap = 0;             // 1 in a leap year
    unsigned Jan1Weekday = 0; // 0 = Sunday
};

constexpr int LeapOf(int year)
{
    return IsLeapYear(year) ? 1 : 0;
}

// The year a day number falls in (years 1..9999), by the civil-from-days
// formula on unsigned numbers: multiplications only, no loops.
inline TYear YearOfDay(int dayNumber)
{
    const auto n = static_cast<std::uint32_t>(dayNumber + MarchZeroShift); // since 1 March, year 0
    const std::uint32_t n1 = 4 * n + 3;
    const std::uint32_t century = n1 / 146'097;
    const std::uint32_t n2 = (n1 % 146'097) | 3;
    const std::uint64_t p2 = std::uint64_t(2'939'745) * n2;
    const auto yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);
    const auto dayOfYear = static_cast<std::uint32_t>(p2) / 2'939'745 / 4; // 0 = 1 March
    const bool janFeb = dayOfYear >= 306;
    const int year = static_cast<int>(100 * century + yearOfCentury) + (janFeb ? 1 : 0);
    const int leap = LeapOf(year);
    const int jan1 = janFeb ? dayNumber - static_cast<int>(dayOfYear - 306)
                            : dayNumber - static_cast<int>(dayOfYear) - 59 - leap;
    return {jan1, leap, WeekdayIndex(jan1)};
}

// Per month, [0] unused: days before its 1st in a common year, the same mod
// 7, and its days in a common year.
constexpr std::array<int, 13> DaysBeforeMonth = {0,   0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
constexpr std::array<unsigned, 13> DaysBeforeMonthMod7 = [] {
    std::array<unsigned, 13> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<unsigned>(DaysBeforeMonth[i] % 7);
    }
    return table;
}();
constexpr std::array<int, 13> DaysOfMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool ValidMonth(int month)
{
    return month >= 1 && month <= 12;
}

constexpr bool ValidWeekday(int weekday)
{
    return weekday >= 1 && weekday <= 7;
}

// The day number on which the rule takes effect in that year; false when the
// rule names no day there. Pure arithmetic on small tables: this runs twice
// per clock update.
inline bool RuleDayNumber(const TYear &year, const TZoneRule &rule, int &dayNumber)
{
    const unsigned month = rule.OnMonth;
    if (!ValidMonth(static_cast<int>(month))) {
        return false;
    }
    const int afterFebruary = month > 2 ? year.Leap : 0;
    const int first = year.Jan1 + DaysBeforeMonth[month] + afterFebruary;
    const unsigned firstWeekday =
        Mod7[year.Jan1Weekday + DaysBeforeMonthMod7[month] + unsigned(afterFebruary)];
    const int days = DaysOfMonth[month] + (month == 2 ? year.Leap : 0);
    // 0 = Sunday, like the weekday indexes above; every sum below stays under 64.
    const unsigned weekday = rule.OnDayOfWeek - 1u;
    switch (rule.OnType) {
    case TZoneRuleType::zrDayOfMonth:
        if (rule.OnDay < 1 || rule.OnDay > days) {
            return false;
        }
        dayNumber = first + rule.OnDay - 1;
        return true;
    case TZoneRuleType::zrLastWeekday: {
        if (!ValidWeekday(rule.OnDayOfWeek)) {
            return false;
        }
        const unsigned lastWeekday = Mod7[firstWeekday + unsigned(days) - 1];
        dayNumber = first + days - 1 - Mod7[lastWeekday + 7 - weekday];
        return true;
    }
    case TZoneRuleType::zrWeekdayOnOrAfter: {
        if (!ValidWeekday(rule.OnDayOfWeek) || rule.OnDay < 1 || rule.OnDay > days) {
            return false;
        }
        // May run into the next month: the rule says "on or after".
        const unsigned startWeekday = Mod7[firstWeekday + rule.OnDay - 1u];
        dayNumber = first + rule.OnDay - 1 + Mod7[weekday + 7 - startWeekday];
        return true;
    }
    case TZoneRuleType::zrWeekdayOnOrBefore:
        // Counted from the 1st whatever OnDay says; OnDay only names the rule.
        if (!ValidWeekday(rule.OnDayOfWeek)) {
            return false;
        }
        dayNumber = first + Mod7[weekday + 7 - firstWeekday];
        return true;
    }
    return false;
}

bool ValidYear(int year)
{
    return year >= 1 && year <= 9999;
}

TYear YearInfo(int year)
{
    const int jan1 = DayNumber(year, 1, 1);
    return {jan1, LeapOf(year), WeekdayIndex(jan1)};
}

// Clamps an offset sum that a hostile zone file could push past 32 bits.
int ClampMinutes(std::int64_t minutes)
{
    return static_cast<int>(std::clamp<std::int64_t>(minutes, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// "(GMT +1:00) ": what a zone's names are shown after, whatever the date.
QString StandardOffsetPrefix(const TTimeZone &zone)
{
    return u'(' + GMTText(ClampMinutes(std::int64_t(zone.UTCOffset) + zone.StandardOffset), true) +
           u") "_s;
}

// "an unknown day" stands for the parts of a rule that name no real day: the
// zone file accepts them, and such a rule never moves the zone out of
// standard time.
QString DayPhrase(const TZoneRule &rule)
{
    const QString month = Tr(MonthNames[rule.OnMonth]);
    const QString weekday = Tr(DayNames[ValidWeekday(rule.OnDayOfWeek) ? rule.OnDayOfWeek : 0]);
    const bool weekdayNamed = ValidWeekday(rule.OnDayOfWeek);
    // 29 February exists in some years, so only days no year has are unknown.
    const bool dayExists = rule.OnDay >= 1 && rule.OnDay <= DaysInMonth(2000, rule.OnMonth);
    const QString day = QString::number(rule.OnDay);
    switch (rule.OnType) {
    case TZoneRuleType::zrDayOfMonth:
        if (dayExists) {
            //: day of the month, month name
            return Tr(QT_TRANSLATE_NOOP("TTimeZone", "%1 %2")).arg(day, month);
        }
        break;
    case TZoneRuleType::zrLastWeekday:
        if (weekdayNamed) {
            return Tr(QT_TRANSLATE_NOOP("TTimeZone", "the last %1 in %2")).arg(weekday, month);
        }
        break;
    case TZoneRuleType::zrWeekdayOnOrAfter:
        if (weekdayNamed && dayExists) {
            return Tr(QT_TRANSLATE_NOOP("TTimeZone", "the first %1 on or after %2 %3"))
                .arg(weekday, day, month);
        }
        break;
    case TZoneRuleType::zrWeekdayOnOrBefore:
        if (weekdayNamed && dayExists) {
            return Tr(QT_TRANSLATE_NOOP("TTimeZone", "the first %1 on or before %2 %3"))
                .arg(weekday, day, month);
        }
        if (weekdayNamed) {
            // The day named is no day of the month; say what the rule does.
            return Tr(QT_TRANSLATE_NOOP("TTimeZone", "the first %1 in %2")).arg(weekday, month);
        }
        break;
    }
    return Tr(QT_TRANSLATE_NOOP("TTimeZone", "an unknown day in %1")).arg(month);
}

// A day of the month in every year: February's end moves with leap years.
constexpr int FixedMonthLength(int month)
{
    return month == 2 ? 28 : DaysOfMonth[month];
}

// Day `day` of `month` counted on over the month's end or back before its
// start by at most one day; false where that depends on the year.
bool MoveDay(int &month, int &day)
{
    if (day < 1) {
        month = month == 1 ? 12 : month - 1;
        day = DaysOfMonth[month];
        return month != 2;
    }
    if (day > FixedMonthLength(month)) {
        if (month == 2) {
            return false;
        }
        day -= DaysOfMonth[month];
        month = month == 12 ? 1 : month + 1;
    }
    return true;
}

QString OnOrAfterPhrase(int weekday, int day, int month)
{
    return Tr(QT_TRANSLATE_NOOP("TTimeZone", "the first %1 on or after %2 %3"))
        .arg(Tr(DayNames[weekday]), QString::number(day), Tr(MonthNames[month]));
}

// The rule's day moved one day on (+1) or back (-1), said as a rule of the
// same kinds would say it; nullopt where no such phrase holds in every year.
std::optional<QString> MovedDayPhrase(const TZoneRule &rule, int shift)
{
    int month = rule.OnMonth;
    const bool dayExists = rule.OnDay >= 1 && rule.OnDay <= DaysInMonth(2000, month);
    // Whatever weekday the rule finds, the moved day is the next or the one before.
    const int weekday = (rule.OnDayOfWeek - 1 + shift + 7) % 7 + 1;
    int day = 0;
    switch (rule.OnType) {
    case TZoneRuleType::zrDayOfMonth:
        day = rule.OnDay + shift;
        if (!dayExists || (month == 2 && rule.OnDay > 28) || !MoveDay(month, day)) {
            return std::nullopt;
        }
        return Tr(QT_TRANSLATE_NOOP("TTimeZone", "%1 %2"))
            .arg(QString::number(day), Tr(MonthNames[month]));
    case TZoneRuleType::zrLastWeekday:
        // The last of a weekday is the first one on or after the month's
        // seventh-last day.
        if (month == 2) {
            return std::nullopt;
        }
        day = DaysOfMonth[month] - 6 + shift;
        break;
    case TZoneRuleType::zrWeekdayOnOrAfter:
        if (!dayExists || (month == 2 && rule.OnDay > 28)) {
            return std::nullopt;
        }
        day = rule.OnDay + shift;
        break;
    case TZoneRuleType::zrWeekdayOnOrBefore:
        day = 1 + shift;
        break;
    }
    if (!ValidWeekday(rule.OnDayOfWeek) || !MoveDay(month, day)) {
        return std::nullopt;
    }
    return OnOrAfterPhrase(weekday, day, month);
}

// The day phrase of a rule whose moment the zone's clocks show `shift` days
// later (or earlier) than the UTC day the rule names.
QString LocalDayPhrase(const TZoneRule &rule, std::int64_t shift)
{
    if (shift == 0) {
        return DayPhrase(rule);
    }
    if (shift == 1 || shift == -1) {
        if (const std::optional<QString> moved = MovedDayPhrase(rule, static_cast<int>(shift))) {
            return *moved;
        }
    }
    const QString base = DayPhrase(rule);
    if (!TTimeZone::RuleHasDate(2000, rule) && !TTimeZone::RuleHasDate(2001, rule)) {
        return base; // an unknown day moved is still an unknown day
    }
    if (shift == 1) {
        return Tr(QT_TRANSLATE_NOOP("TTimeZone", "the day after %1")).arg(base);
    }
    if (shift == -1) {
        return Tr(QT_TRANSLATE_NOOP("TTimeZone", "the day before %1")).arg(base);
    }
    const QString days = QString::number(shift > 0 ? shift : -shift);
    return (shift > 0 ? Tr(QT_TRANSLATE_NOOP("TTimeZone", "%1 days after %2"))
                      : Tr(QT_TRANSLATE_NOOP("TTimeZone", "%1 days before %2")))
        .arg(days, base);
}

// Whole milliseconds, so a moment equal to a transition compares equal
// however its double was put together.
inline std::int64_t MomentMSecs(TDateTime utc)
{
    return RoundToInt64(utc * double(MSecsPerDay));
}

// Inlined into its callers: LocalTimeAt runs once a second per clock.
inline bool DaylightAt(const TTimeZone &zone, TDateTime utc)
{
    // The negated test also sends NaN to standard time.
    if (!zone.HasDaylight() || !(utc >= FirstDay && utc < EndDay - 1)) {
        return false;
    }
    const std::int64_t u = MomentMSecs(utc);
    const auto sinceFirst = static_cast<std::uint64_t>(u - std::int64_t(FirstDay) * MSecsPerDay);
    const int day = static_cast<int>(sinceFirst / std::uint64_t(MSecsPerDay)) + FirstDay;
    const TYear year = YearOfDay(day);
    int daylightDay = 0;
    int standardDay = 0;
    if (!RuleDayNumber(year, zone.DaylightRule, daylightDay) ||
        !RuleDayNumber(year, zone.StandardRule, standardDay)) {
        return false;
    }
    const std::int64_t d = daylightDay * MSecsPerDay + TimeOfDayMSecs(zone.DaylightRule.OnTime);
    const std::int64_t s = standardDay * MSecsPerDay + TimeOfDayMSecs(zone.StandardRule.OnTime);
    // Both ends inclusive: daylight time holds at exactly D and still at S.
    // D < S: daylight in mid-year; D > S: across the new year; D = S: never.
    // Without branches: which side of a transition a moment lies on is what a
    // random moment makes unpredictable.
    const bool midYear = (d <= u) & (u <= s);
    const bool acrossNewYear = (u >= d) | (u <= s);
    return d < s ? midYear : (d > s) & acrossNewYear;
}

// The stated change in force at utc, by binary search over a few dozen
// moments; nullptr outside their span, for NaN too.
inline const TZoneChange *StatedChange(const TTimeZone &zone, TDateTime utc)
{
    if (!(utc >= FirstDay && utc < EndDay)) {
        return nullptr;
    }
    const std::int64_t u = MomentMSecs(utc);
    const std::vector<TZoneChange> &changes = zone.Changes;
    if (u < changes.front().AtMSecs || u >= zone.ChangesUntilMSecs) {
        return nullptr;
    }
    const auto after = std::upper_bound(
        changes.begin(), changes.end(), u,
        [](std::int64_t value, const TZoneChange &change) { return value < change.AtMSecs; });
    return &*std::prev(after);
}

} // namespace

const TZoneChange *TTimeZone::StatedChangeAt(TDateTime utc) const
{
    return Changes.empty() ? nullptr : StatedChange(*this, utc);
}

std::optional<TZoneTransition> TTimeZone::NextChangeAfter(TDateTime utc) const
{
    // Room for the next year's rules within the calendar.
    if (!(utc >= FirstDay && utc < EndDay - 400)) {
        return std::nullopt;
    }
    const std::int64_t u = MomentMSecs(utc);
    std::vector<std::int64_t> moments;
    for (const TZoneChange &change : Changes) {
        moments.push_back(change.AtMSecs);
    }
    if (!Changes.empty()) {
        moments.push_back(ChangesUntilMSecs);
    }
    if (HasDaylight()) {
        const int year = DateOfDayNumber(static_cast<int>(std::floor(utc))).Year;
        for (const int y : {year, year + 1}) {
            for (const TZoneRule *rule : {&DaylightRule, &StandardRule}) {
                if (RuleHasDate(y, *rule)) {
                    moments.push_back(MomentMSecs(TransitionMoment(y, *rule)));
                }
            }
        }
    }
    std::sort(moments.begin(), moments.end());
    const auto at = [](std::int64_t msecs) { return double(msecs) / double(MSecsPerDay); };
    for (const std::int64_t m : moments) {
        if (m <= u) {
            continue;
        }
        // A rule's moment belongs to the time before it (both ends are
        // inclusive), a stated change's to the time after it: the clocks
        // differ on either side of the moment either way.
        const int before = OffsetAt(at(m - 1));
        const int after = OffsetAt(at(m + 1));
        if (before != after) {
            return TZoneTransition{at(m), before, after};
        }
    }
    return std::nullopt;
}

bool TTimeZone::ObservesDaylight() const
{
    return HasDaylight() || std::any_of(Changes.begin(), Changes.end(),
                                        [](const TZoneChange &change) { return change.Daylight; });
}

int TTimeZone::OffsetAt(TDateTime utc) const
{
    if (const TZoneChange *change = StatedChangeAt(utc)) {
        return change->Offset;
    }
    return ClampMinutes(std::int64_t(UTCOffset) +
                        (DaylightAt(*this, utc) ? DaylightOffset : StandardOffset));
}

const QString &TTimeZone::AbbrAt(TDateTime utc) const
{
    if (const TZoneChange *change = StatedChangeAt(utc)) {
        return change->Abbr;
    }
    return DaylightAt(*this, utc) ? DaylightAbbr : StandardAbbr;
}

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
    Changes = source.Changes;
    ChangesUntilMSecs = source.ChangesUntilMSecs;
}

bool TTimeZone::RuleHasDate(int year, const TZoneRule &rule)
{
    int dayNumber = 0;
    return ValidYear(year) && RuleDayNumber(YearInfo(year), rule, dayNumber);
}

TDateTime TTimeZone::TransitionMoment(int year, const TZoneRule &rule) const
{
    int dayNumber = 0;
    if (!ValidYear(year) || !RuleDayNumber(YearInfo(year), rule, dayNumber)) {
        throw EConvertError(u"The rule names no day in the year %1"_s.arg(year));
    }
    return dayNumber + double(TimeOfDayMSecs(rule.OnTime)) / double(MSecsPerDay);
}

bool TTimeZone::IsDaylightAt(TDateTime utc) const
{
    if (const TZoneChange *change = StatedChangeAt(utc)) {
        return change->Daylight;
    }
    return DaylightAt(*this, utc);
}

TDateTime TTimeZone::LocalTimeAt(TDateTime utc) const
{
    if (!Changes.empty()) [[unlikely]] {
        if (const TZoneChange *change = StatedChange(*this, utc)) {
            return utc + double(change->Offset) / MinutesPerDay;
        }
    }
    // One division whichever offset applies; the sum of two 32-bit offsets is
    // exact in a double, so this equals StandardTimeAt in standard time.
    const std::int64_t minutes =
        std::int64_t(UTCOffset) + (DaylightAt(*this, utc) ? DaylightOffset : StandardOffset);
    return utc + double(minutes) / MinutesPerDay;
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
    return StandardOffsetPrefix(*this) + CityName();
}

QString TTimeZone::RuleDescription(bool daylightRule) const
{
    const TZoneRule &rule = daylightRule ? DaylightRule : StandardRule;
    if (!ValidMonth(rule.OnMonth)) {
        // No rule at all (a daylight zone without a standard rule): there is
        // no moment to tell.
        return Tr(QT_TRANSLATE_NOOP("TTimeZone", "an unknown day"));
    }
    // Daylight time begins at the zone's standard time of the change, and
    // standard time resumes at its daylight time of the change.
    const std::int64_t offset =
        std::int64_t(UTCOffset) + (daylightRule ? StandardOffset : DaylightOffset);
    const std::int64_t local = TimeOfDayMSecs(rule.OnTime) + offset * 60'000;
    const std::int64_t shift = (local >= 0 ? local : local - (MSecsPerDay - 1)) / MSecsPerDay;
    const double time = double(local - shift * MSecsPerDay) / double(MSecsPerDay);
    //: a day, then a time of day
    return Tr(QT_TRANSLATE_NOOP("TTimeZone", "%1 at %2"))
        .arg(LocalDayPhrase(rule, shift), FormatDateTime(ZoneTimeOfDayFormat(), time));
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
    return Title.isEmpty() ? DisplayName() : StandardOffsetPrefix(*this) + Title;
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

QString ZoneTimeOfDayFormat()
{
    //: hh hours, nn minutes, ampm the AM/PM mark (leave it out for a 24-hour clock)
    return Tr(QT_TRANSLATE_NOOP("TTimeZone", "hh:nn ampm"));
}

QString GMTText(int minutes, bool omitZero)
{
    if (omitZero && minutes == 0) {
        return u"GMT"_s;
    }
    return u"GMT "_s + OffsetText(minutes);
}
