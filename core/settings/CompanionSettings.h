#pragma once
// The companion window's settings, kept in a section of their own: a reader who never opens
// the window finds the other settings written exactly as before.

#include <cstdint>

#include "settings/SettingsStore.h"

namespace lumra {

struct CompanionSettings {
    std::uint8_t open = 0;            // 1: open when the reader last ended
    std::uint8_t transliteration = 1; // 1: the transliteration pane is shown

    friend bool operator==(const CompanionSettings&, const CompanionSettings&) = default;
};

// A stored value that is not 0 or 1 reads as the default.
CompanionSettings LoadCompanionSettings(const SettingsStore& store);
// Sets the values; SaveSettings, which comes after it, writes them through with the others.
void SaveCompanionSettings(SettingsStore& store, const CompanionSettings& settings);

} // namespace lumra
