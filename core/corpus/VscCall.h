#pragma once
// One call of the fingerprint library's export: the caller owns the buffer, the library
// writes the fingerprint and a NUL into it.

#include <array>
#include <cstring>
#include <optional>
#include <string>

namespace lumra {

using VscFunction = int (*)(char*);

// The longest fingerprint the library can write, 12 rows x 16 digits x 3 hexadecimal digits,
// and its NUL.
inline constexpr std::size_t kVscBufferSize = 576 + 1;

// The fingerprint, or nullopt when the call fails or writes no NUL within the buffer (a
// library that does is not ours).
inline std::optional<std::string> CallVsc(VscFunction vsc) {
    std::array<char, kVscBufferSize> buffer{};
    if (vsc(buffer.data()) != 0) {
        return std::nullopt;
    }
    const void* nul = std::memchr(buffer.data(), '\0', buffer.size());
    if (nul == nullptr) {
        return std::nullopt;
    }
    return std::string(buffer.data(),
                       static_cast<std::size_t>(static_cast<const char*>(nul) - buffer.data()));
}

} // namespace lumra
