#pragma once
// Reads the data files of one language into a fresh corpus.

#include <optional>
#include <string>

#include "corpus/Corpus.h"
#include "corpus/InterfaceTexts.h"

namespace lumra {

// Which file (or step) failed, for tests and diagnostics; the reader shows one message for all.
struct CorpusLoadError {
    std::string file;
    std::string reason;
};

struct CorpusLoadResult {
    std::optional<Corpus> corpus;
    CorpusLoadError error;
    bool ok() const { return corpus.has_value(); }
};

// The bytes of one language's data files.
struct CorpusFiles {
    std::string verses;         // <code>kvt.txt
    std::string figures;        // Ocf
    std::string subtitles;      // <code>nst.txt
    std::string footnotes;      // <code>nfn.txt
    std::string suraNames;      // <code>ksn.txt
    std::string help;           // <code>hlp.rtf
    std::string lengths;        // <code>len
    std::string appendices;     // <code>aapx
    std::string appendixTitles; // <code>apt.txt
};

// Builds the corpus from the files' bytes; the checks are those of LoadCorpus but for the
// ones only a file system can fail (missing, unreadable, too large).
CorpusLoadResult ParseCorpus(CorpusFiles files, const std::string& languageCode,
                             const InterfaceTexts& texts);

// Reads the files and parses them. programFolder ends with a separator; languageCode is "en" or
// "sv". The texts give the prefixes of the chooser items (97 and 98). Any missing, short or
// oversized file, and any subtitle or footnote naming a verse outside the text, refuses the whole
// data set.
CorpusLoadResult LoadCorpus(const std::string& programFolder, const std::string& languageCode,
                            const InterfaceTexts& texts);

} // namespace lumra
