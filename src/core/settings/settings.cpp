#include "settings.h"

#include "core/settings/inifile.h"
#include "core/settings/regularfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString &FileNameOverride()
{
    static QString fileName;
    return fileName;
}

QString DefaultFileName()
{
    // Where QSettings put it. Not asked of QSettings: it reads the file at
    // once, and a FIFO there would block.
    return UserConfigFolder() + u"/Vorkel/Clocks.ini"_s;
}

// The settings file is tiny; anything this large is no settings file.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

// Where a value lives in the file: the root's values in the root section
// (empty name), a group's in the section of its name.
struct TIniPath
{
    QString Section;
    QString Key;
};

bool ValidName(const QString &name)
{
    return !name.contains(u'/') && !name.contains(u'\\');
}

std::optional<TIniPath> ValueAt(const QString &group, const QString &name)
{
    if (!ValidName(group) || name.isEmpty() || !ValidName(name))
        return std::nullopt;
    return TIniPath{group, name};
}

struct TFileStamp
{
    QString FileName;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    timespec Modified{};
    timespec Changed{};

    friend bool operator==(const TFileStamp &a, const TFileStamp &b)
    {
        return a.FileName == b.FileName && a.Device == b.Device && a.Inode == b.Inode &&
               a.Size == b.Size && a.Modified.tv_sec == b.Modified.tv_sec &&
               a.Modified.tv_nsec == b.Modified.tv_nsec && a.Changed.tv_sec == b.Changed.tv_sec &&
               a.Changed.tv_nsec == b.Changed.tv_nsec;
    }
};

// The settings file as last read.
struct TLoadedFile
{
    // Unreadable: a FIFO, a device, a folder, a file too large or that cannot
    // be read. It reads as empty and is never written over: saving would lose
    // what it holds, or replace something that is no settings file at all.
    //
    // NotText: a regular file that is no UTF-8 text (a UTF-16 file an editor
    // saved, another program's). Its values would come back mangled, so it
    // reads as empty, and a copy of it is kept before it is written over.
    enum
    {
        Missing,
        Readable,
        Unreadable,
        NotText
    } State = Missing;
    TIniDocument Document;
    std::optional<TFileStamp> Stamp;
    QByteArray NotTextBytes; // what a NotText file holds, for its copy
};

// Text the settings were written as: UTF-8, with no NUL (which UTF-16 text
// of Latin letters is full of, and UTF-8 text never holds).
bool IsUtf8Text(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes); // decodes only when converted
    return !utf8.hasError();
}

// The stamp of the NotText file last copied aside: one copy per file.
std::optional<TFileStamp> &CopiedStamp()
{
    static std::optional<TFileStamp> stamp;
    return stamp;
}

TSettingsNoticeHandler &NoticeHandler()
{
    static TSettingsNoticeHandler handler;
    return handler;
}

TLoadedFile &Cache()
{
    static TLoadedFile cache;
    return cache;
}

// The file as it is now, read again only when it changed since the last
// read: a clock list reads two values per clock.
const TLoadedFile &CurrentFile()
{
    const QString fileName = SettingsFileName();
    TLoadedFile &cache = Cache();
    struct stat info
    {
    };
    // stat follows links: a link to a regular file is that file.
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0) {
        cache = TLoadedFile{};
        cache.State = errno == ENOENT ? TLoadedFile::Missing : TLoadedFile::Unreadable;
        return cache;
    }
    const TFileStamp stamp{fileName,     info.st_dev,  info.st_ino,
                           info.st_size, info.st_mtim, info.st_ctim};
    if (cache.Stamp == stamp)
        return cache;
    cache = TLoadedFile{};
    cache.Stamp = stamp;
    try {
        QByteArray bytes = ReadRegularFile(fileName, MaxFileBytes);
        if (IsUtf8Text(bytes)) {
            cache.Document = TIniDocument::Parse(bytes);
            cache.State = TLoadedFile::Readable;
        } else {
            cache.NotTextBytes = std::move(bytes);
            cache.State = TLoadedFile::NotText;
        }
    } catch (const EFileOpenError &) {
        cache.State = TLoadedFile::Unreadable;
    }
    return cache;
}

ESettingsWriteError WriteError()
{
    return ESettingsWriteError(
        QCoreApplication::translate("Settings", "Unable to open \"%1\" for write")
            .arg(QFileInfo(SettingsFileName()).absoluteFilePath()));
}

