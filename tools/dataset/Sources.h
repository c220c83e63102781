#pragma once
// Reading the inputs: the verse texts and sura names of one translation (the package's JSON) and
// the hand-written files of one language under data/<code>/. Everything stays UTF-8 here.

#include "dataset/Language.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lumra::dataset {

struct SourceSura {
    std::string name;                // the translated name
    std::string transliteration;     // the Arabic name in Latin letters
    std::vector<std::string> verses; // verse 1 first, numbered the common way
};

// 114 suras, sura 1 first.
struct SourceText {
    std::vector<SourceSura> suras;
};

// Throws DataError when the text is not the expected array of 114 chapters with consecutive ids.
SourceText ParseSourceText(std::string_view json, std::string_view name);
SourceText LoadSourceText(const std::filesystem::path& file);

// The verse texts of a source without translated names (the original, the transliteration):
// the string field `field` of every verse, sura 1 first. Throws DataError like ParseSourceText.
using VerseTexts = std::vector<std::vector<std::string>>;
VerseTexts ParseVerseTexts(std::string_view json, std::string_view name, const char* field);

struct HandWritten {
    std::array<std::string, 3> appendices; // appendix 1..3, plain text or RTF by language
    std::string appendixTitles;            // three lines
    std::string help;                      // RTF
    std::string interfaceTexts;            // numbered lines
};

// The files of data/<code>/ that the builder reads, relative to the data folder.
std::vector<std::string> HandWrittenFiles(const Language& lang);
HandWritten LoadHandWritten(const std::filesystem::path& dataDir, const Language& lang);

// Throws DataError naming the file when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

} // namespace lumra::dataset
