// The one export of libkelvo.so. The library keeps no state between calls; the counting lives on
// the call's stack.

#include "Fingerprint.h"

#include <dlfcn.h>

#include <cstring>
#include <string>
#include <string_view>

extern "C" __attribute__((visibility("default"))) int vsc(char* buffer);

namespace {

// The folder this library was loaded from, with its trailing slash. The data files lie beside
// the library, whatever the working directory of the reader.
bool LibraryFolder(std::string& folder) {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&vsc), &info) == 0 || info.dli_fname == nullptr) {
        return false;
    }
    const std::string_view file(info.dli_fname);
    const std::size_t slash = file.rfind('/');
    folder.assign(slash == std::string_view::npos ? std::string_view() : file.substr(0, slash + 1));
    return true;
}

} // namespace

// Writes the fingerprint and its NUL to the start of `buffer`, which must hold
// lumra::kMaxFingerprintLength + 1 bytes; the bytes after the NUL are left alone. Returns 0, or 1
// with the buffer untouched when a data file cannot be read.
extern "C" int vsc(char* buffer) {
    if (buffer == nullptr) {
        return lumra::kFingerprintUnreadable;
    }
    try {
        std::string folder;
        if (!LibraryFolder(folder)) {
            return lumra::kFingerprintUnreadable;
        }
        std::string fingerprint;
        if (lumra::ComputeFingerprint(folder, fingerprint) != lumra::kFingerprintOk ||
            fingerprint.size() > lumra::kMaxFingerprintLength) {
            return lumra::kFingerprintUnreadable;
        }
        std::memcpy(buffer, fingerprint.c_str(), fingerprint.size() + 1);
        return lumra::kFingerprintOk;
    } catch (...) {
        // Nothing may cross the C boundary.
        return lumra::kFingerprintUnreadable;
    }
}
