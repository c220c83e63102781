// The fold table against Qt's own case mapping of the Windows-1252 characters.

#include <gtest/gtest.h>

#include <QChar>
#include <QString>

#include "corpus/CaseFold.h"
#include "platform/Cp1252Qt.h"

namespace lumra {
namespace {

QChar CharOf(int byte) {
    return QChar(Cp1252ToUnicode(static_cast<unsigned char>(byte)));
}

TEST(CaseFold, EveryByteFoldsToQtsLowerCase) {
    for (int b = 0; b < 256; ++b) {
        const QChar lower = CharOf(b).toLower();
        const std::string back = ToCp1252(QString(lower));
        ASSERT_EQ(back.size(), 1u);
        ASSERT_TRUE(back[0] != '?' || b == '?') << "no lower case in the code page: " << b;
        const auto expected = static_cast<unsigned char>(back[0]);
        EXPECT_EQ(FoldCase(static_cast<unsigned char>(b)), expected) << "byte " << b;
    }
}

TEST(CaseFold, TwoBytesFoldAlikeExactlyWhenQtFoldsThemAlike) {
    for (int a = 0; a < 256; ++a) {
        for (int b = a + 1; b < 256; ++b) {
            const bool qtSame = CharOf(a).toCaseFolded() == CharOf(b).toCaseFolded();
            const bool ours =
                FoldCase(static_cast<unsigned char>(a)) == FoldCase(static_cast<unsigned char>(b));
            ASSERT_EQ(ours, qtSame) << a << " " << b;
        }
    }
}

TEST(CaseFold, CopyFoldsEveryByteAndKeepsTheLength) {
    const std::string text = "ABC xyz \xC5\xC4\xD6 \xD7\xDF \x8A\x8C\x8E\x9F \xDE";
    EXPECT_EQ(FoldCaseCopy(text), "abc xyz \xE5\xE4\xF6 \xD7\xDF \x9A\x9C\x9E\xFF \xFE");
    EXPECT_EQ(FoldCaseCopy(std::string_view("\0A", 2)), std::string("\0a", 2));
    EXPECT_EQ(FoldCaseCopy(""), "");

    // Every byte, at every place of a run long enough to be folded many bytes at a time,
    // folds as the table says.
    std::string all;
    for (int round = 0; round < 3; ++round) {
        for (int b = 0; b < 256; ++b) {
            all.push_back(static_cast<char>((b * 7 + round) & 0xFF));
        }
    }
    const std::string folded = FoldCaseCopy(all);
    ASSERT_EQ(folded.size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(static_cast<unsigned char>(folded[i]),
                  FoldCase(static_cast<unsigned char>(all[i])))
            << "byte " << static_cast<int>(static_cast<unsigned char>(all[i]));
    }
}

} // namespace
} // namespace lumra
