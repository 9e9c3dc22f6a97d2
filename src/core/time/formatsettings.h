// The user's regional settings as the program uses them: separators, names and
// the default formats, the formats already translated into the program's own
// date-time format language (see datetimeformat.h).
#pragma once

#include <QChar>
#include <QString>
#include <array>

class QLocale;

struct TFormatSettings
{
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QChar DecimalSeparator = u'.';
    QString ShortDateFormat;                 // e.g. "dd/mm/yyyy"
    QString LongDateFormat;                  // e.g. "dd mmmm yyyy"
    QString ShortTimeFormat;                 // e.g. "hh:nn"
    QString LongTimeFormat;                  // e.g. "hh:nn:ss"
    QString TimeAMString;                    // morning designator, e.g. "AM"
    QString TimePMString;                    // afternoon designator, e.g. "PM"
    std::array<QString, 12> ShortMonthNames; // [0] = January
    std::array<QString, 12> LongMonthNames;
    std::array<QString, 7> ShortDayNames; // [0] = Sunday
    std::array<QString, 7> LongDayNames;

    // Read from a locale, its Qt date and time formats translated.
    static TFormatSettings FromLocale(const QLocale &locale);
    // A fixed British record ("dd/mm/yyyy", "hh:nn:ss", AM/PM, English names)
    // so tests never depend on the machine's locale.
    static TFormatSettings British();
};

// The settings in force: read once from QLocale::system() on first use.
const TFormatSettings &FormatSettings();
// Replaces the settings in force (tests; start-up). Not thread-safe: the
// program has one GUI thread.
void SetFormatSettings(const TFormatSettings &settings);

// Translates a Qt date/time format ("dddd d MMMM yyyy", "h:mm:ss AP") into the
// program's format language ("dddd d mmmm yyyy", "h:nn:ss ampm").
QString FormatFromQtFormat(const QString &qtFormat);
// The same for one of a locale's formats: its date separator becomes "/" and its
// time separator ":" so the result follows the settings' separators (a null
// QChar: none). Qt's time-zone field is dropped; other letters are quoted.
QString FormatFromQtFormat(const QString &qtFormat, QChar dateSeparator, QChar timeSeparator);
