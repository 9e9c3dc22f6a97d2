#include "zonefit.h"

#include "posixconvert.h"

#include <algorithm>
#include <tuple>

namespace zonegen {
namespace {

// The rules that put a change on the UTC day and time of one real change:
// the fixed date, and every weekday form that lands there this year. Which of
// them holds in other years the comparison over the checked years decides.
void AddRulesFor(Seconds moment, std::vector<TRule> &rules)
{
    const std::int64_t days = FloorDiv(moment, SecondsPerDay);
    const auto time = static_cast<std::int32_t>(moment - days * SecondsPerDay);
    const TCivilDate date = CivilFromDays(days);
    const int weekday = WeekdayOfDays(days) + 1;
    const int length = MonthLength(date.Year, date.Month);
    const auto add = [&rules](const TRule &rule) {
        if (std::find(rules.begin(), rules.end(), rule) == rules.end())
            rules.push_back(rule);
    };
    if (!(date.Month == 2 && date.Day == 29))
        add({date.Month, TRuleType::DayOfMonth, date.Day, 0, time});
    if (date.Day + 7 > length)
        add({date.Month, TRuleType::LastWeekday, 0, weekday, time});
    for (int from = date.Day - 6; from <= date.Day; ++from) {
        if (from >= 1) {
            add({date.Month, TRuleType::WeekdayOnOrAfter, from, weekday, time});
        } else if (date.Month > 1) {
            const int before = date.Month - 1;
            add({before, TRuleType::WeekdayOnOrAfter, MonthLength(date.Year, before) + from,
                 weekday, time});
        }
    }
}

void AddPairCandidates(const TTimeline &timeline, Seconds until, const TLocalState &low,
                       const TLocalState &high, std::vector<TZoneEntry> &candidates)
{
    std::vector<TRule> begins;
    std::vector<TRule> resumes;
    const auto &changes = timeline.Changes();
    for (std::size_t i = 1; i < changes.size() && changes[i].At < until; ++i) {
        const TLocalState &before = changes[i - 1].State;
        const TLocalState &after = changes[i].State;
        if (before.SameClock(low) && after.SameClock(high))
            AddRulesFor(changes[i].At, begins);
        else if (before.SameClock(high) && after.SameClock(low))
            AddRulesFor(changes[i].At, resumes);
    }
    if (begins.empty() && resumes.empty())
        return;
    // A change that happens once: the other end is the last second of the year.
    const TRule yearEnd{12, TRuleType::DayOfMonth, 31, 0, 86399};
    begins.push_back(yearEnd);
    resumes.push_back(yearEnd);
    for (const TRule &begin : begins) {
        for (const TRule &resume : resumes) {
            if (begin == resume)
                continue;
            TZoneEntry zone;
            zone.UTCOffset = low.Offset / 60;
            zone.StandardAbbr = low.Abbr;
            zone.DaylightOffset = (high.Offset - low.Offset) / 60;
            zone.DaylightAbbr = high.Abbr;
            zone.DaylightRule = begin;
            zone.StandardRule = resume;
            candidates.push_back(std::move(zone));
        }
    }
}

} // namespace

std::vector<TInterval> Mismatches(const TZoneEntry &zone, const TTimeline &timeline)
{
    std::vector<Seconds> points;
    for (const auto &change : timeline.Changes())
        points.push_back(change.At);
    for (int year = YearOf(timeline.From()); year <= YearOf(timeline.To()); ++year) {
        points.push_back(YearStart(year));
        for (const TRule *rule : {&zone.DaylightRule, &zone.StandardRule})
            if (const auto moment = TZoneEntry::TransitionMoment(year, *rule))
                points.push_back(*moment);
    }
    points.push_back(timeline.To());
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());

