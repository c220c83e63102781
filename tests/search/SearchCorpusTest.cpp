#include "search/SearchCorpus.h"
#include "ScriptedPrompt.h"
#include "SearchFixture.h"
#include "search/QueryParser.h"

namespace lumra {
namespace {

class SearchCorpusTest : public test::SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        SetVerse(10, "mercy and grace");
        SetVerse(11, "only Mercy here");
        SetVerse(12, "only grace here");
        SetVerse(13, "gracefulness and mercy");
    }
    std::vector<int> Search(const std::string& query) {
        ClearSearchState(state.search);
        EXPECT_TRUE(ParseQuery(query, state.search)) << query;
        SearchCorpus(state.corpus, state.settings, state.search);
        return TextHits();
    }
    test::ScriptedPrompt prompt;
};

TEST_F(SearchCorpusTest, RequiredPlainAndExcludedTerms) {
    using V = std::vector<int>;
    EXPECT_EQ(Search("mercy"), (V{10, 11, 13}));
    EXPECT_EQ(Search("mercy/grace"), (V{10, 11, 12, 13}));
    // With a required term the plain ones make no difference.
    EXPECT_EQ(Search("+mercy/grace"), (V{10, 11, 13}));
    EXPECT_EQ(Search("grace\\+mercy"), (V{12}));
    // The slash takes the plus with it and drops it: two plain terms.
    EXPECT_EQ(Search("grace/+mercy"), (V{10, 11, 12, 13}));
    EXPECT_EQ(Search("+mercy+grace"), (V{10, 13}));
    EXPECT_EQ(Search("mercy\\grace"), (V{11}));
    EXPECT_EQ(Search("+grace\\mercy"), (V{12}));
    // Only excluded terms mark nothing.
    EXPECT_EQ(Search("\\grace"), V{});
    EXPECT_EQ(Search("\\grace\\mercy"), V{});
}

TEST_F(SearchCorpusTest, TheCompareModeDecidesAboutCase) {
    using V = std::vector<int>;
    state.settings.compareMode = 0;
    EXPECT_EQ(Search("mercy"), (V{10, 13}));
    EXPECT_EQ(Search("Mercy"), (V{11}));
    state.settings.compareMode = 1;
    EXPECT_EQ(Search("MERCY"), (V{10, 11, 13}));
    SetVerse(20, "\xC5R OCH DAG");
    EXPECT_EQ(Search("\xE5r och"), (V{20}));
    state.settings.compareMode = 0;
    EXPECT_EQ(Search("\xE5r och"), V{});
}

TEST_F(SearchCorpusTest, WholeWordsApplyToEveryTerm) {
    using V = std::vector<int>;
    state.settings.wholeWords = 1;
    EXPECT_EQ(Search("grace"), (V{10, 12}));
    // 13 holds mercy as a word and grace only inside a longer word: still a hit.
    EXPECT_EQ(Search("mercy/grace"), (V{10, 11, 12, 13}));
    EXPECT_EQ(Search("+mercy+grace"), (V{10}));
    // An excluded term inside a longer word does not exclude.
    EXPECT_EQ(Search("mercy\\grace"), (V{11, 13}));
    // Digits do not join a word: "at 3" is a whole word in "at 3", "at 30" ... "at 3999".
    EXPECT_EQ(Search("at 3").size(), 1u + 10u + 100u + 1000u);
    EXPECT_EQ(Search("verse 1:3"), (V{3}));
}

TEST_F(SearchCorpusTest, OnlyTheSwitchedOnFieldsAreSearched) {
    auto& o = state.settings;
    o.searchVerseText = 0;
    o.searchSubtitles = 1;
    Search("Sura 2");
    std::vector<int> subtitleHits;
    for (int p = 1; p <= kPositionCount; ++p) {
        const auto& f = state.search.hitFlags[static_cast<std::size_t>(p)];
        EXPECT_EQ(f.textHit, 0);
        EXPECT_EQ(f.footnoteHit, 0);
        if (f.subtitleHit == 1) {
            subtitleHits.push_back(p);
        }
    }
    // Suras 2 and 20 to 29 open with a subtitle containing "Sura 2".
    ASSERT_EQ(subtitleHits.size(), 11u);
    EXPECT_EQ(subtitleHits[0], 8);
    o.wholeWords = 1;
    Search("Sur"); // always followed by the letter a
    EXPECT_EQ(state.search.hitFlags[8].subtitleHit, 0);

    o.searchSubtitles = 0;
    o.searchFootnotes = 1;
    o.wholeWords = 0;
    Search("note 100");
    std::vector<int> footnoteHits;
    for (int p = 1; p <= kPositionCount; ++p) {
        if (state.search.hitFlags[static_cast<std::size_t>(p)].footnoteHit == 1) {
            footnoteHits.push_back(p);
        }
    }
    EXPECT_EQ(footnoteHits, (std::vector<int>{100, 1000}));
    EXPECT_EQ(FirstHitPosition(state.search, o), 100);
    // The first hit only counts in a field that is searched.
    o.searchFootnotes = 0;
    EXPECT_EQ(FirstHitPosition(state.search, o), 0);
}

TEST_F(SearchCorpusTest, WithEveryFieldOffNothingHitsAndTheReaderIsTold) {
    state.settings.searchVerseText = 0;
    state.settings.searchSubtitles = 0;
    state.settings.searchFootnotes = 0;
    ASSERT_TRUE(Search("en").empty());
    EXPECT_FALSE(CheckForHits(state.search, state.texts, prompt));
    EXPECT_EQ(state.search.anyHit, 0);
    EXPECT_EQ(state.search.termCount, 0); // cleared
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].message, "en#65");
    EXPECT_EQ(prompt.boxes[0].title, "en#45");
    EXPECT_EQ(prompt.boxes[0].icon, PromptIcon::None);
    EXPECT_EQ(prompt.boxes[0].buttons, PromptButtons::Ok);
}

TEST_F(SearchCorpusTest, AHitInAnyFieldIsAHit) {
    state.settings.searchVerseText = 0;
    state.settings.searchFootnotes = 1;
    Search("note 50");
    EXPECT_TRUE(CheckForHits(state.search, state.texts, prompt));
    EXPECT_EQ(state.search.anyHit, 1);
    EXPECT_TRUE(prompt.boxes.empty());
}

TEST_F(SearchCorpusTest, BrokenLinksReadAsEmptyFields) {
    state.corpus.links[30].subtitleLine = -4;
    state.corpus.links[31].subtitleLine = 30000;
    state.corpus.links[32].footnoteLine = 32000;
    EXPECT_TRUE(FieldText(state.corpus, SearchField::Subtitle, 30).empty());
    EXPECT_TRUE(FieldText(state.corpus, SearchField::Subtitle, 31).empty());
    EXPECT_TRUE(FieldText(state.corpus, SearchField::Footnote, 32).empty());
    EXPECT_TRUE(FieldText(state.corpus, SearchField::VerseText, 0).empty());
    EXPECT_TRUE(FieldText(state.corpus, SearchField::VerseText, kPositionCount + 1).empty());
    state.settings.searchSubtitles = 1;
    state.settings.searchFootnotes = 1;
    Search("en");
    EXPECT_EQ(state.search.hitFlags[31].subtitleHit, 0);
}

} // namespace
} // namespace lumra
