// The one source of "now" for the whole program. Production code asks the
// system clock; tests install a TFakeClock they set and advance, so nothing
// that depends on the time of day ever depends on when a test runs.
#pragma once

#include "datetime.h"

#include <cstdint>

class TClockSource
{
public:
    virtual ~TClockSource() = default;

    // Milliseconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t UtcMSecs() const = 0;
    // Seconds east of UTC of the machine's own zone at that UTC moment; the
    // system clock follows a change of the machine's zone while running.
    virtual int LocalOffsetSecs(std::int64_t utcMSecs) const = 0;

    // The source in use: the system clock unless a test installed another.
    static const TClockSource &Current();
    // Installs a source (not owned); nullptr restores the system clock.
    static void Install(const TClockSource *source);
};

class TSystemClock final : public TClockSource
{
public:
    std::int64_t UtcMSecs() const override;
    int LocalOffsetSecs(std::int64_t utcMSecs) const override;
};

// A clock that stands still until told otherwise. Installs itself for its
// lifetime, so a test cannot forget to put the system clock back.
class TFakeClock final : public TClockSource
{
public:
    explicit TFakeClock(TDateTime utc = 0, int localOffsetMinutes = 0);
    ~TFakeClock() override;
    TFakeClock(const TFakeClock &) = delete;
    TFakeClock &operator=(const TFakeClock &) = delete;

    void SetUTC(TDateTime utc);
    void SetUtcMSecs(std::int64_t msecs) { FUtcMSecs = msecs; }
    void Advance(std::int64_t msecs) { FUtcMSecs += msecs; }
    void SetLocalOffsetMinutes(int minutes) { FLocalOffsetSecs = minutes * 60; }

    std::int64_t UtcMSecs() const override { return FUtcMSecs; }
    int LocalOffsetSecs(std::int64_t) const override { return FLocalOffsetSecs; }

private:
    std::int64_t FUtcMSecs = 0;
    int FLocalOffsetSecs = 0;
    const TClockSource *FPrevious = nullptr;
};

// The current UTC moment, to the millisecond.
TDateTime NowUTC();
// The machine's local wall-clock time, to the millisecond.
TDateTime NowLocal();
// Milliseconds (0..999) of the local wall clock: what a timer waits out to
// tick on the next whole second.
int LocalMilliseconds();
