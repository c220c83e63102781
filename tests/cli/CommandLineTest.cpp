// The subcommands against the core's own results on the synthetic data set, in both
// languages, and the exit code of each failure.

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unistd.h>

#include "MemorySettingsStore.h"
#include "SyntheticDataSet.h"
#include "cli/CommandLine.h"
#include "cli/OutputBuffer.h"
#include "companion/CompanionText.h"
#include "corpus/LanguageData.h"
#include "export/ExportChecks.h"
#include "export/ExportNames.h"
#include "export/ExportWriters.h"
#include "lumra/ExpectedCompanion.h"
#include "reading/ReadingCommands.h"
#include "search/QueryParser.h"
#include "search/SearchCorpus.h"
#include "search/VerseList.h"

namespace lumra {
namespace {

using test::SyntheticDataSet;

// Prompts that say nothing and agree to everything.
class SilentPrompt final : public Prompt {
public:
    PromptAnswer Show(const std::string&, const std::string&, PromptIcon,
                      PromptButtons buttons) override {
        return buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
    }
    void Beep() override {}
};

// Windows-1252 with CR LF as a terminal gets it.
std::string Printed(const std::string& cp1252, bool crlf = false) {
    std::string utf8 = Cp1252ToUtf8(cp1252);
    if (!crlf) {
        for (auto at = utf8.find("\r\n"); at != std::string::npos; at = utf8.find("\r\n", at)) {
            utf8.erase(at, 1);
        }
    }
    return utf8;
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        SyntheticDataSet::Write(folder.Path());
        for (const char* code : {"en", "sv"}) {
            data[code] = LoadLanguageData(folder.Path(), code);
            ASSERT_TRUE(data[code].corpus.ok()) << code;
        }
    }

    struct Run {
        int code;
        std::string out;
        std::string err;
    };
    Run Cli(std::vector<std::string> args) {
        std::ostringstream out;
        Run run = CliTo(out, args, {});
        run.out = out.str();
        return run;
    }
    // Into out, whose failed writes outputError explains.
    Run CliTo(std::ostream& out, std::vector<std::string> args, std::function<int()> outputError) {
        const cli::CliEnvironment env{folder.Path(), [this] { return intact; }, store,    1033,
                                      "9.9",         std::move(outputError),    companion};
        std::ostringstream err;
        const int code = cli::RunCommandLine(args, env, out, err);
        return {code, "", err.str()};
    }
    const Corpus& CorpusOf(const std::string& code) { return *data[code].corpus.corpus; }
    const InterfaceTexts& TextsOf(const std::string& code) { return data[code].texts; }
    // The error line of an interface text.
    std::string ErrorLine(const std::string& code, int n) {
        return "lumra: " + SyntheticDataSet::InterfaceText(code, n) + "\n";
    }

