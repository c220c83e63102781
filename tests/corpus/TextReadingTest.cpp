#include <gtest/gtest.h>

#include "corpus/DataFile.h"
#include "corpus/LenientNumber.h"

namespace lumra {
namespace {

TEST(LenientNumber, ReadsTheLeadingNumber) {
    EXPECT_EQ(LenientNumber("002"), 2);
    EXPECT_EQ(LenientNumber(" 23"), 23);
    EXPECT_EQ(LenientNumber("  7abc"), 7);
    EXPECT_EQ(LenientNumber("12 3"), 12);
    EXPECT_EQ(LenientNumber("-4"), -4);
    EXPECT_EQ(LenientNumber("1.5"), 1.5);
    EXPECT_EQ(LenientNumber("2e2"), 200);
    EXPECT_EQ(LenientNumber("2e"), 2);
}

TEST(LenientNumber, NoDigitsReadAsZero) {
    EXPECT_EQ(LenientNumber(""), 0);
    EXPECT_EQ(LenientNumber("   "), 0);
    EXPECT_EQ(LenientNumber("abc"), 0);
    EXPECT_EQ(LenientNumber("-"), 0);
    EXPECT_EQ(LenientNumber("."), 0);
}

TEST(LenientNumber, HugeNumbersStayFinite) {
    const std::string digits(400, '9');
    EXPECT_GT(LenientNumber(digits), 1e300);
    EXPECT_GT(LenientInteger(digits), 1'000'000'000'000'000'000LL);
    EXPECT_EQ(LenientInteger("1e99999"), LenientInteger(digits));
}

TEST(LenientNumber, HalvesRoundToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(TruncateToInteger(7.9), 7);
}

TEST(SplitLines, AcceptsCrLfLfAndCr) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb"), (V{"a", "b"}));
    EXPECT_EQ(SplitLines("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r\n"), (V{""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(BinaryFields, LittleEndianTwosComplement) {
    const std::string bytes{'\x34', '\x12', '\xFF', '\xFF', '\xFE', '\xFF', '\xFF', '\xFF'};
    EXPECT_EQ(ReadInt16LE(bytes, 0), 0x1234);
    EXPECT_EQ(ReadInt16LE(bytes, 2), -1);
    EXPECT_EQ(ReadInt32LE(bytes, 4), -2);
}

} // namespace
} // namespace lumra
