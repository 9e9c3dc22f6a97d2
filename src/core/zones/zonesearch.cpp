#include "zonesearch.h"

#include "core/system/memoryrelease.h"
#include "core/zones/placenames.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "searchkey.h"

#include <QHash>
#include <QResource>
#include <algorithm>
#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Longer text names no place; folding it all would only cost time.
constexpr qsizetype MaxQueryLength = 200;
// Each typed word is one bit of a match mask.
constexpr qsizetype MaxWords = 16;

using TMask = quint32;

TMask WordMask(const char *key, int keyLength, const QList<QByteArray> &words)
{
    TMask mask = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (KeyHasWordPrefix(key, keyLength, words[i])) {
            mask |= TMask(1) << i;
        }
    }
    return mask;
}

TMask WordMask(const QByteArray &key, const QList<QByteArray> &words)
{
    return WordMask(key.constData(), static_cast<int>(key.size()), words);
}

// key holds word as a whole word.
bool KeyHasWord(const QByteArray &key, const QByteArray &word)
{
    for (const QByteArray &part : key.split(' ')) {
        if (part == word) {
            return true;
        }
    }
    return false;
}

// Tiers, best first.
enum TTier
{
    tWholeName,   // the name, an abbreviation or the country is what was typed
    tNameStart,   // the name begins with what was typed
    tNameWord,    // the first typed word begins a word of the name
    tZoneContext, // a zone by its region, country or abbreviation only
    tCityCountry  // a city by its country only
};

struct TRanked
{
    int Tier;
    quint32 Population;
    int Kind;  // 0 a zone, 1 a city: the tz database's own city first
    int Index; // into the zones or the cities
};

// Splits a table line at its tabs; the count of fields, or MaxFields + 1
// when there are more. No allocation: this runs for every city when the
// options dialog opens.
constexpr int MaxFields = 8;
int SplitFields(QByteArrayView line, std::array<QByteArrayView, MaxFields> &fields)
{
    int count = 0;
    qsizetype start = 0;
    while (true) {
        const qsizetype tab = line.indexOf('\t', start);
        const qsizetype end = tab < 0 ? line.size() : tab;
        if (count == MaxFields) {
            return MaxFields + 1;
        }
        fields[size_t(count++)] = line.sliced(start, end - start);
        if (tab < 0) {
            return count;
        }
        start = tab + 1;
    }
}

// How well a name's key meets the typed text, given which typed words begin
// a word of it: tWholeName, tNameStart, tNameWord, or tZoneContext for none
// of these.
int NameTier(QByteArrayView key, const QByteArray &query, TMask mask)
{
    if (key.startsWith(query)) {
        return key.size() == query.size() ? tWholeName : tNameStart;
    }
    return (mask & 1) != 0 ? tNameWord : tZoneContext;
}

int WordCount(QByteArrayView key)
{
    return key.isEmpty() ? 0 : int(key.count(' ')) + 1;
}

// A country code as a small number: two ASCII capitals, else -1.
int CodeIndex(QByteArrayView code)
{
    if (code.size() != 2 || code[0] < 'A' || code[0] > 'Z' || code[1] < 'A' || code[1] > 'Z') {
        return -1;
    }
    return (code[0] - 'A') * 26 + (code[1] - 'A');
}

} // namespace

QByteArray TZoneSearch::BuiltInTable()
{
    const QResource resource(u":/places.tsv"_s);
    if (!resource.isValid()) {
        return {};
    }
    // Stored uncompressed, so the table is read in place from the program's image.
    if (resource.compressionAlgorithm() == QResource::NoCompression) {
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                       resource.size());
    }
    return resource.uncompressedData();
}

TZoneSearch::TZoneSearch(const TTimeZoneList &zones) : FTable(BuiltInTable())
{
    const auto names = TPlaceNames::ForUserLanguage();
    Load(zones, names.get());
    // Raw data is the uncompressed resource itself; a compressed one was
    // unpacked into memory of our own, which goes with FTable.
    FTableInImage = FTable.data_ptr().d_ptr() == nullptr;
}

TZoneSearch::~TZoneSearch()
{
    if (FTableInImage) {
        DropImagePages(FTable.constData(), static_cast<std::size_t>(FTable.size()));
    }
}

TZoneSearch::TZoneSearch(const TTimeZoneList &zones, const QByteArray &table,
                         const TPlaceNames *names)
    : FTable(table)
{
    Load(zones, names);
}

QByteArrayView TZoneSearch::LocalName(const TPlaceNames &names, QByteArrayView id,
                                      QByteArrayView subdivision, QByteArrayView english)
{
    bool number = false;
    const quint32 geonamesId = id.toUInt(&number);
    if (number) {
        const QByteArrayView city = names.City(geonamesId);
        if (!city.isEmpty() && city != english) {
            return city;
        }
    }
    if (subdivision.isEmpty()) {
        return {};
    }
    // A subdivision's name may carry its kind ("Municipalité de Sébastopol",
    // "Daugavpils (commune)"), which is not the city's name: only as many
    // words as the English name has, and no remarks.
    const QByteArrayView local = names.Subdivision(subdivision);
    if (local.isEmpty() || local == subdivision || local.contains('(') ||
        WordCount(SearchKey(local)) > WordCount(SearchKey(english))) {
        return {};
    }
    return local;
}

