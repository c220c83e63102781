#pragma once
// What the executable checks before it loads the reader's window module: that the arguments are
// Qt's own options for a window program, and that there is a display to open the reader on.
// Nothing here loads a window library.

#include <optional>
#include <string>
#include <vector>

#include "cli/CliMessages.h"

namespace lumra::cli {

struct ReaderOptions {
    std::string platform; // -platform's value, empty when not given
    std::string display;  // -display's value, empty when not given
};

// The reader's options when every argument (after the program name) is one of Qt's standard
// options with its value; nullopt otherwise.
std::optional<ReaderOptions> ReaderOptionsOf(const std::vector<std::string>& args);

// Why the platform the reader would start on has no display: nothing set for a platform
// that needs one, or a display that does not answer. None for a platform that needs none.
CliError DisplayProblem(const ReaderOptions& options);

} // namespace lumra::cli
