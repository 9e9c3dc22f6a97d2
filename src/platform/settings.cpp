#include "settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

QString &FileNameOverride()
{
    static QString fileName;
    return fileName;
}

QString DefaultFileName()
{
    static const QString fileName = QSettings(QSettings::IniFormat, QSettings::UserScope,
                                              QStringLiteral("Vorkel"), QStringLiteral("Clocks"))
                                        .fileName();
    return fileName;
}

ERegistryException WriteError(const QString &key)
{
    return ERegistryException(QStringLiteral("Unable to open key \"%1\" for write").arg(key));
}

// The INI group of a key path: empty for the root key, nullopt for a key
// outside it. Registry paths ignore case, so the root matches in any case.
std::optional<QString> GroupOf(const QString &key)
{
    static const QStringList root = {QStringLiteral("SOFTWARE"), QStringLiteral("Vorkel"),
                                     QStringLiteral("Clocks")};
    const QStringList parts = key.split(u'\\', Qt::SkipEmptyParts);
    if (parts.size() < root.size())
        return std::nullopt;
    for (qsizetype i = 0; i < root.size(); ++i) {
        if (parts[i].compare(root[i], Qt::CaseInsensitive) != 0)
            return std::nullopt;
    }
    const QStringList below = parts.mid(root.size());
    for (const QString &part : below) {
        // QSettings would take a "/" as a group separator.
        if (part.contains(u'/'))
            return std::nullopt;
    }
    return below.join(u'/');
}

std::optional<QString> ValuePath(const QString &key, const QString &name)
{
    const std::optional<QString> group = GroupOf(key);
    if (!group || name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
        return std::nullopt;
    return group->isEmpty() ? name : *group + u'/' + name;
}

std::unique_ptr<QSettings> OpenStore()
{
    return std::make_unique<QSettings>(SettingsFileName(), QSettings::IniFormat);
}

std::optional<QVariant> Lookup(QSettings &settings, const QString &path)
{
    if (!settings.contains(path))
        return std::nullopt;
    return settings.value(path);
}

// Every value below a group, as paths relative to it; the root's are all.
QStringList KeysUnder(QSettings &settings, const QString &group)
{
    if (group.isEmpty())
        return settings.allKeys();
    settings.beginGroup(group);
    const QStringList keys = settings.allKeys();
    settings.endGroup();
    return keys;
}

// QSettings::remove also removes the subkeys of a name; a value and a group
// may share a name ("Clocks"), so the subkeys are put back.
void RemoveOnly(QSettings &settings, const QString &path)
{
    const QStringList children = KeysUnder(settings, path);
    std::vector<std::pair<QString, QVariant>> kept;
    kept.reserve(children.size());
    for (const QString &child : children) {
        const QString childPath = path + u'/' + child;
        kept.emplace_back(childPath, settings.value(childPath));
    }
    settings.remove(path);
    for (const auto &[childPath, value] : kept)
        settings.setValue(childPath, value);
}

struct TFileIdentity
{
    dev_t Device = 0;
    ino_t Inode = 0;
    friend bool operator==(const TFileIdentity &, const TFileIdentity &) = default;
};

std::optional<TFileIdentity> FileIdentity(const QString &fileName)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0)
        return std::nullopt;
    return TFileIdentity{info.st_dev, info.st_ino};
}

// Writes staged on one QSettings object, with what each changed value held
// before. QSettings keeps changes it failed to store in a cache shared by
// every QSettings of the same file and stores them with the next successful
// write; putting the old values back keeps a failed write from surfacing
// later.
class TStaged
{
public:
    TStaged() : FSettings(OpenStore()) {}
    ~TStaged() = default;
    TStaged(const TStaged &) = delete;
    TStaged &operator=(const TStaged &) = delete;

    QSettings &Settings() { return *FSettings; }

    void NoteKey(const QString &key)
    {
        if (!FFirstKey)
            FFirstKey = key;
    }

    void Set(const QString &path, const QVariant &value)
    {
        Remember(path);
        FSettings->setValue(path, value);
    }

    void Remove(const QStringList &paths)
    {
        for (const QString &path : paths)
            Remember(path);
        for (const QString &path : paths)
            RemoveOnly(*FSettings, path);
    }

    void Store()
    {
        const std::optional<TFileIdentity> before = FileIdentity(FSettings->fileName());
        FSettings->sync();
        bool failed = FSettings->status() == QSettings::AccessError;
        if (!failed && FSettings->status() != QSettings::NoError && !FOriginals.empty()) {
            // QSettings keeps the first error: a FormatError from reading a
            // damaged file hides a later AccessError. A stored file is a new
            // file, written beside the old one and renamed over it.
            failed = FileIdentity(FSettings->fileName()) == before;
        }
        if (failed) {
            Revert();
            throw WriteError(FFirstKey.value_or(QString()));
        }
        FOriginals.clear();
    }

    void Revert()
    {
        for (const auto &[path, old] : FOriginals) {
            if (old)
                FSettings->setValue(path, *old);
            else if (FSettings->contains(path))
                RemoveOnly(*FSettings, path);
        }
        FOriginals.clear();
    }

private:
    void Remember(const QString &path)
    {
        if (FOriginals.find(path) == FOriginals.end())
            FOriginals.emplace(path, Lookup(*FSettings, path));
    }

    std::unique_ptr<QSettings> FSettings;
    std::map<QString, std::optional<QVariant>> FOriginals;
    std::optional<QString> FFirstKey;
};

// The open TSettingsUpdate's writes; null when none is open.
std::unique_ptr<TStaged> &OpenUpdate()
{
    static std::unique_ptr<TStaged> staged;
    return staged;
}

