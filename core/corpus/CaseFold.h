#pragma once
// Case folding of Windows-1252 text: every upper-case letter of the code page (A-Z, the
// accented capitals 0xC0-0xDE except the multiplication sign, and the capitals S, OE and Z
// with caron and Y with diaeresis at 0x8A, 0x8C, 0x8E and 0x9F) becomes its lower-case
// letter; every other byte stays. Case-insensitive comparisons fold both sides.

#include <array>
#include <string>
#include <string_view>

namespace lumra {

namespace detail {

constexpr std::array<unsigned char, 256> BuildFoldTable() {
    std::array<unsigned char, 256> t{};
    for (int b = 0; b < 256; ++b) {
        t[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
    }
    for (int b = 'A'; b <= 'Z'; ++b) {
        t[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b + 0x20);
    }
    for (int b = 0xC0; b <= 0xDE; ++b) {
        if (b != 0xD7) { // the multiplication sign has no case
            t[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b + 0x20);
        }
    }
    t[0x8A] = 0x9A; // S caron
    t[0x8C] = 0x9C; // OE
    t[0x8E] = 0x9E; // Z caron
    t[0x9F] = 0xFF; // Y diaeresis
    return t;
}

inline constexpr std::array<unsigned char, 256> kFoldTable = BuildFoldTable();

} // namespace detail

inline unsigned char FoldCase(unsigned char c) {
    return detail::kFoldTable[c];
}

// Folds text.size() bytes into out, which must not overlap text. Computed without the table,
// so that the compiler can fold many bytes at once: the same result as FoldCase.
void FoldCaseInto(std::string_view text, char* out);

// The text with every byte folded; same length.
std::string FoldCaseCopy(std::string_view text);

} // namespace lumra