void TZoneSearch::Load(const TTimeZoneList &zones, const TPlaceNames *names)
{
    if (names != nullptr && names->IsEmpty()) {
        names = nullptr;
    }
    QHash<QString, int> zoneByName;
    for (int i = 0; i < zones.Count(); ++i) {
        const TTimeZone *zone = zones.ZoneAt(i);
        TZoneEntry entry;
        entry.Zone = zone;
        entry.NameKey = SearchKey(zone->CityName());
        entry.LeafKey = SearchKey(zone->Name.section(u'/', -1));
        QString other = zone->RegionName();
        // Numeric abbreviations such as "+03" are offsets, not names to type.
        for (const QString &abbr : {zone->StandardAbbr, zone->DaylightAbbr}) {
            if (!abbr.isEmpty() && abbr.front().isLetter()) {
                other += u' ' + abbr;
            }
        }
        entry.OtherKey = SearchKey(other);
        zoneByName.insert(zone->Name, static_cast<int>(FZones.size()));
        FZones.push_back(std::move(entry));
    }

    std::array<int, 26 * 26> countryByCode;
    countryByCode.fill(-1);
    auto country = [&](QByteArrayView code) {
        const int index = CodeIndex(code);
        return index < 0 ? -1 : countryByCode[size_t(index)];
    };
    std::vector<int> tableZones; // the table's zone lines → FZones, or -1
    const char *base = FTable.constData();
    std::array<QByteArrayView, MaxFields> f;
    for (qsizetype start = 0; start < FTable.size();) {
        qsizetype end = FTable.indexOf('\n', start);
        if (end < 0) {
            end = FTable.size();
        }
        const int count = SplitFields(QByteArrayView(base + start, end - start), f);
        start = end + 1;
        if (count >= 6 && f[0] == "P") {
            bool ok = false;
            const int tableZone = f[4].toInt(&ok);
            if (!ok || tableZone < 0 || tableZone >= static_cast<int>(tableZones.size()) ||
                tableZones[size_t(tableZone)] < 0 || f[1].isEmpty()) {
                continue;
            }
            TCityEntry city;
            city.KeyAt = static_cast<int>(f[1].data() - base);
            city.KeyLength = static_cast<int>(f[1].size());
            city.NameAt = static_cast<int>(f[2].data() - base);
            city.NameLength = static_cast<int>(f[2].size());
            city.Zone = tableZones[size_t(tableZone)];
            city.Country = country(f[3]);
            city.Population = f[5].toUInt();
            if (names != nullptr && count == 8) {
                const QByteArrayView name = LocalName(*names, f[6], f[7], f[2]);
                if (!name.isEmpty()) {
                    const QByteArray key = SearchKey(name);
                    city.LocalAt = static_cast<int>(FLocal.size());
                    city.LocalKeyLength = key == f[1] ? 0 : static_cast<int>(key.size());
                    city.LocalNameLength = static_cast<int>(name.size());
                    FLocal += key.first(city.LocalKeyLength);
                    FLocal += name;
                    ++FLocalNames;
                }
            }
            FCities.push_back(city);
        } else if ((count == 4 || count == 5) && f[0] == "C" && CodeIndex(f[1]) >= 0) {
            countryByCode[size_t(CodeIndex(f[1]))] = static_cast<int>(FCountries.size());
            TCountry entry{QString::fromUtf8(f[2]), {}, f[3].toByteArray().split('|')};
            if (names != nullptr) {
                // GeoNames' short name ("Russland"), else iso-codes' common
                // name before its formal ones ("Russische Föderation").
                QByteArrayView shown = names->GeoName(f[1]);
                QList<QByteArrayView> locals{shown};
                if (count == 5) {
                    for (const QByteArray &english : f[4].toByteArray().split('|')) {
                        locals << names->Country(english);
                    }
                }
                for (const QByteArrayView local : std::as_const(locals)) {
                    if (local.isEmpty()) {
                        continue;
                    }
                    if (shown.isEmpty()) {
                        shown = local;
                    }
                    const QByteArray key = SearchKey(local);
                    if (!key.isEmpty() && !entry.Names.contains(key)) {
                        entry.Names << key;
                    }
                }
                if (!shown.isEmpty()) {
                    entry.Name = QString::fromUtf8(shown);
                }
            }
            entry.Key = entry.Names.join(' ');
            FCountries.push_back(std::move(entry));
        } else if (count >= 4 && f[0] == "Z") {
            const int zone = zoneByName.value(QString::fromUtf8(f[1]), -1);
            tableZones.push_back(zone);
            if (zone >= 0) {
                TZoneEntry &entry = FZones[size_t(zone)];
                entry.Country = country(f[2]);
                entry.Population = f[3].toUInt();
                if (names != nullptr && count == 6) {
                    entry.LocalName = QString::fromUtf8(
                        LocalName(*names, f[4], f[5], entry.Zone->Name.section(u'/', -1).toUtf8()));
                    const QByteArray key = SearchKey(entry.LocalName);
                    if (key != entry.LeafKey) {
                        entry.LocalKey = key;
                    }
                    FLocalNames += entry.LocalName.isEmpty() ? 0 : 1;
                }
            }
        }
    }
}

