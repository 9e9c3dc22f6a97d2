// The program's date-time format language: one formatter turns a format such
// as "dddd d mmmm yyyy" or "hh:nn:ss ampm" and a TDateTime into text, and the
// time-of-day parser used by the zone file.
#pragma once

#include "datetime.h"
#include "formatsettings.h"

#include <QString>

// Formats a value. Tokens (letters in either case):
//   d dd ddd dddd ddddd dddddd   day, day 2 digits, short/long day name,
//                                short/long date format
//   m mm mmm mmmm                month number (minutes after an hour token),
//                                short/long month name
//   yy yyyy                      year, 2 or 4 digits
//   h hh                         hour (12-hour form with an am/pm token)
//   n nn  s ss  z zz zzz         minutes, seconds, milliseconds
//   am/pm  a/p  ampm             designators
//   aaa aaaa                     short/long day name
//   t tt  c                      short/long time format, short date + long time
//   /  :                         date and time separators
//   '…' "…"                      literal text (an unclosed quote runs to the end)
// Any other character is copied, letters that start no token (e, g, ...) too.
// c, t, tt, ddddd and dddddd expand the settings' formats; the same tokens
// inside those expansions produce nothing, so formats naming each other cannot
// recurse. A value that cannot be
// a date (NaN, infinite, beyond ±270,000 years) formats as empty text.
QString FormatDateTime(const QString &format, TDateTime value,
                       const TFormatSettings &settings = FormatSettings());

// Parses a time of day as the zone file writes it, whatever the locale:
//   [mark] hour [":" minute [":" second [decimal-separator msec]]] [mark]
// mark = "AM" | "PM" (any case, at most one, before or after), blanks allowed
// before and between the parts and at the end. With a mark the hour is 1..12,
// without one 0..23. Returns the day fraction; throws EConvertError
// "'%s' is not a valid time" otherwise.
TDateTime ParseTimeOfDay(const QString &text, const TFormatSettings &settings = FormatSettings());
