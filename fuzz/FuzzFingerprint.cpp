// The fingerprint over a folder of files from the input.
//
// Input: the files of the fingerprint list in order, separated by "\0\1"; files after the
// last part are missing. A part "\0\2" makes a folder of that name instead of a file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "Fingerprint.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumra;
    static const std::string folder = fuzz::ScratchFolder("fingerprint");
    fuzz::ClearFolder(folder);
    const auto parts = fuzz::SplitInput(std::string_view(reinterpret_cast<const char*>(data), size),
                                        std::string_view("\0\1", 2));
    for (std::size_t i = 0; i < parts.size() && i < kFingerprintFiles.size(); ++i) {
        const std::string path = folder + std::string(kFingerprintFiles[i]);
        if (parts[i] == std::string_view("\0\2", 2)) {
            std::filesystem::create_directory(path);
        } else {
            fuzz::WriteBytes(path, parts[i]);
        }
    }
    std::string out = "unchanged";
    const int result = ComputeFingerprint(folder, out);
    if (result == kFingerprintOk) {
        if (out.size() > kMaxFingerprintLength) {
            std::abort();
        }
    } else if (out != "unchanged") {
        std::abort();
    }
    return 0;
}
