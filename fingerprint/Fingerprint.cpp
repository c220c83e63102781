#include "Fingerprint.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace lumra {

namespace {

// Counts byte values over Rows rows; the row advances with every byte and wraps after the last.
template <int Rows> class ByteCounter {
    static_assert(Rows >= 8, "a whole cycle takes at least one 8-byte word");

public:
    explicit ByteCounter(int firstRow = 0) : row_(firstRow % Rows) {}

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
            AddCycle(bytes + i);
        }
        for (; i < count; ++i) {
            ++counts_[static_cast<std::size_t>(row)][bytes[i]];
            row = row + 1 == Rows ? 0 : row + 1;
        }
        row_ = row;
    }

    void Merge(const ByteCounter& other) {
        for (std::size_t r = 0; r < counts_.size(); ++r) {
            for (std::size_t b = 0; b < counts_[r].size(); ++b) {
                counts_[r][b] += other.counts_[r][b];
            }
        }
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
    // One whole cycle. The first eight bytes come as four 16-bit loads: each yields two
    // counter indexes as its low and high byte, with no shift, where one word load would need
    // a copy and a shift per byte, and a byte load per byte would cost as much as the counting.
    void AddCycle(const unsigned char* bytes) {
        std::size_t r = 0;
        if constexpr (std::endian::native == std::endian::little) {
            // Spelt out: as a loop the compiler keeps a row pointer and a shift.
            std::uint16_t pairs[4];
            std::memcpy(pairs, bytes, sizeof pairs);
            ++counts_[0][pairs[0] & 0xFFu];
            ++counts_[1][pairs[0] >> 8];
            ++counts_[2][pairs[1] & 0xFFu];
            ++counts_[3][pairs[1] >> 8];
            ++counts_[4][pairs[2] & 0xFFu];
            ++counts_[5][pairs[2] >> 8];
            ++counts_[6][pairs[3] & 0xFFu];
            ++counts_[7][pairs[3] >> 8];
            r = sizeof pairs;
        }
        for (; r < static_cast<std::size_t>(Rows); ++r) {
            ++counts_[r][bytes[r]];
        }
    }

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

constexpr int kFirstStageRows = 9;
using FirstStageCounter = ByteCounter<kFirstStageRows>;
using SecondStageCounter = ByteCounter<12>;

// Below this many bytes a second thread costs more than it saves.
constexpr std::size_t kBytesWorthASecondThread = 256 * 1024;
constexpr std::size_t kChunkBytes = 64 * 1024;

class OpenFile {
public:
    OpenFile() = default;
    explicit OpenFile(int fd) : fd_(fd) {}
    OpenFile(OpenFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    OpenFile& operator=(OpenFile&& other) noexcept {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { Close(); }
    int fd() const { return fd_; }

private:
    void Close() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = -1;
    }
    int fd_ = -1;
};

struct CoveredFile {
    OpenFile file;
    std::size_t size = 0;
};

// Opens one file of the list. Only regular files count: the open does not wait (a FIFO
// under a data-file name would block it), and fstat on the open file refuses the rest.
bool OpenCovered(const std::string& path, CoveredFile& out) {
    OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uintmax_t>(info.st_size) > kMaxDataFileSize) {
        return false;
    }
    out.size = static_cast<std::size_t>(info.st_size);
    out.file = std::move(file);
    return true;
}

// Reads the measured size of each file into the counter, a chunk at a time so that the bytes
// are counted while still in the cache.
bool CountFiles(const CoveredFile* first, const CoveredFile* last, FirstStageCounter& counter) {
    std::vector<unsigned char> chunk(kChunkBytes);
    for (const CoveredFile* f = first; f != last; ++f) {
        std::size_t left = f->size;
        while (left > 0) {
            const ssize_t n = ::read(f->file.fd(), chunk.data(), std::min(left, chunk.size()));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false; // shorter than measured: changed while being read
            }
            counter.Add(chunk.data(), static_cast<std::size_t>(n));
            left -= static_cast<std::size_t>(n);
        }
    }
    return true;
}

// Counts the files in two halves at once when there is enough to count. The second half's
// counter starts at the row its first byte falls on, so the sum equals one pass.
bool CountAll(const std::vector<CoveredFile>& files, FirstStageCounter& counter) {
    std::size_t total = 0;
    for (const CoveredFile& f : files) {
        total += f.size;
    }
    std::size_t split = files.size();
    std::size_t before = 0;
    if (total >= kBytesWorthASecondThread) {
        // The file boundary closest to half the bytes.
        std::size_t best = total;
        std::size_t sum = 0;
        for (std::size_t k = 0; k <= files.size(); ++k) {
            const std::size_t imbalance = sum > total - sum ? sum - (total - sum) : total - 2 * sum;
            if (imbalance < best) {
                best = imbalance;
                split = k;
                before = sum;
            }
            if (k < files.size()) {
                sum += files[k].size;
            }
        }
    }
    const CoveredFile* begin = files.data();
    const CoveredFile* end = begin + files.size();
    if (split == 0 || split == files.size()) {
        return CountFiles(begin, end, counter);
    }
    FirstStageCounter second(static_cast<int>(before % kFirstStageRows));
    bool secondOk = false;
    std::thread worker;
    try {
        worker = std::thread([&] { secondOk = CountFiles(begin + split, end, second); });
    } catch (const std::system_error&) {
        // No thread to be had: one pass in this one.
        return CountFiles(begin, end, counter);
    }
    const bool firstOk = CountFiles(begin, begin + split, counter);
    worker.join();
    if (!firstOk || !secondOk) {
        return false;
    }
    counter.Merge(second);
    return true;
}

} // namespace

int FirstStageText(const std::string& folder, std::string& out) {
    std::vector<CoveredFile> files(kFingerprintFiles.size());
    std::string path;
    for (std::size_t k = 0; k < files.size(); ++k) {
        path.assign(folder).append(kFingerprintFiles[k]);
        if (!OpenCovered(path, files[k])) {
            return kFingerprintUnreadable;
        }
    }
    FirstStageCounter counter;
    if (!CountAll(files, counter)) {
        return kFingerprintUnreadable;
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
