#pragma once
// The original Arabic text and its transliteration, one UTF-8 line per verse position, for the
// companion window and the command line. A missing or altered file withdraws the companion
// only; the reader runs on without it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SuraTable.h"

namespace lumra {

inline constexpr const char* kOriginalFileName = "original.txt";
inline constexpr const char* kTransliterationFileName = "transliteration.txt";

// The digests of the two files as the data-set builder wrote them (compiled in from
// lumra/ExpectedCompanion.h); a zero digest matches no file.
struct CompanionExpected {
    std::uint64_t original = 0;
    std::uint64_t transliteration = 0;
};

struct CompanionText {
    // Index = verse position (1 .. kPositionCount); index 0 is unused.
    std::vector<std::string> original = std::vector<std::string>(kPositionCount + 1);
    std::vector<std::string> transliteration = std::vector<std::string>(kPositionCount + 1);
};

// The original as shown: the text of every verse the position holds, each numbered verse
// followed by the end sign U+06DD and its number in Arabic-Indic digits; an opening carries
// no number.
std::string OriginalShown(const CompanionText& text, int position);

// The transliteration as shown, with the numbers of the further verses a position holds.
std::string TransliterationShown(const CompanionText& text, int position);

// Both files' bytes to the text; nullopt when a digest differs or a file is not 6346 lines
// of valid UTF-8.
std::optional<CompanionText> ParseCompanionText(std::string_view original,
                                                std::string_view transliteration,
                                                const CompanionExpected& expected);

// Reads both files from the program folder (ending with a separator) and parses them;
// nullopt when either is missing, unreadable, oversized or does not match.
std::optional<CompanionText> LoadCompanionText(const std::string& programFolder,
                                               const CompanionExpected& expected);

} // namespace lumra
