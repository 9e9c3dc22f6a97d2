// The zone list: the zone database read from zones.ini, or a clock list.
#pragma once

#include "core/zones/timezone.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// A list of zones keyed by Name, owning its zones. Sorted (the zone database:
// case-insensitive locale collation, duplicates by case not added) or unsorted
// (a clock list in its saved order).
class TTimeZoneList
{
public:
    TTimeZoneList(); // empty, sorted
    ~TTimeZoneList();
    TTimeZoneList(const TTimeZoneList &) = delete;
    TTimeZoneList &operator=(const TTimeZoneList &) = delete;

    bool Sorted() const { return FSorted; }
    // Switching sorted mode on sorts the entries.
    void SetSorted(bool sorted);

    int Count() const { return static_cast<int>(FEntries.size()); }
    const QString &Strings(int index) const;
    TTimeZone *ZoneAt(int index) const;
    // The zone at index taken as a clock; nullptr when it is a plain zone.
    TCustomisedTimeZone *ClockAt(int index) const;
    // Replaces the zone of an entry and hands the old one back to the caller.
    std::unique_ptr<TTimeZone> ReplaceZoneAt(int index, std::unique_ptr<TTimeZone> zone);

    // Adds a zone under text. Sorted mode: at its place, or, when an entry of
    // that text (any case) exists, the new zone is discarded and the existing
    // index returned. Unsorted: appended.
    int Add(const QString &text, std::unique_ptr<TTimeZone> zone);
    int Add(std::unique_ptr<TTimeZone> zone); // under zone->Name
    // Adds each zone under its Name, as Add does one by one (in sorted mode
    // the first of a name stays), in time linear-logarithmic in the count.
    void AddAll(std::vector<std::unique_ptr<TTimeZone>> zones);
    int IndexOf(const QString &text) const; // case-insensitive; -1 when absent
    // The zone a stored name stands for: the zone of that name, else the zone
    // whose section lists it among its Aliases (names the tz database keeps
    // as links to it, such as a city's former spelling: Europe/Kiev for
    // Europe/Kyiv); -1 for neither.
    int IndexOfZone(const QString &name) const;
    void Delete(int index);                     // frees the zone
    std::unique_ptr<TTimeZone> Take(int index); // removes without freeing
    void Move(int from, int to);
    void Clear(); // frees the zones

    // Reads every section of a zone file and adds its zones. Throws
    // EFileOpenError (path and reason; also for a file that holds no zone,
    // which is no zone database) or ETimeZoneError; zones read before an
    // error stay in the list.
    void LoadFromZoneFile(const QString &fileName);
    // The same from text already in memory (tests, fuzzing).
    void LoadFromZoneText(const QStringList &lines);
    // The tz database version the last text loaded names in its first line
    // ("# version 2026f, checked for 2026-2035"); empty when it names none.
    const QString &Version() const { return FVersion; }

private:
    struct TEntry
    {
        QString Text;
        std::unique_ptr<TTimeZone> Zone;
    };
    int FindSorted(const QString &text, bool &found) const;
    void SortKeepingFirst();
    // LoadFromZoneText, giving the number of sections read.
    int ReadZoneText(const QStringList &lines);
    void AddAliases(const TTimeZone &zone, const QString &names);

    std::vector<TEntry> FEntries;
    bool FSorted = true;
    QString FVersion;
    // Aliases, case-folded, to the name of their zone.
    QHash<QString, QString> FAliases;
};

// Locale-aware text comparison (QCollator, the user's locale).
int CompareTextLocale(const QString &a, const QString &b);   // case-insensitive
int CompareStringLocale(const QString &a, const QString &b); // case-sensitive
