#pragma once
// The entry of the subcommands in the reader's executable: before any window library is
// loaded, with nothing but the core.

#include <optional>
#include <string>
#include <string_view>

#include "companion/CompanionText.h"

namespace lumra::cli {

// The exit status of a reader that could not start: no display to open it on.
inline constexpr int kNoDisplay = 5;

// Runs what needs no window: a subcommand, --help, --version, the refusal of arguments that
// are neither a subcommand's nor Qt's own options, the "no display" line. nullopt when the
// reader is to start. expectedCompanion: the digests of the original and its transliteration.
std::optional<int> RunWithoutReader(int argc, char** argv, std::string_view expectedFingerprint,
                                    const CompanionExpected& expectedCompanion = {});

// The folder of the running executable (through any link to it), with a trailing separator:
// the program folder.
std::string ExecutableFolder(const char* argv0);

} // namespace lumra::cli
