#include <gtest/gtest.h>

#include "SyntheticDataSet.h"
#include "corpus/InterfaceTexts.h"

namespace lumra {
namespace {

class InterfaceTextsTest : public ::testing::Test {
protected:
    bool Load(const std::string& content) {
        test::WriteFile(path, content);
        return LoadInterfaceTexts(texts, path);
    }
    test::TempFolder folder;
    std::string path = folder.Path() + "enift.txt";
    InterfaceTexts texts;
};

TEST_F(InterfaceTextsTest, NumberFieldAndTextAreCutAtFixedColumns) {
    ASSERT_TRUE(Load("0013 Find\r\n  14 Search for\r\n0015xFields\r\n"));
    EXPECT_EQ(texts[13], "Find");
    EXPECT_EQ(texts[14], "Search for");
    EXPECT_EQ(texts[15], "Fields");
}

TEST_F(InterfaceTextsTest, UnderscoreBecomesALineBreakBeforeTheCut) {
    ASSERT_TRUE(Load("0020 one_two\r\n00_1 shifted\r\n"));
    EXPECT_EQ(texts[20], "one\r\ntwo");
    // "00" + CR LF + "1 shifted": the number field reads 0, the text starts inside the break.
    EXPECT_EQ(texts[0], " shifted");
}

TEST_F(InterfaceTextsTest, BlankLineSetsEntryZeroOnly) {
    ASSERT_TRUE(Load("0001 One\r\n\r\n0002 Two\r\n"));
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[1], "One");
    EXPECT_EQ(texts[2], "Two");
}

TEST_F(InterfaceTextsTest, LaterLinesWinAndTheWebAddressIsFixed) {
    ASSERT_TRUE(Load("0005 first\r\n0005 second\r\n0036 elsewhere.example\r\n"));
    EXPECT_EQ(texts[5], "second");
    EXPECT_EQ(texts[36], kWebAddress);
}

TEST_F(InterfaceTextsTest, NumbersOutsideTheTableAreIgnored) {
    ASSERT_TRUE(Load("0300 last\r\n0301 too far\r\n9999 far\r\n-001 negative\r\n"));
    EXPECT_EQ(texts[300], "last");
    EXPECT_EQ(texts[301], "");
    EXPECT_EQ(texts[0], "");
}

TEST_F(InterfaceTextsTest, MissingOrEmptyFileKeepsWhatWasThere) {
    texts.Set(7, "kept");
    EXPECT_FALSE(Load(""));
    EXPECT_EQ(texts[7], "kept");
    EXPECT_EQ(texts[36], "");
    std::filesystem::remove(path);
    EXPECT_FALSE(LoadInterfaceTexts(texts, path));
    EXPECT_EQ(texts[7], "kept");
}

TEST_F(InterfaceTextsTest, SwitchingFilesReplacesOnlyWhatTheNewFileSets) {
    ASSERT_TRUE(Load("0001 English one\r\n0002 English two\r\n"));
    ASSERT_TRUE(Load("0001 Svenska ett\r\n"));
    EXPECT_EQ(texts[1], "Svenska ett");
    EXPECT_EQ(texts[2], "English two");
}

TEST_F(InterfaceTextsTest, JoinConcatenatesWithoutSeparators) {
    ASSERT_TRUE(Load("0001 A\r\n0045 Lumra\r\n0100  - \r\n"));
    EXPECT_EQ(JoinTexts(texts, {1, 45, 100, 36}),
              std::string("ALumra - ") + std::string(kWebAddress));
}

} // namespace
} // namespace lumra
