#include "autostart.h"

#include "core/settings/settings.h"
#include "core/system/applicationid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QString EntryName = QStringLiteral("Vorkel Clocks.desktop");
const QString Description = QStringLiteral("Shows the time in locations around the world.");
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
    if (!QDir().mkpath(QFileInfo(entryPath).absolutePath()))
        return false;
    QSaveFile file(entryPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(StartupEntryText(programPath).toUtf8());
    return file.commit();
}

bool UpdateAutostartEntry(bool wanted, bool apply, const QString &programPath)
{
    const QString path = StartupShortcutPath();
    // Without a startup folder there is nothing to read or write.
    if (path.isEmpty())
        return false;
    const bool existed = QFileInfo::exists(path);
    if (!apply)
        return existed;
    const QString shown = QDir::toNativeSeparators(path);
    if (existed && !wanted && !QFile::remove(path)) {
        throw EStartupEntryError(
            QCoreApplication::translate("Autostart", "Unable to delete \"%1\"").arg(shown));
    }
    if (wanted && !existed && !CreateStartupShortcut(path, programPath)) {
        throw EStartupEntryError(
            QCoreApplication::translate("Settings", "Unable to open \"%1\" for write").arg(shown));
    }
    return existed;
}
