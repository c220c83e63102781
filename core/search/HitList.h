#pragma once
// The list of verse-text hits that the verse-list window shows in list mode.

#include <string>

#include "state/ReaderState.h"

namespace lumra {

inline constexpr int kMaxListedHits = 200;

// The number of positions with a verse-text hit.
int CountTextHits(const SearchState& state);

struct HitListDocument {
    std::string caption;
    std::string document;
    int entries = 0;
};

// The first 200 verse-text hits in ascending order, in the verse list format with the list
// options of the settings, and the window caption naming how many are listed (and of how
// many, when there are more).
HitListDocument BuildHitList(const ReaderState& state);

} // namespace lumra
