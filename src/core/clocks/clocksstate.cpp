#include "clocksstate.h"

#include "core/time/formatsettings.h"

TClocksState TClocksState::Defaults()
{
    TClocksState state;
    state.TimeFormat = FormatSettings().LongTimeFormat;
    state.DateFormat = FormatSettings().LongDateFormat;
    return state;
}
