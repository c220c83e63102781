#pragma once
// The in-memory corpus of one language: everything per verse is indexed by verse position.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SuraTable.h"
#include "corpus/TextTable.h"

namespace lumra {

inline constexpr int kMaxSubtitles = 1100;
inline constexpr int kMaxFootnotes = 450;
inline constexpr int kAppendixCount = 41;

struct VerseLink {
    std::int16_t subtitleLine = 0; // 0: none
    std::int16_t footnoteLine = 0; // 0: none
};

struct VerseFigures {
    std::int16_t first = 0;
    std::int32_t second = 0;
};

struct Corpus {
    TextTable verseText = TextTable(kPositionCount + 1);
    std::vector<VerseLink> links = std::vector<VerseLink>(kPositionCount + 1);
    TextTable subtitles = TextTable(kMaxSubtitles + 1);
    TextTable footnotes = TextTable(kMaxFootnotes + 1);
    std::vector<VerseFigures> figures = std::vector<VerseFigures>(kPositionCount + 1);
    TextTable appendices = TextTable(kAppendixCount + 1);
    std::string helpText;
    // The items of the sura chooser (item k-1 is sura k) and of the appendix chooser.
    std::vector<std::string> suraItems;
    std::vector<std::string> appendixItems;

    // Subtitle and footnote of a position; empty when it has none.
    std::string_view SubtitleOf(int position) const {
        return subtitles[static_cast<std::size_t>(
            links[static_cast<std::size_t>(position)].subtitleLine)];
    }
    std::string_view FootnoteOf(int position) const {
        return footnotes[static_cast<std::size_t>(
            links[static_cast<std::size_t>(position)].footnoteLine)];
    }
    bool HasSubtitle(int position) const {
        return links[static_cast<std::size_t>(position)].subtitleLine >= 1;
    }
    bool HasFootnote(int position) const {
        return links[static_cast<std::size_t>(position)].footnoteLine >= 1;
    }
};

} // namespace lumra