    test::TempFolder folder;
    test::TempFolder out;
    std::map<std::string, LanguageData> data;
    test::MemorySettingsStore store;
    bool intact = true;
    CompanionExpected companion;
};

TEST_F(CommandLine, ShowPrintsWhatCopyingTheVersePutsOnTheClipboard) {
    struct Case {
        std::vector<std::string> refs;
        std::vector<int> positions;
    };
    const std::vector<Case> cases = {
        {{"2:255"}, {PositionOf(2, 255)}},
        {{"2:255-257", "1:7"}, {PositionOf(2, 255), PositionOf(2, 256), PositionOf(2, 257), 7}},
        {{"2:0"}, {PositionOf(2, 0)}},
        {{"114"}, {6340, 6341, 6342, 6343, 6344, 6345, 6346}},
    };
    // Footnotes on from the stored settings, the subtitle off by its switch.
    store.values[{"G_SET", "g_c1( 1)"}] = "1";
    for (const std::string code : {"en", "sv"}) {
        for (const Case& c : cases) {
            std::string copied;
            for (const int p : c.positions) {
                copied += VerseClipText(CorpusOf(code), {0, 1, 1, 0}, p);
            }
            std::vector<std::string> args = {"show", "--lang", code, "--without-subtitles"};
            args.insert(args.end(), c.refs.begin(), c.refs.end());
            const Run run = Cli(args);
            EXPECT_EQ(run.code, 0);
            EXPECT_EQ(run.out, Printed(copied)) << code << " " << c.refs[0];
            EXPECT_EQ(run.err, "");
        }
    }
    // The whole of sura 9 (no opening) with the reference on its own line, in CR LF.
    std::string copied;
    for (int p = PositionOf(9, 1); p <= kSuras.EndPosition[9]; ++p) {
        copied += VerseClipText(CorpusOf("sv"), {1, 1, 0, 0}, p);
    }
    EXPECT_EQ(Cli({"show", "9", "--lang=sv", "--own-line", "--with-subtitles", "--crlf"}).out,
              Printed(copied, true));
}

TEST_F(CommandLine, SearchFindsWhatTheSearchEngineFinds) {
    struct Case {
        std::string code;
        std::vector<std::string> args; // after the query
        std::string query;             // UTF-8
        bool footnotes, matchCase, wholeWords;
    };
    const std::vector<Case> cases = {
        {"en", {}, "verse 2:25", false, false, false},
        {"en", {"--footnotes", "--no-verse-texts"}, "note", true, false, false},
        {"en", {"--match-case", "--whole-words"}, "+verse 3:\\at 30/x", false, true, true},
        // ÅÄÖ, found in the texts' åäö
        {"sv", {}, "0 \xC3\x85\xC3\x84\xC3\x96", false, false, false},
        {"sv", {"--ignore-case", "--no-whole-words"}, "\xC3\xA5\xC3\xA4", false, false, false},
    };
    for (const Case& c : cases) {
        Settings options = LoadSettings(store);
        options.searchFootnotes = c.footnotes ? 1 : 0;
        options.searchVerseText = c.footnotes ? 0 : 1;
        options.compareMode = c.matchCase ? 0 : 1;
        options.wholeWords = c.wholeWords ? 1 : 0;
        SearchState search;
        ASSERT_TRUE(ParseQuery(Utf8ToCp1252(c.query), search));
        SearchCorpus(CorpusOf(c.code), options, search);
        VerseListOptions list{true, true, true, &search, options.compareMode, "\r\n"};
        std::string refs;
        std::string entries;
        int hits = 0;
        for (int p = 1; p <= kPositionCount; ++p) {
            if (search.hitFlags[static_cast<std::size_t>(p)].Any()) {
                const auto at = static_cast<std::int16_t>(p);
                refs += std::to_string(SuraOfPosition(at)) + ":" +
                        std::to_string(VerseOfPosition(at)) + "\n";
                AppendVerseListEntry(entries, CorpusOf(c.code), p, list);
                ++hits;
            }
        }
        auto args = [&](std::vector<std::string> more) {
            std::vector<std::string> all = {"search", c.query, "--lang", c.code};
            all.insert(all.end(), c.args.begin(), c.args.end());
            all.insert(all.end(), more.begin(), more.end());
            return all;
        };
        const std::string what = c.code + " " + c.query;
        ASSERT_GT(hits, 0) << what;
        EXPECT_EQ(Cli(args({"--refs"})).out, refs) << what;
        EXPECT_EQ(Cli(args({"--count"})).out, std::to_string(hits) + "\n") << what;
        const Run listed = Cli(args({}));
        EXPECT_EQ(listed.code, 0);
        EXPECT_EQ(listed.out, Printed(entries)) << what;
    }
    // No limit of 200 unless one is asked for.
    EXPECT_EQ(Cli({"search", "verse", "--count"}).out, std::to_string(kPositionCount) + "\n");
    EXPECT_EQ(Cli({"search", "verse", "--refs", "--limit", "2"}).out, "1:1\n1:2\n");
}

TEST_F(CommandLine, ExportWritesTheBytesOfTheExportDialog) {
    for (const std::string code : {"en", "sv"}) {
        for (const bool rich : {true, false}) {
            ExportRequest request{"2", "0", "3", "4", "core", out.Path(), rich};
            SilentPrompt prompt;
            ASSERT_EQ(ValidateExportRequest(request, TextsOf(code), prompt).failed, 0);
            const ExportRange range = RangeOfRequest(request);
            const ExportEnvironment env{{CorpusOf(code), TextsOf(code), 0}, prompt, {}};
            ASSERT_TRUE(ExportVerseRange(request, range.start, range.end, rich, env));

            const Run run = Cli({"export", "2", "3:4", out.Path() + "cli", "--own-line", "--lang",
                                 code, rich ? "--rtf" : "--text", "--replace"});
            EXPECT_EQ(run.code, 0);
            EXPECT_EQ(run.out + run.err, "");
            const std::string extension = rich ? ".rtf" : ".txt";
            EXPECT_EQ(test::ReadFile(out.Path() + "cli" + extension),
                      test::ReadFile(out.Path() + "core" + extension))
                << code << extension;
        }
    }
}

TEST_F(CommandLine, EachFailureHasItsExitCodeAndOneLine) {
    test::WriteFile(out.Path() + "taken.txt", "old");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err; // empty: any one line
    };
    const std::vector<Case> cases = {
        {{"show", "2:255", "--capitals"}, 2, ""},
        {{"show"}, 2, ""},
        {{"search", "a", "b"}, 2, ""},
        {{"show", "--lang", "de", "1:1"}, 2, ""},
        {{"show", "1:1", "115"}, 2, "lumra: 115: there are 114 suras\n"},
        {{"show", "1:0", "--lang", "sv"}, 2, "lumra: 1:0: sura 1 har ingen onumrerad inledning\n"},
        {{"show", "2:7-5"}, 2, "lumra: 2:7-5: the range ends before it starts\n"},
        {{"show", "2:7-2:3", "--lang", "sv"},
         2,
         "lumra: 2:7-2:3: intervallet slutar innan det b\xC3\xB6rjar\n"},
        {{"show", "2:300"}, 2, "lumra: 2:300: sura 2 has 286 verses\n"},
        {{"show", "2:x"}, 2, "lumra: 2:x: not a reference (2:255, 2:255-257, 9 or 2:0)\n"},
        {{"shw", "2:255"},
         2,
         "lumra: unknown command 'shw' (did you mean 'show'?); see lumra --help\n"},
        {{"frobnicate"}, 2, "lumra: unknown command 'frobnicate'; see lumra --help\n"},
        {{"--lang", "xx"}, 2, "lumra: --lang xx: the language is en or sv\n"},
        {{"search", ""}, 2, ErrorLine("en", 70)},
        {{"search", " + /"}, 2, ErrorLine("en", 92)},
        {{"search", "nowhere"}, 1, ErrorLine("en", 65)},
        {{"search", "nowhere", "--count"}, 1, ""},
        {{"export", "0", "2", out.Path() + "x"}, 2, "lumra: en#76en#41en#77\n"},
        {{"export", "2:5", "2:4", out.Path() + "x"}, 2, "lumra: en#79en#41en#80en#42en#81\n"},
        {{"export", "1", "1", out.Path() + "a:b"}, 2, ErrorLine("en", 82)},
        {{"export", "1", "1", out.Path() + "taken", "--text"},
         2,
         "lumra: en#83taken.txten#84 (--replace)\n"},
        {{"export", "1", "1", out.Path() + "missing/x"}, 4, ErrorLine("en", 85)},
        // A link to a file is that file.
        {{"export", "1", "1", out.Path() + "linked", "--text"},
         2,
         "lumra: en#83linked.txten#84 (--replace)\n"},
    };
    std::filesystem::create_symlink("taken.txt", out.Path() + "linked.txt");
    for (const Case& c : cases) {
        const Run run = Cli(c.args);
        const std::string what = c.args.size() > 1 ? c.args[0] + " " + c.args[1] : c.args[0];
        EXPECT_EQ(run.code, c.code) << what;
        if (c.err.empty()) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), run.code == 1 ? 0 : 1)
                << what;
        } else {
            EXPECT_EQ(run.err, c.err) << what;
        }
        EXPECT_EQ(run.out, c.code == 1 && run.err.empty() ? "0\n" : "") << what;
    }
    EXPECT_EQ(test::ReadFile(out.Path() + "taken.txt"), "old");
    // Replacing the link replaces the link, not the file it points to.
    EXPECT_EQ(Cli({"export", "1", "1", out.Path() + "linked", "--text", "--replace"}).code, 0);
    EXPECT_FALSE(std::filesystem::is_symlink(out.Path() + "linked.txt"));
    EXPECT_EQ(test::ReadFile(out.Path() + "taken.txt"), "old");
    EXPECT_EQ(Cli({"--version"}).out, "lumra 9.9\n");
    EXPECT_NE(Cli({"show", "--help"}).out.find("lumra show REF"), std::string::npos);

    // Altered data files: nothing at all, whatever was asked.
    intact = false;
    for (const auto& args :
         {std::vector<std::string>{"show", "2:255"}, std::vector<std::string>{"show", "115"},
          std::vector<std::string>{"search", "verse", "--count"}}) {
        const Run run = Cli(args);
        EXPECT_EQ(run.code, 3);
        EXPECT_EQ(run.out + run.err, "");
    }
    EXPECT_TRUE(store.writes.empty());
}

