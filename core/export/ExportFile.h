#pragma once
// The export's output file, written block by block through a small buffer. A file is written
// under a temporary name in the target's folder and renamed over the target only once every
// byte has reached the disk, so a failed export leaves the folder as it was: an older file of
// the name stays byte for byte, and a link of the name is replaced, never written through.
// Every failure sticks, so that one test at the end tells whether the whole file was written.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace lumra {

class ExportFile {
public:
    ExportFile() = default;
    // An export that was not closed successfully leaves nothing behind.
    ~ExportFile();
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    // False when the file cannot be created: a missing or write-protected folder, a folder, a
    // pipe or a socket of that name, a write-protected file. A device is written in place.
    bool Create(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    // False once any write has failed.
    bool Write(std::string_view bytes);
    // Flushes the file to the disk and puts it in the target's place; false when anything
    // failed since Create, and then the temporary file is removed. Closing twice is harmless.
    bool Close();
    // Ends the export without replacing anything.
    void Abandon();

private:
    static constexpr std::size_t kBufferBytes = 256 * 1024;

    bool Open(int fd);
    void Discard();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_; // declared before use by file_, freed after it is closed
    std::string target_;
    std::string temporary_; // empty for a device, which is written in place
    bool failed_ = false;
};

} // namespace lumra
