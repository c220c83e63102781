#include "platform/KelvoLibrary.h"

#include <QFileInfo>

#include <array>
#include <cstring>

namespace lumra {

namespace {

// The longest fingerprint the library can write, 12 rows x 16 digits x 3 hexadecimal digits,
// and its NUL.
constexpr std::size_t kBufferSize = 576 + 1;

} // namespace

KelvoLibrary::KelvoLibrary(const QString& libraryPath)
    : library_(QFileInfo(libraryPath).absoluteFilePath()) {}

std::optional<std::string> KelvoLibrary::Fingerprint() {
    if (vsc_ == nullptr) {
        if (!library_.isLoaded() && !library_.load()) {
            return std::nullopt;
        }
        vsc_ = reinterpret_cast<VscFunction>(library_.resolve("vsc"));
        if (vsc_ == nullptr) {
            return std::nullopt;
        }
    }
    std::array<char, kBufferSize> buffer{};
    if (vsc_(buffer.data()) != 0) {
        return std::nullopt;
    }
    // A library that wrote no NUL within the buffer is not ours.
    const void* nul = std::memchr(buffer.data(), '\0', buffer.size());
    if (nul == nullptr) {
        return std::nullopt;
    }
    return std::string(buffer.data(),
                       static_cast<std::size_t>(static_cast<const char*>(nul) - buffer.data()));
}

} // namespace lumra
