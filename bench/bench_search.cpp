// Prints what a keystroke in the zone search costs, typed letter by letter,
// beside two peers in the same run: a plain case-insensitive QString::contains
// scan over the same names, and libgeonames' own city query. Also the place
// table's size, the time to build the search when the options dialog opens,
// and the resident memory it adds while the dialog is open and leaves after.
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
        if (f.size() == 6 && f[0] == "P") {
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
    return 0;
}
