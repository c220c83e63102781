#pragma once
// What the last search left behind: its terms and the hit flags per verse position.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SuraTable.h"

namespace lumra {

inline constexpr int kMaxTerms = 255;

enum class TermKind : std::int32_t { Plain = 0, Required = 1, Excluded = 2 };

struct SearchTerm {
    std::string text;
    TermKind kind = TermKind::Plain;
};

struct HitFlag {
    std::int32_t subtitleHit = 0;
    std::int32_t textHit = 0;
    std::int32_t footnoteHit = 0;
    bool Any() const { return subtitleHit != 0 || textHit != 0 || footnoteHit != 0; }
};

struct SearchState {
    // Slots 1..TermCount are in use; slot 0 is unused.
    std::vector<SearchTerm> terms = std::vector<SearchTerm>(kMaxTerms + 1);
    int termCount = 0;
    std::vector<HitFlag> hitFlags = std::vector<HitFlag>(kPositionCount + 1);
    std::int32_t anyHit = 0;
};

// No search in force: no terms, no hit flags.
inline void ClearSearchState(SearchState& s) {
    s.anyHit = 0;
    s.termCount = 0;
    s.terms.assign(kMaxTerms + 1, SearchTerm{});
    s.hitFlags.assign(kPositionCount + 1, HitFlag{});
}

} // namespace lumra
