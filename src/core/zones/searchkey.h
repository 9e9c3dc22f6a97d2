// The form in which place names and typed queries are compared: case and
// accents folded away, words separated by single spaces.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// UTF-8 of the text with letters case-folded and stripped of accents (and a
// few letters that have no decomposition spelt out: ß → ss, ø → o, ł → l …),
// apostrophes dropped so "N'Djamena" meets "Ndjamena", and every other run of
// non-letters, non-digits turned into one space; no space at either end.
// Used both when the place table is generated and for every keystroke, so the
// two sides always fold alike.
QByteArray SearchKey(QStringView text);
// The same for UTF-8 text, without decoding what needs none: plain ASCII and
// names written in CJK ideographs alone, most of the translated names.
QByteArray SearchKey(QByteArrayView utf8);

// True when token is a prefix of one of key's words (key as SearchKey gives it).
bool KeyHasWordPrefix(const QByteArray &key, const QByteArray &token);
// The same for a key held as a byte range.
bool KeyHasWordPrefix(const char *key, int keyLength, const QByteArray &token);
