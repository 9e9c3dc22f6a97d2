#include "platform/settings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString Root = QStringLiteral("SOFTWARE\\Vorkel\\Clocks");
const QString List = QStringLiteral("SOFTWARE\\Vorkel\\Clocks\\Clocks");

QByteArray FileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFileBytes(const QString &fileName, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Runs a write and returns the message of the error it raised, if any.
template <typename Write> std::optional<QString> WriteError(Write write)
{
    try {
        write();
    } catch (const ERegistryException &e) {
        return e.Message();
    }
    return std::nullopt;
}

// Lets the process write no file beyond a size; 0 is a full disk. Unlike
// permissions, this binds root too.
class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &FOld);
        rlimit limit = FOld;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit &) = delete;
    TFileSizeLimit &operator=(const TFileSizeLimit &) = delete;

private:
    rlimit FOld{};
    void (*FOldHandler)(int) = nullptr;
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void missingValuesGiveDefaults_data();
    void missingValuesGiveDefaults();
    void storedTextAsInteger_data();
    void storedTextAsInteger();
    void valuesRoundTrip();
    void fileLayout();
    void deleteKeyKeepsParentValue();
    void createKeyMakesFileAndFolder();
    void keyOutsideRootCannotBeWritten();
    void readOnlyStoreKeepsOldFile_data();
    void readOnlyStoreKeepsOldFile();
    void fullDiskKeepsOldFile_data();
    void fullDiskKeepsOldFile();
    void updateStoresAllOrNothing();
    void failedUpdateKeepsOldFile();

private:
    QTemporaryDir FDir;
    QString FFile;
    int FCount = 0;
};

void TestSettings::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(FDir.isValid());
}

void TestSettings::init()
{
    // A new file for every test row: QSettings caches files by name.
    FFile = FDir.filePath(QStringLiteral("cfg%1/Vorkel/Clocks.ini").arg(++FCount));
    SetSettingsFileName(FFile);
}

void TestSettings::cleanupTestCase()
{
    SetSettingsFileName(QString());
}

void TestSettings::missingValuesGiveDefaults_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::newRow("no file") << QByteArray() << Root << QStringLiteral("Pinned");
    QTest::newRow("no such value")
        << QByteArray("[General]\nTop=5\n") << Root << QStringLiteral("Pinned");
    QTest::newRow("value of another group")
        << QByteArray("[Clocks]\nPinned=5\n") << Root << QStringLiteral("Pinned");
    QTest::newRow("key outside the root")
        << QByteArray("[General]\nPinned=5\n") << QStringLiteral("SOFTWARE\\Other")
        << QStringLiteral("Pinned");
    QTest::newRow("name with a slash")
        << QByteArray("[Clocks]\nPinned=5\n") << Root << QStringLiteral("Clocks/Pinned");
    QTest::newRow("empty name") << QByteArray("[General]\nPinned=5\n") << Root << QString();
}

void TestSettings::missingValuesGiveDefaults()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, name);
    if (!file.isEmpty())
        WriteFileBytes(FFile, file);
    QCOMPARE(ReadSettingString(key, name, QStringLiteral("dflt")), QStringLiteral("dflt"));
    QCOMPARE(ReadSettingInteger(key, name, -7), -7);
    QCOMPARE(ReadSettingBool(key, name, true), true);
    QCOMPARE(ReadSettingBool(key, name, false), false);
    QCOMPARE(SettingValueExists(key, name), false);
}

void TestSettings::storedTextAsInteger_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("expected"); // with the default 99
    QTest::newRow("1") << QByteArray("1") << 1;
    QTest::newRow("yes is not a number") << QByteArray("yes") << 99;
    QTest::newRow("negative, left of the primary screen") << QByteArray("-1200") << -1200;
    QTest::newRow("quoted") << QByteArray("\"42\"") << 42;
    QTest::newRow("blanks around") << QByteArray("\" 42 \"") << 42;
    QTest::newRow("leading zeros are decimal") << QByteArray("010") << 10;
    QTest::newRow("hexadecimal is not decimal") << QByteArray("0x10") << 99;
    QTest::newRow("trailing letters") << QByteArray("12abc") << 99;
    QTest::newRow("empty") << QByteArray("") << 99;
    QTest::newRow("beyond 32 bits") << QByteArray("4294967296") << 99;
    QTest::newRow("smallest 32-bit") << QByteArray("-2147483648") << -2147483647 - 1;
    QTest::newRow("a list") << QByteArray("1, 2") << 99;
}

