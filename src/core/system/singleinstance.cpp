#include "singleinstance.h"

#include "core/settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The lock file at path, made when missing; -1 when it can be neither made
// nor opened. A file there already is opened for reading where it cannot be
// for writing (a folder made read-only since): a lock needs no more.
int OpenLockFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return fd >= 0 ? fd : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
}

} // namespace

TSingleInstance::TSingleInstance(const QStringList &paths)
{
    // A lock on the open file rather than the file's presence: a copy that
    // crashed or lost its display leaves the file but never the lock, and
    // what the file holds does not matter. Every copy tries the paths in the
    // same order, so they meet at the same file.
    for (const QString &path : paths) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        FFile = OpenLockFile(path);
        if (FFile >= 0)
            break;
    }
    // A lock that cannot be taken for want of a file stops no one.
    FFirst = FFile < 0 || ::flock(FFile, LOCK_EX | LOCK_NB) == 0;
}

TSingleInstance::~TSingleInstance()
{
    if (FFile >= 0)
        ::close(FFile);
}

QStringList TSingleInstance::DefaultPaths()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return {folder + QStringLiteral("/vorkelclocks.lock"),
            QFileInfo(SettingsFileName()).absolutePath() + QStringLiteral("/vorkelclocks.lock")};
}
