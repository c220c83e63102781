#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "AppHarness.h"
#include "documents/TextDocuments.h"
#include "toolkit/RichTextBox.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

RichTextBox* Pane(QWidget* w) {
    return w->findChild<RichTextBox*>(QStringLiteral("RichTextBox1"));
}

QString Caption(QWidget* w, const char* control) {
    return w->findChild<QPushButton*>(QLatin1String(control))->text();
}

struct Notice {
    QPointer<QWidget> window;
    QString objectName;
    QString title;
    QString closeCaption;
    std::string rtf;
    std::string text;
    std::size_t boxesBefore = 0;
};

TEST(Introduction, ShowsText67ThenAppendicesOneAndThreeAndUnloadsEachNotice) {
    AppHarness h;
    h.WriteDataSet();
    h.Create();
    std::vector<Notice> notices;
    h.OnNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }); // accept
    for (int k = 0; k < 2; ++k) {
        h.OnNextModal([&, k](QWidget* w) {
            Notice n{w,
                     w->objectName(),
                     w->windowTitle(),
                     Caption(w, "Command1"),
                     Pane(w)->Rtf(),
                     Pane(w)->PlainText(),
                     h.prompt.boxes.size()};
            notices.push_back(n);
            // One notice is closed with its button, the other with Esc.
            if (k == 0) {
                QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")),
                                  Qt::LeftButton);
            } else {
                QTest::keyClick(w, Qt::Key_Escape);
            }
        });
    }
    ASSERT_TRUE(h.app->Start());
    const auto& state = h.app->State();

    ASSERT_EQ(h.prompt.boxes.size(), 2u);
    EXPECT_EQ(h.prompt.boxes[0].message, SyntheticDataSet::InterfaceText("en", 67));
    EXPECT_EQ(h.prompt.boxes[0].title, "");
    EXPECT_EQ(h.prompt.boxes[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(h.prompt.boxes[1].title, SyntheticDataSet::InterfaceText("en", 63)); // reminder

    ASSERT_EQ(notices.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        const Notice& n = notices[static_cast<std::size_t>(k)];
        const int appendix = k == 0 ? 1 : 3;
        EXPECT_EQ(n.objectName, QStringLiteral("Form11"));
        EXPECT_EQ(n.title, QString());
        EXPECT_EQ(n.closeCaption, QStringLiteral("en#24"));
        EXPECT_EQ(n.boxesBefore, 1u) << "after the message, before the reminder";
        // English appendices are plain text, framed as a document.
        EXPECT_EQ(n.rtf, FramePlainText(SyntheticDataSet::AppendixText("en", appendix)));
        EXPECT_NE(n.text.find(SyntheticDataSet::AppendixText("en", appendix)), std::string::npos);
        EXPECT_TRUE(n.window.isNull()) << "closing a notice during the start-up unloads it";
    }

    // The help window is ready, hidden, for later.
    HelpWindow* help = h.app->Loaded<HelpWindow>();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("en#53"));
    EXPECT_EQ(Caption(help, "Command1"), QStringLiteral("en#24"));
    EXPECT_EQ(Pane(help)->Rtf(), state.corpus.helpText);
    EXPECT_TRUE(help->windowState().testFlag(Qt::WindowMaximized));
    const auto& c = state.settings.colour;
    EXPECT_EQ(Pane(help)->BackgroundColor(), QColor(c.red, c.green, c.blue));
}

TEST(Introduction, SwedishNoticesAreShownAsTheRichTextTheyAre) {
    AppHarness h;
    h.WriteDataSet();
    h.store.Set("G_SET", "lang", "2");
    h.Create();
    std::vector<std::string> shown;
    h.OnNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    for (int k = 0; k < 2; ++k) {
        h.OnNextModal([&](QWidget* w) {
            shown.push_back(Pane(w)->Rtf());
            QTest::keyClick(w, Qt::Key_Escape);
        });
    }
    ASSERT_TRUE(h.app->Start());
    EXPECT_EQ(shown, (std::vector<std::string>{SyntheticDataSet::AppendixText("sv", 1),
                                               SyntheticDataSet::AppendixText("sv", 3)}));
}

TEST(Introduction, DecliningItShowsNoNotice) {
    AppHarness h;
    auto& app = h.StartDefault();
    ASSERT_EQ(h.prompt.boxes.size(), 1u); // the reminder only
    ASSERT_NE(app.Loaded<HelpWindow>(), nullptr);
    EXPECT_FALSE(app.Loaded<HelpWindow>()->isVisible());
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = &h.StartDefault();
        help = app->Loaded<HelpWindow>();
        ASSERT_NE(help, nullptr);
    }
    AppHarness h;
    Application* app = nullptr;
    HelpWindow* help = nullptr;
};

