#include "search/Topics.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ScriptedPrompt.h"
#include "SyntheticDataSet.h"

namespace lumra {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::ScriptedPrompt;
using test::TempFolder;
using test::WriteFile;

std::string T(int n) {
    return "en#" + std::to_string(n);
}

class TopicFiles : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 1; n <= 145; ++n) {
            state.texts.Set(n, T(n));
        }
        state.programFolder = folder.Path();
        state.topicFolder = folder.Path();
    }

    std::string PathOf(const std::string& name) const { return folder.Path() + name; }

    // A topic file of the given size whose byte p is value(p).
    void WriteTopic(
        const std::string& name, std::size_t size,
        const std::function<int(std::size_t)>& value = [](std::size_t) { return 0; }) {
        std::string bytes(size, '\0');
        for (std::size_t p = 0; p < size; ++p) {
            bytes[p] = static_cast<char>(value(p));
        }
        WriteFile(PathOf(name), bytes);
    }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder.Dir())) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // The last box shown, expected to be the given text with that title, icon and buttons,
    // after a beep.
    void ExpectLastBox(int text, int title, PromptIcon icon, PromptButtons buttons) {
        ASSERT_FALSE(prompt.boxes.empty());
        const auto& box = prompt.boxes.back();
        EXPECT_EQ(box.message, T(text));
        EXPECT_EQ(box.title, T(title));
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, buttons);
        ASSERT_GE(prompt.events.size(), 2u);
        EXPECT_EQ(prompt.events[prompt.events.size() - 2], "beep") << T(text);
    }
    void ExpectError(int text) { ExpectLastBox(text, 71, PromptIcon::Critical, PromptButtons::Ok); }
    void ExpectReport(int text) { ExpectLastBox(text, 45, PromptIcon::None, PromptButtons::Ok); }
    void ExpectQuestion(std::size_t box, int text) {
        ASSERT_GT(prompt.boxes.size(), box);
        EXPECT_EQ(prompt.boxes[box].message, T(text));
        EXPECT_EQ(prompt.boxes[box].title, T(45));
        EXPECT_EQ(prompt.boxes[box].buttons, PromptButtons::YesNo);
    }

    TempFolder folder;
    ReaderState state;
    ScriptedPrompt prompt;
};

TEST_F(TopicFiles, TheNameRuleRefusesEmptyNamesAndEveryForbiddenCharacter) {
    std::vector<std::string> bad = {"", "   "};
    for (const char c : std::string("/\\?*:<>|\"")) {
        bad.push_back(std::string("my") + c + "topic");
    }
    for (const auto& name : bad) {
        EXPECT_TRUE(IsTopicNameInvalid(name)) << name;
        prompt = ScriptedPrompt();
        state.topicMarks[5] = 1;
        OpenTopic(state, prompt, name);
        ExpectError(82);
        EXPECT_EQ(SaveTopic(state, prompt, name), TopicOutcome::Unchanged);
        ExpectError(82);
        EXPECT_EQ(DeleteTopicFile(state, prompt, name), TopicOutcome::Unchanged);
        ExpectError(82);
        EXPECT_EQ(prompt.boxes.size(), 3u) << name; // refused before any question
    }
    EXPECT_TRUE(FolderEntries().empty());
    for (const std::string name : {"prayer", "  prayer ", "prayer.TPC", "b\xF6n", "a.b c"}) {
        EXPECT_FALSE(IsTopicNameInvalid(name)) << name;
    }
}

TEST_F(TopicFiles, TheExtensionIsAddedUnlessTheNameEndsWithItInAnyCase) {
    EXPECT_EQ(TopicFileName("prayer"), "prayer.tpc");
    EXPECT_EQ(TopicFileName("  prayer.TPC "), "prayer.TPC");
    EXPECT_EQ(TopicFileName("prayer.Tpc"), "prayer.Tpc");
    EXPECT_EQ(TopicFileName("prayer.tp"), "prayer.tp.tpc");
    EXPECT_EQ(TopicFileName("tpc"), "tpc.tpc");
    // Names are typed in Windows-1252; the file system names files in UTF-8.
    EXPECT_EQ(TopicFilePath(state, "b\xF6n"), folder.Path() + "b\xC3\xB6n.tpc");
}

