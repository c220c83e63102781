#include "companion/CompanionText.h"

#include "companion/CompanionFormat.h"
#include "corpus/DataFile.h"

namespace lumra {

namespace {

// Strict UTF-8: no overlong form, no surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        char32_t c = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            c = b & 0x07;
        } else {
            return false;
        }
        if (bytes.size() - i < static_cast<std::size_t>(length)) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

// Exactly one line per position, each ended by LF; a CR, a byte-order mark or an empty line
// means the file is not one the builder wrote.
bool SplitPositions(std::string_view bytes, std::vector<std::string>& lines) {
    if (bytes.starts_with("\xEF\xBB\xBF") || bytes.find('\r') != std::string_view::npos ||
        !IsValidUtf8(bytes)) {
        return false;
    }
    std::size_t start = 0;
    for (int p = 1; p <= kPositionCount; ++p) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos || end == start) {
            return false;
        }
        lines[static_cast<std::size_t>(p)] = std::string(bytes.substr(start, end - start));
        start = end + 1;
    }
    return start == bytes.size();
}

void AppendVerseEnd(std::string& out, int verse) {
    out += "\xDB\x9D"; // U+06DD
    const std::string digits = std::to_string(verse);
    for (const char d : digits) {
        // U+0660 .. U+0669: D9 A0 .. D9 A9.
        out += '\xD9';
        out += static_cast<char>(0xA0 + (d - '0'));
    }
}

const std::string* LineAt(const std::vector<std::string>& lines, int position) {
    if (!IsValidPosition(position) || lines.size() <= static_cast<std::size_t>(position)) {
        return nullptr;
    }
    return &lines[static_cast<std::size_t>(position)];
}

} // namespace

std::string OriginalShown(const CompanionText& text, int position) {
    const std::string* line = LineAt(text.original, position);
    if (line == nullptr) {
        return {};
    }
    const auto p = static_cast<std::int16_t>(position);
    const int sura = SuraOfPosition(p);
    const int verse = VerseOfPosition(p);
    if (verse == 0) {
        return *line;
    }
    std::string out;
    std::size_t start = 0;
    int number = verse;
    if (sura == kFoldedSura && verse == kFoldedFirstVerse - 1) {
        for (int f = kFoldedFirstVerse; f < kFoldedFirstVerse + kFoldedVerseCount; ++f) {
            const std::string mark = FoldedVerseMark(f);
            const std::size_t at = line->find(mark, start);
            if (at == std::string::npos) {
                break;
            }
            out.append(*line, start, at - start);
            out += ' ';
            AppendVerseEnd(out, number);
            out += ' ';
            start = at + mark.size();
            number = f;
        }
    }
    out.append(*line, start, std::string::npos);
    out += ' ';
    AppendVerseEnd(out, number);
    return out;
}

std::string TransliterationShown(const CompanionText& text, int position) {
    // The file already carries the marks of the further verses.
    const std::string* line = LineAt(text.transliteration, position);
    return line == nullptr ? std::string() : *line;
}

std::optional<CompanionText> ParseCompanionText(std::string_view original,
                                                std::string_view transliteration,
                                                const CompanionExpected& expected) {
    if (expected.original == 0 || expected.transliteration == 0 ||
        CompanionDigest(original) != expected.original ||
        CompanionDigest(transliteration) != expected.transliteration) {
        return std::nullopt;
    }
    CompanionText text;
    if (!SplitPositions(original, text.original) ||
        !SplitPositions(transliteration, text.transliteration)) {
        return std::nullopt;
    }
    return text;
}

std::optional<CompanionText> LoadCompanionText(const std::string& programFolder,
                                               const CompanionExpected& expected) {
    const std::optional<std::string> original = ReadWholeFile(programFolder + kOriginalFileName);
    if (!original) {
        return std::nullopt;
    }
    const std::optional<std::string> transliteration =
        ReadWholeFile(programFolder + kTransliterationFileName);
    if (!transliteration) {
        return std::nullopt;
    }
    return ParseCompanionText(*original, *transliteration, expected);
}

} // namespace lumra
