// The nine-row count 63 bytes at a time. 63 bytes are seven whole rounds of nine rows, so lane l
// of every block falls on the same row. The 32 byte values most frequent in a sample of the
// bytes are counted per lane without a table: a lookup gives each byte a one-bit code, and the
// codes of many blocks are added bit-sliced (carry-save adders over whole registers), then
// turned back into counts per lane. Every other byte leaves its block as its table index and is
// counted one at a time. Which values are chosen changes only the speed, never the counts.

#include "ByteCounter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <span>

#include "CpuFeatures.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define LUMRA_WIDE_COUNT 1
#define LUMRA_WIDE_TARGET "avx512f,avx512bw,avx512vbmi,avx512vbmi2,popcnt"
#endif

namespace lumra {

#if defined(LUMRA_WIDE_COUNT)

namespace {

constexpr std::size_t kBlock = 63;
constexpr int kRows = 9;
// Each code vector gives 8 of the counted values one bit of a byte per lane (0 for any other
// byte), so that one bitwise add counts 8 values in 64 lanes. A code vector's values lie in one
// window of 64 values, so that a one-register table lookup gives its codes: three of them take
// values from 64 to 127 (the lower-case letters), one values below 64 (blank, line ends,
// punctuation). In the verse texts the 32 values are 92 to 97 bytes in 100.
constexpr int kCodes = 4;
constexpr int kLetterCodes = 3;
constexpr int kLaneValues = kCodes * 8;
// Blocks per carry-save round: its sixteens plane gains at most one a round.
constexpr std::size_t kGroup = 16;
// The bit-sliced counts reach at most 255, so they are emptied after this many blocks.
constexpr std::size_t kBlocksPerEmptying = 15 * kGroup;
// The 16-bit totals per lane are added to the table before they can wrap.
constexpr std::size_t kBlocksPerRound = kBlocksPerEmptying * 270;
// The indexes of the other bytes are counted one spill later, while the next is being made.
constexpr std::size_t kBlocksPerSpill = 32;
constexpr std::size_t kSampleBytes = 512;
// Below this the sample and the setting up cost more than they save.
constexpr std::size_t kMinBlocks = 4 * kGroup;

// The `out.size()` values from `from` to `from + 63` most frequent in the sample, all
// different: each value enters the list, kept in falling order, at most once.
void MostFrequent(const std::array<int, 128>& seen, int from, std::span<unsigned char> out) {
    std::array<int, kLaneValues> times;
    times.fill(-1);
    const std::size_t size = out.size();
    for (int value = from; value < from + 64; ++value) {
        const int n = seen[static_cast<std::size_t>(value)];
        std::size_t at = size;
        if (n <= times[at - 1]) {
            continue;
        }
        for (; at > 0 && times[at - 1] < n; --at) {
            if (at < size) {
                times[at] = times[at - 1];
                out[at] = out[at - 1];
            }
        }
        times[at] = n;
        out[at] = static_cast<unsigned char>(value);
    }
}

// The values of the code vectors, 8 each: first the letter codes', then the last one's.
std::array<unsigned char, kLaneValues> LaneValues(const unsigned char* bytes, std::size_t count) {
    std::array<int, 128> seen{};
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] < 128) {
            ++seen[bytes[i]];
        }
    }
    std::array<unsigned char, kLaneValues> values{};
    const std::span<unsigned char> all(values);
    MostFrequent(seen, 64, all.first(kLetterCodes * 8));
    MostFrequent(seen, 0, all.subspan(kLetterCodes * 8));
    return values;
}

// The eight planes of a bit-sliced count per lane and code bit: plane p holds bit p.
struct Planes {
    __m512i bit[8];
};

__attribute__((target("avx512f,avx512bw"), always_inline)) inline void
CarrySave(__m512i& high, __m512i& low, __m512i a, __m512i b, __m512i c) {
    high = _mm512_ternarylogic_epi64(a, b, c, 0xE8); // majority
    low = _mm512_ternarylogic_epi64(a, b, c, 0x96);  // odd parity
}

// The lanes of a block whose byte lies from 64 to 127, and below 64; never the ignored last.
struct Windows {
    __mmask64 letters;
    __mmask64 low;
};

