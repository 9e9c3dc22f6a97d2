#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/time/formatsettings.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

// name=value lines of the root ("Clocks", …) and of the clock list ("0_Zone", …).
using TValues = QList<QPair<QString, QString>>;

void Store(const QString &key, const TValues &values)
{
    for (const auto &[name, value] : values)
        WriteSettingString(key, name, value);
}

// "title|zone name|daylight" per loaded clock.
QStringList Describe(const TTimeZoneList &list)
{
    QStringList clocks;
    for (int i = 0; i < list.Count(); ++i) {
        const TCustomisedTimeZone *clock = list.ClockAt(i);
        if (!clock)
            return {QStringLiteral("not a clock")};
        clocks.append(QStringLiteral("%1|%2|%3%4")
                          .arg(clock->Title, clock->Name, clock->UseDaylight ? u"dst" : u"std",
                               clock->UnknownZone ? u"|unknown zone" : u""));
        if (list.Strings(i) != clock->Name)
            clocks.append(QStringLiteral("string differs: ") + list.Strings(i));
    }
    return clocks;
}

std::unique_ptr<TTimeZone> Zone(const QString &name, int utcOffset)
{
    auto zone = std::make_unique<TTimeZone>();
    zone->Name = name;
    zone->UTCOffset = utcOffset;
    return zone;
}

std::unique_ptr<TCustomisedTimeZone> Clock(const QString &name, const QString &title,
                                           bool useDaylight)
{
    auto clock = std::make_unique<TCustomisedTimeZone>();
    clock->Name = name;
    clock->Title = title;
    clock->UseDaylight = useDaylight;
    return clock;
}

void UseDecimalSeparator(QChar separator)
{
    TFormatSettings settings = TFormatSettings::British();
    settings.DecimalSeparator = separator;
    SetFormatSettings(settings);
}

QByteArray FileBytes()
{
    QFile file(SettingsFileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCommon : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void loadClockList_data();
    void loadClockList();
    void loadEmptiesTheList();
    void saveReplacesLongerList();
    void saveKeepsRenamedAndUnknownZones();
    void saveNoClocks();
    void saveKeepsTitlesPaired_data();
    void saveKeepsTitlesPaired();
    void failedSaveKeepsStoredList();

    void decodeFont_data();
    void decodeFont();
    void storedValuesRead_data();
    void storedValuesRead();
    void encodeFontRoundTrips();
    void alarmTimeText_data();
    void alarmTimeText();
    void alarmTimeFromText_data();
    void alarmTimeFromText();

private:
    QTemporaryDir FDir;
    int FCount = 0;
    TTimeZoneList FZones;
};

void TestCommon::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(FDir.isValid());
    FZones.Add(Zone(QStringLiteral("Europe/London"), 0));
    FZones.Add(Zone(QStringLiteral("Asia/Tokyo"), 540));
    FZones.Add(Zone(QStringLiteral("America/New York"), -300));
    FZones.Add(Zone(QStringLiteral("Australia/Adelaide"), 570));
    FZones.LoadFromZoneText({u"[Europe/Kyiv]"_s, u"UTCOffset=120"_s, u"StandardOnMonth=0"_s,
                             u"DaylightOnMonth=0"_s, u"Aliases=Europe/Kiev;Europe/Zaporozhye"_s});
}

void TestCommon::init()
{
    // A new file for every row, so no row sees another's values.
    SetSettingsFileName(FDir.filePath(QStringLiteral("%1/Clocks.ini").arg(++FCount)));
    SetFormatSettings(TFormatSettings::British());
}

void TestCommon::cleanupTestCase()
{
    SetSettingsFileName(QString());
}