// Runs one change on the open update, or alone, stored at once.
template <typename Change> void Apply(const QString &key, Change change)
{
    if (TStaged *open = OpenUpdate().get()) {
        open->NoteKey(key);
        change(*open);
        return;
    }
    TStaged alone;
    alone.NoteKey(key);
    try {
        change(alone);
    } catch (...) {
        // Otherwise QSettings would store the half-made change when destroyed.
        alone.Revert();
        throw;
    }
    alone.Store();
}

std::optional<QVariant> ReadValue(const QString &key, const QString &name)
{
    try {
        const std::optional<QString> path = ValuePath(key, name);
        if (!path)
            return std::nullopt;
        if (TStaged *open = OpenUpdate().get())
            return Lookup(open->Settings(), *path);
        return Lookup(*OpenStore(), *path);
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

bool IsIntegerType(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

void WriteValue(const QString &key, const QString &name, const QVariant &value)
{
    const std::optional<QString> path = ValuePath(key, name);
    if (!path)
        throw WriteError(key);
    Apply(key, [&](TStaged &staged) { staged.Set(*path, value); });
}

void EnsureWritableFile(const QString &key)
{
    const QString fileName = SettingsFileName();
    const QFileInfo info(fileName);
    if (!QDir().mkpath(info.absolutePath()))
        throw WriteError(key);
    if (!info.exists()) {
        // NewOnly: another copy of the program may create it at the same time.
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(fileName))
            throw WriteError(key);
    }
    // QSettings replaces the file through a temporary file beside it, so the
    // folder must be writable too.
    const QFileInfo written(fileName);
    const QFileInfo folder(written.absolutePath());
    if (!written.isFile() || !written.isWritable() || !folder.isWritable())
        throw WriteError(key);
}

} // namespace

std::optional<QString> TryReadSettingString(const QString &key, const QString &name)
{
    const std::optional<QVariant> value = ReadValue(key, name);
    if (!value)
        return std::nullopt;
    switch (value->typeId()) {
    case QMetaType::QString:
        return value->toString();
    case QMetaType::QStringList:
        // An edited file with an unquoted "," in a value reads as a list.
        return value->toStringList().join(QStringLiteral(", "));
    case QMetaType::QByteArray:
        return QString::fromUtf8(value->toByteArray());
    default:
        // A number written during this run is still a number in QSettings'
        // cache; from the file it would read as its text.
        if (IsIntegerType(*value))
            return value->toString();
        return std::nullopt;
    }
}

std::optional<std::int32_t> TryReadSettingInteger(const QString &key, const QString &name)
{
    const std::optional<QVariant> value = ReadValue(key, name);
    if (!value)
        return std::nullopt;
    if (IsIntegerType(*value))
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value->toULongLong()));
    if (value->typeId() != QMetaType::QString)
        return std::nullopt;
    bool ok = false;
    const int number = value->toString().trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

QString ReadSettingString(const QString &key, const QString &name, const QString &defaultValue)
{
    return TryReadSettingString(key, name).value_or(defaultValue);
}

std::int32_t ReadSettingInteger(const QString &key, const QString &name, std::int32_t defaultValue)
{
    return TryReadSettingInteger(key, name).value_or(defaultValue);
}

bool ReadSettingBool(const QString &key, const QString &name, bool defaultValue)
{
    return ReadSettingInteger(key, name, defaultValue ? 1 : 0) != 0;
}

void WriteSettingString(const QString &key, const QString &name, const QString &text)
{
    WriteValue(key, name, text);
}

void WriteSettingInteger(const QString &key, const QString &name, std::int32_t value)
{
    WriteValue(key, name, static_cast<int>(value));
}

void WriteSettingBool(const QString &key, const QString &name, bool value)
{
    WriteValue(key, name, value ? 1 : 0);
}

void CreateSettingsKey(const QString &key)
{
    if (!GroupOf(key))
        throw WriteError(key);
    EnsureWritableFile(key);
    if (TStaged *open = OpenUpdate().get())
        open->NoteKey(key);
}

void DeleteSettingsKey(const QString &key)
{
    const std::optional<QString> group = GroupOf(key);
    if (!group)
        throw WriteError(key);
    Apply(key, [&](TStaged &staged) {
        QStringList paths = KeysUnder(staged.Settings(), *group);
        if (paths.isEmpty())
            return;
        if (!group->isEmpty()) {
            for (QString &path : paths)
                path.prepend(*group + u'/');
        }
        staged.Remove(paths);
    });
}

bool SettingsKeyExists(const QString &key)
{
    const std::optional<QString> group = GroupOf(key);
    if (!group)
        return false;
    if (group->isEmpty())
        return QFileInfo::exists(SettingsFileName());
    if (TStaged *open = OpenUpdate().get())
        return !KeysUnder(open->Settings(), *group).isEmpty();
    return !KeysUnder(*OpenStore(), *group).isEmpty();
}

bool SettingValueExists(const QString &key, const QString &name)
{
    return ReadValue(key, name).has_value();
}

TSettingsUpdate::TSettingsUpdate()
{
    if (!OpenUpdate()) {
        OpenUpdate() = std::make_unique<TStaged>();
        FOutermost = true;
    }
}

TSettingsUpdate::~TSettingsUpdate()
{
    if (FOutermost && !FDone) {
        OpenUpdate()->Revert();
        OpenUpdate().reset();
    }
}

void TSettingsUpdate::Commit()
{
    if (!FOutermost || FDone)
        return;
    FDone = true;
    // Whatever Store() decides, the update is over.
    const std::unique_ptr<TStaged> staged = std::move(OpenUpdate());
    staged->Store();
}

QString SettingsFileName()
{
    const QString &fileName = FileNameOverride();
    return fileName.isEmpty() ? DefaultFileName() : fileName;
}

void SetSettingsFileName(const QString &fileName)
{
    FileNameOverride() = fileName;
}
