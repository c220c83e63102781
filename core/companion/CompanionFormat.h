#pragma once
// The byte format of the companion files, shared by the data-set builder that writes them and
// the loader that reads them: the digest that ties a file to the build, and the marks of the
// verses the sura table folds into one position.

#include <cstdint>
#include <string>
#include <string_view>

#include "SuraTable.h"

namespace lumra {

// FNV-1a over the bytes, 64 bits: it catches a damaged or edited file, not a forged one.
constexpr std::uint64_t CompanionDigest(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

// The source counts two verses of sura 9 more than the table; they follow its last verse on
// that verse's line, each after its mark.
inline constexpr int kFoldedSura = 9;
inline constexpr int kFoldedFirstVerse = kSuras.VerseCount[kFoldedSura] + 1;
inline constexpr int kFoldedVerseCount = 2;

// " [9:128] ": the blank on either side keeps the words of the two verses apart.
inline std::string FoldedVerseMark(int verse) {
    return " [" + std::to_string(kFoldedSura) + ":" + std::to_string(verse) + "] ";
}

} // namespace lumra
