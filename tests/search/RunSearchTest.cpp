#include "ScriptedPrompt.h"
#include "SearchFixture.h"

namespace lumra {
namespace {

using Calls = std::vector<std::string>;

class RunSearchTest : public test::SearchFixture {
protected:
    SearchOutcome Run(const std::string& query) {
        state.currentQuery = query;
        return RunSearch(state, prompt, host);
    }
    test::ScriptedPrompt prompt;
    test::RecordingHost host;
};

TEST_F(RunSearchTest, AHitIsShownAndTheDialogCloses) {
    SetVerse(300, "the mercy of the Lord");
    SetVerse(20, "MERCY");
    EXPECT_EQ(Run("mercy"), SearchOutcome::CloseDialog);
    EXPECT_EQ(host.calls, (Calls{"busy", "refill:mercy", "arrow", "render:20"}));
    EXPECT_EQ(prompt.events, (Calls{"beep"}));
    EXPECT_EQ(host.items, (Calls{"mercy"}));
    EXPECT_EQ(state.search.anyHit, 1);
    EXPECT_EQ(state.search.termCount, 1);
    EXPECT_EQ(TextHits(), (std::vector<int>{20, 300}));
}

TEST_F(RunSearchTest, AQueryWithoutTermsIsRefusedAfterEnteringTheHistory) {
    for (const std::string query : {" ", "+", "/ \\"}) {
        prompt.boxes.clear();
        prompt.events.clear();
        host.calls.clear();
        EXPECT_EQ(Run(query), SearchOutcome::KeepDialogOpen);
        EXPECT_EQ(state.settings.queryHistory[0], query);
        EXPECT_EQ(state.search.termCount, 0);
        EXPECT_EQ(state.search.anyHit, 0);
        ASSERT_EQ(prompt.boxes.size(), 1u);
        EXPECT_EQ(prompt.boxes[0].message, "en#92");
        EXPECT_EQ(prompt.boxes[0].title, "en#71");
        EXPECT_EQ(prompt.boxes[0].icon, PromptIcon::Critical);
        EXPECT_EQ(prompt.events.front(), "beep");
        EXPECT_EQ(host.calls, (Calls{"busy", "refill:" + query, "arrow"}));
    }
}

TEST_F(RunSearchTest, ASearchWithoutHitsClearsTheStateAndKeepsTheDialog) {
    Run("en verse 1:1");
    ASSERT_EQ(state.search.anyHit, 1);
    host.calls.clear();
    prompt.events.clear();
    EXPECT_EQ(Run("no such words"), SearchOutcome::KeepDialogOpen);
    EXPECT_EQ(prompt.events, (Calls{"box:en#65"}));
    EXPECT_EQ(host.calls, (Calls{"busy", "refill:no such words", "arrow"}));
    EXPECT_EQ(state.search.termCount, 0);
    EXPECT_TRUE(TextHits().empty());
    EXPECT_EQ(host.items, (Calls{"no such words", "en verse 1:1"}));
}

TEST_F(RunSearchTest, ListModeListsTheFirst200AfterTheReaderAgrees) {
    state.settings.listAllHits = 1;
    prompt.Answer(PromptAnswer::Ok);
    EXPECT_EQ(Run("verse"), SearchOutcome::KeepDialogOpen);
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].message, "en#66");
    EXPECT_EQ(prompt.boxes[0].title, "en#45");
    EXPECT_EQ(prompt.boxes[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(host.calls, (Calls{"busy", "refill:verse", "arrow", "busy", "arrow", "list"}));
    ASSERT_EQ(host.lists.size(), 1u);
    const auto refs = test::References(host.lists[0]);
    ASSERT_EQ(refs.size(), 200u);
    EXPECT_EQ(refs.front(), "[1:1]");
    EXPECT_EQ(refs[7], "[2:0]"); // an opening is listed with verse 0
    EXPECT_EQ(refs.back(), "[2:192]");
    EXPECT_EQ(host.caption, "en#90200en#1106346en#91");
    EXPECT_EQ(state.search.anyHit, 1);
    EXPECT_TRUE(prompt.events.end() ==
                std::find(prompt.events.begin(), prompt.events.end(), std::string("beep")));
}

TEST_F(RunSearchTest, CancellingTheQuestionListsNothingAndKeepsTheHits) {
    state.settings.listAllHits = 1;
    prompt.Answer(PromptAnswer::Cancel);
    EXPECT_EQ(Run("verse"), SearchOutcome::KeepDialogOpen);
    EXPECT_TRUE(host.lists.empty());
    EXPECT_EQ(host.calls, (Calls{"busy", "refill:verse", "arrow", "busy", "arrow"}));
    EXPECT_EQ(TextHits().size(), static_cast<std::size_t>(kPositionCount));
}

TEST_F(RunSearchTest, ExactlyTwoHundredHitsNeedNoQuestion) {
    state.settings.listAllHits = 1;
    for (int p = 1; p <= 200; ++p) {
        SetVerse(p * 3, std::string(Verse(p * 3)) + " marker");
    }
    Run("marker");
    EXPECT_TRUE(prompt.boxes.empty());
    ASSERT_EQ(host.lists.size(), 1u);
    EXPECT_EQ(test::References(host.lists[0]).size(), 200u);
    EXPECT_EQ(host.caption, "en#90200en#91");
}

TEST_F(RunSearchTest, HitsOnlyOutsideTheVerseTextsGiveAnEmptyList) {
    state.settings.listAllHits = 1;
    state.settings.searchFootnotes = 1;
    Run("note 50");
    ASSERT_EQ(host.lists.size(), 1u);
    EXPECT_TRUE(test::References(host.lists[0]).empty());
    EXPECT_EQ(host.caption, "en#900en#91");
    EXPECT_EQ(state.search.hitFlags[50].footnoteHit, 1);
}

TEST_F(RunSearchTest, TheListUsesTheListOptions) {
    state.settings.listAllHits = 1;
    state.settings.listOptions = {1, 1, 0, 1};
    state.settings.viewFontSize = 24;
    Run("verse 2:0");
    ASSERT_EQ(host.lists.size(), 1u);
    const std::string& doc = host.lists[0];
    EXPECT_NE(doc.find("\\cf2 \\fs24      en Sura 2\\par      second line\\par \\par "
                       "[2:0]\\par en VERSE 2:0 at 8\\par \\par  }"),
              std::string::npos)
        << doc;
    EXPECT_EQ(doc.find("\\fs20"), std::string::npos);
}

TEST_F(RunSearchTest, EveryQueryEntersTheHistoryOnce) {
    Run("God");
    Run("god");
    Run("God");
    EXPECT_EQ(host.items, (Calls{"God", "god"}));
    EXPECT_EQ(state.settings.queryHistory[0], "God");
    EXPECT_EQ(state.currentQuery, "God");
}

} // namespace
} // namespace lumra
