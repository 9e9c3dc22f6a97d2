// Starting the program with the user's session: a Desktop Entry in the XDG
// autostart folder. The file's existence is the whole state of the setting.
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

// Reports whether the entry existed; with apply, creates it (wanted, absent)
// or deletes it (not wanted, present) for the given program. An entry that
// exists and is wanted is left as it is. Raises EStartupEntryError when the
// entry cannot be created or deleted; the next call reads the real state.
bool UpdateAutostartEntry(bool wanted, bool apply, const QString &programPath);

// Writes the entry for a program (full path). Returns false when it cannot.
bool CreateStartupShortcut(const QString &entryPath, const QString &programPath);

// The Desktop Entry text for a program: Exec quoted so any path works.
QString StartupEntryText(const QString &programPath);
// One argument of an Exec key, quoted and escaped for a Desktop Entry.
QString QuoteExecArgument(const QString &argument);
