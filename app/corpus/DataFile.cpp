#include "corpus/DataFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace lumra {

std::optional<std::string> ReadWholeFile(const std::string& path, std::uintmax_t maxBytes) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status)) {
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > maxBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return std::nullopt;
    }
    return bytes;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '\r' && *q != '\n') {
            ++q;
        }
        lines.emplace_back(p, q);
        if (q < end && *q == '\r' && q + 1 < end && q[1] == '\n') {
            ++q;
        }
        p = q + 1;
    }
    return lines;
}

std::int16_t ReadInt16LE(const std::string& bytes, std::size_t offset) {
    const auto b0 = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]));
    const auto b1 = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset + 1]));
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b0 | (b1 << 8)));
}

std::int32_t ReadInt32LE(const std::string& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) {
        v = (v << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(k)]);
    }
    return static_cast<std::int32_t>(v);
}

} // namespace lumra