std::vector<TPlaceMatch> TZoneSearch::Find(QStringView text, int limit) const
{
    const QByteArray query = SearchKey(text.left(MaxQueryLength));
    if (query.isEmpty() || limit <= 0) {
        return {};
    }
    const QList<QByteArray> words = query.split(' ');
    if (words.size() > MaxWords) {
        return {};
    }
    const TMask all = (TMask(1) << words.size()) - 1;
    const TMask first = 1;

    std::vector<TMask> countryMasks;
    std::vector<bool> countryNamed; // one of its names typed in full
    countryMasks.reserve(FCountries.size());
    countryNamed.reserve(FCountries.size());
    for (const TCountry &country : FCountries) {
        countryMasks.push_back(WordMask(country.Key, words));
        countryNamed.push_back(country.Names.contains(query));
    }
    auto countryMask = [&](int country) { return country < 0 ? 0 : countryMasks[size_t(country)]; };

    std::vector<TRanked> ranked;
    for (size_t i = 0; i < FZones.size(); ++i) {
        const TZoneEntry &zone = FZones[i];
        const TMask local = zone.LocalKey.isEmpty() ? 0 : WordMask(zone.LocalKey, words);
        const TMask name = WordMask(zone.NameKey, words) | local;
        const TMask other = WordMask(zone.OtherKey, words) | countryMask(zone.Country);
        if ((name | other) != all) {
            continue;
        }
        int tier = tZoneContext;
        if (zone.LeafKey == query || zone.NameKey == query || zone.LocalKey == query ||
            KeyHasWord(zone.OtherKey, query) ||
            (zone.Country >= 0 && countryNamed[size_t(zone.Country)])) {
            tier = tWholeName;
        } else if (zone.LeafKey.startsWith(query) || zone.NameKey.startsWith(query) ||
                   (!zone.LocalKey.isEmpty() && zone.LocalKey.startsWith(query))) {
            tier = tNameStart;
        } else if (name & first) {
            tier = tNameWord;
        }
        ranked.push_back({tier, zone.Population, 0, static_cast<int>(i)});
    }
    const char *base = FTable.constData();
    const char *local = FLocal.constData();
    for (size_t i = 0; i < FCities.size(); ++i) {
        const TCityEntry &city = FCities[i];
        const QByteArrayView key(base + city.KeyAt, city.KeyLength);
        const TMask name = WordMask(key.data(), city.KeyLength, words);
        const QByteArrayView localKey(local + std::max(city.LocalAt, 0), city.LocalKeyLength);
        const TMask localName =
            city.LocalKeyLength == 0 ? 0 : WordMask(localKey.data(), city.LocalKeyLength, words);
        if ((name | localName | countryMask(city.Country)) != all) {
            continue;
        }
        int tier = std::min(NameTier(key, query, name), NameTier(localKey, query, localName));
        if (tier == tZoneContext) {
            tier = tCityCountry; // a city by its country only
        }
        ranked.push_back({tier, city.Population, 1, static_cast<int>(i)});
    }

    auto better = [](const TRanked &a, const TRanked &b) {
        if (a.Tier != b.Tier) {
            return a.Tier < b.Tier;
        }
        if (a.Population != b.Population) {
            return a.Population > b.Population;
        }
        if (a.Kind != b.Kind) {
            return a.Kind < b.Kind;
        }
        return a.Index < b.Index;
    };
    const auto shown = std::min(ranked.size(), static_cast<size_t>(limit));
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(shown),
                      ranked.end(), better);

    std::vector<TPlaceMatch> matches;
    matches.reserve(shown);
    for (size_t i = 0; i < shown; ++i) {
        const TRanked &r = ranked[i];
        if (r.Kind == 0) {
            const TZoneEntry &zone = FZones[size_t(r.Index)];
            if (zone.LocalName.isEmpty()) {
                matches.push_back({zone.Zone, {}, {}, {}});
            } else {
                matches.push_back(
                    {zone.Zone, zone.LocalName,
                     zone.Country < 0 ? QString() : FCountries[size_t(zone.Country)].Name,
                     zone.LocalKey.isEmpty() ? QString() : zone.Zone->CityName()});
            }
            continue;
        }
        const TCityEntry &city = FCities[size_t(r.Index)];
        const QString english = QString::fromUtf8(base + city.NameAt, city.NameLength);
        const QString country =
            city.Country < 0 ? QString() : FCountries[size_t(city.Country)].Name;
        if (city.LocalAt < 0) {
            matches.push_back({FZones[size_t(city.Zone)].Zone, english, country, {}});
        } else {
            matches.push_back({FZones[size_t(city.Zone)].Zone,
                               QString::fromUtf8(local + city.LocalAt + city.LocalKeyLength,
                                                 city.LocalNameLength),
                               country, city.LocalKeyLength == 0 ? QString() : english});
        }
    }
    return matches;
}
