// Finding zones by what users type: a city, a country or an abbreviation,
// whether or not the tz database names the place.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <vector>

class TTimeZone;
class TTimeZoneList;

// One search result: a zone of the list searched, and when the match was a
// city that the tz database does not name, that city and its country.
struct TPlaceMatch
{
    const TTimeZone *Zone = nullptr;
    QString City;    // empty when the zone itself matched
    QString Country; // the city's country; empty when the zone itself matched
};

// The search over one zone list and the place table compiled into the
// program (GeoNames cities, the tz database's countries). Every word the user
// types must begin a word of the place: its name, its region, its country or,
// for a zone, one of its abbreviations; case and accents do not matter.
// Best first: the whole name typed, then the name's beginning, then a word of
// the name, then only the country, region or abbreviation; within each, the
// more populous place first, the tz database's own city before a city of the
// same size it does not name.
class TZoneSearch
{
public:
    // The zones must outlive the search.
    explicit TZoneSearch(const TTimeZoneList &zones);
    // With a place table of one's own (tests, benchmarks).
    TZoneSearch(const TTimeZoneList &zones, const QByteArray &table);
    // Takes the compiled-in table's pages out of memory again: the search
    // lives only while the options dialog is open, the program much longer.
    ~TZoneSearch();
    TZoneSearch(const TZoneSearch &) = delete;
    TZoneSearch &operator=(const TZoneSearch &) = delete;

    // At most limit matches, best first; none for text with nothing to match.
    std::vector<TPlaceMatch> Find(QStringView text, int limit = DefaultLimit) const;

    static constexpr int DefaultLimit = 200;
    // The compiled-in table, for those who measure it.
    static QByteArray BuiltInTable();
    qsizetype TableBytes() const { return FTable.size(); }
    int PlaceCount() const { return static_cast<int>(FCities.size() + FZones.size()); }

private:
    struct TCountry
    {
        QString Name;
        QByteArray Key;          // all its names' words
        QList<QByteArray> Names; // each of its names whole
    };
    struct TZoneEntry
    {
        const TTimeZone *Zone = nullptr;
        QByteArray NameKey;  // every part after the region: "argentina san juan"
        QByteArray LeafKey;  // the last part: "san juan"
        QByteArray OtherKey; // region and abbreviations
        int Country = -1;
        quint32 Population = 0;
    };
    // Views into FTable, which stays alive and unchanged.
    struct TCityEntry
    {
        int KeyAt = 0;
        int KeyLength = 0;
        int NameAt = 0;
        int NameLength = 0;
        int Zone = 0; // into FZones
        int Country = -1;
        quint32 Population = 0;
    };

    void Load(const TTimeZoneList &zones);

    QByteArray FTable;
    bool FTableInImage = false; // read in place from the program's image
    std::vector<TCountry> FCountries;
    std::vector<TZoneEntry> FZones;
    std::vector<TCityEntry> FCities;
};
