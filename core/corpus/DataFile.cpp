#include "corpus/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "corpus/LineEnds.h"

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
    const std::vector<std::uint32_t> ends = LineEnds(bytes);
    // Sized once and written through a pointer: a push_back a line would check the capacity
    // a line.
    std::vector<TextTable::Span> lines(ends.size() + 1);
    TextTable::Span* out = lines.data();
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t start = 0; // first byte of the current line
    for (const std::uint32_t at : ends) {
        *out++ = {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(at - start)};
        // A CR LF pair ends one line.
        start = at + 1 +
                static_cast<std::size_t>(data[at] == '\r' && at + 1 < size && data[at + 1] == '\n');
    }
    if (start < size) {
        *out++ = {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(size - start)};
    }
    lines.resize(static_cast<std::size_t>(out - lines.data()));
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
