#include "corpus/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

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

std::vector<TextTable::Span> LineSpans(std::string_view bytes) {
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    auto next = [end](const char* from, char c) {
        const void* at = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return at != nullptr ? static_cast<const char*>(at) : end;
    };
    std::size_t count = 1;
    for (const char* lf = next(begin, '\n'); lf < end; lf = next(lf + 1, '\n')) {
        ++count;
    }
    std::vector<TextTable::Span> lines;
    lines.reserve(count);
    // memchr finds each terminator with wide compares; the next CR and LF are kept until
    // passed, so a file with only one kind is still scanned once.
    const char* p = begin;
    const char* cr = next(p, '\r');
    const char* lf = next(p, '\n');
    while (p < end) {
        if (cr < p) {
            cr = next(p, '\r');
        }
        if (lf < p) {
            lf = next(p, '\n');
        }
        const char* q = std::min(cr, lf);
        lines.push_back({static_cast<std::uint32_t>(p - begin), static_cast<std::uint32_t>(q - p)});
        if (q < end && *q == '\r' && q + 1 < end && q[1] == '\n') {
            ++q;
        }
        p = q + 1;
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

std::int16_t ReadInt16LE(const std::string& bytes, std::size_t offset) {
    const auto b0 = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]));
    const auto b1 = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset + 1]));
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b0 | (b1 << 8)));
}

std::int32_t ReadInt32LE(const std::string& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) {
        v = (v << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(k)]);
    }
    return static_cast<std::int32_t>(v);
}

} // namespace lumra
