#pragma once
// The three subcommands on a loaded corpus. Each builds its whole output before anything is
// printed, so that a refused argument prints nothing but its message.

#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "companion/CompanionText.h"
#include "corpus/Corpus.h"
#include "corpus/InterfaceTexts.h"
#include "settings/Settings.h"

namespace lumra::cli {

enum ExitCode : int {
    kFound = 0, // found, printed or written
    kNoHit = 1,
    kBadArguments = 2,
    kDataCheckFailed = 3,
    kWriteFailed = 4,
};

struct CliData {
    const InterfaceTexts& texts;
    const Corpus& corpus;
    const Settings& settings; // as stored; the switches override them
    // show: loaded only when --original or --transliteration, and --parallel, ask for them.
    const CompanionText* companion = nullptr;
    const Corpus* parallel = nullptr;
    std::string_view parallelLanguage = {}; // its code, "en" or "sv"
};

struct CommandResult {
    int exitCode = kFound;
    std::string out;                  // Windows-1252, CR LF line breaks
    bool utf8 = false;                // out is UTF-8 already (JSON Lines)
    std::vector<std::string> notices; // Windows-1252 messages for standard error
    CliError error;                   // the command line's own message, if any
};

// Each position as F10 copies it (or a JSON line), reference after reference.
CommandResult RunShow(const CliArguments& args, const CliData& data);
// Every position with a hit in a searched field, in ascending order.
CommandResult RunSearch(const CliArguments& args, const CliData& data);
// The range written as the export dialog writes it; the file is only replaced with --replace.
CommandResult RunExport(const CliArguments& args, const CliData& data);

} // namespace lumra::cli
