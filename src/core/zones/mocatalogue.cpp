#include "mocatalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr quint32 Magic = 0x950412de;
constexpr quint32 SwappedMagic = 0xde120495;
// Far beyond any catalogue of names; a bigger file is not one.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// gettext's hashpjw, on at least 33 bits as the C library computes it on a
// 64-bit machine; catalogues store their hash tables with its low 32 bits.
quint32 HashString(QByteArrayView text)
{
    quint64 hash = 0;
    for (const char c : text) {
        hash = (hash << 4) + static_cast<unsigned char>(c);
        const quint64 high = hash & (~quint64(0) << 28);
        if (high != 0) {
            hash ^= high >> 24;
            hash ^= high;
        }
    }
    return static_cast<quint32>(hash);
}

} // namespace

// Layout (all 32-bit words in the writer's byte order):
//   0 magic  4 revision  8 message count  12 originals offset
//   16 translations offset  20 hash table size  24 hash table offset
// Each table holds (length, offset) pairs of NUL-terminated strings; the hash
// table holds message index + 1, 0 for an empty slot.
TMoCatalogue::TMoCatalogue(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        return;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly) || file->size() < 28 || file->size() > MaxFileSize) {
        return;
    }
    const uchar *data = file->map(0, file->size());
    if (data == nullptr) {
        return;
    }
    FFile = std::move(file);
    FData = data;
    FSize = static_cast<quint64>(FFile->size());
    const quint32 magic = qFromLittleEndian<quint32>(FData);
    if (magic != Magic && magic != SwappedMagic) {
        return;
    }
    FSwapped = magic == SwappedMagic;
    const quint32 revision = Word(4);
    const quint32 count = Word(8);
    FOriginals = Word(12);
    FTranslations = Word(16);
    FHashSize = Word(20);
    FHashAt = Word(24);
    // Only the major revisions 0 and 1 share this layout.
    const bool tablesFit = quint64(FOriginals) + quint64(count) * 8 <= FSize &&
                           quint64(FTranslations) + quint64(count) * 8 <= FSize;
    const bool hashFits = FHashSize <= 2 || quint64(FHashAt) + quint64(FHashSize) * 4 <= FSize;
    if ((revision >> 16) <= 1 && tablesFit && hashFits) {
        FCount = count;
    }
}

TMoCatalogue::~TMoCatalogue() = default;
TMoCatalogue::TMoCatalogue(TMoCatalogue &&) noexcept = default;
TMoCatalogue &TMoCatalogue::operator=(TMoCatalogue &&) noexcept = default;

quint32 TMoCatalogue::Word(quint64 at) const
{
    if (at + 4 > FSize) {
        return 0;
    }
    // The file is read as mapped: its words need not be aligned.
    const quint32 little = qFromLittleEndian<quint32>(FData + at);
    return FSwapped ? qbswap(little) : little;
}

QByteArrayView TMoCatalogue::Entry(quint32 table, quint32 index) const
{
    if (index >= FCount) {
        return {};
    }
    const quint64 pair = quint64(table) + quint64(index) * 8;
    const quint32 length = Word(pair);
    const quint32 offset = Word(pair + 4);
    if (quint64(offset) + length >= FSize || FData[quint64(offset) + length] != 0) {
        return {};
    }
    return {reinterpret_cast<const char *>(FData + offset), qsizetype(length)};
}

QByteArrayView TMoCatalogue::Find(QByteArrayView message) const
{
    if (FCount == 0) {
        return {};
    }
    return FHashSize > 2 ? FindByHash(message) : FindBySearch(message);
}

QByteArrayView TMoCatalogue::FindByHash(QByteArrayView message) const
{
    // Open addressing with double hashing, as gettext's writer placed them.
    const quint32 hash = HashString(message);
    quint32 slot = hash % FHashSize;
    const quint32 step = 1 + hash % (FHashSize - 2);
    for (quint32 probes = 0; probes < FHashSize; ++probes) {
        const quint32 entry = Word(quint64(FHashAt) + quint64(slot) * 4);
        if (entry == 0 || entry > FCount) {
            return {};
        }
        if (Entry(FOriginals, entry - 1) == message) {
            return Entry(FTranslations, entry - 1);
        }
        slot = slot >= FHashSize - step ? slot - (FHashSize - step) : slot + step;
    }
    return {};
}

QByteArrayView TMoCatalogue::FindBySearch(QByteArrayView message) const
{
    // Without a hash table the originals are in byte order.
    quint32 low = 0;
    quint32 high = FCount;
    while (low < high) {
        const quint32 middle = low + (high - low) / 2;
        const int order = Entry(FOriginals, middle).compare(message);
        if (order == 0) {
            return Entry(FTranslations, middle);
        }
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return {};
}