TEST_F(TopicFiles, SavingWritesTheMarksAndNamesTheTopicWithoutItsExtension) {
    state.topicMarks[0] = 9;
    state.topicMarks[1] = 1;
    state.topicMarks[6346] = 1;
    EXPECT_EQ(SaveTopic(state, prompt, " prayer "), TopicOutcome::FilesChanged);
    ExpectReport(134);
    EXPECT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(state.currentTopicName, "prayer");
    const std::string bytes = ReadFile(PathOf("prayer.tpc"));
    ASSERT_EQ(bytes.size(), kTopicFileSize);
    EXPECT_EQ(bytes, std::string(state.topicMarks.begin(), state.topicMarks.end()));

    EXPECT_EQ(SaveTopic(state, prompt, "prayer.TPC"), TopicOutcome::FilesChanged);
    EXPECT_EQ(state.currentTopicName, "prayer");
    EXPECT_EQ(ReadFile(PathOf("prayer.TPC")).size(), kTopicFileSize);
    // No temporary file stays behind, and no second extension.
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"prayer.TPC", "prayer.tpc"}));
}

TEST_F(TopicFiles, SavingWithoutMarksAsksFirstAndThenWritesZerosAfterByteZero) {
    state.topicMarks[0] = 42;
    prompt.Answer(PromptAnswer::No);
    EXPECT_EQ(SaveTopic(state, prompt, "empty"), TopicOutcome::Unchanged);
    ExpectQuestion(0, 131);
    EXPECT_EQ(prompt.events.front(), "beep");
    EXPECT_TRUE(FolderEntries().empty());
    EXPECT_TRUE(state.currentTopicName.empty());

    EXPECT_EQ(SaveTopic(state, prompt, "empty"), TopicOutcome::FilesChanged);
    std::string expected(kTopicFileSize, '\0');
    expected[0] = 42;
    EXPECT_EQ(ReadFile(PathOf("empty.tpc")), expected);
}

TEST_F(TopicFiles, OnlyAUsableFileOfTheNameAsksBeforeItIsReplaced) {
    state.topicMarks[10] = 1;
    WriteTopic("old.tpc", kTopicFileSize, [](std::size_t p) { return p == 20 ? 1 : 0; });
    const std::string before = ReadFile(PathOf("old.tpc"));
    prompt.Answer(PromptAnswer::No);
    EXPECT_EQ(SaveTopic(state, prompt, "old"), TopicOutcome::Unchanged);
    ExpectQuestion(0, 133);
    EXPECT_EQ(ReadFile(PathOf("old.tpc")), before);

    for (const std::size_t size : {std::size_t{0}, kTopicFileSize - 1, kTopicFileSize + 1}) {
        prompt = ScriptedPrompt();
        WriteTopic("odd.tpc", size, [](std::size_t) { return 7; });
        EXPECT_EQ(SaveTopic(state, prompt, "odd"), TopicOutcome::FilesChanged);
        EXPECT_EQ(prompt.boxes.size(), 1u) << size; // the report only
        ExpectReport(134);
        EXPECT_TRUE(IsTopicFileUsable(state, "odd"));
    }
    state.topicMarks.assign(kTopicFileSize, 0);
    OpenTopic(state, prompt, "odd.tpc");
    ExpectReport(130);
    EXPECT_EQ(state.topicMarks[10], 1);
}

TEST_F(TopicFiles, AFailedSaveReportsAndLeavesTheOldFileWhole) {
    state.topicMarks[3] = 1;
    // A folder of the topic's name cannot be replaced.
    fs::create_directory(PathOf("folder.tpc"));
    WriteFile(PathOf("folder.tpc/inside"), "x");
    EXPECT_EQ(SaveTopic(state, prompt, "folder"), TopicOutcome::Unchanged);
    ExpectError(135);
    EXPECT_EQ(ReadFile(PathOf("folder.tpc/inside")), "x");
    EXPECT_TRUE(state.currentTopicName.empty());

    // The new content cannot be written (its temporary file is blocked): the old topic stays.
    WriteTopic("kept.tpc", kTopicFileSize, [](std::size_t p) { return p % 3 == 0 ? 1 : 0; });
    const std::string before = ReadFile(PathOf("kept.tpc"));
    const std::string temporary = PathOf(".lumra-topic-" + std::to_string(::getpid()) + ".tmp");
    fs::create_directory(temporary);
    WriteFile(temporary + "/inside", "x");
    prompt = ScriptedPrompt();
    EXPECT_EQ(SaveTopic(state, prompt, "kept"), TopicOutcome::Unchanged);
    ExpectQuestion(0, 133);
    ExpectError(135);
    EXPECT_EQ(ReadFile(PathOf("kept.tpc")), before);
    EXPECT_TRUE(state.currentTopicName.empty());

    // A missing topic folder.
    state.topicFolder = folder.Path() + "missing/";
    prompt = ScriptedPrompt();
    EXPECT_EQ(SaveTopic(state, prompt, "any"), TopicOutcome::Unchanged);
    ExpectError(135);
}

