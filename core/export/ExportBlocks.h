#pragma once
// The pieces of an export file: one block per verse position in each format, built from the
// corpus as stored (nothing is escaped), and the fixed opening and closing of a document.

#include <cstdint>
#include <string>
#include <string_view>

#include "corpus/Corpus.h"
#include "corpus/InterfaceTexts.h"

namespace lumra {

struct ExportSources {
    const Corpus& corpus;
    const InterfaceTexts& texts;
    std::uint8_t inlineReference = 1; // 1: the verse text follows its reference on its line
};

// Positions from here on get no footnote in rich text; the last position always gets one.
inline constexpr int kFirstRtfPositionWithoutFootnote = 6331;

inline constexpr std::string_view kRtfOpening = "{\\rtf\\fs24\\b\\qc ";
inline constexpr std::string_view kRtfClosing = "\\par }\r\n";
inline constexpr std::string_view kTextBlockEnd = "\r\n";
inline constexpr std::string_view kTextClosing = "\r\n";

// The block of one position in its sura (SuraOfPosition), appended to out. heading: the
// position starts a sura of the export (its sura differs from that of the position written
// before it, or it is the first). Appending spares a string per block: a whole-text export
// has 6346 of them.
void AppendRtfBlock(std::string& out, const ExportSources& sources, int position, int sura,
                    bool heading);
void AppendTextBlock(std::string& out, const ExportSources& sources, int position, int sura,
                     bool heading);

// The verse text part of a rich-text block, appended to out: each occurrence of the word in
// bold. An empty word has no occurrence.
void AppendEmphasisedRtfText(std::string& out, std::string_view text, std::string_view word);

} // namespace lumra