void TestCommon::loadClockList_data()
{
    QTest::addColumn<QString>("titles");
    QTest::addColumn<TValues>("clockValues");
    QTest::addColumn<QStringList>("expected");

    const TValues londonTokyo = {{QStringLiteral("0_Zone"), QStringLiteral("Europe/London")},
                                 {QStringLiteral("1_Zone"), QStringLiteral("Asia/Tokyo")}};
    const TValues three =
        londonTokyo + TValues{{QStringLiteral("2_Zone"), QStringLiteral("America/New York")}};
    QTest::newRow("blanks around titles") << QStringLiteral("Home; Work ") << londonTokyo
                                          << QStringList{QStringLiteral("Home|Europe/London|dst"),
                                                         QStringLiteral("Work|Asia/Tokyo|dst")};
    QTest::newRow("empty middle title is the city")
        << QStringLiteral("A;;C") << three
        << QStringList{QStringLiteral("A|Europe/London|dst"),
                       QStringLiteral("Tokyo|Asia/Tokyo|dst"),
                       QStringLiteral("C|America/New York|dst")};
    QTest::newRow("blank title is the city")
        << QStringLiteral("  ;B") << londonTokyo
        << QStringList{QStringLiteral("London|Europe/London|dst"),
                       QStringLiteral("B|Asia/Tokyo|dst")};
    QTest::newRow("unknown middle zone keeps the pairing")
        << QStringLiteral("A;B;C")
        << TValues{{QStringLiteral("0_Zone"), QStringLiteral("Europe/London")},
                   {QStringLiteral("1_Zone"), QStringLiteral("Mars/Olympus")},
                   {QStringLiteral("2_Zone"), QStringLiteral("Asia/Tokyo")},
                   {QStringLiteral("2_UseDaylight"), QStringLiteral("0")}}
        << QStringList{QStringLiteral("A|Europe/London|dst"),
                       QStringLiteral("B|Mars/Olympus|dst|unknown zone"),
                       QStringLiteral("C|Asia/Tokyo|std")};
    QTest::newRow("unknown zone, empty title: the stored name's city")
        << QStringLiteral(" ")
        << TValues{{QStringLiteral("0_Zone"), QStringLiteral("Mars/Olympus")}}
        << QStringList{QStringLiteral("Olympus|Mars/Olympus|dst|unknown zone")};
    QTest::newRow("a title without a zone is left out")
        << QStringLiteral("A;B")
        << TValues{{QStringLiteral("1_Zone"), QStringLiteral("Asia/Tokyo")}}
        << QStringList{QStringLiteral("B|Asia/Tokyo|dst")};
    QTest::newRow("a renamed zone followed to its present name")
        << QStringLiteral("Kiev;Zaporizhzhia")
        << TValues{{QStringLiteral("0_Zone"), QStringLiteral("Europe/Kiev")},
                   {QStringLiteral("1_Zone"), QStringLiteral("europe/zaporozhye")}}
        << QStringList{QStringLiteral("Kiev|Europe/Kyiv|dst"),
                       QStringLiteral("Zaporizhzhia|Europe/Kyiv|dst")};
    QTest::newRow("zone name in another case")
        << QStringLiteral("Home")
        << TValues{{QStringLiteral("0_Zone"), QStringLiteral("europe/LONDON")}}
        << QStringList{QStringLiteral("Home|Europe/London|dst")};
    QTest::newRow("daylight flags")
        << QStringLiteral("A;B;C")
        << three + TValues{{QStringLiteral("0_UseDaylight"), QStringLiteral("0")},
                           {QStringLiteral("1_UseDaylight"), QStringLiteral("yes")},
                           {QStringLiteral("2_UseDaylight"), QStringLiteral("2")}}
        << QStringList{QStringLiteral("A|Europe/London|std"), QStringLiteral("B|Asia/Tokyo|dst"),
                       QStringLiteral("C|America/New York|dst")};
    QTest::newRow("one zone for two clocks, stored order")
        << QStringLiteral("Office;Home;Flat")
        << TValues{{QStringLiteral("0_Zone"), QStringLiteral("Europe/London")},
                   {QStringLiteral("1_Zone"), QStringLiteral("Asia/Tokyo")},
                   {QStringLiteral("2_Zone"), QStringLiteral("Europe/London")}}
        << QStringList{QStringLiteral("Office|Europe/London|dst"),
                       QStringLiteral("Home|Asia/Tokyo|dst"),
                       QStringLiteral("Flat|Europe/London|dst")};
    QTest::newRow("trailing separator ends the list")
        << QStringLiteral("A;") << three << QStringList{QStringLiteral("A|Europe/London|dst")};
    QTest::newRow("more titles than zones")
        << QStringLiteral("A;B;C;D") << londonTokyo
        << QStringList{QStringLiteral("A|Europe/London|dst"), QStringLiteral("B|Asia/Tokyo|dst")};
    QTest::newRow("no titles, zones stored") << QString() << three << QStringList{};
}

