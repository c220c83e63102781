#pragma once
// For the build tools that write a header from the data set: the header is replaced only when
// its text changes (so an unchanged data set recompiles nothing), through a temporary file and
// a rename (so a compiler never sees half a header).

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace lumra::tools {

inline bool WriteHeaderIfChanged(const std::filesystem::path& path, const std::string& text) {
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            const std::string current{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
            if (!in.bad() && current == text) {
                return true;
            }
        }
    }
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

} // namespace lumra::tools