__attribute__((target(LUMRA_WIDE_TARGET), always_inline)) inline Windows WindowsOf(__m512i x) {
    constexpr __mmask64 kLanes = (std::uint64_t{1} << kBlock) - 1;
    const __m512i top = _mm512_set1_epi8(static_cast<char>(0xC0));
    return {_mm512_mask_cmpeq_epi8_mask(kLanes, _mm512_and_si512(x, top), _mm512_set1_epi8(0x40)),
            _mm512_mask_testn_epi8_mask(kLanes, x, top)};
}

// Two code vectors side by side, added together so that each block is loaded and its windows
// found once for both.
struct CodePair {
    __m512i first;
    __m512i second;
};

__attribute__((target(LUMRA_WIDE_TARGET), always_inline)) inline void
CarrySave(CodePair& high, CodePair& low, CodePair a, CodePair b, CodePair c) {
    CarrySave(high.first, low.first, a.first, b.first, c.first);
    CarrySave(high.second, low.second, a.second, b.second, c.second);
}

// The codes of each lane of a block in two code vectors: the value's bit, 0 for other values and
// for the ignored last lane. `secondLetters`: whether the second vector's window is the letters'
// (the first's always is).
__attribute__((target(LUMRA_WIDE_TARGET), always_inline)) inline CodePair
CodesOf(const unsigned char* block, CodePair tables, bool secondLetters) {
    const __m512i x = _mm512_loadu_si512(block);
    const Windows windows = WindowsOf(x);
    return {_mm512_maskz_permutexvar_epi8(windows.letters, x, tables.first),
            _mm512_maskz_permutexvar_epi8(secondLetters ? windows.letters : windows.low, x,
                                          tables.second)};
}

// Adds the codes of sixteen blocks to the planes of two code vectors (Harley-Seal: pairs into
// ones and twos, and so on up; the sixteens ripple into the planes above).
__attribute__((target(LUMRA_WIDE_TARGET), always_inline)) inline void
AddSixteenBlocks(const unsigned char* p, CodePair tables, bool secondLetters, Planes& first,
                 Planes& second) {
    CodePair ones{first.bit[0], second.bit[0]};
    CodePair twos{first.bit[1], second.bit[1]};
    CodePair fours{first.bit[2], second.bit[2]};
    CodePair eights{first.bit[3], second.bit[3]};
    CodePair twosA, twosB, foursA, foursB, eightsA, eightsB, sixteens;
    const auto code = [&](int k) __attribute__((target(LUMRA_WIDE_TARGET), always_inline)) {
        return CodesOf(p + static_cast<std::size_t>(k) * kBlock, tables, secondLetters);
    };
    CarrySave(twosA, ones, ones, code(0), code(1));
    CarrySave(twosB, ones, ones, code(2), code(3));
    CarrySave(foursA, twos, twos, twosA, twosB);
    CarrySave(twosA, ones, ones, code(4), code(5));
    CarrySave(twosB, ones, ones, code(6), code(7));
    CarrySave(foursB, twos, twos, twosA, twosB);
    CarrySave(eightsA, fours, fours, foursA, foursB);
    CarrySave(twosA, ones, ones, code(8), code(9));
    CarrySave(twosB, ones, ones, code(10), code(11));
    CarrySave(foursA, twos, twos, twosA, twosB);
    CarrySave(twosA, ones, ones, code(12), code(13));
    CarrySave(twosB, ones, ones, code(14), code(15));
    CarrySave(foursB, twos, twos, twosA, twosB);
    CarrySave(eightsB, fours, fours, foursA, foursB);
    CarrySave(sixteens, eights, eights, eightsA, eightsB);
    first.bit[0] = ones.first;
    first.bit[1] = twos.first;
    first.bit[2] = fours.first;
    first.bit[3] = eights.first;
    second.bit[0] = ones.second;
    second.bit[1] = twos.second;
    second.bit[2] = fours.second;
    second.bit[3] = eights.second;
    const auto ripple = [](Planes & planes, __m512i carry)
        __attribute__((target(LUMRA_WIDE_TARGET), always_inline)) {
        for (int bit = 4; bit < 8; ++bit) {
            const __m512i next = _mm512_and_si512(planes.bit[bit], carry);
            planes.bit[bit] = _mm512_xor_si512(planes.bit[bit], carry);
            carry = next;
        }
    };
    ripple(first, sixteens.first);
    ripple(second, sixteens.second);
}

} // namespace

