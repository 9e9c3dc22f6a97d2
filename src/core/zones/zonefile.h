// Reading zones.ini: its text and lines. TTimeZoneList::LoadFromZoneFile and
// TTimeZone::LoadFromSection read the sections.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reads a zone file's bytes as text: UTF-8 when it is valid UTF-8 or starts
// with a byte-order mark (which is dropped), else the single-byte (Latin-1)
// reading, so names with accents survive either way.
QString DecodeZoneFileText(const QByteArray &bytes);
// Splits a zone file's text into lines ending at CR LF, LF or CR; a line break
// at the very end opens no further line.
QStringList SplitZoneFileLines(const QString &text);
