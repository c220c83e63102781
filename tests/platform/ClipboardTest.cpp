#include "platform/Clipboard.h"

#include "platform/RtfTestDocuments.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace lumra {
namespace {

TEST(Clipboard, RichTextCarriesRtfHtmlAndPlainText) {
    const std::string rtf = test::VersePage("Sub\xe5", "[1:1]", "Verse \\'e5 text");
    SetClipboardRtf(rtf);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat(QStringLiteral("text/rtf")));
    const QByteArray bytes = data->data(QStringLiteral("text/rtf"));
    EXPECT_EQ(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), rtf);
    ASSERT_TRUE(data->hasHtml());
    const QString html = data->html();
    EXPECT_TRUE(html.contains(QStringLiteral("[1:1]")));
    EXPECT_TRUE(html.contains(QString::fromUtf16(u"Verse å text")));
    EXPECT_TRUE(html.contains(QStringLiteral("#00ffff"), Qt::CaseInsensitive)); // reference
    ASSERT_TRUE(data->hasText());
    EXPECT_EQ(data->text(), QString::fromUtf16(u"Subå\r\n\r\n[1:1]\r\nVerse å text\r\n\r\n "));
}

TEST(Clipboard, PlainTextIsDecodedFromWindows1252AsGiven) {
    SetClipboardText("a\r\n\xe5\x80");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QString::fromUtf16(u"a\r\nå€"));
    EXPECT_FALSE(data->hasHtml());
    EXPECT_FALSE(data->hasFormat(QStringLiteral("text/rtf")));
}

TEST(Clipboard, ClearRemovesEveryFormat) {
    SetClipboardRtf(test::kListHeader + "x }");
    ClearClipboard();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data != nullptr) {
        EXPECT_FALSE(data->hasText());
        EXPECT_FALSE(data->hasHtml());
        EXPECT_FALSE(data->hasFormat(QStringLiteral("text/rtf")));
    }
}

} // namespace
} // namespace lumra
