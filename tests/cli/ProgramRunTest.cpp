// The real executable's subcommands on a copy of the built program folder, with no display
// and no platform named: they need no window, read the stored language and write nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

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

// Words that are neither a subcommand's nor Qt's end the run at once; Qt's own options and no
// argument at all start the reader, which without a display says so in one line.
TEST_F(ProgramRun, OnlyQtsOwnOptionsStartTheReaderAndNoDisplayIsSaid) {
    const std::string noDisplay =
        "lumra: no display to open the reader on (DISPLAY and WAYLAND_DISPLAY are not set); "
        "show, search and export work without one\n";
    struct Case {
        std::string environment; // before Run's own
        std::string args;
        int code;
        std::string output; // empty: ends with the line of a window system that did not start
    };
    const std::vector<Case> cases = {
        {"", "frobnicate", 2, "lumra: unknown command 'frobnicate'; see lumra --help\n"},
        {"", "shw 2:255", 2,
         "lumra: unknown command 'shw' (did you mean 'show'?); see lumra --help\n"},
        {"", "--bogus", 2, "lumra: unknown option '--bogus'; see lumra --help\n"},
        {"", "-h2", 2, "lumra: unknown option '-h2'; see lumra --help\n"},
        {"", "-style fusion stray", 2, "lumra: unknown option '-style'; see lumra --help\n"},
        {"", "", 5, noDisplay},
        {"", "-platform xcb -reverse --style=fusion -qwindowgeometry 90x90", 5, noDisplay},
        {"DISPLAY=:4711", "-stylesheet x.qss", 5,
         "lumra: no display to open the reader on (DISPLAY=:4711 cannot be reached); show, "
         "search and export work without one\n"},
        // A platform that fails inside Qt ends the same way, not by an abort.
        {"", "-platform none", 5, ""},
    };
    for (const Case& c : cases) {
        const Result run = RunProgram("-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                          c.environment + " XDG_CONFIG_HOME= LANG=C",
                                      c.args, 20);
        EXPECT_EQ(run.code, c.code) << c.args;
        if (c.output.empty()) {
            EXPECT_TRUE(run.output.ends_with("(the window system did not start); show, search "
                                             "and export work without one\n"))
                << run.output;
        } else {
            EXPECT_EQ(run.output, c.output) << c.args;
        }
    }
    fs::create_directories(home / ".config" / "Lumra");
    test::WriteFile((home / ".config" / "Lumra" / "ZOR.ini").string(), "[G_SET]\nlang=2\n");
    EXPECT_EQ(Run("").output,
              "lumra: ingen sk\xC3\xA4rm att \xC3\xB6ppna l\xC3\xA4saren p\xC3\xA5 (DISPLAY och "
              "WAYLAND_DISPLAY \xC3\xA4r inte satta); show, search och export fungerar utan "
              "sk\xC3\xA4rm\n");
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

// The executable checks the companion files against the digests it was built with.
TEST_F(ProgramRun, TheOriginalIsPrintedWhileItsFilesAreTheBuildsOwn) {
    const Result shown = Run("show 1:1 --original --lang en --without-subtitles");
    EXPECT_EQ(shown.code, 0) << shown.output;
    // The basmala, its verse end sign and the Arabic-Indic one.
    EXPECT_TRUE(shown.output.starts_with("\xD8\xA8\xD9\x90\xD8\xB3\xDB\xA1\xD9\x85\xD9\x90 "))
        << shown.output;
    EXPECT_NE(shown.output.find(" \xDB\x9D\xD9\xA1\n\n[1:1]"), std::string::npos) << shown.output;
    const std::string path = (program / "transliteration.txt").string();
    std::string bytes = test::ReadFile(path);
    bytes[bytes.size() / 2] ^= 0x20;
    test::WriteFile(path, bytes);
    const Result altered = Run("show 1:1 --transliteration --lang en");
    EXPECT_EQ(altered.code, 3);
    EXPECT_NE(altered.output.find("the original text is not available"), std::string::npos)
        << altered.output;
    EXPECT_EQ(Run("show 1:1 --lang en").code, 0);
}

} // namespace
} // namespace lumra
