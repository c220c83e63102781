// The companion files: how the builder lays the original and its transliteration over the
// verse positions, and what the reader makes of the files this build wrote.

#include "SuraTable.h"
#include "SyntheticDataSet.h"
#include "SyntheticSource.h"
#include "companion/CompanionFormat.h"
#include "companion/CompanionText.h"
#include "dataset/Companion.h"
#include "dataset/TextRules.h"
#include "lumra/ExpectedCompanion.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>

namespace lumra {
namespace {

using dataset::VerseTexts;

VerseTexts SyntheticVerses() {
    VerseTexts texts;
    for (const dataset::SourceSura& s : dataset::testing::MakeSource("ar").suras) {
        texts.push_back(s.verses);
    }
    return texts;
}

std::vector<std::string> LfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = bytes.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

TEST(CompanionBuilder, LaysTheSourceOverThePositionsAsTheTranslationsAre) {
    const std::string file = dataset::CompanionFile(SyntheticVerses(), "quran.json");
    ASSERT_TRUE(file.ends_with("ar 114:6\n"));
    EXPECT_EQ(file.find('\r'), std::string::npos);
    const std::vector<std::string> lines = LfLines(file);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kPositionCount));
    EXPECT_EQ(lines[PositionOf(2, 0) - 1], "ar 1:1");
    EXPECT_EQ(lines[PositionOf(114, 0) - 1], "ar 1:1");
    EXPECT_EQ(lines[PositionOf(2, 255) - 1], "ar 2:255");
    EXPECT_EQ(lines[PositionOf(9, 127) - 1], "ar 9:127 [9:128] ar 9:128 [9:129] ar 9:129");
    EXPECT_EQ(lines[PositionOf(10, 1) - 1], "ar 10:1");
}

TEST(CompanionBuilder, RefusesASourceOfAnotherNumbering) {
    const std::vector<std::function<void(VerseTexts&)>> damage = {
        [](VerseTexts& t) { t[1].pop_back(); },           // sura 2 one short
        [](VerseTexts& t) { t[8].pop_back(); },           // sura 9 with 128, as the table has not
        [](VerseTexts& t) { t[113].push_back("extra"); }, // sura 114 one more
        [](VerseTexts& t) { t.pop_back(); },              // 113 suras
        [](VerseTexts& t) { t[2][3] = " \n"; },           // an empty verse
    };
    for (std::size_t i = 0; i < damage.size(); ++i) {
        VerseTexts texts = SyntheticVerses();
        damage[i](texts);
        EXPECT_THROW(dataset::CompanionFile(texts, "quran.json"), dataset::DataError) << i;
    }
}

// The texts as the source has them, verse by verse.
struct Source {
    const char* file;
    const char* field;
    std::string Verse(int sura, int verse) const {
        static const auto load = [](const char* name) {
            return nlohmann::json::parse(test::ReadFile(LUMRA_QURAN_JSON_DIR + std::string(name)));
        };
        static const nlohmann::json original = load("quran.json");
        static const nlohmann::json transliteration = load("quran_transliteration.json");
        const nlohmann::json& doc = std::string(field) == "text" ? original : transliteration;
        return doc.at(sura - 1).at("verses").at(verse - 1).at(field).get<std::string>();
    }
};

const CompanionText& Built() {
    static const std::optional<CompanionText> text =
        LoadCompanionText(LUMRA_BUILT_PROGRAM_DIR, kExpectedCompanion);
    if (!text) {
        ADD_FAILURE() << "the built companion files do not load";
        static const CompanionText empty;
        return empty;
    }
    return *text;
}

class BuiltCompanion : public ::testing::TestWithParam<Source> {
protected:
    const std::vector<std::string>& Lines() const {
        return std::string(GetParam().field) == "text" ? Built().original : Built().transliteration;
    }
    std::string At(int sura, int verse) const {
        return Lines()[static_cast<std::size_t>(
            PositionOf(static_cast<std::int16_t>(sura), static_cast<std::int16_t>(verse)))];
    }
};

TEST_P(BuiltCompanion, LinesAreTheSourcesAtTheirPositions) {
    const Source& src = GetParam();
    EXPECT_EQ(At(1, 1), src.Verse(1, 1));
    EXPECT_EQ(At(2, 255), src.Verse(2, 255));
    EXPECT_EQ(At(114, 6), src.Verse(114, 6));
    EXPECT_EQ(At(9, 127), src.Verse(9, 127) + " [9:128] " + src.Verse(9, 128) + " [9:129] " +
                              src.Verse(9, 129));
    int openings = 0;
    for (int s = 2; s <= kSuraCount; ++s) {
        if (kSuras.HasOpening[s] != 0) {
            EXPECT_EQ(At(s, 0), src.Verse(1, 1)) << s;
            ++openings;
        }
    }
    EXPECT_EQ(openings, 112);
}

