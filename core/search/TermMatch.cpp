#include "search/TermMatch.h"

#include "corpus/CaseFold.h"

namespace lumra {

bool IsWordLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == 196 || c == 197 || c == 214 ||
           c == 228 || c == 229 || c == 246;
}

bool WholeWordIn(std::string_view folded, std::string_view original, std::string_view term) {
    const std::size_t length = folded.size();
    const std::size_t n = term.size();
    std::size_t start = 0;
    while (start < length) {
        const std::size_t at = folded.find(term, start);
        if (at == std::string_view::npos) {
            return false;
        }
        const bool letterBefore =
            at > 0 && IsWordLetter(static_cast<unsigned char>(original[at - 1]));
        const bool letterAfter =
            at + n < length && IsWordLetter(static_cast<unsigned char>(original[at + n]));
        if (!letterBefore && !letterAfter) {
            return true;
        }
        start = at + n + 1;
    }
    return false;
}

std::string ForCompare(std::string_view text, int compareMode) {
    return compareMode == 1 ? FoldCaseCopy(text) : std::string(text);
}

int IsWholeWordMatch(std::string_view text, std::string_view term, int compareMode) {
    const std::string folded = ForCompare(text, compareMode);
    return WholeWordIn(folded, text, ForCompare(term, compareMode)) ? 1 : 0;
}

} // namespace lumra
