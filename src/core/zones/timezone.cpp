#include "timezone.h"

#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"
#include "core/zones/zonetexts.h"

#include <QCoreApplication>
#include <algorithm>
#include <bit>
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
    return DaysInMonth(2001, month);
}

// Day `day` of `month` counted on over the month's end or back before its
// start by at most one day; false where that depends on the year.
bool MoveDay(int &month, int &day)
{
    if (day < 1) {
        month = month == 1 ? 12 : month - 1;
        day = FixedMonthLength(month);
        return month != 2;
    }
    if (day > FixedMonthLength(month)) {
        if (month == 2) {
            return false;
        }
        day -= FixedMonthLength(month);
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
        day = FixedMonthLength(month) - 6 + shift;
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

bool SameRule(const TZoneRule &a, const TZoneRule &b)
{
    // By its bits, so a rule time that is no number still matches itself.
    return a.OnMonth == b.OnMonth && a.OnDayOfWeek == b.OnDayOfWeek && a.OnDay == b.OnDay &&
           a.OnType == b.OnType &&
           std::bit_cast<std::uint64_t>(a.OnTime) == std::bit_cast<std::uint64_t>(b.OnTime);
}

// Whether a rule table was made from the zone's fields as they are now.
bool IsKeyOf(const TRuleTable::TKey &key, const TTimeZone &zone)
{
    return key.UTCOffset == zone.UTCOffset && key.StandardOffset == zone.StandardOffset &&
           key.DaylightOffset == zone.DaylightOffset &&
           SameRule(key.DaylightRule, zone.DaylightRule) &&
           SameRule(key.StandardRule, zone.StandardRule);
}

} // namespace

// Inlined into the conversions: a clock converts once a second.
inline const TRuleTable &TTimeZone::RuleTableFor(std::int64_t msecs) const
{
    if (!IsKeyOf(FRuleTable.Key(), *this) || !FRuleTable.Covers(msecs)) [[unlikely]] {
        RenewRuleTable(msecs);
    }
    return FRuleTable;
}

void TTimeZone::RenewRuleTable(std::int64_t msecs) const
{
    if (!IsKeyOf(FRuleTable.Key(), *this)) {
        FRuleTable.Reset({UTCOffset, StandardOffset, DaylightOffset, DaylightRule, StandardRule});
    }
    FRuleTable.Cover(msecs);
}

bool TTimeZone::RulesSayDaylight(TDateTime utc) const
{
    // The negated test also sends NaN to standard time.
    if (!HasDaylight() || !(utc >= FirstDay && utc < EndDay - 1)) {
        return false;
    }
    const std::int64_t u = MomentMSecs(utc);
    return RuleTableFor(u).DaylightAt(u);
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
                if (const std::optional<std::int64_t> moment = RuleMomentMSecs(y, *rule)) {
                    moments.push_back(*moment);
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

int TTimeZone::StandardOffsetTotal() const
{
    return ClampMinutes(std::int64_t(UTCOffset) + StandardOffset);
}

int TTimeZone::OffsetAt(TDateTime utc) const
{
    if (const TZoneChange *change = StatedChangeAt(utc)) {
        return change->Offset;
    }
    return ClampMinutes(std::int64_t(UTCOffset) +
                        (RulesSayDaylight(utc) ? DaylightOffset : StandardOffset));
}

const QString &TTimeZone::AbbrAt(TDateTime utc) const
{
    if (const TZoneChange *change = StatedChangeAt(utc)) {
        return change->Abbr;
    }
    return RulesSayDaylight(utc) ? DaylightAbbr : StandardAbbr;
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
    return RuleDayNumber(year, rule).has_value();
}

TDateTime TTimeZone::TransitionMoment(int year, const TZoneRule &rule) const
{
    const std::optional<int> dayNumber = RuleDayNumber(year, rule);
    if (!dayNumber) {
        throw EConvertError(u"The rule names no day in the year %1"_s.arg(year));
    }
    return *dayNumber + double(RuleTimeOfDayMSecs(rule.OnTime)) / double(MSecsPerDay);
}

bool TTimeZone::IsDaylightAt(TDateTime utc) const
{
    if (const TZoneChange *change = StatedChangeAt(utc)) {
        return change->Daylight;
    }
    return RulesSayDaylight(utc);
}

TDateTime TTimeZone::LocalTimeAt(TDateTime utc) const
{
    if (const TZoneChange *change = StatedChangeAt(utc)) [[unlikely]] {
        return utc + double(change->Offset) / MinutesPerDay;
    }
    if (HasDaylight() && utc >= FirstDay && utc < EndDay - 1) {
        const std::int64_t u = MomentMSecs(utc);
        const TRuleTable &table = RuleTableFor(u);
        return utc + table.OffsetDays(table.DaylightAt(u));
    }
    return StandardTimeAt(utc);
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
    return ZoneEntryText(*this, CityName(), false);
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
    const std::int64_t local = RuleTimeOfDayMSecs(rule.OnTime) + offset * 60'000;
    const TSplitDateTime split = SplitMSecs(local);
    const std::int64_t shift = split.Day;
    const double time = double(split.MSecOfDay) / double(MSecsPerDay);
    //: a day, then a time of day
    return Tr(QT_TRANSLATE_NOOP("TTimeZone", "%1 at %2"))
        .arg(LocalDayPhrase(rule, shift), FormatDateTime(ZoneTimeOfDayFormat(), time));
}

void TCustomisedTimeZone::Assign(const TTimeZone &source)
{
    if (const auto *clock = dynamic_cast<const TCustomisedTimeZone *>(&source)) {
        Title = clock->Title;
        UseDaylight = clock->UseDaylight;
        UnknownZone = clock->UnknownZone;
    } else {
        UnknownZone = false;
    }
    TTimeZone::Assign(source);
}

QString TCustomisedTimeZone::TitleWithOffset() const
{
    return Title.isEmpty() ? DisplayName() : ZoneEntryText(*this, Title, false);
}
