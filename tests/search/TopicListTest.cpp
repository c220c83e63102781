#include "search/Topics.h"

#include <gtest/gtest.h>

#include <string>

#include "ScriptedPrompt.h"
#include "SyntheticDataSet.h"
#include "corpus/CorpusLoader.h"

namespace lumra {
namespace {

using test::ScriptedPrompt;
using test::SyntheticDataSet;
using test::TempFolder;

const std::string kHeader =
    "{\\rtf\\ql{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;"
    "\\red255\\green255\\blue255;\\red0\\green255\\blue255;\\red255\\green192\\blue255;}\\cf2 ";

int Occurrences(const std::string& text, const std::string& piece) {
    int n = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
        ++n;
    }
    return n;
}

class TopicList : public ::testing::Test {
protected:
    void SetUp() override {
        SyntheticDataSet::Write(data.Path());
        for (int n = 1; n <= 145; ++n) {
            state.texts.Set(n, SyntheticDataSet::InterfaceText("en", n));
        }
        auto loaded = LoadCorpus(data.Path(), "en", state.texts);
        ASSERT_TRUE(loaded.ok());
        state.corpus = std::move(*loaded.corpus);
        state.settings.viewFontSize = 24;
        state.settings.topicListOptions = {"0", "0"};
    }

    // The list, with the question's answer when one comes.
    std::optional<lumra::TopicList> Build(PromptAnswer answer = PromptAnswer::Yes) {
        prompt.Answer(answer);
        return BuildTopicList(state, prompt);
    }

    TempFolder data;
    ReaderState state;
    ScriptedPrompt prompt;
};

TEST_F(TopicList, NoMarksGiveAnEmptyListWithZeroInTheCaption) {
    const auto list = Build();
    ASSERT_TRUE(list.has_value());
    EXPECT_TRUE(prompt.boxes.empty());
    EXPECT_EQ(list->count, 0);
    EXPECT_EQ(list->caption, "en#1420en#143");
    EXPECT_EQ(list->document, kHeader + "\\fs24  }");
}

TEST_F(TopicList, EntriesFollowTheTopicOptionsNotTheSearchListOptions) {
    // The hit list's options and terms must not reach the topic list.
    state.settings.listOptions = {1, 1, 0, 1};
    state.search.termCount = 1;
    state.search.terms[1].text = "verse";
    state.topicMarks[8] = 1;  // 2:0, with a two-line subtitle
    state.topicMarks[50] = 1; // a footnote
    state.topicMarks[51] = 1;

    const std::string verse8 = "[2:0]  en verse 2:0 at 8\\par \\par ";
    const std::string verse50 = "[2:42]  " + SyntheticDataSet::VerseText("en", 50) + "\\par \\par ";
    const std::string verse51 = "[2:43]  " + SyntheticDataSet::VerseText("en", 51) + "\\par \\par ";
    auto list = Build();
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->count, 3);
    EXPECT_EQ(list->caption, "en#1423en#143");
    EXPECT_EQ(list->document, kHeader + "\\fs24 " + verse8 + verse50 + verse51 + " }");

    state.settings.topicListOptions = {"1", "1"};
    list = Build();
    ASSERT_TRUE(list.has_value());
    const std::string subtitle = "     en Sura 2\\par      second line\\par \\par ";
    const std::string footnote = "   en note 50\\par \\par ";
    EXPECT_EQ(list->document,
              kHeader + "\\fs24 " + subtitle + verse8 + verse50 + footnote + verse51 + " }");
    EXPECT_EQ(list->document.find("\\fs20"), std::string::npos);
}

TEST_F(TopicList, MoreThanTwoHundredMarksAskWithoutABeepAndThenListThemAll) {
    for (std::size_t p = 1000; p < 1201; ++p) {
        state.topicMarks[p] = 1;
    }
    EXPECT_FALSE(Build(PromptAnswer::No).has_value());
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].message, "en#141");
    EXPECT_EQ(prompt.boxes[0].title, "en#45");
    EXPECT_EQ(prompt.boxes[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompt.beeps, 0);

    const auto list = Build(PromptAnswer::Yes);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->count, 201);
    EXPECT_EQ(Occurrences(list->document, "]  "), 201);
    EXPECT_EQ(list->caption, "en#142201en#143");

    // Every position at once is no problem either.
    state.topicMarks.assign(kTopicFileSize, 1);
    const auto all = Build(PromptAnswer::Yes);
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(all->count, kPositionCount);
    EXPECT_EQ(Occurrences(all->document, "]  "), kPositionCount);
}

TEST_F(TopicList, TwoHundredMarksAreListedWithoutTheQuestion) {
    for (std::size_t p = 1; p <= 200; ++p) {
        state.topicMarks[p] = 1;
    }
    const auto list = BuildTopicList(state, prompt);
    ASSERT_TRUE(list.has_value());
    EXPECT_TRUE(prompt.boxes.empty());
    EXPECT_EQ(list->count, 200);
}

TEST_F(TopicList, TheCopyReportComesAfterABeep) {
    ReportTopicListCopied(state, prompt);
    ASSERT_EQ(prompt.events.size(), 2u);
    EXPECT_EQ(prompt.events[0], "beep");
    EXPECT_EQ(prompt.boxes[0].message, "en#144");
    EXPECT_EQ(prompt.boxes[0].title, "en#45");
    EXPECT_EQ(prompt.boxes[0].icon, PromptIcon::None);
}

} // namespace
} // namespace lumra
