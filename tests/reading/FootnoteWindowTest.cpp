#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "AppHarness.h"
#include "documents/RtfVocabulary.h"
#include "documents/TextDocuments.h"
#include "toolkit/RichTextBox.h"
#include "windows/FootnoteWindow.h"
#include "windows/MainWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

RichTextBox* Pane(QWidget* w) {
    return w->findChild<RichTextBox*>(QStringLiteral("RTB1"));
}

std::string Clip() {
    return QGuiApplication::clipboard()->text().toStdString();
}

class FootnoteWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = &h.StartDefault();
        form = app->Loaded<FootnoteWindow>();
        ASSERT_NE(form, nullptr);
    }
    AppHarness h;
    Application* app = nullptr;
    FootnoteWindow* form = nullptr;
};

TEST_F(FootnoteWindowTest, FollowsTheRenderingsCaptionAndFillsThePaneOnlyWhileShown) {
    auto& state = app->State();
    state.settings.viewFontSize = 30;
    state.footnoteRtf = std::string(rtf::kFootnotePrefix) + "a note";
    form->FollowRendering("Footnote to 2:5");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Footnote to 2:5"));
    EXPECT_EQ(Pane(form)->Rtf(), "") << "a hidden window's pane waits for its opening";

    form->Open();
    const std::string page = std::string(rtf::kPageHeader) + std::string(rtf::kFootnotePrefix) +
                             "a note" + std::string(rtf::kDocumentEnd);
    EXPECT_EQ(Pane(form)->Rtf(), rtf::WithFontSize(page, 30));
    EXPECT_EQ(Pane(form)->Rtf().find("\\fs20"), std::string::npos);
    EXPECT_NE(Pane(form)->PlainText().find("a note"), std::string::npos);

    state.footnoteRtf = std::string(rtf::kFootnotePrefix) + "another";
    form->FollowRendering("Footnote to 2:6");
    EXPECT_NE(Pane(form)->PlainText().find("another"), std::string::npos);

    state.footnoteRtf.clear();
    form->FollowRendering("none");
    EXPECT_EQ(Pane(form)->Rtf(), "");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("none"));
}

TEST_F(FootnoteWindowTest, CopiesTheFootnoteOfTheCurrentPosition) {
    app->State().currentPosition = 50;
    form->Open();
    h.prompt.events.clear();
    QTest::keyClick(Pane(form), Qt::Key_F10);
    EXPECT_EQ(Clip(), SyntheticDataSet::FootnoteAt("en", 50) + "\r\n");
    EXPECT_TRUE(h.prompt.events.empty());

    app->State().currentPosition = 100;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(Pane(form), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clip(), SyntheticDataSet::FootnoteAt("en", 100) + "\r\n");
    EXPECT_EQ(h.prompt.events, std::vector<std::string>{"beep"});
    EXPECT_TRUE(h.prompt.boxes.size() == 1u) << "no box, only the start-up reminder";

    // A position without a footnote copies a line break.
    app->State().currentPosition = 51;
    QTest::keyClick(form, Qt::Key_F10);
    EXPECT_EQ(Clip(), "\r\n");
}

TEST_F(FootnoteWindowTest, ClosingOnlyHidesIt) {
    form->Open();
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    form->Open();
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(app->Loaded<FootnoteWindow>(), form);
    EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
              QStringLiteral("en#24"));
}

std::string FootnoteCaption(int position) {
    const auto p = static_cast<std::int16_t>(position);
    return SyntheticDataSet::InterfaceText("en", 89) + std::to_string(SuraOfPosition(p)) + ":" +
           std::to_string(VerseOfPosition(p));
}

TEST_F(FootnoteWindowTest, FollowsTheReaderWhileItIsOpen) {
    MainWindow& main = app->Main();
    main.RenderPosition(51);
    QTest::keyClick(&main, Qt::Key_F9); // no footnote: the button is off and so is F9
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->windowTitle().toStdString(), SyntheticDataSet::InterfaceText("en", 101));

    main.RenderPosition(50);
    QTest::keyClick(&main, Qt::Key_F9);
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle().toStdString(), FootnoteCaption(50));
    EXPECT_NE(Pane(form)->PlainText().find(SyntheticDataSet::FootnoteAt("en", 50)),
              std::string::npos);

    QTest::keyClick(&main, Qt::Key_Right);
    EXPECT_EQ(app->State().currentPosition, 51);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle().toStdString(), SyntheticDataSet::InterfaceText("en", 101));
    EXPECT_EQ(Pane(form)->Rtf(), "");

    main.RenderPosition(99);
    QTest::keyClick(&main, Qt::Key_Right);
    EXPECT_EQ(form->windowTitle().toStdString(), FootnoteCaption(100));
    EXPECT_NE(Pane(form)->PlainText().find(SyntheticDataSet::FootnoteAt("en", 100)),
              std::string::npos);

    // A new reading font size renders the footnote again at that size.
    QTest::keyClick(&main, Qt::Key_Z);
    EXPECT_EQ(app->State().settings.viewFontSize, 22);
    EXPECT_NE(Pane(form)->Rtf().find("\\fs22"), std::string::npos);
    EXPECT_EQ(Pane(form)->Rtf().find("\\fs20"), std::string::npos);

    // Closed, it is no longer filled, but its caption still follows.
    QTest::keyClick(form, Qt::Key_Escape);
    main.RenderPosition(150);
    EXPECT_EQ(form->windowTitle().toStdString(), FootnoteCaption(150));
    EXPECT_EQ(Pane(form)->PlainText().find(SyntheticDataSet::FootnoteAt("en", 150)),
              std::string::npos);
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    EXPECT_TRUE(form->isVisible());
    EXPECT_NE(Pane(form)->PlainText().find(SyntheticDataSet::FootnoteAt("en", 150)),
              std::string::npos);
}

TEST(FootnoteClipText, UnderscoresBecomeLineBreaksAndAnyPositionIsSafe) {
    Corpus corpus;
    corpus.footnotes.Set(3, "first_second_");
    corpus.links[10].footnoteLine = 3;
    corpus.links[11].footnoteLine = 999; // beyond the table
    corpus.links[12].footnoteLine = -4;
    EXPECT_EQ(FootnoteClipText(corpus, 10), "first\r\nsecond\r\n\r\n");
    for (int position : {0, 11, 12, 6346, 6347, -1, 40000}) {
        EXPECT_EQ(FootnoteClipText(corpus, position), "\r\n") << position;
    }
}

} // namespace
} // namespace lumra
