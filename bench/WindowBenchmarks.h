#pragma once
// The measurements of the windows on a reader started in-process: the reading window's page
// and the verse-list window with a hit list.

namespace lumra::bench {

class StartedReader;

void RegisterWindowBenchmarks(StartedReader& reader);

} // namespace lumra::bench
