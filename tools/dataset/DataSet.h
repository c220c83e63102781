#pragma once
// Assembles every data file of both languages in memory; nothing is written until the whole
// set has passed its checks.

#include "dataset/Cp1252.h"
#include "dataset/Language.h"
#include "dataset/Sources.h"

#include <string>
#include <vector>

namespace lumra::dataset {

struct OutputFile {
    std::string name; // file name in the program folder, e.g. "enkvt.txt"
    std::string bytes;
};

struct LanguageInput {
    const Language* lang = nullptr;
    SourceText source;
    HandWritten handWritten;
};

// The nine files of one language. Problems in hand-written texts that do not stop the build go
// to warnings. Throws DataError on unusable input.
std::vector<OutputFile> BuildLanguageFiles(const LanguageInput& input, TextLog& log,
                                           std::vector<std::string>& warnings);

// The shared "Ocf".
OutputFile BuildFiguresFile();

// The file names of one language, in the order BuildLanguageFiles returns them.
std::vector<std::string> LanguageFileNames(const Language& lang);
inline constexpr const char* kFiguresFileName = "Ocf";

} // namespace lumra::dataset
