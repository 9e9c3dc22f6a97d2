// Reading a compiled gettext message catalogue (a .mo file) as the C library
// would, without switching the program's locale to that catalogue's language.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>

class QFile;

// One .mo file, mapped read-only for as long as the object lives. A missing,
// foreign or damaged file is an empty catalogue: every look-up finds nothing.
class TMoCatalogue
{
public:
    TMoCatalogue() = default;
    explicit TMoCatalogue(const QString &path);
    ~TMoCatalogue();
    TMoCatalogue(TMoCatalogue &&) noexcept;
    TMoCatalogue &operator=(TMoCatalogue &&) noexcept;

    bool IsEmpty() const { return FCount == 0; }
    // Number of messages, the header entry included.
    quint32 Count() const { return FCount; }
    // The translation of message, empty when the catalogue has none. The
    // view points into the mapped file: it is valid while this object lives.
    QByteArrayView Find(QByteArrayView message) const;
    // Message index's original and translation (index < Count()), in the
    // catalogue's order; empty where the file is damaged.
    QByteArrayView Original(quint32 index) const { return Entry(FOriginals, index); }
    QByteArrayView Translation(quint32 index) const { return Entry(FTranslations, index); }

private:
    // Message index's original (table = FOriginals) or translation, empty
    // when the entry points outside the file or is not NUL-terminated.
    QByteArrayView Entry(quint32 table, quint32 index) const;
    quint32 Word(quint64 at) const;
    QByteArrayView FindByHash(QByteArrayView message) const;
    QByteArrayView FindBySearch(QByteArrayView message) const;

    std::unique_ptr<QFile> FFile;
    const uchar *FData = nullptr;
    quint64 FSize = 0;
    bool FSwapped = false; // written on a machine of the other byte order
    quint32 FCount = 0;
    quint32 FOriginals = 0;    // offset of the originals' (length, offset) pairs
    quint32 FTranslations = 0; // offset of the translations' pairs
    quint32 FHashSize = 0;
    quint32 FHashAt = 0;
};