// Where a write lands: the file, or the regular file its links lead to.
// Anything else is refused, never replaced by a regular file.
QString WriteTarget()
{
    QString target = QFileInfo(SettingsFileName()).absoluteFilePath();
    for (int depth = 0; QFileInfo(target).isSymLink(); ++depth) {
        if (depth == 40)
            throw WriteError(); // a loop of links
        target = QFileInfo(target).symLinkTarget();
    }
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(target).constData(), &info) == 0 && !S_ISREG(info.st_mode))
        throw WriteError();
    return target;
}

// Copies a settings file that is no text to "<file>.unreadable" (or
// ".unreadable.2", … where that is taken: an older copy is never replaced)
// beside the file its links lead to, once per file. Raises the write error
// when the copy cannot be made, so the file is not written over either.
void KeepNotTextCopy(const TLoadedFile &file)
{
    if (file.State != TLoadedFile::NotText || CopiedStamp() == file.Stamp)
        return;
    const QString base = WriteTarget() + u".unreadable"_s;
    QString copyName;
    for (int n = 1; copyName.isEmpty(); ++n) {
        const QString name = n == 1 ? base : base + u'.' + QString::number(n);
        QFile copy(name);
        if (copy.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (copy.write(file.NotTextBytes) != file.NotTextBytes.size() || !copy.flush()) {
                copy.remove();
                throw WriteError();
            }
            copyName = name;
        } else if (!QFileInfo::exists(name) || n == 100) {
            throw WriteError();
        }
    }
    CopiedStamp() = file.Stamp;
    const QString message =
        QCoreApplication::translate("Settings",
                                    "The settings file \"%1\" is not a text file Vorkel Clocks "
                                    "can read, so your settings could not be used. It was "
                                    "copied to \"%2\" before being written anew.")
            .arg(QFileInfo(SettingsFileName()).absoluteFilePath(), copyName);
    if (NoticeHandler())
        NoticeHandler()(message);
    else
        qWarning().noquote() << message;
}

// Replaces the file by bytes through a temporary file renamed over it, only
// when every write and the final flush succeeded: a full disk must leave the
// old file as it was, not an empty one.
void StoreBytes(const QByteArray &bytes)
{
    const QString target = WriteTarget();
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        throw WriteError();
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw WriteError();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        throw WriteError();
    }
    if (!file.commit())
        throw WriteError();
}

// A lock on the settings folder itself, held for the object's life. A lock
// file would take a block of the disk, which on a full disk is the block the
// new settings file needed.
class TFolderLock
{
public:
    explicit TFolderLock(const QString &folder)
        : FFd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (FFd < 0)
            return;
        // Another copy holds it for one write of a tiny file: a few
        // milliseconds, unless it hangs.
        for (int wait = 0; wait < 500; ++wait) {
            if (::flock(FFd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK)
                return;
            ::usleep(10'000);
        }
    }
    ~TFolderLock()
    {
        if (FFd >= 0)
            ::close(FFd); // lets go of the lock
    }
    TFolderLock(const TFolderLock &) = delete;
    TFolderLock &operator=(const TFolderLock &) = delete;

private:
    int FFd;
};

// Changes of values, kept as a list so that a commit applies them to the
// file as it is then (another copy of the program may have written other
// values meanwhile), and applied at once to a view that reads inside the
// update see.
class TStaged
{
public:
    TStaged() : FView(CurrentFile().Document) {}

    const TIniDocument &View() const { return FView; }

    void Set(const TIniPath &at, const QString &text)
    {
        Change([at, text](TIniDocument &document) { document.SetText(at.Section, at.Key, text); });
    }

    void Remove(const QList<TIniPath> &values)
    {
        for (const TIniPath &at : values)
            Change([at](TIniDocument &document) { document.Remove(at.Section, at.Key); });
    }

    void Store()
    {
        // Other copies of the program write the same file; the lock keeps
        // their read-change-write cycles apart. It is only a courtesy: when
        // it cannot be had the write goes ahead and is checked.
        const TFolderLock lock(QFileInfo(SettingsFileName()).absolutePath());
        const TLoadedFile &current = CurrentFile();
        if (current.State == TLoadedFile::Unreadable)
            throw WriteError();
        KeepNotTextCopy(current);
        TIniDocument document = current.Document;
        for (const auto &change : FChanges)
            change(document);
        StoreBytes(document.Serialize());
        FChanges.clear();
    }

private:
    void Change(std::function<void(TIniDocument &)> change)
    {
        change(FView);
        FChanges.push_back(std::move(change));
    }

