#pragma once
// The byte layouts of the data files.

#include "dataset/Corpus.h"
#include "dataset/Figures.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumra::dataset {

// Every line followed by CR LF.
std::string LineFile(const std::vector<std::string>& lines);

// "SSSVVV text" lines: sura and verse as three digits each, one blank, then the text.
std::string NumberedLineFile(const std::vector<NumberedLine>& lines);

// 6-byte little-endian records: the first figure (16-bit), then the second (32-bit).
std::string FiguresFile(const std::vector<VerseFigures>& figures);

// One little-endian 32-bit length per text.
std::string LengthsFile(const std::vector<std::string>& texts);

// The reader drops the last byte of the help file, so the document ends in CR LF and only the
// LF is lost.
std::string HelpFile(std::string_view rtf);

} // namespace lumra::dataset
