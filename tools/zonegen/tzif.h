// The compiled zone files of the tz database (TZif, RFC 8536).
#pragma once

#include "civil.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zonegen {

struct TTzifType
{
    std::int32_t UtOffset = 0; // seconds east of UTC
    bool IsDst = false;
    std::string Abbr;
};

struct TTzifData
{
    std::vector<Seconds> Times;            // transitions, ascending
    std::vector<std::uint8_t> TypeIndexes; // the type in force from each transition on
    std::vector<TTzifType> Types;
    std::string Footer; // POSIX TZ string for moments after the last transition
};

// Reads the 64-bit data of a version 2+ file, the 32-bit data of a version 1
// file. Returns nullopt and sets error for anything malformed.
std::optional<TTzifData> ParseTzif(std::string_view bytes, std::string &error);
std::optional<TTzifData> ReadTzifFile(const std::string &path, std::string &error);

} // namespace zonegen
