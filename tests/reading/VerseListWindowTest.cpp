#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "AppHarness.h"
#include "documents/RtfVocabulary.h"
#include "toolkit/RichTextBox.h"
#include "windows/VerseListWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

const std::string kList = std::string(rtf::kListHeader) +
                          "[1:1]  first verse\\par \\par [2:5]  second \\b verse\\b0\\par }";

RichTextBox* Pane(QWidget* w) {
    return w->findChild<RichTextBox*>(QStringLiteral("RTB1"));
}

TEST(VerseListWindow, ShowsTheListModallyAndIsUnloadedAfterwards) {
    AppHarness h;
    auto& app = h.StartDefault();
    QPointer<QWidget> shown;
    QString title;
    std::string rtf;
    h.OnNextModal([&](QWidget* w) {
        shown = w;
        title = w->windowTitle();
        rtf = Pane(w)->Rtf();
        EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                  QStringLiteral("en#24"));
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    });
    app.ShowVerseList("Hits: 2", kList);
    EXPECT_EQ(title, QStringLiteral("Hits: 2"));
    EXPECT_EQ(rtf, kList);
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(app.Loaded<VerseListWindow>(), nullptr);
}

TEST(VerseListWindow, F10CopiesThePlainTextAndCtrlCOnlyExplains) {
    AppHarness h;
    auto& app = h.StartDefault();
    h.prompt.boxes.clear();
    h.prompt.events.clear();
    std::string expected;
    QString afterF10;
    QString afterCtrlC;
    h.OnNextModal([&](QWidget* w) {
        expected = Pane(w)->PlainText();
        QTest::keyClick(Pane(w), Qt::Key_F10);
        afterF10 = QGuiApplication::clipboard()->text();
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        QTest::keyClick(Pane(w), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
        afterCtrlC = QGuiApplication::clipboard()->text();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    app.ShowVerseList("list", kList);
    EXPECT_EQ(expected, "[1:1]  first verse\r\n\r\n[2:5]  second verse\r\n");
    EXPECT_EQ(afterF10.toStdString(), expected);
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("text/rtf")));
    EXPECT_EQ(afterCtrlC, QStringLiteral("untouched"));
    ASSERT_EQ(h.prompt.boxes.size(), 2u);
    for (const auto& box : h.prompt.boxes) {
        EXPECT_EQ(box.message, SyntheticDataSet::InterfaceText("en", 62));
        EXPECT_EQ(box.title, SyntheticDataSet::InterfaceText("en", 45));
        EXPECT_EQ(box.icon, PromptIcon::Information);
    }
    EXPECT_EQ(h.prompt.events.front(), "beep");
    EXPECT_EQ(h.prompt.beeps, 2);
}

TEST(VerseListWindow, GivesTheTextOfADocumentWithoutShowingIt) {
    AppHarness h;
    auto& app = h.StartDefault();
    EXPECT_EQ(app.VerseListPlainText(kList), "[1:1]  first verse\r\n\r\n[2:5]  second verse\r\n");
    ASSERT_NE(app.Loaded<VerseListWindow>(), nullptr);
    EXPECT_FALSE(app.Loaded<VerseListWindow>()->isVisible());
    EXPECT_EQ(Pane(app.Loaded<VerseListWindow>())->Rtf(), "");
    EXPECT_EQ(app.VerseListPlainText(std::string(rtf::kListHeader) + "x\\par y }"), "x\r\ny ");
}

TEST(VerseListWindow, LoadingAppliesCaptionsColourAndWindowState) {
    AppHarness h;
    h.WriteDataSet();
    h.store.Set("wp", "f13max", "1");
    h.store.Set("G_SET", "red", "10");
    h.Create();
    ASSERT_TRUE(h.Start());
    VerseListWindow& list = h.app->Load<VerseListWindow>();
    EXPECT_EQ(list.windowTitle(), QStringLiteral("en#61"));
    EXPECT_TRUE(list.windowState().testFlag(Qt::WindowMaximized));
    const auto& c = h.app->State().settings.colour;
    EXPECT_EQ(Pane(&list)->BackgroundColor(), QColor(c.red, c.green, c.blue));
    EXPECT_EQ(list.palette().color(QPalette::Window), QColor(c.red, c.green, c.blue));
}

} // namespace
} // namespace lumra
