// The time zone model: a zone with its two yearly daylight-saving rules and
// the conversion of a UTC moment into the zone's local time; a clock's copy
// of a zone with its title.
#pragma once

#include "core/system/exceptions.h"
#include "core/time/clocksource.h"
#include "core/time/datetime.h"
#include "core/zones/ruletable.h"
#include "core/zones/zonerule.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// A change of a zone's clock stated outright in the zone file, for a zone
// whose changes two yearly rules cannot hold.
struct TZoneChange
{
    std::int64_t AtMSecs = 0; // UTC, milliseconds since 30 December 1899 00:00
    std::int32_t Offset = 0;  // minutes east of UTC from AtMSecs on
    bool Daylight = false;
    QString Abbr;

    friend bool operator==(const TZoneChange &, const TZoneChange &) = default;
};

// A change of a zone's offset: its UTC moment and the offsets in force just
// before and just after it, minutes east of UTC.
struct TZoneTransition
{
    TDateTime At = 0;
    int OffsetBefore = 0;
    int OffsetAfter = 0;
};

// A bad value in the zone file; the message starts with the zone's name and ": ".
class ETimeZoneError : public Exception
{
public:
    using Exception::Exception;
};

// One zone of the zone database. Read-only after loading; copied with Assign.
class TTimeZone
{
public:
    TTimeZone() = default;
    virtual ~TTimeZone() = default;
    // Copies are made through Assign so a clock's own fields survive.
    TTimeZone(const TTimeZone &) = delete;
    TTimeZone &operator=(const TTimeZone &) = delete;

    QString StandardAbbr;
    QString DaylightAbbr;
    std::int32_t StandardOffset = 0; // minutes, added to UTCOffset in standard time
    std::int32_t UTCOffset = 0;      // minutes east of UTC
    std::int32_t DaylightOffset = 0; // minutes, added to UTCOffset in daylight time
    TZoneRule StandardRule;          // when standard time resumes
    TZoneRule DaylightRule;          // when daylight time begins
    QString Name;                    // "Region/City"
    // Stated changes, ascending: they hold from the first one's moment until
    // ChangesUntilMSecs (excluded, same unit); the two rules hold outside.
    std::vector<TZoneChange> Changes;
    std::int64_t ChangesUntilMSecs = 0;

    // Copies the zone fields and Name (a TCustomisedTimeZone also copies its own).
    virtual void Assign(const TTimeZone &source);

    bool HasDaylight() const { return DaylightRule.OnMonth != 0; }
    bool HasStatedChanges() const { return !Changes.empty(); }
    // Daylight time by its rules or in some of its stated changes: whether a
    // clock of the zone can follow daylight time.
    bool ObservesDaylight() const;
    // The stated change in force at a UTC moment; nullptr outside their span.
    const TZoneChange *StatedChangeAt(TDateTime utc) const;
    // The UTC moment at which the rule takes effect in that year. Throws
    // EConvertError for a rule that names no real day (see RuleHasDate).
    TDateTime TransitionMoment(int year, const TZoneRule &rule) const;
    // False for a rule that yields no day in that year: no rule at all,
    // weekday 0 with types 1-3, day 0 or past the month's end with types 0
    // and 2, or a year outside 1..9999. A zone whose rules yield no day is in
    // standard time, and so is every zone at a moment outside those years.
    static bool RuleHasDate(int year, const TZoneRule &rule);
    bool IsDaylightAt(TDateTime utc) const;
    bool IsDaylightNow() const { return IsDaylightAt(NowUTC()); }
    TDateTime LocalTimeAt(TDateTime utc) const;
    TDateTime LocalTimeNow() const { return LocalTimeAt(NowUTC()); }
    TDateTime StandardTimeAt(TDateTime utc) const
    {
        return utc + (double(UTCOffset) + StandardOffset) / MinutesPerDay;
    }
    // UTCOffset + StandardOffset, kept within int: the offset of standard time.
    int StandardOffsetTotal() const;
    // The offset in force, minutes east of UTC.
    int OffsetAt(TDateTime utc) const;
    const QString &AbbrAt(TDateTime utc) const;
    QString CurrentAbbr() const { return AbbrAt(NowUTC()); }
    // The first change of the offset after a UTC moment, by the stated
    // changes and the rules; nullopt for a zone whose offset never changes.
    std::optional<TZoneTransition> NextChangeAfter(TDateTime utc) const;

    // Fills offsets, abbreviations and rules from the body lines of one zone
    // file section. Name must be set first (it heads error messages). Throws
    // ETimeZoneError.
    void LoadFromSection(const QStringList &lines);
    void LoadFromSection(std::span<const QString> lines);

    QString RegionName() const;  // Name before the first "/", or empty
    QString CityName() const;    // Name after the first "/", or all of Name
    QString DisplayName() const; // "(GMT +1:00) City"
    QString RuleDescription(bool daylightRule) const;

private:
    // Years 1 to 9999, the calendar's range: a moment outside it has no
    // daylight time and a rule no moment.
    static constexpr int FirstDay = DayNumber(1, 1, 1);
    static constexpr int EndDay = DayNumber(10000, 1, 1);

    // By the rules alone, in the calendar's years.
    bool RulesSayDaylight(TDateTime utc) const;
    // The rules' moments for the zone's present fields, taking in msecs.
    const TRuleTable &RuleTableFor(std::int64_t msecs) const;
    void RenewRuleTable(std::int64_t msecs) const;

    // A cache: it notices on use when the public fields it came from change.
    mutable TRuleTable FRuleTable;
};

// Inline, as a clock converts once a second: a binary search over a few
// dozen moments, and for most zones, which state no changes, one test.
inline const TZoneChange *TTimeZone::StatedChangeAt(TDateTime utc) const
{
    // The negated test also keeps NaN out.
    if (Changes.empty() || !(utc >= FirstDay && utc < EndDay)) {
        return nullptr;
    }
    const std::int64_t u = MomentMSecs(utc);
    if (u < Changes.front().AtMSecs || u >= ChangesUntilMSecs) {
        return nullptr;
    }
    const auto after = std::upper_bound(
        Changes.begin(), Changes.end(), u,
        [](std::int64_t value, const TZoneChange &change) { return value < change.AtMSecs; });
    return &*std::prev(after);
}

// A zone as chosen for one clock: a copy of a database zone plus the clock's
// title and whether it follows daylight time.
class TCustomisedTimeZone : public TTimeZone
{
public:
    bool UseDaylight = false;
    QString Title;
    // A stored clock whose zone (Name) the zone file does not name: kept so
    // that it is stored again as it was, but its zone fields mean nothing and
    // it has no time to show.
    bool UnknownZone = false;

    // From another TCustomisedTimeZone also copies Title, UseDaylight and
    // UnknownZone; a plain zone is a known one.
    void Assign(const TTimeZone &source) override;
    QString TitleWithOffset() const;
};
