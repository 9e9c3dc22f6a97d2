#include "timeline.h"

#include <algorithm>
#include <functional>

namespace zonegen {
namespace {

TLocalState PosixState(const TPosixTz &tz, Seconds t)
{
    if (PosixIsDstAt(tz, t))
        return {static_cast<std::int32_t>(tz.DstOffset), tz.DstAbbr, true};
    return {static_cast<std::int32_t>(tz.StdOffset), tz.StdAbbr, false};
}

void AddPosixMoments(const TPosixTz &tz, Seconds from, Seconds to, std::vector<Seconds> &moments)
{
    if (!tz.HasDst)
        return;
    for (int year = YearOf(from) - 1; year <= YearOf(to) + 1; ++year) {
        moments.push_back(PosixStartMoment(tz, year));
        moments.push_back(PosixEndMoment(tz, year));
    }
}

std::vector<TTimeline::TChange> Collect(Seconds from, Seconds to, std::vector<Seconds> moments,
                                        const std::function<TLocalState(Seconds)> &stateAt)
{
    std::sort(moments.begin(), moments.end());
    std::vector<TTimeline::TChange> changes{{from, stateAt(from)}};
    for (const Seconds at : moments) {
        if (at <= from || at >= to)
            continue;
        TLocalState state = stateAt(at);
        if (!state.SameClock(changes.back().State))
            changes.push_back({at, std::move(state)});
    }
    return changes;
}

} // namespace

std::optional<TTimeline> TTimeline::FromTzif(const TTzifData &data, Seconds from, Seconds to)
{
    std::optional<TPosixTz> footer;
    if (!data.Footer.empty()) {
        footer = ParsePosixTz(data.Footer);
        if (!footer)
            return std::nullopt;
    }
    const auto typeState = [&data](std::size_t index) {
        const TTzifType &type = data.Types[index];
        return TLocalState{type.UtOffset, type.Abbr, type.IsDst};
    };
    const auto stateAt = [&](Seconds t) {
        const auto after = std::upper_bound(data.Times.begin(), data.Times.end(), t);
        if (after != data.Times.end() || !footer) {
            if (after == data.Times.begin())
                return typeState(0);
            return typeState(
                data.TypeIndexes[static_cast<std::size_t>(after - data.Times.begin() - 1)]);
        }
        return PosixState(*footer, t);
    };

    std::vector<Seconds> moments;
    for (const Seconds at : data.Times)
        if (at > from && at < to)
            moments.push_back(at);
    if (footer)
        AddPosixMoments(*footer, from, to, moments);

    TTimeline timeline;
    timeline.FFrom = from;
    timeline.FTo = to;
    timeline.FChanges = Collect(from, to, std::move(moments), stateAt);
    return timeline;
}

TTimeline TTimeline::FromPosix(const TPosixTz &tz, Seconds from, Seconds to)
{
    std::vector<Seconds> moments;
    AddPosixMoments(tz, from, to, moments);
    TTimeline timeline;
    timeline.FFrom = from;
    timeline.FTo = to;
    timeline.FChanges =
        Collect(from, to, std::move(moments), [&tz](Seconds t) { return PosixState(tz, t); });
    return timeline;
}

const TLocalState &TTimeline::StateAt(Seconds t) const
{
    const auto after =
        std::upper_bound(FChanges.begin(), FChanges.end(), t,
                         [](Seconds value, const TChange &c) { return value < c.At; });
    return after == FChanges.begin() ? FChanges.front().State : std::prev(after)->State;
}

} // namespace zonegen
