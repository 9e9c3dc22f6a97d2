// How long a clock's UTC-to-local conversion takes, beside cctz and glibc's
// localtime_r on the same zones, and how long the zone database takes to load.
// Every clock converts once a second; the options dialog and every rebuild of
// the clocks load the whole zone file. A conversion must not allocate: the
// allocations of our timed calls are counted too.
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cctz/time_zone.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <new>
#include <random>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
std::uint64_t Allocations = 0;
} // namespace

void *operator new(std::size_t size)
{
    ++Allocations;
    if (void *block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

void operator delete(void *block) noexcept
{
    std::free(block);
}

void operator delete(void *block, std::size_t) noexcept
{
    std::free(block);
}

namespace {

constexpr std::int64_t SecsPerDay = 86'400;
constexpr std::size_t MomentCount = 1 << 14;

// Unix seconds.
constexpr std::int64_t Y1990 = 631'152'000;
constexpr std::int64_t Y2026 = 1'767'225'600;
constexpr std::int64_t Y2036 = 2'082'758'400;
constexpr std::int64_t Y2050 = 2'524'608'000;

struct TPlace
{
    const char *Label;
    const char *TzName;
    std::unique_ptr<TTimeZone> Zone;
    // Random moments come from [From, To); consecutive ones start at Start.
    std::int64_t From = Y1990;
    std::int64_t To = Y2050;
    std::int64_t Start = 1'711'846'800; // 2024-03-31 01:00, Berlin's spring change
};

// A zone of the shipped file, for the zones whose changes it states one by
// one: their random moments stay inside the stated span, so every call
// takes that path.
void AddShipped(std::vector<TPlace> &places, const char *label, const char *tzName,
                const QString &name, std::int64_t start)
{
    TTimeZoneList list;
    list.LoadFromZoneFile(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));
    const int index = list.IndexOf(name);
    if (index < 0 || !list.ZoneAt(index)->HasStatedChanges()) {
        std::fprintf(stderr, "%s: no stated changes in the shipped zones.ini\n", label);
        return;
    }
    places.push_back({label, tzName, list.Take(index), Y2026, Y2036, start});
}

std::vector<TPlace> MakePlaces()
{
    std::vector<TPlace> places;
    auto berlin = std::make_unique<TTimeZone>();
    berlin->Name = u"Europe/Berlin"_s;
    berlin->UTCOffset = 60;
    berlin->DaylightOffset = 60;
    // Last Sunday of March and of October, 01:00 UTC.
    berlin->DaylightRule = {3, 1, 0, EncodeTime(1, 0, 0, 0), TZoneRuleType::zrLastWeekday};
    berlin->StandardRule = {10, 1, 0, EncodeTime(1, 0, 0, 0), TZoneRuleType::zrLastWeekday};
    places.push_back({"Berlin", "Europe/Berlin", std::move(berlin)});
    // Second Sunday of March 02:00 EST, first Sunday of November 02:00 EDT.
    auto newYork = std::make_unique<TTimeZone>();
    newYork->Name = u"America/New York"_s;
    newYork->UTCOffset = -300;
    newYork->DaylightOffset = 60;
    newYork->DaylightRule = {3, 1, 8, EncodeTime(7, 0, 0, 0), TZoneRuleType::zrWeekdayOnOrAfter};
    newYork->StandardRule = {11, 1, 1, EncodeTime(6, 0, 0, 0), TZoneRuleType::zrWeekdayOnOrAfter};
    places.push_back({"NewYork", "America/New_York", std::move(newYork)});
    // Around the end of Ramadan 2026 and Havana's return to standard time.
    AddShipped(places, "Casablanca", "Africa/Casablanca", u"Africa/Casablanca"_s, 1'774'143'200);
    AddShipped(places, "Havana", "America/Havana", u"America/Havana"_s, 1'825'560'000);
    return places;
}

// Unix seconds: random over the place's years, or consecutive from one moment.
std::vector<std::int64_t> Moments(const TPlace &place, bool random)
{
    std::vector<std::int64_t> moments(MomentCount);
    std::mt19937_64 generator(20261207);
    std::uniform_int_distribution<std::int64_t> pick(place.From, place.To - 1);
    for (std::size_t i = 0; i < moments.size(); ++i) {
        moments[i] = random ? pick(generator) : place.Start + std::int64_t(i);
    }
    return moments;
}

TDateTime ToDateTime(std::int64_t unixSecs)
{
    return DateTimeFromUnixMSecs(unixSecs * 1000);
}

void Vorkel(benchmark::State &state, const TPlace *place, bool random)
{
    const TTimeZone *zone = place->Zone.get();
    std::vector<TDateTime> moments;
    for (std::int64_t s : Moments(*place, random)) {
        moments.push_back(ToDateTime(s));
    }
    // The zone learns the years it is asked about once; what counts is after.
    for (const TDateTime utc : moments) {
        benchmark::DoNotOptimize(zone->LocalTimeAt(utc));
    }
    const std::uint64_t before = Allocations;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone->LocalTimeAt(moments[i++ & (MomentCount - 1)]));
    }
    state.counters["allocs"] =
        benchmark::Counter(double(Allocations - before), benchmark::Counter::kAvgIterations);
}

void Cctz(benchmark::State &state, const TPlace *place, bool random)
{
    cctz::time_zone tz;
    if (!cctz::load_time_zone(place->TzName, &tz)) {
        state.SkipWithError("no tz database");
        return;
    }
    std::vector<cctz::time_point<cctz::seconds>> moments;
    for (std::int64_t s : Moments(*place, random)) {
        moments.push_back(
            std::chrono::time_point_cast<cctz::seconds>(std::chrono::system_clock::from_time_t(0)) +
            cctz::seconds(s));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tz.lookup(moments[i++ & (MomentCount - 1)]));
    }
}

void Glibc(benchmark::State &state, const TPlace *place, bool random)
{
    setenv("TZ", place->TzName, 1);
    tzset();
    const std::vector<std::int64_t> moments = Moments(*place, random);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::time_t t = moments[i++ & (MomentCount - 1)];
        std::tm local{};
        benchmark::DoNotOptimize(localtime_r(&t, &local));
    }
}

