#include "singleinstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TSingleInstance::TSingleInstance(const QString &path)
{
    // A lock on the open file rather than the file's presence: a copy that
    // crashed or lost its display leaves the file but never the lock, and
    // what the file holds does not matter.
    FFile = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A lock that cannot be taken for want of a file stops no one.
    FFirst = FFile < 0 || ::flock(FFile, LOCK_EX | LOCK_NB) == 0;
}

TSingleInstance::~TSingleInstance()
{
    if (FFile >= 0)
        ::close(FFile);
}

QString TSingleInstance::DefaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/vorkelclocks.lock");
}
