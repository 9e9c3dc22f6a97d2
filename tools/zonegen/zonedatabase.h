// The whole zone file: which zones of the tz database it lists, each zone's
// fitted entry, the file's text and the report on how right it is.
#pragma once

#include "zonefit.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zonegen {

struct TGeneratorOptions
{
    std::string TzDir = "/usr/share/zoneinfo";
    TFitOptions Fit;
};

struct TZoneResult
{
    std::string TzName; // "America/New_York"
    TFit Fit;           // Fit.Zone.Name is the shown name, "America/New York"
    std::string Reason; // why its changes are stated outright; empty for rules alone
    // Shown names of the tz database's links to the zone (its former names and
    // other spellings: "Europe/Kiev" for Europe/Kyiv), sorted; a clock stored
    // under one of them finds the zone.
    std::vector<std::string> Aliases;
};

struct TLeftOut
{
    std::string TzName;
    std::string Reason;
};

struct TZoneDatabase
{
    std::string Version; // of the tz database, "2026f"
    TFitOptions Fit;
    std::vector<TZoneResult> Zones; // by shown name
    std::vector<TLeftOut> LeftOut;

    int ExactCount() const;
    int StatedCount() const; // zones whose changes are stated outright
    int ExactInFirstYearCount() const;
};

// The zone names of the tz database proper: the Zone lines of tzdata.zi, or
// zone1970.tab where that is missing; geographic names only, plus Etc/UTC.
std::vector<std::string> CanonicalZoneNames(const std::string &tzDir, std::string &version);

// The links of the tz database (the L lines of tzdata.zi, which hold those of
// its file "backward"): link name → the name it links to. Empty without
// tzdata.zi.
std::map<std::string, std::string> ZoneLinks(const std::string &tzDir);

// "America/Port_of_Spain" → "America/Port of Spain"
std::string ShownZoneName(const std::string &tzName);
// And back: "America/Port of Spain" → "America/Port_of_Spain"
std::string TzZoneName(const std::string &shownName);

// nullopt with error when the directory holds no tz database.
std::optional<TZoneDatabase> GenerateZoneDatabase(const TGeneratorOptions &options,
                                                  std::string &error);

std::string ZoneFileText(const TZoneDatabase &database);
std::string ReportText(const TZoneDatabase &database);

// "2027-02-07 02:00"
std::string UtcMinuteText(Seconds t);

} // namespace zonegen
