#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "SyntheticDataSet.h"
#include "corpus/DataFile.h"
#include "corpus/LenientNumber.h"
#include "corpus/LineEnds.h"

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

// Byte by byte, the plainest reading of the line rule, to hold the fast split against.
std::vector<std::string> SplitLinesSlowly(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(line);
            line.clear();
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += bytes[i];
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

TEST(SplitLines, MixedTerminatorsEachEndOneLine) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\rb\nc\r\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("\n\r"), (V{"", ""}));
    EXPECT_EQ(SplitLines("\r\r\n"), (V{"", ""}));
    EXPECT_EQ(SplitLines("x\r"), (V{"x"}));
    std::mt19937 random(4242);
    const char alphabet[] = {'a', 'b', '\r', '\n'};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 200, 'a'); // over several 64-byte blocks
        for (char& c : bytes) {
            c = alphabet[random() % 4];
        }
        ASSERT_EQ(SplitLines(bytes), SplitLinesSlowly(bytes)) << round;
    }
}

// Every scan the processor has finds the plain scan's ends, across block and tail bounds.
TEST(LineEnds, EveryScanAgreesWithThePlainOne) {
    std::mt19937 random(777);
    const char alphabet[] = {'a', '\r', '\n'};
    for (const LineScan scan : {LineScan::Avx512, LineScan::Avx2}) {
        if (!LineScanAvailable(scan)) {
            continue;
        }
        for (int round = 0; round < 500; ++round) {
            std::string bytes(random() % 300, 'a');
            for (char& c : bytes) {
                const auto r = random() % (round % 2 == 0 ? 3 : 60); // dense, then sparse
                c = r < 3 ? alphabet[r] : 'a';
            }
            ASSERT_EQ(LineEndsBy(bytes, scan), LineEndsBy(bytes, LineScan::Plain))
                << static_cast<int>(scan) << " " << round;
        }
    }
}

TEST(ReadWholeFile, ReadsRegularFilesOnlyAndWithinTheLimit) {
    test::TempFolder folder;
    const std::string file = folder.Path() + "data";
    const std::string bytes = std::string("one\r\ntwo\0three", 15) + std::string(70000, 'x');
    test::WriteFile(file, bytes);
    EXPECT_EQ(ReadWholeFile(file), bytes);
    EXPECT_EQ(ReadWholeFile(file, bytes.size()), bytes);
    EXPECT_EQ(ReadWholeFile(file, bytes.size() - 1), std::nullopt);
    test::WriteFile(file, "");
    EXPECT_EQ(ReadWholeFile(file), std::string());

    EXPECT_EQ(ReadWholeFile(folder.Path() + "missing"), std::nullopt);
    std::filesystem::create_directory(folder.Path() + "folder");
    EXPECT_EQ(ReadWholeFile(folder.Path() + "folder"), std::nullopt);
    // A pipe without a writer would block an ordinary open for ever.
    const std::string pipe = folder.Path() + "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(pipe), std::nullopt);
    EXPECT_EQ(ReadWholeFile("/dev/zero"), std::nullopt);
}

TEST(BinaryFields, LittleEndianTwosComplement) {
    const std::string bytes{'\x34', '\x12', '\xFF', '\xFF', '\xFE', '\xFF', '\xFF', '\xFF'};
    EXPECT_EQ(ReadInt16LE(bytes, 0), 0x1234);
    EXPECT_EQ(ReadInt16LE(bytes, 2), -1);
    EXPECT_EQ(ReadInt32LE(bytes, 4), -2);
}

} // namespace
} // namespace lumra
