#pragma once
// The companion files: the original and its transliteration, one UTF-8 line per verse position,
// LF ends, no byte-order mark.

#include "dataset/DataSet.h"
#include "dataset/Sources.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace lumra::dataset {

// The lines over the verse positions: each opening carries the source's 1:1, the last verse of
// sura 9 the two verses the table does not number after their marks. Throws DataError when a
// sura's count differs from the table (sura 9: two more) or a text is empty.
std::string CompanionFile(const VerseTexts& source, std::string_view name);

// original.txt and transliteration.txt from quran.json and quran_transliteration.json.
std::vector<OutputFile> BuildCompanionFiles(const std::filesystem::path& sourceDir);

} // namespace lumra::dataset
