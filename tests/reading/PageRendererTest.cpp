// The page documents of the reading pane, byte for byte, on the synthetic data set.

#include <gtest/gtest.h>

#include "SyntheticDataSet.h"
#include "corpus/CorpusLoader.h"
#include "documents/RtfVocabulary.h"
#include "reading/PageRenderer.h"

namespace lumra {
namespace {

using test::SyntheticDataSet;
using test::TempFolder;

// The fragments as the pages must carry them, written out here on purpose.
const std::string kHeader =
    "{\\rtf\\fs20\\b\\qc{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;"
    "\\red255\\green255\\blue255;\\red0\\green255\\blue255;\\red255\\green192\\blue255;}\\cf4 ";
const std::string kP = "\\par\\plain\\fs20\\cf2\\ql ";
const std::string kSecondLine = "\\par\\plain\\fs20\\b\\cf4\\qc ";
const std::string kRefOpen = "\\pard\\plain\\fs20\\cf3\\b ";
const std::string kRefClose = "\\pard\\plain\\cf2\\fs20 ";
const std::string kNoteOpen = "\\pard\\plain\\cf2\\fs20 ";
const std::string kHit12 = "\\pard\\plain\\fs20\\cf1\\b ";
const std::string kPlain23 = "\\pard\\plain\\cf2\\fs20 ";
const std::string kHit1 = "\\pard\\plain\\fs20\\cf1\\b\\qc ";
const std::string kPlain1 = "\\pard\\plain\\fs20\\cf4\\b\\qc ";

std::string Fs(std::string text, int size) {
    return rtf::ReplaceAll(text, "\\fs20", "\\fs" + std::to_string(size));
}

class PageRendering : public ::testing::Test {
protected:
    void SetUp() override {
        SyntheticDataSet::Write(folder.Path());
        LoadInterfaceTexts(state.texts, folder.Path() + "enift.txt");
        auto loaded = LoadCorpus(folder.Path(), "en", state.texts);
        ASSERT_TRUE(loaded.ok());
        state.corpus = std::move(*loaded.corpus);
        state.settings.viewFontSize = 20;
        state.settings.viewOptions = {0, 0, 0, 0};
        state.settings.compareMode = 1;
        state.styles = StartupHighlightStyles();
        state.layoutScale = 1.0f;
    }

    void Search(std::initializer_list<const char*> terms) {
        int n = 0;
        for (const char* t : terms) {
            state.search.terms[static_cast<std::size_t>(++n)].text = t;
        }
        state.search.termCount = n;
    }

