#pragma once
// The query language: "+" begins a required term, "\" an excluded one, "/" a plain
// alternative; every other character, spaces included, is term text.

#include <string_view>

#include "state/SearchState.h"

namespace lumra {

// Fills the terms and the term count of the state from the query; false when no term is
// left. The character after an operator is taken in the same step: text of the new term, or
// dropped when it is an operator too. The scan stops once term 255 has begun. Terms are
// trimmed of spaces and empty terms are removed.
bool ParseQuery(std::string_view query, SearchState& state);

} // namespace lumra
