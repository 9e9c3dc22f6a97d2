// Prints how long a zone file of 83,640 zones takes to load into the zone
// list, written in name order and shuffled, beside the time to read the same
// file into lines alone (the floor the list's own work adds to). Built against
// another checkout's library, the same source gives that build's figures.
// Times are the process's CPU time, so a busy machine does not blur them; the
// least of five runs.
//
// Usage: bench_zoneload [zones] (default 83640)
#include "core/settings/regularfile.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <limits>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Zones in 50 regions, named as a generator would number them (ascending
// numbers are in name order); one in five with daylight rules, as in the
// shipped file, which keeps the whole under the reader's 16 MiB.
QByteArray ZoneFileBytes(int count, bool shuffled)
{
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    if (shuffled)
        std::shuffle(order.begin(), order.end(), std::mt19937(83640));
    QByteArray text = "# version 2099z, generated for the benchmark\n";
    for (const int i : order) {
        const QString rules =
            i % 5 == 0 ? u"StandardOnMonth=10\nStandardOnType=1\nStandardOnDay=0\n"
                         u"StandardOnDayOfWeek=1\nStandardOnTime=1:00\nDaylightAbbr=D\n"
                         u"DaylightOffset=60\nDaylightOnMonth=3\nDaylightOnType=2\n"
                         u"DaylightOnDay=8\nDaylightOnDayOfWeek=1\nDaylightOnTime=2:00 AM\n"_s
                       : u"StandardOnMonth=0\nDaylightOnMonth=0\n"_s;
        text += u"\n[Region%1/City %2]\nUTCOffset=%3\nStandardAbbr=S\nStandardOffset=0\n%4"_s
                    .arg(i * 50 / count, 2, 10, QChar(u'0'))
                    .arg(i, 5, 10, QChar(u'0'))
                    .arg((i % 25 - 12) * 60)
                    .arg(rules)
                    .toUtf8();
    }
    return text;
}

// The least CPU time of runs of work; what work hands back is freed after
// the clock stops, so freeing is not timed.
template <typename Work> double LeastOf(int runs, Work work)
{
    double least = std::numeric_limits<double>::max();
    for (int run = 0; run < runs; ++run) {
        const double start = CpuMilliseconds();
        auto result = work();
        least = std::min(least, CpuMilliseconds() - start);
    }
    return least;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 83640;
    QTemporaryDir dir;
    for (const bool shuffled : {false, true}) {
        const QString path = dir.filePath(shuffled ? u"shuffled.ini"_s : u"ordered.ini"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(ZoneFileBytes(count, shuffled)) < 0)
            return 1;
        file.close();
        int loaded = 0;
        const double load = LeastOf(5, [&] {
            auto list = std::make_unique<TTimeZoneList>();
            list->LoadFromZoneFile(path);
            loaded = list->Count();
            return list;
        });
        qsizetype lines = 0;
        const double floor = LeastOf(5, [&] {
            QStringList read =
                SplitZoneFileLines(DecodeZoneFileText(ReadRegularFile(path, 1 << 30)));
            lines = read.size();
            return read;
        });
        std::printf("%d zones %-9s (%lld lines): LoadFromZoneFile %8.1f ms CPU, reading the "
                    "lines alone %6.1f ms\n",
                    loaded, shuffled ? "shuffled" : "in order", static_cast<long long>(lines), load,
                    floor);
    }
    return 0;
}