void TestCommon::loadClockList()
{
    QFETCH(QString, titles);
    QFETCH(TValues, clockValues);
    QFETCH(QStringList, expected);
    if (!titles.isNull())
        WriteSettingString(SettingsGroup, ValueClocks, titles);
    Store(ClockListGroup, clockValues);

    TTimeZoneList list;
    LoadClockList(list, FZones);
    QCOMPARE(Describe(list), expected);
    QVERIFY(!list.Sorted());
}

void TestCommon::loadEmptiesTheList()
{
    TTimeZoneList list;
    list.Add(Clock(QStringLiteral("Asia/Tokyo"), QStringLiteral("Old"), true));
    LoadClockList(list, FZones); // nothing stored
    QCOMPARE(list.Count(), 0);
}

void TestCommon::saveReplacesLongerList()
{
    WriteSettingString(SettingsGroup, ValueClocks, QStringLiteral("1;2;3;4;5"));
    for (int n = 0; n < 5; ++n) {
        WriteSettingString(ClockListGroup, QStringLiteral("%1_Zone").arg(n),
                           QStringLiteral("Asia/Tokyo"));
        WriteSettingBool(ClockListGroup, QStringLiteral("%1_UseDaylight").arg(n), false);
    }
    WriteSettingBool(SettingsGroup, ValuePinned, true);

    TTimeZoneList clocks;
    clocks.SetSorted(false);
    clocks.Add(Clock(QStringLiteral("Europe/London"), QStringLiteral("Home"), true));
    clocks.Add(Clock(QStringLiteral("Asia/Tokyo"), QStringLiteral("Work"), false));
    clocks.Add(Clock(QStringLiteral("America/New York"), QStringLiteral("Aunt"), true));
    SaveClockList(clocks);

    QCOMPARE(ReadSettingString(SettingsGroup, ValueClocks, QString()),
             QStringLiteral("Home;Work;Aunt"));
    QVERIFY(!SettingValueExists(ClockListGroup, QStringLiteral("3_Zone")));
    QVERIFY(!SettingValueExists(ClockListGroup, QStringLiteral("4_Zone")));
    QVERIFY(!SettingValueExists(ClockListGroup, QStringLiteral("4_UseDaylight")));
    QVERIFY(ReadSettingBool(SettingsGroup, ValuePinned, false)); // other values untouched
    QVERIFY(FileBytes().contains("[Clocks]\n0_UseDaylight=1\n0_Zone=Europe/London\n"
                                 "1_UseDaylight=0\n1_Zone=Asia/Tokyo\n"
                                 "2_UseDaylight=1\n2_Zone=America/New York\n"));

    TTimeZoneList loaded;
    LoadClockList(loaded, FZones);
    QCOMPARE(Describe(loaded), (QStringList{QStringLiteral("Home|Europe/London|dst"),
                                            QStringLiteral("Work|Asia/Tokyo|std"),
                                            QStringLiteral("Aunt|America/New York|dst")}));
}

// Options dialog OK after a start with a zone file that has renamed one zone
// and lacks another: the renamed clock is stored under the new name, the
// unknown one as it was, and neither is lost.
void TestCommon::saveKeepsRenamedAndUnknownZones()
{
    WriteSettingString(SettingsGroup, ValueClocks, QStringLiteral("Kiev;Tokyo;Mars"));
    Store(ClockListGroup, {{QStringLiteral("0_Zone"), QStringLiteral("Europe/Kiev")},
                           {QStringLiteral("1_Zone"), QStringLiteral("Asia/Tokyo")},
                           {QStringLiteral("2_Zone"), QStringLiteral("Mars/Olympus")},
                           {QStringLiteral("2_UseDaylight"), QStringLiteral("0")}});
    TTimeZoneList clocks;
    LoadClockList(clocks, FZones);
    SaveClockList(clocks);
    QCOMPARE(ReadSettingString(SettingsGroup, ValueClocks, QString()),
             QStringLiteral("Kiev;Tokyo;Mars"));
    QVERIFY(FileBytes().contains("[Clocks]\n0_UseDaylight=1\n0_Zone=Europe/Kyiv\n"
                                 "1_UseDaylight=1\n1_Zone=Asia/Tokyo\n"
                                 "2_UseDaylight=0\n2_Zone=Mars/Olympus\n"));
}

