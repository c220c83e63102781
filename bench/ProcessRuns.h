#pragma once
// Whole-process runs of the small start-up programs: wall time from spawn to exit, and what the
// program printed.

#include <string>
#include <vector>

namespace lumra::bench {

struct ProcessRun {
    bool ok = false;    // spawned and exited with 0
    double millis = 0;  // from spawn to the end of the process
    std::string output; // its standard output
};

ProcessRun RunProcess(const std::string& path, const std::vector<std::string>& args = {});

} // namespace lumra::bench
