#include "core/system/exceptions.h"
#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestDateTimeFormat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void format_data();
    void format();
    void nestingStopsAtTwoLevels();
    void separatorsFollowSettings();
    void unformattableValuesGiveEmptyText();
    void parseTime_data();
    void parseTime();
    void parseTimeRejects_data();
    void parseTimeRejects();
    void parseTimeUsesSettingsDecimalSeparator();
    void qtFormat_data();
    void qtFormat();
    void fromLocale_data();
    void fromLocale();
    void formatSettingsCanBeReplaced();
};

namespace {

// Sunday 6 December 2026, 14:05:09.007.
TDateTime sample()
{
    return EncodeDateTime(2026, 12, 6, 14, 5, 9, 7);
}

} // namespace

void TestDateTimeFormat::format_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    const double s = sample();
    const double march = EncodeDateTime(2005, 3, 4, 8, 7, 6, 450);
    const double midnight = EncodeDateTime(2026, 12, 6, 0, 30, 0, 0);
    const double noon = EncodeDateTime(2026, 12, 6, 12, 0, 0, 0);
    const double day = EncodeDate(2026, 12, 6);

    QTest::newRow("worked example, date")
        << u"dddd d mmmm yyyy"_s << s << u"Sunday 6 December 2026"_s;
    QTest::newRow("worked example, time") << u"hh:nn:ss ampm"_s << s << u"02:05:09 PM"_s;
    QTest::newRow("worked example, joined by CR")
        << u"dddd d mmmm yyyy\rhh:nn:ss ampm"_s << s << u"Sunday 6 December 2026\r02:05:09 PM"_s;

    QTest::newRow("day numbers") << u"d dd"_s << march << u"4 04"_s;
    QTest::newRow("day names") << u"ddd dddd"_s << march << u"Fri Friday"_s;
    QTest::newRow("month numbers") << u"m mm"_s << march << u"3 03"_s;
    QTest::newRow("month names") << u"mmm mmmm mmmmmm"_s << march << u"Mar March March"_s;
    QTest::newRow("years") << u"y yy yyy yyyy"_s << march << u"05 05 2005 2005"_s;
    QTest::newRow("hours 24") << u"h hh hhh"_s << march << u"8 08 08"_s;
    QTest::newRow("minutes, seconds") << u"n nn nnn s ss sss"_s << march << u"7 07 07 6 06 06"_s;
    QTest::newRow("milliseconds") << u"z zz zzz zzzz"_s << s << u"7 07 007 007"_s;
    QTest::newRow("milliseconds, wide") << u"z"_s << march << u"450"_s;
    QTest::newRow("letters in either case")
        << u"DD/MM/YYYY HH:NN"_s << march << u"04/03/2005 08:07"_s;
    QTest::newRow("a run may mix case") << u"Dd mMm"_s << march << u"04 Mar"_s;

    // m after an hour token is minutes, whatever non-letters lie between.
    QTest::newRow("hh:mm is minutes") << u"hh:mm"_s << march << u"08:07"_s;
    QTest::newRow("h mm with blanks") << u"h -- mm"_s << march << u"8 -- 07"_s;
    QTest::newRow("mm/dd/yyyy is the month") << u"mm/dd/yyyy"_s << march << u"03/04/2005"_s;
    QTest::newRow("a letter between resets") << u"hh d mm"_s << march << u"08 4 03"_s;
    QTest::newRow("only the first m after h") << u"h:m:m"_s << march << u"8:7:3"_s;
    QTest::newRow("month name after an hour") << u"h mmm"_s << march << u"8 Mar"_s;
    QTest::newRow("hh:mm ampm") << u"hh:mm ampm"_s << s << u"02:05 PM"_s;

    // The three am/pm forms.
    QTest::newRow("am/pm lower") << u"h am/pm"_s << s << u"2 pm"_s;
    QTest::newRow("AM/PM upper") << u"h AM/PM"_s << march << u"8 AM"_s;
    QTest::newRow("am/pm mixed case kept") << u"h Am/pM"_s << s << u"2 pM"_s;
    QTest::newRow("am/pm mixed case, morning") << u"h Am/pM"_s << march << u"8 Am"_s;
    QTest::newRow("a/p") << u"h a/p"_s << s << u"2 p"_s;
    QTest::newRow("A/P, morning") << u"h A/P"_s << march << u"8 A"_s;
    QTest::newRow("ampm uses the settings") << u"h AmPm"_s << march << u"8 AM"_s;

    // Noon and midnight on the 12-hour clock.
    QTest::newRow("half past midnight") << u"h:nn ampm"_s << midnight << u"12:30 AM"_s;
    QTest::newRow("noon") << u"h:nn ampm"_s << noon << u"12:00 PM"_s;
    QTest::newRow("midnight, 24-hour") << u"hh:nn"_s << midnight << u"00:30"_s;

    // When the hour goes 12-hour.
    QTest::newRow("am/pm before the hour") << u"ampm h"_s << s << u"PM 2"_s;
    QTest::newRow("am/pm earlier switches later hours") << u"a/p d h"_s << s << u"p 6 2"_s;
    QTest::newRow("first a is no am/pm") << u"h aaa ampm"_s << s << u"14 Sun PM"_s;
    QTest::newRow("next h stops the search") << u"h h ampm"_s << s << u"14 2 PM"_s;
    QTest::newRow("quoted a is skipped") << u"h 'a' ampm"_s << s << u"2 a PM"_s;
    QTest::newRow("quoted am/pm does not count") << u"h 'ampm'"_s << s << u"14 ampm"_s;

    // Day names through a, other a's copied.
    QTest::newRow("aaa aaaa") << u"aaa aaaa"_s << s << u"Sun Sunday"_s;
    QTest::newRow("lone a copied") << u"a-A"_s << s << u"a-A"_s;

    // Expansions.
    QTest::newRow("t tt") << u"t|tt"_s << s << u"14:05|14:05:09"_s;
    QTest::newRow("ddddd dddddd") << u"ddddd|dddddd"_s << s << u"06/12/2026|06 December 2026"_s;
    QTest::newRow("c with a time") << u"c"_s << s << u"06/12/2026 14:05:09"_s;
    QTest::newRow("c at midnight") << u"c"_s << day << u"06/12/2026"_s;
    QTest::newRow("c ignores milliseconds")
        << u"c"_s << day + 5.0 / double(MSecsPerDay) << u"06/12/2026"_s;

    // Literal text.
    QTest::newRow("single quotes") << u"'dd' dd"_s << s << u"dd 06"_s;
    QTest::newRow("double quotes") << u"\"h:m\" h"_s << s << u"h:m 14"_s;
    QTest::newRow("quote inside the other") << u"\"it's\" '\"'"_s << s << u"it's \""_s;
    QTest::newRow("unclosed quote runs to the end") << u"h 'nn ss"_s << s << u"14 nn ss"_s;
    QTest::newRow("other characters") << u"[x] q, #1"_s << s << u"[x] q, #1"_s;
    QTest::newRow("era letters copied") << u"e g gg"_s << s << u"e g gg"_s;
    QTest::newRow("empty format") << QString() << s << QString();

    // Values near the edges of the calendar.
    QTest::newRow("last millisecond of a day")
        << u"c.zzz"_s << EncodeDateTime(1999, 12, 31, 23, 59, 59, 999)
        << u"31/12/1999 23:59:59.999"_s;
    QTest::newRow("before the epoch")
        << u"dd/mm/yyyy hh:nn"_s << EncodeDateTime(1850, 6, 1, 6, 0, 0, 0) << u"01/06/1850 06:00"_s;
    QTest::newRow("year below 1000") << u"yyyy yy"_s << EncodeDate(987, 1, 1) << u"0987 87"_s;
}

