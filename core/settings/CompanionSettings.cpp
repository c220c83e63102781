#include "settings/CompanionSettings.h"

#include <string>

namespace lumra {

namespace {

constexpr const char* kSection = "C_SET";

std::uint8_t ReadFlag(const SettingsStore& store, const char* key, std::uint8_t defaultValue) {
    const auto stored = store.Get(kSection, key);
    if (stored == std::optional<std::string>("0")) {
        return 0;
    }
    if (stored == std::optional<std::string>("1")) {
        return 1;
    }
    return defaultValue;
}

} // namespace

CompanionSettings LoadCompanionSettings(const SettingsStore& store) {
    CompanionSettings s;
    s.open = ReadFlag(store, "c_open", s.open);
    s.transliteration = ReadFlag(store, "c_tl", s.transliteration);
    return s;
}

void SaveCompanionSettings(SettingsStore& store, const CompanionSettings& s) {
    store.Set(kSection, "c_open", s.open == 1 ? "1" : "0");
    store.Set(kSection, "c_tl", s.transliteration == 1 ? "1" : "0");
}

} // namespace lumra