    TIniDocument FView;
    std::vector<std::function<void(TIniDocument &)>> FChanges;
};

// The open TSettingsUpdate's writes; null when none is open.
std::unique_ptr<TStaged> &OpenUpdate()
{
    static std::unique_ptr<TStaged> staged;
    return staged;
}

const TIniDocument &ReadView()
{
    if (const TStaged *open = OpenUpdate().get())
        return open->View();
    return CurrentFile().Document;
}

// Runs one change on the open update, or alone, stored at once.
template <typename Change> void Apply(Change change)
{
    if (TStaged *open = OpenUpdate().get()) {
        change(*open);
        return;
    }
    TStaged alone;
    change(alone);
    alone.Store();
}

std::optional<QString> ReadText(const QString &group, const QString &name)
{
    const std::optional<TIniPath> at = ValueAt(group, name);
    if (!at)
        return std::nullopt;
    return ReadView().Text(at->Section, at->Key);
}

// Every value of a group; the root's are all values of the file.
QList<TIniPath> ValuesOf(const TIniDocument &document, const QString &group)
{
    QList<TIniPath> values;
    for (const QString &section : group.isEmpty() ? document.Sections() : QStringList{group}) {
        for (const QString &key : document.Keys(section))
            values.append({section, key});
    }
    return values;
}

void WriteValue(const QString &group, const QString &name, const QString &text)
{
    const std::optional<TIniPath> at = ValueAt(group, name);
    if (!at)
        throw WriteError();
    Apply([&](TStaged &staged) { staged.Set(*at, text); });
}

void EnsureWritableFile()
{
    const QString fileName = SettingsFileName();
    const QFileInfo info(fileName);
    if (!QDir().mkpath(info.absolutePath()))
        throw WriteError();
    if (CurrentFile().State == TLoadedFile::Unreadable)
        throw WriteError();
    const QString target = WriteTarget();
    if (!QFileInfo::exists(target)) {
        // NewOnly: another copy of the program may create it at the same time.
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(target))
            throw WriteError();
    }
    // The file is replaced through a temporary file beside it, so the folder
    // must be writable too.
    const QFileInfo written(target);
    const QFileInfo folder(written.absolutePath());
    if (!written.isFile() || !written.isWritable() || !folder.isWritable())
        throw WriteError();
}

} // namespace

std::optional<QString> TryReadSettingString(const QString &group, const QString &name)
{
    return ReadText(group, name);
}

std::optional<std::int32_t> TryReadSettingInteger(const QString &group, const QString &name)
{
    const std::optional<QString> text = ReadText(group, name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int number = text->trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

QString ReadSettingString(const QString &group, const QString &name, const QString &defaultValue)
{
    return TryReadSettingString(group, name).value_or(defaultValue);
}

std::int32_t ReadSettingInteger(const QString &group, const QString &name,
                                std::int32_t defaultValue)
{
    return TryReadSettingInteger(group, name).value_or(defaultValue);
}

bool ReadSettingBool(const QString &group, const QString &name, bool defaultValue)
{
    return ReadSettingInteger(group, name, defaultValue ? 1 : 0) != 0;
}

void WriteSettingString(const QString &group, const QString &name, const QString &text)
{
    WriteValue(group, name, text);
}

void WriteSettingInteger(const QString &group, const QString &name, std::int32_t value)
{
    WriteValue(group, name, QString::number(value));
}

void WriteSettingBool(const QString &group, const QString &name, bool value)
{
    WriteValue(group, name, value ? u"1"_s : u"0"_s);
}

void CreateSettingsGroup(const QString &group)
{
    if (!ValidName(group))
        throw WriteError();
    EnsureWritableFile();
}

void DeleteSettingsGroup(const QString &group)
{
    if (!ValidName(group))
        throw WriteError();
    Apply([&](TStaged &staged) {
        const QList<TIniPath> values = ValuesOf(staged.View(), group);
        if (!values.isEmpty())
            staged.Remove(values);
    });
}

bool SettingsGroupExists(const QString &group)
{
    if (!ValidName(group))
        return false;
    if (group.isEmpty())
        return QFileInfo::exists(SettingsFileName());
    return !ReadView().Keys(group).isEmpty();
}

bool SettingValueExists(const QString &group, const QString &name)
{
    const std::optional<TIniPath> at = ValueAt(group, name);
    return at && ReadView().Contains(at->Section, at->Key);
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
    if (FOutermost && !FDone)
        OpenUpdate().reset();
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

QString UserConfigFolder()
{
    // Qt 6.4 takes a relative value as it stands, relative to the current
    // folder, where the session would look for no autostart entry and the
    // next start from elsewhere would find no settings.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) {
        const QString home = QDir::homePath();
        if (home.isEmpty())
            return {};
        config = home + u"/.config"_s;
    }
    return config;
}

void SetSettingsNoticeHandler(TSettingsNoticeHandler handler)
{
    NoticeHandler() = std::move(handler);
}

void KeepUnreadableSettings()
{
    KeepNotTextCopy(CurrentFile());
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
