// Starting the program with the user's session: a Desktop Entry in the XDG
// autostart folder, named after the application ID. The setting is on while
// the entry exists and the desktop has not switched it off.
#pragma once

#include "core/system/exceptions.h"

#include <QString>

// An autostart entry that could not be written or removed; the message names
// the entry's path.
class EStartupEntryError : public Exception
{
public:
    using Exception::Exception;
};

// "autostart" in the user's configuration folder (UserConfigFolder: the
// settings file's too); empty when there is none.
QString StartupFolder();
// The autostart entry's full path, or empty when there is no startup folder.
QString StartupShortcutPath();
// Where earlier versions wrote the entry ("Vorkel Clocks.desktop").
QString OldStartupShortcutPath();

// Reports whether the entry was on: present, under its name or the old one,
// and not switched off by the desktop (Hidden=true, X-GNOME-Autostart-enabled
// =false and the like). With apply, an entry under the old name is moved to
// the new one first; then a wanted entry that is absent is created, one the
// desktop switched off is switched on again with the user's other lines
// kept, and an entry not wanted is deleted. An entry that is on and wanted is
// left as it is. Raises EStartupEntryError when the entry cannot be written
// or deleted; the next call reads the real state.
bool UpdateAutostartEntry(bool wanted, bool apply, const QString &programPath);

// Moves an entry written under the old name to the new one, for the given
// program, switched off if the old one was; called at start so the session
// finds one entry only. Returns false when the entry could not be moved.
bool RenameOldStartupEntry(const QString &programPath);

// Writes the entry for a program (full path). Returns false when it cannot.
bool CreateStartupShortcut(const QString &entryPath, const QString &programPath);

// The Desktop Entry text for a program: Exec quoted so any path works, the
// Comment in every language the program speaks.
QString StartupEntryText(const QString &programPath);
// One argument of an Exec key, quoted and escaped for a Desktop Entry.
QString QuoteExecArgument(const QString &argument);
// Whether a Desktop Entry's text says the desktop has switched it off.
bool StartupEntrySwitchedOff(const QString &entryText);
// The text switched on again: the keys that switched it off are dropped or
// turned to true, every other line kept.
QString SwitchedOnEntryText(const QString &entryText);
