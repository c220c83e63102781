#include "Fingerprint.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>
#include <vector>

namespace lumra {

namespace {

// Counts byte values over Rows rows; the row advances with every byte and wraps after the last.
template <int Rows> class ByteCounter {
public:
    void Add(const unsigned char* bytes, std::size_t count) {
        // The row lives in a local: a store to a counter could alias a member, which would
        // reload it for every byte. Whole cycles of Rows bytes need no row arithmetic.
        int row = row_;
        std::size_t i = 0;
        for (; i < count && row != 0; ++i) {
            ++counts_[static_cast<std::size_t>(row)][bytes[i]];
            row = row + 1 == Rows ? 0 : row + 1;
        }
        for (; i + Rows <= count; i += Rows) {
            for (std::size_t r = 0; r < static_cast<std::size_t>(Rows); ++r) {
                ++counts_[r][bytes[i + r]];
            }
        }
        for (; i < count; ++i) {
            ++counts_[static_cast<std::size_t>(row)][bytes[i]];
            row = row + 1 == Rows ? 0 : row + 1;
        }
        row_ = row;
    }

    // Every non-zero counter, row by row and column by column, in upper-case hexadecimal
    // without leading zeros or separators.
    void AppendText(std::string& out) const {
        for (const auto& row : counts_) {
            for (const std::uint32_t count : row) {
                if (count != 0) {
                    AppendHex(out, count);
                }
            }
        }
    }

private:
    static void AppendHex(std::string& out, std::uint32_t value) {
        char digits[8];
        int length = 0;
        do {
            digits[length++] = "0123456789ABCDEF"[value & 0xFu];
            value >>= 4;
        } while (value != 0);
        while (length > 0) {
            out.push_back(digits[--length]);
        }
    }

    std::array<std::array<std::uint32_t, 256>, Rows> counts_{};
    int row_ = 0;
};

using FirstStageCounter = ByteCounter<9>;
using SecondStageCounter = ByteCounter<12>;

// Counts one file into the counter. Only regular files are opened: a FIFO or device under a
// data-file name would block or never end.
bool CountFile(const std::string& path, FirstStageCounter& counter,
               std::vector<unsigned char>& chunk) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxDataFileSize) {
        return false;
    }
    in.seekg(0, std::ios::beg);
    std::streamoff left = size;
    while (left > 0) {
        const std::streamoff want = std::min<std::streamoff>(left, std::ssize(chunk));
        in.read(reinterpret_cast<char*>(chunk.data()), want);
        if (in.gcount() != want) {
            return false; // shorter than measured: changed while being read
        }
        counter.Add(chunk.data(), static_cast<std::size_t>(want));
        left -= want;
    }
    return true;
}

} // namespace

int FirstStageText(const std::string& folder, std::string& out) {
    FirstStageCounter counter;
    std::vector<unsigned char> chunk(64 * 1024);
    std::string path;
    for (const std::string_view name : kFingerprintFiles) {
        path.assign(folder).append(name);
        if (!CountFile(path, counter, chunk)) {
            return kFingerprintUnreadable;
        }
    }
    std::string text;
    counter.AppendText(text);
    out = std::move(text);
    return kFingerprintOk;
}

std::string SecondStageText(std::string_view firstStage) {
    SecondStageCounter counter;
    counter.Add(reinterpret_cast<const unsigned char*>(firstStage.data()), firstStage.size());
    std::string text;
    counter.AppendText(text);
    return text;
}

int ComputeFingerprint(const std::string& folder, std::string& out) {
    std::string firstStage;
    if (FirstStageText(folder, firstStage) != kFingerprintOk) {
        return kFingerprintUnreadable;
    }
    out = SecondStageText(firstStage);
    return kFingerprintOk;
}

} // namespace lumra
