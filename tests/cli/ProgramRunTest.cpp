// The real executable's subcommands on a copy of the built program folder, with no display
// and no platform named: they need no window, read the stored language and write nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "ProgramCopy.h"

namespace lumra {
namespace {

namespace fs = std::filesystem;

class ProgramRun : public test::ProgramCopy {
protected:
    Result Run(const std::string& args) {
        return RunProgram(
            "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME= LANG=C", args, 20);
    }
};

TEST_F(ProgramRun, SubcommandsRunWithoutADisplayAndWriteNoSettings) {
    const Result verse = Run("show 2:255");
    EXPECT_EQ(verse.code, 0) << verse.output;
    EXPECT_EQ(verse.output.rfind("[2:255]  ", 0), 0u) << verse.output;
    const Result count = Run("search mercy --count");
    EXPECT_EQ(count.code, 0) << count.output;
    EXPECT_GT(std::stoi(count.output), 0);
    EXPECT_FALSE(fs::exists(home / ".config")) << "settings written";

    // The stored language chooses when --lang does not.
    fs::create_directories(home / ".config" / "Lumra");
    const std::string ini = (home / ".config" / "Lumra" / "ZOR.ini").string();
    test::WriteFile(ini, "[G_SET]\nlang=2\n");
    const Result swedish = Run("show 1:1");
    EXPECT_EQ(swedish.output, Run("show 1:1 --lang sv").output);
    EXPECT_NE(swedish.output, Run("show 1:1 --lang en").output);
    EXPECT_EQ(test::ReadFile(ini), "[G_SET]\nlang=2\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(home / ".config" / "Lumra"), {}), 1);
}

TEST_F(ProgramRun, AlteredDataEndsASubcommandWithoutAWord) {
    const std::string path = (program / "svkvt.txt").string();
    std::string bytes = test::ReadFile(path);
    bytes[bytes.size() / 2] ^= 0x20;
    test::WriteFile(path, bytes);
    for (const char* args : {"show 2:255", "search mercy --lang en", "show 999"}) {
        const Result run = Run(args);
        EXPECT_EQ(run.code, 3) << args;
        EXPECT_EQ(run.output, "") << args;
    }
}

} // namespace
} // namespace lumra
