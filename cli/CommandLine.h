#pragma once
// The reader's subcommands without any window: arguments in, text out, an exit code back.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "companion/CompanionText.h"
#include "settings/SettingsStore.h"

namespace lumra::cli {

struct CliEnvironment {
    std::string programFolder;             // the data files lie here
    std::function<bool()> dataFilesIntact; // the fingerprint check
    const SettingsStore& store;            // read for the language and the options, never written
    int systemLanguageId = 1033;           // when no language is stored
    std::string_view version;
    std::function<int()> outputError = {};    // the errno of a failed write to out, 0 if unknown
    CompanionExpected companionExpected = {}; // the digests of the original and transliteration
};

// args without the program name. Prints to out and err; nothing at all when the data-file
// check fails.
int RunCommandLine(const std::vector<std::string>& args, const CliEnvironment& env,
                   std::ostream& out, std::ostream& err);

} // namespace lumra::cli
