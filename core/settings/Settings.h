#pragma once
// The user settings kept between runs: their values, defaults and range checks, and the
// order in which they are read from and written to the store.

#include <array>
#include <cstdint>
#include <string>

#include "settings/SettingsStore.h"

namespace lumra {

inline constexpr int kHistorySlots = 21;

struct WindowColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const WindowColour&, const WindowColour&) = default;
};

inline constexpr WindowColour kDefaultWindowColour{0, 104, 0};

struct Settings {
    WindowColour colour;
    std::array<std::string, 2> topicListOptions; // "0" or "1"
    std::array<std::uint8_t, 4> viewOptions{};
    std::uint8_t fontPoints = 0; // "vw_fs": the reading font size in points
    int viewFontSize = 0;        // the same in half-points, as the pages use it
    std::uint8_t searchSubtitles = 0;
    std::uint8_t searchVerseText = 0;
    std::uint8_t searchFootnotes = 0;
    std::uint8_t compareMode = 0; // 1: case-insensitive
    std::uint8_t wholeWords = 0;
    std::uint8_t listAllHits = 0;
    std::array<std::uint8_t, 4> listOptions{};
    std::uint8_t inlineReference = 0; // "p_c1"
    std::uint8_t f1max = 0;
    std::uint8_t f4max = 0;
    std::uint8_t f5max = 0;
    std::uint8_t f13max = 0;
    std::array<std::string, kHistorySlots> queryHistory;
    std::uint8_t language = 0; // 0: not chosen yet

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The key of an indexed family: IndexedKey("t_c1(", 0) is "t_c1( 0)", IndexedKey("", 3) " 3".
std::string IndexedKey(const std::string& family, int index);

Settings LoadSettings(const SettingsStore& store);
void SaveSettings(SettingsStore& store, const Settings& settings);

} // namespace lumra