    TempFolder folder;
    ReaderState state;
};

TEST_F(PageRendering, AVerseWithoutSubtitleOrFootnote) {
    const auto page = RenderPage(state, 2);
    EXPECT_EQ(page.pageRtf, kHeader + kP + kP + kRefOpen + "[1:2]" + kRefClose + kP +
                                "en verse 1:2 at 2" + kP + kP + " }");
    EXPECT_EQ(page.sura, 1);
    EXPECT_EQ(page.verse, 2);
    EXPECT_FALSE(page.hasFootnote);
    EXPECT_EQ(page.footnoteRtf, "");
    EXPECT_EQ(page.inlineFootnoteRtf, "");
    EXPECT_EQ(page.footnoteCaption, "en#101");
}

TEST_F(PageRendering, AnOpeningShowsVerseZeroAndASubtitleOfTwoLines) {
    const auto page = RenderPage(state, 8);
    EXPECT_EQ(page.pageRtf, kHeader + "en Sura 2" + kSecondLine + "second line" + kP + kRefOpen +
                                "[2:0]" + kRefClose + kP + "en verse 2:0 at 8" + kP + kP + " }");
}

TEST_F(PageRendering, OnlyTheFirstUnderscoreOfASubtitleSplitsIt) {
    state.corpus.subtitles.Set(static_cast<std::size_t>(state.corpus.links[8].subtitleLine),
                               "a_b_c");
    EXPECT_EQ(RenderPage(state, 8).pageRtf, kHeader + "a" + kSecondLine + "b_c" + kP + kRefOpen +
                                                "[2:0]" + kRefClose + kP + "en verse 2:0 at 8" +
                                                kP + kP + " }");
}

TEST_F(PageRendering, AOneLineSubtitleAndAFootnoteKeptOutOfThePane) {
    const int p = PositionOf(2, 142); // 150: subtitle "en part 2", footnote "en note 150"
    ASSERT_EQ(p, 150);
    state.settings.viewOptions[3] = 0;
    const auto page = RenderPage(state, p);
    EXPECT_EQ(page.pageRtf, kHeader + "en part 2" + kP + kP + kRefOpen + "[2:142]" + kRefClose +
                                kP + "en verse 2:142 at 150" + kP + kP + " }");
    EXPECT_TRUE(page.hasFootnote);
    EXPECT_EQ(page.footnoteRtf, kNoteOpen + "en note 150");
    EXPECT_EQ(page.inlineFootnoteRtf, "");
    EXPECT_EQ(page.footnoteCaption, "en#892:142");
}

TEST_F(PageRendering, FontSize30ScalesTheBodyAndTheInlineFootnoteIsFourFifths) {
    state.settings.viewFontSize = 30;
    state.settings.viewOptions[3] = 1;
    state.corpus.footnotes.Set(static_cast<std::size_t>(state.corpus.links[150].footnoteLine),
                               "one_two");
    const auto page = RenderPage(state, 150);
    const std::string body = Fs(kHeader + "en part 2" + kP + kP + kRefOpen + "[2:142]" + kRefClose +
                                    kP + "en verse 2:142 at 150" + kP + kP,
                                30);
    const std::string note = "\\pard\\plain\\cf2\\fs24 one\\par\\plain\\fs24\\cf2\\ql two";
    // The paragraph marks around the footnote keep their size token.
    EXPECT_EQ(page.pageRtf, body + kP + note + kP + " }");
    EXPECT_EQ(page.footnoteRtf, kNoteOpen + "one" + kP + "two");
    EXPECT_EQ(page.inlineFootnoteRtf,
              "\\pard\\plain\\cf2\\fsfn one\\par\\plain\\fsfn\\cf2\\ql two");
    EXPECT_NE(page.pageRtf.find("\\fs30"), std::string::npos);
}

TEST_F(PageRendering, FontSize20KeepsTheTokensAndTheInlineFootnoteIsSixteen) {
    state.settings.viewOptions[3] = 1;
    EXPECT_EQ(RenderPage(state, 150).pageRtf,
              kHeader + "en part 2" + kP + kP + kRefOpen + "[2:142]" + kRefClose + kP +
                  "en verse 2:142 at 150" + kP + kP + kP + "\\pard\\plain\\cf2\\fs16 en note 150" +
                  kP + " }");
}

TEST_F(PageRendering, ANoteOptionWithoutAFootnoteAddsNothing) {
    state.settings.viewOptions[3] = 1;
    const auto page = RenderPage(state, 151);
    EXPECT_EQ(page.inlineFootnoteRtf, "");
    EXPECT_EQ(page.pageRtf.substr(page.pageRtf.size() - kP.size() * 2 - 2), kP + kP + " }");
}

TEST_F(PageRendering, HitFlagsChooseTheFieldsThatAreHighlighted) {
    Search({"verse"});
    state.search.hitFlags[2].textHit = 1;
    const auto hit = RenderPage(state, 2);
    EXPECT_NE(hit.pageRtf.find(kP + kPlain23 + "en " + kHit12 + "verse" + kPlain23 + " 1:2 at 2" +
                               kP + kP + " }"),
              std::string::npos);
    // The same terms without the flag leave the verse as it is.
    const auto plain = RenderPage(state, 3);
    EXPECT_NE(plain.pageRtf.find(kP + "en verse 1:3 at 3" + kP), std::string::npos);
}

TEST_F(PageRendering, SubtitleLinesAreHighlightedEachOnItsOwn) {
    Search({"SURA", "line"});
    state.search.hitFlags[8].subtitleHit = 1;
    const auto page = RenderPage(state, 8);
    EXPECT_EQ(page.pageRtf.substr(0, page.pageRtf.find(kRefOpen)),
              kHeader + kPlain1 + "en " + kHit1 + "Sura" + kPlain1 + " 2" + kSecondLine + kPlain1 +
                  "second " + kHit1 + "line" + kP);
}

TEST_F(PageRendering, AFootnoteHitIsHighlightedBeforeItsLineBreaks) {
    Search({"note"});
    state.corpus.footnotes.Set(static_cast<std::size_t>(state.corpus.links[150].footnoteLine),
                               "a note_b");
    state.search.hitFlags[150].footnoteHit = 1;
    EXPECT_EQ(RenderPage(state, 150).footnoteRtf,
              kNoteOpen + kPlain23 + "a " + kHit12 + "note" + kPlain23 + kP + "b");
}

TEST_F(PageRendering, FactLabelsEmphasiseTheTwoMultiplesOfNineteen) {
    const auto at100 = RenderPage(state, 100); // first figure 2698
    EXPECT_EQ(at100.firstFigure.caption, "2698*");
    EXPECT_EQ(at100.firstFigure.fontSize, 14.0f);
    EXPECT_EQ(at100.secondFigure.caption, "700");
    EXPECT_EQ(at100.secondFigure.fontSize, 10.0f);
    state.corpus.figures[99].first = 2697;
    const auto at99 = RenderPage(state, 99);
    EXPECT_EQ(at99.firstFigure.caption, "2697");
    EXPECT_EQ(at99.firstFigure.fontSize, 10.0f);
    state.layoutScale = 1.5f;
    const auto at200 = RenderPage(state, 200); // second figure 118123
    EXPECT_EQ(at200.secondFigure.caption, "118123*");
    EXPECT_EQ(at200.secondFigure.fontSize, 21.0f);
    EXPECT_EQ(at200.firstFigure.fontSize, 15.0f);
}

TEST_F(PageRendering, SuraFactsFollowTheSura) {
    const auto sura2 = RenderPage(state, 8);
    EXPECT_EQ(sura2.verseCount, "286");
    EXPECT_EQ(sura2.revelationOrder, "87");
    EXPECT_EQ(sura2.initialLetters, "en#3");
    const auto sura1 = RenderPage(state, 1);
    EXPECT_EQ(sura1.verseCount, "7");
    EXPECT_EQ(sura1.revelationOrder, "5");
    EXPECT_EQ(sura1.initialLetters, "");
    EXPECT_EQ(RenderPage(state, kPositionCount).verseCount, "6");
}

TEST_F(PageRendering, CorpusTextsAreInsertedVerbatim) {
    state.corpus.verseText.Set(5, "{\\b odd}\\");
    state.corpus.verseText.Set(6, "");
    EXPECT_NE(RenderPage(state, 5).pageRtf.find(kP + "{\\b odd}\\" + kP), std::string::npos);
    // An empty verse shows its reference and nothing after it.
    EXPECT_NE(RenderPage(state, 6).pageRtf.find("[1:6]" + kRefClose + kP + kP + kP + " }"),
              std::string::npos);
}

// HighlightHits on its own.
class Highlighting : public ::testing::Test {
protected:
    std::string Run(int kind, std::string_view text, std::initializer_list<const char*> terms,
                    int compareMode = 1) {
        SearchState search;
        int n = 0;
        for (const char* t : terms) {
            search.terms[static_cast<std::size_t>(++n)].text = t;
        }
        search.termCount = n;
        return HighlightHits(kind, text, search, compareMode, styles);
    }
    HighlightStyles styles = StartupHighlightStyles();
};

TEST_F(Highlighting, AdjacentAndOverlappingOccurrencesFormOneRun) {
    EXPECT_EQ(Run(2, "xababy", {"ab"}), kPlain23 + "x" + kHit12 + "abab" + kPlain23 + "y");
    EXPECT_EQ(Run(2, "en verse 1:2", {"VERSE", "se 1"}),
              kPlain23 + "en " + kHit12 + "verse 1" + kPlain23 + ":2");
    EXPECT_EQ(Run(3, "abcd", {"ab", "cd"}), kHit12 + "abcd");
}

TEST_F(Highlighting, ASearchGoesOnAfterEachOccurrence) {
    // "aa" in "aaa": the second try starts at the third character and fails.
    EXPECT_EQ(Run(2, "aaa", {"aa"}), kHit12 + "aa" + kPlain23 + "a");
    EXPECT_EQ(Run(2, "aaaa", {"aa"}), kHit12 + "aaaa");
}

TEST_F(Highlighting, CompareModeDecidesCase) {
    EXPECT_EQ(Run(2, "Verse", {"vERSE"}, 0), kPlain23 + "Verse");
    EXPECT_EQ(Run(2, "Verse", {"vERSE"}, 1), kHit12 + "Verse");
    // Accented letters of the code page fold too: "ÅÄÖ" finds "åäö".
    EXPECT_EQ(Run(2, "x\xE5\xE4\xF6", {"\xC5\xC4\xD6"}, 1),
              kPlain23 + "x" + kHit12 + "\xE5\xE4\xF6");
    EXPECT_EQ(Run(2, "x\xE5\xE4\xF6", {"\xC5\xC4\xD6"}, 0), kPlain23 + "x\xE5\xE4\xF6");
}

TEST_F(Highlighting, EdgeCases) {
    EXPECT_EQ(Run(2, "", {"a"}), "");
    EXPECT_EQ(Run(1, "abc", {}), kPlain1 + "abc");
    EXPECT_EQ(Run(1, "abc", {"c"}), kPlain1 + "ab" + kHit1 + "c");
    EXPECT_EQ(Run(2, "abc", {"zzz", "abcd"}), kPlain23 + "abc");
    EXPECT_EQ(Run(4, "abc", {"a"}), "abc");
    // An empty term (never left by the search) matches nothing and does not hang.
    EXPECT_EQ(Run(2, "abc", {"", "b"}), kPlain23 + "a" + kHit12 + "b" + kPlain23 + "c");
}

TEST_F(Highlighting, ATermCountBeyondTheTableIsHeldToIt) {
    SearchState search;
    search.terms[1].text = "b";
    search.termCount = 100000;
    EXPECT_EQ(HighlightHits(2, "abc", search, 1, styles),
              kPlain23 + "a" + kHit12 + "b" + kPlain23 + "c");
}

} // namespace
} // namespace lumra
