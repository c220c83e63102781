#include "companion/CompanionText.h"

#include "companion/CompanionFormat.h"
#include "corpus/DataFile.h"
#include "text/Utf8.h"

namespace lumra {

namespace {

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
