// Stepping to hits and marks, the font-size steps and the clipboard text of a verse.

#include <gtest/gtest.h>

#include "reading/ReadingCommands.h"

namespace lumra {
namespace {

TEST(FindHit, WalksToTheNextFlaggedPositionInEitherDirection) {
    SearchState search;
    search.hitFlags[10].textHit = 1;
    search.hitFlags[20].subtitleHit = 1;
    search.hitFlags[30].footnoteHit = 1;
    EXPECT_EQ(FindHit(search, 15, +1), 20);
    EXPECT_EQ(FindHit(search, 20, +1), 30);
    EXPECT_EQ(FindHit(search, 30, +1), 0);
    EXPECT_EQ(FindHit(search, 20, -1), 10);
    EXPECT_EQ(FindHit(search, 10, -1), 0);
    EXPECT_EQ(FindHit(search, 0, +1), 10);
    search.hitFlags[1].textHit = 1;
    search.hitFlags[kPositionCount].textHit = 1;
    EXPECT_EQ(FindHit(search, 2, -1), 1);
    EXPECT_EQ(FindHit(search, kPositionCount - 1, +1), kPositionCount);
    EXPECT_EQ(FindHit(search, kPositionCount, +1), 0);
}

TEST(FindMark, OnlyAMarkOfOneCounts) {
    std::vector<std::uint8_t> marks(kPositionCount + 1);
    marks[5] = 1;
    marks[7] = 2;
    marks[0] = 1; // belongs to no position
    EXPECT_EQ(FindMark(marks, 1, +1), 5);
    EXPECT_EQ(FindMark(marks, 5, +1), 0);
    EXPECT_EQ(FindMark(marks, 5, -1), 0);
    EXPECT_EQ(FindMark(marks, 100, -1), 5);
    // A shorter table (a damaged topic) ends the walk instead of reading past it.
    std::vector<std::uint8_t> shortMarks(10);
    EXPECT_EQ(FindMark(shortMarks, 3, +1), 0);
}

TEST(StepFontSize, HoldsAtTheLimitsWithoutRendering) {
    struct Case {
        int size, delta, expected;
        bool render;
    };
    for (const Case c :
         {Case{20, +2, 22, true}, Case{20, -2, 18, true}, Case{18, -2, 16, true},
          Case{16, -2, 16, false}, Case{238, +2, 240, true}, Case{240, +2, 240, false}}) {
        const auto step = StepFontSize(c.size, c.delta);
        EXPECT_EQ(step.viewFontSize, c.expected) << c.size << " " << c.delta;
        EXPECT_EQ(step.render, c.render) << c.size << " " << c.delta;
    }
}

class VerseClip : public ::testing::Test {
protected:
    void SetUp() override {
        corpus.verseText.Set(150, "the verse");
        corpus.links[150] = {3, 2};
        corpus.subtitles.Set(3, "first_second");
        corpus.footnotes.Set(2, "note one_note two");
        corpus.verseText.Set(151, "plain verse");
    }
    Corpus corpus;
};

TEST_F(VerseClip, AllViewOptionsOnAVerseWithSubtitleAndFootnote) {
    EXPECT_EQ(VerseClipText(corpus, {1, 1, 1, 0}, 150),
              "     first\r\n     second\r\n\r\n[2:142]  the verse\r\n\r\n"
              "   note one\r\nnote two\r\n\r\n");
}

TEST_F(VerseClip, OptionsOffOrNothingToAdd) {
    EXPECT_EQ(VerseClipText(corpus, {0, 0, 0, 1}, 150), "[2:142]\r\nthe verse\r\n\r\n");
    EXPECT_EQ(VerseClipText(corpus, {1, 1, 0, 0}, 151), "[2:143]\r\nplain verse\r\n\r\n");
    EXPECT_EQ(VerseClipText(corpus, {0, 1, 1, 0}, 150),
              "[2:142]  the verse\r\n\r\n   note one\r\nnote two\r\n\r\n");
    EXPECT_EQ(VerseClipText(corpus, {1, 1, 1, 1}, 0), "");
}

} // namespace
} // namespace lumra
