#include "corpus/CaseFold.h"

namespace lumra {

std::string FoldCaseCopy(std::string_view text) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(FoldCase(static_cast<unsigned char>(text[i])));
    }
    return out;
}

} // namespace lumra
