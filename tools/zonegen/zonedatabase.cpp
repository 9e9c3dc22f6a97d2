#include "zonedatabase.h"

#include "tzif.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

namespace zonegen {
namespace {

bool IsGeographic(const std::string &name)
{
    static const std::array<std::string, 10> areas = {"Africa", "America",  "Antarctica", "Arctic",
                                                      "Asia",   "Atlantic", "Australia",  "Europe",
                                                      "Indian", "Pacific"};
    const auto slash = name.find('/');
    return slash != std::string::npos &&
           std::find(areas.begin(), areas.end(), name.substr(0, slash)) != areas.end();
}

std::string StatedReason(const TFit &fit, const TFitOptions &options)
{
    const Seconds lastWrong = fit.RulesWrong.back().To;
    if (lastWrong < YearStart(options.FirstYear + options.Years) &&
        YearOf(lastWrong) == YearOf(fit.RulesWrong.front().From)) {
        return "its rules change on " + UtcMinuteText(lastWrong) +
               " UTC; the entry's rules follow the new ones";
    }
    return "its changes follow no pair of yearly rules the zone file can hold";
}

std::string YearsText(const TFitOptions &fit)
{
    return std::to_string(fit.FirstYear) + "-" + std::to_string(fit.FirstYear + fit.Years - 1);
}

std::string WrongText(const TInterval &interval)
{
    // Outward to whole minutes, so the stated span always covers the fault.
    const Seconds to = FloorDiv(interval.To + 59, 60) * 60;
    return "wrong from " + UtcMinuteText(interval.From) + " to " + UtcMinuteText(to) + " UTC";
}

} // namespace

int TZoneDatabase::ExactCount() const
{
    return static_cast<int>(std::count_if(
        Zones.begin(), Zones.end(), [](const TZoneResult &z) { return z.Fit.Wrong.empty(); }));
}

int TZoneDatabase::StatedCount() const
{
    return static_cast<int>(std::count_if(Zones.begin(), Zones.end(), [](const TZoneResult &z) {
        return !z.Fit.Zone.Changes.empty();
    }));
}

int TZoneDatabase::ExactInFirstYearCount() const
{
    const Seconds from = YearStart(Fit.FirstYear);
    const Seconds to = YearStart(Fit.FirstYear + 1);
    return static_cast<int>(std::count_if(Zones.begin(), Zones.end(), [&](const TZoneResult &z) {
        return LengthWithin(z.Fit.Wrong, from, to) == 0;
    }));
}

std::string UtcMinuteText(Seconds t)
{
    return UtcMomentText(FloorDiv(t, 60) * 60);
}

std::string ShownZoneName(const std::string &tzName)
{
    std::string shown = tzName;
    std::replace(shown.begin(), shown.end(), '_', ' ');
    return shown;
}

std::string TzZoneName(const std::string &shownName)
{
    std::string name = shownName;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

std::vector<std::string> CanonicalZoneNames(const std::string &tzDir, std::string &version)
{
    std::set<std::string> names;
    std::ifstream zi(tzDir + "/tzdata.zi");
    std::string line;
    if (zi) {
        while (std::getline(zi, line)) {
            if (line.rfind("# version ", 0) == 0) {
                version = line.substr(10);
            } else if (line.rfind("Z ", 0) == 0) {
                std::istringstream fields(line.substr(2));
                std::string name;
                fields >> name;
                names.insert(name);
            }
        }
    } else {
        std::ifstream tab(tzDir + "/zone1970.tab");
        while (std::getline(tab, line)) {
            if (line.empty() || line[0] == '#')
                continue;
            std::istringstream fields(line);
            std::string codes, coordinates, name;
            std::getline(fields, codes, '\t');
            std::getline(fields, coordinates, '\t');
            std::getline(fields, name, '\t');
            names.insert(name);
        }
    }
    std::vector<std::string> result;
    for (const std::string &name : names)
        if (IsGeographic(name))
            result.push_back(name);
    if (!result.empty())
        result.push_back("Etc/UTC");
    return result;
}

std::map<std::string, std::string> ZoneLinks(const std::string &tzDir)
{
    std::map<std::string, std::string> links;
    std::ifstream zi(tzDir + "/tzdata.zi");
    std::string line;
    while (std::getline(zi, line)) {
        if (line.rfind("L ", 0) != 0)
            continue;
        std::istringstream fields(line.substr(2));
        std::string target, name;
        if (fields >> target >> name)
            links.emplace(name, target);
    }
    return links;
}

namespace {

// Each link's name among the aliases of the zone its chain of links ends at,
// where that zone is written.
void AddAliases(TZoneDatabase &database, const std::map<std::string, std::string> &links)
{
    std::map<std::string, TZoneResult *> written;
    for (TZoneResult &zone : database.Zones)
        written.emplace(zone.TzName, &zone);
    for (const auto &[name, firstTarget] : links) {
        std::string target = firstTarget;
        // A link may lead to another link; a loop leads nowhere.
        for (int depth = 0; depth < 8 && !written.count(target); ++depth) {
            const auto next = links.find(target);
            if (next == links.end())
                break;
            target = next->second;
        }
        if (const auto zone = written.find(target); zone != written.end())
            zone->second->Aliases.push_back(ShownZoneName(name));
    }
    for (TZoneResult &zone : database.Zones)
        std::sort(zone.Aliases.begin(), zone.Aliases.end());
}

} // namespace

std::optional<TZoneDatabase> GenerateZoneDatabase(const TGeneratorOptions &options,
                                                  std::string &error)
{
    TZoneDatabase database;
    database.Fit = options.Fit;
    const std::vector<std::string> names = CanonicalZoneNames(options.TzDir, database.Version);
    if (names.empty()) {
        error = "no tz database in " + options.TzDir + " (neither tzdata.zi nor zone1970.tab)";
        return std::nullopt;
    }
    if (database.Version.empty())
        database.Version = "unknown";
    for (const std::string &tzName : names) {
        std::string reason;
        const auto data = ReadTzifFile(options.TzDir + "/" + tzName, reason);
        std::optional<TFit> fit;
        if (data)
            fit = FitZone(*data, options.Fit, reason);
        if (!fit) {
            database.LeftOut.push_back({tzName, reason});
            continue;
        }
        fit->Zone.Name = ShownZoneName(tzName);
        TZoneResult result{tzName, std::move(*fit), {}, {}};
        if (!result.Fit.RulesWrong.empty())
            result.Reason = StatedReason(result.Fit, options.Fit);
        database.Zones.push_back(std::move(result));
    }
    std::sort(database.Zones.begin(), database.Zones.end(),
              [](const TZoneResult &a, const TZoneResult &b) {
                  return a.Fit.Zone.Name < b.Fit.Zone.Name;
              });
    AddAliases(database, ZoneLinks(options.TzDir));
    return database;
}

std::string ZoneFileText(const TZoneDatabase &database)
{
    std::string text = "# version " + database.Version + ", checked for " +
                       YearsText(database.Fit) +
                       "\n# Generated from the IANA time zone database by tools/zonegen (build "
                       "target \"zones\"). Times are UTC.\n";
    for (const TZoneResult &zone : database.Zones) {
        std::string section = zone.Fit.Zone.SectionText();
        // Only a zone whose changes are stated outright can still be wrong:
        // the fit states them wherever its two rules are.
        if (!zone.Reason.empty()) {
            // Right after the header, where the reader takes comments as body
            // lines that match no key.
            std::string notes = "# changes stated outright: " + zone.Reason + "\n";
            for (const TInterval &interval : zone.Fit.Wrong)
                notes += "# " + WrongText(interval) + "\n";
            section.insert(section.find('\n') + 1, notes);
        }
        if (!zone.Aliases.empty()) {
            std::string names;
            for (const std::string &alias : zone.Aliases)
                names += (names.empty() ? "" : ";") + alias;
            section += "Aliases=" + names + "\n";
        }
        text += "\n" + section;
    }
    return text;
}

std::string ReportText(const TZoneDatabase &database)
{
    std::ostringstream out;
    const auto count = static_cast<int>(database.Zones.size());
    out << "tz database version " << database.Version << ", checked for " << YearsText(database.Fit)
        << "\n";
    out << "zones written: " << count << "\n";
    out << "exact in " << database.Fit.FirstYear << ": " << database.ExactInFirstYearCount()
        << " of " << count << "\n";
    out << "exact over " << YearsText(database.Fit) << ": " << database.ExactCount() << " of "
        << count << "\n";
    out << "zones with their changes stated outright: " << database.StatedCount() << "\n";
    for (const TZoneResult &zone : database.Zones)
        if (!zone.Fit.Zone.Changes.empty())
            out << "  " << zone.TzName << ": " << zone.Reason << "\n";
    std::size_t aliases = 0;
    for (const TZoneResult &zone : database.Zones)
        aliases += zone.Aliases.size();
    out << "aliases written (tz database links to the zones): " << aliases << "\n";
    out << "zones approximated: " << count - database.ExactCount() << "\n";
    for (const TZoneResult &zone : database.Zones) {
        if (zone.Fit.Wrong.empty())
            continue;
        out << "  " << zone.TzName << "\n";
        for (const TInterval &interval : zone.Fit.Wrong)
            out << "    " << WrongText(interval) << "\n";
    }
    out << "zones left out: " << database.LeftOut.size() << "\n";
    for (const TLeftOut &zone : database.LeftOut)
        out << "  " << zone.TzName << ": " << zone.Reason << "\n";
    return out.str();
}

} // namespace zonegen
