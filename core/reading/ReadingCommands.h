#pragma once
// The arithmetic behind the main window's commands: stepping to hits and marks, the font-size
// steps and the clipboard text of a verse.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "corpus/Corpus.h"
#include "state/SearchState.h"

namespace lumra {

// The first position after start in the direction of step (+1 or -1) whose subtitle, text or
// footnote matched the last search; 0 when the walk leaves 1..6346 without one.
int FindHit(const SearchState& search, int start, int step);

// The same for a topic mark of 1 (marks are indexed by position).
int FindMark(const std::vector<std::uint8_t>& marks, int start, int step);

// The reading font size after a step of delta half-points. At the limits the size is held at
// 16 or 240 and the page is not rendered again.
struct FontSizeStep {
    int viewFontSize;
    bool render;
};
FontSizeStep StepFontSize(int viewFontSize, int delta);

// What copying a verse puts on the clipboard: with viewOptions item 0 the indented subtitle,
// the bracketed reference, two spaces (item 2) or a line break before the verse text, and
// with item 1 the indented footnote. Line breaks are CR LF.
std::string VerseClipText(const Corpus& corpus, const std::array<std::uint8_t, 4>& viewOptions,
                          int position);

} // namespace lumra
