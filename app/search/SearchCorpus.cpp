#include "search/SearchCorpus.h"

#include <string_view>

#include "corpus/CaseFold.h"
#include "search/TermMatch.h"

namespace lumra {

namespace {

std::string_view Entry(const TextTable& table, int line) {
    return line >= 1 && static_cast<std::size_t>(line) < table.size()
               ? table[static_cast<std::size_t>(line)]
               : std::string_view();
}

struct PreparedTerm {
    std::string text; // folded when the search ignores case
    TermKind kind;
};

class FieldMatcher {
public:
    FieldMatcher(const SearchState& state, const Settings& options)
        : foldCase_(options.compareMode == 1), wholeWords_(options.wholeWords == 1) {
        for (int k = 1; k <= state.termCount && k <= kMaxTerms; ++k) {
            const auto& term = state.terms[static_cast<std::size_t>(k)];
            terms_.push_back({ForCompare(term.text, options.compareMode), term.kind});
            hasRequired_ = hasRequired_ || term.kind == TermKind::Required;
        }
    }

    bool Hits(std::string_view text) {
        if (text.empty()) {
            return false; // terms are never empty
        }
        std::string_view compared = text;
        if (foldCase_) {
            // Each text is folded once per search, whatever the number of terms.
            folded_.resize(text.size());
            for (std::size_t i = 0; i < text.size(); ++i) {
                folded_[i] = static_cast<char>(FoldCase(static_cast<unsigned char>(text[i])));
            }
            compared = folded_;
        }
        bool plainFound = false;
        for (const auto& term : terms_) {
            switch (term.kind) {
            case TermKind::Excluded:
                if (Occurs(compared, text, term.text)) {
                    return false;
                }
                break;
            case TermKind::Required:
                if (!Occurs(compared, text, term.text)) {
                    return false;
                }
                break;
            case TermKind::Plain:
                // Plain terms only count without required ones, and one is enough.
                if (!hasRequired_ && !plainFound) {
                    plainFound = Occurs(compared, text, term.text);
                }
                break;
            }
        }
        return hasRequired_ || plainFound;
    }

private:
    bool Occurs(std::string_view compared, std::string_view original, std::string_view term) const {
        if (wholeWords_) {
            return WholeWordIn(compared, original, term);
        }
        return compared.find(term) != std::string_view::npos;
    }

    bool foldCase_;
    bool wholeWords_;
    bool hasRequired_ = false;
    std::vector<PreparedTerm> terms_;
    std::string folded_;
};

} // namespace

std::string_view FieldText(const Corpus& corpus, SearchField field, int position) {
    if (position < 1 || static_cast<std::size_t>(position) >= corpus.links.size()) {
        return {};
    }
    const auto p = static_cast<std::size_t>(position);
    switch (field) {
    case SearchField::Subtitle:
        return Entry(corpus.subtitles, corpus.links[p].subtitleLine);
    case SearchField::Footnote:
        return Entry(corpus.footnotes, corpus.links[p].footnoteLine);
    case SearchField::VerseText:
        break;
    }
    return p < corpus.verseText.size() ? corpus.verseText[p] : std::string_view();
}

void SearchCorpus(const Corpus& corpus, const Settings& options, SearchState& state) {
    FieldMatcher matcher(state, options);
    struct Pass {
        std::uint8_t enabled;
        SearchField field;
        std::int32_t HitFlag::*flag;
    };
    const Pass passes[] = {
        {options.searchSubtitles, SearchField::Subtitle, &HitFlag::subtitleHit},
        {options.searchVerseText, SearchField::VerseText, &HitFlag::textHit},
        {options.searchFootnotes, SearchField::Footnote, &HitFlag::footnoteHit},
    };
    state.hitFlags.resize(kPositionCount + 1);
    for (const Pass& pass : passes) {
        if (pass.enabled != 1) {
            continue;
        }
        for (int p = 1; p <= kPositionCount; ++p) {
            state.hitFlags[static_cast<std::size_t>(p)].*pass.flag =
                matcher.Hits(FieldText(corpus, pass.field, p)) ? 1 : 0;
        }
    }
}

bool CheckForHits(SearchState& state, const InterfaceTexts& texts, Prompt& prompt) {
    state.anyHit = 0;
    for (int p = 1; p <= kPositionCount && p < static_cast<int>(state.hitFlags.size()); ++p) {
        if (state.hitFlags[static_cast<std::size_t>(p)].Any()) {
            state.anyHit = 1;
            break;
        }
    }
    if (state.anyHit == 0) {
        ClearSearchState(state);
        prompt.Show(texts[65], texts[45], PromptIcon::None, PromptButtons::Ok);
    }
    return state.anyHit == 1;
}

int FirstHitPosition(const SearchState& state, const Settings& options) {
    for (int p = 1; p <= kPositionCount && p < static_cast<int>(state.hitFlags.size()); ++p) {
        const auto& f = state.hitFlags[static_cast<std::size_t>(p)];
        if ((f.subtitleHit == 1 && options.searchSubtitles == 1) ||
            (f.textHit == 1 && options.searchVerseText == 1) ||
            (f.footnoteHit == 1 && options.searchFootnotes == 1)) {
            return p;
        }
    }
    return 0;
}

} // namespace lumra