void TestCommon::saveNoClocks()
{
    WriteSettingString(SettingsGroup, ValueClocks, QStringLiteral("A"));
    WriteSettingString(ClockListGroup, QStringLiteral("0_Zone"), QStringLiteral("Asia/Tokyo"));
    SaveClockList(TTimeZoneList());
    QVERIFY(SettingValueExists(SettingsGroup, ValueClocks));
    QCOMPARE(ReadSettingString(SettingsGroup, ValueClocks, QStringLiteral("x")), QString());
    QVERIFY(!SettingsGroupExists(ClockListGroup));
    QVERIFY(!FileBytes().contains("Zone"));
}

void TestCommon::saveKeepsTitlesPaired_data()
{
    QTest::addColumn<QStringList>("titles"); // for London, Tokyo, New York
    QTest::addColumn<QString>("storedTitles");
    QTest::addColumn<QStringList>("loadedTitles");
    QTest::newRow("semicolon in a title")
        << QStringList{QStringLiteral("Home;Garden"), QStringLiteral("Work"),
                       QStringLiteral("Aunt")}
        << QStringLiteral("Home,Garden;Work;Aunt")
        << QStringList{QStringLiteral("Home,Garden"), QStringLiteral("Work"),
                       QStringLiteral("Aunt")};
    QTest::newRow("empty last title")
        << QStringList{QStringLiteral("Home"), QStringLiteral("Work"), QString()}
        << QStringLiteral("Home;Work;New York")
        << QStringList{QStringLiteral("Home"), QStringLiteral("Work"), QStringLiteral("New York")};
    QTest::newRow("blank first title")
        << QStringList{QStringLiteral("  "), QStringLiteral("Work"), QStringLiteral("Aunt")}
        << QStringLiteral("London;Work;Aunt")
        << QStringList{QStringLiteral("London"), QStringLiteral("Work"), QStringLiteral("Aunt")};
}

void TestCommon::saveKeepsTitlesPaired()
{
    QFETCH(QStringList, titles);
    QFETCH(QString, storedTitles);
    QFETCH(QStringList, loadedTitles);
    const QStringList zones = {QStringLiteral("Europe/London"), QStringLiteral("Asia/Tokyo"),
                               QStringLiteral("America/New York")};
    TTimeZoneList clocks;
    clocks.SetSorted(false);
    for (int i = 0; i < 3; ++i)
        clocks.Add(Clock(zones[i], titles[i], true));
    SaveClockList(clocks);
    QCOMPARE(ReadSettingString(SettingsGroup, ValueClocks, QString()), storedTitles);

    TTimeZoneList loaded;
    LoadClockList(loaded, FZones);
    QCOMPARE(loaded.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(loaded.ClockAt(i)->Title, loadedTitles[i]);
        QCOMPARE(loaded.ClockAt(i)->Name, zones[i]);
    }
}

