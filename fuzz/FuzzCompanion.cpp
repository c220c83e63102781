// The companion files on any bytes: the input is the original, its digest taken as the expected
// one so that the line checks and the shown forms are reached; the transliteration is a fixed
// well-formed file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "SuraTable.h"
#include "companion/CompanionFormat.h"
#include "companion/CompanionText.h"

namespace {

std::string WellFormedFile() {
    std::string bytes;
    for (int p = 1; p <= lumra::kPositionCount; ++p) {
        bytes += "x\n";
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string transliteration = WellFormedFile();
    const std::string_view original(reinterpret_cast<const char*>(data), size);
    const lumra::CompanionExpected expected{lumra::CompanionDigest(original),
                                            lumra::CompanionDigest(transliteration)};
    const auto text = lumra::ParseCompanionText(original, transliteration, expected);
    if (!text) {
        return 0;
    }
    // An opening, the first verse, the position that holds the folded verses, the last, and
    // positions outside the text.
    const int positions[] = {
        0, 1, 2, lumra::PositionOf(9, 127), lumra::kPositionCount, lumra::kPositionCount + 1};
    for (const int p : positions) {
        const std::string shown = lumra::OriginalShown(*text, p);
        lumra::TransliterationShown(*text, p);
        // A shown verse holds its whole line: the marks only grow into end signs.
        const std::size_t line =
            lumra::IsValidPosition(p) ? text->original[static_cast<std::size_t>(p)].size() : 0;
        if (shown.size() < line) {
            __builtin_trap();
        }
    }
    return 0;
}
