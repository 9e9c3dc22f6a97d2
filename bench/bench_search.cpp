// Prints what a keystroke in the zone search costs, typed letter by letter,
// beside two peers in the same run: a plain case-insensitive QString::contains
// scan over the same names, and libgeonames' own city query. Also the place
// table's size, the time to build the search at the first search, and the
// resident memory it adds while the dialog is open and leaves after; then
// the same with the names of other languages (the system's catalogues) beside
// English alone. Run it beside another checkout's build for "before" figures.
#include "core/zones/placenames.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonesearch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <geonames.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

long ResidentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

// The naive peer: every name kept as text, matched anywhere in it.
struct TNaivePlace
{
    QString Text;
    quint32 Population;
};

std::vector<TNaivePlace> NaivePlaces(const TTimeZoneList &zones, const QByteArray &table)
{
    std::vector<TNaivePlace> places;
    for (int i = 0; i < zones.Count(); ++i) {
        places.push_back({zones.ZoneAt(i)->Name, 0});
    }
    for (const QByteArray &line : table.split('\n')) {
        const QList<QByteArray> f = line.split('\t');
        if (f.size() >= 6 && f[0] == "P") {
            places.push_back(
                {QString::fromUtf8(f[2]) + u", "_s + QString::fromUtf8(f[3]), f[5].toUInt()});
        }
    }
    return places;
}

size_t NaiveFind(const std::vector<TNaivePlace> &places, const QString &query)
{
    std::vector<const TNaivePlace *> found;
    for (const TNaivePlace &place : places) {
        if (place.Text.contains(query, Qt::CaseInsensitive)) {
            found.push_back(&place);
        }
    }
    std::sort(found.begin(), found.end(),
              [](auto *a, auto *b) { return a->Population > b->Population; });
    return std::min<size_t>(found.size(), TZoneSearch::DefaultLimit);
}

double Median(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2),
                     values.end());
    return values[values.size() / 2];
}

// Each keystroke of each word timed on its own, the median of them all.
double MedianKeystrokeMs(const TZoneSearch &search, const QStringList &words, int repeats)
{
    std::vector<double> times;
    QElapsedTimer timer;
    size_t sink = 0;
    for (int r = 0; r < repeats; ++r) {
        for (const QString &word : words) {
            for (qsizetype n = 1; n <= word.size(); ++n) {
                const QString typed = word.left(n);
                timer.start();
                sink += search.Find(typed).size();
                times.push_back(double(timer.nsecsElapsed()) / 1e6);
            }
        }
    }
    return sink == size_t(-1) ? 0 : Median(std::move(times));
}

// The language's search built a few times: the median build time.
double MedianBuildMs(const TTimeZoneList &zones, const QStringList &folders, int repeats)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int r = 0; r < repeats; ++r) {
        timer.start();
        const auto names = std::make_unique<TPlaceNames>(folders);
        const TZoneSearch search(zones, TZoneSearch::BuiltInTable(), names.get());
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return Median(std::move(times));
}

template <typename F> double PerKeystrokeMs(const QString &word, int repeats, F &&find)
{
    QElapsedTimer timer;
    timer.start();
    size_t sink = 0;
    for (int r = 0; r < repeats; ++r) {
        for (qsizetype n = 1; n <= word.size(); ++n) {
            sink += find(word.left(n));
        }
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6 / double(repeats * word.size());
    return sink == size_t(-1) ? -ms : ms;
}

} // namespace

int main()
{
    TTimeZoneList zones;
    zones.LoadFromZoneFile(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));

    const long before = ResidentKiB();
    QElapsedTimer timer;
    timer.start();
    auto search = std::make_unique<TZoneSearch>(zones);
    const double buildMs = double(timer.nsecsElapsed()) / 1e6;
    const long open = ResidentKiB();
    std::printf("place table: %lld bytes, %d places (%d zones); search built in %.2f ms, "
                "+%ld KiB resident\n",
                static_cast<long long>(search->TableBytes()), search->PlaceCount(), zones.Count(),
                buildMs, open - before);

    // What closing the dialog gives back.
    search.reset();
    const long closed = ResidentKiB();
    search = std::make_unique<TZoneSearch>(zones);

    const auto naive = NaivePlaces(zones, TZoneSearch::BuiltInTable());
    // libgeonames loads its data on the first query; that is not a keystroke.
    guint length = 0;
    g_free(geonames_query_cities_sync("a", GEONAMES_QUERY_DEFAULT, &length, nullptr, nullptr));

    std::printf("%-16s %14s %14s %14s   (ms per keystroke, typed letter by letter)\n", "typed",
                "ours", "contains scan", "libgeonames");
    const QStringList words = {u"mumbai"_s, u"san francisco"_s, u"united states"_s,
                               u"pst"_s,    u"zürich"_s,        u"s"_s};
    for (const QString &word : words) {
        const double ours =
            PerKeystrokeMs(word, 200, [&](const QString &q) { return search->Find(q).size(); });
        const double scan =
            PerKeystrokeMs(word, 20, [&](const QString &q) { return NaiveFind(naive, q); });
        const double geo = PerKeystrokeMs(word, 3, [&](const QString &q) {
            guint n = 0;
            g_free(geonames_query_cities_sync(q.toUtf8().constData(), GEONAMES_QUERY_DEFAULT, &n,
                                              nullptr, nullptr));
            return size_t(n);
        });
        std::printf("%-16s %14.3f %14.3f %14.3f\n", qPrintable(word), ours, scan, geo);
    }

    std::printf("resident: %ld KiB before the search, %ld KiB with it, %ld KiB after it is gone\n",
                before, open, closed);
    search.reset();

    // The user's language: its names searched beside English, each typed
    // letter by letter in that language.
    std::printf("\n%-8s %8s %10s %12s %14s   (median ms; resident KiB)\n", "language", "names",
                "built in", "per keystroke", "with, after it");
    const std::vector<std::pair<QString, QStringList>> languages = {
        {u"en"_s, {u"mumbai"_s, u"san francisco"_s, u"united states"_s, u"pst"_s, u"s"_s}},
        {u"de"_s, {u"köln"_s, u"moskau"_s, u"wien"_s, u"peking"_s, u"deutschland"_s, u"s"_s}},
        {u"fr"_s, {u"moscou"_s, u"vienne"_s, u"allemagne"_s, u"s"_s}},
        {u"ja"_s, {u"東京"_s, u"大阪"_s, u"ドイツ"_s, u"s"_s}},
        {u"zh_CN"_s, {u"北京"_s, u"上海"_s, u"德国"_s, u"s"_s}}};
    for (const auto &[language, typed] : languages) {
        const QStringList folders = TPlaceNames::Folders({language});
        const long start = ResidentKiB();
        auto names = std::make_unique<TPlaceNames>(folders);
        auto local = std::make_unique<TZoneSearch>(zones, TZoneSearch::BuiltInTable(), names.get());
        names.reset();
        const long with = ResidentKiB();
        const int count = local->LocalNameCount();
        const double keystroke = MedianKeystrokeMs(*local, typed, 50);
        local.reset();
        const long after = ResidentKiB();
        std::printf("%-8s %8d %10.2f %12.3f %7ld, %5ld\n", qPrintable(language), count,
                    MedianBuildMs(zones, folders, 9), keystroke, with - start, after - start);
    }
    return 0;
}
