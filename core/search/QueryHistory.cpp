#include "search/QueryHistory.h"

namespace lumra {

void UpdateQueryHistory(QueryHistory& history, const std::string& query) {
    if (query.empty()) {
        return;
    }
    if (history[0].empty()) {
        history[0] = query;
    }
    if (history[0] == query) {
        return;
    }
    constexpr std::size_t last = kHistorySlots - 1;
    // The slot the shift starts from: the query's own, else the first empty one, else the
    // oldest, which falls out.
    std::size_t from = last;
    for (std::size_t j = 1; j <= last; ++j) {
        if (history[j].empty()) {
            from = j;
            break;
        }
        if (history[j] == query) {
            from = j;
            break;
        }
    }
    for (std::size_t m = from; m >= 1; --m) {
        history[m] = std::move(history[m - 1]);
    }
    history[0] = query;
}

std::vector<std::string> HistoryItems(const QueryHistory& history) {
    std::vector<std::string> items;
    for (const auto& slot : history) {
        if (slot.empty()) {
            break;
        }
        items.push_back(slot);
    }
    return items;
}

} // namespace lumra
