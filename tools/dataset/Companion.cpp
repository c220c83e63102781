#include "dataset/Companion.h"

#include "SuraTable.h"
#include "companion/CompanionFormat.h"
#include "companion/CompanionText.h"
#include "dataset/TextRules.h"

namespace lumra::dataset {

namespace {

// A verse is one line: a control character (a line end among them) becomes a blank.
std::string OneLine(const std::string& text, std::string_view name, int sura, int verse) {
    std::string line = text;
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    if (line.find_first_not_of(' ') == std::string::npos) {
        throw DataError(std::string(name) + ": verse " + std::to_string(sura) + ":" +
                        std::to_string(verse) + " is empty");
    }
    return line;
}

} // namespace

std::string CompanionFile(const VerseTexts& source, std::string_view name) {
    if (source.size() != static_cast<std::size_t>(kSuraCount)) {
        throw DataError(std::string(name) + ": the source does not have 114 suras");
    }
    for (int s = 1; s <= kSuraCount; ++s) {
        const std::size_t expected = static_cast<std::size_t>(kSuras.VerseCount[s]) +
                                     (s == kFoldedSura ? kFoldedVerseCount : 0);
        const std::size_t got = source[static_cast<std::size_t>(s - 1)].size();
        if (got != expected) {
            throw DataError(std::string(name) + ": sura " + std::to_string(s) + " has " +
                            std::to_string(got) + " verses in the source, expected " +
                            std::to_string(expected));
        }
    }
    const std::string opening = OneLine(source[0][0], name, 1, 1);
    std::string out;
    for (int s = 1; s <= kSuraCount; ++s) {
        const std::vector<std::string>& verses = source[static_cast<std::size_t>(s - 1)];
        if (kSuras.HasOpening[s] != 0) {
            out += opening;
            out += '\n';
        }
        for (int v = 1; v <= kSuras.VerseCount[s]; ++v) {
            out += OneLine(verses[static_cast<std::size_t>(v - 1)], name, s, v);
            if (s == kFoldedSura && v == kSuras.VerseCount[s]) {
                for (int f = kFoldedFirstVerse; f < kFoldedFirstVerse + kFoldedVerseCount; ++f) {
                    out += FoldedVerseMark(f);
                    out += OneLine(verses[static_cast<std::size_t>(f - 1)], name, s, f);
                }
            }
            out += '\n';
        }
    }
    return out;
}

std::vector<OutputFile> BuildCompanionFiles(const std::filesystem::path& sourceDir) {
    const auto build = [&](const char* file, const char* field, const char* out) {
        const VerseTexts texts = ParseVerseTexts(ReadFile(sourceDir / file), file, field);
        return OutputFile{out, CompanionFile(texts, file)};
    };
    return {build("quran.json", "text", kOriginalFileName),
            build("quran_transliteration.json", "transliteration", kTransliterationFileName)};
}

} // namespace lumra::dataset
