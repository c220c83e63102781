// The two-stage count behind the data-file fingerprint, on hand-computed files.

#include "Fingerprint.h"
#include "DataFolder.h"
#include "corpus/DataFileCheck.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace lumra {
namespace {

using test::Bytes;
using test::DataFolder;

TEST(FingerprintText, WritesCountsInUpperCaseHexWithoutLeadingZeros) {
    // Row 0 (every 12th character) sees '1' 10 times, '2' 255 times and '3' 256 times; the other
    // eleven rows see '0' 521 times each, written "209".
    std::string text;
    for (int i = 0; i < 521; ++i) {
        text += i < 10 ? '1' : i < 265 ? '2' : '3';
        text += std::string(11, '0');
    }
    std::string expected = "AFF100";
    for (int row = 1; row < 12; ++row) {
        expected += "209";
    }
    EXPECT_EQ(SecondStageText(text), expected);
}

TEST(FingerprintText, GoesRowByRowThenByCharacterCodeAndSkipsZeros) {
    // Row 0 gets 'B', 'A', 'A' (positions 0, 12, 24): written in code order, A before B. Rows 1
    // to 11 get '0' twice. Nothing is written for the 255 codes a row never saw.
    const std::string text = "B" + std::string(11, '0') + "A" + std::string(11, '0') + "A";
    EXPECT_EQ(SecondStageText(text), "21" + std::string(11, '2'));
    EXPECT_EQ(SecondStageText(""), "");
}

TEST(FingerprintText, NeverExceedsTwelveRowsOfSixteenThreeDigitCounts) {
    // Every hexadecimal digit 4095 (FFF) times in every row: the longest text stage two can give
    // for first-stage digits counted below 0x1000 each.
    std::string text;
    for (int i = 0; i < 4095; ++i) {
        for (const char digit : std::string_view("0123456789ABCDEF")) {
            text.append(12, digit);
        }
    }
    const std::string fingerprint = SecondStageText(text);
    EXPECT_EQ(fingerprint, std::string(kMaxFingerprintLength, 'F'));
}

TEST(FingerprintFiles, CoversTheNineteenFilesInTheirOrder) {
    ASSERT_EQ(kFingerprintFiles.size(), test::kCoveredFiles.size());
    for (std::size_t i = 0; i < kFingerprintFiles.size(); ++i) {
        EXPECT_EQ(kFingerprintFiles[i], test::kCoveredFiles[i]) << "file " << i + 1;
    }

    // One byte per file: 'o' everywhere but 'T' in the Swedish footnotes, fifth, so in row 4.
    // Rows count 'o' 3, 2, 2, 2, then 'T' and one 'o', then 2, 2, 2, 2.
    DataFolder folder;
    for (const std::string_view name : test::kCoveredFiles) {
        folder.Write(name, "o");
    }
    folder.Write("svnfn.txt", "T");
    std::string first;
    ASSERT_EQ(FirstStageText(folder.Folder(), first), kFingerprintOk);
    EXPECT_EQ(first, "3222112222");
}

TEST(FingerprintFiles, CountsEveryByteOverNineRows) {
    DataFolder folder;
    test::WriteHexSample(folder);
    std::string first;
    ASSERT_EQ(FirstStageText(folder.Folder(), first), kFingerprintOk);
    std::string expected;
    for (int row = 0; row < 9; ++row) {
        expected += "100AFF";
    }
    EXPECT_EQ(first, expected);

    std::string fingerprint;
    ASSERT_EQ(ComputeFingerprint(folder.Folder(), fingerprint), kFingerprintOk);
    EXPECT_EQ(fingerprint, test::kHexSampleFingerprint);
}

TEST(FingerprintFiles, RowRunsOnFromFileToFile) {
    // 8 zero bytes in rows 0 to 7, then 10 bytes 0xFF from row 8 on: row 8 counts two of them.
    DataFolder folder;
    folder.Write("enaapx", Bytes(8, 0x00));
    folder.Write("enksn.txt", Bytes(10, 0xFF));
    std::string first;
    std::string fingerprint;
    ASSERT_EQ(FirstStageText(folder.Folder(), first), kFingerprintOk);
    EXPECT_EQ(first, std::string(16, '1') + "2");
    ASSERT_EQ(ComputeFingerprint(folder.Folder(), fingerprint), kFingerprintOk);
    // 17 characters over 12 rows: rows 0 to 3 two '1', row 4 one '1' and the '2', the rest
    // one '1'.
    EXPECT_EQ(fingerprint, "2222111111111");

    // One more byte at the end of enaapx moves the later file a row on: row 0 counts two 0xFF.
    folder.Write("enaapx", Bytes(9, 0x00));
    ASSERT_EQ(FirstStageText(folder.Folder(), first), kFingerprintOk);
    EXPECT_EQ(first, "12" + std::string(16, '1'));
    ASSERT_EQ(ComputeFingerprint(folder.Folder(), fingerprint), kFingerprintOk);
    // 18 characters: row 0 two '1', row 1 the '2' and a '1', rows 2 to 5 two '1', the rest one.
    EXPECT_EQ(fingerprint, "2112222111111");
}

// Every byte counted one at a time in its row, then written the way stage one writes.
std::string CountedOneByOne(const std::vector<std::string>& files) {
    std::vector<std::array<std::uint32_t, 256>> rows(9);
    std::size_t position = 0;
    for (const std::string& bytes : files) {
        for (const char c : bytes) {
            ++rows[position++ % 9][static_cast<unsigned char>(c)];
        }
    }
    std::string text;
    char hex[16];
    for (const auto& row : rows) {
        for (const std::uint32_t count : row) {
            if (count != 0) {
                std::snprintf(hex, sizeof hex, "%X", count);
                text += hex;
            }
        }
    }
    return text;
}

TEST(FingerprintFiles, LargeFilesCountedInPartsGiveTheOnePassCount) {
    // Enough bytes to be counted in two halves at once; sizes that leave every row offset and
    // every tail length somewhere, and the big files first, last or alone.
    std::mt19937 random(77);
    for (int round = 0; round < 6; ++round) {
        DataFolder folder;
        std::vector<std::string> files;
        for (std::size_t k = 0; k < kFingerprintFiles.size(); ++k) {
            std::size_t size = random() % 5000;
            if ((round == 0 && k == 0) || (round == 1 && k == 18) ||
                (round >= 2 && k % 7 == static_cast<std::size_t>(round % 7))) {
                size = 300'000 + random() % 200'000;
            }
            std::string bytes(size, '\0');
            for (char& c : bytes) {
                c = static_cast<char>(random() % (round % 2 == 0 ? 256 : 4));
            }
            folder.Write(kFingerprintFiles[k], bytes);
            files.push_back(std::move(bytes));
        }
        std::string first;
        ASSERT_EQ(FirstStageText(folder.Folder(), first), kFingerprintOk);
        EXPECT_EQ(first, CountedOneByOne(files)) << "round " << round;

        // The same files in memory, counted in one pass.
        FingerprintBytes bytes;
        std::copy(files.begin(), files.end(), bytes.begin());
        std::string inMemory;
        ASSERT_EQ(FirstStageText(bytes, inMemory), kFingerprintOk);
        EXPECT_EQ(inMemory, first) << "round " << round;
    }
}

TEST(FingerprintFiles, EmptyFilesAddNothing) {
    DataFolder folder;
    std::string fingerprint = "old";
    ASSERT_EQ(ComputeFingerprint(folder.Folder(), fingerprint), kFingerprintOk);
    EXPECT_EQ(fingerprint, "");
}

TEST(FingerprintFiles, AnUnreadableFileFailsAndLeavesTheResultAlone) {
    DataFolder folder;
    test::WriteHexSample(folder);
    for (const std::string_view name : test::kCoveredFiles) {
        std::filesystem::remove(folder.Path() / name);
        std::string fingerprint = "old";
        EXPECT_EQ(ComputeFingerprint(folder.Folder(), fingerprint), kFingerprintUnreadable) << name;
        EXPECT_EQ(fingerprint, "old") << name;
        folder.Write(name, "");
    }

    // Something else under a data file's name: a folder, and a FIFO that would block an open.
    std::string fingerprint = "old";
    std::filesystem::remove(folder.Path() / "enkvt.txt");
    std::filesystem::create_directory(folder.Path() / "enkvt.txt");
    EXPECT_EQ(ComputeFingerprint(folder.Folder(), fingerprint), kFingerprintUnreadable);
    std::filesystem::remove(folder.Path() / "enkvt.txt");
    folder.Write("enkvt.txt", "");

    std::filesystem::remove(folder.Path() / "svlen");
    ASSERT_EQ(mkfifo((folder.Path() / "svlen").c_str(), 0600), 0);
    EXPECT_EQ(ComputeFingerprint(folder.Folder(), fingerprint), kFingerprintUnreadable);
    EXPECT_EQ(fingerprint, "old");
}

TEST(FingerprintFiles, TakesFilesUpToTheSizeLimitAndRefusesLarger) {
    // Every file at the limit, filled with varied bytes: the most data there can be.
    DataFolder folder;
    std::minstd_rand random(19);
    std::string bytes(kMaxDataFileSize, '\0');
    for (const std::string_view name : test::kCoveredFiles) {
        for (char& byte : bytes) {
            byte = static_cast<char>(random() & 0xFF);
        }
        folder.Write(name, bytes);
    }
    std::string fingerprint;
    ASSERT_EQ(ComputeFingerprint(folder.Folder(), fingerprint), kFingerprintOk);
    EXPECT_FALSE(fingerprint.empty());
    EXPECT_LE(fingerprint.size(), kMaxFingerprintLength);

    const std::string before = fingerprint;
    const std::string over = bytes + "x";
    folder.Write("ennst.txt", over);
    EXPECT_EQ(ComputeFingerprint(folder.Folder(), fingerprint), kFingerprintUnreadable);
    EXPECT_EQ(fingerprint, before);
    FingerprintBytes inMemory{};
    inMemory[9] = over;
    EXPECT_EQ(ComputeFingerprint(inMemory, fingerprint), kFingerprintUnreadable);
    EXPECT_EQ(fingerprint, before);
}

TEST(DataFileCheck, MatchesOnlyTheExactFingerprint) {
    EXPECT_TRUE(FingerprintMatches(std::string("1A2B"), "1A2B"));
    EXPECT_FALSE(FingerprintMatches(std::string("1a2b"), "1A2B"));
    EXPECT_FALSE(FingerprintMatches(std::string("1A2"), "1A2B"));
    EXPECT_FALSE(FingerprintMatches(std::string("1A2B0"), "1A2B"));
    EXPECT_FALSE(FingerprintMatches(std::nullopt, ""));
}

} // namespace
} // namespace lumra
