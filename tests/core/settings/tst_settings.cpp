#include "core/settings/settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Root;
const QString List = QStringLiteral("Clocks");

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
    } catch (const ESettingsWriteError &e) {
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

QString WriteErrorFor(const QString &fileName)
{
    return QStringLiteral("Unable to open \"%1\" for write").arg(fileName);
}

// A tmpfs of two pages mounted on a folder for the life of the object, as a
// disk with almost no room left; Mounted() is false where this process may
// not mount.
class TTinyTmpfs
{
public:
    explicit TTinyTmpfs(const QString &folder) : FFolder(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        FMounted = ::mount("tmpfs", FFolder.constData(), "tmpfs", 0, "size=8k") == 0;
    }
    ~TTinyTmpfs()
    {
        if (FMounted)
            ::umount(FFolder.constData());
    }
    TTinyTmpfs(const TTinyTmpfs &) = delete;
    TTinyTmpfs &operator=(const TTinyTmpfs &) = delete;
    bool Mounted() const { return FMounted; }

private:
    QByteArray FFolder;
    bool FMounted = false;
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
    void deleteGroupKeepsRootValue();
    void createGroupMakesFileAndFolder();
    void groupWithSeparatorCannotBeWritten();
    void readOnlyStoreKeepsOldFile_data();
    void readOnlyStoreKeepsOldFile();
    void fullDiskKeepsOldFile_data();
    void fullDiskKeepsOldFile();
    void updateStoresAllOrNothing();
    void failedUpdateKeepsOldFile();
    void handEditedValues_data();
    void handEditedValues();
    void nonRegularFileIsNeverReplaced_data();
    void nonRegularFileIsNeverReplaced();
    void linkToRegularFileIsFollowed();
    void almostFullDiskKeepsOldFile();
    void lastFreeBlockTakesTheSave();
    void notTextFileIsCopiedBeforeWrite_data();
    void notTextFileIsCopiedBeforeWrite();
    void notTextFileCopyFails();

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
    // A new file for every row, so no row sees another's values.
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
    QTest::newRow("group with a slash") << QByteArray("[Clocks]\nPinned=5\n")
                                        << QStringLiteral("Clocks/") << QStringLiteral("Pinned");
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
    WriteSettingString(Root, QStringLiteral("Clocks"), QStringLiteral("Home;Work"));
    WriteSettingString(List, QStringLiteral("0_Zone"), QStringLiteral("Europe/London"));
    WriteSettingBool(List, QStringLiteral("0_UseDaylight"), true);
    WriteSettingInteger(Root, QStringLiteral("Top"), 40);
    const QByteArray bytes = FileBytes(FFile);
    QVERIFY2(bytes.contains("[General]\nClocks=\"Home;Work\"\nTop=40\n"), bytes.constData());
    QVERIFY2(bytes.contains("[Clocks]\n0_UseDaylight=1\n0_Zone=Europe/London\n"),
             bytes.constData());
}

void TestSettings::deleteGroupKeepsRootValue()
{
    DeleteSettingsGroup(List); // nothing there yet: no error
    WriteSettingString(Root, QStringLiteral("Clocks"), QStringLiteral("A;B"));
    for (int n = 0; n < 5; ++n)
        WriteSettingString(List, QStringLiteral("%1_Zone").arg(n), QStringLiteral("Asia/Tokyo"));
    QVERIFY(SettingsGroupExists(List));

    DeleteSettingsGroup(List);
    QVERIFY(!SettingsGroupExists(List));
    QCOMPARE(ReadSettingString(List, QStringLiteral("4_Zone"), QString()), QString());
    QCOMPARE(ReadSettingString(Root, QStringLiteral("Clocks"), QString()), QStringLiteral("A;B"));
    QVERIFY(!FileBytes(FFile).contains("Zone"));
}

void TestSettings::createGroupMakesFileAndFolder()
{
    QVERIFY(!QFile::exists(FFile));
    QVERIFY(!SettingsGroupExists(Root));
    CreateSettingsGroup(Root);
    QVERIFY(QFile::exists(FFile));
    QVERIFY(SettingsGroupExists(Root));
    WriteSettingInteger(Root, QStringLiteral("Top"), 1);
    CreateSettingsGroup(List); // an existing file is left as it is
    QCOMPARE(ReadSettingInteger(Root, QStringLiteral("Top"), 0), 1);
}

void TestSettings::groupWithSeparatorCannotBeWritten()
{
    const QString other = QStringLiteral("Clocks\\Deeper");
    QCOMPARE(
        WriteError([&] { WriteSettingString(other, QStringLiteral("a"), QStringLiteral("b")); }),
        WriteErrorFor(FFile));
    QVERIFY(WriteError([&] { CreateSettingsGroup(other); }));
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
    const auto createError = WriteError([] { CreateSettingsGroup(Root); });
    QFile::setPermissions(locked, permissions);

    QCOMPARE(error, WriteErrorFor(FFile));
    QVERIFY(createError);
    QCOMPARE(FileBytes(FFile), before);
    QCOMPARE(ReadSettingBool(Root, QStringLiteral("Pinned"), false), true);
}

void TestSettings::fullDiskKeepsOldFile_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::newRow("written by the program") << QByteArray("[General]\nFont=\"Arial;10;0;0\"\n");
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
    QCOMPARE(error, WriteErrorFor(FFile));
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
        CreateSettingsGroup(Root);
        DeleteSettingsGroup(List);
        WriteSettingString(List, QStringLiteral("0_Zone"), QStringLiteral("Asia/Tokyo"));
        WriteSettingString(Root, QStringLiteral("Clocks"), QStringLiteral("Tokyo"));
        const TFileSizeLimit limit(0);
        error = WriteError([&] { update.Commit(); });
    }
    QCOMPARE(error, WriteErrorFor(FFile));
    QCOMPARE(FileBytes(FFile), before);
    QCOMPARE(ReadSettingString(Root, QStringLiteral("Clocks"), QString()), QStringLiteral("A;B;C"));
    QCOMPARE(ReadSettingString(List, QStringLiteral("0_Zone"), QString()),
             QStringLiteral("Europe/London"));
    QCOMPARE(ReadSettingString(List, QStringLiteral("1_Zone"), QString()), QString(150, u'z'));
    WriteSettingInteger(Root, QStringLiteral("Top"), 3);
    QVERIFY(FileBytes(FFile).contains("Clocks=\"A;B;C\""));
}

