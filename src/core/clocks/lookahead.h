// Looking ahead (or back) in the clocks window: how far the shown times are
// moved from the present, within what bounds, and when the view falls back to
// the present by itself. Only what is shown moves; the alarm, the timer and
// everything stored go on with the real time.
#pragma once

#include "core/time/datetime.h"

#include <QString>
#include <cstdint>

class TLookAhead
{
public:
    static constexpr int NotchMinutes = 15;
    static constexpr int PageMinutes = 60;
    static constexpr int MaxMinutes = 7 * 24 * 60;
    // Without a wheel turn or key for this long the view returns to the present.
    static constexpr std::int64_t IdleMSecs = 60'000;
    // One notch of a mouse wheel, in QWheelEvent::angleDelta() units.
    static constexpr int WheelNotch = 120;

    // Minutes the shown times are ahead of the present (negative: behind).
    int Minutes() const { return FMinutes; }
    bool IsShifted() const { return FMinutes != 0; }
    // The UTC moment the clocks show for the real one.
    TDateTime ShownUTC(TDateTime utc) const { return utc + double(FMinutes) / MinutesPerDay; }

    // The minutes a key moves the view by without modifiers (Up/Down a
    // notch, Page Up/Page Down an hour); 0 for any other key.
    static int KeyMinutes(int qtKey);
    // Moves by minutes, held within ±MaxMinutes. True when the shift changed.
    bool Move(int minutes);
    // A wheel turn: whole notches move by NotchMinutes each; what is left of a
    // fine-grained wheel's turn waits for the next turn in the same direction.
    bool Wheel(int angleDelta);
    // Back to the present. True when the view was shifted.
    bool Reset();
    // Back to the present when nothing moved the view for IdleMSecs of real
    // time. True when that happened.
    bool ExpireIfIdle();

    // "+2:15", "-0:45", "+168:00": hours and minutes; empty in the present.
    QString ShiftText() const;

private:
    int FMinutes = 0;
    int FWheelRest = 0;
    std::int64_t FLastMoveMSecs = 0;
};
