#pragma once
// The real executable on a copy of the built program folder, with a home folder of its own,
// run from "/" so that nothing depends on the working folder.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "SyntheticDataSet.h"

namespace lumra::test {

class ProgramCopy : public ::testing::Test {
protected:
    struct Result {
        int code = -1;      // the exit status; -1 when it did not exit (a crash); 124: time-out
        std::string output; // standard output and standard error
    };

    void SetUp() override {
        program = folder.Dir() / "program";
        std::filesystem::copy(LUMRA_BUILT_PROGRAM_DIR, program,
                              std::filesystem::copy_options::recursive);
        home = folder.Dir() / "home";
        std::filesystem::create_directory(home);
    }

    // environment: assignments and env options put before the program, e.g. "LANG=C".
    Result RunProgram(const std::string& environment, const std::string& args, int seconds) {
        const std::string command = "cd / && env " + environment + " HOME='" + home.string() +
                                    "' timeout " + std::to_string(seconds) + " '" +
                                    (program / "Lumra").string() + "' " + args + " 2>&1";
        Result result;
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            return result;
        }
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.output.append(buffer, n);
        }
        const int status = pclose(pipe);
        result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

    TempFolder folder;
    std::filesystem::path program;
    std::filesystem::path home;
};

} // namespace lumra::test
