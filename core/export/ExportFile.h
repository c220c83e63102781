#pragma once
// The export's output file, written in large pieces straight to the file. A file is written
// under a temporary name in the target's folder and renamed over the target only once every
// byte has reached the disk, so a failed export leaves the folder as it was: an older file of
// the name stays byte for byte, and a link of the name is replaced, never written through
// (whether a link to a file may be replaced is asked before, as for the file itself).
// Every failure sticks, so that one test at the end tells whether the whole file was written.

#include <cstdint>
#include <string>
#include <string_view>

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
    bool IsOpen() const { return fd_ >= 0; }
    // False once any write has failed. Each piece goes to the file at once, so pieces should
    // be large, and is on its way to the disk while the caller builds the next one.
    bool Write(std::string_view bytes);
    // Flushes the file to the disk and puts it in the target's place; false when anything
    // failed since Create, and then the temporary file is removed. Closing twice is harmless.
    bool Close();
    // Ends the export without replacing anything.
    void Abandon();

private:
    bool Open(int fd);
    void Discard();

    int fd_ = -1;
    std::uint64_t written_ = 0; // bytes written since Create
    std::string target_;
    std::string temporary_; // empty for a device, which is written in place
    bool failed_ = false;
};

} // namespace lumra