void TestSettings::handEditedValues_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected"); // null: the value reads as missing
    QTest::newRow("titles without quotes") << QByteArray("Clocks=Home;Work") << u"Home;Work"_s;
    QTest::newRow("font without quotes")
        << QByteArray("Clocks = Arial;10;1;255 ") << u"Arial;10;1;255"_s;
    QTest::newRow("as the program writes it")
        << QByteArray("Clocks=\"Home;Work\"") << u"Home;Work"_s;
    QTest::newRow("comma without quotes") << QByteArray("Clocks=Home,Work") << u"Home,Work"_s;
    QTest::newRow("hash inside") << QByteArray("Clocks=No #1") << u"No #1"_s;
    QTest::newRow("comment line") << QByteArray("; Clocks=Home") << QString();
    QTest::newRow("hash comment line") << QByteArray("# Clocks=Home") << QString();
    QTest::newRow("escapes") << QByteArray("Clocks=\"a\\\"b\\\\c\\td\\x41\"") << u"a\"b\\c\tdA"_s;
    QTest::newRow("blanks kept in quotes") << QByteArray("Clocks=\" x \"") << u" x "_s;
    QTest::newRow("UTF-8") << QByteArray("Clocks=Z\xc3\xbcrich") << u"Zürich"_s;
    QTest::newRow("continued line") << QByteArray("Clocks=Ho\\\n  me") << u"Home"_s;
    QTest::newRow("CR LF") << QByteArray("Clocks=Home\r\nTop=1\r") << u"Home"_s;
    QTest::newRow("empty") << QByteArray("Clocks=") << u""_s;
    QTest::newRow("at sign doubled") << QByteArray("Clocks=@@home") << u"@home"_s;
    QTest::newRow("typed text") << QByteArray("Clocks=@String(Home)") << u"Home"_s;
    QTest::newRow("damaged typed value")
        << QByteArray("Clocks=@Variant(\\0\\0\\0\\n\\0)") << QString();
    QTest::newRow("unfinished typed value") << QByteArray("Clocks=@Variant(\\0") << QString();
    QTest::newRow("no value") << QByteArray("Clocks=@Invalid()") << QString();
    QTest::newRow("line without =") << QByteArray("Clocks") << QString();
}

