// placegen: writes the place table that the zone search reads — the country of
// every zone of zones.ini (from the tz database's zone.tab and iso3166.tab) and
// the cities of the GeoNames database in libgeonames that the tz database does
// not name, each with its country, zone and population.
//
// Table lines (UTF-8, tab-separated, ordered as the search wants them):
//   C  code  display name  search keys      one per country, in code order;
//      the tz database's name and GeoNames' name, "|" between them
//   Z  zone name  country code  population  one per zone of zones.ini, in file order
//   P  search key  name  country code  zone line number (0-based)  population
//      one per city, most populous first
#include "core/zones/searchkey.h"

#include <QFile>
#include <QHash>
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
    int Zone = 0;
    quint32 Population = 0;
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
        std::fprintf(stderr, "usage: placegen --zones zones.ini --tzdir DIR --output FILE\n");
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
    QMap<QString, QString> otherCountryNames; // GeoNames' own, searched as well
    QHash<QByteArray, int> seen;              // key + country + zone → city
    std::vector<TCity> cities;
    int unknownZone = 0;
    int tzCities = 0;
    const int count = geonames_get_n_cities();
    for (int i = 0; i < count; ++i) {
        GeonamesCity *city = geonames_get_city(i);
        TCity c;
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
        out << "C\t" << it.key() << '\t' << it.value() << '\t' << keys << '\n';
    }
    for (qsizetype i = 0; i < zones.size(); ++i) {
        out << "Z\t" << zones[i] << '\t' << zoneCountry[i] << '\t'
            << zonePopulation[static_cast<size_t>(i)] << '\n';
    }
    for (const TCity &c : cities) {
        out << "P\t" << QString::fromUtf8(c.Key) << '\t' << c.Name << '\t' << c.Country << '\t'
            << c.Zone << '\t' << c.Population << '\n';
    }
    out.flush();
    if (output.error() != QFileDevice::NoError || !output.flush()) {
        std::fprintf(stderr, "placegen: writing %s failed\n", qPrintable(outputPath));
        return 1;
    }
    std::printf("placegen: %d GeoNames cities: %zu places, %d tz cities, %d in zones not listed; "
                "%lld bytes\n",
                count, cities.size(), tzCities, unknownZone, static_cast<long long>(output.size()));
    return 0;
}
