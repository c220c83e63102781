#include <gtest/gtest.h>

#include "MemorySettingsStore.h"
#include "search/QueryHistory.h"

namespace lumra {
namespace {

TEST(QueryHistory, TheMostRecentQueryComesFirstAndThe22ndDropsTheOldest) {
    QueryHistory h;
    for (int q = 1; q <= 21; ++q) {
        UpdateQueryHistory(h, "q" + std::to_string(q));
    }
    EXPECT_EQ(h[0], "q21");
    EXPECT_EQ(h[20], "q1");
    UpdateQueryHistory(h, "q22");
    const auto items = HistoryItems(h);
    ASSERT_EQ(items.size(), 21u);
    EXPECT_EQ(items.front(), "q22");
    EXPECT_EQ(items.back(), "q2"); // q1 is gone
}

TEST(QueryHistory, RepeatingAQueryMovesItToTheFrontWithoutADuplicate) {
    QueryHistory h;
    for (const char* q : {"a", "b", "c", "d"}) {
        UpdateQueryHistory(h, q);
    }
    UpdateQueryHistory(h, "b");
    EXPECT_EQ(HistoryItems(h), (std::vector<std::string>{"b", "d", "c", "a"}));
    UpdateQueryHistory(h, "b");
    EXPECT_EQ(HistoryItems(h), (std::vector<std::string>{"b", "d", "c", "a"}));
    // The oldest of a full history moves up too, and nothing drops out.
    QueryHistory full;
    for (int q = 1; q <= 21; ++q) {
        UpdateQueryHistory(full, "q" + std::to_string(q));
    }
    UpdateQueryHistory(full, "q1");
    EXPECT_EQ(full[0], "q1");
    EXPECT_EQ(full[1], "q21");
    EXPECT_EQ(full[20], "q2");
}

TEST(QueryHistory, ComparisonIsExact) {
    QueryHistory h;
    UpdateQueryHistory(h, "God");
    UpdateQueryHistory(h, "god");
    UpdateQueryHistory(h, "god ");
    EXPECT_EQ(HistoryItems(h), (std::vector<std::string>{"god ", "god", "God"}));
    // An empty query never breaks the run of filled slots.
    UpdateQueryHistory(h, "");
    EXPECT_EQ(HistoryItems(h).size(), 3u);
}

TEST(QueryHistory, IsSavedAndLoadedWithTheSettings) {
    test::MemorySettingsStore store;
    Settings s = LoadSettings(store);
    for (const char* q : {"first", "+mercy\\grace", "\xE5r"}) {
        UpdateQueryHistory(s.queryHistory, q);
    }
    SaveSettings(store, s);
    EXPECT_EQ(store.Get("s_list", " 0"), "\xE5r");
    EXPECT_EQ(store.Get("s_list", " 2"), "first");
    const Settings loaded = LoadSettings(store);
    EXPECT_EQ(HistoryItems(loaded.queryHistory),
              (std::vector<std::string>{"\xE5r", "+mercy\\grace", "first"}));
}

} // namespace
} // namespace lumra