void TestDateTimeFormat::format()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatDateTime(format, value, TFormatSettings::British()), expected);
}

void TestDateTimeFormat::nestingStopsAtTwoLevels()
{
    TFormatSettings s = TFormatSettings::British();
    s.ShortDateFormat = u"[ddddd]"_s; // refers to itself
    s.LongDateFormat = u"<t>"_s;      // refers to another format
    s.LongTimeFormat = u"(c)"_s;
    const TDateTime v = sample();
    // Level 1 is the format given, level 2 what it refers to; references made
    // from level 2 produce nothing at all.
    QCOMPARE(FormatDateTime(u"ddddd"_s, v, s), u"[]"_s);
    QCOMPARE(FormatDateTime(u"dddddd"_s, v, s), u"<>"_s);
    QCOMPARE(FormatDateTime(u"c"_s, v, s), u"[] ()"_s);
    QCOMPARE(FormatDateTime(u"tt"_s, v, s), u"()"_s);
}

void TestDateTimeFormat::separatorsFollowSettings()
{
    TFormatSettings s = TFormatSettings::British();
    s.DateSeparator = u'.';
    s.TimeSeparator = u'h';
    s.ShortDateFormat = u"dd/mm/yy"_s;
    const TDateTime v = sample();
    QCOMPARE(FormatDateTime(u"dd/mm hh:nn"_s, v, s), u"06.12 14h05"_s);
    QCOMPARE(FormatDateTime(u"c"_s, v, s), u"06.12.26 14h05h09"_s);
    // An hour whose am/pm word comes from the settings, in another language.
    s.TimeAMString = u"vorm."_s;
    s.TimePMString = u"nachm."_s;
    QCOMPARE(FormatDateTime(u"h:nn ampm"_s, v, s), u"2h05 nachm."_s);
}

