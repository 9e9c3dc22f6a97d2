// zonegen: writes the program's zones.ini from the system's IANA time zone
// database and reports how closely it follows it.
//
//   zonegen [--tzdir DIR] [--year YEAR] [--years N] --output FILE

#include "zonedatabase.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

int Usage()
{
    std::cerr << "usage: zonegen [--tzdir DIR] [--year YEAR] [--years N] --output FILE\n";
    return 2;
}

bool WriteAtomically(const std::string &path, const std::string &text, std::string &error)
{
    // Through a temporary file, so an interrupted run never leaves a half file.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        if (!file) {
            error = "cannot write " + temporary;
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code code;
    std::filesystem::rename(temporary, path, code);
    if (code) {
        error = "cannot replace " + path + ": " + code.message();
        std::filesystem::remove(temporary, code);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace zonegen;
    const Seconds now = std::chrono::duration_cast<std::chrono::seconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    TGeneratorOptions options;
    if (const char *tzDir = std::getenv("TZDIR"); tzDir && *tzDir)
        options.TzDir = tzDir;
    options.Fit.FirstYear = YearOf(now);
    options.Fit.Focus = now;
    bool yearGiven = false;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return Usage();
        const std::string value = argv[++i];
        if (arg == "--tzdir") {
            options.TzDir = value;
        } else if (arg == "--output") {
            output = value;
        } else if (arg == "--year") {
            options.Fit.FirstYear = std::atoi(value.c_str());
            yearGiven = true;
        } else if (arg == "--years") {
            options.Fit.Years = std::atoi(value.c_str());
        } else {
            return Usage();
        }
    }
    if (output.empty() || options.Fit.FirstYear < 1971 || options.Fit.Years < 1 ||
        options.Fit.Years > 100)
        return Usage();
    if (yearGiven && options.Fit.FirstYear != YearOf(now))
        options.Fit.Focus = YearStart(options.Fit.FirstYear);

    std::string error;
    const auto database = GenerateZoneDatabase(options, error);
    if (!database || !WriteAtomically(output, ZoneFileText(*database), error)) {
        std::cerr << "zonegen: " << error << "\n";
        return 1;
    }
    std::cout << ReportText(*database) << "written to " << output << "\n";
    return 0;
}
