#include "export/ExportNames.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "text/Cp1252Table.h"

namespace lumra {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Code points of a UTF-8 name. A byte that does not start a valid sequence stands for itself,
// above the Unicode range, so that it only ever equals the same byte.
std::vector<char32_t> CodePoints(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int length = 0;
        char32_t c = 0;
        if (b < 0x80) {
            length = 1;
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            length = 2;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4;
            c = b & 0x07;
        }
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= s.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (valid) {
            out.push_back(c);
            i += static_cast<std::size_t>(length);
        } else {
            out.push_back(0x110000 + b);
            ++i;
        }
    }
    return out;
}

char32_t FoldCase(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    switch (c) {
    case 0x0160: // Š
    case 0x0152: // Œ
    case 0x017D: // Ž
        return c + 1;
    case 0x0178: // Ÿ
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool IsUsableFileName(std::string_view typed) {
    const std::string name = TrimSpaces(typed);
    return !name.empty() && name.find_first_of(kForbiddenNameCharacters) == std::string::npos;
}

std::string FullFileName(std::string_view typed, bool richText) {
    std::string name = TrimSpaces(typed);
    const std::string_view extension = richText ? ".rtf" : ".txt";
    bool hasExtension = name.size() >= extension.size();
    for (std::size_t k = 0; hasExtension && k < extension.size(); ++k) {
        char c = name[name.size() - extension.size() + k];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        hasExtension = c == extension[k];
    }
    if (!hasExtension) {
        name += extension;
    }
    return name;
}

std::string FolderPath(std::string_view folder) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        // An unassigned byte keeps its own value, as a C1 control.
        AppendUtf8(out, Cp1252Character(static_cast<std::uint8_t>(ch)));
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char32_t c : CodePoints(utf8)) {
        const auto byte = Cp1252ByteOf(c);
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    const auto x = CodePoints(a);
    const auto y = CodePoints(b);
    if (x.size() != y.size()) {
        return false;
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (FoldCase(x[i]) != FoldCase(y[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> FindExistingFile(const std::string& folderPath,
                                            const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder(folderPath);
    // Only a regular file is one the reader can lose, and a link to one reads as that file;
    // a dangling link or a link to anything else is no file.
    if (fs::is_regular_file(fs::status(folder / name, ec))) {
        return name;
    }
    fs::directory_iterator it(folder, ec);
    if (ec) {
        return std::nullopt;
    }
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            return std::nullopt;
        }
        std::error_code statusError;
        if (!fs::is_regular_file(it->status(statusError))) {
            continue;
        }
        const std::string entry = it->path().filename().string();
        if (SameNameIgnoringCase(entry, name)) {
            return entry;
        }
    }
    return std::nullopt;
}

} // namespace lumra
