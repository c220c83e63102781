#include "dataset/Figures.h"

#include "SuraTable.h"

namespace lumra::dataset {

std::vector<VerseFigures> ComputeFigures() {
    std::vector<VerseFigures> figures;
    figures.reserve(kPositionCount);
    std::int16_t numbered = 0;
    std::int32_t sum = 0;
    for (int s = 1; s <= kSuraCount; ++s) {
        if (kSuras.HasOpening[s] != 0) {
            figures.push_back({0, sum}); // an opening has verse number 0
        }
        for (int v = 1; v <= kSuras.VerseCount[s]; ++v) {
            ++numbered;
            sum += v;
            figures.push_back({numbered, sum});
        }
    }
    return figures;
}

} // namespace lumra::dataset
