#include "autostart.h"

#include "core/settings/settings.h"
#include "core/system/applicationid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

namespace {
const QString EntryName = ApplicationId.toString() + QStringLiteral(".desktop");
// Not a D-Bus style name as the desktop-entry rules want; moved when found.
const QString OldEntryName = QStringLiteral("Vorkel Clocks.desktop");
const QString Description = QStringLiteral("Shows the time in locations around the world.");
// The menu entry's Comment in each language (packaging/example.vorkel.Clocks.desktop).
// All of them rather than the one of today's language: the entry outlives
// the session's language, and the desktop picks the one it runs in.
struct TLocalComment
{
    const char16_t *Locale;
    const char16_t *Text;
};
constexpr TLocalComment LocalComments[] = {
    {u"de", u"Zeigt die Uhrzeit an Orten in aller Welt."},
    {u"es", u"Muestra la hora de lugares de todo el mundo."},
    {u"fr", u"Affiche l’heure de lieux du monde entier."},
    {u"it", u"Mostra l’ora di località di tutto il mondo."},
    {u"ja", u"世界各地の時刻を表示します。"},
    {u"nl", u"Toont de tijd op plaatsen over de hele wereld."},
    {u"pl", u"Pokazuje czas w miejscach na całym świecie."},
    {u"pt_BR", u"Mostra a hora em lugares do mundo todo."},
    {u"zh_CN", u"显示世界各地的时间。"},
};
// The class Qt gives the program's windows: its application name.
const QString WindowClass = QStringLiteral("Vorkel Clocks");

// A string value of a Desktop Entry: backslash, newline, tab and carriage
// return must be escaped or the line would end or change meaning.
QString EscapeStringValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A key of the [Desktop Entry] group and its value, spaces around "="
// ignored; a null key for any other line.
struct TEntryLine
{
    QString Key;
    QString Value;
};

// The lines of an entry's text, each with its key where it has one in the
// [Desktop Entry] group.
QList<std::pair<QString, TEntryLine>> EntryLines(const QString &text)
{
    QList<std::pair<QString, TEntryLine>> lines;
    bool inMainGroup = false;
    for (const QString &line : text.split(u'\n')) {
        TEntryLine entry;
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            inMainGroup = trimmed == u"[Desktop Entry]";
        } else if (inMainGroup && !trimmed.startsWith(u'#')) {
            const qsizetype equals = trimmed.indexOf(u'=');
            if (equals > 0) {
                entry.Key = trimmed.left(equals).trimmed();
                entry.Value = trimmed.mid(equals + 1).trimmed();
            }
        }
        lines.append({line, entry});
    }
    return lines;
}

bool IsHiddenKey(const QString &key)
{
    return key == u"Hidden";
}

// X-GNOME-Autostart-enabled and its kin of other desktops.
bool IsEnabledKey(const QString &key)
{
    static const QRegularExpression pattern(QStringLiteral("^X-[A-Za-z0-9]+-Autostart-enabled$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(key).hasMatch();
}

// Desktop Entry booleans are "true" and "false"; "1" and "0" are read as
// the desktops' own readers read them.
bool IsTrue(const QString &value)
{
    return value == u"true" || value == u"1";
}

bool IsFalse(const QString &value)
{
    return value == u"false" || value == u"0";
}

QString ReadEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(1 << 20));
}

bool WriteEntry(const QString &path, const QString &text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

QString OldPathBeside(const QString &path)
{
    return QFileInfo(path).absolutePath() + u'/' + OldEntryName;
}

[[noreturn]] void RaiseWriteError(const QString &path)
{
    throw EStartupEntryError(
        QCoreApplication::translate("Settings", "Unable to open \"%1\" for write")
            .arg(QDir::toNativeSeparators(path)));
}

[[noreturn]] void RaiseDeleteError(const QString &path)
{
    throw EStartupEntryError(QCoreApplication::translate("Autostart", "Unable to delete \"%1\"")
                                 .arg(QDir::toNativeSeparators(path)));
}

// Moves the entry under the old name to the new path; raises on failure.
void MoveOldEntry(const QString &path, const QString &programPath)
{
    const QString oldPath = OldPathBeside(path);
    if (!QFileInfo::exists(oldPath))
        return;
    if (!QFileInfo::exists(path)) {
        // A fresh text: the old one's Exec may predate its quoting. Switched
        // off, it stays off.
        QString text = StartupEntryText(programPath);
        if (StartupEntrySwitchedOff(ReadEntry(oldPath)))
            text += QStringLiteral("Hidden=true\n");
        if (!WriteEntry(path, text))
            RaiseWriteError(path);
    }
    if (!QFile::remove(oldPath))
        RaiseDeleteError(oldPath);
}
} // namespace