void TestSettings::handEditedValues()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    WriteFileBytes(FFile, "[General]\n" + line + "\n[Clocks]\n0_Zone=Europe/London\n");
    QCOMPARE(TryReadSettingString(Root, QStringLiteral("Clocks")).has_value(), !expected.isNull());
    if (!expected.isNull())
        QCOMPARE(ReadSettingString(Root, QStringLiteral("Clocks"), QString()), expected);

    // Saving something else keeps the value whole, and keeps one the program
    // cannot read as it was.
    WriteSettingInteger(Root, QStringLiteral("Top"), 7);
    QCOMPARE(TryReadSettingString(Root, QStringLiteral("Clocks")).has_value(), !expected.isNull());
    if (!expected.isNull())
        QCOMPARE(ReadSettingString(Root, QStringLiteral("Clocks"), QString()), expected);
    QCOMPARE(ReadSettingString(List, QStringLiteral("0_Zone"), QString()), u"Europe/London"_s);
}

void TestSettings::nonRegularFileIsNeverReplaced_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("FIFO") << u"fifo"_s << false;
    QTest::newRow("link to a FIFO") << u"fifo"_s << true;
    QTest::newRow("folder") << u"folder"_s << false;
    QTest::newRow("link to a folder") << u"folder"_s << true;
}

void TestSettings::nonRegularFileIsNeverReplaced()
{
    QFETCH(QString, kind);
    QFETCH(bool, throughLink);
    QDir().mkpath(QFileInfo(FFile).absolutePath());
    const QString thing = throughLink ? FDir.filePath(u"thing%1"_s.arg(FCount)) : FFile;
    if (kind == u"fifo"_s)
        QCOMPARE(::mkfifo(QFile::encodeName(thing).constData(), 0600), 0);
    else
        QVERIFY(QDir().mkpath(thing));
    if (throughLink)
        QVERIFY(QFile::link(thing, FFile));

    // Reads neither block nor fail: the settings are the defaults.
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ReadSettingString(Root, QStringLiteral("Clocks"), u"none"_s), u"none"_s);
    QVERIFY(timer.elapsed() < 5000);

    QCOMPARE(WriteError([] { WriteSettingBool(Root, QStringLiteral("Pinned"), true); }),
             WriteErrorFor(FFile));
    QVERIFY(WriteError([] { CreateSettingsGroup(Root); }));
    {
        TSettingsUpdate update;
        WriteSettingBool(Root, QStringLiteral("Pinned"), true);
        QVERIFY(WriteError([&] { update.Commit(); }));
    }
    struct stat info
    {
    };
    QCOMPARE(::stat(QFile::encodeName(thing).constData(), &info), 0);
    QCOMPARE(kind == u"fifo"_s ? S_ISFIFO(info.st_mode) : S_ISDIR(info.st_mode), true);
    QCOMPARE(QFileInfo(FFile).isSymLink(), throughLink);
}

void TestSettings::linkToRegularFileIsFollowed()
{
    // As a dotfiles manager keeps it: the file elsewhere, a link in its place.
    const QString target = FDir.filePath(u"dotfiles%1/Clocks.ini"_s.arg(FCount));
    WriteFileBytes(target, "[General]\nTop=1\n");
    QDir().mkpath(QFileInfo(FFile).absolutePath());
    QVERIFY(QFile::link(target, FFile));
    QCOMPARE(ReadSettingInteger(Root, QStringLiteral("Top"), 0), 1);
    WriteSettingInteger(Root, QStringLiteral("Top"), 2);
    QVERIFY(QFileInfo(FFile).isSymLink());
    QCOMPARE(FileBytes(target), QByteArray("[General]\nTop=2\n"));
    QCOMPARE(ReadSettingInteger(Root, QStringLiteral("Top"), 0), 2);
}

