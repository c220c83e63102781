#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "AppHarness.h"
#include "documents/RtfVocabulary.h"
#include "documents/TextDocuments.h"
#include "toolkit/RichTextBox.h"
#include "windows/AppendixWindow.h"
#include "windows/MainWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

std::string ClipRtf() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasFormat(QStringLiteral("text/rtf"))) {
        return {};
    }
    const QByteArray bytes = data->data(QStringLiteral("text/rtf"));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

class AppendixWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = &h.StartDefault();
        form = app->Loaded<AppendixWindow>();
        ASSERT_NE(form, nullptr);
        combo = form->findChild<QComboBox*>(QStringLiteral("Combo1"));
        pane[0] = form->findChild<RichTextBox*>(QStringLiteral("RTB1_0"));
        pane[1] = form->findChild<RichTextBox*>(QStringLiteral("RTB1_1"));
        ASSERT_TRUE(combo && pane[0] && pane[1]);
    }

    void SwitchLanguage(std::uint8_t language) {
        app->State().settings.language = language;
        app->LoadTexts();
        ASSERT_TRUE(app->LoadCorpusOfLanguage());
        app->RefreshAllCaptions();
        form->SelectCurrentAppendix();
    }

    // The pane that shows, and checks that the other one is hidden and empty.
    int ShownPane() {
        const int shown = pane[1]->isHidden() ? 0 : 1;
        EXPECT_TRUE(pane[1 - shown]->isHidden());
        EXPECT_FALSE(pane[shown]->isHidden());
        EXPECT_EQ(pane[1 - shown]->Rtf(), "");
        return shown;
    }

    AppHarness h;
    Application* app = nullptr;
    AppendixWindow* form = nullptr;
    QComboBox* combo = nullptr;
    RichTextBox* pane[2] = {};
};

TEST_F(AppendixWindowTest, OpensOnTheCurrentAppendixWithItsCaptions) {
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("en#29"));
    EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
              QStringLiteral("en#24"));
    ASSERT_EQ(combo->count(), 41);
    EXPECT_EQ(combo->itemText(0), QString::fromStdString(SyntheticDataSet::AppendixTitle("en", 1)));
    EXPECT_EQ(combo->itemText(3),
              QStringLiteral("en#981: ") +
                  QString::fromStdString(SyntheticDataSet::AppendixTitle("en", 4)));
    form->Open();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(ShownPane(), 1);
    EXPECT_EQ(pane[1]->Rtf(), FramePlainText(SyntheticDataSet::AppendixText("en", 1)));
}

TEST_F(AppendixWindowTest, TheMainWindowOpensItWithF3AndItsButton) {
    MainWindow& main = app->Main();
    QTest::keyClick(&main, Qt::Key_F3);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(pane[1]->Rtf(), FramePlainText(SyntheticDataSet::AppendixText("en", 1)));
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("Command7")), Qt::LeftButton);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(AppendixWindowTest, F12AndF11StepThroughTheListAndStopAtItsEnds) {
    form->Open();
    QTest::keyClick(pane[1], Qt::Key_F11);
    EXPECT_EQ(combo->currentIndex(), 0);
    QTest::keyClick(pane[1], Qt::Key_F12);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(app->State().currentAppendix, 2);
    EXPECT_EQ(pane[1]->Rtf(), FramePlainText(SyntheticDataSet::AppendixText("en", 2)));
    for (int k = 0; k < 45; ++k) {
        QTest::keyClick(form, Qt::Key_F12);
    }
    EXPECT_EQ(combo->currentIndex(), 40);
    EXPECT_EQ(app->State().currentAppendix, 41);
    EXPECT_EQ(pane[1]->Rtf(), FramePlainText(SyntheticDataSet::AppendixText("en", 41)));
    QTest::keyClick(form, Qt::Key_F11);
    EXPECT_EQ(app->State().currentAppendix, 40);
    for (int k = 0; k < 45; ++k) {
        QTest::keyClick(form, Qt::Key_F11);
    }
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(app->State().currentAppendix, 1);
}

