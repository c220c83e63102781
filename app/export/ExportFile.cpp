#include "export/ExportFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumra {

ExportFile::~ExportFile() {
    Close();
}

bool ExportFile::Create(const std::string& path) {
    Close();
    failed_ = false;
    // Non-blocking only for the opening: a pipe without a reader fails at once instead of
    // hanging the dialog.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        ::close(fd);
        return false;
    }
    struct stat info {};
    regular_ = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        ::close(fd);
        return false;
    }
    // Large enough that a whole-text export takes a handful of writes, not one per 4 kB.
    buffer_.resize(kBufferBytes);
    std::setvbuf(file_, buffer_.data(), _IOFBF, buffer_.size());
    path_ = path;
    return true;
}

bool ExportFile::Write(std::string_view bytes) {
    if (file_ == nullptr || failed_) {
        failed_ = true;
        return false;
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        failed_ = true;
    }
    return !failed_;
}

bool ExportFile::Close() {
    if (file_ == nullptr) {
        return !failed_;
    }
    if (std::fclose(file_) != 0) {
        failed_ = true;
    }
    file_ = nullptr;
    // A file cut short by a full disk would pass for an export; a device is never removed.
    if (failed_ && regular_) {
        ::unlink(path_.c_str());
    }
    return !failed_;
}

} // namespace lumra