void TestSettings::almostFullDiskKeepsOldFile()
{
    const QString folder = QFileInfo(FFile).absolutePath();
    const TTinyTmpfs disk(folder);
    if (!disk.Mounted())
        QSKIP("Mounting a tmpfs needs root; fullDiskKeepsOldFile injects the failure instead");
    // A file written by the program takes one page of two; the new one
    // would take two.
    QByteArray old = "[General]\nClocks=\"Home;Work\"\n\n[Clocks]\n";
    while (old.size() < 3000)
        old += "0_Zone=Europe/London\n";
    WriteFileBytes(FFile, old);
    const auto error = WriteError([] {
        TSettingsUpdate update;
        WriteSettingString(Root, QStringLiteral("Clocks"), QStringLiteral("Home;Work;Tokyo"));
        WriteSettingString(List, QStringLiteral("2_Zone"), QString(5000, u'x'));
        update.Commit();
    });
    QCOMPARE(error, WriteErrorFor(FFile));
    QCOMPARE(FileBytes(FFile), old);
    QCOMPARE(ReadSettingString(Root, QStringLiteral("Clocks"), QString()), u"Home;Work"_s);
}

// The new file fits in the one page left: nothing else may take it first (a
// lock file did).
void TestSettings::lastFreeBlockTakesTheSave()
{
    const QString folder = QFileInfo(FFile).absolutePath();
    const TTinyTmpfs disk(folder);
    if (!disk.Mounted())
        QSKIP("Mounting a tmpfs needs root");
    WriteFileBytes(FFile, "[General]\nClocks=Home\n\n[Clocks]\n0_Zone=Europe/London\n");
    WriteSettingString(Root, QStringLiteral("Clocks"), QStringLiteral("Work"));
    QCOMPARE(FileBytes(FFile), QByteArray("[General]\nClocks=Work\n\n[Clocks]\n"
                                          "0_Zone=Europe/London\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"Clocks.ini"_s});
}

void TestSettings::notTextFileIsCopiedBeforeWrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("olderCopy"); // a copy of an earlier file is there already
    const QString text = u"[General]\r\nClocks=Home\r\n"_s;
    QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QTest::newRow("UTF-16 with a byte-order mark") << QByteArray("\xFF\xFE") + utf16 << false;
    QTest::newRow("UTF-16 without a mark") << utf16 << false;
    QTest::newRow("Latin-1") << QByteArray("[General]\nClocks=Z\xFCrich\n") << false;
    QTest::newRow("an older copy is kept") << utf16 << true;
}

void TestSettings::notTextFileIsCopiedBeforeWrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, olderCopy);
    WriteFileBytes(FFile, bytes);
    const QString copy = FFile + u".unreadable"_s;
    if (olderCopy)
        WriteFileBytes(copy, "older");
    QStringList notices;
    SetSettingsNoticeHandler([&notices](const QString &message) { notices.append(message); });
    // Its values would read back mangled: none are read.
    QCOMPARE(ReadSettingString(Root, QStringLiteral("Clocks"), u"none"_s), u"none"_s);
    QVERIFY(!QFile::exists(copy) || olderCopy);

    WriteSettingBool(Root, QStringLiteral("Pinned"), true);
    WriteSettingBool(Root, QStringLiteral("Pinned"), false);
    SetSettingsNoticeHandler({});
    const QString kept = olderCopy ? copy + u".2"_s : copy;
    QCOMPARE(FileBytes(kept), bytes);
    if (olderCopy)
        QCOMPARE(FileBytes(copy), QByteArray("older"));
    QCOMPARE(FileBytes(FFile), QByteArray("[General]\nPinned=0\n"));
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices[0].contains(FFile) && notices[0].contains(kept), qPrintable(notices[0]));
}

void TestSettings::notTextFileCopyFails()
{
    const QByteArray bytes("\xFF\xFE[\0G\0");
    WriteFileBytes(FFile, bytes);
    {
        const TFileSizeLimit full(0);
        QCOMPARE(WriteError([] { KeepUnreadableSettings(); }), WriteErrorFor(FFile));
        QCOMPARE(WriteError([] { WriteSettingBool(Root, QStringLiteral("Pinned"), true); }),
                 WriteErrorFor(FFile));
    }
    QCOMPARE(FileBytes(FFile), bytes);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
