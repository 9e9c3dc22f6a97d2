// The per-user settings store: an INI file in the user's configuration folder
// (~/.config/Vorkel/Clocks.ini): values by group and name.
//
// The empty group holds the file's single values, a named group ("Clocks")
// the values of its INI section. Group and value names never contain "/" or
// "\": reading such a value gives the default, writing it raises the write
// error.
//
// An INI file keeps no value types: numbers and Booleans are written as
// decimal integers, and a text that holds a decimal integer reads as one.
// Reads never throw; a settings file that is not a regular file, or cannot be
// read, reads as empty and is never written over. A file that is no UTF-8
// text reads as empty too; before it is written over, it is copied aside (see
// KeepUnreadableSettings). Every write is stored at
// once: the whole file is written beside the old one and renamed over it only
// when every byte reached the disk (a link to a regular file is followed, the
// link kept). A write that cannot be stored raises ESettingsWriteError
// "Unable to open "<full path of the file>" for write" and leaves both the
// file and what later reads return as they were.
#pragma once

#include "core/system/exceptions.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// A settings value that cannot be written.
class ESettingsWriteError : public Exception
{
public:
    using Exception::Exception;
};

QString ReadSettingString(const QString &group, const QString &name, const QString &defaultValue);
std::int32_t ReadSettingInteger(const QString &group, const QString &name,
                                std::int32_t defaultValue);
bool ReadSettingBool(const QString &group, const QString &name, bool defaultValue);
// The same, with nullopt where the readers above give their default.
std::optional<QString> TryReadSettingString(const QString &group, const QString &name);
std::optional<std::int32_t> TryReadSettingInteger(const QString &group, const QString &name);

void WriteSettingString(const QString &group, const QString &name, const QString &text);
void WriteSettingInteger(const QString &group, const QString &name, std::int32_t value);
void WriteSettingBool(const QString &group, const QString &name, bool value);

// Makes sure the group can be written: the settings file and its folder exist
// (an empty file is created when there is none) and both are writable. A
// group has no existence of its own apart from its values.
void CreateSettingsGroup(const QString &group);
// Removes every value of the group; a missing group is no error. Root values
// that share the group's name are kept.
void DeleteSettingsGroup(const QString &group);
// True when the group holds at least one value (the root group: when the
// settings file exists).
bool SettingsGroupExists(const QString &group);
// True when the group holds a value of that name.
bool SettingValueExists(const QString &group, const QString &name);

// Groups the writes made during its life into one update of the file: a
// sequence of writes that must not be left half done (the clock list) stays
// whole or is not stored at all. Reads inside see the pending writes. Commit()
// stores them and raises the write error when
// that fails; an update destroyed without Commit() is dropped. Updates nest:
// only the outermost one stores.
class TSettingsUpdate
{
public:
    TSettingsUpdate();
    ~TSettingsUpdate();
    TSettingsUpdate(const TSettingsUpdate &) = delete;
    TSettingsUpdate &operator=(const TSettingsUpdate &) = delete;

    void Commit();

private:
    bool FOutermost = false;
    bool FDone = false;
};

// Told once a settings file that is no UTF-8 text has been copied aside: a
// sentence naming the file and its copy, for the user. Without a handler it
// goes to the log.
using TSettingsNoticeHandler = std::function<void(const QString &message)>;
void SetSettingsNoticeHandler(TSettingsNoticeHandler handler);
// When the settings file is no UTF-8 text, copies it to "<file>.unreadable"
// (".unreadable.2", … beside an older copy) and tells the handler; the first
// write does this by itself, and so later writes do not again for that file.
// Raises the write error when the copy cannot be made.
void KeepUnreadableSettings();

// The user's configuration folder as freedesktop.org's base directories
// define it: $XDG_CONFIG_HOME, or ~/.config where that is unset, empty or
// relative (a relative one is to be ignored). Empty without either.
QString UserConfigFolder();
// The settings file in use: "Vorkel/Clocks.ini" in UserConfigFolder() unless
// SetSettingsFileName chose another.
QString SettingsFileName();
// Puts the settings in another file (tests; empty restores the user's file).
void SetSettingsFileName(const QString &fileName);
