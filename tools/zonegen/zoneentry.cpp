#include "zoneentry.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace zonegen {

std::optional<Seconds> TZoneEntry::TransitionMoment(int year, const TRule &rule)
{
    if (rule.Month < 1 || rule.Month > 12)
        return std::nullopt;
    const int length = MonthLength(year, rule.Month);
    const bool needsWeekday = rule.Type != TRuleType::DayOfMonth;
    if (needsWeekday && (rule.DayOfWeek < 1 || rule.DayOfWeek > 7))
        return std::nullopt;
    const int weekday = rule.DayOfWeek - 1; // 0 = Sunday
    std::int64_t day = 0;
    switch (rule.Type) {
    case TRuleType::DayOfMonth:
        if (rule.Day < 1 || rule.Day > length)
            return std::nullopt;
        day = DaysFromCivil(year, rule.Month, rule.Day);
        break;
    case TRuleType::LastWeekday: {
        const std::int64_t last = DaysFromCivil(year, rule.Month, length);
        day = last - (WeekdayOfDays(last) - weekday + 7) % 7;
        break;
    }
    case TRuleType::WeekdayOnOrAfter: {
        if (rule.Day < 1 || rule.Day > length)
            return std::nullopt;
        const std::int64_t from = DaysFromCivil(year, rule.Month, rule.Day);
        day = from + (weekday - WeekdayOfDays(from) + 7) % 7;
        break;
    }
    case TRuleType::FirstWeekday: {
        const std::int64_t first = DaysFromCivil(year, rule.Month, 1);
        day = first + (weekday - WeekdayOfDays(first) + 7) % 7;
        break;
    }
    }
    return day * SecondsPerDay + rule.Time;
}

const TStatedChange *TZoneEntry::ChangeJustAfter(Seconds t) const
{
    if (Changes.empty() || t < Changes.front().At || t >= ChangesUntil)
        return nullptr;
    const auto after =
        std::upper_bound(Changes.begin(), Changes.end(), t,
                         [](Seconds value, const TStatedChange &c) { return value < c.At; });
    return &*std::prev(after);
}

bool TZoneEntry::IsDaylightJustAfter(Seconds t) const
{
    if (const TStatedChange *change = ChangeJustAfter(t))
        return change->IsDst;
    if (!HasDaylight())
        return false;
    const int year = YearOf(t);
    const auto begins = TransitionMoment(year, DaylightRule);
    const auto resumes = TransitionMoment(year, StandardRule);
    if (!begins || !resumes)
        return false;
    // Both ends are inclusive; for the moments in (t, t + 1) that reads
    // D <= t and t < S.
    if (*begins < *resumes)
        return *begins <= t && t < *resumes;
    if (*begins > *resumes)
        return t >= *begins || t < *resumes;
    return false;
}

std::int32_t TZoneEntry::OffsetSecondsJustAfter(Seconds t) const
{
    if (const TStatedChange *change = ChangeJustAfter(t))
        return change->Offset;
    return 60 * (UTCOffset + (IsDaylightJustAfter(t) ? DaylightOffset : 0));
}

const std::string &TZoneEntry::AbbrJustAfter(Seconds t) const
{
    if (const TStatedChange *change = ChangeJustAfter(t))
        return change->Abbr;
    return IsDaylightJustAfter(t) ? DaylightAbbr : StandardAbbr;
}

std::string RuleTimeText(std::int32_t seconds)
{
    char text[16];
    if (seconds % 60 != 0)
        std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    else
        std::snprintf(text, sizeof text, "%d:%02d", seconds / 3600, seconds / 60 % 60);
    return text;
}

std::string UtcMomentText(Seconds t)
{
    const std::int64_t days = FloorDiv(t, SecondsPerDay);
    const TCivilDate date = CivilFromDays(days);
    const auto second = static_cast<int>(t - days * SecondsPerDay);
    char text[32];
    if (second % 60 != 0)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.Year, date.Month,
                      date.Day, second / 3600, second / 60 % 60, second % 60);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date.Year, date.Month,
                      date.Day, second / 3600, second / 60 % 60);
    return text;
}

std::string TZoneEntry::SectionText() const
{
    std::string text = "[" + Name + "]\n";
    const auto line = [&text](const char *key, const std::string &value) {
        text += key;
        text += '=';
        text += value;
        text += '\n';
    };
    const auto rule = [&line](const std::string &prefix, const TRule &r) {
        line((prefix + "OnMonth").c_str(), std::to_string(r.Month));
        if (r.Month == 0)
            return;
        line((prefix + "OnType").c_str(), std::to_string(static_cast<int>(r.Type)));
        line((prefix + "OnDay").c_str(), std::to_string(r.Day));
        line((prefix + "OnDayOfWeek").c_str(), std::to_string(r.DayOfWeek));
        line((prefix + "OnTime").c_str(), RuleTimeText(r.Time));
    };
    line("UTCOffset", std::to_string(UTCOffset));
    line("StandardAbbr", StandardAbbr);
    line("StandardOffset", "0");
    rule("Standard", StandardRule);
    line("DaylightAbbr", DaylightAbbr);
    line("DaylightOffset", std::to_string(DaylightOffset));
    rule("Daylight", DaylightRule);
    if (Changes.empty())
        return text;
    // Readers that know only the rules skip these keys and keep the entry above.
    line("ChangesUntil", UtcMomentText(ChangesUntil));
    line("ChangeCount", std::to_string(Changes.size()));
    for (std::size_t i = 0; i < Changes.size(); ++i) {
        const TStatedChange &change = Changes[i];
        line(("Change" + std::to_string(i + 1)).c_str(),
             UtcMomentText(change.At) + "," + std::to_string(change.Offset / 60) + "," +
                 (change.IsDst ? "daylight" : "standard") + "," + change.Abbr);
    }
    return text;
}

} // namespace zonegen
