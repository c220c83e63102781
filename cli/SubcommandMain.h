#pragma once
// The entry of the subcommands in the reader's executable: before any window library is
// loaded, with nothing but the core.

#include <string>
#include <string_view>

namespace lumra::cli {

// Whether the arguments ask for a subcommand (or --help, --version) rather than the reader.
bool IsSubcommandRun(int argc, char** argv);

// The folder of the running executable (through any link to it), with a trailing separator:
// the program folder.
std::string ExecutableFolder(const char* argv0);

// Runs it with the program folder, the user's stored settings (read only) and the
// fingerprint library beside the data files; returns the exit code.
int RunSubcommand(int argc, char** argv, std::string_view expectedFingerprint);

} // namespace lumra::cli
