#include <gtest/gtest.h>

#include "MemorySettingsStore.h"
#include "settings/Settings.h"

namespace lumra {
namespace {

using test::MemorySettingsStore;

TEST(Settings, FirstRunGivesTheDefaults) {
    const MemorySettingsStore empty;
    const auto s = LoadSettings(empty);
    EXPECT_EQ(s.colour, kDefaultWindowColour);
    EXPECT_EQ(s.fontPoints, 10);
    EXPECT_EQ(s.viewFontSize, 20);
    EXPECT_EQ(s.topicListOptions[0], "1");
    EXPECT_EQ(s.topicListOptions[1], "0");
    EXPECT_EQ(s.viewOptions, (std::array<std::uint8_t, 4>{1, 0, 1, 0}));
    EXPECT_EQ(s.searchSubtitles, 0);
    EXPECT_EQ(s.searchVerseText, 1);
    EXPECT_EQ(s.searchFootnotes, 0);
    EXPECT_EQ(s.compareMode, 1);
    EXPECT_EQ(s.wholeWords, 0);
    EXPECT_EQ(s.listAllHits, 0);
    EXPECT_EQ(s.listOptions, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(s.inlineReference, 1);
    EXPECT_EQ(s.f1max + s.f4max + s.f5max + s.f13max, 0);
    EXPECT_TRUE(s.queryHistory[0].empty());
    EXPECT_EQ(s.language, 0);
}

struct RangeCase {
    const char* section;
    std::string key;
    const char* stored;
    std::function<int(const Settings&)> read;
    int expected;
};

TEST(Settings, RangeChecksReplaceOutOfRangeValues) {
    const std::vector<RangeCase> cases = {
        {"G_SET", "green", "200", [](auto& s) { return s.colour.green; }, 104},
        {"G_SET", "red", "192", [](auto& s) { return s.colour.red; }, 192},
        {"G_SET", "red", "193", [](auto& s) { return s.colour.red; }, 0},
        {"G_SET", "green", "abc", [](auto& s) { return s.colour.green; }, 0},
        {"G_SET", "vw_fs", "7", [](auto& s) { return s.fontPoints; }, 10},
        {"G_SET", "vw_fs", "121", [](auto& s) { return s.fontPoints; }, 10},
        {"G_SET", "vw_fs", "8", [](auto& s) { return s.viewFontSize; }, 16},
        {"G_SET", "vw_fs", "120", [](auto& s) { return s.viewFontSize; }, 240},
        {"G_SET", "vw_fs", "12.9", [](auto& s) { return s.fontPoints; }, 12},
        {"G_SET", "g_c1( 2)", "5", [](auto& s) { return s.viewOptions[2]; }, 1},
        {"G_SET", "g_c1( 3)", "5", [](auto& s) { return s.viewOptions[3]; }, 0},
        {"wp", "f4max", "3", [](auto& s) { return s.f4max; }, 0},
        {"S_SET", "s_vt", "2", [](auto& s) { return s.searchVerseText; }, 1},
        {"S_SET", "s_c7( 1)", "9", [](auto& s) { return s.listOptions[1]; }, 1},
        {"S_SET", "s_cap", "0", [](auto& s) { return s.compareMode; }, 0},
        // Numbers no 8-bit setting can hold read as the default.
        {"G_SET", "green", "300", [](auto& s) { return s.colour.green; }, 104},
        {"G_SET", "green", "-5", [](auto& s) { return s.colour.green; }, 104},
        {"G_SET", "vw_fs", "99999999999999999999", [](auto& s) { return s.fontPoints; }, 10},
        {"G_SET", "lang", "2", [](auto& s) { return s.language; }, 2},
        {"G_SET", "lang", "3", [](auto& s) { return s.language; }, 0},
        {"G_SET", "lang", "255", [](auto& s) { return s.language; }, 0},
        {"P_SET", "p_c1", "0", [](auto& s) { return s.inlineReference; }, 0},
        {"P_SET", "p_c1", "7", [](auto& s) { return s.inlineReference; }, 1},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.Set(c.section, c.key, c.stored);
        EXPECT_EQ(c.read(LoadSettings(store)), c.expected) << c.key << "=" << c.stored;
    }
}

TEST(Settings, TopicListOptionsAreKeptAsText) {
    MemorySettingsStore store;
    store.Set("T_SET", "t_c1( 0)", "0.7");
    store.Set("T_SET", "t_c1( 1)", "2");
    const auto s = LoadSettings(store);
    EXPECT_EQ(s.topicListOptions[0], "0");
    EXPECT_EQ(s.topicListOptions[1], "0");
    store.Set("T_SET", "t_c1( 1)", "1");
    EXPECT_EQ(LoadSettings(store).topicListOptions[1], "1");
}

TEST(Settings, HistoryStopsAtTheFirstMissingSlot) {
    MemorySettingsStore store;
    store.Set("s_list", " 0", "mercy");
    store.Set("s_list", " 1", "grace");
    store.Set("s_list", " 3", "lost");
    const auto s = LoadSettings(store);
    EXPECT_EQ(s.queryHistory[0], "mercy");
    EXPECT_EQ(s.queryHistory[1], "grace");
    EXPECT_TRUE(s.queryHistory[2].empty());
    EXPECT_TRUE(s.queryHistory[3].empty());
}

TEST(Settings, SaveThenLoadReturnsWhatWasSaved) {
    Settings s = LoadSettings(MemorySettingsStore{});
    s.colour = {10, 20, 30};
    s.fontPoints = 15;
    s.viewFontSize = 30;
    s.viewOptions = {0, 1, 0, 1};
    s.topicListOptions = {"0", "1"};
    s.searchSubtitles = 1;
    s.searchFootnotes = 1;
    s.compareMode = 0;
    s.wholeWords = 1;
    s.listAllHits = 1;
    s.listOptions = {0, 1, 0, 1};
    s.inlineReference = 0;
    s.f1max = 1;
    s.f13max = 1;
    s.queryHistory[0] = "the last day";
    s.queryHistory[1] = "\xE5ngest"; // Windows-1252 text survives
    s.language = 2;
    MemorySettingsStore store;
    SaveSettings(store, s);
    EXPECT_EQ(LoadSettings(store), s);
}

TEST(Settings, SaveWritesInItsOrderAndStopsTheHistoryAtTheFirstGap) {
    Settings s = LoadSettings(MemorySettingsStore{});
    s.queryHistory[0] = "a";
    s.queryHistory[1] = "b";
    s.queryHistory[3] = "not written";
    MemorySettingsStore store;
    store.Set("s_list", " 5", "left alone");
    store.writes.clear();
    SaveSettings(store, s);
    using W = std::pair<std::string, std::string>;
    const std::vector<W> expected = {
        {"G_SET", "red"},      {"G_SET", "green"},    {"G_SET", "blue"},     {"G_SET", "vw_fs"},
        {"G_SET", "g_c1( 0)"}, {"G_SET", "g_c1( 1)"}, {"G_SET", "g_c1( 2)"}, {"G_SET", "g_c1( 3)"},
        {"S_SET", "s_vh"},     {"S_SET", "s_vt"},     {"S_SET", "s_fn"},     {"S_SET", "s_cap"},
        {"S_SET", "s_fw"},     {"S_SET", "s_ah"},     {"S_SET", "s_c7( 0)"}, {"S_SET", "s_c7( 1)"},
        {"S_SET", "s_c7( 2)"}, {"S_SET", "s_c7( 3)"}, {"T_SET", "t_c1( 0)"}, {"T_SET", "t_c1( 1)"},
        {"wp", "f1max"},       {"wp", "f4max"},       {"wp", "f5max"},       {"wp", "f13max"},
        {"P_SET", "p_c1"},     {"s_list", " 0"},      {"s_list", " 1"},      {"G_SET", "lang"},
    };
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(store.values[W("s_list", " 5")], "left alone");
    EXPECT_EQ(store.values[W("G_SET", "green")], "104");
}

} // namespace
} // namespace lumra
