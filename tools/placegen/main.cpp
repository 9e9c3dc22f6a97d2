// placegen: writes the place table that the zone search reads — the country of
// every zone of zones.ini (from the tz database's zone.tab and iso3166.tab) and
// the cities of the GeoNames database in libgeonames that the tz database does
// not name, each with its country, zone and population.
//
// Table lines (UTF-8, tab-separated, ordered as the search wants them):
//   C  code  display name  search keys  catalogue names
//      one per country, in code order; the keys are the tz database's name
//      and GeoNames' name, "|" between them; the catalogue names are its
//      English names in iso-codes (common name first, then the name and the
//      official name), by which the translations of iso_3166-1.mo find it
//   Z  zone name  country code  population  GeoNames id  subdivision
//      one per zone of zones.ini, in file order
//   P  search key  name  country code  zone line number (0-based)  population
//      GeoNames id  subdivision
//      one per city, most populous first
// A zone's GeoNames id is that of the city it is named after; ids key the
// translated names of libgeonames' geonames.mo. The subdivision, which may
// be empty, is the English iso-codes name of a city-state or municipality
// that is the city itself ("Beijing Shi"): iso_3166-2.mo may translate it
// where geonames.mo keeps the English name.
#include "core/zones/searchkey.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <geonames.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct TCity
{
    QByteArray Key;
    QString Name;
    QString Country;
    QString Id; // GeoNames'
    QString Subdivision;
    int Zone = 0;
    quint32 Population = 0;
};

struct TSubdivision
{
    QByteArray Key;
    QString Name;
    bool Taken = false;
};

QStringList ReadLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "placegen: cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

QJsonArray ReadJsonList(const QString &path, const QString &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "placegen: cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return QJsonDocument::fromJson(file.readAll()).object().value(name).toArray();
}

// The kinds of subdivision that are one town or city rather than a region.
bool IsCityKind(const QString &type)
{
    const QString kind = type.toLower();
    return kind.contains(u"city"_s) || kind.contains(u"capital"_s) || kind == u"municipality"_s ||
           kind == u"special municipality"_s || kind == u"urban municipality"_s ||
           kind == u"autonomous municipality"_s;
}

// The subdivision a city is: its name alone, or followed by one word of its
// kind ("Beijing Shi", "Seoul-teukbyeolsi" folds to one more word too).
bool IsCitySubdivision(const QByteArray &subdivisionKey, const QByteArray &cityKey)
{
    if (subdivisionKey == cityKey) {
        return true;
    }
    return subdivisionKey.startsWith(cityKey + ' ') &&
           !subdivisionKey.sliced(cityKey.size() + 1).contains(' ');
}

QString Field(const QString &line, int index)
{
    return line.section(u'\t', index, index);
}

// zones.ini names its zones with spaces where the tz database has underscores.
QString ZoneFileName(const char *tzName)
{
    return QString::fromUtf8(tzName).replace(u'_', u' ');
}

