#pragma once
// The recent queries, most recent first; the first empty slot ends the history.

#include <array>
#include <string>
#include <vector>

#include "settings/Settings.h"

namespace lumra {

using QueryHistory = std::array<std::string, kHistorySlots>;

// Puts the query at the front: a query already kept moves there, a new one pushes the others
// back and drops the oldest when all slots are filled. Comparison is exact. An empty query
// is never kept, so the filled slots stay one unbroken run.
void UpdateQueryHistory(QueryHistory& history, const std::string& query);

// The filled slots from slot 0 up to the first empty one: the items of the query box.
std::vector<std::string> HistoryItems(const QueryHistory& history);

} // namespace lumra
