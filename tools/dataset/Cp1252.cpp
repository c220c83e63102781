#include "dataset/Cp1252.h"

#include <array>

#include "text/Cp1252Table.h"
#include "text/Utf8.h"

namespace lumra::dataset {

void TextLog::Record(char32_t ch, Change change, std::string_view replacement,
                     std::string_view place) {
    auto& entry = entries_[{ch, change}];
    if (entry.count == 0) {
        entry.change = change;
        entry.replacement = std::string(replacement);
        entry.firstPlace = std::string(place);
    }
    ++entry.count;
}

long TextLog::CountOf(char32_t ch) const {
    long n = 0;
    for (const auto& [key, entry] : entries_) {
        if (key.first == ch) {
            n += entry.count;
        }
    }
    return n;
}

long TextLog::Total() const {
    long n = 0;
    for (const auto& [key, entry] : entries_) {
        n += entry.count;
    }
    return n;
}

std::optional<std::u32string> DecodeUtf8(std::string_view utf8, std::size_t* errorOffset) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Step step = DecodeUtf8At(utf8, i);
        if (step.length == 0) {
            if (errorOffset != nullptr) {
                *errorOffset = i;
            }
            return std::nullopt;
        }
        out.push_back(step.codePoint);
        i += step.length;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t cp : text) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

namespace {

// Base letters of U+0100..U+017F (Latin Extended-A), one per character.
constexpr std::string_view kLatinExtendedA = "AaAaAaCcCcCcCcDd"
                                             "DdEeEeEeEeEeGgGg"
                                             "GgGgHhHhIiIiIiIi"
                                             "IiIiJjKkkLlLlLlL"
                                             "lLlNnNnNnnNnOoOo"
                                             "OoOoRrRrRrSsSsSs"
                                             "SsTtTtTtUuUuUuUu"
                                             "UuUuWwYyYZzZzZzs";
static_assert(kLatinExtendedA.size() == 0x80);

struct Fallback {
    char32_t ch;
    std::string_view ascii;
};

// Letters with dots and bars below, as transliterations use them, and common punctuation.
constexpr std::array<Fallback, 48> kFallbacks = {{
    {0x1E0C, "D"}, {0x1E0D, "d"},  {0x1E0E, "D"}, {0x1E0F, "d"}, {0x1E24, "H"}, {0x1E25, "h"},
    {0x1E2A, "H"}, {0x1E2B, "h"},  {0x1E32, "K"}, {0x1E33, "k"}, {0x1E42, "M"}, {0x1E43, "m"},
    {0x1E44, "N"}, {0x1E45, "n"},  {0x1E46, "N"}, {0x1E47, "n"}, {0x1E5A, "R"}, {0x1E5B, "r"},
    {0x1E62, "S"}, {0x1E63, "s"},  {0x1E6C, "T"}, {0x1E6D, "t"}, {0x1E6E, "T"}, {0x1E6F, "t"},
    {0x1E92, "Z"}, {0x1E93, "z"},  {0x1E94, "Z"}, {0x1E95, "z"}, {0x1E96, "h"}, {0x1E97, "t"},
    {0x02BB, "'"}, {0x02BC, "'"},  {0x02BE, "'"}, {0x02BF, "'"}, {0x2010, "-"}, {0x2011, "-"},
    {0x2012, "-"}, {0x2015, "-"},  {0x2212, "-"}, {0x2043, "-"}, {0x201B, "'"}, {0x201F, "\""},
    {0x2032, "'"}, {0x2033, "\""}, {0x2044, "/"}, {0x2215, "/"}, {0x2024, "."}, {0x2027, "."},
}};

} // namespace

std::optional<std::uint8_t> Cp1252Byte(char32_t ch) {
    // The data files never hold a C1 control, not even as an unassigned byte.
    if (ch >= 0x80 && ch < 0xA0) {
        return std::nullopt;
    }
    return Cp1252ByteOf(ch);
}

char32_t Cp1252Char(std::uint8_t byte) {
    return IsUnassignedCp1252(byte) ? char32_t{0xFFFD} : Cp1252Character(byte);
}

std::string_view AsciiFallback(char32_t ch) {
    if (ch >= 0x100 && ch <= 0x17F) {
        return kLatinExtendedA.substr(ch - 0x100, 1);
    }
    for (const auto& f : kFallbacks) {
        if (f.ch == ch) {
            return f.ascii;
        }
    }
    if ((ch >= 0x2000 && ch <= 0x200A) || ch == 0x202F || ch == 0x205F || ch == 0x3000) {
        return " ";
    }
    if ((ch >= 0x200B && ch <= 0x200F) || ch == 0x2060 || ch == 0xFEFF ||
        (ch >= 0x0300 && ch <= 0x036F)) {
        return "";
    }
    return "?";
}

void AppendCp1252(std::string& out, char32_t ch, TextLog& log, std::string_view place) {
    if (const auto byte = Cp1252Byte(ch)) {
        out.push_back(static_cast<char>(*byte));
        return;
    }
    const std::string_view fallback = AsciiFallback(ch);
    out.append(fallback);
    log.Record(ch, Change::NotInCp1252, fallback, place);
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        text.push_back(Cp1252Char(static_cast<std::uint8_t>(c)));
    }
    return EncodeUtf8(text);
}

} // namespace lumra::dataset