TEST_F(AppendixWindowTest, ClosingHidesItAndReopeningKeepsTheItem) {
    form->Open();
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(form, Qt::Key_F12);
    }
    QTest::keyClick(pane[1], Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(app->Loaded<AppendixWindow>(), form);
    form->Open();
    EXPECT_EQ(combo->currentIndex(), 4);
    EXPECT_EQ(pane[1]->Rtf(), FramePlainText(SyntheticDataSet::AppendixText("en", 5)));
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(AppendixWindowTest, TheLanguageChoosesThePaneAndTheCopy) {
    form->Open();
    QTest::keyClick(form, Qt::Key_F12);
    // English: the plain pane, copied as plain text.
    QTest::keyClick(form, Qt::Key_F10);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text().toStdString(), pane[1]->PlainText());
    EXPECT_NE(data->text().toStdString().find(SyntheticDataSet::AppendixText("en", 2)),
              std::string::npos);
    EXPECT_FALSE(data->hasFormat(QStringLiteral("text/rtf")));

    // Swedish: the rich-text pane, the text unchanged, copied as rich text; the item stays.
    SwitchLanguage(2);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("sv#29"));
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(combo->itemText(0), QString::fromStdString(SyntheticDataSet::AppendixTitle("sv", 1)));
    EXPECT_EQ(ShownPane(), 0);
    EXPECT_EQ(pane[0]->Rtf(), SyntheticDataSet::AppendixText("sv", 2));
    QTest::keyClick(form, Qt::Key_F10);
    EXPECT_EQ(ClipRtf(), SyntheticDataSet::AppendixText("sv", 2));

    SwitchLanguage(1);
    EXPECT_EQ(ShownPane(), 1);
    EXPECT_EQ(pane[1]->Rtf(), FramePlainText(SyntheticDataSet::AppendixText("en", 2)));
}

TEST_F(AppendixWindowTest, CtrlCBeepsThenCopiesAsF10Does) {
    form->Open();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    h.prompt.beeps = 0;
    h.prompt.boxes.clear();
    QTest::keyClick(pane[1], Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(h.prompt.beeps, 1);
    EXPECT_TRUE(h.prompt.boxes.empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), pane[1]->PlainText());
}

TEST_F(AppendixWindowTest, ThePaneFillsTheWindowBelowTheChooser) {
    form->Open();
    form->resize(700, 500);
    form->LayOut();
    auto* button = form->findChild<QPushButton*>(QStringLiteral("Command1"));
    EXPECT_EQ(pane[1]->width(), form->width() - 8);
    EXPECT_EQ(combo->width(), form->width() - 8);
    EXPECT_EQ(pane[1]->y(), combo->height() + 8);
    EXPECT_EQ(pane[1]->y() + pane[1]->height(), form->height() - button->height() - 12);
    EXPECT_EQ(button->x(), form->width() / 2 - button->width() / 2);
}

TEST(AppendixWindow, OpensMaximisedWhenItWasLeftSo) {
    for (const char* flag : {"0", "1"}) {
        AppHarness h;
        h.WriteDataSet();
        h.store.Set("wp", "f5max", flag);
        h.Create();
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(h.app->Loaded<AppendixWindow>()->windowState().testFlag(Qt::WindowMaximized),
                  flag[0] == '1');
    }
}

TEST(PlainAppendixFraming, KeepsLineBreaksAndShowsRtfCharactersAsText) {
    const std::string framed = FramePlainText("One\r\nTwo\n\nThree\r{brace} back\\slash");
    EXPECT_EQ(framed, std::string(rtf::kListHeader) +
                          "One\\par Two\\par \\par Three\\par \\{brace\\} back\\\\slash }");
    QWidget window;
    RichTextBox box(&window, QStringLiteral("RTB1"));
    box.SetRtf(framed);
    EXPECT_EQ(box.PlainText(), "One\r\nTwo\r\n\r\nThree\r\n{brace} back\\slash ");
    EXPECT_EQ(FramePlainText(""), std::string(rtf::kListHeader) + " }");
}

TEST(PlainAppendixFraming, TheLanguageFlagDecidesAndBadNumbersGiveNothing) {
    Corpus corpus;
    corpus.appendices.Set(7, "a\r\nb");
    EXPECT_EQ(AppendixDocument(corpus, kLanguages[1], 7), FramePlainText("a\r\nb"));
    EXPECT_EQ(AppendixDocument(corpus, kLanguages[2], 7), "a\r\nb");
    EXPECT_EQ(AppendixDocument(corpus, kLanguages[1], 0), "");
    EXPECT_EQ(AppendixDocument(corpus, kLanguages[1], 42), "");
}

} // namespace
} // namespace lumra
