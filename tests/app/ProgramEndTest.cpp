// The real executable against a copy of the built program folder: altered or missing data
// files end it silently, before any window, with nothing saved.

#include <gtest/gtest.h>

#include <filesystem>

#include "ProgramCopy.h"

namespace lumra {
namespace {

namespace fs = std::filesystem;

class ProgramEnd : public test::ProgramCopy {
protected:
    // The exit status, or -1 when it did not exit normally (a crash, or the time-out).
    int Run(int seconds = 20) {
        return RunProgram("XDG_CONFIG_HOME='" + (home / ".config").string() +
                              "' QT_QPA_PLATFORM=offscreen",
                          "", seconds)
            .code;
    }
    bool SettingsWritten() const { return fs::exists(home / ".config" / "Lumra" / "ZOR.ini"); }
};

TEST_F(ProgramEnd, TheShippedFilesPassTheCheckFromAnyWorkingFolder) {
    // Still running after a few seconds: it passed the check and waits in the start-up window.
    EXPECT_EQ(Run(4), 124);
    EXPECT_FALSE(SettingsWritten());
}

TEST_F(ProgramEnd, OneChangedByteEndsTheProgramSilently) {
    for (const char* name : {"enkvt.txt", "svhlp.rtf", "Ocf"}) {
        const auto path = (program / name).string();
        const std::string original = test::ReadFile(path);
        std::string changed = original;
        changed[changed.size() / 3] ^= 0x20;
        test::WriteFile(path, changed);
        const int status = Run();
        EXPECT_NE(status, 0) << name;
        EXPECT_NE(status, 124) << name << ": still running";
        EXPECT_NE(status, -1) << name << ": crashed";
        EXPECT_FALSE(SettingsWritten()) << name;
        test::WriteFile(path, original);
    }
}

TEST_F(ProgramEnd, AMissingFileEndsTheProgramSilently) {
    for (const char* name : {"svnfn.txt", "enift.txt", "libkelvo.so"}) {
        const auto path = program / name;
        const auto saved = folder.Dir() / "saved";
        fs::rename(path, saved);
        const int status = Run();
        EXPECT_NE(status, 0) << name;
        EXPECT_NE(status, 124) << name;
        EXPECT_NE(status, -1) << name;
        EXPECT_FALSE(SettingsWritten()) << name;
        fs::rename(saved, path);
    }
}

} // namespace
} // namespace lumra
