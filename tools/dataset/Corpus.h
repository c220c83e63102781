#pragma once
// The verse texts, subtitles, footnotes and sura names of one language, laid out over the verse
// positions of the sura table. Texts are Windows-1252 bytes.

#include "dataset/Cp1252.h"
#include "dataset/Language.h"
#include "dataset/Sources.h"

#include <string>
#include <vector>

namespace lumra::dataset {

struct NumberedLine {
    int sura = 0;
    int verse = 0; // 0 for an unnumbered opening
    std::string text;
};

struct Corpus {
    std::vector<std::string> verses;     // position p at index p - 1
    std::vector<NumberedLine> subtitles; // in position order
    std::vector<NumberedLine> footnotes; // in position order
    std::vector<std::string> suraNames;  // sura 1 first
};

// The source counts two verses more in sura 9 than the sura table does; every other sura must
// match the table exactly (DataError otherwise).
Corpus BuildCorpus(const SourceText& source, const Language& lang, TextLog& log);

} // namespace lumra::dataset