    std::vector<TInterval> wrong;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const Seconds from = points[i];
        if (from < timeline.From() || from >= timeline.To())
            continue;
        const TLocalState &real = timeline.StateAt(from);
        if (zone.OffsetSecondsJustAfter(from) == real.Offset &&
            zone.AbbrJustAfter(from) == real.Abbr)
            continue;
        if (!wrong.empty() && wrong.back().To == from)
            wrong.back().To = points[i + 1];
        else
            wrong.push_back({from, points[i + 1]});
    }
    return wrong;
}

Seconds LengthWithin(const std::vector<TInterval> &intervals, Seconds from, Seconds to)
{
    Seconds total = 0;
    for (const TInterval &interval : intervals)
        total += std::max<Seconds>(0, std::min(interval.To, to) - std::max(interval.From, from));
    return total;
}

std::optional<TFit> FitZone(const TTzifData &data, const TFitOptions &options, std::string &reason)
{
    const Seconds from = YearStart(options.FirstYear);
    const Seconds to = YearStart(options.FirstYear + options.Years);
    const auto timeline = TTimeline::FromTzif(data, from, to);
    if (!timeline) {
        reason = "its POSIX rule \"" + data.Footer + "\" does not parse";
        return std::nullopt;
    }

    // The tz database's own rule for future years comes first and so wins ties.
    std::vector<TZoneEntry> candidates;
    if (const auto footer = ParsePosixTz(data.Footer)) {
        const int lastYear = options.FirstYear + options.Years - 1;
        if (auto zone = ZoneFromPosix(*footer, lastYear))
            candidates.push_back(std::move(*zone));
    }
    // The offsets of this year and the next, by themselves and in pairs.
    std::vector<TLocalState> states;
    const Seconds nearEnd = YearStart(options.FirstYear + 2);
    for (const auto &change : timeline->Changes()) {
        if (change.At >= nearEnd)
            break;
        const bool known = std::any_of(states.begin(), states.end(), [&](const TLocalState &s) {
            return s.SameClock(change.State);
        });
        if (!known && change.State.Offset % 60 == 0)
            states.push_back(change.State);
    }
    for (const TLocalState &state : states) {
        TZoneEntry zone;
        zone.UTCOffset = state.Offset / 60;
        zone.StandardAbbr = state.Abbr;
        candidates.push_back(std::move(zone));
    }
    for (const TLocalState &low : states)
        for (const TLocalState &high : states)
            if (low.Offset < high.Offset)
                AddPairCandidates(*timeline, nearEnd, low, high, candidates);
    if (candidates.empty()) {
        reason = "no offset in whole minutes";
        return std::nullopt;
    }

    // What the clock shows from now to the end of this year counts first
    // (the zone is right for the current year wherever the file can say
    // so), then the coming twelve months, then all the checked years.
    const Seconds focus = std::clamp(options.Focus, from, to);
    const Seconds firstYearEnd = YearStart(options.FirstYear + 1);
    std::optional<TFit> best;
    std::tuple<Seconds, Seconds, Seconds, Seconds> bestScore;
    for (TZoneEntry &candidate : candidates) {
        std::vector<TInterval> wrong = Mismatches(candidate, *timeline);
        const auto score =
            std::make_tuple(LengthWithin(wrong, focus, firstYearEnd),
                            LengthWithin(wrong, focus, focus + 365 * SecondsPerDay),
                            LengthWithin(wrong, from, to), LengthWithin(wrong, from, firstYearEnd));
        if (!best || score < bestScore) {
            bestScore = score;
            best = TFit{std::move(candidate), std::move(wrong), {}};
        }
    }
    if (!best->Wrong.empty()) {
        // No pair of rules holds the zone: its changes over the checked years
        // go into the entry outright, and the rules serve the years after.
        for (const auto &change : timeline->Changes())
            best->Zone.Changes.push_back(
                {change.At, change.State.Offset, change.State.IsDst, change.State.Abbr});
        best->Zone.ChangesUntil = to;
        best->RulesWrong = std::move(best->Wrong);
        best->Wrong = Mismatches(best->Zone, *timeline);
    }
    return best;
}

} // namespace zonegen
