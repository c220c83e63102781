#pragma once
// Known faults of the pinned translation source, repaired before anything is built from it, and
// the scan that keeps further text of a broken encoding out of the data files.

#include "dataset/DataSet.h"
#include "dataset/Language.h"
#include "dataset/Sources.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumra::dataset {

struct SourceRepair {
    std::string_view language; // code of the language whose source is repaired
    int sura = 0;
    int verse = 0;            // numbered as in the source
    std::string_view found;   // UTF-8; must occur exactly once in the verse
    std::string_view written; // what takes its place
};

// Every entry must still match the source, so that a new source version is looked at again.
inline constexpr std::array<SourceRepair, 2> kSourceRepairs = {{
    // The "Ä" of the first word is left as a bare "¤", its second UTF-8 byte; the English
    // reads "Then is this magic, or do you not see".
    {"sv", 52, 15, "\u00A4r den", "\u00C4r den"},
    // Two characters of a broken encoding ("Ã‰") after the last word. Verses of the source
    // end without punctuation, and the same clause closes 16:95 and 62:9 as "om ni bara
    // visste" / "om ni [bara] visste"; the English ends "if you should know".
    {"sv", 61, 11, "visste \u00C3\u2030", "visste"},
}};

// Applies the repairs of the language to its source; DataError when one no longer matches.
void RepairSource(SourceText& source, const Language& lang,
                  std::span<const SourceRepair> repairs = kSourceRepairs);

// Signs of text that went through UTF-8 twice: "Ã" or "Â" before a character whose
// Windows-1252 byte is 0x80..0xBF, and any "¤". One entry per sign: its place and the sign.
std::vector<std::string> DoubleEncodingSigns(std::string_view utf8, std::string_view place);

// Every text of the language (source and hand-written files); DataError listing each sign.
void CheckEncoding(const LanguageInput& input);

} // namespace lumra::dataset
