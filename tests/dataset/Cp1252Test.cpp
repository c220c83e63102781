// The Windows-1252 encoder and the text rules of the data files.

#include "dataset/Cp1252.h"
#include "dataset/TextRules.h"

#include <gtest/gtest.h>

namespace lumra::dataset {
namespace {

TEST(Cp1252Encoding, SwedishLettersAndTypographicMarksKeepTheirCodes) {
    TextLog log;
    // å ä ö Å Ä Ö é ’ “ ” – — … € ‰
    const std::string text = EncodeLine("\xc3\xa5\xc3\xa4\xc3\xb6\xc3\x85\xc3\x84\xc3\x96\xc3\xa9"
                                        "\xe2\x80\x99\xe2\x80\x9c\xe2\x80\x9d\xe2\x80\x93\xe2\x80"
                                        "\x94\xe2\x80\xa6\xe2\x82\xac\xe2\x80\xb0",
                                        TextUse::Line, log, "t");
    EXPECT_EQ(text, "\xe5\xe4\xf6\xc5\xc4\xd6\xe9\x92\x93\x94\x96\x97\x85\x80\x89");
    EXPECT_EQ(log.Total(), 0);
}

TEST(Cp1252Encoding, EveryAssignedByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const char32_t ch = Cp1252Char(static_cast<std::uint8_t>(b));
        if (ch == 0xFFFD) {
            EXPECT_TRUE(b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) << b;
            continue;
        }
        ASSERT_TRUE(Cp1252Byte(ch).has_value()) << b;
        EXPECT_EQ(*Cp1252Byte(ch), b);
    }
    // C1 controls have no code of their own.
    EXPECT_FALSE(Cp1252Byte(0x81).has_value());
    EXPECT_FALSE(Cp1252Byte(0x9D).has_value());
}

TEST(Cp1252Encoding, CharactersWithoutACodeAreReplacedAndCounted) {
    TextLog log;
    // ḥ ā ʿ → ḥ, then a zero-width space and a combining macron
    const std::string text = EncodeLine("\xe1\xb8\xa5\xc4\x81\xca\xbf\xe2\x86\x92\xe1\xb8\xa5"
                                        "x\xe2\x80\x8by\xcc\x84",
                                        TextUse::Line, log, "en 1:1");
    EXPECT_EQ(text, "ha'?hxy");
    EXPECT_EQ(log.CountOf(0x1E25), 2);
    EXPECT_EQ(log.CountOf(0x0101), 1);
    EXPECT_EQ(log.CountOf(0x2192), 1);
    EXPECT_EQ(log.CountOf(0x200B), 1);
    EXPECT_EQ(log.Total(), 7);
    const auto& entry = log.Entries().at({0x1E25, Change::NotInCp1252});
    EXPECT_EQ(entry.replacement, "h");
    EXPECT_EQ(entry.firstPlace, "en 1:1");
}

TEST(Cp1252Encoding, InvalidUtf8IsRefusedWithItsOffset) {
    TextLog log;
    for (const std::string bad : {"ab\xc0\xaf", "ab\xed\xa0\x80", "ab\xe2\x82",
                                  "ab\xf4\x90\x80\x80", "ab\x80", "ab\xe2\x28\xa1"}) {
        std::size_t offset = 99;
        EXPECT_FALSE(DecodeUtf8(bad, &offset).has_value()) << bad;
        EXPECT_EQ(offset, 2u);
        EXPECT_THROW(EncodeLine(bad, TextUse::Line, log, "t"), DataError);
    }
    const auto astral = DecodeUtf8("\xf0\x9f\x98\x80");
    ASSERT_TRUE(astral.has_value());
    EXPECT_EQ(*astral, std::u32string(1, char32_t{0x1F600}));
}

TEST(LineRules, ControlAndRtfCharactersCannotReachALine) {
    TextLog log;
    EXPECT_EQ(EncodeLine("a\tb\r\nc\x01", TextUse::Line, log, "t"), "a b  c ");
    EXPECT_EQ(log.CountOf(U'\t'), 1);
    EXPECT_EQ(log.CountOf(U'\n'), 1);
    EXPECT_EQ(EncodeLine("x\\{y}", TextUse::Line, log, "t"), "x/(y)");
    EXPECT_EQ(log.CountOf(U'{'), 1);
    // "_" breaks the line only in subtitles and footnotes.
    EXPECT_EQ(EncodeLine("a_b", TextUse::Line, log, "t"), "a_b");
    EXPECT_EQ(EncodeLine("a_b", TextUse::Markup, log, "t"), "a-b");
    EXPECT_EQ(log.CountOf(U'_'), 1);
}

TEST(RtfRules, TextIsEscapedToSevenBits) {
    TextLog log;
    EXPECT_EQ(EncodeRtfText("{\xc3\xa4}\\ \xe2\x80\x99", log, "t"), "\\{\\'e4\\}\\\\ \\'92");
    EXPECT_EQ(log.Total(), 0);
    // No code: kept as \uN, negative for the upper half, surrogates beyond U+FFFF.
    EXPECT_EQ(EncodeRtfText("\xe1\xb8\xa5", log, "t"), "{\\uc1\\u7717?}");
    EXPECT_EQ(EncodeRtfText("\xef\xbc\x81", log, "t"), "{\\uc1\\u-255?}");
    EXPECT_EQ(EncodeRtfText("\xf0\x9f\x98\x80", log, "t"), "{\\uc1\\u-10179?\\u-8704?}");
    EXPECT_EQ(log.CountOf(0x1E25), 1);
}

TEST(DocumentRules, LineEndsBecomeCrLfAndTheMarkOfOrderGoes) {
    TextLog log;
    EXPECT_EQ(EncodePlainDocument("\xef\xbb\xbf"
                                  "a\nb\r\nc\rd\t\xc3\xb6\n",
                                  log, "t"),
              "a\r\nb\r\nc\r\nd\t\xf6\r\n");
    // Control words stay as written; the letters are escaped.
    EXPECT_EQ(EncodeRtfDocument("{\\rtf1\\b \xc3\xa5\\par}\n", log, "t"),
              "{\\rtf1\\b \\'e5\\par}\r\n");
    EXPECT_EQ(log.Total(), 0);
    EXPECT_EQ(Cp1252ToUtf8("\xe5\x80\x92"), "\xc3\xa5\xe2\x82\xac\xe2\x80\x99");
}

} // namespace
} // namespace lumra::dataset