TEST_F(HelpWindowTest, ClosingAfterTheStartOnlyHidesIt) {
    const QPointer<HelpWindow> before(help);
    help->OpenWithHelpText();
    EXPECT_TRUE(help->isVisible());
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    ASSERT_FALSE(before.isNull());
    EXPECT_EQ(app->Loaded<HelpWindow>(), help);

    help->OpenWithHelpText();
    EXPECT_TRUE(help->isVisible());
    QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(help->close()) << "the close is cancelled";
    EXPECT_EQ(app->Loaded<HelpWindow>(), help);
}

TEST_F(HelpWindowTest, OpeningPutsInTheHelpTextAtTheReadingFontSize) {
    app->State().settings.viewFontSize = 30;
    help->OpenWithHelpText();
    EXPECT_EQ(Pane(help)->Rtf(), "{\\rtf1 en help\\fs30 text}");
    // Only opening again takes a new size.
    app->State().settings.viewFontSize = 40;
    EXPECT_EQ(Pane(help)->Rtf(), "{\\rtf1 en help\\fs30 text}");
    help->OpenWithHelpText();
    EXPECT_EQ(Pane(help)->Rtf(), "{\\rtf1 en help\\fs40 text}");
}

TEST_F(HelpWindowTest, TheMainWindowOpensItAndAFontChangeWaitsForTheNextOpening) {
    MainWindow& main = app->Main();
    QTest::keyClick(&main, Qt::Key_F1);
    ASSERT_TRUE(help->isVisible());
    EXPECT_EQ(Pane(help)->Rtf(), "{\\rtf1 en help\\fs20 text}");
    QTest::keyClick(&main, Qt::Key_Z);
    EXPECT_EQ(Pane(help)->Rtf(), "{\\rtf1 en help\\fs20 text}");
    QTest::keyClick(help, Qt::Key_Escape);
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(Pane(help)->Rtf(), "{\\rtf1 en help\\fs22 text}");
    EXPECT_EQ(app->Loaded<HelpWindow>(), help);
}

TEST_F(HelpWindowTest, F10CopiesTheWholeDocumentAsRichText) {
    help->OpenWithHelpText();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(Pane(help), Qt::Key_F10);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
    EXPECT_EQ(std::string(rtf.constData(), static_cast<std::size_t>(rtf.size())),
              Pane(help)->Rtf());
    EXPECT_TRUE(data->text().contains(QStringLiteral("en help")));
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpWindowTest, CtrlCBeepsThenCopiesAsF10Does) {
    help->OpenWithHelpText();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    h.prompt.beeps = 0;
    h.prompt.boxes.clear();
    QTest::keyClick(Pane(help), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(h.prompt.beeps, 1);
    EXPECT_TRUE(h.prompt.boxes.empty());
    const QByteArray rtf =
        QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/rtf"));
    EXPECT_EQ(std::string(rtf.constData(), static_cast<std::size_t>(rtf.size())),
              Pane(help)->Rtf());
}

TEST_F(HelpWindowTest, StaysMaximisedWithThePaneFillingIt) {
    help->OpenWithHelpText();
    help->setWindowState(Qt::WindowNoState);
    help->resize(500, 400);
    EXPECT_TRUE(help->windowState().testFlag(Qt::WindowMaximized));
    help->LayOut();
    auto* button = help->findChild<QPushButton*>(QStringLiteral("Command1"));
    EXPECT_EQ(Pane(help)->width(), help->width() - 1);
    EXPECT_EQ(Pane(help)->height(), help->height() - Pane(help)->y() - button->height() - 12);
    EXPECT_EQ(button->y(), help->height() - button->height() - 6);
}

TEST_F(HelpWindowTest, ALanguageChangeRefreshesItsTitleAndText) {
    auto& state = app->State();
    state.settings.language = 2;
    app->LoadTexts();
    ASSERT_TRUE(app->LoadCorpusOfLanguage());
    app->RefreshAllCaptions();
    EXPECT_EQ(help->windowTitle(), QStringLiteral("sv#53"));
    EXPECT_EQ(Pane(help)->Rtf(), SyntheticDataSet::HelpText("sv"));
}

} // namespace
} // namespace lumra
