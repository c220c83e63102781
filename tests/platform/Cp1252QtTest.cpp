#include "platform/Cp1252Qt.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <string>

namespace lumra {
namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

TEST(Cp1252Qt, EveryByteSurvivesTheRoundTrip) {
    const std::string bytes = AllBytes();
    const QString text = FromCp1252(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), bytes);
    EXPECT_EQ(FromCp1252("\x80\x8a\x97\x9f\xe5"), QString::fromUtf16(u"€Š—Ÿå"));
}

TEST(Cp1252Qt, AgreesWithQtsOwnCodec) {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) {
        GTEST_SKIP() << "this Qt has no windows-1252 codec";
    }
    const std::string bytes = AllBytes();
    const QString qt = decoder.decode(QByteArrayView(bytes.data(), 256));
    ASSERT_EQ(qt.size(), 256);
    const QString ours = FromCp1252(bytes);
    for (int b = 0; b < 256; ++b) {
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        if (!undefined) {
            EXPECT_EQ(ours.at(b), qt.at(b)) << "byte " << b;
        }
    }
}

TEST(Cp1252Qt, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    EXPECT_EQ(ToCp1252(QString::fromUtf16(u"a\u0101\u30A2\U0001F600b")), "a???b");
    // A lone surrogate is one character too.
    EXPECT_EQ(ToCp1252(QString::fromUtf16(u"x") + QChar(0xD800) + QChar(u'y')), "x?y");
}

} // namespace
} // namespace lumra
