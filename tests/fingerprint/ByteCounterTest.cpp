// The wide nine-row count against the one-at-a-time count, on inputs that would catch a lane on
// the wrong row, a wrapped lane count, a byte counted twice or not at all, or a lost tail.

#include "ByteCounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace lumra {
namespace {

// What the bytes of a case are; the number seeds its random bytes.
enum class Bytes {
    Random = 0,           // every value
    OneLetter = 1,        // 'e' throughout
    TextThenRandom = 2,   // text-like for a third, every value after
    UnlikeNineBefore = 3, // every byte different from the one nine before it
    OneBlank = 4,         // ' ' throughout
    OneHighValue = 5,     // one value above 127 throughout
};

struct WideCase {
    const char* name;
    std::size_t size;
    std::size_t piece; // bytes handed over at a time, as the reads do
    int firstRow;
    Bytes bytes;
};

std::vector<unsigned char> Input(const WideCase& c) {
    std::vector<unsigned char> bytes(c.size);
    std::mt19937 random(static_cast<unsigned>(c.size + static_cast<std::size_t>(c.bytes)));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        switch (c.bytes) {
        case Bytes::Random:
            bytes[i] = static_cast<unsigned char>(random());
            break;
        case Bytes::OneLetter:
            bytes[i] = 'e';
            break;
        case Bytes::OneBlank:
            bytes[i] = ' ';
            break;
        case Bytes::OneHighValue:
            bytes[i] = 0xE4;
            break;
        case Bytes::TextThenRandom:
            bytes[i] = static_cast<unsigned char>(i < c.size / 3 ? " eatnrosdil"[random() % 11]
                                                                 : random());
            break;
        case Bytes::UnlikeNineBefore:
            bytes[i] = static_cast<unsigned char>(i * 7 / 9);
            break;
        }
    }
    return bytes;
}

class WideCount : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideCount, GivesTheOneAtATimeCount) {
    if (!HasWideNineRowCount()) {
        GTEST_SKIP() << "no wide count on this processor";
    }
    const WideCase& c = GetParam();
    const std::vector<unsigned char> bytes = Input(c);
    ByteCounter<9> wide(c.firstRow);
    ByteCounter<9> plain(c.firstRow);
    for (std::size_t at = 0; at < bytes.size(); at += c.piece) {
        wide.Add(bytes.data() + at, std::min(c.piece, bytes.size() - at));
    }
    plain.AddPlain(bytes.data(), bytes.size());
    // The row after both must agree too: one more byte lands in the same row.
    const unsigned char last = 0xA5;
    wide.Add(&last, 1);
    plain.AddPlain(&last, 1);
    EXPECT_TRUE(std::ranges::equal(wide.Counts(), plain.Counts()));
}

constexpr std::size_t kMinWide = 63 * 64 + 1; // the fewest bytes counted wide

INSTANTIATE_TEST_SUITE_P(
    Inputs, WideCount,
    ::testing::Values(
        WideCase{"BelowTheWideMinimum", kMinWide - 1, 1 << 20, 0, Bytes::Random},
        WideCase{"AtTheWideMinimum", kMinWide, 1 << 20, 4, Bytes::Random},
        WideCase{"WholeBlocksAndA64ByteLoad", 63 * 100 + 1, 1 << 20, 8, Bytes::UnlikeNineBefore},
        WideCase{"TailOfEveryLength", 63 * 100 + 62, 1 << 20, 1, Bytes::Random},
        WideCase{"PiecesLikeReads", 300'000, 65'536, 3, Bytes::TextThenRandom},
        WideCase{"OddPieces", 200'000, 4'097, 7, Bytes::UnlikeNineBefore},
        // One value in every lane for longer than 8 and 16 bits can count.
        WideCase{"OneLetterOverflowsNoLane", 63 * 255 * 3 + 100, 1 << 20, 5, Bytes::OneLetter},
        WideCase{"OneBlankOverflowsNoLane", 63 * 255 * 3 + 100, 1 << 20, 6, Bytes::OneBlank},
        WideCase{"OneHighValueLeftToTheTable", 63 * 300, 1 << 20, 0, Bytes::OneHighValue},
        WideCase{"OneLetterOverflowsNoTotal", 63 * 66'000, 63 * 66'000, 2, Bytes::OneLetter},
        WideCase{"SampleUnlikeTheRest", 500'000, 1 << 20, 2, Bytes::TextThenRandom}),
    [](const ::testing::TestParamInfo<WideCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace lumra