bool HasWideNineRowCount() {
    const CpuFeatures& cpu = Cpu();
    return cpu.avx512bw && cpu.avx512vbmi && cpu.avx512vbmi2 && cpu.popcnt;
}

__attribute__((target(LUMRA_WIDE_TARGET))) std::size_t CountNineRowsWide(const unsigned char* bytes,
                                                                         std::size_t count,
                                                                         int firstRow,
                                                                         std::uint32_t* counts) {
    // Every block is read as 64 bytes, its last lane ignored; whole carry-save rounds only.
    const std::size_t blocks = (count > kBlock ? (count - 1) / kBlock : 0) / kGroup * kGroup;
    if (blocks < kMinBlocks) {
        return 0;
    }
    const std::array<unsigned char, kLaneValues> values =
        LaneValues(bytes, std::min(count, kSampleBytes));
    // codeTable[c] maps a byte of code vector c's window to its bit; counted[w] is 1 for every
    // counted value of window w, so that the rest are the lanes it leaves 0.
    alignas(64) std::uint8_t codeTable[kCodes][64] = {};
    alignas(64) std::uint8_t counted[2][64] = {};
    for (int v = 0; v < kLaneValues; ++v) {
        const unsigned value = values[static_cast<std::size_t>(v)];
        codeTable[v / 8][value % 64] = static_cast<std::uint8_t>(1 << (v % 8));
        counted[value / 64][value % 64] = 1;
    }
    __m512i code[kCodes];
#pragma GCC unroll 8
    for (int c = 0; c < kCodes; ++c) {
        code[c] = _mm512_load_si512(codeTable[c]);
    }
    const __m512i countedLow = _mm512_load_si512(counted[0]);
    const __m512i countedLetters = _mm512_load_si512(counted[1]);
    // The table index of each lane's row, to which the byte is added.
    alignas(64) std::uint16_t rowStart[64];
    for (int lane = 0; lane < 64; ++lane) {
        rowStart[lane] = static_cast<std::uint16_t>((firstRow + lane) % kRows * 256);
    }
    alignas(64) std::uint8_t laneRows[64];
    // Byte 2i takes value i, byte 2i + 1 row i; the high half from 32 on.
    alignas(64) std::uint8_t pairs[2][64];
    for (int lane = 0; lane < 64; ++lane) {
        laneRows[lane] = static_cast<std::uint8_t>((firstRow + lane) % kRows);
        for (int half = 0; half < 2; ++half) {
            pairs[half][lane] = static_cast<std::uint8_t>(lane / 2 + 32 * half + (lane % 2) * 64);
        }
    }
    const __m512i rowOfLane = _mm512_load_si512(laneRows);
    const __m512i pairLow = _mm512_load_si512(pairs[0]);
    const __m512i pairHigh = _mm512_load_si512(pairs[1]);
    constexpr __mmask64 kLanes = (std::uint64_t{1} << kBlock) - 1;

    // The other bytes are counted one spill of indexes later, while the next is being made: read
    // back at once, the indexes would wait for the wide stores that wrote them. A spill is
    // padded to whole shares per block with the index of the spare counter.
    constexpr auto kSpare = static_cast<std::uint16_t>(kRows * 256);
    // A block adds at most 63 indexes but writes 32 past the last.
    constexpr std::size_t kSpillSize = kBlocksPerSpill * kBlock + 64;
    alignas(64) std::uint16_t spills[2][kSpillSize];
    std::uint16_t* spill = spills[0];
    std::size_t spilt = 0;
    std::size_t spillBlocks = 0;
    const std::uint16_t* pending = spills[1];
    const std::uint16_t* pendingEnd = pending;
    std::size_t share = 0; // pending indexes counted per block

    // Per counted value and lane, the count so far in this round.
    alignas(64) std::uint16_t totals[kLaneValues][64];

    std::size_t b = 0;
    while (b < blocks) {
        const std::size_t roundEnd = std::min(blocks, b + kBlocksPerRound);
        std::memset(totals, 0, sizeof totals);
        while (b < roundEnd) {
            const std::size_t emptyingEnd = std::min(roundEnd, b + kBlocksPerEmptying);
            Planes planes[kCodes] = {};
            for (; b < emptyingEnd; b += kGroup) {
                const unsigned char* group = bytes + b * kBlock;
                // Two code vectors at a time, so that their planes stay in registers.
                static_assert(kCodes == 4 && kLetterCodes == 3);
                AddSixteenBlocks(group, {code[0], code[1]}, true, planes[0], planes[1]);
                AddSixteenBlocks(group, {code[2], code[3]}, false, planes[2], planes[3]);
                for (std::size_t k = 0; k < kGroup; ++k) {
                    const unsigned char* p = group + k * kBlock;
                    const __m512i x = _mm512_loadu_si512(p);
                    // One lookup of seven index bits over both windows.
                    const __m512i isCounted = _mm512_maskz_permutex2var_epi8(
                        ~_mm512_movepi8_mask(x), countedLow, x, countedLetters);
                    const std::uint64_t rest =
                        _mm512_mask_testn_epi8_mask(kLanes, isCounted, isCounted);
                    // Each other byte leaves as its row and value side by side, which is its
                    // table index: the row bytes are compressed alongside the values.
                    const __m512i value = _mm512_maskz_compress_epi8(rest, x);
                    const __m512i row = _mm512_maskz_compress_epi8(rest, rowOfLane);
                    const auto others = static_cast<std::size_t>(std::popcount(rest));
                    _mm512_storeu_si512(spill + spilt,
                                        _mm512_permutex2var_epi8(value, pairLow, row));
                    if (others > 32) {
                        _mm512_storeu_si512(spill + spilt + 32,
                                            _mm512_permutex2var_epi8(value, pairHigh, row));
                    }
                    spilt += others;
                    for (std::size_t i = 0; i < share; ++i) {
                        ++counts[pending[i]];
                    }
                    pending += share;
                }
                spillBlocks += kGroup;
                if (spillBlocks >= kBlocksPerSpill) {
                    while (pending < pendingEnd) {
                        ++counts[*pending++];
                    }
                    share = (spilt + spillBlocks - 1) / spillBlocks;
                    std::fill(spill + spilt, spill + share * spillBlocks, kSpare);
                    pending = spill;
                    pendingEnd = spill + share * spillBlocks;
                    spill = spill == spills[0] ? spills[1] : spills[0];
                    spilt = 0;
                    spillBlocks = 0;
                }
            }
            // Back from bit planes to a count per value and lane.
            for (int v = 0; v < kLaneValues; ++v) {
                const Planes& ofCode = planes[v / 8];
                const __m512i bit = _mm512_set1_epi8(static_cast<char>(1 << (v % 8)));
                __m512i n = _mm512_setzero_si512();
#pragma GCC unroll 8
                for (int p = 0; p < 8; ++p) {
                    n = _mm512_mask_add_epi8(n, _mm512_test_epi8_mask(ofCode.bit[p], bit), n,
                                             _mm512_set1_epi8(static_cast<char>(1 << p)));
                }
                alignas(64) std::uint8_t perLane[64];
                _mm512_store_si512(perLane, n);
                // Through the load and store intrinsics, which may alias the 16-bit totals.
                std::uint16_t* total = totals[v];
                const __m256i* half = reinterpret_cast<const __m256i*>(perLane);
                _mm512_store_si512(total,
                                   _mm512_add_epi16(_mm512_load_si512(total),
                                                    _mm512_cvtepu8_epi16(_mm256_load_si256(half))));
                _mm512_store_si512(total + 32, _mm512_add_epi16(_mm512_load_si512(total + 32),
                                                                _mm512_cvtepu8_epi16(
                                                                    _mm256_load_si256(half + 1))));
            }
        }
        // Lanes nine apart share a row: summed first, so that no counter waits on its own add.
        for (int v = 0; v < kLaneValues; ++v) {
            const unsigned value = values[static_cast<std::size_t>(v)];
            for (std::size_t lane = 0; lane < static_cast<std::size_t>(kRows); ++lane) {
                std::uint32_t sum = 0;
                for (std::size_t k = lane; k < kBlock; k += kRows) {
                    sum += totals[v][k];
                }
                counts[rowStart[lane] + value] += sum;
            }
        }
    }
    while (pending < pendingEnd) {
        ++counts[*pending++];
    }
    for (std::size_t i = 0; i < spilt; ++i) {
        ++counts[spill[i]];
    }
    return blocks * kBlock;
}

#else

bool HasWideNineRowCount() {
    return false;
}

std::size_t CountNineRowsWide(const unsigned char*, std::size_t, int, std::uint32_t*) {
    return 0;
}

#endif

} // namespace lumra
