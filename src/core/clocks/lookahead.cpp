#include "lookahead.h"

#include "core/time/clocksource.h"

#include <Qt>
#include <algorithm>
#include <cstdlib>

bool TLookAhead::Move(int minutes)
{
    FLastMoveMSecs = TClockSource::Current().UtcMSecs();
    // Widened first: a caller's huge step must not overflow before the clamp.
    const long long wanted = static_cast<long long>(FMinutes) + minutes;
    const int clamped = static_cast<int>(std::clamp<long long>(wanted, -MaxMinutes, MaxMinutes));
    if (clamped == FMinutes) {
        return false;
    }
    FMinutes = clamped;
    return true;
}

bool TLookAhead::Wheel(int angleDelta)
{
    if ((angleDelta > 0) != (FWheelRest > 0) && FWheelRest != 0) {
        FWheelRest = 0;
    }
    FWheelRest += angleDelta;
    const int notches = FWheelRest / WheelNotch;
    FWheelRest -= notches * WheelNotch;
    if (notches == 0) {
        FLastMoveMSecs = TClockSource::Current().UtcMSecs();
        return false;
    }
    return Move(notches * NotchMinutes);
}

bool TLookAhead::Reset()
{
    FWheelRest = 0;
    if (FMinutes == 0) {
        return false;
    }
    FMinutes = 0;
    return true;
}

bool TLookAhead::ExpireIfIdle()
{
    if (FMinutes == 0 || TClockSource::Current().UtcMSecs() - FLastMoveMSecs < IdleMSecs) {
        return false;
    }
    return Reset();
}

QString TLookAhead::ShiftText() const
{
    if (FMinutes == 0) {
        return {};
    }
    const int magnitude = std::abs(FMinutes);
    return QString(FMinutes > 0 ? u'+' : u'-') + QString::number(magnitude / 60) + u':' +
           QString::number(magnitude % 60).rightJustified(2, u'0');
}

int TLookAhead::KeyMinutes(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Up:
        return NotchMinutes;
    case Qt::Key_Down:
        return -NotchMinutes;
    case Qt::Key_PageUp:
        return PageMinutes;
    case Qt::Key_PageDown:
        return -PageMinutes;
    default:
        return 0;
    }
}
