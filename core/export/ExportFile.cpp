#include "export/ExportFile.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumra {

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new hidden file in the folder, named apart from the target so that a long name still
// fits; O_EXCL makes sure it is nobody else's file.
int CreateTemporary(const std::string& folder, std::string& name) {
    auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    seed ^= static_cast<unsigned long long>(::getpid()) << 24;
    for (int attempt = 0; attempt < 64; ++attempt) {
        name = folder + "/.export-" +
               std::to_string((seed + 7919ULL * attempt) % 1'000'000'007ULL) + ".part";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // the rename is done either way; this only hastens it to the disk
        ::close(fd);
    }
}

// A character device (a printer, /dev/null) opened for writing in place. Non-blocking only
// for the opening, so that a device that is not ready fails at once.
int OpenDevice(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

ExportFile::~ExportFile() {
    Abandon();
}

bool ExportFile::Create(const std::string& path) {
    Abandon();
    failed_ = false;
    target_ = path;
    temporary_.clear();
    struct stat existing {};
    const bool exists = ::lstat(path.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        return false; // the folder is missing, a file, or not searchable
    }
    // A device holds no file that could be lost; a block device (a disk) is never written.
    if (exists && S_ISCHR(existing.st_mode)) {
        return Open(OpenDevice(path));
    }
    // Folders, pipes, sockets and block devices are nothing an export replaces. A link of the
    // name is replaced by the rename itself, whatever it points to.
    if (exists && !S_ISREG(existing.st_mode) && !S_ISLNK(existing.st_mode)) {
        return false;
    }
    // A write-protected file stays protected, although the folder would let it be replaced.
    if (exists && S_ISREG(existing.st_mode) && ::access(path.c_str(), W_OK) != 0) {
        return false;
    }
    const int fd = CreateTemporary(FolderOf(path), temporary_);
    if (fd < 0) {
        temporary_.clear();
        return false;
    }
    if (exists && S_ISREG(existing.st_mode)) {
        // The new file keeps the old one's permissions; failing that it keeps the defaults.
        ::fchmod(fd, existing.st_mode & 07777);
    }
    return Open(fd);
}

bool ExportFile::Open(int fd) {
    fd_ = fd;
    written_ = 0;
    return fd >= 0;
}

bool ExportFile::Write(std::string_view bytes) {
    if (fd_ < 0 || failed_) {
        failed_ = true;
        return false;
    }
    const std::uint64_t start = written_;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            failed_ = true;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        written_ += static_cast<std::uint64_t>(n);
    }
    if (!temporary_.empty()) {
        // Only starts the writing out, so that the disk works while the next piece is built
        // and the flush in Close has little left to wait for; a refusal costs nothing here.
        ::sync_file_range(fd_, static_cast<off_t>(start), static_cast<off_t>(written_ - start),
                          SYNC_FILE_RANGE_WRITE);
    }
    return true;
}

bool ExportFile::Close() {
    if (fd_ < 0) {
        return !failed_;
    }
    // A full disk can still show only here, when the blocks are really written.
    if (!failed_ && !temporary_.empty() && ::fsync(fd_) != 0) {
        failed_ = true;
    }
    if (::close(fd_) != 0) {
        failed_ = true;
    }
    fd_ = -1;
    if (!failed_ && !temporary_.empty()) {
        if (::rename(temporary_.c_str(), target_.c_str()) == 0) {
            temporary_.clear();
            SyncFolder(FolderOf(target_));
        } else {
            failed_ = true;
        }
    }
    Discard();
    return !failed_;
}

void ExportFile::Abandon() {
    if (fd_ >= 0) {
        failed_ = true;
        Close();
    }
}

void ExportFile::Discard() {
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

} // namespace lumra
