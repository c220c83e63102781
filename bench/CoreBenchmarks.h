#pragma once
// The measurements of the core on the real data set, each with its baseline: corpus load,
// fingerprint, search, and the whole-text export.

#include <string>

namespace lumra::bench {

// Registers the core measurements with their baselines, read from programFolder.
void RegisterCoreBenchmarks(const std::string& programFolder, const std::string& scratchFolder);

} // namespace lumra::bench