void TestCommon::failedSaveKeepsStoredList()
{
    TTimeZoneList clocks;
    clocks.SetSorted(false);
    clocks.Add(Clock(QStringLiteral("Europe/London"), QStringLiteral("Home"), true));
    clocks.Add(Clock(QStringLiteral("Asia/Tokyo"), QStringLiteral("Work"), false));
    SaveClockList(clocks);
    const QByteArray before = FileBytes();

    TTimeZoneList other;
    other.Add(Clock(QStringLiteral("America/New York"), QStringLiteral("Aunt"), true));
    std::optional<QString> error;
    {
        // A full disk: no file may grow.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit none = old;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
        try {
            SaveClockList(other);
        } catch (const ESettingsWriteError &e) {
            error = e.Message();
        }
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
    QCOMPARE(error, QStringLiteral("Unable to open \"%1\" for write")
                        .arg(QFileInfo(SettingsFileName()).absoluteFilePath()));
    QCOMPARE(FileBytes(), before);
    TTimeZoneList loaded;
    LoadClockList(loaded, FZones);
    QCOMPARE(Describe(loaded), (QStringList{QStringLiteral("Home|Europe/London|dst"),
                                            QStringLiteral("Work|Asia/Tokyo|std")}));
}

void TestCommon::decodeFont_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("color");
    QTest::newRow("design font, window-text colour")
        << QStringLiteral("Tahoma;8;0;-2147483640") << true << QStringLiteral("Tahoma") << 8 << 0
        << -2147483640;
    QTest::newRow("10 pt bold red")
        << QStringLiteral("Arial;10;1;255") << true << QStringLiteral("Arial") << 10 << 1 << 255;
    QTest::newRow("blanks around tokens")
        << QStringLiteral(" DejaVu Sans ; 12 ; 15 ; 16711680 ") << true
        << QStringLiteral("DejaVu Sans") << 12 << 15 << 16711680;
    QTest::newRow("semicolon in the face")
        << QStringLiteral("Odd;Face;9;2;0") << true << QStringLiteral("Odd;Face") << 9 << 2 << 0;
    QTest::newRow("size not a number")
        << QStringLiteral("Arial;x;1;255") << false << QString() << 0 << 0 << 0;
    QTest::newRow("colour missing")
        << QStringLiteral("Arial;10;1") << false << QString() << 0 << 0 << 0;
    QTest::newRow("empty") << QString() << false << QString() << 0 << 0 << 0;
    QTest::newRow("zero size") << QStringLiteral("Arial;0;0;0") << false << QString() << 0 << 0
                               << 0;
    QTest::newRow("smallest size")
        << QStringLiteral("Arial;6;0;0") << true << QStringLiteral("Arial") << 6 << 0 << 0;
    QTest::newRow("below the smallest")
        << QStringLiteral("Arial;5;0;0") << false << QString() << 0 << 0 << 0;
    QTest::newRow("largest size") << QStringLiteral("Arial;144;0;0") << true
                                  << QStringLiteral("Arial") << 144 << 0 << 0;
    QTest::newRow("2000 pt") << QStringLiteral("Arial;2000;0;0") << false << QString() << 0 << 0
                             << 0;
    QTest::newRow("colour beyond 32 bits")
        << QStringLiteral("Arial;10;0;4294967295") << false << QString() << 0 << 0 << 0;
}

void TestCommon::decodeFont()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<TStoredFont> font = DecodeFont(text);
    QCOMPARE(font.has_value(), valid);
    if (!valid)
        return;
    QTEST(font->Name, "name");
    QTEST(font->Size, "size");
    QTEST(font->Style, "style");
    QTEST(static_cast<int>(font->Color), "color");
}

void TestCommon::storedValuesRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored"); // null: not stored
    QTest::addColumn<QString>("read");   // what the typed reader gives, as text
    QTest::newRow("edge") << ValueLeft << u"-1200"_s << u"-1200"_s;
    QTest::newRow("edge far out") << ValueTop << u"100001"_s << u"none"_s;
    QTest::newRow("edge not a number") << ValueLeft << u"x"_s << u"none"_s;
    QTest::newRow("pinned as text") << ValuePinned << u"1"_s << u"true"_s;
    QTest::newRow("pinned as a word") << ValuePinned << u"yes"_s << u"false"_s;
    QTest::newRow("sort order missing") << ValueSortZonesByName << QString() << u"true"_s;
    QTest::newRow("sort order as a word") << ValueSortZonesByName << u"no"_s << u"true"_s;
    QTest::newRow("sort order 0") << ValueSortZonesByName << u"0"_s << u"false"_s;
    QTest::newRow("no font") << ValueFont << QString() << u"none"_s;
    QTest::newRow("font") << ValueFont << u"Arial;10;1;255"_s << u"Arial;10;1;255"_s;
    QTest::newRow("damaged font") << ValueFont << u"Arial;2000;1;255"_s
                                  << u"Tahoma;8;0;-2147483640"_s;
    QTest::newRow("no alarm") << ValueAlarmTime << QString() << u"0"_s;
    QTest::newRow("alarm not a moment") << ValueAlarmTime << u"soon"_s << u"none"_s;
}