// Minutes east of UTC by cctz against the zone's own answer, over random
// moments since the rules of the hand-made zones began (2007), or over the
// stated span of a shipped zone.
int Disagreements(const TPlace &place)
{
    cctz::time_zone tz;
    if (!cctz::load_time_zone(place.TzName, &tz)) {
        return -1;
    }
    std::mt19937_64 generator(7);
    std::uniform_int_distribution<std::int64_t> pick(
        std::max<std::int64_t>(place.From, 1'167'609'600), place.To - 1);
    int disagreements = 0;
    for (int n = 0; n < 200'000; ++n) {
        const std::int64_t s = pick(generator);
        const auto tp =
            std::chrono::time_point_cast<cctz::seconds>(std::chrono::system_clock::from_time_t(0)) +
            cctz::seconds(s);
        const TDateTime utc = ToDateTime(s);
        const std::int64_t ours = UnixMSecsFromDateTime(place.Zone->LocalTimeAt(utc)) / 1000 - s;
        disagreements += ours != tz.lookup(tp).offset ? 1 : 0;
    }
    return disagreements;
}

// A zone file of 400 zones with rules on both sides, in name order or shuffled.
QStringList GeneratedZoneFile(bool shuffled)
{
    std::vector<int> order(400);
    for (int i = 0; i < 400; ++i) {
        order[static_cast<std::size_t>(i)] = i;
    }
    if (shuffled) {
        std::shuffle(order.begin(), order.end(), std::mt19937(400));
    }
    QStringList lines{u"# generated for the benchmark"_s};
    for (int i : order) {
        lines << u"[Region%1/City %2]"_s.arg(i / 40, 2, 10, QChar(u'0')).arg(i, 3, 10, QChar(u'0'))
              << u"UTCOffset=%1"_s.arg((i % 25 - 12) * 60) << u"StandardAbbr=S%1"_s.arg(i)
              << u"StandardOffset=0"_s << u"StandardOnMonth=10"_s << u"StandardOnType=1"_s
              << u"StandardOnDay=0"_s << u"StandardOnDayOfWeek=1"_s << u"StandardOnTime=1:00"_s
              << u"DaylightAbbr=D%1"_s.arg(i) << u"DaylightOffset=60"_s << u"DaylightOnMonth=3"_s
              << u"DaylightOnType=2"_s << u"DaylightOnDay=8"_s << u"DaylightOnDayOfWeek=1"_s
              << u"DaylightOnTime=2:00 AM"_s << QString();
    }
    return lines;
}

void LoadText(benchmark::State &state, bool shuffled)
{
    const QStringList lines = GeneratedZoneFile(shuffled);
    for (auto _ : state) {
        TTimeZoneList list;
        list.LoadFromZoneText(lines);
        benchmark::DoNotOptimize(list.Count());
    }
}

void LoadFile(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        TTimeZoneList list;
        list.LoadFromZoneFile(path);
        benchmark::DoNotOptimize(list.Count());
    }
}

// Prints the console table, then the conversion figures side by side.
class TRatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit TRatioReporter(std::vector<std::string> places) : FPlaces(std::move(places)) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            FNanoseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
            if (const auto it = run.counters.find("allocs"); it != run.counters.end()) {
                FAllocations[run.benchmark_name()] = it->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintSummary() const
    {
        std::printf("\n%-20s %7s %7s %7s %13s %13s %14s\n", "CPU ns per call", "vorkel", "cctz",
                    "glibc", "cctz/vorkel", "glibc/vorkel", "vorkel allocs");
        for (const std::string &place : FPlaces) {
            for (const char *workload : {"random", "consecutive"}) {
                const auto ns = [&](const char *impl) {
                    const auto it = FNanoseconds.find(std::string("LocalTime/") + impl + '/' +
                                                      place + '/' + workload);
                    return it == FNanoseconds.end() ? 0.0 : it->second;
                };
                const double vorkel = ns("vorkel");
                const auto allocs =
                    FAllocations.find(std::string("LocalTime/vorkel/") + place + '/' + workload);
                std::printf("%-10s %-11s %7.1f %7.1f %7.1f %13.1f %13.1f %14g\n", place.c_str(),
                            workload, vorkel, ns("cctz"), ns("glibc"), ns("cctz") / vorkel,
                            ns("glibc") / vorkel,
                            allocs == FAllocations.end() ? -1.0 : allocs->second);
            }
        }
    }

private:
    std::vector<std::string> FPlaces;
    std::map<std::string, double> FNanoseconds;
    std::map<std::string, double> FAllocations; // per call
};

} // namespace

