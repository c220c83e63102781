#include "reading/PageRenderer.h"

#include <algorithm>
#include <vector>

#include "corpus/CaseFold.h"
#include "documents/RtfVocabulary.h"
#include "layout/LayoutGeometry.h"

namespace lumra {

std::string HighlightHits(int kind, std::string_view text, const SearchState& search,
                          int compareMode, const HighlightStyles& styles) {
    if (text.empty()) {
        return {};
    }
    if (kind < kSubtitleKind || kind > kFootnoteKind) {
        return std::string(text);
    }
    const bool fold = compareMode == 1;
    const std::string foldedText = fold ? FoldCaseCopy(text) : std::string();
    const std::string_view haystack = fold ? std::string_view(foldedText) : text;

    std::vector<unsigned char> marked(text.size(), 0);
    const int lastTerm = std::clamp(search.termCount, 0, static_cast<int>(search.terms.size()) - 1);
    for (int t = 1; t <= lastTerm; ++t) {
        const std::string& term = search.terms[static_cast<std::size_t>(t)].text;
        if (term.empty()) {
            continue; // an empty term would match everywhere without advancing
        }
        const std::string foldedTerm = fold ? FoldCaseCopy(term) : std::string();
        const std::string_view needle = fold ? std::string_view(foldedTerm) : term;
        for (std::size_t at = haystack.find(needle); at != std::string_view::npos;
             at = haystack.find(needle, at + needle.size())) {
            std::fill_n(marked.begin() + static_cast<std::ptrdiff_t>(at), needle.size(), 1);
        }
    }

    const auto k = static_cast<std::size_t>(kind);
    enum class Run { None, Plain, Hit };
    Run run = Run::None;
    std::string out;
    out.reserve(text.size() + styles.plainStyle[k].size() + 2 * styles.hitStyle[k].size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (marked[i] == 0) {
            if (run != Run::Plain) {
                out += styles.plainStyle[k];
                run = Run::Plain;
            }
        } else if (run != Run::Hit) {
            out += styles.hitStyle[k];
            run = Run::Hit;
        }
        out += text[i];
    }
    return out;
}

FigureLabel MakeFigureLabel(long value, long emphasised, float layoutScale) {
    const float scale = AppliedScale(layoutScale);
    FigureLabel label;
    label.caption = std::to_string(value);
    if (value == emphasised) {
        label.caption += '*';
        label.fontSize = 14.0f * scale;
    } else {
        label.fontSize = 10.0f * scale;
    }
    return label;
}

namespace {

// Step A: the page header and the subtitle that opens a section, if any.
void AppendHead(std::string& body, const ReaderState& state, int position) {
    const Corpus& corpus = state.corpus;
    body += rtf::kPageHeader;
    if (!corpus.HasSubtitle(position)) {
        body += rtf::kBodyParagraph;
        body += rtf::kBodyParagraph;
        return;
    }
    const bool hit = state.search.hitFlags[static_cast<std::size_t>(position)].subtitleHit == 1;
    auto piece = [&](std::string_view text) {
        return hit ? HighlightHits(kSubtitleKind, text, state.search, state.settings.compareMode,
                                   state.styles)
                   : std::string(text);
    };
    const std::string_view subtitle = corpus.SubtitleOf(position);
    const auto underscore = subtitle.find('_');
    if (underscore == std::string_view::npos) {
        body += piece(subtitle);
        body += rtf::kBodyParagraph;
        body += rtf::kBodyParagraph;
        return;
    }
    // Only the first underscore splits the subtitle into its two centred lines.
    body += piece(subtitle.substr(0, underscore));
    body += rtf::kSecondSubtitleLine;
    body += piece(subtitle.substr(underscore + 1));
    body += rtf::kBodyParagraph;
}

// Step B: the reference and the verse text.
void AppendVerse(std::string& body, const ReaderState& state, int position, int sura, int verse) {
    body += rtf::kReferencePrefix;
    body += '[';
    body += std::to_string(sura);
    body += ':';
    body += std::to_string(verse);
    body += ']';
    body += rtf::kReferenceSuffix;
    body += rtf::kBodyParagraph;
    const std::string_view text = state.corpus.verseText[static_cast<std::size_t>(position)];
    if (state.search.hitFlags[static_cast<std::size_t>(position)].textHit == 1) {
        body += HighlightHits(kVerseTextKind, text, state.search, state.settings.compareMode,
                              state.styles);
    } else {
        body += text;
    }
}

// Step C: the footnote bodies and the footnote window's caption.
void BuildFootnote(RenderedPage& page, const ReaderState& state, int position) {
    const Corpus& corpus = state.corpus;
    if (!corpus.HasFootnote(position)) {
        page.footnoteCaption = state.texts[101];
        return;
    }
    page.hasFootnote = true;
    page.footnoteCaption =
        state.texts[89] + std::to_string(page.sura) + ":" + std::to_string(page.verse);
    std::string body(rtf::kFootnotePrefix);
    const std::string_view note = corpus.FootnoteOf(position);
    if (state.search.hitFlags[static_cast<std::size_t>(position)].footnoteHit == 1) {
        body += HighlightHits(kFootnoteKind, note, state.search, state.settings.compareMode,
                              state.styles);
    } else {
        body += note;
    }
    // Underscores in footnotes are line breaks.
    page.footnoteRtf = rtf::ReplaceAll(body, "_", rtf::kBodyParagraph);
    if (state.settings.viewOptions[3] == 1) {
        page.inlineFootnoteRtf =
            rtf::ReplaceAll(page.footnoteRtf, rtf::kFontSizeToken, rtf::kFootnoteSizeToken);
    }
}

} // namespace

RenderedPage RenderPage(const ReaderState& state, int position) {
    RenderedPage page;
    const auto p = static_cast<std::int16_t>(position);
    const int s = SuraOfPosition(p);
    page.sura = s;
    page.verse = VerseOfPosition(p);

    page.initialLetters =
        kSuras.InitialLetters[static_cast<std::size_t>(s)] != 0 ? state.texts[3] : std::string();
    page.verseCount = std::to_string(kSuras.VerseCount[static_cast<std::size_t>(s)]);
    page.revelationOrder = std::to_string(kSuras.RevelationOrder[static_cast<std::size_t>(s)]);
    const VerseFigures& figures = state.corpus.figures[static_cast<std::size_t>(position)];
    page.firstFigure = MakeFigureLabel(figures.first, kEmphasisedFirstFigure, state.layoutScale);
    page.secondFigure = MakeFigureLabel(figures.second, kEmphasisedSecondFigure, state.layoutScale);

    std::string body;
    AppendHead(body, state, position);
    AppendVerse(body, state, position, page.sura, page.verse);
    body += rtf::kBodyParagraph;
    body += rtf::kBodyParagraph;
    BuildFootnote(page, state, position);

    const int viewFontSize = state.settings.viewFontSize;
    page.pageRtf = rtf::WithFontSize(body, viewFontSize);
    if (page.inlineFootnoteRtf.empty() || state.settings.viewOptions[3] != 1) {
        page.pageRtf += rtf::kDocumentEnd;
    } else {
        // The footnote in the pane is four fifths of the reading size; the paragraph marks
        // around it keep their own size token.
        std::string tail(rtf::kBodyParagraph);
        tail += page.inlineFootnoteRtf;
        tail += rtf::kBodyParagraph;
        tail += rtf::kDocumentEnd;
        page.pageRtf += rtf::ReplaceAll(tail, rtf::kFootnoteSizeToken,
                                        "\\fs" + std::to_string(viewFontSize * 4 / 5));
    }
    return page;
}

} // namespace lumra