INSTANTIATE_TEST_SUITE_P(Files, BuiltCompanion,
                         ::testing::Values(Source{"quran.json", "text"},
                                           Source{"quran_transliteration.json",
                                                  "transliteration"}));

TEST(CompanionShown, EveryNumberedVerseEndsInItsSignAndArabicIndicNumber) {
    const Source ar{"quran.json", "text"};
    const Source tr{"quran_transliteration.json", "transliteration"};
    // U+06DD, then the digits U+0660 .. U+0669.
    const std::string end = "\xDB\x9D";
    const std::string d1 = "\xD9\xA1", d2 = "\xD9\xA2", d4 = "\xD9\xA4", d5 = "\xD9\xA5",
                      d6 = "\xD9\xA6", d7 = "\xD9\xA7", d8 = "\xD9\xA8", d9 = "\xD9\xA9";
    struct Case {
        int sura, verse;
        std::string original;
    };
    const std::vector<Case> cases = {
        {1, 1, ar.Verse(1, 1) + " " + end + d1},
        {2, 0, ar.Verse(1, 1)},
        {114, 0, ar.Verse(1, 1)},
        {2, 255, ar.Verse(2, 255) + " " + end + d2 + d5 + d5},
        {9, 127,
         ar.Verse(9, 127) + " " + end + d1 + d2 + d7 + " " + ar.Verse(9, 128) + " " + end + d1 +
             d2 + d8 + " " + ar.Verse(9, 129) + " " + end + d1 + d2 + d9},
        {114, 6, ar.Verse(114, 6) + " " + end + d6},
        {2, 4, ar.Verse(2, 4) + " " + end + d4},
    };
    for (const Case& c : cases) {
        const int p =
            PositionOf(static_cast<std::int16_t>(c.sura), static_cast<std::int16_t>(c.verse));
        EXPECT_EQ(OriginalShown(Built(), p), c.original) << c.sura << ":" << c.verse;
    }
    EXPECT_EQ(TransliterationShown(Built(), PositionOf(2, 255)), tr.Verse(2, 255));
    EXPECT_EQ(TransliterationShown(Built(), PositionOf(9, 127)),
              tr.Verse(9, 127) + " [9:128] " + tr.Verse(9, 128) + " [9:129] " + tr.Verse(9, 129));
    for (const int outside : {0, -1, kPositionCount + 1}) {
        EXPECT_EQ(OriginalShown(Built(), outside), "");
        EXPECT_EQ(TransliterationShown(Built(), outside), "");
    }
}

// A file that is not the one the build wrote withdraws the companion, whether its digest gives
// it away or (with the digest made to match) its shape does.
TEST(CompanionLoad, RefusesAnAlteredMissingOrMisshapenFile) {
    const std::string original =
        test::ReadFile(LUMRA_BUILT_PROGRAM_DIR + std::string(kOriginalFileName));
    const std::string translit =
        test::ReadFile(LUMRA_BUILT_PROGRAM_DIR + std::string(kTransliterationFileName));
    ASSERT_TRUE(ParseCompanionText(original, translit, kExpectedCompanion).has_value());

    std::string altered = original;
    altered[100] = static_cast<char>(altered[100] ^ 1);
    EXPECT_FALSE(ParseCompanionText(altered, translit, kExpectedCompanion));
    EXPECT_FALSE(ParseCompanionText(original, translit, {}));
    EXPECT_FALSE(ParseCompanionText(original, translit + "x", kExpectedCompanion));

    std::string crlf = translit;
    crlf.insert(crlf.find('\n'), "\r");
    std::string shortOne = translit.substr(0, translit.size() - 1); // last line unended
    std::string extra = translit + "one more\n";
    std::string blank = translit;
    blank.insert(blank.find('\n') + 1, "\n");
    blank.erase(blank.rfind('\n', blank.size() - 2) + 1); // still 6346 lines, one empty
    std::string bom = "\xEF\xBB\xBF" + translit;
    std::string invalid = translit;
    invalid[0] = '\xC0';
    for (const std::string* bad : {&crlf, &shortOne, &extra, &blank, &bom, &invalid}) {
        const CompanionExpected matching{kExpectedCompanion.original, CompanionDigest(*bad)};
        EXPECT_FALSE(ParseCompanionText(original, *bad, matching)) << bad->substr(0, 20);
    }

    test::TempFolder folder;
    test::WriteFile(folder.Path() + kOriginalFileName, original);
    EXPECT_FALSE(LoadCompanionText(folder.Path(), kExpectedCompanion));
    test::WriteFile(folder.Path() + kTransliterationFileName, translit);
    EXPECT_TRUE(LoadCompanionText(folder.Path(), kExpectedCompanion));
}

} // namespace
} // namespace lumra
