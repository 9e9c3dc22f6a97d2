#include "core/settings/autostart.h"
#include "core/settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>
#include <sys/mount.h>

using namespace Qt::StringLiterals;

namespace {
// Reads an Exec value back the way a session manager does: string-value
// unescaping first, then the quoting rules of the Exec key.
QString ExecArgumentFrom(const QString &entry)
{
    QString line;
    for (const QString &l : entry.split(u'\n'))
        if (l.startsWith(QStringLiteral("Exec=")))
            line = l.mid(5);
    QString value;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'\\' && i + 1 < line.size()) {
            const QChar n = line[++i];
            value += n == u'n' ? QChar(u'\n') : n == u't' ? QChar(u'\t') : n;
        } else {
            value += line[i];
        }
    }
    if (!value.startsWith(u'"') || !value.endsWith(u'"'))
        return {};
    QString arg;
    for (qsizetype i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == u'\\')
            ++i;
        else if (value[i] == u'%')
            ++i;
        arg += value[i];
    }
    return arg;
}

// The value of a key in a Desktop Entry's text; null when absent.
QString ValueOf(const QString &entry, const QString &key)
{
    for (const QString &line : entry.split(u'\n'))
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    return {};
}
} // namespace

class TestAutostart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void tickUntickAndCancel();
    void existingWantedEntryIsLeftAlone();
    void switchedOffByTheDesktop_data();
    void switchedOffByTheDesktop();
    void oldNameIsMoved_data();
    void oldNameIsMoved();
    void failuresAreRaised_data();
    void failuresAreRaised();
    void settingsAndEntryShareTheConfigFolder_data();
    void settingsAndEntryShareTheConfigFolder();
    void execQuoting_data();
    void execQuoting();
    void entryIsValid();
    void entryMatchesMenuEntry_data();
    void entryMatchesMenuEntry();

private:
    QTemporaryDir FConfig;
};

void TestAutostart::init()
{
    QVERIFY(FConfig.isValid());
    qputenv("XDG_CONFIG_HOME", FConfig.path().toUtf8());
    if (QFileInfo(StartupFolder()).isFile())
        QFile::remove(StartupFolder()); // left by failuresAreRaised
    QFile::remove(StartupShortcutPath());
    QFile::remove(OldStartupShortcutPath());
}

void TestAutostart::tickUntickAndCancel()
{
    const QString program = QStringLiteral("/opt/vorkel/vorkelclocks");
    QCOMPARE(StartupShortcutPath(),
             FConfig.path() + QStringLiteral("/autostart/example.vorkel.Clocks.desktop"));
    // Reading never changes anything (a cancelled dialog only reads).
    QCOMPARE(UpdateAutostartEntry(true, false, program), false);
    QVERIFY(!QFile::exists(StartupShortcutPath()));
    QCOMPARE(UpdateAutostartEntry(true, true, program), false);
    QVERIFY(QFile::exists(StartupShortcutPath()));
    QCOMPARE(UpdateAutostartEntry(false, false, program), true);
    QCOMPARE(UpdateAutostartEntry(false, true, program), true);
    QVERIFY(!QFile::exists(StartupShortcutPath()));
}

void TestAutostart::existingWantedEntryIsLeftAlone()
{
    QVERIFY(CreateStartupShortcut(StartupShortcutPath(), QStringLiteral("/elsewhere/prog")));
    QCOMPARE(UpdateAutostartEntry(true, true, QStringLiteral("/opt/vorkel/vorkelclocks")), true);
    QFile file(StartupShortcutPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(ExecArgumentFrom(QString::fromUtf8(file.readAll())),
             QStringLiteral("/elsewhere/prog"));
}

void TestAutostart::switchedOffByTheDesktop_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<bool>("on");
    QTest::newRow("hidden") << u"Hidden=true"_s << false;
    QTest::newRow("hidden, spaced") << u"Hidden = true"_s << false;
    QTest::newRow("GNOME's switch") << u"X-GNOME-Autostart-enabled=false"_s << false;
    QTest::newRow("another desktop's switch") << u"X-MATE-Autostart-enabled=false"_s << false;
    QTest::newRow("both") << u"X-GNOME-Autostart-enabled=false\nHidden=true"_s << false;
    QTest::newRow("not hidden") << u"Hidden=false"_s << true;
    QTest::newRow("switched on") << u"X-GNOME-Autostart-enabled=true"_s << true;
    QTest::newRow("in an action's group") << u"[Desktop Action Quit]\nHidden=true"_s << true;
}

