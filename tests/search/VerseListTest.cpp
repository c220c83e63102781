#include "search/VerseList.h"
#include "SearchFixture.h"
#include "search/HitList.h"
#include "search/QueryParser.h"

namespace lumra {
namespace {

class VerseListTest : public test::SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        // Position 8 (2:0) opens sura 2 with a two-line subtitle; give it a two-line footnote.
        const auto line = state.corpus.links[50].footnoteLine;
        state.corpus.links[8].footnoteLine = line;
        state.corpus.footnotes.Set(static_cast<std::size_t>(line), "first_second");
    }
    std::string Entry(int p, const VerseListOptions& o) {
        std::string out;
        AppendVerseListEntry(out, state.corpus, p, o);
        return out;
    }
};

TEST_F(VerseListTest, AnEntryHasSubtitleReferenceVerseAndFootnoteBlocks) {
    VerseListOptions o;
    o.subtitle = true;
    o.footnote = true;
    o.sameLine = true;
    EXPECT_EQ(Entry(8, o), "     en Sura 2\\par      second line\\par \\par "
                           "[2:0]  en verse 2:0 at 8\\par \\par "
                           "   first\\par second\\par \\par ");
    o.subtitle = false;
    o.footnote = false;
    o.sameLine = false;
    EXPECT_EQ(Entry(8, o), "[2:0]\\par en verse 2:0 at 8\\par \\par ");
    // Blocks appear only where the position has a subtitle or footnote.
    o.subtitle = true;
    o.footnote = true;
    EXPECT_EQ(Entry(9, o), "[2:1]\\par en verse 2:1 at 9\\par \\par ");
    EXPECT_EQ(Entry(0, o), "");
}

TEST_F(VerseListTest, CapitalsReplaceEveryOccurrenceOfEveryTerm) {
    SearchState terms;
    ASSERT_TRUE(ParseQuery("mercy\\er", terms));
    EXPECT_EQ(CapitaliseTerms("Mercy is merciful, mercy", terms, 1), "MERCY is mERciful, MERCY");
    EXPECT_EQ(CapitaliseTerms("Mercy is merciful, mercy", terms, 0), "MERcy is mERciful, MERCY");
    ASSERT_TRUE(ParseQuery("\xE5r/\xFF\x9a\x9c\x9e\xDF\xF7", terms));
    EXPECT_EQ(CapitaliseTerms("\xC5R och \xE5r, \xFF\x9a\x9c\x9e\xDF\xF7", terms, 1),
              "\xC5R och \xC5R, \x9F\x8a\x8c\x8e\xDF\xF7");
    // Without terms the text stays.
    SearchState none;
    EXPECT_EQ(CapitaliseTerms("mercy", none, 1), "mercy");
}

TEST_F(VerseListTest, TheDocumentFramesTheEntriesAtTheReadingFontSize) {
    const std::string doc = VerseListDocument("x\\fs20 y", 30);
    EXPECT_EQ(doc, "{\\rtf\\ql{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;"
                   "\\red255\\green255\\blue255;\\red0\\green255\\blue255;"
                   "\\red255\\green192\\blue255;}\\cf2 \\fs30 x\\fs30 y }");
}

TEST_F(VerseListTest, TheHitListFollowsTheListOptions) {
    ASSERT_TRUE(ParseQuery("verse 2:0", state.search));
    state.search.hitFlags[8].textHit = 1;
    state.search.hitFlags[9].subtitleHit = 1; // not listed: only verse-text hits are
    state.settings.listOptions = {0, 0, 1, 1};
    state.settings.viewFontSize = 20;
    const auto list = BuildHitList(state);
    EXPECT_EQ(list.entries, 1);
    EXPECT_EQ(list.caption, "en#901en#91");
    EXPECT_NE(list.document.find("\\fs20 [2:0]  en VERSE 2:0 at 8\\par \\par  }"),
              std::string::npos)
        << list.document;
}

} // namespace
} // namespace lumra
