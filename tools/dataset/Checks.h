#pragma once
// Checks the assembled files against what the reader and the fingerprint library can take.

#include "dataset/DataSet.h"
#include "dataset/Language.h"

#include <span>
#include <string>
#include <vector>

namespace lumra::dataset {

// The fingerprint library reads no file larger than this.
inline constexpr std::size_t kFileSizeLimit = 1'000'000;
inline constexpr std::size_t kSubtitleLimit = 1100;
inline constexpr std::size_t kFootnoteLimit = 450;

struct CheckReport {
    std::vector<std::string> errors;   // the data set must not be written
    std::vector<std::string> warnings; // worth a look, but readable
};

CheckReport CheckDataSet(const std::vector<OutputFile>& files,
                         std::span<const Language* const> languages);

// Splits a line file whose every line ends in CR LF; a lone CR or LF, a NUL or a missing final
// CR LF is reported (once per file) under the file's name.
std::vector<std::string_view> SplitLineFile(const OutputFile& file,
                                            std::vector<std::string>& errors);

} // namespace lumra::dataset
