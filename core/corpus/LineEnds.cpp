#include "corpus/LineEnds.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "CpuFeatures.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define LUMRA_LINE_ENDS_SIMD 1
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

#if defined(LUMRA_LINE_ENDS_SIMD)

// The lowest line end of m, taken out of it. The instruction rather than countr_zero: knowing
// what countr_zero(0) is, the compiler would branch on an empty mask, the very branch that
// ScanBlocks avoids.
__attribute__((target("bmi"))) inline std::uint32_t TakeEnd(std::uint64_t& m, std::size_t base) {
    const auto position = static_cast<std::uint32_t>(base + _tzcnt_u64(m));
    m &= m - 1;
    return position;
}

// Writes the line ends in m at out, the first one whether m has any or not (out has room for
// a whole block), and returns how many there are. Most blocks hold none or one: a branch on
// that would be mispredicted about once a line.
__attribute__((target("bmi,popcnt"))) inline std::size_t
WriteEnds(std::uint64_t m, std::size_t base, std::uint32_t* out) {
    const auto found = static_cast<std::size_t>(std::popcount(m));
    out[0] = TakeEnd(m, base);
    for (std::size_t k = 1; k < found; ++k) {
        out[k] = TakeEnd(m, base);
    }
    return found;
}

// The scan shared by the vector paths, find giving the Terminators of a 64-byte block. Only
// called from a flattened function, which inlines it with its own target.
template <class Find>
void ScanBlocks(const char* data, std::size_t size, std::vector<std::uint32_t>& ends, Find find) {
    constexpr std::size_t kTwoBlocks = 2 * kBlock;
    ends.resize(size / kBlock + 2 * kTwoBlocks);
    std::uint32_t* out = ends.data();
    std::size_t count = 0;
    bool crBefore = false;
    std::size_t i = 0;
    // Two blocks a round: both are compared before either's ends are written, which keeps the
    // vector unit and the bit instructions busy at the same time.
    for (; i + kTwoBlocks <= size; i += kTwoBlocks) {
        if (count + kTwoBlocks > ends.size()) [[unlikely]] {
            ends.resize(2 * ends.size());
            out = ends.data();
        }
        const std::uint64_t first = EndsOf(find(data + i), crBefore);
        const std::uint64_t second = EndsOf(find(data + i + kBlock), crBefore);
        count += WriteEnds(first, i, out + count);
        count += WriteEnds(second, i + kBlock, out + count);
    }
    // What is left, a block at a time, padded with bytes that end no line.
    for (; i < size; i += kBlock) {
        if (count + kBlock > ends.size()) {
            ends.resize(count + kBlock);
            out = ends.data();
        }
        char tail[kBlock] = {};
        std::memcpy(tail, data + i, std::min(kBlock, size - i));
        count += WriteEnds(EndsOf(find(tail), crBefore), i, out + count);
    }
    ends.resize(count);
}

__attribute__((target("avx2,bmi,popcnt"), flatten)) void
LineEndsAvx2(const char* data, std::size_t size, std::vector<std::uint32_t>& ends) {
    ScanBlocks(
        data, size, ends, [](const char* p) __attribute__((target("avx2"))) {
            const __m256i cr = _mm256_set1_epi8('\r');
            const __m256i lf = _mm256_set1_epi8('\n');
            const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
            const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
            const auto bits = [](__m256i v) __attribute__((target("avx2"))) {
                return static_cast<std::uint64_t>(
                    static_cast<std::uint32_t>(_mm256_movemask_epi8(v)));
            };
            return Terminators{
                bits(_mm256_cmpeq_epi8(lo, cr)) | bits(_mm256_cmpeq_epi8(hi, cr)) << 32,
                bits(_mm256_cmpeq_epi8(lo, lf)) | bits(_mm256_cmpeq_epi8(hi, lf)) << 32};
        });
}

// One load and two compares a block, straight into bit masks.
__attribute__((target("avx512bw,bmi,popcnt"), flatten)) void
LineEndsAvx512(const char* data, std::size_t size, std::vector<std::uint32_t>& ends) {
    ScanBlocks(
        data, size, ends, [](const char* p) __attribute__((target("avx512bw"))) {
            const __m512i v = _mm512_loadu_si512(p);
            return Terminators{_mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('\r')),
                               _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('\n'))};
        });
}

#endif

} // namespace

bool LineScanAvailable(LineScan scan) {
#if defined(LUMRA_LINE_ENDS_SIMD)
    const CpuFeatures& cpu = Cpu();
    const bool bits = cpu.bmi && cpu.popcnt;
    switch (scan) {
    case LineScan::Avx512:
        return bits && cpu.avx512bw;
    case LineScan::Avx2:
        return bits && cpu.avx2;
    case LineScan::Plain:
        return true;
    }
#endif
    return scan == LineScan::Plain;
}

std::vector<std::uint32_t> LineEndsBy(std::string_view bytes, LineScan scan) {
    std::vector<std::uint32_t> ends;
    if (!LineScanAvailable(scan)) {
        scan = LineScan::Plain;
    }
    switch (scan) {
#if defined(LUMRA_LINE_ENDS_SIMD)
    case LineScan::Avx512:
        LineEndsAvx512(bytes.data(), bytes.size(), ends);
        break;
    case LineScan::Avx2:
        LineEndsAvx2(bytes.data(), bytes.size(), ends);
        break;
#endif
    default:
        LineEndsPlain(bytes.data(), bytes.size(), ends);
        break;
    }
    return ends;
}

std::vector<std::uint32_t> LineEnds(std::string_view bytes) {
    // LineEndsBy falls back to the plain scan by itself.
    return LineEndsBy(bytes,
                      LineScanAvailable(LineScan::Avx512) ? LineScan::Avx512 : LineScan::Avx2);
}

} // namespace lumra
