#include "tzif.h"

#include <fstream>
#include <iterator>

namespace zonegen {
namespace {

struct THeader
{
    char Version = 0;
    std::uint32_t IsUtCount = 0, IsStdCount = 0, LeapCount = 0, TimeCount = 0, TypeCount = 0,
                  CharCount = 0;
};

std::uint64_t BigEndian(std::string_view bytes, std::size_t pos, int size)
{
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[pos + static_cast<std::size_t>(i)]);
    return value;
}

std::optional<THeader> ReadHeader(std::string_view bytes, std::size_t pos)
{
    if (bytes.size() < pos + 44 || bytes.substr(pos, 4) != "TZif")
        return std::nullopt;
    THeader header;
    header.Version = bytes[pos + 4];
    std::uint32_t *counts[] = {&header.IsUtCount, &header.IsStdCount, &header.LeapCount,
                               &header.TimeCount, &header.TypeCount,  &header.CharCount};
    for (std::size_t i = 0; i < 6; ++i)
        *counts[i] = static_cast<std::uint32_t>(BigEndian(bytes, pos + 20 + 4 * i, 4));
    if (header.TypeCount == 0 || header.TypeCount > 256 || header.CharCount == 0)
        return std::nullopt;
    return header;
}

std::size_t BlockSize(const THeader &h, std::size_t timeSize)
{
    return h.TimeCount * timeSize + h.TimeCount + h.TypeCount * 6 + h.CharCount +
           h.LeapCount * (timeSize + 4) + h.IsStdCount + h.IsUtCount;
}

} // namespace

std::optional<TTzifData> ParseTzif(std::string_view bytes, std::string &error)
{
    auto header = ReadHeader(bytes, 0);
    if (!header) {
        error = "not a TZif file";
        return std::nullopt;
    }
    std::size_t pos = 44;
    std::size_t timeSize = 4;
    if (header->Version >= '2') {
        pos += BlockSize(*header, 4);
        header = ReadHeader(bytes, pos);
        if (!header) {
            error = "damaged second header";
            return std::nullopt;
        }
        pos += 44;
        timeSize = 8;
    }
    if (bytes.size() < pos + BlockSize(*header, timeSize)) {
        error = "file ends early";
        return std::nullopt;
    }

    TTzifData data;
    for (std::uint32_t i = 0; i < header->TimeCount; ++i, pos += timeSize) {
        const std::uint64_t raw = BigEndian(bytes, pos, static_cast<int>(timeSize));
        data.Times.push_back(timeSize == 8 ? static_cast<Seconds>(raw)
                                           : static_cast<std::int32_t>(raw));
    }
    for (std::uint32_t i = 0; i < header->TimeCount; ++i, ++pos) {
        const auto index = static_cast<std::uint8_t>(bytes[pos]);
        if (index >= header->TypeCount) {
            error = "transition names a missing type";
            return std::nullopt;
        }
        data.TypeIndexes.push_back(index);
    }
    const std::size_t charsAt = pos + header->TypeCount * 6;
    const std::string_view chars = bytes.substr(charsAt, header->CharCount);
    for (std::uint32_t i = 0; i < header->TypeCount; ++i, pos += 6) {
        TTzifType type;
        type.UtOffset = static_cast<std::int32_t>(BigEndian(bytes, pos, 4));
        type.IsDst = bytes[pos + 4] != 0;
        const auto abbrAt = static_cast<unsigned char>(bytes[pos + 5]);
        if (abbrAt >= chars.size()) {
            error = "abbreviation index out of range";
            return std::nullopt;
        }
        const std::string_view rest = chars.substr(abbrAt);
        type.Abbr = std::string(rest.substr(0, rest.find('\0')));
        data.Types.push_back(std::move(type));
    }
    pos += header->CharCount + header->LeapCount * (timeSize + 4) + header->IsStdCount +
           header->IsUtCount;
    if (timeSize == 8 && pos < bytes.size() && bytes[pos] == '\n') {
        const std::size_t end = bytes.find('\n', pos + 1);
        if (end != std::string_view::npos)
            data.Footer = std::string(bytes.substr(pos + 1, end - pos - 1));
    }
    return data;
}

std::optional<TTzifData> ReadTzifFile(const std::string &path, std::string &error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot be read";
        return std::nullopt;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return ParseTzif(bytes, error);
}

} // namespace zonegen