void TestAutostart::switchedOffByTheDesktop()
{
    QFETCH(QString, lines);
    QFETCH(bool, on);
    // The user's own edits, which switching it on again keeps.
    const QString text = u"[Desktop Entry]\nType=Application\nName=My clocks\n"
                         u"Exec=/elsewhere/prog --x\nX-Own=kept\n"_s +
                         lines + u'\n';
    QVERIFY(QDir().mkpath(StartupFolder()));
    QFile file(StartupShortcutPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    file.close();
    const QString program = u"/opt/vorkel/vorkelclocks"_s;
    QCOMPARE(UpdateAutostartEntry(false, false, program), on);
    QCOMPARE(UpdateAutostartEntry(true, true, program), on);
    QCOMPARE(UpdateAutostartEntry(false, false, program), true);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString after = QString::fromUtf8(file.readAll());
    for (const QString &kept :
         {u"Name=My clocks"_s, u"Exec=/elsewhere/prog --x"_s, u"X-Own=kept"_s})
        QVERIFY2(after.contains(kept), qPrintable(after));
    if (on)
        QCOMPARE(after, text);
}

void TestAutostart::oldNameIsMoved_data()
{
    QTest::addColumn<QString>("lines"); // of the old entry, beyond its Exec
    QTest::addColumn<QString>("how");   // "start", or "apply" with the box as it was read
    QTest::addColumn<bool>("on");
    QTest::newRow("at start") << QString() << u"start"_s << true;
    QTest::newRow("at start, switched off") << u"Hidden=true"_s << u"start"_s << false;
    QTest::newRow("by the options") << QString() << u"apply"_s << true;
    QTest::newRow("by the options, switched off")
        << u"X-GNOME-Autostart-enabled=false"_s << u"apply"_s << false;
}

void TestAutostart::oldNameIsMoved()
{
    QFETCH(QString, lines);
    QFETCH(QString, how);
    QFETCH(bool, on);
    QVERIFY(QDir().mkpath(StartupFolder()));
    {
        QFile old(FConfig.path() + u"/autostart/Vorkel Clocks.desktop"_s);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[Desktop Entry]\nType=Application\nExec=/old place/vorkelclocks\n");
        old.write(lines.toUtf8());
    }
    const QString program = u"/new place/vorkelclocks"_s;
    QCOMPARE(UpdateAutostartEntry(false, false, program), on);
    if (how == u"start")
        QVERIFY(RenameOldStartupEntry(program));
    else
        QCOMPARE(UpdateAutostartEntry(on, true, program), on);
    QVERIFY(!QFile::exists(OldStartupShortcutPath()));
    QFile file(StartupShortcutPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(ExecArgumentFrom(QString::fromUtf8(file.readAll())), program);
    QCOMPARE(UpdateAutostartEntry(false, false, program), on);
}

void TestAutostart::failuresAreRaised_data()
{
    QTest::addColumn<bool>("wanted");
    QTest::addColumn<QString>("fault"); // "file": a file where the folder goes; "ro": read-only
    QTest::addColumn<QString>("message");
    QTest::newRow("created, a file in the folder's place")
        << true << u"file"_s << u"Unable to open \"%1\" for write"_s;
    QTest::newRow("created, a read-only folder")
        << true << u"ro"_s << u"Unable to open \"%1\" for write"_s;
    QTest::newRow("deleted, a read-only folder")
        << false << u"ro"_s << u"Unable to delete \"%1\""_s;
}

void TestAutostart::failuresAreRaised()
{
    QFETCH(bool, wanted);
    QFETCH(QString, fault);
    QFETCH(QString, message);
    const QString folder = StartupFolder();
    const QString entry = StartupShortcutPath();
    std::unique_ptr<const char, void (*)(const char *)> unmount(
        nullptr, [](const char *path) { ::umount(path); });
    const QByteArray mountPoint = QFile::encodeName(folder);
    if (fault == u"file"_s) {
        QDir(folder).removeRecursively();
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(folder));
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=8k") != 0)
            QSKIP("Mounting a tmpfs needs root");
        unmount.reset(mountPoint.constData());
        if (!wanted)
            QVERIFY(CreateStartupShortcut(entry, u"/opt/vorkel/vorkelclocks"_s));
        QCOMPARE(
            ::mount("tmpfs", mountPoint.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=8k"),
            0);
    }
    std::optional<QString> error;
    try {
        UpdateAutostartEntry(wanted, true, u"/opt/vorkel/vorkelclocks"_s);
    } catch (const EStartupEntryError &e) {
        error = e.Message();
    }
    QCOMPARE(error, message.arg(entry));
    // What the options dialog then shows: the entry as it really is.
    QCOMPARE(UpdateAutostartEntry(false, false, {}), !wanted);
}

void TestAutostart::settingsAndEntryShareTheConfigFolder_data()
{
    QTest::addColumn<QString>("configHome"); // relative to the test folder when not absolute
    QTest::addColumn<QString>("folder");     // expected, relative to the test folder
    QTest::newRow("absolute") << u"/cfg"_s << u"cfg"_s;
    QTest::newRow("relative: ignored") << u"cfg"_s << u"home/.config"_s;
    QTest::newRow("empty") << QString() << u"home/.config"_s;
}

void TestAutostart::settingsAndEntryShareTheConfigFolder()
{
    QFETCH(QString, configHome);
    QFETCH(QString, folder);
    const QString base = FConfig.path();
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", (base + u"/home"_s).toUtf8());
    qputenv("XDG_CONFIG_HOME",
            (configHome.startsWith(u'/') ? base + configHome : configHome).toUtf8());
    const QString expected = base + u'/' + folder;
    const QString settings = SettingsFileName();
    const QString startup = StartupFolder();
    qputenv("HOME", oldHome);
    QCOMPARE(settings, expected + u"/Vorkel/Clocks.ini"_s);
    QCOMPARE(startup, expected + u"/autostart"_s);
}

void TestAutostart::execQuoting_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("plain") << QStringLiteral("/usr/lib/vorkel-clocks/vorkelclocks");
    QTest::newRow("spaces") << QStringLiteral("/home/ann/My Programs/vorkelclocks");
    QTest::newRow("quotes and dollars")
        << QStringLiteral("/home/ann/\"odd\" $dir/`x`/vorkelclocks");
    QTest::newRow("backslash and percent") << QStringLiteral("/home/ann/a\\b/100%/vorkelclocks");
}

void TestAutostart::execQuoting()
{
    QFETCH(QString, program);
    QCOMPARE(ExecArgumentFrom(StartupEntryText(program)), program);
}

void TestAutostart::entryIsValid()
{
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed");
    QVERIFY(CreateStartupShortcut(StartupShortcutPath(),
                                  QStringLiteral("/home/ann/My \"Programs\"/vorkelclocks")));
    QProcess p;
    p.start(validator, {StartupShortcutPath()});
    QVERIFY(p.waitForFinished());
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()), QString());
    QCOMPARE(p.exitCode(), 0);
}

void TestAutostart::entryMatchesMenuEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("name") << QStringLiteral("Name");
    QTest::newRow("comment") << QStringLiteral("Comment");
    for (const char *locale : {"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "zh_CN"})
        QTest::addRow("comment in %s", locale)
            << QStringLiteral("Comment[%1]").arg(QLatin1String(locale));
    QTest::newRow("icon") << QStringLiteral("Icon");
    // Docks match the started program's windows to the entry by this class.
    QTest::newRow("window class") << QStringLiteral("StartupWMClass");
    QTest::newRow("terminal") << QStringLiteral("Terminal");
}

void TestAutostart::entryMatchesMenuEntry()
{
    QFETCH(QString, key);
    QFile menuEntry(QStringLiteral(VORKEL_RESOURCES "/../packaging/example.vorkel.Clocks.desktop"));
    QVERIFY(menuEntry.open(QIODevice::ReadOnly));
    const QString menu = ValueOf(QString::fromUtf8(menuEntry.readAll()), key);
    QVERIFY(!menu.isNull());
    QCOMPARE(ValueOf(StartupEntryText(QStringLiteral("/usr/bin/vorkelclocks")), key), menu);
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
