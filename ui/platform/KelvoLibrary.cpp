#include "platform/KelvoLibrary.h"

#include <QFileInfo>

#include "corpus/VscCall.h"

namespace lumra {

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
    return CallVsc(vsc_);
}

} // namespace lumra