void TestSettings::storedTextAsInteger()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, expected);
    WriteFileBytes(FFile, "[General]\nPinned=" + stored + "\n");
    QCOMPARE(ReadSettingInteger(Root, QStringLiteral("Pinned"), 99), expected);
    QCOMPARE(ReadSettingBool(Root, QStringLiteral("Pinned"), false),
             expected != 0 && expected != 99);
}

void TestSettings::valuesRoundTrip()
{
    WriteSettingString(Root, QStringLiteral("Font"), QStringLiteral("Tahoma;8;0;-2147483640"));
    WriteSettingString(Root, QStringLiteral("AlarmClock"), QStringLiteral("@home, \"Zürich\" = 1"));
    WriteSettingString(Root, QStringLiteral("DateFormat"), QString());
    WriteSettingInteger(Root, QStringLiteral("Left"), -1200);
    WriteSettingBool(Root, QStringLiteral("Pinned"), true);
    WriteSettingBool(List, QStringLiteral("0_UseDaylight"), false);

    QCOMPARE(ReadSettingString(Root, QStringLiteral("Font"), QString()),
             QStringLiteral("Tahoma;8;0;-2147483640"));
    QCOMPARE(ReadSettingString(Root, QStringLiteral("AlarmClock"), QString()),
             QStringLiteral("@home, \"Zürich\" = 1"));
    QCOMPARE(ReadSettingString(Root, QStringLiteral("DateFormat"), QStringLiteral("x")), QString());
    QCOMPARE(ReadSettingInteger(Root, QStringLiteral("Left"), 0), -1200);
    // A number reads as its text, as it would after a restart.
    QCOMPARE(ReadSettingString(Root, QStringLiteral("Left"), QString()), QStringLiteral("-1200"));
    QCOMPARE(ReadSettingBool(Root, QStringLiteral("Pinned"), false), true);
    QCOMPARE(ReadSettingBool(List, QStringLiteral("0_UseDaylight"), true), false);

    // The same from the file alone, as the next run sees it.
    const QByteArray bytes = FileBytes(FFile);
    SetSettingsFileName(FDir.filePath(QStringLiteral("copy.ini")));
    WriteFileBytes(SettingsFileName(), bytes);
    QCOMPARE(ReadSettingString(Root, QStringLiteral("AlarmClock"), QString()),
             QStringLiteral("@home, \"Zürich\" = 1"));
    QCOMPARE(ReadSettingInteger(Root, QStringLiteral("Left"), 0), -1200);
    QCOMPARE(ReadSettingBool(List, QStringLiteral("0_UseDaylight"), true), false);
}

void TestSettings::fileLayout()
{
    // Registry paths ignore case.
    WriteSettingString(QStringLiteral("software\\vorkel\\CLOCKS"), QStringLiteral("Clocks"),
                       QStringLiteral("Home;Work"));
    WriteSettingString(List, QStringLiteral("0_Zone"), QStringLiteral("Europe/London"));
    WriteSettingBool(List, QStringLiteral("0_UseDaylight"), true);
    WriteSettingInteger(Root, QStringLiteral("Top"), 40);
    const QByteArray bytes = FileBytes(FFile);
    QVERIFY2(bytes.contains("[General]\nClocks=\"Home;Work\"\nTop=40\n"), bytes.constData());
    QVERIFY2(bytes.contains("[Clocks]\n0_UseDaylight=1\n0_Zone=Europe/London\n"),
             bytes.constData());
}

