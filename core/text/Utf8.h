#pragma once
// Strict UTF-8: no overlong form, no surrogate, nothing above U+10FFFF. Shared with the
// data-set builder, which decodes its sources by it, and the companion loader, which checks
// its files by it.

#include <cstddef>
#include <string_view>

namespace lumra {

struct Utf8Step {
    char32_t codePoint = 0;
    std::size_t length = 0; // 0: the bytes at this place are not UTF-8
};

// The code point that starts at `at` (which is inside the bytes) and its length in bytes.
constexpr Utf8Step DecodeUtf8At(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return {};
    }
    if (bytes.size() - at <= extra) {
        return {};
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(bytes[at + k]);
        if ((next & 0xC0) != 0x80) {
            return {};
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return {};
    }
    return {cp, extra + 1};
}

constexpr bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const Utf8Step step = DecodeUtf8At(bytes, i);
        if (step.length == 0) {
            return false;
        }
        i += step.length;
    }
    return true;
}

} // namespace lumra