// Standard output on a full disk and on a closed pipe, both real descriptors.
TEST_F(CommandLine, AFailedWriteIsSaidWithItsCauseButAClosedPipeIsNot) {
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    close(pipeEnds[0]);
    const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    struct Case {
        std::vector<std::string> args;
        int fd;
        std::string err;
    };
    const std::string noSpace = "lumra: cannot write the output: No space left on device\n";
    const std::vector<Case> cases = {
        {{"--help"}, full, noSpace},
        {{"--version"}, full, noSpace},
        {{"show", "2:255"}, full, noSpace},
        {{"show", "2", "--lang", "sv"},
         full,
         "lumra: kan inte skriva utdata: No space left on device\n"},
        {{"search", "verse", "--count"}, full, noSpace},
        {{"search", "verse", "--json"}, full, noSpace},
        {{"show", "2"}, pipeEnds[1], ""},
    };
    for (const Case& c : cases) {
        cli::OutputBuffer buffer(c.fd);
        std::ostream out(&buffer);
        const Run run = CliTo(out, c.args, [&buffer] { return buffer.Error(); });
        EXPECT_EQ(run.code, 4) << c.args[0] << " " << c.fd;
        EXPECT_EQ(run.err, c.err) << c.args[0] << " " << c.fd;
    }
    close(full);
    close(pipeEnds[1]);
    std::signal(SIGPIPE, previous);
}