void TestDateTimeFormat::unformattableValuesGiveEmptyText()
{
    const TFormatSettings s = TFormatSettings::British();
    QCOMPARE(FormatDateTime(u"c"_s, std::numeric_limits<double>::quiet_NaN(), s), QString());
    QCOMPARE(FormatDateTime(u"c"_s, std::numeric_limits<double>::infinity(), s), QString());
    QCOMPARE(FormatDateTime(u"c"_s, 1e300, s), QString());
}

void TestDateTimeFormat::parseTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("msec");
    QTest::newRow("1:00") << u"1:00"_s << 1 << 0 << 0 << 0;
    QTest::newRow("01:00") << u"01:00"_s << 1 << 0 << 0 << 0;
    QTest::newRow("01:00:00") << u"01:00:00"_s << 1 << 0 << 0 << 0;
    QTest::newRow("2:30:00") << u"2:30:00"_s << 2 << 30 << 0 << 0;
    QTest::newRow("hour alone") << u"7"_s << 7 << 0 << 0 << 0;
    QTest::newRow("milliseconds") << u"23:59:59.999"_s << 23 << 59 << 59 << 999;
    QTest::newRow("2:00 AM") << u"2:00 AM"_s << 2 << 0 << 0 << 0;
    QTest::newRow("1:00PM") << u"1:00PM"_s << 13 << 0 << 0 << 0;
    QTest::newRow("1:00am") << u"1:00am"_s << 1 << 0 << 0 << 0;
    QTest::newRow("1:00 Pm") << u"1:00 Pm"_s << 13 << 0 << 0 << 0;
    QTest::newRow("mark before") << u"AM 1:00"_s << 1 << 0 << 0 << 0;
    QTest::newRow("mark before, no blank") << u"pm1:15"_s << 13 << 15 << 0 << 0;
    QTest::newRow("12 AM is midnight") << u"12:00 AM"_s << 0 << 0 << 0 << 0;
    QTest::newRow("12 PM is noon") << u"12:00 PM"_s << 12 << 0 << 0 << 0;
    QTest::newRow("12:30:15 am") << u"12:30:15 am"_s << 0 << 30 << 15 << 0;
    QTest::newRow("mark after the hour") << u"5 pm"_s << 17 << 0 << 0 << 0;
    QTest::newRow("mark after milliseconds") << u"1:02:03.4 PM"_s << 13 << 2 << 3 << 4;
    QTest::newRow("blanks everywhere") << u"  1 : 00 : 05 . 6 pm  "_s << 13 << 0 << 5 << 6;
    QTest::newRow("0:00") << u"0:00"_s << 0 << 0 << 0 << 0;
    QTest::newRow("23:59:59") << u"23:59:59"_s << 23 << 59 << 59 << 0;
    QTest::newRow("leading zeros") << u"0001:0002"_s << 1 << 2 << 0 << 0;
}

void TestDateTimeFormat::parseTime()
{
    QFETCH(QString, text);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(int, msec);
    const TDateTime t = ParseTimeOfDay(text, TFormatSettings::British());
    QCOMPARE(t, EncodeTime(hour, minute, second, msec));
}

void TestDateTimeFormat::parseTimeRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks only") << u"   "_s;
    QTest::newRow("13:00 PM") << u"13:00 PM"_s;
    QTest::newRow("0:30 AM") << u"0:30 AM"_s;
    QTest::newRow("24:00") << u"24:00"_s;
    QTest::newRow("25:00") << u"25:00"_s;
    QTest::newRow("1:60") << u"1:60"_s;
    QTest::newRow("1:00:60") << u"1:00:60"_s;
    QTest::newRow("milliseconds 1000") << u"1:00:00.1000"_s;
    QTest::newRow("two marks") << u"AM 1:00 PM"_s;
    QTest::newRow("mark twice after") << u"1:00 AM PM"_s;
    QTest::newRow("trailing letter") << u"1:00x"_s;
    QTest::newRow("dangling colon") << u"1:"_s;
    QTest::newRow("three colons") << u"1:00:00:00"_s;
    QTest::newRow("milliseconds without seconds") << u"1:00.5"_s;
    QTest::newRow("dangling decimal") << u"1:00:00."_s;
    QTest::newRow("mark alone") << u"PM"_s;
    QTest::newRow("a.m.") << u"1:00 a.m."_s;
    QTest::newRow("negative") << u"-1:00"_s;
    QTest::newRow("other separator") << u"1.00"_s;
    QTest::newRow("tab is no blank") << u"1:00\t"_s;
    QTest::newRow("huge number") << u"99999999999999999999:00"_s;
    QTest::newRow("non-ASCII digits") << u"\u0661:00"_s;
}

