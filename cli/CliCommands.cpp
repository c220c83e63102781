#include "cli/CliCommands.h"

#include <filesystem>

#include "SuraTable.h"
#include "cli/JsonLines.h"
#include "cli/VerseReference.h"
#include "export/ExportChecks.h"
#include "export/ExportNames.h"
#include "export/ExportWriters.h"
#include "reading/ReadingCommands.h"
#include "search/QueryParser.h"
#include "search/SearchCorpus.h"
#include "search/VerseList.h"

namespace lumra::cli {

namespace {

CommandResult Refused(int exitCode, std::string message) {
    CommandResult result;
    result.exitCode = exitCode;
    result.notices.push_back(std::move(message));
    return result;
}

std::uint8_t Flag(bool on) {
    return on ? 1 : 0;
}

// The boxes of the export dialog answered from the command line: the replace question with
// --replace, every other box with OK. What the boxes said is kept for standard error.
class CommandLinePrompt final : public Prompt {
public:
    explicit CommandLinePrompt(bool replace) : replace_(replace) {}
    PromptAnswer Show(const std::string& message, const std::string&, PromptIcon,
                      PromptButtons buttons) override {
        messages.push_back(message);
        if (buttons == PromptButtons::YesNo) {
            return replace_ ? PromptAnswer::Yes : PromptAnswer::No;
        }
        return PromptAnswer::Ok;
    }
    void Beep() override {}