// Each JSON line holds what the plain output prints of its position, in both languages:
// subtitles and footnotes where there are any, null elsewhere, and a search's fields.
TEST_F(CommandLine, JsonLinesCarryThePlainOutputsTexts) {
    int subtitles = 0;
    int footnotes = 0;
    for (const std::string code : {"en", "sv"}) {
        for (const std::string ref : {"1:7-2:1", "2:40-2:42", "9:127", "114"}) {
            const Run json = Cli({"show", ref, "--lang", code, "--json"});
            ASSERT_EQ(json.code, 0) << ref;
            std::string rebuilt;
            std::istringstream lines(json.out);
            for (std::string line; std::getline(lines, line);) {
                const auto verse = nlohmann::json::parse(line);
                const int sura = verse["sura"];
                const int number = verse["verse"];
                EXPECT_EQ(verse["position"], PositionOf(static_cast<std::int16_t>(sura),
                                                        static_cast<std::int16_t>(number)));
                EXPECT_EQ(verse["reference"], std::to_string(sura) + ":" + std::to_string(number));
                auto indented = [](std::string text, const std::string& indent) {
                    for (auto at = text.find('\n'); at != std::string::npos;
                         at = text.find('\n', at + 1)) {
                        text.insert(at + 1, indent);
                    }
                    return indent + text + "\n\n";
                };
                if (!verse["subtitle"].is_null()) {
                    rebuilt += indented(verse["subtitle"], "     ");
                    ++subtitles;
                }
                rebuilt += "[" + verse["reference"].get<std::string>() + "]\n" +
                           verse["text"].get<std::string>() + "\n\n";
                if (!verse["footnote"].is_null()) {
                    rebuilt += indented(verse["footnote"], "   ");
                    ++footnotes;
                }
            }
            EXPECT_EQ(rebuilt, Cli({"show", ref, "--lang", code, "--own-line", "--with-subtitles",
                                    "--with-footnotes"})
                                   .out)
                << code << " " << ref;
        }
        const std::vector<std::string> search = {"search", "note",        "--lang",
                                                 code,     "--footnotes", "--no-verse-texts"};
        std::vector<std::string> args = search;
        args.push_back("--json");
        std::string refs;
        std::istringstream lines(Cli(args).out);
        for (std::string line; std::getline(lines, line);) {
            const auto verse = nlohmann::json::parse(line);
            EXPECT_EQ(verse["hits"], nlohmann::json::array({"footnote"}));
            refs += verse["reference"].get<std::string>() + "\n";
        }
        args.back() = "--refs";
        EXPECT_EQ(refs, Cli(args).out) << code;
    }
    EXPECT_GT(subtitles, 0);
    EXPECT_GT(footnotes, 0);
}

