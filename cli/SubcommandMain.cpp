#include "cli/SubcommandMain.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/CliArguments.h"
#include "cli/CommandLine.h"
#include "cli/OutputBuffer.h"
#include "cli/ReaderStart.h"
#include "cli/StoredSettings.h"
#include "corpus/DataFileCheck.h"
#include "corpus/LanguageData.h"
#include "corpus/VscCall.h"
#include "settings/Settings.h"

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

// The subcommand with the program folder, the user's stored settings (read only) and the
// fingerprint library beside the data files.
int RunSubcommand(const std::vector<std::string>& args, const char* argv0,
                  std::string_view expectedFingerprint,
                  const CompanionExpected& expectedCompanion) {
    const std::string folder = ExecutableFolder(argv0);
    const StoredSettings store(UserSettingsPath());
    OutputBuffer output(STDOUT_FILENO);
    std::ostream out(&output);
    const CliEnvironment env{
        folder,
        [&] { return FingerprintMatches(LibraryFingerprint(folder), expectedFingerprint); },
        store,
        UserLanguageIdFromEnvironment(),
        LUMRA_VERSION,
        [&] { return output.Error(); },
        expectedCompanion,
    };
    return RunCommandLine(args, env, out, std::cerr);
}

} // namespace

std::string ExecutableFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        exe = std::filesystem::weakly_canonical(argv0 != nullptr ? argv0 : "", error);
    }
    return exe.parent_path().string() + "/";
}

std::optional<int> RunWithoutReader(int argc, char** argv, std::string_view expectedFingerprint,
                                    const CompanionExpected& expectedCompanion) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::optional<ReaderOptions> reader = ReaderOptionsOf(args);
    if (!reader) {
        return RunSubcommand(args, argv[0], expectedFingerprint, expectedCompanion);
    }
    const CliError problem = DisplayProblem(*reader);
    if (!problem) {
        return std::nullopt;
    }
    const StoredSettings store(UserSettingsPath());
    const std::uint8_t language =
        ChooseLanguage(LoadSettings(store).language, UserLanguageIdFromEnvironment());
    std::cerr << "lumra: " << MessageText(problem, language) << '\n';
    return kNoDisplay;
}

} // namespace lumra::cli
