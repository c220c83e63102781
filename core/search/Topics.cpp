#include "search/Topics.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "corpus/LenientNumber.h"
#include "export/ExportNames.h"
#include "search/VerseList.h"

namespace lumra {

namespace {

constexpr std::string_view kTopicExtension = ".tpc";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithTopicExtension(std::string_view name) {
    if (name.size() < kTopicExtension.size()) {
        return false;
    }
    const auto tail = name.substr(name.size() - kTopicExtension.size());
    return std::equal(tail.begin(), tail.end(), kTopicExtension.begin(),
                      [](char a, char b) { return LowerAscii(a) == b; });
}

void Error(const ReaderState& state, Prompt& prompt, int text) {
    prompt.Beep();
    prompt.Show(state.texts[text], state.texts[71], PromptIcon::Critical, PromptButtons::Ok);
}

void Report(const ReaderState& state, Prompt& prompt, int text) {
    prompt.Beep();
    prompt.Show(state.texts[text], state.texts[45], PromptIcon::None, PromptButtons::Ok);
}

bool Agrees(const ReaderState& state, Prompt& prompt, int text, bool beep = true) {
    if (beep) {
        prompt.Beep();
    }
    return prompt.Show(state.texts[text], state.texts[45], PromptIcon::Question,
                       PromptButtons::YesNo) == PromptAnswer::Yes;
}

// The file name without its extension, as the topic's name.
std::string NameOfTopicFile(const std::string& fileName) {
    return fileName.substr(0, fileName.size() - kTopicExtension.size());
}

// Where topic files live; the program folder until a topic folder is chosen.
std::string TopicFolder(const ReaderState& state) {
    return FolderPath(state.topicFolder.empty() ? state.programFolder : state.topicFolder);
}

std::size_t MarkLimit(const std::vector<std::uint8_t>& marks) {
    return std::min(marks.size(), kTopicFileSize);
}

// Reads a whole topic file; nothing when it cannot be read or is no longer a topic file.
// The file is opened without waiting, so a pipe put in its place cannot hang the dialog.
std::optional<std::array<std::uint8_t, kTopicFileSize>> ReadTopicFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kTopicFileSize> bytes{};
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<std::size_t>(info.st_size) == kTopicFileSize;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const auto n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n > 0;
        done += ok ? static_cast<std::size_t>(n) : 0;
    }
    ::close(fd);
    if (!ok) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const auto n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Replaces the file as a whole: the bytes go to a temporary file beside it, which is then
// renamed over it, so a failure leaves the earlier file as it was.
bool ReplaceFile(const std::string& path, const std::string& temporary, const std::uint8_t* data,
                 std::size_t size) {
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && (S_ISDIR(old.st_mode) || ::access(path.c_str(), W_OK) != 0)) {
        return false; // a folder, or a file the reader may not change
    }
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    if (exists && S_ISREG(old.st_mode)) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && WriteAll(fd, data, size) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
    }
    return ok;
}

bool NumericOne(const std::string& option) {
    return LenientInteger(option) == 1;
}

} // namespace

bool IsTopicNameInvalid(std::string_view typedName) {
    return !IsUsableFileName(typedName);
}

std::string TopicFileName(std::string_view typedName) {
    std::string name = TrimSpaces(typedName);
    if (!EndsWithTopicExtension(name)) {
        name += kTopicExtension;
    }
    return name;
}

std::string TopicFilePath(const ReaderState& state, std::string_view typedName) {
    return TopicFolder(state) + Cp1252ToUtf8(TopicFileName(typedName));
}

bool IsTopicFileUsable(const ReaderState& state, std::string_view typedName) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(TopicFilePath(state, typedName), ec);
    return !ec && size == kTopicFileSize;
}

std::optional<std::vector<std::uint8_t>> ParseTopicMarks(std::string_view bytes) {
    if (bytes.size() != kTopicFileSize) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> marks(bytes.begin(), bytes.end());
    for (std::size_t p = 1; p < kTopicFileSize; ++p) {
        marks[p] = marks[p] > 1 ? 1 : marks[p];
    }
    return marks;
}

bool AnyTopicMark(const std::vector<std::uint8_t>& marks) {
    const auto end = MarkLimit(marks);
    for (std::size_t p = 1; p < end; ++p) {
        if (marks[p] != 0) {
            return true;
        }
    }
    return false;
}

int CountTopicMarks(const std::vector<std::uint8_t>& marks) {
    const auto end = MarkLimit(marks);
    int n = 0;
    for (std::size_t p = 1; p < end; ++p) {
        n += marks[p] == 1 ? 1 : 0;
    }
    return n;
}

