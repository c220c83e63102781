#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "SuraTable.h"

namespace lumra {
namespace {

struct Address {
    int position;
    int sura;
    int verse;
};

TEST(SuraTable, KnownAddressesConvertBothWays) {
    const Address cases[] = {
        {1, 1, 1},    {7, 1, 7},     {8, 2, 0},     {9, 2, 1},      {294, 2, 286},  {1242, 8, 75},
        {1243, 9, 1}, {1370, 10, 0}, {1371, 10, 1}, {6340, 114, 0}, {6346, 114, 6},
    };
    for (const auto& c : cases) {
        const auto p = static_cast<std::int16_t>(c.position);
        EXPECT_EQ(SuraOfPosition(p), c.sura) << c.position;
        EXPECT_EQ(VerseOfPosition(p), c.verse) << c.position;
        EXPECT_EQ(PositionOf(static_cast<std::int16_t>(c.sura), static_cast<std::int16_t>(c.verse)),
                  c.position)
            << c.sura << ":" << c.verse;
    }
}

TEST(SuraTable, PositionsPastTheEndHaveNoAddress) {
    EXPECT_EQ(SuraOfPosition(6347), 0);
    EXPECT_EQ(VerseOfPosition(6347), 0);
    EXPECT_EQ(SuraOfPosition(32767), 0);
}

TEST(SuraTable, FirstSuraReturnsTheVerseUnchanged) {
    for (int v = -3; v <= 10; ++v) {
        EXPECT_EQ(PositionOf(1, static_cast<std::int16_t>(v)), v);
        EXPECT_EQ(PositionOf(0, static_cast<std::int16_t>(v)), v);
    }
}

TEST(SuraTable, EveryPositionRoundTrips) {
    for (int p = 1; p <= kPositionCount; ++p) {
        const auto sp = static_cast<std::int16_t>(p);
        const auto s = SuraOfPosition(sp);
        const auto v = VerseOfPosition(sp);
        ASSERT_GE(s, 1);
        ASSERT_GE(v, FirstVerse(s));
        ASSERT_LE(v, LastVerse(s));
        ASSERT_EQ(PositionOf(s, v), p);
    }
}

TEST(SuraTable, ColumnTotalsAndPermutation) {
    int verses = 0;
    int openings = 0;
    int initialed = 0;
    std::set<int> order;
    for (int s = 1; s <= kSuraCount; ++s) {
        verses += kSuras.VerseCount[s];
        openings += kSuras.HasOpening[s];
        initialed += kSuras.InitialLetters[s] != 0 ? 1 : 0;
        order.insert(kSuras.RevelationOrder[s]);
    }
    EXPECT_EQ(verses, kNumberedVerseCount);
    EXPECT_EQ(openings, 112);
    EXPECT_EQ(initialed, 29);
    EXPECT_EQ(kSuras.EndPosition[kSuraCount], kPositionCount);
    EXPECT_EQ(order.size(), 114u);
    EXPECT_EQ(*order.begin(), 1);
    EXPECT_EQ(*order.rbegin(), 114);
    EXPECT_EQ(kSuras.RevelationOrder[96], 1);
    EXPECT_EQ(kSuras.RevelationOrder[68], 2);
    EXPECT_EQ(kSuras.RevelationOrder[1], 5);
    EXPECT_EQ(kSuras.RevelationOrder[110], 114);
    EXPECT_EQ(kSuras.HasOpening[1], 0);
    EXPECT_EQ(kSuras.HasOpening[9], 0);
    EXPECT_EQ(kSuras.VerseCount[9], 127);
}

TEST(SuraTable, BuildingAgainGivesTheSameTable) {
    const auto again = BuildSuraTable();
    EXPECT_EQ(again.EndPosition, kSuras.EndPosition);
    EXPECT_EQ(again.HasOpening, kSuras.HasOpening);
}

} // namespace
} // namespace lumra