QString Argument(const QStringList &args, const QString &name)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= args.size()) {
        std::fprintf(stderr, "usage: placegen --zones zones.ini --tzdir DIR --isocodes DIR "
                             "--output FILE\n");
        std::exit(2);
    }
    return args.at(at + 1);
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    const QString zonesPath = Argument(args, u"--zones"_s);
    const QString tzDir = Argument(args, u"--tzdir"_s);
    const QString isoCodesDir = Argument(args, u"--isocodes"_s);
    const QString outputPath = Argument(args, u"--output"_s);

    // The zones, in file order, and their search keys for the city part.
    QStringList zones;
    QHash<QString, int> zoneIndex;
    static const QRegularExpression section(u"^\\[(.+)\\]\\s*$"_s);
    for (const QString &line : ReadLines(zonesPath)) {
        const auto match = section.match(line);
        if (match.hasMatch()) {
            zoneIndex.insert(match.captured(1), static_cast<int>(zones.size()));
            zones << match.captured(1);
        }
    }

    // Old zone names that GeoNames may still use lead to today's.
    QHash<QString, QString> links;
    for (const QString &line : ReadLines(tzDir + u"/tzdata.zi"_s)) {
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        if (parts.size() == 3 && parts[0] == u"L"_s) {
            links.insert(QString(parts[2]).replace(u'_', u' '),
                         QString(parts[1]).replace(u'_', u' '));
        }
    }
    auto resolve = [&](QString name) {
        for (int hop = 0; hop < 8 && !zoneIndex.contains(name) && links.contains(name); ++hop) {
            name = links.value(name);
        }
        return zoneIndex.value(name, -1);
    };

    QMap<QString, QString> countryNames; // code → the tz database's English name
    for (const QString &line : ReadLines(tzDir + u"/iso3166.tab"_s)) {
        if (!line.startsWith(u'#') && line.contains(u'\t')) {
            countryNames.insert(Field(line, 0), Field(line, 1).trimmed());
        }
    }
    QMap<QString, QStringList> countryCatalogueNames; // code → iso-codes' English names
    for (const QJsonValue &value : ReadJsonList(isoCodesDir + u"/iso_3166-1.json"_s, u"3166-1"_s)) {
        const QJsonObject country = value.toObject();
        QStringList &names = countryCatalogueNames[country.value(u"alpha_2"_s).toString()];
        for (const auto *field : {"common_name", "name", "official_name"}) {
            const QString name = country.value(QLatin1StringView(field)).toString();
            if (!name.isEmpty() && !name.contains(u'|') && !names.contains(name)) {
                names << name;
            }
        }
    }
    QHash<QString, std::vector<TSubdivision>> subdivisions; // by country code
    for (const QJsonValue &value : ReadJsonList(isoCodesDir + u"/iso_3166-2.json"_s, u"3166-2"_s)) {
        const QJsonObject subdivision = value.toObject();
        if (IsCityKind(subdivision.value(u"type"_s).toString())) {
            const QString name = subdivision.value(u"name"_s).toString();
            subdivisions[subdivision.value(u"code"_s).toString().section(u'-', 0, 0)].push_back(
                {SearchKey(name), name, false});
        }
    }
    // The most populous city of a name takes the subdivision of that name.
    auto subdivisionOf = [&](const QString &country, const QByteArray &cityKey) {
        for (TSubdivision &subdivision : subdivisions[country]) {
            if (!subdivision.Taken && IsCitySubdivision(subdivision.Key, cityKey)) {
                subdivision.Taken = true;
                return subdivision.Name;
            }
        }
        return QString();
    };

    QStringList zoneCountry(zones.size());
    for (const QString &line : ReadLines(tzDir + u"/zone.tab"_s)) {
        if (line.startsWith(u'#') || !line.contains(u'\t')) {
            continue;
        }
        const int zone = resolve(Field(line, 2).replace(u'_', u' '));
        if (zone >= 0 && zoneCountry[zone].isEmpty()) {
            zoneCountry[zone] = Field(line, 0);
        }
    }

    std::vector<QByteArray> zoneCityKey;
    for (const QString &zone : std::as_const(zones)) {
        zoneCityKey.push_back(SearchKey(zone.section(u'/', -1)));
    }
    std::vector<quint32> zonePopulation(zones.size(), 0);
    QStringList zoneId(zones.size());
    QMap<QString, QString> otherCountryNames; // GeoNames' own, searched as well
    QHash<QByteArray, int> seen;              // key + country + zone → city
    std::vector<TCity> cities;
    int unknownZone = 0;
    int tzCities = 0;
    const int count = geonames_get_n_cities();
    for (int i = 0; i < count; ++i) {
        GeonamesCity *city = geonames_get_city(i);
        TCity c;
        // A city is a GVariant whose first field is its GeoNames id, which
        // the library's interface does not otherwise give.
        const gchar *id = nullptr;
        g_variant_get_child(city, 0, "&s", &id);
        c.Id = QString::fromUtf8(id);
        c.Name = QString::fromUtf8(geonames_city_get_name(city));
        c.Country = QString::fromUtf8(geonames_city_get_country_code(city));
        c.Zone = resolve(ZoneFileName(geonames_city_get_timezone(city)));
        c.Population = geonames_city_get_population(city);
        otherCountryNames.insert(c.Country, QString::fromUtf8(geonames_city_get_country(city)));
        geonames_city_free(city);
        if (c.Zone < 0) {
            ++unknownZone;
            continue;
        }
        c.Key = SearchKey(c.Name);
        if (c.Key.isEmpty()) {
            continue;
        }
        // The city that names its zone ("Ho Chi Minh City" for Ho Chi Minh too)
        // is the zone's own entry; it lends the zone its population for the
        // ranking.
        const QByteArray &zoneKey = zoneCityKey[static_cast<size_t>(c.Zone)];
        if (c.Key == zoneKey || c.Key == zoneKey + " city") {
            auto &population = zonePopulation[static_cast<size_t>(c.Zone)];
            if (c.Population >= population || zoneId[c.Zone].isEmpty()) {
                zoneId[c.Zone] = c.Id;
            }
            population = std::max(population, c.Population);
            ++tzCities;
            continue;
        }
        const QByteArray identity =
            c.Key + '\t' + c.Country.toUtf8() + '\t' + QByteArray::number(c.Zone);
        const auto found = seen.constFind(identity);
        if (found == seen.constEnd()) {
            seen.insert(identity, static_cast<int>(cities.size()));
            cities.push_back(c);
        } else if (cities[static_cast<size_t>(*found)].Population < c.Population) {
            cities[static_cast<size_t>(*found)] = c;
        }
    }
    std::stable_sort(cities.begin(), cities.end(),
                     [](const TCity &a, const TCity &b) { return a.Population > b.Population; });

    // Subdivisions go to zones and cities alike, the most populous first.
    QStringList zoneSubdivision(zones.size());
    std::vector<std::pair<quint32, int>> byPopulation; // population, zone or ~city
    for (qsizetype i = 0; i < zones.size(); ++i) {
        if (!zoneCountry[i].isEmpty()) {
            byPopulation.emplace_back(zonePopulation[size_t(i)], int(i));
        }
    }
    for (size_t i = 0; i < cities.size(); ++i) {
        byPopulation.emplace_back(cities[i].Population, ~int(i));
    }
    std::stable_sort(byPopulation.begin(), byPopulation.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    int subdivided = 0;
    for (const auto &[population, place] : byPopulation) {
        QString &subdivision =
            place >= 0 ? zoneSubdivision[place] : cities[size_t(~place)].Subdivision;
        subdivision =
            place >= 0 ? subdivisionOf(zoneCountry[place], zoneCityKey[size_t(place)])
                       : subdivisionOf(cities[size_t(~place)].Country, cities[size_t(~place)].Key);
        subdivided += subdivision.isEmpty() ? 0 : 1;
    }

    QFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "placegen: cannot write %s\n", qPrintable(outputPath));
        return 1;
    }
    QTextStream out(&output);
    out.setEncoding(QStringConverter::Utf8);
    for (auto it = countryNames.cbegin(); it != countryNames.cend(); ++it) {
        // Both names, each whole, so that typing either in full is a whole match.
        QString keys = QString::fromUtf8(SearchKey(it.value()));
        const QByteArray other = SearchKey(otherCountryNames.value(it.key()));
        if (!other.isEmpty() && other != keys.toUtf8()) {
            keys += u'|' + QString::fromUtf8(other);
        }
        out << "C\t" << it.key() << '\t' << it.value() << '\t' << keys << '\t'
            << countryCatalogueNames.value(it.key()).join(u'|') << '\n';
    }
    for (qsizetype i = 0; i < zones.size(); ++i) {
        out << "Z\t" << zones[i] << '\t' << zoneCountry[i] << '\t'
            << zonePopulation[static_cast<size_t>(i)] << '\t' << zoneId[i] << '\t'
            << zoneSubdivision[i] << '\n';
    }
    for (const TCity &c : cities) {
        out << "P\t" << QString::fromUtf8(c.Key) << '\t' << c.Name << '\t' << c.Country << '\t'
            << c.Zone << '\t' << c.Population << '\t' << c.Id << '\t' << c.Subdivision << '\n';
    }
    out.flush();
    if (output.error() != QFileDevice::NoError || !output.flush()) {
        std::fprintf(stderr, "placegen: writing %s failed\n", qPrintable(outputPath));
        return 1;
    }
    std::printf("placegen: %d GeoNames cities: %zu places, %d tz cities, %d in zones not listed, "
                "%d city subdivisions; %lld bytes\n",
                count, cities.size(), tzCities, unknownZone, subdivided,
                static_cast<long long>(output.size()));
    return 0;
}
