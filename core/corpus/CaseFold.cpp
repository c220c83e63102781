#include "corpus/CaseFold.h"

namespace lumra {

namespace {

using Byte = unsigned char;

void FoldBytes(const Byte* __restrict in, std::size_t n, Byte* __restrict out) {
    // Byte arithmetic only, and no branch: the loop then runs on vector registers.
    for (std::size_t i = 0; i < n; ++i) {
        const Byte c = in[i];
        const Byte ascii = static_cast<Byte>(static_cast<Byte>(c - Byte{'A'}) < Byte{26});
        const Byte latin = static_cast<Byte>(static_cast<Byte>(c - Byte{0xC0}) < Byte{31}) &
                           static_cast<Byte>(c != Byte{0xD7});
        const Byte caron = static_cast<Byte>(c == Byte{0x8A}) | static_cast<Byte>(c == Byte{0x8C}) |
                           static_cast<Byte>(c == Byte{0x8E});
        const Byte diaeresis = static_cast<Byte>(c == Byte{0x9F});
        out[i] = static_cast<Byte>(c + (ascii | latin) * 0x20 + caron * 0x10 + diaeresis * 0x60);
    }
}

} // namespace

void FoldCaseInto(std::string_view text, char* out) {
    FoldBytes(reinterpret_cast<const Byte*>(text.data()), text.size(),
              reinterpret_cast<Byte*>(out));
}

std::string FoldCaseCopy(std::string_view text) {
    std::string out(text.size(), '\0');
    FoldCaseInto(text, out.data());
    return out;
}

} // namespace lumra
