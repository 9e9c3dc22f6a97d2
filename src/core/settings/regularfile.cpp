#include "regularfile.h"

#include "core/system/exceptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Native(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

EFileOpenError CannotOpen(const QString &fileName, int error)
{
    return EFileOpenError(
        QCoreApplication::translate("ReadRegularFile", "Cannot open file \"%1\". %2")
            .arg(Native(fileName), qt_error_string(error)));
}

EFileOpenError TooLarge(const QString &fileName, qint64 size, qint64 maxBytes)
{
    return EFileOpenError(
        QCoreApplication::translate("ReadRegularFile",
                                    "\"%1\" is too large: %2 bytes or more, at most %3 are read")
            .arg(Native(fileName))
            .arg(size)
            .arg(maxBytes));
}

class TFileDescriptor
{
public:
    explicit TFileDescriptor(int fd) : FFd(fd) {}
    ~TFileDescriptor()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    TFileDescriptor(const TFileDescriptor &) = delete;
    TFileDescriptor &operator=(const TFileDescriptor &) = delete;
    int Get() const { return FFd; }

private:
    int FFd;
};

} // namespace

QByteArray ReadRegularFile(const QString &fileName, qint64 maxBytes)
{
    // O_NONBLOCK: opening a FIFO for reading otherwise waits for a writer,
    // deaf to signals. A regular file ignores the flag.
    const TFileDescriptor fd(::open(QFile::encodeName(fileName).constData(),
                                    O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0)
        throw CannotOpen(fileName, errno);
    struct stat info
    {
    };
    if (::fstat(fd.Get(), &info) != 0)
        throw CannotOpen(fileName, errno);
    if (S_ISDIR(info.st_mode))
        throw CannotOpen(fileName, EISDIR);
    if (!S_ISREG(info.st_mode)) {
        throw EFileOpenError(
            QCoreApplication::translate("ReadRegularFile", "\"%1\" is not a regular file")
                .arg(Native(fileName)));
    }
    if (info.st_size > maxBytes)
        throw TooLarge(fileName, info.st_size, maxBytes);

    // The file may grow while it is read: one byte more than allowed tells.
    QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qsizetype length = 0;
    for (;;) {
        if (length == bytes.size()) {
            if (length > maxBytes)
                throw TooLarge(fileName, length, maxBytes);
            bytes.resize(std::min<qint64>(maxBytes + 1, length * 2 + 4096));
        }
        const ssize_t got =
            ::read(fd.Get(), bytes.data() + length, static_cast<size_t>(bytes.size() - length));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw CannotOpen(fileName, errno);
        }
        if (got == 0)
            break;
        length += got;
    }
    if (length > maxBytes)
        throw TooLarge(fileName, length, maxBytes);
    bytes.truncate(length);
    return bytes;
}
