#pragma once
// The command line of a subcommand: which one, its operands and its options. Every switch has
// an "on" and an "off" spelling; a switch not given leaves the reader's stored setting.

#include <map>
#include <optional>
#include <string>
#include <vector>

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
    std::optional<int> limit;
    bool richText = true;
    bool replace = false;
    std::vector<std::string> operands;

    // The switch's value when given, else the stored one.
    bool Switch(const std::string& name, bool stored) const;
};

struct ParsedArguments {
    CliArguments arguments;
    std::string error; // not empty: the arguments are refused (an English line, no text has it)
};

// args without the program name; args[0] names the subcommand unless it is --help or
// --version.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

// Whether a first argument starts the command line rather than the reader.
bool IsCommandLineWord(const std::string& first);

} // namespace lumra::cli
