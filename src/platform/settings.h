// The per-user settings store: an INI file in the user's configuration folder
// (~/.config/Vorkel/Clocks.ini), reached through registry-style key paths.
//
// The key "SOFTWARE\Vorkel\Clocks" is the file's root; a subkey below it, such
// as "SOFTWARE\Vorkel\Clocks\Clocks", is the INI group of that path. Keys
// outside that root are not reachable: reading them gives the default, writing
// them raises the write error. Value names never contain "/" or "\".
//
// An INI file keeps no value types: numbers and Booleans are written as
// decimal integers, and a text that holds a decimal integer reads as one.
// Reads never throw; a settings file that is not a regular file, or cannot be
// read, reads as empty and is never written over. Every write is stored at
// once: the whole file is written beside the old one and renamed over it only
// when every byte reached the disk (a link to a regular file is followed, the
// link kept). A write that cannot be stored raises ERegistryException
// "Unable to open "<full path of the file>" for write" and leaves both the
// file and what later reads return as they were.
#pragma once

#include "platform/exceptions.h"

#include <QString>
#include <cstdint>
#include <optional>

// A settings value that cannot be written, or read as the type asked for.
class ERegistryException : public Exception
{
public:
    using Exception::Exception;
};

QString ReadSettingString(const QString &key, const QString &name, const QString &defaultValue);
std::int32_t ReadSettingInteger(const QString &key, const QString &name, std::int32_t defaultValue);
bool ReadSettingBool(const QString &key, const QString &name, bool defaultValue);
// The same, with nullopt where the readers above give their default.
std::optional<QString> TryReadSettingString(const QString &key, const QString &name);
std::optional<std::int32_t> TryReadSettingInteger(const QString &key, const QString &name);

void WriteSettingString(const QString &key, const QString &name, const QString &text);
void WriteSettingInteger(const QString &key, const QString &name, std::int32_t value);
void WriteSettingBool(const QString &key, const QString &name, bool value);

// Makes sure the key can be written: the settings file and its folder exist
// (an empty file is created when there is none) and both are writable. An INI
// group has no existence of its own apart from its values, so a key's
// unnamed default value has no counterpart here.
void CreateSettingsKey(const QString &key);
// Removes every value of the key and of its subkeys; a missing key is no error.
// Values of the parent that share the key's name are kept.
void DeleteSettingsKey(const QString &key);
// True when the key is reachable and holds at least one value (the root key:
// when the settings file exists).
bool SettingsKeyExists(const QString &key);
// True when the key holds a value of that name.
bool SettingValueExists(const QString &key, const QString &name);

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

// The settings file in use.
QString SettingsFileName();
// Puts the settings in another file (tests; empty restores the user's file).
void SetSettingsFileName(const QString &fileName);
