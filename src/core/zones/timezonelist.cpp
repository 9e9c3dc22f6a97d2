#include "timezonelist.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <cstdint>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// One collator per case mode for the program's life: building one costs far
// more than a comparison, and the user's locale is read once at start.
const QCollator &Collator(Qt::CaseSensitivity cs)
{
    static const QCollator insensitive = [] {
        QCollator c(QLocale::system());
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    static const QCollator sensitive = [] {
        QCollator c(QLocale::system());
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    return cs == Qt::CaseInsensitive ? insensitive : sensitive;
}

void CheckIndex(int index, int count)
{
    if (index < 0 || index >= count) {
        throw Exception(u"List index out of bounds (%1)"_s.arg(index));
    }
}

// Reordering by hand would break the order that lookups rely on.
void CheckUnsorted(bool sorted)
{
    if (sorted) {
        throw Exception(u"Operation not allowed on sorted list"_s);
    }
}

} // namespace

int CompareTextLocale(const QString &a, const QString &b)
{
    return Collator(Qt::CaseInsensitive).compare(a, b);
}

int CompareStringLocale(const QString &a, const QString &b)
{
    return Collator(Qt::CaseSensitive).compare(a, b);
}

TTimeZoneList::TTimeZoneList() = default;

// Entries are destroyed in index order, as the zones were read.
TTimeZoneList::~TTimeZoneList()
{
    Clear();
}

void TTimeZoneList::SetSorted(bool sorted)
{
    if (sorted == FSorted) {
        return;
    }
    if (sorted) {
        std::stable_sort(FEntries.begin(), FEntries.end(), [](const TEntry &a, const TEntry &b) {
            return CompareTextLocale(a.Text, b.Text) < 0;
        });
    }
    FSorted = sorted;
}

const QString &TTimeZoneList::Strings(int index) const
{
    CheckIndex(index, Count());
    return FEntries[static_cast<std::size_t>(index)].Text;
}

TTimeZone *TTimeZoneList::ZoneAt(int index) const
{
    CheckIndex(index, Count());
    return FEntries[static_cast<std::size_t>(index)].Zone.get();
}

TCustomisedTimeZone *TTimeZoneList::ClockAt(int index) const
{
    return dynamic_cast<TCustomisedTimeZone *>(ZoneAt(index));
}

std::unique_ptr<TTimeZone> TTimeZoneList::ReplaceZoneAt(int index, std::unique_ptr<TTimeZone> zone)
{
    CheckIndex(index, Count());
    std::swap(FEntries[static_cast<std::size_t>(index)].Zone, zone);
    return zone;
}

int TTimeZoneList::FindSorted(const QString &text, bool &found) const
{
    found = false;
    int low = 0;
    int high = Count() - 1;
    // A zone file is usually written in order: one comparison with the last
    // entry then places each new zone.
    if (high >= 0 && CompareTextLocale(FEntries.back().Text, text) < 0) {
        return Count();
    }
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        const int c = CompareTextLocale(FEntries[static_cast<std::size_t>(mid)].Text, text);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                low = mid;
            }
        }
    }
    return low;
}

int TTimeZoneList::Add(const QString &text, std::unique_ptr<TTimeZone> zone)
{
    if (!FSorted) {
        FEntries.push_back({text, std::move(zone)});
        return Count() - 1;
    }
    bool found = false;
    const int index = FindSorted(text, found);
    if (found) {
        return index; // the zone read first stays; the new one is dropped
    }
    FEntries.insert(FEntries.begin() + index, TEntry{text, std::move(zone)});
    return index;
}

int TTimeZoneList::Add(std::unique_ptr<TTimeZone> zone)
{
    const QString name = zone ? zone->Name : QString();
    return Add(name, std::move(zone));
}

