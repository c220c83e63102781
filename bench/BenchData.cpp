#include "BenchData.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumra::bench {

std::string FileBytes(const std::string& path) {
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return bytes;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        bytes.resize(done);
    }
    ::close(fd);
    return bytes;
}

std::vector<std::string> CorpusFiles(const std::string& folder, const std::string& code) {
    std::vector<std::string> files;
    for (const char* suffix :
         {"kvt.txt", "nst.txt", "apt.txt", "nfn.txt", "ksn.txt", "hlp.rtf", "len", "aapx"}) {
        files.push_back(folder + code + suffix);
    }
    files.push_back(folder + "Ocf");
    return files;
}

} // namespace lumra::bench