TEST_F(TopicFiles, OpeningTakesHighBytesAsMarksAndKeepsByteZero) {
    WriteTopic("high.tpc", kTopicFileSize, [](std::size_t p) {
        if (p == 0) {
            return 200;
        }
        return p >= 2 && p <= 255 ? static_cast<int>(p) : (p == 6346 ? 1 : 0);
    });
    OpenTopic(state, prompt, "high");
    ExpectReport(130);
    EXPECT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(state.topicMarks[0], 200);
    EXPECT_EQ(state.topicMarks[1], 0);
    for (std::size_t p = 2; p <= 255; ++p) {
        EXPECT_EQ(state.topicMarks[p], 1) << p;
    }
    EXPECT_EQ(state.topicMarks[256], 0);
    EXPECT_EQ(state.topicMarks[6346], 1);
    EXPECT_EQ(CountTopicMarks(state.topicMarks), 255);
    EXPECT_EQ(state.currentTopicName, "high");
}

TEST(TopicMarks, OnlyBytesOfTheFileSizeAreMarksAndHighOnesReadAsOne) {
    for (const std::size_t size : {std::size_t{0}, kTopicFileSize - 1, kTopicFileSize + 1}) {
        EXPECT_FALSE(ParseTopicMarks(std::string(size, '\1')).has_value()) << size;
    }
    std::string bytes(kTopicFileSize, '\0');
    bytes[0] = '\x07';
    bytes[1] = '\x01';
    bytes[kTopicFileSize - 1] = '\xFF';
    const auto marks = ParseTopicMarks(bytes);
    ASSERT_TRUE(marks.has_value());
    std::vector<std::uint8_t> expected(kTopicFileSize);
    expected[0] = 7;
    expected[1] = 1;
    expected[kTopicFileSize - 1] = 1;
    EXPECT_EQ(*marks, expected);
}

TEST_F(TopicFiles, OpeningOverMarksAsksAndNoKeepsEverything) {
    WriteTopic("t.tpc", kTopicFileSize, [](std::size_t p) { return p == 9 ? 1 : 0; });
    state.topicMarks[4] = 1;
    state.currentTopicName = "before";
    prompt.Answer(PromptAnswer::No);
    OpenTopic(state, prompt, "t");
    ExpectQuestion(0, 128);
    EXPECT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(state.topicMarks[4], 1);
    EXPECT_EQ(state.topicMarks[9], 0);
    EXPECT_EQ(state.currentTopicName, "before");

    OpenTopic(state, prompt, "t.tpc");
    EXPECT_EQ(state.topicMarks[4], 0);
    EXPECT_EQ(state.topicMarks[9], 1);
    EXPECT_EQ(state.currentTopicName, "t");
}

TEST_F(TopicFiles, UnusableFilesCannotBeOpenedAndAreDeletedWithoutTheQuestion) {
    WriteTopic("short.tpc", kTopicFileSize - 1, [](std::size_t) { return 1; });
    WriteTopic("long.tpc", kTopicFileSize + 1, [](std::size_t) { return 1; });
    ASSERT_EQ(::mkfifo(PathOf("pipe.tpc").c_str(), 0600), 0);
    fs::create_directory(PathOf("dir.tpc"));
    state.topicMarks[7] = 1;
    state.currentTopicName = "mine";
    for (const std::string name : {"short", "long", "pipe", "dir", "missing"}) {
        EXPECT_FALSE(IsTopicFileUsable(state, name)) << name;
        prompt = ScriptedPrompt();
        OpenTopic(state, prompt, name);
        ExpectQuestion(0, 128);
        ExpectError(129);
        EXPECT_EQ(state.topicMarks[7], 1);
        EXPECT_EQ(CountTopicMarks(state.topicMarks), 1);
        EXPECT_EQ(state.currentTopicName, "mine");
    }
    for (const std::string name : {"short", "long", "pipe"}) {
        prompt = ScriptedPrompt();
        EXPECT_EQ(DeleteTopicFile(state, prompt, name), TopicOutcome::FilesChanged);
        EXPECT_EQ(prompt.boxes.size(), 1u) << name;
        ExpectReport(139);
        EXPECT_FALSE(fs::exists(fs::symlink_status(PathOf(name + ".tpc"))));
    }
    // A missing file, and a folder of the name, which is never deleted.
    for (const std::string name : {"missing", "dir"}) {
        prompt = ScriptedPrompt();
        EXPECT_EQ(DeleteTopicFile(state, prompt, name), TopicOutcome::Unchanged);
        ExpectReport(140);
    }
    EXPECT_TRUE(fs::is_directory(PathOf("dir.tpc")));
    EXPECT_EQ(state.topicMarks[7], 1);
    EXPECT_EQ(state.currentTopicName, "mine");
}

