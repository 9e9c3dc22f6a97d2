#include "clocksource.h"

#include <chrono>
#include <ctime>

namespace {
const TSystemClock systemClock;
const TClockSource *currentClock = &systemClock;
} // namespace

const TClockSource &TClockSource::Current()
{
    return *currentClock;
}

void TClockSource::Install(const TClockSource *source)
{
    currentClock = source != nullptr ? source : &systemClock;
}

std::int64_t TSystemClock::UtcMSecs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

int TSystemClock::LocalOffsetSecs(std::int64_t utcMSecs) const
{
    const std::time_t t = static_cast<std::time_t>(utcMSecs / 1000);
    std::tm local{};
    // localtime_r keeps the zone it read first; tzset reads it again when
    // /etc/localtime was replaced (the user moved the machine's zone) or TZ
    // changed, at the cost of one stat of the file otherwise.
    tzset();
    localtime_r(&t, &local);
    return static_cast<int>(local.tm_gmtoff);
}

TFakeClock::TFakeClock(TDateTime utc, int localOffsetMinutes)
    : FUtcMSecs(UnixMSecsFromDateTime(utc)), FLocalOffsetSecs(localOffsetMinutes * 60),
      FPrevious(&TClockSource::Current())
{
    TClockSource::Install(this);
}

TFakeClock::~TFakeClock()
{
    TClockSource::Install(FPrevious);
}

void TFakeClock::SetUTC(TDateTime utc)
{
    FUtcMSecs = UnixMSecsFromDateTime(utc);
}

TDateTime NowUTC()
{
    return DateTimeFromUnixMSecs(TClockSource::Current().UtcMSecs());
}

TDateTime NowLocal()
{
    const TClockSource &clock = TClockSource::Current();
    const std::int64_t utc = clock.UtcMSecs();
    return DateTimeFromUnixMSecs(utc + std::int64_t(clock.LocalOffsetSecs(utc)) * 1000);
}

int LocalMilliseconds()
{
    // Local time differs from UTC by whole seconds, so their milliseconds
    // agree: every clock's once-a-second re-arm needs no zone lookup.
    const std::int64_t utc = TClockSource::Current().UtcMSecs();
    return static_cast<int>(((utc % 1000) + 1000) % 1000);
}
