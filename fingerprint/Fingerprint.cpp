#include "Fingerprint.h"
#include "ByteCounter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace lumra {

namespace {

constexpr int kFirstStageRows = 9;
using FirstStageCounter = ByteCounter<kFirstStageRows>;
using SecondStageCounter = ByteCounter<12>;

// Below this many bytes a second thread costs more than it saves.
constexpr std::size_t kBytesWorthASecondThread = 256 * 1024;
// Large enough that a call of the wide count pays its setting up many times over, small enough
// to stay in the cache between the read and the count.
constexpr std::size_t kChunkBytes = 256 * 1024;

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
    std::size_t largest = 0;
    for (const CoveredFile* f = first; f != last; ++f) {
        largest = std::max(largest, f->size);
    }
    const std::size_t chunkSize = std::min(largest, kChunkBytes);
    if (chunkSize == 0) {
        return true;
    }
    // Every byte of it is read before it is counted: no need to clear it first.
    const auto chunk = std::make_unique_for_overwrite<unsigned char[]>(chunkSize);
    for (const CoveredFile* f = first; f != last; ++f) {
        std::size_t left = f->size;
        while (left > 0) {
            const ssize_t n = ::read(f->file.fd(), chunk.get(), std::min(left, chunkSize));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false; // shorter than measured: changed while being read
            }
            counter.Add(chunk.get(), static_cast<std::size_t>(n));
            left -= static_cast<std::size_t>(n);
        }
    }
    return true;
}

// The second half of the files, counted by a thread of its own. Without a thread to be had,
// Start() is false and the caller counts everything itself.
class SecondHalf {
public:
    explicit SecondHalf(int firstRow) : counter_(firstRow) {}
    ~SecondHalf() { Wait(); }
    SecondHalf(const SecondHalf&) = delete;
    SecondHalf& operator=(const SecondHalf&) = delete;

    // Counts [first, last), whose first byte falls on the row given at construction.
    bool Start(const CoveredFile* first, const CoveredFile* last) {
        try {
            worker_ = std::thread([this, first, last] { ok_ = CountFiles(first, last, counter_); });
        } catch (const std::system_error&) {
            return false;
        }
        return true;
    }

    // Waits for the count; false if a file could not be read in full.
    bool Wait() {
        if (worker_.joinable()) {
            worker_.join();
        }
        return ok_;
    }
    const FirstStageCounter& Counter() const { return counter_; }

private:
    FirstStageCounter counter_;
    bool ok_ = false;
    std::thread worker_; // last: joined before the counter goes
};

// The file boundary closest to half the bytes, and the bytes before it; no split (the number
// of files) when there is too little to count for a second thread to pay.
std::pair<std::size_t, std::size_t> Split(const std::vector<CoveredFile>& files) {
    std::size_t total = 0;
    for (const CoveredFile& f : files) {
        total += f.size;
    }
    std::size_t split = files.size();
    std::size_t before = 0;
    if (total >= kBytesWorthASecondThread) {
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
    return {split, before};
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
    // The two halves at once when there is enough to count. The second half's counter starts
    // at the row its first byte falls on, so the sum equals one pass.
    FirstStageCounter counter;
    const auto [split, before] = Split(files);
    const CoveredFile* begin = files.data();
    const CoveredFile* end = begin + files.size();
    // Declared after the files it reads, so that its thread is joined before they close.
    SecondHalf second(static_cast<int>(before % kFirstStageRows));
    if (split == 0 || split == files.size() || !second.Start(begin + split, end)) {
        if (!CountFiles(begin, end, counter)) {
            return kFingerprintUnreadable;
        }
    } else {
        const bool firstOk = CountFiles(begin, begin + split, counter);
        if (!second.Wait() || !firstOk) {
            return kFingerprintUnreadable;
        }
        counter.Merge(second.Counter());
    }
    std::string text;
    counter.AppendText(text);
    out = std::move(text);
    return kFingerprintOk;
}

int FirstStageText(const FingerprintBytes& files, std::string& out) {
    FirstStageCounter counter;
    for (const std::string_view bytes : files) {
        if (bytes.size() > kMaxDataFileSize) {
            return kFingerprintUnreadable;
        }
        counter.Add(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
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

namespace {

template <typename Files> int BothStages(const Files& files, std::string& out) {
    std::string firstStage;
    if (FirstStageText(files, firstStage) != kFingerprintOk) {
        return kFingerprintUnreadable;
    }
    out = SecondStageText(firstStage);
    return kFingerprintOk;
}

} // namespace

int ComputeFingerprint(const std::string& folder, std::string& out) {
    return BothStages(folder, out);
}

int ComputeFingerprint(const FingerprintBytes& files, std::string& out) {
    return BothStages(files, out);
}

} // namespace lumra
