#pragma once
// The page of one verse position as the reading pane shows it, and everything else of the
// main window that follows the position: the fact labels, the footnote button, the footnote
// window's caption and the footnote bodies kept for the footnote window.

#include <string>
#include <string_view>

#include "state/ReaderState.h"

namespace lumra {

// Text kinds of HighlightHits and of the style prefixes.
inline constexpr int kSubtitleKind = 1;
inline constexpr int kVerseTextKind = 2;
inline constexpr int kFootnoteKind = 3;

// The text with the hit style of the kind before every run of characters that belongs to an
// occurrence of a search term, and the plain style before every other run. Terms match as
// plain substrings; compareMode 1 ignores case. An empty text gives an empty string; a kind
// outside 1..3 leaves the text unchanged.
std::string HighlightHits(int kind, std::string_view text, const SearchState& search,
                          int compareMode, const HighlightStyles& styles);

// A verse figure: the plain number at 10 points, or the number and "*" at 14 points when it
// is the value the window emphasises; both times the layout scale.
struct FigureLabel {
    std::string caption;
    float fontSize = 10.0f;
};

struct RenderedPage {
    int sura = 0;
    int verse = 0;
    std::string pageRtf; // the whole document of the reading pane
    std::string footnoteRtf;
    std::string inlineFootnoteRtf; // filled only while the footnote is shown in the pane
    std::string footnoteCaption;   // the footnote window's title
    bool hasFootnote = false;      // the footnote button is enabled
    std::string verseCount;        // Label4
    std::string revelationOrder;   // Label6
    std::string initialLetters;    // Label7: text 3 for a sura with initial letters
    FigureLabel firstFigure;       // Label8
    FigureLabel secondFigure;      // Label10
};

inline constexpr int kEmphasisedFirstFigure = 2698;    // 19 x 142
inline constexpr int kEmphasisedSecondFigure = 118123; // 19 x 6217

FigureLabel MakeFigureLabel(long value, long emphasised, float layoutScale);

// The page of a valid position (1..6346); the caller refuses any other.
RenderedPage RenderPage(const ReaderState& state, int position);

} // namespace lumra