void TestDateTimeFormat::parseTimeRejects()
{
    QFETCH(QString, text);
    try {
        ParseTimeOfDay(text, TFormatSettings::British());
        QFAIL("no error raised");
    } catch (const EConvertError &e) {
        QCOMPARE(e.Message(), u"'"_s + text + u"' is not a valid time"_s);
    }
}

void TestDateTimeFormat::parseTimeUsesSettingsDecimalSeparator()
{
    TFormatSettings s = TFormatSettings::British();
    s.DecimalSeparator = u',';
    QCOMPARE(ParseTimeOfDay(u"1:02:03,250"_s, s), EncodeTime(1, 2, 3, 250));
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseTimeOfDay(u"1:02:03.250"_s, s));
    // The time separator is ":" whatever the settings say.
    s.TimeSeparator = u'.';
    QCOMPARE(ParseTimeOfDay(u"1:02"_s, s), EncodeTime(1, 2, 0, 0));
}

void TestDateTimeFormat::qtFormat_data()
{
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QChar>("dateSeparator");
    QTest::addColumn<QChar>("timeSeparator");
    QTest::addColumn<QString>("expected");
    const QChar none;
    // Formats as Qt 6 gives them for real locales.
    QTest::newRow("en_GB short date") << u"dd/MM/yyyy"_s << QChar(u'/') << none << u"dd/mm/yyyy"_s;
    QTest::newRow("en_GB long date")
        << u"dddd, d MMMM yyyy"_s << none << none << u"dddd, d mmmm yyyy"_s;
    QTest::newRow("en_GB long time") << u"HH:mm:ss t"_s << none << QChar(u':') << u"hh:nn:ss"_s;
    QTest::newRow("en_US short date") << u"M/d/yy"_s << QChar(u'/') << none << u"m/d/yy"_s;
    QTest::newRow("en_US long date")
        << u"dddd, MMMM d, yyyy"_s << none << none << u"dddd, mmmm d, yyyy"_s;
    QTest::newRow("en_US short time") << u"h:mm AP"_s << none << QChar(u':') << u"h:nn ampm"_s;
    QTest::newRow("en_US long time")
        << u"h:mm:ss AP t"_s << none << QChar(u':') << u"h:nn:ss ampm"_s;
    QTest::newRow("de_DE short date") << u"dd.MM.yy"_s << QChar(u'.') << none << u"dd/mm/yy"_s;
    QTest::newRow("de_DE long date, dot kept")
        << u"dddd, d. MMMM yyyy"_s << none << none << u"dddd, d. mmmm yyyy"_s;
    QTest::newRow("de_DE short time") << u"HH:mm"_s << none << QChar(u':') << u"hh:nn"_s;
    QTest::newRow("fr_FR long date")
        << u"dddd d MMMM yyyy"_s << none << none << u"dddd d mmmm yyyy"_s;
    QTest::newRow("fr_CA quoted letters")
        << u"HH 'h' mm 'min' ss 's' t"_s << none << QChar(u':') << u"hh 'h' nn 'min' ss 's'"_s;
    QTest::newRow("pt_BR quoted words")
        << u"dddd, d 'de' MMMM 'de' yyyy"_s << none << none << u"dddd, d 'de' mmmm 'de' yyyy"_s;
    QTest::newRow("ru_RU non-ASCII letters unquoted")
        << u"dddd, d MMMM yyyy 'г'."_s << none << none << u"dddd, d mmmm yyyy г."_s;
    QTest::newRow("zh_CN zone first") << u"t HH:mm:ss"_s << none << QChar(u':') << u"hh:nn:ss"_s;
    QTest::newRow("es_ES zone in brackets")
        << u"H:mm:ss (t)"_s << none << QChar(u':') << u"h:nn:ss"_s;
    QTest::newRow("ko_KR am/pm first") << u"AP h:mm"_s << none << QChar(u':') << u"ampm h:nn"_s;
    QTest::newRow("fi_FI dot as time separator")
        << u"H.mm.ss t"_s << none << QChar(u'.') << u"h:nn:ss"_s;
    QTest::newRow("hu_HU dotted date")
        << u"yyyy. MM. dd."_s << QChar(u'.') << none << u"yyyy/ mm/ dd/"_s;

    // Odd Qt fields.
    const QChar slash(u'/');
    const QChar colon(u':');
    QTest::newRow("lowercase ap and a")
        << u"h:mm ap|h a"_s << slash << colon << u"h:nn ampm|h ampm"_s;
    QTest::newRow("milliseconds") << u"ss.z|ss.zzz"_s << slash << colon << u"ss.zzz|ss.zzz"_s;
    QTest::newRow("a lone y is text") << u"y d"_s << slash << colon << u"'y' d"_s;
    QTest::newRow("long runs clamped")
        << u"dddddd MMMMM hhh"_s << none << none << u"dddd mmmm hh"_s;
    QTest::newRow("escaped quotes")
        << u"h 'o''clock' ''"_s << none << none << u"h 'o'\"'\"'clock' \"'\""_s;
    QTest::newRow("double quote") << u"h\"m"_s << slash << colon << u"h'\"'n"_s;
    QTest::newRow("foreign separators quoted")
        << u"dd/MM HH:mm"_s << QChar(u'-') << QChar(u'.') << u"dd'/'mm hh':'nn"_s;
    QTest::newRow("unquoted Qt literal letters")
        << u"dd 'T' HH, e g c"_s << slash << colon << u"dd 'T' hh, 'e' 'g' 'c'"_s;
    QTest::newRow("unclosed quote") << u"HH 'Uhr"_s << slash << colon << u"hh 'Uhr'"_s;
}

