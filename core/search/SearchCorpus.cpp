#include "search/SearchCorpus.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "search/FieldScan.h"
#include "search/TermMatch.h"

namespace lumra {

namespace {

std::string_view Entry(const TextTable& table, int line) {
    return line >= 1 && static_cast<std::size_t>(line) < table.size()
               ? table[static_cast<std::size_t>(line)]
               : std::string_view();
}

// Which texts of one table the query hits: no excluded term occurs in them and either every
// required term does or, without required terms, at least one plain term does.
std::vector<std::uint8_t> TextsHit(const TextTable& table, const SearchState& state,
                                   const Settings& options) {
    const FieldScan scan(table, options.compareMode == 1);
    const bool wholeWords = options.wholeWords == 1;
    std::vector<const SearchTerm*> terms;
    int required = 0;
    for (int k = 1; k <= state.termCount && k <= kMaxTerms; ++k) {
        const SearchTerm& term = state.terms[static_cast<std::size_t>(k)];
        required += term.kind == TermKind::Required ? 1 : 0;
        terms.push_back(&term);
    }
    // Excluded terms first, then required ones, then plain ones: each settles some texts for
    // good (an excluded term found, a required one missing, a plain one found), and later
    // terms need not look at those again.
    std::stable_partition(terms.begin(), terms.end(),
                          [](const SearchTerm* t) { return t->kind == TermKind::Excluded; });
    std::stable_partition(terms.begin(), terms.end(),
                          [](const SearchTerm* t) { return t->kind != TermKind::Plain; });
    std::vector<std::uint8_t> settled(table.size());
    std::vector<std::uint8_t> plain(table.size());
    std::vector<std::uint8_t> found(table.size());
    for (const SearchTerm* term : terms) {
        if (term->kind == TermKind::Plain && required > 0) {
            continue; // plain terms only count without required ones
        }
        std::fill(found.begin(), found.end(), 0);
        scan.Mark(ForCompare(term->text, options.compareMode), wholeWords, settled, found);
        for (std::size_t i = 0; i < found.size(); ++i) {
            if (settled[i] != 0) {
                continue;
            }
            switch (term->kind) {
            case TermKind::Excluded:
                settled[i] = found[i];
                break;
            case TermKind::Required:
                settled[i] = found[i] ^ 1;
                break;
            case TermKind::Plain:
                plain[i] = found[i];
                settled[i] = found[i];
                break;
            }
        }
    }
    // Unsettled texts hold every required term; settled ones were excluded, lack a required
    // term, or hold a plain one.
    std::vector<std::uint8_t> hit(table.size());
    for (std::size_t i = 0; i < hit.size(); ++i) {
        hit[i] = required > 0 ? settled[i] == 0 : plain[i];
    }
    return hit;
}

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
    struct Pass {
        std::uint8_t enabled;
        const TextTable& table;
        std::int16_t VerseLink::*line; // null: the table is indexed by position
        std::int32_t HitFlag::*flag;
    };
    const Pass passes[] = {
        {options.searchSubtitles, corpus.subtitles, &VerseLink::subtitleLine,
         &HitFlag::subtitleHit},
        {options.searchVerseText, corpus.verseText, nullptr, &HitFlag::textHit},
        {options.searchFootnotes, corpus.footnotes, &VerseLink::footnoteLine,
         &HitFlag::footnoteHit},
    };
    state.hitFlags.resize(kPositionCount + 1);
    for (const Pass& pass : passes) {
        if (pass.enabled != 1) {
            continue;
        }
        const std::vector<std::uint8_t> hit = TextsHit(pass.table, state, options);
        for (int p = 1; p <= kPositionCount; ++p) {
            const auto position = static_cast<std::size_t>(p);
            // A note table is reached through the position's link; line 0 is no note.
            const int line = pass.line == nullptr             ? p
                             : position < corpus.links.size() ? corpus.links[position].*pass.line
                                                              : 0;
            const bool inTable =
                (pass.line == nullptr || line >= 1) && static_cast<std::size_t>(line) < hit.size();
            state.hitFlags[position].*pass.flag =
                inTable && hit[static_cast<std::size_t>(line)] != 0 ? 1 : 0;
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
