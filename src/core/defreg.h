// Access to one key of the settings store at a time, for the options dialog:
// open a key, test for values, read and write them, and read a Boolean with a
// default.
#pragma once

#include <QString>
#include <cstdint>

class TDefRegistry
{
public:
    // Makes key the current key. Without canCreate the key must already hold
    // values (the root key: the settings file must exist); with it, the key
    // is made writable (see CreateSettingsKey). False when that fails.
    bool OpenKey(const QString &key, bool canCreate);
    void CloseKey() { FCurrentPath.clear(); }
    // Empty when no key is open.
    const QString &CurrentPath() const { return FCurrentPath; }

    bool ValueExists(const QString &name) const;
    // Empty when the value is missing.
    QString ReadString(const QString &name) const;
    // Raise ERegistryException "Invalid data type for '<name>'" unless the
    // value exists and holds a decimal integer.
    std::int32_t ReadInteger(const QString &name) const;
    bool ReadBool(const QString &name) const { return ReadInteger(name) != 0; }
    // The value read as a Boolean when it exists (raising as ReadBool does for
    // a value that is not an integer), otherwise defaultValue.
    bool ReadBoolDef(const QString &name, bool defaultValue) const;

    // Raise ERegistryException "Unable to open "<settings file>" for write" when the
    // value cannot be stored.
    void WriteString(const QString &name, const QString &text);
    void WriteInteger(const QString &name, std::int32_t value);
    void WriteBool(const QString &name, bool value);

private:
    QString FCurrentPath;
};
