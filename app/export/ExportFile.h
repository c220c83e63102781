#pragma once
// The export's output file: created (replacing any file of the name), written block by block
// through a small buffer, and closed. Every failure sticks, so that one test at the end tells
// whether the whole file was written.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace lumra {

class ExportFile {
public:
    ExportFile() = default;
    ~ExportFile();
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    // False when the file cannot be created (missing or write-protected folder, a folder of
    // that name, a pipe nobody reads).
    bool Create(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    // False once any write has failed.
    bool Write(std::string_view bytes);
    // Flushes and closes; false when anything failed since Create, and then a regular file is
    // removed rather than left half-written. Closing twice is harmless.
    bool Close();

private:
    static constexpr std::size_t kBufferBytes = 256 * 1024;

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_; // declared before use by file_, freed after it is closed
    std::string path_;
    bool regular_ = false;
    bool failed_ = false;
};

} // namespace lumra
