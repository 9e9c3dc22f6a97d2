// Reading a whole file that the user may have replaced by anything: a FIFO
// would block open() for ever and a link to a device would never end, so only
// a regular file of bounded size is read.
#pragma once

#include <QByteArray>
#include <QString>

// The file's bytes. Raises EFileOpenError naming the file when it cannot be
// opened or read, is not a regular file, or holds more than maxBytes.
QByteArray ReadRegularFile(const QString &fileName, qint64 maxBytes);
