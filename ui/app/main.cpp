// The program's entry: a subcommand runs on the core alone, before any window library is
// loaded; the reader and its windows live in a module beside the executable that is loaded
// only to start the reader, so that a subcommand never pays for loading them. Arguments that
// are neither a subcommand's nor Qt's own, and a missing display, end the run here as well.

#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "cli/SubcommandMain.h"
#include "lumra/ExpectedCompanion.h"
#include "lumra/ExpectedFingerprint.h"

int main(int argc, char* argv[]) {
    if (const auto ended = lumra::cli::RunWithoutReader(argc, argv, lumra::kExpectedFingerprint,
                                                        lumra::kExpectedCompanion)) {
        return *ended;
    }
    const std::string module = lumra::cli::ExecutableFolder(argv[0]) + "liblumra_reader.so";
    void* reader = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    using ReaderMain = int (*)(int, char**);
    const auto start = reader != nullptr
                           ? reinterpret_cast<ReaderMain>(dlsym(reader, "LumraReaderMain"))
                           : nullptr;
    if (start == nullptr) {
        const char* why = dlerror();
        std::fprintf(stderr, "lumra: %s\n", why != nullptr ? why : module.c_str());
        return 2;
    }
    return start(argc, argv);
}
