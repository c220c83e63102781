#pragma once
// A temporary folder holding the 19 files the fingerprint covers, each empty until a test writes
// it. Removed with everything in it when the object goes.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace lumra::test {

// The covered files in their order, written out here independently of the library's own list.
inline constexpr std::array<std::string_view, 19> kCoveredFiles = {
    "enaapx",    "enapt.txt", "enhlp.rtf", "enift.txt", "svnfn.txt", "enksn.txt", "enkvt.txt",
    "enlen",     "ennfn.txt", "ennst.txt", "Ocf",       "svaapx",    "svapt.txt", "svhlp.rtf",
    "svift.txt", "svksn.txt", "svkvt.txt", "svlen",     "svnst.txt"};

class DataFolder {
public:
    DataFolder() {
        std::random_device random;
        const auto tag = std::to_string(random()) + std::to_string(random());
        path_ = std::filesystem::temp_directory_path() / ("lumra-fingerprint-" + tag);
        std::filesystem::create_directories(path_);
        for (const std::string_view name : kCoveredFiles) {
            Write(name, "");
        }
    }
    ~DataFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    void Write(std::string_view name, const std::string& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.close();
        ASSERT_TRUE(out) << "cannot write " << (path_ / name);
    }

    const std::filesystem::path& Path() const { return path_; }
    // The folder as the fingerprint functions take it, with its trailing slash.
    std::string Folder() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

// n copies of one byte value.
inline std::string Bytes(std::size_t n, unsigned char value) {
    return std::string(n, static_cast<char>(value));
}

// Files whose first stage is "100AFF" in each of the 9 rows: 256 zero bytes, 10 of 0x41 and 255
// of 0xFF per row, each file a whole number of rows long so that every row gets the same.
inline void WriteHexSample(const DataFolder& folder) {
    folder.Write("enaapx", Bytes(9 * 256, 0x00));
    folder.Write("enapt.txt", Bytes(9 * 10, 0x41));
    folder.Write("enhlp.rtf", Bytes(9 * 255, 0xFF));
}

// Stage two of "100AFF" x 9 (54 characters over 12 rows): row r always sees character r % 6,
// rows 0 to 5 five times, rows 6 to 11 four times.
inline constexpr std::string_view kHexSampleFingerprint = "555555444444";

} // namespace lumra::test