int main(int argc, char **argv)
{
    const std::vector<TPlace> places = MakePlaces();
    for (const TPlace &place : places) {
        for (const bool random : {true, false}) {
            const std::string suffix =
                std::string(place.Label) + (random ? "/random" : "/consecutive");
            benchmark::RegisterBenchmark(("LocalTime/vorkel/" + suffix).c_str(), Vorkel, &place,
                                         random);
            benchmark::RegisterBenchmark(("LocalTime/cctz/" + suffix).c_str(), Cctz, &place,
                                         random);
            benchmark::RegisterBenchmark(("LocalTime/glibc/" + suffix).c_str(), Glibc, &place,
                                         random);
        }
    }

    benchmark::RegisterBenchmark("LoadFromZoneText/400 zones in order", LoadText, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadFromZoneText/400 zones shuffled", LoadText, true)
        ->Unit(benchmark::kMillisecond);
    QTemporaryDir dir;
    const QString generated = dir.filePath(u"zones.ini"_s);
    {
        QFile file(generated);
        if (!file.open(QIODevice::WriteOnly)) {
            return 1;
        }
        file.write(GeneratedZoneFile(false).join(u'\n').toUtf8());
    }
    benchmark::RegisterBenchmark("LoadFromZoneFile/400 generated zones", LoadFile, generated)
        ->Unit(benchmark::kMillisecond);
    const QString shipped = QStringLiteral(VORKEL_RESOURCES "/zones.ini");
    if (QFile::exists(shipped)) {
        benchmark::RegisterBenchmark("LoadFromZoneFile/shipped zones.ini", LoadFile, shipped)
            ->Unit(benchmark::kMillisecond);
    }

    benchmark::Initialize(&argc, argv);
    std::vector<std::string> labels;
    for (const TPlace &place : places) {
        labels.emplace_back(place.Label);
    }
    TRatioReporter reporter(labels);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    for (const TPlace &place : places) {
        std::printf("%s: %d of 200000 random moments disagree with cctz\n", place.Label,
                    Disagreements(place));
    }
    benchmark::Shutdown();
    return 0;
}
