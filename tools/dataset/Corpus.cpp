#include "dataset/Corpus.h"

#include "SuraTable.h"
#include "dataset/TextRules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lumra::dataset {

namespace {

using Address = std::pair<int, int>;

// First verse of each of the 30 parts.
constexpr std::array<Address, 30> kPartStarts = {{
    {1, 1},   {2, 142}, {2, 253}, {3, 93},  {4, 24},  {4, 148}, {5, 82},  {6, 111},
    {7, 88},  {8, 41},  {9, 93},  {11, 6},  {12, 53}, {15, 1},  {17, 1},  {18, 75},
    {21, 1},  {23, 1},  {25, 21}, {27, 56}, {29, 46}, {33, 31}, {36, 28}, {39, 32},
    {41, 47}, {46, 1},  {51, 31}, {58, 1},  {67, 1},  {78, 1},
}};

constexpr std::array<Address, 15> kProstrations = {{
    {7, 206},
    {13, 15},
    {16, 50},
    {17, 109},
    {19, 58},
    {22, 18},
    {22, 77},
    {25, 60},
    {27, 26},
    {32, 15},
    {38, 24},
    {41, 38},
    {53, 62},
    {84, 21},
    {96, 19},
}};

// Verses of sura 9 that the sura table does not number.
constexpr int kSura9 = 9;
constexpr int kSura9Extra = 2;

std::string Place(const Language& lang, int sura, int verse) {
    return std::string(lang.code) + " " + std::to_string(sura) + ":" + std::to_string(verse);
}

int Position(int sura, int verse) {
    return PositionOf(static_cast<std::int16_t>(sura), static_cast<std::int16_t>(verse));
}

void SortByPosition(std::vector<NumberedLine>& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const NumberedLine& a, const NumberedLine& b) {
        return Position(a.sura, a.verse) < Position(b.sura, b.verse);
    });
}

} // namespace

Corpus BuildCorpus(const SourceText& source, const Language& lang, TextLog& log) {
    if (source.suras.size() != static_cast<std::size_t>(kSuraCount)) {
        throw DataError(std::string(lang.code) + ": the source does not have 114 suras");
    }
    for (int s = 1; s <= kSuraCount; ++s) {
        const std::size_t expected =
            static_cast<std::size_t>(kSuras.VerseCount[s]) + (s == kSura9 ? kSura9Extra : 0);
        const std::size_t got = source.suras[static_cast<std::size_t>(s - 1)].verses.size();
        if (got != expected) {
            throw DataError(std::string(lang.code) + ": sura " + std::to_string(s) + " has " +
                            std::to_string(got) + " verses in the source, expected " +
                            std::to_string(expected));
        }
    }

    Corpus corpus;
    corpus.verses.reserve(kPositionCount);
    const std::string& openingSource = source.suras[0].verses[0];
    for (int s = 1; s <= kSuraCount; ++s) {
        const SourceSura& sura = source.suras[static_cast<std::size_t>(s - 1)];
        if (kSuras.HasOpening[s] != 0) {
            corpus.verses.push_back(
                EncodeLine(openingSource, TextUse::Line, log, Place(lang, s, 0)));
        }
        for (int v = 1; v <= kSuras.VerseCount[s]; ++v) {
            corpus.verses.push_back(EncodeLine(sura.verses[static_cast<std::size_t>(v - 1)],
                                               TextUse::Line, log, Place(lang, s, v)));
        }

        const std::string where = std::string(lang.code) + " name of sura " + std::to_string(s);
        corpus.suraNames.push_back(EncodeLine(sura.name, TextUse::Line, log, where) + " (" +
                                   EncodeLine(sura.transliteration, TextUse::Line, log, where) +
                                   ")");
        corpus.subtitles.push_back(
            {s, FirstVerse(s),
             EncodeLine(sura.name, TextUse::Markup, log, where) + "_" +
                 EncodeLine(sura.transliteration, TextUse::Markup, log, where)});
    }

    for (std::size_t i = 0; i < kPartStarts.size(); ++i) {
        const auto [s, v] = kPartStarts[i];
        if (v == FirstVerse(s)) {
            continue; // the sura's own subtitle opens the part
        }
        const std::string title = std::string(lang.words.part) + std::to_string(i + 1);
        corpus.subtitles.push_back({s, v, EncodeLine(title, TextUse::Markup, log, lang.code)});
    }
    SortByPosition(corpus.subtitles);

    // The two verses the table does not number go into the footnote of the sura's last verse.
    const int last9 = kSuras.VerseCount[kSura9];
    std::string note = EncodeLine(lang.words.sura9Note, TextUse::Markup, log, lang.code);
    for (int v = last9 + 1; v <= last9 + kSura9Extra; ++v) {
        note += "_[" + std::to_string(kSura9) + ":" + std::to_string(v) + "] " +
                EncodeLine(source.suras[kSura9 - 1].verses[static_cast<std::size_t>(v - 1)],
                           TextUse::Markup, log, Place(lang, kSura9, v));
    }
    corpus.footnotes.push_back({kSura9, last9, std::move(note)});
    const std::string prostration =
        EncodeLine(lang.words.prostration, TextUse::Markup, log, lang.code);
    for (const auto& [s, v] : kProstrations) {
        corpus.footnotes.push_back({s, v, prostration});
    }
    SortByPosition(corpus.footnotes);
    return corpus;
}

} // namespace lumra::dataset
