#include "defreg.h"

#include "platform/settings.h"

#include <optional>

bool TDefRegistry::OpenKey(const QString &key, bool canCreate)
{
    if (canCreate) {
        try {
            CreateSettingsKey(key);
        } catch (const ERegistryException &) {
            return false;
        }
    } else if (!SettingsKeyExists(key)) {
        return false;
    }
    FCurrentPath = key;
    return true;
}

bool TDefRegistry::ValueExists(const QString &name) const
{
    return !FCurrentPath.isEmpty() && SettingValueExists(FCurrentPath, name);
}

QString TDefRegistry::ReadString(const QString &name) const
{
    if (FCurrentPath.isEmpty())
        return QString();
    return ReadSettingString(FCurrentPath, name, QString());
}

std::int32_t TDefRegistry::ReadInteger(const QString &name) const
{
    const std::optional<std::int32_t> value =
        FCurrentPath.isEmpty() ? std::nullopt : TryReadSettingInteger(FCurrentPath, name);
    if (!value)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return *value;
}

bool TDefRegistry::ReadBoolDef(const QString &name, bool defaultValue) const
{
    return ValueExists(name) ? ReadBool(name) : defaultValue;
}

void TDefRegistry::WriteString(const QString &name, const QString &text)
{
    WriteSettingString(FCurrentPath, name, text);
}

void TDefRegistry::WriteInteger(const QString &name, std::int32_t value)
{
    WriteSettingInteger(FCurrentPath, name, value);
}

void TDefRegistry::WriteBool(const QString &name, bool value)
{
    WriteSettingBool(FCurrentPath, name, value);
}
