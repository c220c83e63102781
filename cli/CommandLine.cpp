#include "cli/CommandLine.h"

#include <cerrno>
#include <cstring>

#include "cli/CliCommands.h"
#include "cli/CliText.h"
#include "corpus/LanguageData.h"
#include "corpus/LanguageTable.h"
#include "export/ExportNames.h"

namespace lumra::cli {

namespace {

constexpr std::string_view kUsage =
    "Usage: lumra [QT-OPTION...]        start the reader (-platform, -style, -display, ...)\n"
    "       lumra show REF...           print verses as F10 copies them\n"
    "       lumra search QUERY          print the verses a search finds\n"
    "       lumra export FROM TO FILE   write a verse range as the export dialog does\n"
    "\n"
    "REF is 2:255, 2:255-257, 2:255-3:5, 9 (a whole sura) or 2:0 (an unnumbered\n"
    "opening); FROM and TO are 2:255 or a whole sura.\n"
    "\n"
    "Every subcommand:  --lang en|sv  --crlf  --help  --version\n"
    "show:    --with-subtitles --with-footnotes --one-line --json\n"
    "         --original --transliteration --parallel\n"
    "search:  --verse-texts --subtitles --footnotes --match-case --whole-words\n"
    "         --with-subtitles --with-footnotes --one-line --capitals\n"
    "         --refs --count --limit N --json\n"
    "export:  --rtf --text --one-line --replace\n"
    "Each switch has an opposite (--without-subtitles, --without-footnotes, --own-line,\n"
    "--no-verse-texts, --no-subtitles, --no-footnotes, --ignore-case, --no-whole-words,\n"
    "--no-capitals); a switch not given keeps the reader's setting.\n"
    "--json prints one JSON object a line: sura, verse, position, reference, subtitle,\n"
    "text, footnote (null where none) and, for search, hits (the fields found in);\n"
    "show adds original, transliteration and parallel (language, subtitle, text) when\n"
    "asked. --original prints the Arabic original before each verse, --transliteration\n"
    "its transliteration, --parallel the verse in the other language after it.\n"
    "\n"
    "Exit status: 0 found or written, 1 no hit, 2 bad arguments or reference,\n"
    "3 the data files failed their check (or, for --original and --transliteration,\n"
    "the original text is not available), 4 the output or the file could not be\n"
    "written, 5 no display to start the reader on.\n"
    "See lumra(1).\n";

void PrintError(std::ostream& err, std::string_view utf8) {
    err << "lumra: " << utf8 << '\n';
}

// The output flushed; a failed write is said with its cause, except a closed pipe: whoever
// closed it wants no more.
int Flushed(std::ostream& out, std::ostream& err, const CliEnvironment& env, std::uint8_t language,
            int exitCode) {
    if (out.flush()) {
        return exitCode;
    }
    const int cause = env.outputError ? env.outputError() : 0;
    if (cause != EPIPE) {
        PrintError(err, MessageText(Error(CliMessage::CannotWrite,
                                          {std::strerror(cause != 0 ? cause : EIO)}),
                                    language));
    }
    return kWriteFailed;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, const CliEnvironment& env,
                   std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = ParseArguments(args);
    const CliArguments& a = parsed.arguments;
    const Settings settings = LoadSettings(env.store);
    const std::uint8_t language = a.language == "en" ? 1
                                  : a.language == "sv"
                                      ? 2
                                      : ChooseLanguage(settings.language, env.systemLanguageId);
    if (parsed.error) {
        PrintError(err, MessageText(parsed.error, language));
        return kBadArguments;
    }
    if (a.help) {
        out << kUsage;
        return Flushed(out, err, env, language, kFound);
    }
    if (a.version) {
        out << "lumra " << env.version << '\n';
        return Flushed(out, err, env, language, kFound);
    }

    // Altered data files end the run before anything is said, as they end the reader.
    if (!env.dataFilesIntact()) {
        return kDataCheckFailed;
    }
    const std::string folder = FolderPath(env.programFolder);
    const LanguageData data = LoadLanguageData(folder, kLanguages[language].code);
    if (!data.corpus.ok()) {
        PrintError(err, Cp1252ToUtf8(OneLine(data.texts[99])));
        return kDataCheckFailed;
    }

    CliData cliData{data.texts, *data.corpus.corpus, settings};
    // The companion only when asked for, so that every other run reads what it read before.
    std::optional<CompanionText> companion;
    if (a.command == Subcommand::Show && (a.original || a.transliteration)) {
        companion = LoadCompanionText(folder, env.companionExpected);
        if (!companion) {
            PrintError(err, MessageText(Error(CliMessage::CompanionMissing,
                                              {a.original ? "--original" : "--transliteration"}),
                                        language));
            return kDataCheckFailed;
        }
        cliData.companion = &*companion;
    }
    std::optional<LanguageData> other;
    if (a.command == Subcommand::Show && a.parallel) {
        const std::uint8_t otherLanguage = OtherLanguage(language);
        other = LoadLanguageData(folder, kLanguages[otherLanguage].code);
        if (!other->corpus.ok()) {
            PrintError(err, Cp1252ToUtf8(OneLine(data.texts[99])));
            return kDataCheckFailed;
        }
        cliData.parallel = &*other->corpus.corpus;
        cliData.parallelLanguage = kLanguages[otherLanguage].code;
    }
    const CommandResult result = a.command == Subcommand::Show     ? RunShow(a, cliData)
                                 : a.command == Subcommand::Search ? RunSearch(a, cliData)
                                                                   : RunExport(a, cliData);
    out << PrintedText(result.out, a.crlf, result.utf8);
    if (result.error) {
        PrintError(err, MessageText(result.error, language));
    }
    for (const std::string& notice : result.notices) {
        PrintError(err, Cp1252ToUtf8(OneLine(notice)));
    }
    return Flushed(out, err, env, language, result.exitCode);
}

} // namespace lumra::cli
