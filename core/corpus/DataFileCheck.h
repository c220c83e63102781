#pragma once
// The data-file check: the fingerprint the library computed must be the one compiled into the
// program, exactly and in the same letter case. No fingerprint at all never matches.

#include <optional>
#include <string>
#include <string_view>

namespace lumra {

inline bool FingerprintMatches(const std::optional<std::string>& got, std::string_view expected) {
    return got.has_value() && *got == expected;
}

} // namespace lumra