void TestDateTimeFormat::qtFormat()
{
    QFETCH(QString, qt);
    QFETCH(QChar, dateSeparator);
    QFETCH(QChar, timeSeparator);
    QFETCH(QString, expected);
    QCOMPARE(FormatFromQtFormat(qt, dateSeparator, timeSeparator), expected);
}

void TestDateTimeFormat::fromLocale_data()
{
    // Qt's own locale data, not the machine's settings; only fields that
    // have been stable across CLDR releases are compared.
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QChar>("dateSeparator");
    QTest::addColumn<QChar>("timeSeparator");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QString>("sample");
    QTest::newRow("en_GB") << u"en_GB"_s << QChar(u'/') << QChar(u':') << QChar(u'.')
                           << u"06/12/2026|14:05|Sunday|December"_s;
    QTest::newRow("en_US") << u"en_US"_s << QChar(u'/') << QChar(u':') << QChar(u'.')
                           << u"12/6/26|2:05 PM|Sunday|December"_s;
    QTest::newRow("de_DE") << u"de_DE"_s << QChar(u'.') << QChar(u':') << QChar(u',')
                           << u"06.12.26|14:05|Sonntag|Dezember"_s;
    QTest::newRow("fr_FR") << u"fr_FR"_s << QChar(u'/') << QChar(u':') << QChar(u',')
                           << u"06/12/2026|14:05|dimanche|décembre"_s;
}

void TestDateTimeFormat::fromLocale()
{
    QFETCH(QString, locale);
    QFETCH(QChar, dateSeparator);
    QFETCH(QChar, timeSeparator);
    QFETCH(QChar, decimal);
    QFETCH(QString, sample);
    const TFormatSettings s = TFormatSettings::FromLocale(QLocale(locale));
    QCOMPARE(s.DateSeparator, dateSeparator);
    QCOMPARE(s.TimeSeparator, timeSeparator);
    QCOMPARE(s.DecimalSeparator, decimal);
    QCOMPARE(FormatDateTime(u"ddddd|t|dddd|mmmm"_s, ::sample(), s), sample);
    QVERIFY(!s.TimeAMString.isEmpty());
    QVERIFY(!s.LongDateFormat.isEmpty());
    QVERIFY(!s.LongTimeFormat.isEmpty());
    for (const QString &name : s.ShortMonthNames)
        QVERIFY(!name.isEmpty());
    for (const QString &name : s.ShortDayNames)
        QVERIFY(!name.isEmpty());
}

void TestDateTimeFormat::formatSettingsCanBeReplaced()
{
    TFormatSettings s = TFormatSettings::British();
    s.TimePMString = u"p.m."_s;
    SetFormatSettings(s);
    QCOMPARE(FormatDateTime(u"ampm"_s, sample()), u"p.m."_s);
    QCOMPARE(FormatSettings().TimePMString, u"p.m."_s);
}

QTEST_GUILESS_MAIN(TestDateTimeFormat)
#include "tst_datetimeformat.moc"
