#include "reading/GoToCheck.h"

#include "SuraTable.h"
#include "corpus/LenientNumber.h"

namespace lumra {

int SuraInBox(std::string_view box) {
    const double value = LenientNumber(box);
    if (value < 1 || value > kSuraCount) {
        return 0;
    }
    return static_cast<int>(RoundHalfEven(value));
}

std::string VerseCountLabel(int sura) {
    if (sura < 1 || sura > kSuraCount) {
        return {};
    }
    return "(" + std::to_string(kSuras.VerseCount[static_cast<std::size_t>(sura)]) + ")";
}

GoToCheckResult CheckGoTo(std::string_view suraBox, std::string_view verseBox) {
    const int sura = SuraInBox(suraBox);
    if (sura == 0) {
        return {GoToVerdict::NoSuchSura, 0};
    }
    const double verse = LenientNumber(verseBox);
    if (verse < FirstVerse(sura) || verse > LastVerse(sura)) {
        return {GoToVerdict::NoSuchVerse, 0};
    }
    return {GoToVerdict::Go, PositionOf(static_cast<std::int16_t>(sura),
                                        static_cast<std::int16_t>(RoundHalfEven(verse)))};
}

} // namespace lumra