void TestSettings::deleteKeyKeepsParentValue()
{
    DeleteSettingsKey(List); // nothing there yet: no error
    WriteSettingString(Root, QStringLiteral("Clocks"), QStringLiteral("A;B"));
    for (int n = 0; n < 5; ++n)
        WriteSettingString(List, QStringLiteral("%1_Zone").arg(n), QStringLiteral("Asia/Tokyo"));
    WriteSettingString(List + QStringLiteral("\\Deeper"), QStringLiteral("x"), QStringLiteral("y"));
    QVERIFY(SettingsKeyExists(List));

    DeleteSettingsKey(List);
    QVERIFY(!SettingsKeyExists(List));
    QCOMPARE(ReadSettingString(List, QStringLiteral("4_Zone"), QString()), QString());
    QCOMPARE(ReadSettingString(List + QStringLiteral("\\Deeper"), QStringLiteral("x"), QString()),
             QString());
    QCOMPARE(ReadSettingString(Root, QStringLiteral("Clocks"), QString()), QStringLiteral("A;B"));
    QVERIFY(!FileBytes(FFile).contains("Zone"));
}

void TestSettings::createKeyMakesFileAndFolder()
{
    QVERIFY(!QFile::exists(FFile));
    QVERIFY(!SettingsKeyExists(Root));
    CreateSettingsKey(Root);
    QVERIFY(QFile::exists(FFile));
    QVERIFY(SettingsKeyExists(Root));
    WriteSettingInteger(Root, QStringLiteral("Top"), 1);
    CreateSettingsKey(List); // an existing file is left as it is
    QCOMPARE(ReadSettingInteger(Root, QStringLiteral("Top"), 0), 1);
}

void TestSettings::keyOutsideRootCannotBeWritten()
{
    const QString other = QStringLiteral("SOFTWARE\\Other");
    QCOMPARE(
        WriteError([&] { WriteSettingString(other, QStringLiteral("a"), QStringLiteral("b")); }),
        QStringLiteral("Unable to open key \"SOFTWARE\\Other\" for write"));
    QVERIFY(WriteError([&] { CreateSettingsKey(other); }));
    QVERIFY(WriteError([&] { WriteSettingBool(Root, QStringLiteral("a/b"), true); }));
    QVERIFY(!QFile::exists(FFile));
}

void TestSettings::readOnlyStoreKeepsOldFile_data()
{
    QTest::addColumn<bool>("folderReadOnly");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("read-only file") << false;
}

void TestSettings::readOnlyStoreKeepsOldFile()
{
    QFETCH(bool, folderReadOnly);
    if (geteuid() == 0)
        QSKIP("Permissions do not bind root; fullDiskKeepsOldFile covers the failure path");
    WriteSettingBool(Root, QStringLiteral("Pinned"), true);
    const QByteArray before = FileBytes(FFile);
    const QString locked = folderReadOnly ? QFileInfo(FFile).absolutePath() : FFile;
    const QFile::Permissions permissions = QFile::permissions(locked);
    QFile::setPermissions(locked, QFile::ReadOwner |
                                      (folderReadOnly ? QFile::ExeOwner : QFile::Permissions()));
    const auto error = WriteError([] { WriteSettingBool(Root, QStringLiteral("Pinned"), false); });
    const auto createError = WriteError([] { CreateSettingsKey(Root); });
    QFile::setPermissions(locked, permissions);

    QCOMPARE(error, QStringLiteral("Unable to open key \"SOFTWARE\\Vorkel\\Clocks\" for write"));
    QVERIFY(createError);
    QCOMPARE(FileBytes(FFile), before);
    QCOMPARE(ReadSettingBool(Root, QStringLiteral("Pinned"), false), true);
}

void TestSettings::fullDiskKeepsOldFile_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::newRow("written by the program") << QByteArray("[General]\nFont=\"Arial;10;0;0\"\n");
    // A line without "=" is a format error to QSettings, which then reports
    // no later error of the same object.
    QTest::newRow("damaged by hand") << QByteArray("[General]\nFont=\"Arial;10;0;0\"\nstray\n");
}

