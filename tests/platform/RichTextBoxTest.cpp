#include "toolkit/RichTextBox.h"

#include "platform/RtfReader.h"
#include "platform/RtfTestDocuments.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumra {
namespace {

// Records the keys that pass the object it watches.
class KeyRecorder : public QObject {
public:
    std::vector<QKeyCombination> keys;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            keys.push_back(static_cast<QKeyEvent*>(event)->keyCombination());
        }
        return false;
    }
};

void PressKey(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(&target, &release);
}

std::string LongList(int paragraphs) {
    std::string rtf = test::kListHeader;
    for (int i = 0; i < paragraphs; ++i) {
        rtf += "Line " + std::to_string(i) + "\\par ";
    }
    return rtf + test::kDocumentEnd;
}

TEST(RichTextBox, KeepsTheRtfExactlyAsGiven) {
    QWidget window;
    RichTextBox box(&window, QStringLiteral("RTB1"));
    EXPECT_EQ(box.objectName(), QStringLiteral("RTB1"));
    const std::string odd("{\\rtf \xe5\0\xff}}{\\", 12);
    box.SetRtf(odd);
    EXPECT_EQ(box.Rtf(), odd);
    box.SetRtf(std::string());
    EXPECT_EQ(box.Rtf(), std::string());
    EXPECT_EQ(box.PlainText(), std::string());
}

TEST(RichTextBox, PlainTextIsWindows1252WithCrLfParagraphs) {
    QWidget window;
    RichTextBox box(&window, QStringLiteral("RTB1"));
    box.SetRtf("{\\rtf a\\par b\\line c\\tab d}");
    EXPECT_EQ(box.PlainText(), "a\r\nb\r\nc\td");
    box.SetRtf("{\\rtf a\\par}");
    EXPECT_EQ(box.PlainText(), "a\r\n");
    box.SetRtf("{\\rtf \\'e5\xe5\\u8364?\\emdash\\u12354?}");
    EXPECT_EQ(box.PlainText(), "\xe5\xe5\x80\x97?");
}

TEST(RichTextBox, VersePageYieldsTheTextAsShown) {
    QWidget window;
    RichTextBox box(&window, QStringLiteral("RTB1"));
    box.SetRtf(test::VersePage("Subtitle \xe5", "[2:0]", "In the name of God"));
    EXPECT_EQ(box.PlainText(), "Subtitle \xe5\r\n\r\n[2:0]\r\nIn the name of God\r\n\r\n ");
    // A new document replaces the old one completely.
    box.SetRtf(test::kListHeader + "[1:1]  text\\par \\par  }");
    EXPECT_EQ(box.PlainText(), "[1:1]  text\r\n\r\n ");
}

TEST(RichTextBox, IsReadOnlyAndNeverCopiesByItself) {
    QWidget window;
    RichTextBox box(&window, QStringLiteral("RTB1"));
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_EQ(box.contextMenuPolicy(), Qt::NoContextMenu);
    box.SetRtf(test::kListHeader + "secret text }");
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("sentinel"));
    box.selectAll();
    PressKey(box, Qt::Key_C, Qt::ControlModifier);
    PressKey(box, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("sentinel"));
    // Even the control's own copy puts nothing of the text on the clipboard.
    box.copy();
    EXPECT_FALSE(clipboard->text().contains(QStringLiteral("secret")));
}

TEST(RichTextBox, KeysReachTheWindowFilterAndUnhandledCopyGoesUp) {
    QWidget window;
    RichTextBox box(&window, QStringLiteral("RTB1"));
    KeyRecorder onBox;
    KeyRecorder onWindow;
    box.installEventFilter(&onBox);
    window.installEventFilter(&onWindow);
    box.SetRtf(test::kListHeader + "text }");
    PressKey(box, Qt::Key_F10);
    PressKey(box, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(onBox.keys.size(), 2u);
    EXPECT_EQ(onBox.keys[0], QKeyCombination(Qt::Key_F10));
    EXPECT_EQ(onBox.keys[1], QKeyCombination(Qt::ControlModifier, Qt::Key_C));
    // The pane leaves Ctrl+C alone, so the window gets it too.
    ASSERT_FALSE(onWindow.keys.empty());
    EXPECT_EQ(onWindow.keys.back(), QKeyCombination(Qt::ControlModifier, Qt::Key_C));
}

TEST(RichTextBox, UpAndDownScrollTheView) {
    QWidget window;
    window.resize(300, 120);
    RichTextBox box(&window, QStringLiteral("RTB1"));
    box.setGeometry(0, 0, 300, 120);
    box.SetRtf(LongList(200));
    window.show();
    QApplication::processEvents();
    QScrollBar* bar = box.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), 0);
    PressKey(box, Qt::Key_Down);
    PressKey(box, Qt::Key_Down);
    const int down = bar->value();
    EXPECT_GT(down, 0);
    PressKey(box, Qt::Key_Up);
    EXPECT_LT(bar->value(), down);
    // A new document starts at its top.
    PressKey(box, Qt::Key_Down);
    box.SetRtf(LongList(150));
    EXPECT_EQ(bar->value(), 0);
}

TEST(RichTextBox, BackgroundColourPaintsThePane) {
    QWidget window;
    window.resize(200, 100);
    RichTextBox box(&window, QStringLiteral("RTB1"));
    box.setGeometry(0, 0, 200, 100);
    const QColor navy(0, 0, 128);
    box.SetBackgroundColor(navy);
    box.SetRtf(test::kListHeader + "x }");
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(box.BackgroundColor(), navy);
    const QImage image = box.viewport()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(QColor(image.pixel(image.width() - 3, image.height() - 3)), navy);
}

TEST(RichTextBox, AHiddenPaneShowsItsLastTextWhenShown) {
    QWidget window;
    window.resize(300, 200);
    RichTextBox box(&window, QStringLiteral("RTB1"));
    box.setGeometry(0, 0, 300, 200);
    box.SetRtf(test::kListHeader + "first }");
    box.SetRtf(test::kListHeader + "second\\par third}");
    // Read while hidden: the text is there before any layout.
    EXPECT_EQ(box.PlainText(), "second\r\nthird");
    EXPECT_EQ(box.Rtf(), test::kListHeader + "second\\par third}");
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(box.PlainText(), "second\r\nthird");
    EXPECT_EQ(ShownText(*box.document()), QStringLiteral("second\r\nthird"));
    // Once shown, a new text goes straight into the view.
    box.SetRtf(test::kListHeader + "fourth}");
    EXPECT_EQ(ShownText(*box.document()), QStringLiteral("fourth"));
    window.hide();
    box.SetRtf(test::kListHeader + "fifth}");
    EXPECT_EQ(box.PlainText(), "fifth");
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(ShownText(*box.document()), QStringLiteral("fifth"));
}

TEST(RichTextBox, OneMegabyteDocumentIsShownWhole) {
    QWidget window;
    window.resize(400, 300);
    RichTextBox box(&window, QStringLiteral("RTB1"));
    box.setGeometry(0, 0, 400, 300);
    window.show();
    const std::string rtf = LongList(80000);
    ASSERT_GT(rtf.size(), 1u << 20);
    box.SetRtf(rtf);
    QApplication::processEvents();
    const std::string text = box.PlainText();
    EXPECT_EQ(text.substr(0, 8), "Line 0\r\n");
    EXPECT_NE(text.find("Line 79999"), std::string::npos);
}

} // namespace
} // namespace lumra
