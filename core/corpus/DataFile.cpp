#include "corpus/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumra {

std::optional<std::string> ReadWholeFile(const std::string& path, std::uintmax_t maxBytes) {
    // Non-blocking, so that a pipe or device of the name cannot hang the open; fstat on the
    // open file then refuses anything but a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return std::nullopt; // cut short while being read
        }
        done += static_cast<std::size_t>(n);
    }
    return bytes;
}

namespace {

constexpr std::size_t kScanBytes = 64;

// Bit k set: byte k of the count bytes at p is a CR or an LF.
std::uint64_t TerminatorsIn(const char* p, std::size_t count) {
    std::uint64_t mask = 0;
#if defined(__SSE2__)
    if (count == kScanBytes) {
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i lf = _mm_set1_epi8('\n');
        for (std::size_t k = 0; k < kScanBytes; k += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
            const auto bits = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf))));
            mask |= static_cast<std::uint64_t>(bits) << k;
        }
        return mask;
    }
#endif
    for (std::size_t k = 0; k < count; ++k) {
        if (p[k] == '\r' || p[k] == '\n') {
            mask |= std::uint64_t{1} << k;
        }
    }
    return mask;
}

} // namespace

std::vector<TextTable::Span> LineSpans(std::string_view bytes) {
    std::vector<TextTable::Span> lines;
    // A guess above the line count of the verse files (over 100 bytes a line), so that the
    // vector rarely grows; reserving touches no memory.
    lines.reserve(bytes.size() / 64 + 1);
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t start = 0; // first byte of the current line
    bool afterCr = false;  // the last terminator was a CR: an LF right after it is its pair
    // One pass, 64 bytes a step, most steps without a terminator: a call of memchr per line
    // and terminator would cost more than the scan itself on lines of a hundred bytes.
    for (std::size_t i = 0; i < size; i += kScanBytes) {
        const std::size_t count = std::min(kScanBytes, size - i);
        for (std::uint64_t mask = TerminatorsIn(data + i, count); mask != 0; mask &= mask - 1) {
            const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(mask));
            if (afterCr && at == start && data[at] == '\n') {
                afterCr = false;
                start = at + 1;
                continue;
            }
            lines.push_back(
                {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(at - start)});
            afterCr = data[at] == '\r';
            start = at + 1;
        }
    }
    if (start < size) {
        lines.push_back(
            {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(size - start)});
    }
    return lines;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    const auto spans = LineSpans(bytes);
    lines.reserve(spans.size());
    for (const auto& s : spans) {
        lines.emplace_back(bytes.substr(s.offset, s.length));
    }
    return lines;
}

} // namespace lumra
