#pragma once
// Numbers in data files, settings and dialog boxes are read leniently: leading blanks are
// skipped, the number runs up to the first character that cannot continue it, and a text
// without digits reads as 0.

#include <cstdint>
#include <string_view>

namespace lumra {

double LenientNumber(std::string_view text);

// Nearest integer, a half going to the even neighbour; clamped to the 64-bit range.
std::int64_t RoundHalfEven(double value);

// Integer part (towards zero), clamped to the 64-bit range.
std::int64_t TruncateToInteger(double value);

// LenientNumber, then RoundHalfEven.
inline std::int64_t LenientInteger(std::string_view text) {
    return RoundHalfEven(LenientNumber(text));
}

} // namespace lumra
