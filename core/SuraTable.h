#pragma once
// The compiled-in sura table and the conversions between verse positions and sura:verse.
// Every verse position lies in 1..kPositionCount; sura and verse exist only at the surface.

#include <array>
#include <cstdint>

namespace lumra {

inline constexpr int kSuraCount = 114;
inline constexpr int kPositionCount = 6346;
inline constexpr int kNumberedVerseCount = 6234;

struct SuraTable {
    // Element 0 of each column holds 0; suras are 1..114.
    std::array<std::int16_t, kSuraCount + 1> VerseCount{};
    std::array<std::uint8_t, kSuraCount + 1> HasOpening{};
    std::array<std::int16_t, kSuraCount + 1> EndPosition{};
    std::array<std::uint8_t, kSuraCount + 1> InitialLetters{};
    std::array<std::int16_t, kSuraCount + 1> RevelationOrder{};
};

constexpr SuraTable BuildSuraTable() {
    constexpr std::array<std::int16_t, kSuraCount> verses = {
        7,   286, 200, 176, 120, 165, 206, 75, 127, 109, 123, 111, 43, 52, 99, 128, 111, 110, 98,
        135, 112, 78,  118, 64,  77,  227, 93, 88,  69,  60,  34,  30, 73, 54, 45,  83,  182, 88,
        75,  85,  54,  53,  89,  59,  37,  35, 38,  29,  18,  45,  60, 49, 62, 55,  78,  96,  29,
        22,  24,  13,  14,  11,  11,  18,  12, 12,  30,  52,  52,  44, 28, 28, 20,  56,  40,  31,
        50,  40,  46,  42,  29,  19,  36,  25, 22,  17,  19,  26,  30, 20, 15, 21,  11,  8,   8,
        19,  5,   8,   8,   11,  11,  8,   3,  9,   5,   4,   7,   3,  6,  3,  5,   4,   5,   6};
    constexpr std::array<std::int16_t, kSuraCount> revelation = {
        5,   87,  89,  92,  112, 55,  39,  88, 113, 51,  52,  53, 96, 72, 54,  70, 50, 69, 44,
        45,  73,  103, 74,  102, 42,  47,  48, 49,  85,  84,  57, 75, 90, 58,  43, 41, 56, 38,
        59,  60,  61,  62,  63,  64,  65,  66, 95,  111, 106, 34, 67, 76, 23,  37, 97, 46, 94,
        105, 101, 91,  109, 110, 104, 108, 99, 107, 77,  2,   78, 79, 71, 40,  3,  4,  31, 98,
        33,  80,  81,  24,  7,   82,  86,  83, 27,  36,  8,   68, 10, 35, 26,  9,  11, 12, 28,
        1,   25,  100, 93,  14,  30,  16,  13, 32,  19,  29,  17, 15, 18, 114, 6,  22, 20, 21};
    struct Initial {
        int sura;
        std::uint8_t letters;
    };
    constexpr std::array<Initial, 29> initials = {
        {{2, 3},  {3, 3},  {7, 4},  {10, 3}, {11, 3}, {12, 3}, {13, 4}, {14, 3}, {15, 3}, {19, 5},
         {20, 2}, {26, 3}, {27, 2}, {28, 3}, {29, 3}, {30, 3}, {31, 3}, {32, 3}, {36, 2}, {38, 1},
         {40, 2}, {41, 2}, {42, 5}, {43, 2}, {44, 2}, {45, 2}, {46, 2}, {50, 1}, {68, 2}}};
    SuraTable t{};
    for (int s = 1; s <= kSuraCount; ++s) {
        t.VerseCount[s] = verses[s - 1];
        t.RevelationOrder[s] = revelation[s - 1];
    }
    for (const auto& i : initials) {
        t.InitialLetters[i.sura] = i.letters;
    }
    for (int s = 1; s <= kSuraCount; ++s) {
        t.HasOpening[s] = 1;
    }
    t.HasOpening[1] = 0;
    t.HasOpening[9] = 0;
    t.EndPosition[0] = 0;
    for (int s = 1; s <= kSuraCount; ++s) {
        t.EndPosition[s] =
            static_cast<std::int16_t>(t.EndPosition[s - 1] + t.HasOpening[s] + t.VerseCount[s]);
    }
    return t;
}

inline constexpr SuraTable kSuras = BuildSuraTable();
static_assert(kSuras.EndPosition[kSuraCount] == kPositionCount);

// Smallest sura whose last position is not below the position; 0 above the last position.
constexpr std::int16_t SuraOfPosition(std::int16_t position) {
    for (int s = 1; s <= kSuraCount; ++s) {
        if (kSuras.EndPosition[s] >= position) {
            return static_cast<std::int16_t>(s);
        }
    }
    return 0;
}

// Verse number at the position; an unnumbered opening gives 0, as does any position past the end.
constexpr std::int16_t VerseOfPosition(std::int16_t position) {
    const std::int16_t s = SuraOfPosition(position);
    if (s == 0) {
        return 0;
    }
    return static_cast<std::int16_t>(position - kSuras.EndPosition[s - 1] - kSuras.HasOpening[s]);
}

// Callers validate sura and verse first; sura 1 or less returns the verse unchanged.
constexpr std::int16_t PositionOf(std::int16_t sura, std::int16_t verse) {
    if (sura <= 1) {
        return verse;
    }
    return static_cast<std::int16_t>(kSuras.EndPosition[sura - 1] + kSuras.HasOpening[sura] +
                                     verse);
}

constexpr bool IsValidPosition(int position) {
    return position >= 1 && position <= kPositionCount;
}

// The verse limits that the go-to and export dialogs accept for a sura.
constexpr int FirstVerse(int sura) {
    return 1 - kSuras.HasOpening[sura];
}
constexpr int LastVerse(int sura) {
    return kSuras.VerseCount[sura];
}

} // namespace lumra