void TestSettings::fullDiskKeepsOldFile()
{
    QFETCH(QByteArray, old);
    WriteFileBytes(FFile, old);
    std::optional<QString> error;
    {
        const TFileSizeLimit limit(0);
        error = WriteError([] { WriteSettingInteger(Root, QStringLiteral("Top"), 3); });
    }
    QCOMPARE(error, QStringLiteral("Unable to open key \"SOFTWARE\\Vorkel\\Clocks\" for write"));
    QCOMPARE(FileBytes(FFile), old);
    // The value that failed is not read back, nor stored by the next write.
    QVERIFY(!SettingValueExists(Root, QStringLiteral("Top")));
    QVERIFY(!WriteError(
        [] { WriteSettingString(List, QStringLiteral("0_Zone"), QStringLiteral("x")); }));
    QVERIFY(!FileBytes(FFile).contains("Top"));
    QCOMPARE(ReadSettingString(List, QStringLiteral("0_Zone"), QString()), QStringLiteral("x"));
    QCOMPARE(ReadSettingString(Root, QStringLiteral("Font"), QString()),
             QStringLiteral("Arial;10;0;0"));
}

void TestSettings::updateStoresAllOrNothing()
{
    WriteSettingInteger(Root, QStringLiteral("Top"), 1);
    {
        TSettingsUpdate update;
        WriteSettingInteger(Root, QStringLiteral("Top"), 2);
        WriteSettingInteger(Root, QStringLiteral("Left"), 3);
        QCOMPARE(ReadSettingInteger(Root, QStringLiteral("Top"), 0), 2); // pending, seen
        // dropped: no Commit()
    }
    QCOMPARE(ReadSettingInteger(Root, QStringLiteral("Top"), 0), 1);
    QVERIFY(!SettingValueExists(Root, QStringLiteral("Left")));
    QVERIFY(!FileBytes(FFile).contains("Left"));
    {
        TSettingsUpdate update;
        WriteSettingInteger(Root, QStringLiteral("Top"), 2);
        {
            TSettingsUpdate inner; // joins the outer one
            WriteSettingInteger(Root, QStringLiteral("Left"), 3);
            inner.Commit();
        }
        QVERIFY(!FileBytes(FFile).contains("Left"));
        update.Commit();
    }
    QVERIFY(FileBytes(FFile).contains("Left=3\nTop=2\n"));
}

void TestSettings::failedUpdateKeepsOldFile()
{
    WriteSettingString(Root, QStringLiteral("Clocks"), QStringLiteral("A;B;C"));
    WriteSettingString(List, QStringLiteral("0_Zone"), QStringLiteral("Europe/London"));
    WriteSettingString(List, QStringLiteral("1_Zone"), QString(150, u'z'));
    const QByteArray before = FileBytes(FFile);
    std::optional<QString> error;
    {
        TSettingsUpdate update;
        CreateSettingsKey(Root);
        DeleteSettingsKey(List);
        WriteSettingString(List, QStringLiteral("0_Zone"), QStringLiteral("Asia/Tokyo"));
        WriteSettingString(Root, QStringLiteral("Clocks"), QStringLiteral("Tokyo"));
        const TFileSizeLimit limit(0);
        error = WriteError([&] { update.Commit(); });
    }
    QCOMPARE(error, QStringLiteral("Unable to open key \"SOFTWARE\\Vorkel\\Clocks\" for write"));
    QCOMPARE(FileBytes(FFile), before);
    QCOMPARE(ReadSettingString(Root, QStringLiteral("Clocks"), QString()), QStringLiteral("A;B;C"));
    QCOMPARE(ReadSettingString(List, QStringLiteral("0_Zone"), QString()),
             QStringLiteral("Europe/London"));
    QCOMPARE(ReadSettingString(List, QStringLiteral("1_Zone"), QString()), QString(150, u'z'));
    WriteSettingInteger(Root, QStringLiteral("Top"), 3);
    QVERIFY(FileBytes(FFile).contains("Clocks=\"A;B;C\""));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
