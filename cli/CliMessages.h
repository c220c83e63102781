#pragma once
// The command line's own messages, in English and Swedish: each names the argument at fault and
// what is wrong with it, in words that fit a terminal. UTF-8.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lumra::cli {

enum class CliMessage {
    None,
    UnknownCommand,     // {0} the word
    UnknownCommandNear, // {0} the word, {1} the subcommand it is close to
    UnknownOption,      // {0} the option
    NeedsValue,         // {0} the option
    LanguageValue,      // {0} the value
    LimitValue,         // {0} the value
    SubcommandNeeded,
    ShowNeedsReference,
    SearchTakesOneQuery,
    ExportTakesThree,
    NotAReference, // {0} the reference
    NoSuchSura,    // {0} the reference
    NoSuchVerse,   // {0} the reference, {1} the sura, {2} its verse count
    NoOpening,     // {0} the reference, {1} the sura
    RangeReversed, // {0} the reference
    CannotWrite,   // {0} the system's reason
    NoDisplay,
    DisplayUnreachable, // {0} the variable and its value, "DISPLAY=:5"
    CompanionMissing,   // {0} the option that asked for it
};

// A refusal: the message and what fills it.
struct CliError {
    CliMessage message = CliMessage::None;
    std::string arguments[3];

    explicit operator bool() const { return message != CliMessage::None; }
};

CliError Error(CliMessage message, std::initializer_list<std::string_view> arguments = {});

// The message in the language (1 English, 2 Swedish), without "lumra: " and line end.
std::string MessageText(const CliError& error, std::uint8_t language);

} // namespace lumra::cli
