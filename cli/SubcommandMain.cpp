#include "cli/SubcommandMain.h"

#include <dlfcn.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/CliArguments.h"
#include "cli/CommandLine.h"
#include "cli/StoredSettings.h"
#include "corpus/DataFileCheck.h"
#include "corpus/VscCall.h"

namespace lumra::cli {

namespace {

// The fingerprint of the data files from the library in the program folder; nullopt when
// the library or its export is missing. The library stays loaded for the rest of the run.
std::optional<std::string> LibraryFingerprint(const std::string& folder) {
    void* library = dlopen((folder + "libkelvo.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    const auto vsc = reinterpret_cast<VscFunction>(dlsym(library, "vsc"));
    return vsc != nullptr ? CallVsc(vsc) : std::nullopt;
}

} // namespace

bool IsSubcommandRun(int argc, char** argv) {
    return argc >= 2 && IsCommandLineWord(argv[1]);
}

std::string ExecutableFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        exe = std::filesystem::weakly_canonical(argv0 != nullptr ? argv0 : "", error);
    }
    return exe.parent_path().string() + "/";
}

int RunSubcommand(int argc, char** argv, std::string_view expectedFingerprint) {
    const std::string folder = ExecutableFolder(argv[0]);
    const StoredSettings store(UserSettingsPath());
    const CliEnvironment env{
        folder,
        [&] { return FingerprintMatches(LibraryFingerprint(folder), expectedFingerprint); },
        store,
        UserLanguageIdFromEnvironment(),
        LUMRA_VERSION,
    };
    return RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), env, std::cout,
                          std::cerr);
}

} // namespace lumra::cli
