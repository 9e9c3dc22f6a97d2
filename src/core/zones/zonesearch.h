// Finding zones by what users type: a city, a country or an abbreviation,
// whether or not the tz database names the place.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <vector>

class TPlaceNames;
class TTimeZone;
class TTimeZoneList;

// One search result: a zone of the list searched, and the place found there
// when it is not just the zone's own city under its English name.
struct TPlaceMatch
{
    const TTimeZone *Zone = nullptr;
    // The place's name in the user's language: a city that the tz database
    // does not name, or the zone's own city where that language names it
    // otherwise; empty when the zone itself matched under its English name.
    QString City;
    QString Country; // the place's country in the user's language; empty with City
    QString English; // the English name where City is another; else empty
};

// The search over one zone list and the place table compiled into the
// program (GeoNames cities, the tz database's countries), with the names the
// user's language gives them. Every word the user types must begin a word of
// the place: its name in English or the user's language, its region, its
// country or, for a zone, one of its abbreviations; case and accents do not
// matter.
// Best first: the whole name typed, then the name's beginning, then a word of
// the name, then only the country, region or abbreviation; within each, the
// more populous place first, the tz database's own city before a city of the
// same size it does not name.
class TZoneSearch
{
public:
    // The zones must outlive the search. Names in the user's interface
    // language come from the system's catalogues, read here.
    explicit TZoneSearch(const TTimeZoneList &zones);
    // With a place table and names of one's own (tests, benchmarks); names
    // may be null for English only, and is needed only while constructing.
    TZoneSearch(const TTimeZoneList &zones, const QByteArray &table,
                const TPlaceNames *names = nullptr);
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
    // How many places have a name of the user's language besides English.
    int LocalNameCount() const { return FLocalNames; }

private:
    struct TCountry
    {
        QString Name;            // in the user's language where it has one
        QByteArray Key;          // all its names' words
        QList<QByteArray> Names; // each of its names whole
    };
    struct TZoneEntry
    {
        const TTimeZone *Zone = nullptr;
        QByteArray NameKey;  // every part after the region: "argentina san juan"
        QByteArray LeafKey;  // the last part: "san juan"
        QByteArray OtherKey; // region and abbreviations
        QString LocalName;   // its city in the user's language, where named otherwise
        QByteArray LocalKey; // of LocalName, where it folds otherwise than LeafKey
        int Country = -1;
        quint32 Population = 0;
    };
    // Views into FTable, which stays alive and unchanged, and into FLocal.
    struct TCityEntry
    {
        int KeyAt = 0;
        int KeyLength = 0;
        int NameAt = 0;
        int NameLength = 0;
        int LocalAt = -1;       // into FLocal: the key, then the name; -1 none
        int LocalKeyLength = 0; // 0 where the local name folds as the English one
        int LocalNameLength = 0;
        int Zone = 0; // into FZones
        int Country = -1;
        quint32 Population = 0;
    };

    void Load(const TTimeZoneList &zones, const TPlaceNames *names);
    // The name in the user's language of a place of the table, empty when it
    // names it as English does: by its GeoNames id, else as the city-state
    // or municipality that it is.
    static QByteArrayView LocalName(const TPlaceNames &names, QByteArrayView id,
                                    QByteArrayView subdivision, QByteArrayView english);

    QByteArray FTable;
    QByteArray FLocal; // the cities' keys and names in the user's language
    int FLocalNames = 0;
    bool FTableInImage = false; // read in place from the program's image
    std::vector<TCountry> FCountries;
    std::vector<TZoneEntry> FZones;
    std::vector<TCityEntry> FCities;
};