TEST_F(TopicFiles, OnlyAFileOfExactlyTheTopicSizeOpensWhateverItsLength) {
    for (std::size_t size = 0; size <= 7000; ++size) {
        WriteTopic("any.tpc", size, [](std::size_t) { return 1; });
        ASSERT_EQ(IsTopicFileUsable(state, "any"), size == kTopicFileSize) << size;
        // Opening is tried around the boundaries and at the ends.
        if (size > 8 && size < 6340 && size < 6990 && size % 997 != 0) {
            continue;
        }
        if (size > 6355 && size < 6990) {
            continue;
        }
        prompt = ScriptedPrompt();
        state.topicMarks.assign(state.topicMarks.size(), 0);
        OpenTopic(state, prompt, "any");
        EXPECT_EQ(CountTopicMarks(state.topicMarks), size == kTopicFileSize ? kPositionCount : 0)
            << size;
        if (size != kTopicFileSize) {
            ExpectError(129);
        }
    }
}

TEST_F(TopicFiles, AnUnreadableFileIsNotUsable) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "running as root, which reads any file";
    }
    WriteTopic("locked.tpc", kTopicFileSize, [](std::size_t) { return 1; });
    fs::permissions(PathOf("locked.tpc"), fs::perms::none);
    EXPECT_FALSE(IsTopicFileUsable(state, "locked"));
    OpenTopic(state, prompt, "locked");
    ExpectError(129);
    EXPECT_EQ(CountTopicMarks(state.topicMarks), 0);
}

TEST_F(TopicFiles, DeletingAUsableFileAsksFirst) {
    WriteTopic("t.tpc", kTopicFileSize);
    prompt.Answer(PromptAnswer::No);
    EXPECT_EQ(DeleteTopicFile(state, prompt, "t"), TopicOutcome::Unchanged);
    ExpectQuestion(0, 138);
    EXPECT_TRUE(fs::exists(PathOf("t.tpc")));
    EXPECT_EQ(DeleteTopicFile(state, prompt, "t.tpc"), TopicOutcome::FilesChanged);
    ExpectReport(139);
    EXPECT_FALSE(fs::exists(PathOf("t.tpc")));
}

TEST_F(TopicFiles, ClearingKeepsTheNameAndByteZero) {
    state.topicMarks[0] = 5;
    state.topicMarks[1] = 1;
    state.topicMarks[3000] = 1;
    state.currentTopicName = "prayer";
    prompt.Answer(PromptAnswer::No);
    ClearTopic(state, prompt);
    ExpectQuestion(0, 136);
    EXPECT_EQ(CountTopicMarks(state.topicMarks), 2);
    ClearTopic(state, prompt);
    ExpectReport(137);
    EXPECT_EQ(CountTopicMarks(state.topicMarks), 0);
    EXPECT_FALSE(AnyTopicMark(state.topicMarks));
    EXPECT_EQ(state.topicMarks[0], 5);
    EXPECT_EQ(state.currentTopicName, "prayer");
}

TEST_F(TopicFiles, TheFileListHoldsVisibleTopicFilesSortedWithoutRegardToCase) {
    for (const std::string name :
         {"b.TPC", "a.tpc", "ab.Tpc", "c.txt", ".hidden.tpc", "e.tpc.bak", "tpc"}) {
        WriteFile(PathOf(name), "x");
    }
    fs::create_directory(PathOf("d.tpc"));
    EXPECT_EQ(ListTopicFiles(folder.Path()),
              (std::vector<std::string>{"a.tpc", "ab.Tpc", "b.TPC"}));
    EXPECT_TRUE(ListTopicFiles(folder.Path() + "missing/").empty());
}

TEST_F(TopicFiles, TopicsLiveInTheProgramFolderUnlessItCannotBeWritten) {
    const std::string fallback = folder.Path() + "user/Lumra";
    EXPECT_EQ(ChooseTopicFolder(folder.Path(), fallback), folder.Path());
    EXPECT_FALSE(fs::exists(fallback));
    // A program folder the reader cannot write to (here: one that is not there).
    EXPECT_EQ(ChooseTopicFolder(folder.Path() + "nowhere", fallback), fallback + "/");
    EXPECT_TRUE(fs::is_directory(fallback));

    state.topicFolder = fallback + "/";
    state.topicMarks[2] = 1;
    EXPECT_EQ(SaveTopic(state, prompt, "away"), TopicOutcome::FilesChanged);
    EXPECT_EQ(ListTopicFiles(state.topicFolder), std::vector<std::string>{"away.tpc"});
    EXPECT_FALSE(fs::exists(PathOf("away.tpc")));
}

} // namespace
} // namespace lumra
