#pragma once
// The in-memory corpus of one language: everything per verse is indexed by verse position.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reading/SuraTable.h"

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
    std::vector<std::string> verseText = std::vector<std::string>(kPositionCount + 1);
    std::vector<VerseLink> links = std::vector<VerseLink>(kPositionCount + 1);
    std::vector<std::string> subtitles = std::vector<std::string>(kMaxSubtitles + 1);
    std::vector<std::string> footnotes = std::vector<std::string>(kMaxFootnotes + 1);
    std::vector<VerseFigures> figures = std::vector<VerseFigures>(kPositionCount + 1);
    std::vector<std::string> appendices = std::vector<std::string>(kAppendixCount + 1);
    std::string helpText;
    // The items of the sura chooser (item k-1 is sura k) and of the appendix chooser.
    std::vector<std::string> suraItems;
    std::vector<std::string> appendixItems;

    // Subtitle and footnote of a position; empty when it has none.
    const std::string& SubtitleOf(int position) const {
        return subtitles[static_cast<std::size_t>(
            links[static_cast<std::size_t>(position)].subtitleLine)];
    }
    const std::string& FootnoteOf(int position) const {
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
