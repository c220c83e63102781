#pragma once
// Topics: the marks of the current topic, the topic files that keep them, and the list of the
// marked verses. Every command takes the name as typed in the topics dialog (Windows-1252) and
// asks, reports and refuses through the prompt.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Prompt.h"
#include "state/ReaderState.h"

namespace lumra {

// One byte per verse position 0..6346, no header.
inline constexpr std::size_t kTopicFileSize = kPositionCount + 1;
inline constexpr int kTopicListQuestionAbove = 200;

// The name breaks the file-name rule: empty once trimmed, or holding a forbidden character.
bool IsTopicNameInvalid(std::string_view typedName);

// The trimmed name, with ".tpc" appended unless it already ends so in any letter case.
std::string TopicFileName(std::string_view typedName);

// The path of the topic file in the topic folder (file system encoding).
std::string TopicFilePath(const ReaderState& state, std::string_view typedName);

// The file exists with exactly the size of a topic file; any error while asking is false.
bool IsTopicFileUsable(const ReaderState& state, std::string_view typedName);

// The marks a topic file's bytes hold: nothing unless there are exactly kTopicFileSize of
// them; marks above 1 read as 1 (byte 0 belongs to no position and is kept as it is).
std::optional<std::vector<std::uint8_t>> ParseTopicMarks(std::string_view bytes);

// Whether any position 1..6346 is marked.
bool AnyTopicMark(const std::vector<std::uint8_t>& marks);
// The number of positions 1..6346 marked 1.
int CountTopicMarks(const std::vector<std::uint8_t>& marks);

// The dialog refreshes its file list when a command returns FilesChanged.
enum class TopicOutcome { Unchanged, FilesChanged };

void OpenTopic(ReaderState& state, Prompt& prompt, std::string_view typedName);
TopicOutcome SaveTopic(ReaderState& state, Prompt& prompt, std::string_view typedName);
TopicOutcome DeleteTopicFile(ReaderState& state, Prompt& prompt, std::string_view typedName);
void ClearTopic(ReaderState& state, Prompt& prompt);

struct TopicList {
    int count = 0;        // marked positions listed
    std::string caption;  // for the verse-list window
    std::string document; // the list as a rich-text document
};

// Every marked verse in the verse list format, after the reader agreed to a list of more than
// 200; nothing when the reader declined.
std::optional<TopicList> BuildTopicList(const ReaderState& state, Prompt& prompt);

// The report that the list is on the clipboard.
void ReportTopicListCopied(const ReaderState& state, Prompt& prompt);

// The topic file names (file system encoding) in the folder: normal, not hidden files ending
// in ".tpc" in any letter case, sorted without regard to case.
std::vector<std::string> ListTopicFiles(const std::string& folder);

// The program folder when topic files can be written there, else the fallback (both with a
// trailing separator; the fallback is created when it is chosen).
std::string ChooseTopicFolder(const std::string& programFolder, const std::string& fallback);

} // namespace lumra
