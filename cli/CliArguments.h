#pragma once
// The command line of a subcommand: which one, its operands and its options. Every switch has
// an "on" and an "off" spelling; a switch not given leaves the reader's stored setting.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliMessages.h"

namespace lumra::cli {

enum class Subcommand { None, Show, Search, Export };

struct CliArguments {
    Subcommand command = Subcommand::None;
    bool help = false;
    bool version = false;
    std::string language; // "en", "sv", or empty for the stored (else the system's) language
    bool crlf = false;
    // Keyed by the "on" spelling without its dashes ("with-subtitles"): true on, false off.
    std::map<std::string, bool> switches;
    bool refs = false;
    bool count = false;
    bool json = false; // show, search: JSON Lines
    // show: the original before each verse, its transliteration, the other language after it.
    bool original = false;
    bool transliteration = false;
    bool parallel = false;
    std::optional<int> limit;
    bool richText = true;
    bool replace = false;
    std::vector<std::string> operands;

    // The switch's value when given, else the stored one.
    bool Switch(const std::string& name, bool stored) const;
};

struct ParsedArguments {
    CliArguments arguments;
    CliError error; // set: the arguments are refused
};

// args without the program name; args[0] names the subcommand unless it is an option (--help,
// --version); any other first word is refused as an unknown command.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

} // namespace lumra::cli
