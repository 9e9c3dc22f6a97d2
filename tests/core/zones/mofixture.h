// Writing small gettext catalogues (.mo files) for tests of what reads them.
#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <utility>

using TMessages = QList<std::pair<QByteArray, QByteArray>>;

// A catalogue of the given messages in the given byte order, with or without
// a hash table (then gettext searches the sorted originals).
inline QByteArray MoFile(const TMessages &messages, bool bigEndian = false, bool withHash = true)
{
    auto word = [&](QByteArray &out, quint32 value) {
        char bytes[4];
        if (bigEndian) {
            qToBigEndian(value, bytes);
        } else {
            qToLittleEndian(value, bytes);
        }
        out.append(bytes, 4);
    };
    const auto count = quint32(messages.size());
    const quint32 hashSize = withHash ? 7 : 0;
    const quint32 originals = 28;
    const quint32 translations = originals + count * 8;
    const quint32 hashAt = translations + count * 8;
    quint32 stringsAt = hashAt + hashSize * 4;
    QByteArray head, tables, hash(hashSize * 4, '\0'), strings;
    for (quint32 value : {0x950412deU, 0U, count, originals, translations, hashSize, hashAt}) {
        word(head, value);
    }
    QByteArray translationTable;
    for (const auto &[original, translation] : messages) {
        word(tables, quint32(original.size()));
        word(tables, stringsAt + quint32(strings.size()));
        strings += original + '\0';
    }
    for (const auto &[original, translation] : messages) {
        word(translationTable, quint32(translation.size()));
        word(translationTable, stringsAt + quint32(strings.size()));
        strings += translation + '\0';
    }
    if (withHash) {
        // Each message in the slot its hash names, as gettext's writer puts it.
        for (quint32 i = 0; i < count; ++i) {
            quint64 h = 0;
            for (const char c : messages[i].first) {
                h = (h << 4) + static_cast<unsigned char>(c);
                const quint64 high = h & (~quint64(0) << 28);
                if (high != 0) {
                    h ^= high >> 24;
                    h ^= high;
                }
            }
            const auto value = quint32(h);
            quint32 slot = value % hashSize;
            const quint32 step = 1 + value % (hashSize - 2);
            QByteArray entry;
            while (true) {
                entry = hash.mid(slot * 4, 4);
                if (entry == QByteArray(4, '\0')) {
                    break;
                }
                slot = (slot + step) % hashSize;
            }
            QByteArray index;
            word(index, i + 1);
            hash.replace(slot * 4, 4, index);
        }
    }
    return head + tables + translationTable + hash + strings;
}
