#include "reading/ReadingCommands.h"

#include "SuraTable.h"

namespace lumra {

namespace {

template <typename Found> int Walk(int start, int step, Found found) {
    if (step != 1 && step != -1) {
        return 0;
    }
    for (int p = start + step; IsValidPosition(p); p += step) {
        if (found(static_cast<std::size_t>(p))) {
            return p;
        }
    }
    return 0;
}

// Every "_" of a note as a line break followed by indent.
std::string WithLineBreaks(std::string_view text, const char* indent) {
    std::string out;
    out.reserve(text.size() + 16);
    for (const char c : text) {
        if (c == '_') {
            out += "\r\n";
            out += indent;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

int FindHit(const SearchState& search, int start, int step) {
    return Walk(start, step, [&](std::size_t p) {
        return p < search.hitFlags.size() && search.hitFlags[p].Any();
    });
}

int FindMark(const std::vector<std::uint8_t>& marks, int start, int step) {
    return Walk(start, step, [&](std::size_t p) { return p < marks.size() && marks[p] == 1; });
}

FontSizeStep StepFontSize(int viewFontSize, int delta) {
    const int size = viewFontSize + delta;
    if (size <= 15) {
        return {16, false};
    }
    if (size > 240) {
        return {240, false};
    }
    return {size, true};
}

std::string VerseClipText(const Corpus& corpus, const std::array<std::uint8_t, 4>& viewOptions,
                          int position) {
    if (!IsValidPosition(position)) {
        return {};
    }
    const auto p = static_cast<std::int16_t>(position);
    std::string out;
    if (viewOptions[0] == 1 && corpus.HasSubtitle(position)) {
        out += "     ";
        out += WithLineBreaks(corpus.SubtitleOf(position), "     ");
        out += "\r\n\r\n";
    }
    out += "[" + std::to_string(SuraOfPosition(p)) + ":" + std::to_string(VerseOfPosition(p)) + "]";
    out += viewOptions[2] == 1 ? "  " : "\r\n";
    out += corpus.verseText[static_cast<std::size_t>(position)];
    out += "\r\n\r\n";
    if (viewOptions[1] == 1 && corpus.HasFootnote(position)) {
        out += "   ";
        out += WithLineBreaks(corpus.FootnoteOf(position), "");
        out += "\r\n\r\n";
    }
    return out;
}

} // namespace lumra
