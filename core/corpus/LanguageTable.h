#pragma once
// The two languages the data sets come in. Index 0 means no language chosen yet.

#include <array>
#include <cstdint>
#include <string_view>

namespace lumra {

struct Language {
    std::string_view displayName;
    std::string_view code;
    // 1: the appendix texts are plain text to be framed as rich text; 0: they are rich text.
    std::uint8_t plainAppendix;
};

inline constexpr std::array<Language, 3> kLanguages = {{
    {"", "", 0},
    {"English", "en", 1},
    {"Svenska", "sv", 0},
}};

inline constexpr int kLanguageCount = 2;

constexpr bool IsLanguageIndex(int index) {
    return index >= 1 && index <= kLanguageCount;
}

// The other language, for the language switch key.
constexpr std::uint8_t OtherLanguage(std::uint8_t index) {
    return index == 2 ? 1 : 2;
}

// The system's user language identifier chooses Swedish only for Sweden and Finland.
constexpr std::uint8_t LanguageFromSystemId(int languageId) {
    return (languageId == 1053 || languageId == 2077) ? 2 : 1;
}

} // namespace lumra
