// The search path on any query and any verse texts: parsing, scanning the corpus, marking the
// hits on the page, capitals in the list and the list entry itself.
//
// Input: four option bytes, then the query, then up to eight texts, each part ending at "\0\1".
// The texts become verse texts of positions 1.., with a subtitle and a footnote at position 1.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "reading/PageRenderer.h"
#include "search/QueryParser.h"
#include "search/SearchCorpus.h"
#include "search/VerseList.h"

namespace {

constexpr std::size_t kTexts = 8;

// The corpus the input's texts go into, kept for the whole run: only its tables of texts are
// replaced per input. The verse table holds just the positions the input fills, so that the
// search scans the input rather than thousands of empty texts; the search takes a table of any
// size, and the positions past it stay without text.
struct Fixture {
    lumra::Corpus corpus;
    lumra::SearchState state;
    lumra::HighlightStyles styles;
};

Fixture MakeFixture() {
    Fixture f;
    for (std::size_t k = 0; k < f.styles.hitStyle.size(); ++k) {
        f.styles.hitStyle[k] = "\\b ";
        f.styles.plainStyle[k] = "\\b0 ";
    }
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumra;
    static Fixture fixture = MakeFixture();
    if (size < 4) {
        return 0;
    }
    const std::uint8_t* bits = data;
    const std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);
    const auto parts = fuzz::SplitInput(rest, std::string_view("\0\1", 2));

    Settings options;
    options.compareMode = bits[0] & 1;
    options.wholeWords = (bits[0] >> 1) & 1;
    options.searchSubtitles = (bits[0] >> 2) & 1;
    options.searchVerseText = (bits[0] >> 3) & 1;
    options.searchFootnotes = (bits[0] >> 4) & 1;
    options.listAllHits = (bits[0] >> 5) & 1;

    Corpus& corpus = fixture.corpus;
    corpus.verseText = TextTable(kTexts + 1);
    for (std::size_t i = 1; i < parts.size() && i <= kTexts; ++i) {
        corpus.verseText.Set(i, parts[i]);
    }
    corpus.subtitles = TextTable(2);
    corpus.footnotes = TextTable(2);
    corpus.links[1] = VerseLink{};
    if (parts.size() > 2) {
        corpus.subtitles.Set(1, parts[2]);
        corpus.links[1].subtitleLine = 1;
    }
    if (parts.size() > 3) {
        corpus.footnotes.Set(1, parts[3]);
        corpus.links[1].footnoteLine = 1;
    }

    // The parse replaces every term; the hit flags are only written, never read here.
    SearchState& state = fixture.state;
    if (!ParseQuery(parts[0], state)) {
        return 0;
    }
    SearchCorpus(corpus, options, state);

    const HighlightStyles& styles = fixture.styles;
    const int kind = bits[1] % 5; // 0 and 4 lie outside the kinds on purpose
    const int compareMode = bits[2] % 3;
    for (std::size_t i = 1; i < parts.size() && i <= kTexts; ++i) {
        HighlightHits(kind, parts[i], state, compareMode, styles);
        CapitaliseTerms(parts[i], state, compareMode);
    }

    VerseListOptions listOptions;
    listOptions.subtitle = bits[3] & 1;
    listOptions.footnote = (bits[3] >> 1) & 1;
    listOptions.sameLine = (bits[3] >> 2) & 1;
    listOptions.capitalTerms = ((bits[3] >> 3) & 1) != 0 ? &state : nullptr;
    listOptions.compareMode = compareMode;
    std::string entries;
    const int positions[] = {1, 2, 3, kPositionCount};
    for (int position : positions) {
        AppendVerseListEntry(entries, corpus, position, listOptions);
    }
    VerseListDocument(entries, bits[2]);
    return 0;
}
