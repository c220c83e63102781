#pragma once
// The Windows-1252 code page: the character of each byte and the byte of each character. Bytes
// below 0x80 and from 0xA0 on are Latin-1; only 0x80..0x9F differ.

#include <array>
#include <cstdint>
#include <optional>

namespace lumra {

// The characters of the bytes 0x80..0x9F. The five bytes the code page leaves unassigned (81 8D
// 8F 90 9D) stand for the C1 control of the same value, so that every byte survives a round trip.
inline constexpr std::array<char32_t, 32> kCp1252HighCharacters = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr bool IsUnassignedCp1252(std::uint8_t byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// The character of a byte (an unassigned byte gives its C1 control).
constexpr char32_t Cp1252Character(std::uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252HighCharacters[byte - 0x80] : char32_t{byte};
}

// The byte of a character, if the code page has one (the C1 control of an unassigned byte
// gives that byte).
constexpr std::optional<std::uint8_t> Cp1252ByteOf(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return static_cast<std::uint8_t>(ch);
    }
    for (std::size_t i = 0; i < kCp1252HighCharacters.size(); ++i) {
        if (kCp1252HighCharacters[i] == ch) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace lumra
