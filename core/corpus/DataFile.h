#pragma once
// Reading the program's data files: whole files with a size limit, and line files split at
// CR LF (a lone LF or CR also ends a line).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corpus/TextTable.h"

namespace lumra {

// No data file of a sound data set comes near this; anything larger is refused unread.
inline constexpr std::uintmax_t kMaxDataFileBytes = 16u * 1024u * 1024u;

std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::uintmax_t maxBytes = kMaxDataFileBytes);

// The lines of a text file's bytes. An empty file has no line at all (reading one fails);
// a final line terminator does not start another line.
std::vector<std::string> SplitLines(std::string_view bytes);
// The same lines as spans of bytes, which must be shorter than 4 GiB.
std::vector<TextTable::Span> LineSpans(std::string_view bytes);

// Little-endian fields of fixed-size binary records; inline, as they are read by the
// thousand.
inline std::int16_t ReadInt16LE(const std::string& bytes, std::size_t offset) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + offset);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}
inline std::int32_t ReadInt32LE(const std::string& bytes, std::size_t offset) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + offset);
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

} // namespace lumra
