#include "cli/CliMessages.h"

#include <array>

namespace lumra::cli {

namespace {

struct Wording {
    std::string_view english;
    std::string_view swedish;
};

constexpr std::string_view kNoDisplayEnd = "; show, search and export work without one";
constexpr std::string_view kNoDisplayEndSv = "; show, search och export fungerar utan skärm";

// In the order of CliMessage; {n} is replaced by the nth argument.
constexpr std::array<Wording, 20> kWordings = {{
    {"", ""},
    {"unknown command '{0}'; see lumra --help", "okänt kommando '{0}'; se lumra --help"},
    {"unknown command '{0}' (did you mean '{1}'?); see lumra --help",
     "okänt kommando '{0}' (menade du '{1}'?); se lumra --help"},
    {"unknown option '{0}'; see lumra --help", "okänd flagga '{0}'; se lumra --help"},
    {"{0} needs a value", "{0} behöver ett värde"},
    {"--lang {0}: the language is en or sv", "--lang {0}: språket är en eller sv"},
    {"--limit {0}: the limit is a number from 1", "--limit {0}: gränsen är ett tal från 1"},
    {"a subcommand is needed: show, search or export",
     "ett underkommando behövs: show, search eller export"},
    {"show needs at least one reference (2:255, 2:255-257, 9 or 2:0)",
     "show behöver minst en hänvisning (2:255, 2:255-257, 9 eller 2:0)"},
    {"search takes one query (quote a phrase)",
     "search tar en enda sökfråga (sätt en fras inom citattecken)"},
    {"export takes FROM, TO and FILE", "export tar FROM, TO och FILE"},
    {"{0}: not a reference (2:255, 2:255-257, 9 or 2:0)",
     "{0}: ingen giltig hänvisning (2:255, 2:255-257, 9 eller 2:0)"},
    {"{0}: there are 114 suras", "{0}: det finns 114 suror"},
    {"{0}: sura {1} has {2} verses", "{0}: sura {1} har {2} verser"},
    {"{0}: sura {1} has no unnumbered opening", "{0}: sura {1} har ingen onumrerad inledning"},
    {"{0}: the range ends before it starts", "{0}: intervallet slutar innan det börjar"},
    {"cannot write the output: {0}", "kan inte skriva utdata: {0}"},
    {"no display to open the reader on (DISPLAY and WAYLAND_DISPLAY are not set)",
     "ingen skärm att öppna läsaren på (DISPLAY och WAYLAND_DISPLAY är inte satta)"},
    {"no display to open the reader on ({0} cannot be reached)",
     "ingen skärm att öppna läsaren på ({0} går inte att nå)"},
    {"{0}: the original text is not available (original.txt or transliteration.txt in the "
     "program folder is missing or altered)",
     "{0}: originaltexten finns inte att tillgå (original.txt eller transliteration.txt i "
     "programmappen saknas eller är ändrad)"},
}};
static_assert(kWordings.size() == static_cast<std::size_t>(CliMessage::CompanionMissing) + 1);

} // namespace

CliError Error(CliMessage message, std::initializer_list<std::string_view> arguments) {
    CliError error;
    error.message = message;
    std::size_t i = 0;
    for (const std::string_view argument : arguments) {
        if (i < std::size(error.arguments)) {
            error.arguments[i++] = argument;
        }
    }
    return error;
}

std::string MessageText(const CliError& error, std::uint8_t language) {
    const Wording& wording = kWordings[static_cast<std::size_t>(error.message)];
    const std::string_view text = language == 2 ? wording.swedish : wording.english;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}' && text[i + 1] >= '0' &&
            text[i + 1] <= '2') {
            out += error.arguments[text[i + 1] - '0'];
            i += 2;
        } else {
            out += text[i];
        }
    }
    if (error.message == CliMessage::NoDisplay || error.message == CliMessage::DisplayUnreachable) {
        out += language == 2 ? kNoDisplayEndSv : kNoDisplayEnd;
    }
    return out;
}

} // namespace lumra::cli