void OpenTopic(ReaderState& state, Prompt& prompt, std::string_view typedName) {
    if (IsTopicNameInvalid(typedName)) {
        Error(state, prompt, 82);
        return;
    }
    if (AnyTopicMark(state.topicMarks) && !Agrees(state, prompt, 128)) {
        return;
    }
    if (!IsTopicFileUsable(state, typedName)) {
        Error(state, prompt, 129);
        return;
    }
    const auto bytes = ReadTopicFile(TopicFilePath(state, typedName));
    auto marks = bytes ? ParseTopicMarks(std::string_view(
                             reinterpret_cast<const char*>(bytes->data()), bytes->size()))
                       : std::nullopt;
    if (!marks) {
        Error(state, prompt, 132);
        return;
    }
    state.topicMarks = std::move(*marks);
    state.currentTopicName = NameOfTopicFile(TopicFileName(typedName));
    Report(state, prompt, 130);
}

TopicOutcome SaveTopic(ReaderState& state, Prompt& prompt, std::string_view typedName) {
    if (IsTopicNameInvalid(typedName)) {
        Error(state, prompt, 82);
        return TopicOutcome::Unchanged;
    }
    if (!AnyTopicMark(state.topicMarks) && !Agrees(state, prompt, 131)) {
        return TopicOutcome::Unchanged;
    }
    if (IsTopicFileUsable(state, typedName) && !Agrees(state, prompt, 133)) {
        return TopicOutcome::Unchanged;
    }
    std::array<std::uint8_t, kTopicFileSize> bytes{};
    std::copy_n(state.topicMarks.begin(), MarkLimit(state.topicMarks), bytes.begin());
    const std::string temporary =
        TopicFolder(state) + ".lumra-topic-" + std::to_string(::getpid()) + ".tmp";
    if (!ReplaceFile(TopicFilePath(state, typedName), temporary, bytes.data(), bytes.size())) {
        Error(state, prompt, 135);
        return TopicOutcome::Unchanged;
    }
    state.currentTopicName = NameOfTopicFile(TopicFileName(typedName));
    Report(state, prompt, 134);
    return TopicOutcome::FilesChanged;
}

TopicOutcome DeleteTopicFile(ReaderState& state, Prompt& prompt, std::string_view typedName) {
    if (IsTopicNameInvalid(typedName)) {
        Error(state, prompt, 82);
        return TopicOutcome::Unchanged;
    }
    if (IsTopicFileUsable(state, typedName) && !Agrees(state, prompt, 138)) {
        return TopicOutcome::Unchanged;
    }
    // unlink, not remove: a folder that happens to carry the name is never deleted.
    if (::unlink(TopicFilePath(state, typedName).c_str()) != 0) {
        Report(state, prompt, 140);
        return TopicOutcome::Unchanged;
    }
    Report(state, prompt, 139);
    return TopicOutcome::FilesChanged;
}

void ClearTopic(ReaderState& state, Prompt& prompt) {
    if (!Agrees(state, prompt, 136)) {
        return;
    }
    const auto end = MarkLimit(state.topicMarks);
    for (std::size_t p = 1; p < end; ++p) {
        state.topicMarks[p] = 0;
    }
    Report(state, prompt, 137);
}

std::optional<TopicList> BuildTopicList(const ReaderState& state, Prompt& prompt) {
    TopicList list;
    list.count = CountTopicMarks(state.topicMarks);
    if (list.count > kTopicListQuestionAbove && !Agrees(state, prompt, 141, /*beep=*/false)) {
        return std::nullopt;
    }
    const auto& s = state.settings;
    VerseListOptions options;
    options.subtitle = NumericOne(s.topicListOptions[0]);
    options.footnote = NumericOne(s.topicListOptions[1]);
    options.sameLine = true;
    std::string entries;
    const auto end = MarkLimit(state.topicMarks);
    for (std::size_t p = 1; p < end; ++p) {
        if (state.topicMarks[p] == 1) {
            AppendVerseListEntry(entries, state.corpus, static_cast<int>(p), options);
        }
    }
    list.document = VerseListDocument(entries, s.viewFontSize);
    list.caption = state.texts[142] + std::to_string(list.count) + state.texts[143];
    return list;
}

void ReportTopicListCopied(const ReaderState& state, Prompt& prompt) {
    Report(state, prompt, 144);
}

std::vector<std::string> ListTopicFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) {
        return names;
    }
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            break;
        }
        std::string name = it->path().filename().string();
        std::error_code statusError;
        if (name.empty() || name.front() == '.' || !EndsWithTopicExtension(name) ||
            !it->is_regular_file(statusError)) {
            continue;
        }
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto folded = [](char c) { return LowerAscii(c); };
        const bool less =
            std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                         [&](char x, char y) { return folded(x) < folded(y); });
        const bool greater =
            std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                         [&](char x, char y) { return folded(x) < folded(y); });
        return less || (!greater && a < b);
    });
    return names;
}

std::string ChooseTopicFolder(const std::string& programFolder, const std::string& fallback) {
    const std::string program = FolderPath(programFolder);
    if (fallback.empty() || ::access(program.c_str(), W_OK | X_OK) == 0) {
        return program;
    }
    std::error_code ec;
    std::filesystem::create_directories(fallback, ec);
    return FolderPath(fallback);
}

} // namespace lumra
