#include "corpus/LineEnds.h"

#include <bit>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define LUMRA_LINE_ENDS_AVX2 1
#endif

namespace lumra {

namespace {

constexpr std::size_t kBlock = 64;

// Bit k of each: byte k of a 64-byte block is a CR, an LF.
struct Terminators {
    std::uint64_t cr = 0;
    std::uint64_t lf = 0;
};

Terminators TerminatorsPlain(const char* p) {
    Terminators t;
    for (std::size_t k = 0; k < kBlock; ++k) {
        t.cr |= static_cast<std::uint64_t>(p[k] == '\r') << k;
        t.lf |= static_cast<std::uint64_t>(p[k] == '\n') << k;
    }
    return t;
}

// The line ends of one block; crBefore says whether the byte before it was a CR, and becomes
// whether its last byte is one.
inline std::uint64_t EndsOf(Terminators t, bool& crBefore) {
    const std::uint64_t pairedLf = t.lf & ((t.cr << 1) | static_cast<std::uint64_t>(crBefore));
    crBefore = (t.cr >> 63) != 0;
    return (t.cr | t.lf) & ~pairedLf;
}

// The bytes after the last whole block, padded with bytes that end no line.
template <class Scan> void ScanTail(const char* data, std::size_t size, std::size_t i, Scan scan) {
    if (i < size) {
        char tail[kBlock] = {};
        std::memcpy(tail, data + i, size - i);
        scan(tail, i);
    }
}

void LineEndsPlain(const char* data, std::size_t size, std::vector<std::uint32_t>& ends) {
    bool crBefore = false;
    const auto scan = [&](const char* block, std::size_t base) {
        for (std::uint64_t m = EndsOf(TerminatorsPlain(block), crBefore); m != 0; m &= m - 1) {
            ends.push_back(static_cast<std::uint32_t>(base + std::countr_zero(m)));
        }
    };
    std::size_t i = 0;
    for (; i + kBlock <= size; i += kBlock) {
        scan(data + i, i);
    }
    ScanTail(data, size, i, scan);
}

#if defined(LUMRA_LINE_ENDS_AVX2)

__attribute__((target("avx2"), always_inline)) inline Terminators TerminatorsAvx2(const char* p) {
    const __m256i cr = _mm256_set1_epi8('\r');
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
    const auto bits = [](__m256i v) __attribute__((target("avx2"), always_inline)) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(v)));
    };
    return {bits(_mm256_cmpeq_epi8(lo, cr)) | bits(_mm256_cmpeq_epi8(hi, cr)) << 32,
            bits(_mm256_cmpeq_epi8(lo, lf)) | bits(_mm256_cmpeq_epi8(hi, lf)) << 32};
}

// The lowest line end of m, taken out of it. The instruction rather than countr_zero: knowing
// what countr_zero(0) is, the compiler would branch on an empty mask, the very branch that
// WriteEndsAvx2 avoids.
__attribute__((target("bmi"), always_inline)) inline std::uint32_t TakeEnd(std::uint64_t& m,
                                                                           std::size_t base) {
    const auto position = static_cast<std::uint32_t>(base + _tzcnt_u64(m));
    m &= m - 1;
    return position;
}

// Appends the line ends of one block at out, the first four of them whether there are that
// many or not (out has room for a whole block), and returns how many there are. Most blocks
// hold no line end or one: a branch per line end would be mispredicted about once a line.
__attribute__((target("avx2,bmi,popcnt"), always_inline)) inline std::size_t
WriteEndsAvx2(const char* block, std::size_t base, bool& crBefore, std::uint32_t* out) {
    std::uint64_t m = EndsOf(TerminatorsAvx2(block), crBefore);
    const auto found = static_cast<std::size_t>(std::popcount(m));
    out[0] = TakeEnd(m, base);
    out[1] = TakeEnd(m, base);
    out[2] = TakeEnd(m, base);
    out[3] = TakeEnd(m, base);
    for (std::size_t k = 4; k < found; ++k) {
        out[k] = TakeEnd(m, base);
    }
    return found;
}

__attribute__((target("avx2,bmi,popcnt"))) void LineEndsAvx2(const char* data, std::size_t size,
                                                             std::vector<std::uint32_t>& ends) {
    ends.resize(size / kBlock + 2 * kBlock);
    std::size_t count = 0;
    bool crBefore = false;
    std::size_t i = 0;
    for (; i + kBlock <= size; i += kBlock) {
        if (count + kBlock > ends.size()) {
            ends.resize(2 * ends.size());
        }
        count += WriteEndsAvx2(data + i, i, crBefore, ends.data() + count);
    }
    if (i < size) {
        if (count + kBlock > ends.size()) {
            ends.resize(count + kBlock);
        }
        char tail[kBlock] = {};
        std::memcpy(tail, data + i, size - i);
        count += WriteEndsAvx2(tail, i, crBefore, ends.data() + count);
    }
    ends.resize(count);
}

#endif

} // namespace

std::vector<std::uint32_t> LineEnds(std::string_view bytes) {
    std::vector<std::uint32_t> ends;
#if defined(LUMRA_LINE_ENDS_AVX2)
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
        __builtin_cpu_supports("popcnt")) {
        LineEndsAvx2(bytes.data(), bytes.size(), ends);
        return ends;
    }
#endif
    LineEndsPlain(bytes.data(), bytes.size(), ends);
    return ends;
}

} // namespace lumra
