#include "search/HitList.h"

#include "search/VerseList.h"

namespace lumra {

int CountTextHits(const SearchState& state) {
    int n = 0;
    for (int p = 1; p <= kPositionCount && p < static_cast<int>(state.hitFlags.size()); ++p) {
        n += state.hitFlags[static_cast<std::size_t>(p)].textHit == 1 ? 1 : 0;
    }
    return n;
}

HitListDocument BuildHitList(const ReaderState& state) {
    const auto& s = state.settings;
    VerseListOptions options;
    options.subtitle = s.listOptions[0] == 1;
    options.footnote = s.listOptions[1] == 1;
    options.sameLine = s.listOptions[2] == 1;
    options.capitalTerms = s.listOptions[3] == 1 ? &state.search : nullptr;
    options.compareMode = s.compareMode;

    HitListDocument list;
    std::string entries;
    const auto& flags = state.search.hitFlags;
    for (int p = 1;
         p <= kPositionCount && p < static_cast<int>(flags.size()) && list.entries < kMaxListedHits;
         ++p) {
        if (flags[static_cast<std::size_t>(p)].textHit == 1) {
            AppendVerseListEntry(entries, state.corpus, p, options);
            ++list.entries;
        }
    }
    list.document = VerseListDocument(entries, s.viewFontSize);

    const int total = CountTextHits(state.search);
    const auto& t = state.texts;
    list.caption = t[90] + std::to_string(list.entries);
    if (total > kMaxListedHits) {
        list.caption += t[110] + std::to_string(total);
    }
    list.caption += t[91];
    return list;
}

} // namespace lumra
