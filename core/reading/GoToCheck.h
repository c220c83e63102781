#pragma once
// The checks of the go-to dialog on the texts of its two boxes. A box is read as a decimal
// number (empty reads as 0); the range tests use that value, and the sura and verse numbers
// are it rounded to the nearest integer, a half to the even neighbour.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumra {

// The sura named by the box when its value lies in 1..114; 0 otherwise.
int SuraInBox(std::string_view box);

// "(" verse count ")" of a sura 1..114.
std::string VerseCountLabel(int sura);

enum class GoToVerdict { Go, NoSuchSura, NoSuchVerse };

struct GoToCheckResult {
    GoToVerdict verdict;
    std::int16_t position; // the position to go to when the verdict is Go, else 0
};

// The sura is checked first; the verse only for an existing sura.
GoToCheckResult CheckGoTo(std::string_view suraBox, std::string_view verseBox);

} // namespace lumra