// The companion files of this build beside the synthetic data set: show prints the original
// and its transliteration before each verse and the other language after it only when asked,
// and ends with 3 when the companion is not there.
TEST_F(CommandLine, ShowAddsTheOriginalAndTheOtherLanguageWhenAsked) {
    for (const char* name : {kOriginalFileName, kTransliterationFileName}) {
        test::WriteFile(folder.Path() + name,
                        test::ReadFile(LUMRA_BUILT_PROGRAM_DIR + std::string(name)));
    }
    companion = kExpectedCompanion;
    const std::optional<CompanionText> text = LoadCompanionText(folder.Path(), companion);
    ASSERT_TRUE(text);
    const std::vector<int> positions = {PositionOf(2, 0), PositionOf(9, 127), 6346};
    struct Case {
        std::vector<std::string> options;
        bool original, transliteration, parallel;
    };
    const std::vector<Case> cases = {
        {{"--original"}, true, false, false},
        {{"--transliteration"}, false, true, false},
        {{"--parallel"}, false, false, true},
        {{"--parallel", "--transliteration", "--original"}, true, true, true},
    };
    for (const std::string code : {"en", "sv"}) {
        const std::string other = code == "en" ? "sv" : "en";
        for (const Case& c : cases) {
            std::string expected;
            nlohmann::json objects = nlohmann::json::array();
            for (const int p : positions) {
                std::string before;
                nlohmann::json object =
                    nlohmann::json::parse(Cli({"show", "--lang", code, "--json",
                                               std::to_string(SuraOfPosition(p)) + ":" +
                                                   std::to_string(VerseOfPosition(p))})
                                              .out);
                if (c.original) {
                    before += OriginalShown(*text, p) + "\n";
                    object["original"] = OriginalShown(*text, p);
                }
                if (c.transliteration) {
                    before += TransliterationShown(*text, p) + "\n";
                    object["transliteration"] = TransliterationShown(*text, p);
                }
                expected += before + (before.empty() ? "" : "\n") +
                            Printed(VerseClipText(CorpusOf(code), {0, 0, 0, 0}, p));
                if (c.parallel) {
                    expected += Printed(VerseClipText(CorpusOf(other), {1, 0, 0, 0}, p));
                    const Corpus& o = CorpusOf(other);
                    nlohmann::json subtitle = nullptr;
                    if (o.HasSubtitle(p)) {
                        std::string lines = Printed(std::string(o.SubtitleOf(p)));
                        std::replace(lines.begin(), lines.end(), '_', '\n');
                        subtitle = lines;
                    }
                    object["parallel"] = {
                        {"language", other},
                        {"subtitle", subtitle},
                        {"text", Cp1252ToUtf8(o.verseText[static_cast<std::size_t>(p)])}};
                }
                objects.push_back(object);
            }
            std::vector<std::string> args = {"show",       "--lang", code,
                                             "--own-line", "2:0",    "--without-subtitles",
                                             "9:127",      "114:6"};
            args.insert(args.end(), c.options.begin(), c.options.end());
            const Run run = Cli(args);
            EXPECT_EQ(run.code, 0) << run.err;
            EXPECT_EQ(run.out, expected) << code << " " << c.options[0];

            args.push_back("--json");
            nlohmann::json lines = nlohmann::json::array();
            std::istringstream json(Cli(args).out);
            for (std::string line; std::getline(json, line);) {
                lines.push_back(nlohmann::json::parse(line));
            }
            EXPECT_EQ(lines, objects) << code << " " << c.options[0];
        }
    }

    // A missing or altered companion withdraws --original and --transliteration only.
    const std::string missing = "the original text is not available";
    companion = {kExpectedCompanion.original, kExpectedCompanion.transliteration ^ 1};
    for (const std::string option : {"--original", "--transliteration"}) {
        const Run run = Cli({"show", "2:255", "--lang", "en", option});
        EXPECT_EQ(run.code, 3);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "lumra: " + option + ": " + missing +
                               " (original.txt or transliteration.txt in the program folder is "
                               "missing or altered)\n");
    }
    companion = kExpectedCompanion;
    std::filesystem::remove(folder.Path() + kOriginalFileName);
    const Run swedish = Cli({"show", "2:255", "--lang", "sv", "--original", "--json"});
    EXPECT_EQ(swedish.code, 3);
    EXPECT_EQ(swedish.out, "");
    EXPECT_TRUE(swedish.err.starts_with("lumra: --original: originaltexten finns inte"))
        << swedish.err;
    EXPECT_EQ(Cli({"show", "2:255", "--parallel"}).code, 0);
    EXPECT_EQ(Cli({"search", "note", "--original"}).code, 2);
}

} // namespace
} // namespace lumra