    std::vector<std::string> messages;

private:
    bool replace_;
};

// One position of show in plain text, UTF-8: the original and its transliteration on a line
// each before the verse as F10 copies it, the other language's subtitle, reference and text
// after it.
std::string ShowWithCompanion(const CliArguments& args, const CliData& data,
                              const std::array<std::uint8_t, 4>& viewOptions, int position) {
    std::string out;
    if (args.original && data.companion != nullptr) {
        out += OriginalShown(*data.companion, position) + "\r\n";
    }
    if (args.transliteration && data.companion != nullptr) {
        out += TransliterationShown(*data.companion, position) + "\r\n";
    }
    if (!out.empty()) {
        out += "\r\n";
    }
    out += Cp1252ToUtf8(VerseClipText(data.corpus, viewOptions, position));
    if (args.parallel && data.parallel != nullptr) {
        out += Cp1252ToUtf8(VerseClipText(*data.parallel, {1, 0, viewOptions[2], 0}, position));
    }
    return out;
}

} // namespace

CommandResult RunShow(const CliArguments& args, const CliData& data) {
    const auto& stored = data.settings.viewOptions;
    const std::array<std::uint8_t, 4> viewOptions = {
        Flag(args.Switch("with-subtitles", stored[0] == 1)),
        Flag(args.Switch("with-footnotes", stored[1] == 1)),
        Flag(args.Switch("one-line", stored[2] == 1)), stored[3]};
    const bool companion = args.original || args.transliteration || args.parallel;
    const JsonCompanion fields{args.original ? data.companion : nullptr,
                               args.transliteration ? data.companion : nullptr,
                               args.parallel ? data.parallel : nullptr, data.parallelLanguage};
    CommandResult result;
    for (const std::string& reference : args.operands) {
        const ShowRange range = CheckShowReference(reference);
        if (range.error) {
            result = {};
            result.exitCode = kBadArguments;
            result.error = range.error;
            return result;
        }
        for (int p = range.first; p <= range.last; ++p) {
            if (args.json) {
                AppendJsonLine(result.out, data.corpus, p, nullptr, fields);
            } else if (companion) {
                result.out += ShowWithCompanion(args, data, viewOptions, p);
            } else {
                result.out += VerseClipText(data.corpus, viewOptions, p);
            }
        }
    }
    result.utf8 = args.json || companion;
    return result;
}

CommandResult RunSearch(const CliArguments& args, const CliData& data) {
    Settings options = data.settings;
    options.searchVerseText = Flag(args.Switch("verse-texts", options.searchVerseText == 1));
    options.searchSubtitles = Flag(args.Switch("subtitles", options.searchSubtitles == 1));
    options.searchFootnotes = Flag(args.Switch("footnotes", options.searchFootnotes == 1));
    options.compareMode = Flag(!args.Switch("match-case", options.compareMode == 0));
    options.wholeWords = Flag(args.Switch("whole-words", options.wholeWords == 1));

    const std::string query = Utf8ToCp1252(args.operands.front());
    if (query.empty()) {
        return Refused(kBadArguments, data.texts[70]);
    }
    SearchState search;
    if (!ParseQuery(query, search)) {
        return Refused(kBadArguments, data.texts[92]);
    }
    SearchCorpus(data.corpus, options, search);

    VerseListOptions list;
    list.subtitle = args.Switch("with-subtitles", options.listOptions[0] == 1);
    list.footnote = args.Switch("with-footnotes", options.listOptions[1] == 1);
    list.sameLine = args.Switch("one-line", options.listOptions[2] == 1);
    list.capitalTerms = args.Switch("capitals", options.listOptions[3] == 1) ? &search : nullptr;
    list.compareMode = options.compareMode;
    list.lineBreak = "\r\n";

    CommandResult result;
    int hits = 0;
    for (int p = 1; p <= kPositionCount && (!args.limit || hits < *args.limit); ++p) {
        if (!search.hitFlags[static_cast<std::size_t>(p)].Any()) {
            continue;
        }
        ++hits;
        if (args.count) {
            continue;
        }
        if (args.json) {
            AppendJsonLine(result.out, data.corpus, p,
                           &search.hitFlags[static_cast<std::size_t>(p)]);
        } else if (args.refs) {
            const auto position = static_cast<std::int16_t>(p);
            result.out += std::to_string(SuraOfPosition(position)) + ":" +
                          std::to_string(VerseOfPosition(position)) + "\r\n";
        } else {
            AppendVerseListEntry(result.out, data.corpus, p, list);
        }
    }
    result.utf8 = args.json && !args.count;
    if (args.count) {
        result.out = std::to_string(hits) + "\r\n";
    } else if (hits == 0) {
        result.notices.push_back(data.texts[65]);
    }
    result.exitCode = hits == 0 ? kNoHit : kFound;
    return result;
}

CommandResult RunExport(const CliArguments& args, const CliData& data) {
    const ReferenceBoxes from = ExportEndBoxes(args.operands[0], false);
    const ReferenceBoxes to = ExportEndBoxes(args.operands[1], true);
    const std::filesystem::path file(args.operands[2]);
    ExportRequest request;
    request.fromSura = from.sura;
    request.fromVerse = from.verse;
    request.toSura = to.sura;
    request.toVerse = to.verse;
    request.fileName = Utf8ToCp1252(file.filename().string());
    request.folder = file.has_parent_path() ? file.parent_path().string() : ".";
    request.richText = args.richText;

    CommandLinePrompt prompt(args.replace);
    const ExportCheck check = ValidateExportRequest(request, data.texts, prompt);
    if (check.failed != 0) {
        // The replace question, refused without --replace, is said as the reason.
        return Refused(kBadArguments,
                       check.asked ? prompt.messages.back() + " (--replace)" : check.message);
    }
    prompt.messages.clear();
    const ExportRange range = RangeOfRequest(request);
    const std::uint8_t inlineReference =
        Flag(args.Switch("one-line", data.settings.inlineReference == 1));
    const ExportEnvironment environment{{data.corpus, data.texts, inlineReference}, prompt, {}};
    const bool written =
        ExportVerseRange(request, range.start, range.end, request.richText, environment);

    CommandResult result;
    result.exitCode = written ? kFound : kWriteFailed;
    for (const std::string& message : prompt.messages) {
        // The closing "complete" box says what the exit code says already.
        if (message != data.texts[88]) {
            result.notices.push_back(message);
        }
    }
    return result;
}

} // namespace lumra::cli