void TTimeZoneList::AddAll(std::vector<std::unique_ptr<TTimeZone>> zones)
{
    FEntries.reserve(FEntries.size() + zones.size());
    for (std::unique_ptr<TTimeZone> &zone : zones) {
        QString name = zone ? zone->Name : QString();
        FEntries.push_back({std::move(name), std::move(zone)});
    }
    if (FSorted) {
        SortKeepingFirst();
    }
}

// Inserting each zone at its place would move the entries after it every
// time: quadratic in a large zone file written out of order. Sorted once
// instead, ties in the order the entries stand, so the first one read stays.
void TTimeZoneList::SortKeepingFirst()
{
    // Zone files are usually written in order: one comparison per neighbour
    // then tells that nothing needs to move.
    bool ordered = true;
    for (std::size_t i = 1; i < FEntries.size() && ordered; ++i) {
        ordered = CompareTextLocale(FEntries[i - 1].Text, FEntries[i].Text) < 0;
    }
    if (ordered) {
        return;
    }
    // A collator's sort key compares as the collator does, at the cost of a
    // byte comparison instead of a collation: made once per entry. Made of
    // the case-folded text, as Qt's keys of the C locale keep case even for a
    // case-insensitive collator (ICU's ignore it at this strength anyway).
    const QCollator &collator = Collator(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(FEntries.size());
    for (const TEntry &entry : FEntries) {
        keys.push_back(collator.sortKey(entry.Text.toCaseFolded()));
    }
    // The entries' numbers are sorted, not the keys: moving a key costs a
    // reference count.
    std::vector<std::uint32_t> order(FEntries.size());
    std::iota(order.begin(), order.end(), 0U);
    // Ties in reading order, so the first of a name stays.
    std::sort(order.begin(), order.end(), [&keys](std::uint32_t a, std::uint32_t b) {
        const int c = keys[a].compare(keys[b]);
        return c < 0 || (c == 0 && a < b);
    });
    std::vector<TEntry> sorted;
    sorted.reserve(FEntries.size());
    const QCollatorSortKey *kept = nullptr;
    for (const std::uint32_t index : order) {
        if (kept != nullptr && kept->compare(keys[index]) == 0) {
            continue; // a later duplicate by case: dropped, as Add drops it
        }
        kept = &keys[index];
        sorted.push_back(std::move(FEntries[index]));
    }
    // Dropped duplicates are freed here, with the old vector.
    FEntries.swap(sorted);
}

int TTimeZoneList::IndexOf(const QString &text) const
{
    if (FSorted) {
        bool found = false;
        const int index = FindSorted(text, found);
        return found ? index : -1;
    }
    for (int i = 0; i < Count(); ++i) {
        if (CompareTextLocale(FEntries[static_cast<std::size_t>(i)].Text, text) == 0) {
            return i;
        }
    }
    return -1;
}

int TTimeZoneList::IndexOfZone(const QString &name) const
{
    const int index = IndexOf(name);
    if (index >= 0) {
        return index;
    }
    const auto current = FAliases.constFind(name.toCaseFolded());
    return current == FAliases.cend() ? -1 : IndexOf(*current);
}

void TTimeZoneList::Delete(int index)
{
    Take(index);
}

std::unique_ptr<TTimeZone> TTimeZoneList::Take(int index)
{
    CheckIndex(index, Count());
    const auto it = FEntries.begin() + index;
    std::unique_ptr<TTimeZone> zone = std::move(it->Zone);
    FEntries.erase(it);
    return zone;
}

void TTimeZoneList::Move(int from, int to)
{
    CheckUnsorted(FSorted);
    CheckIndex(from, Count());
    CheckIndex(to, Count());
    const auto first = FEntries.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else {
        std::rotate(first + to, first + from, first + from + 1);
    }
}

void TTimeZoneList::Clear()
{
    // Front to back, so zones go in the order they were added.
    for (TEntry &entry : FEntries) {
        entry.Zone.reset();
    }
    FEntries.clear();
    FAliases.clear();
}
