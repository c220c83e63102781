// Laying the source over the verse positions, the figures and the generated appendices, on a
// synthetic source whose every text names its own verse.

#include "dataset/Corpus.h"
#include "SuraTable.h"
#include "SyntheticSource.h"
#include "dataset/Appendices.h"
#include "dataset/Figures.h"
#include "dataset/TextRules.h"
#include "dataset/Writers.h"

#include <gtest/gtest.h>

#include <set>

namespace lumra::dataset {
namespace {

using testing::MakeSource;

const NumberedLine* LineAt(const std::vector<NumberedLine>& lines, int sura, int verse) {
    for (const auto& l : lines) {
        if (l.sura == sura && l.verse == verse) {
            return &l;
        }
    }
    return nullptr;
}

TEST(CorpusLayout, EveryPositionGetsItsVerseAndNoSourceVerseIsLost) {
    TextLog log;
    const Corpus c = BuildCorpus(MakeSource("en"), kEnglish, log);
    ASSERT_EQ(c.verses.size(), static_cast<std::size_t>(kPositionCount));
    EXPECT_EQ(c.verses[PositionOf(2, 255) - 1], "en 2:255");
    EXPECT_EQ(c.verses[PositionOf(9, 1) - 1], "en 9:1");
    EXPECT_EQ(c.verses[PositionOf(9, 127) - 1], "en 9:127");
    EXPECT_EQ(c.verses[PositionOf(10, 1) - 1], "en 10:1");
    EXPECT_EQ(c.verses[kPositionCount - 1], "en 114:6");

    std::set<std::string> seen;
    for (int p = 1; p <= kPositionCount; ++p) {
        const int s = SuraOfPosition(static_cast<std::int16_t>(p));
        const int v = VerseOfPosition(static_cast<std::int16_t>(p));
        // Every unnumbered opening reads as the first verse of the first sura.
        const std::string expected =
            v == 0 ? "en 1:1" : "en " + std::to_string(s) + ":" + std::to_string(v);
        ASSERT_EQ(c.verses[static_cast<std::size_t>(p - 1)], expected) << p;
        seen.insert(expected);
    }
    // The two verses the table does not number are carried by the footnote of 9:127.
    const NumberedLine* note = LineAt(c.footnotes, 9, 127);
    ASSERT_NE(note, nullptr);
    EXPECT_NE(note->text.find("_[9:128] en 9:128_[9:129] en 9:129"), std::string::npos);
    EXPECT_TRUE(note->text.starts_with("Many editions"));
    EXPECT_EQ(seen.size() + 2, 6236u);
    EXPECT_EQ(log.Total(), 0);
}

TEST(CorpusLayout, SubtitlesOpenEverySuraAndEveryPartInPositionOrder) {
    TextLog log;
    const Corpus c = BuildCorpus(MakeSource("sv"), kSwedish, log);
    EXPECT_EQ(c.subtitles.size(), 114u + 29u);
    ASSERT_NE(LineAt(c.subtitles, 1, 1), nullptr);
    EXPECT_EQ(LineAt(c.subtitles, 1, 1)->text, "sv name 1_Al-1");
    EXPECT_EQ(LineAt(c.subtitles, 2, 0)->text, "sv name 2_Al-2");
    EXPECT_EQ(LineAt(c.subtitles, 9, 1)->text, "sv name 9_Al-9");
    EXPECT_EQ(LineAt(c.subtitles, 9, 0), nullptr);
    // 15:1 follows the opening of sura 15, so the part gets its own subtitle.
    ASSERT_NE(LineAt(c.subtitles, 15, 1), nullptr);
    EXPECT_EQ(LineAt(c.subtitles, 15, 1)->text, "Del 14");
    EXPECT_EQ(LineAt(c.subtitles, 15, 0)->text, "sv name 15_Al-15");
    EXPECT_EQ(LineAt(c.subtitles, 2, 142)->text, "Del 2");
    EXPECT_EQ(LineAt(c.subtitles, 78, 1)->text, "Del 30");
    int previous = 0;
    for (const auto& l : c.subtitles) {
        const int p =
            PositionOf(static_cast<std::int16_t>(l.sura), static_cast<std::int16_t>(l.verse));
        EXPECT_GT(p, previous) << l.sura << ":" << l.verse;
        previous = p;
    }
    EXPECT_EQ(c.suraNames.size(), 114u);
    EXPECT_EQ(c.suraNames[1], "sv name 2 (Al-2)");
}

TEST(CorpusLayout, ProstrationVersesCarryAFootnote) {
    TextLog log;
    const Corpus c = BuildCorpus(MakeSource("en"), kEnglish, log);
    EXPECT_EQ(c.footnotes.size(), 16u);
    for (const auto& [s, v] : {std::pair{7, 206}, {13, 15}, {32, 15}, {96, 19}}) {
        const NumberedLine* l = LineAt(c.footnotes, s, v);
        ASSERT_NE(l, nullptr) << s << ":" << v;
        EXPECT_NE(l->text.find("prostration"), std::string::npos);
    }
    // 7:206 comes before the note on 9:127.
    EXPECT_EQ(c.footnotes[0].sura, 7);
    EXPECT_EQ(c.footnotes[1].sura, 9);
}

TEST(CorpusLayout, SourceOfAnotherNumberingIsRefused) {
    TextLog log;
    SourceText source = MakeSource("en");
    source.suras[1].verses.pop_back();
    EXPECT_THROW(BuildCorpus(source, kEnglish, log), DataError);
    source = MakeSource("en");
    source.suras[8].verses.pop_back(); // sura 9 with 128 verses
    EXPECT_THROW(BuildCorpus(source, kEnglish, log), DataError);
    source.suras.pop_back();
    EXPECT_THROW(BuildCorpus(source, kEnglish, log), DataError);
}

TEST(CorpusLayout, SourceTextThatWouldBreakALineOrAPageIsMadeHarmless) {
    TextLog log;
    SourceText source = MakeSource("en");
    source.suras[0].name = "Open_er {x}";
    source.suras[1].verses[0] = "line\nbreak \\par";
    const Corpus c = BuildCorpus(source, kEnglish, log);
    EXPECT_EQ(c.verses[PositionOf(2, 1) - 1], "line break /par");
    EXPECT_EQ(LineAt(c.subtitles, 1, 1)->text, "Open-er (x)_Al-1");
    EXPECT_EQ(c.suraNames[0], "Open_er (x) (Al-1)");
    EXPECT_EQ(log.CountOf(U'_'), 1);
    EXPECT_EQ(log.CountOf(U'\n'), 1);
}

TEST(VerseFigures, CountNumberedVersesAndSumTheirNumbers) {
    const std::vector<VerseFigures> f = ComputeFigures();
    ASSERT_EQ(f.size(), static_cast<std::size_t>(kPositionCount));
    long expectedSum = 0;
    for (int s = 1; s <= kSuraCount; ++s) {
        expectedSum += static_cast<long>(kSuras.VerseCount[s]) * (kSuras.VerseCount[s] + 1) / 2;
    }
    EXPECT_EQ(f.back().first, kNumberedVerseCount);
    EXPECT_EQ(f.back().second, expectedSum);
    EXPECT_EQ(f[0].first, 1);
    EXPECT_EQ(f[0].second, 1);
    EXPECT_EQ(f[6].second, 28); // 1 + ... + 7
    // The opening of sura 2 has no number and adds nothing.
    EXPECT_EQ(f[7].first, 0);
    EXPECT_EQ(f[7].second, 28);
    EXPECT_EQ(f[8].first, 8);
    EXPECT_EQ(f[8].second, 29);
    const std::string bytes = FiguresFile(f);
    ASSERT_EQ(bytes.size(), f.size() * 6);
    // 2:1 is record 9: first figure 8, second 29, little-endian.
    EXPECT_EQ(bytes.substr(8 * 6, 6), std::string("\x08\x00\x1d\x00\x00\x00", 6));
}

TEST(GeneratedAppendices, DescribeThreeSurasEach) {
    TextLog log;
    const std::vector<Appendix> en = GenerateAppendices(MakeSource("en"), kEnglish, log);
    ASSERT_EQ(en.size(), 38u);
    EXPECT_EQ(en[0].title, "Suras 1\x96"
                           "3");
    EXPECT_EQ(en[37].title, "Suras 112\x96"
                            "114");
    const std::string& first = en[0].text;
    EXPECT_TRUE(first.starts_with("Sura 1: en name 1 (Al-1)\r\nVerses: 7\r\n"
                                  "Place in the order of revelation: 5\r\n"
                                  "Opens with initial letters: no\r\nVerse 1: en 1:1\r\n"));
    EXPECT_NE(first.find("Sura 2: en name 2 (Al-2)\r\nVerses: 286\r\n"
                         "Place in the order of revelation: 87\r\n"
                         "Opens with initial letters: yes (3 letters)\r\n"),
              std::string::npos);
    EXPECT_NE(first.find("Sura 3:"), std::string::npos);
    EXPECT_EQ(first.find("Sura 4:"), std::string::npos);
    EXPECT_FALSE(first.ends_with("\n"));
    EXPECT_NE(en[12].text.find("Sura 38: en name 38 (Al-38)\r\nVerses: 88\r\n"
                               "Place in the order of revelation: 38\r\n"
                               "Opens with initial letters: yes (1 letter)"),
              std::string::npos);

    SourceText source = MakeSource("sv");
    source.suras[3].name = "K\xc3\xa5{r}";
    const std::vector<Appendix> sv = GenerateAppendices(source, kSwedish, log);
    ASSERT_EQ(sv.size(), 38u);
    EXPECT_EQ(sv[1].title, "Surorna 4\x96"
                           "6");
    EXPECT_TRUE(sv[1].text.starts_with("{\\rtf1\\ansi"));
    EXPECT_TRUE(sv[1].text.ends_with("}"));
    EXPECT_NE(sv[1].text.find("{\\b\\cf4 Sura 4: K\\'e5\\{r\\} (Al-4)}\\par"), std::string::npos);
    EXPECT_NE(sv[1].text.find("Inleds med begynnelsebokst\\'e4ver: nej\\par"), std::string::npos);
    EXPECT_EQ(log.Total(), 0);
}

TEST(HelpFile, EndsWithAByteTheReaderMayDrop) {
    EXPECT_EQ(HelpFile("{\\rtf1 x}"), "{\\rtf1 x}\r\n");
    EXPECT_EQ(HelpFile("{\\rtf1 x}\r\n\r\n  \n"), "{\\rtf1 x}\r\n");
}

} // namespace
} // namespace lumra::dataset