void TestCommon::storedValuesRead()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, read);
    if (!stored.isNull())
        WriteSettingString(SettingsGroup, name, stored);
    const auto text = [](auto value) -> QString {
        if constexpr (std::is_same_v<decltype(value), bool>)
            return value ? u"true"_s : u"false"_s;
        else if (!value)
            return u"none"_s;
        else if constexpr (std::is_same_v<decltype(value), std::optional<TStoredFont>>)
            return EncodeFont(*value);
        else
            return QString::number(*value);
    };
    QString actual;
    if (name == ValueLeft)
        actual = text(TStoredSettings::Left());
    else if (name == ValueTop)
        actual = text(TStoredSettings::Top());
    else if (name == ValuePinned)
        actual = text(TStoredSettings::Pinned());
    else if (name == ValueSortZonesByName)
        actual = text(TStoredSettings::SortZonesByName());
    else if (name == ValueFont)
        actual = text(TStoredSettings::ClockFont());
    else
        actual = text(TStoredSettings::AlarmTime());
    QCOMPARE(actual, read);
}

void TestCommon::encodeFontRoundTrips()
{
    QCOMPARE(EncodeFont(DesignClockFont()), QStringLiteral("Tahoma;8;0;-2147483640"));
    const TStoredFont font{QStringLiteral("Arial"), 10, TStoredFont::fsBold, 0x0000FF};
    QCOMPARE(EncodeFont(font), QStringLiteral("Arial;10;1;255"));
    const TStoredFont odd{QStringLiteral("A;B"), 9,
                          TStoredFont::fsItalic | TStoredFont::fsStrikeOut, 0x00123456};
    QCOMPARE(DecodeFont(EncodeFont(odd)), odd);
}

void TestCommon::alarmTimeText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("no alarm") << 0.0 << QChar(u'.') << QStringLiteral("0");
    QTest::newRow("whole day") << 46362.0 << QChar(u'.') << QStringLiteral("46362");
    QTest::newRow("14:05 on 6 December 2026")
        << (46362.0 + (14 * 60 + 5) / 1440.0) << QChar(u'.') << QStringLiteral("46362.5868055556");
    QTest::newRow("comma locale") << 46362.5 << QChar(u',') << QStringLiteral("46362.5");
    QTest::newRow("Arabic locale") << 46362.5 << QChar(u'\u066B') << QStringLiteral("46362.5");
    QTest::newRow("tiny value, exponent") << 0.00001 << QChar(u'.') << QStringLiteral("1E-5");
}

void TestCommon::alarmTimeText()
{
    QFETCH(double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    UseDecimalSeparator(separator);
    QCOMPARE(AlarmTimeText(value), text);
    const std::optional<TDateTime> back = AlarmTimeFromText(text);
    QVERIFY(back);
    QVERIFY(qAbs(*back - value) < 1e-9);
}

void TestCommon::alarmTimeFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator"); // the user's at reading time
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("point, point locale")
        << QStringLiteral("46362.5") << QChar(u'.') << true << 46362.5;
    QTest::newRow("comma written, point locale")
        << QStringLiteral("46362,5") << QChar(u'.') << true << 46362.5;
    QTest::newRow("point written, comma locale")
        << QStringLiteral("46362.5") << QChar(u',') << true << 46362.5;
    QTest::newRow("the user's own separator")
        << QStringLiteral("46362\u066B5") << QChar(u'\u066B') << true << 46362.5;
    // Written under ar_EG, read after a change to a Latin locale.
    QTest::newRow("Arabic separator, point locale")
        << QStringLiteral("46364\u066B5034722222") << QChar(u'.') << true << 46364.5034722222;
    QTest::newRow("negative") << QStringLiteral("-1.5") << QChar(u'.') << true << -1.5;
    QTest::newRow("zero") << QStringLiteral("0") << QChar(u'.') << true << 0.0;
    QTest::newRow("exponent") << QStringLiteral("4.63625E4") << QChar(u'.') << true << 46362.5;
    QTest::newRow("two separators") << QStringLiteral("46,362.5") << QChar(u'.') << false << 0.0;
    QTest::newRow("words") << QStringLiteral("tomorrow") << QChar(u'.') << false << 0.0;
    QTest::newRow("empty") << QString() << QChar(u'.') << false << 0.0;
    QTest::newRow("not finite") << QStringLiteral("inf") << QChar(u'.') << false << 0.0;
    QTest::newRow("past year 9999") << QStringLiteral("1E300") << QChar(u'.') << false << 0.0;
}

void TestCommon::alarmTimeFromText()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(bool, valid);
    QFETCH(double, value);
    UseDecimalSeparator(separator);
    const std::optional<TDateTime> parsed = AlarmTimeFromText(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

QTEST_GUILESS_MAIN(TestCommon)
#include "tst_storedsettings.moc"
