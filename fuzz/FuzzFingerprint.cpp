// The fingerprint over files whose bytes come from the input, counted in memory: what only a
// folder gives (a missing file, a folder or FIFO under a data-file name) is left to the tests.
//
// Input: the files of the fingerprint list in order, separated by "\0\1"; files after the
// last part are empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Fingerprint.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumra;
    const auto parts = fuzz::SplitInput(std::string_view(reinterpret_cast<const char*>(data), size),
                                        std::string_view("\0\1", 2));
    FingerprintBytes files{};
    for (std::size_t i = 0; i < parts.size() && i < files.size(); ++i) {
        files[i] = parts[i];
    }
    std::string out = "unchanged";
    const int result = ComputeFingerprint(files, out);
    if (result == kFingerprintOk) {
        if (out.size() > kMaxFingerprintLength) {
            std::abort();
        }
    } else if (out != "unchanged" || size <= kMaxDataFileSize) {
        std::abort(); // only a file over the limit fails, and it leaves the result alone
    }
    return 0;
}
