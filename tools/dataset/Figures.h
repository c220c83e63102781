#pragma once
// The two figures per verse position of the shared file "Ocf".

#include <cstdint>
#include <vector>

namespace lumra::dataset {

struct VerseFigures {
    std::int16_t first = 0;  // running number of the numbered verse; 0 at an opening
    std::int32_t second = 0; // running sum of the verse numbers up to and including this one
};

// One entry per verse position, position 1 first.
std::vector<VerseFigures> ComputeFigures();

} // namespace lumra::dataset