QString StartupFolder()
{
    // The same folder as the settings file's, whatever the environment says.
    const QString config = UserConfigFolder();
    return config.isEmpty() ? QString() : config + QStringLiteral("/autostart");
}

QString StartupShortcutPath()
{
    const QString folder = StartupFolder();
    return folder.isEmpty() ? QString() : folder + u'/' + EntryName;
}

QString OldStartupShortcutPath()
{
    const QString folder = StartupFolder();
    return folder.isEmpty() ? QString() : folder + u'/' + OldEntryName;
}

bool StartupEntrySwitchedOff(const QString &entryText)
{
    const auto lines = EntryLines(entryText);
    return std::any_of(lines.begin(), lines.end(), [](const auto &line) {
        const TEntryLine &entry = line.second;
        return (IsHiddenKey(entry.Key) && IsTrue(entry.Value)) ||
               (IsEnabledKey(entry.Key) && IsFalse(entry.Value));
    });
}

QString SwitchedOnEntryText(const QString &entryText)
{
    QStringList out;
    for (const auto &[line, entry] : EntryLines(entryText)) {
        if (IsHiddenKey(entry.Key))
            continue;
        if (IsEnabledKey(entry.Key) && IsFalse(entry.Value))
            out.append(entry.Key + QStringLiteral("=true"));
        else
            out.append(line);
    }
    return out.join(u'\n');
}

QString QuoteExecArgument(const QString &argument)
{
    // Inside double quotes the Exec key reserves ", `, $ and \ (escaped with a
    // backslash), and "%" starts a field code (doubled).
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

QString StartupEntryText(const QString &programPath)
{
    const QString folder = QFileInfo(programPath).absolutePath();
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=Vorkel Clocks\n");
    text += QStringLiteral("Comment=") + Description + u'\n';
    for (const TLocalComment &comment : LocalComments) {
        text += QStringLiteral("Comment[") + QString::fromUtf16(comment.Locale) +
                QStringLiteral("]=") + QString::fromUtf16(comment.Text) + u'\n';
    }
    text += QStringLiteral("Icon=") + ApplicationId.toString() + u'\n';
    // The quoted argument is then a string value, whose own escaping doubles
    // the backslashes again.
    text += QStringLiteral("Exec=") + EscapeStringValue(QuoteExecArgument(programPath)) + u'\n';
    text += QStringLiteral("Path=") + EscapeStringValue(folder) + u'\n';
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("StartupWMClass=") + WindowClass + u'\n';
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    return text;
}

bool CreateStartupShortcut(const QString &entryPath, const QString &programPath)
{
    return WriteEntry(entryPath, StartupEntryText(programPath));
}

bool RenameOldStartupEntry(const QString &programPath)
{
    const QString path = StartupShortcutPath();
    if (path.isEmpty())
        return true;
    try {
        MoveOldEntry(path, programPath);
    } catch (const EStartupEntryError &) {
        return false;
    }
    return true;
}

bool UpdateAutostartEntry(bool wanted, bool apply, const QString &programPath)
{
    const QString path = StartupShortcutPath();
    // Without a startup folder there is nothing to read or write.
    if (path.isEmpty())
        return false;
    // Until moved, the entry under the old name is the one the session runs.
    const QString read = QFileInfo::exists(path) ? path : OldPathBeside(path);
    const bool exists = QFileInfo::exists(read);
    const QString text = exists ? ReadEntry(read) : QString();
    const bool wasOn = exists && !StartupEntrySwitchedOff(text);
    if (!apply)
        return wasOn;
    MoveOldEntry(path, programPath);
    if (wanted && !wasOn) {
        const bool switchOn = QFileInfo::exists(path) && read == path;
        if (!WriteEntry(path, switchOn ? SwitchedOnEntryText(text) : StartupEntryText(programPath)))
            RaiseWriteError(path);
    } else if (!wanted && wasOn && !QFile::remove(path)) {
        RaiseDeleteError(path);
    }
    return wasOn;
}
