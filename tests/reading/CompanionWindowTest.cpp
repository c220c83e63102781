// The companion window alone on a fake host: the original, the transliteration and the other
// language of the current position, following the readings, and what F10 copies. Then, on a
// whole reader, that it costs nothing until it is opened and opens again where it was left.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "AppHarness.h"
#include "FakeHost.h"
#include "layout/WindowPlacement.h"
#include "platform/Cp1252Qt.h"
#include "toolkit/RichTextBox.h"
#include "windows/CompanionWindow.h"
#include "windows/MainWindow.h"

namespace lumra {
namespace {

using test::SyntheticDataSet;

// A companion text in memory whose lines name their positions.
CompanionText MadeUpText() {
    CompanionText text;
    for (int p = 1; p <= kPositionCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        text.original[i] = "\u0628\u0650\u0633\u0652\u0645\u0650 " + std::to_string(p);
        text.transliteration[i] = "bismi " + std::to_string(p);
    }
    return text;
}

QString Utf8(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Place(int position) {
    const auto p = static_cast<std::int16_t>(position);
    return std::to_string(SuraOfPosition(p)) + ":" + std::to_string(VerseOfPosition(p));
}

std::string Ref(int position) {
    return "[" + Place(position) + "]";
}

class CompanionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.companion = MadeUpText();
        host.state.settings.viewFontSize = 20;
        host.state.currentPosition = 300;
    }
    void Make() {
        window = std::make_unique<CompanionWindow>(host);
        for (const char* name : {"RTB1", "RTB2", "RTB3"}) {
            panes.push_back(window->findChild<RichTextBox*>(QLatin1String(name)));
            ASSERT_NE(panes.back(), nullptr) << name;
        }
        box = window->findChild<QCheckBox*>(QStringLiteral("Check1"));
        ASSERT_NE(box, nullptr);
    }
    // A rendering, and the event loop that fills the panes after it.
    void Follow() {
        window->FollowRendering();
        QCoreApplication::processEvents();
    }
    QString Shown(int pane) const { return panes[static_cast<std::size_t>(pane)]->UnicodeText(); }
    std::string Name(int pane) const {
        return panes[static_cast<std::size_t>(pane)]->accessibleName().toStdString();
    }
    void ExpectPosition(int p, const std::string& other, const std::string& where) {
        EXPECT_EQ(Shown(0), Utf8(OriginalShown(*host.companion, p))) << where;
        EXPECT_EQ(Shown(1), Utf8(TransliterationShown(*host.companion, p))) << where;
        EXPECT_EQ(Shown(2), Utf8(Ref(p)) + QLatin1Char('\n') +
                                FromCp1252(SyntheticDataSet::VerseText(other, p)))
            << where;
    }

    test::FakeHost host;
    std::unique_ptr<CompanionWindow> window;
    std::vector<RichTextBox*> panes;
    QCheckBox* box = nullptr;
};

TEST_F(CompanionWindowTest, FollowsThePositionTheReadingSizeAndTheLanguage) {
    Make();
    window->Open();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->objectName(), QStringLiteral("Form14"));
    ExpectPosition(300, "sv", "opened");
    EXPECT_EQ(window->windowTitle().toStdString(), "en#146" + Place(300));
    const QTextDocument& original = *panes[0]->document();
    EXPECT_EQ(original.firstBlock().textDirection(), Qt::RightToLeft);
    original.documentLayout()->documentSize(); // laid out now
    const QTextLine line = original.firstBlock().layout()->lineAt(0);
    EXPECT_GT(line.naturalTextRect().left(), line.width() / 2) << "the short line stands right";
    EXPECT_EQ(panes[0]->font().families(),
              (QStringList{QStringLiteral("Amiri Quran"), QStringLiteral("Amiri")}));
    EXPECT_DOUBLE_EQ(panes[0]->font().pointSizeF(), 17.5);
    EXPECT_DOUBLE_EQ(panes[2]->font().pointSizeF(), 10.0);
    EXPECT_EQ(Name(0), "en#148");
    EXPECT_EQ(Name(1), "en#149");
    EXPECT_EQ(Name(2), "en#150");

    // The opening of sura 2 carries the subtitle of the other language.
    host.state.currentPosition = static_cast<std::int16_t>(PositionOf(2, 0));
    Follow();
    EXPECT_TRUE(Shown(2).startsWith(QStringLiteral("sv Sura 2\nsecond line\n\n[2:0]\n")));

    host.state.currentPosition = 301;
    host.state.settings.viewFontSize = 22; // Z
    Follow();
    ExpectPosition(301, "sv", "after Z");
    EXPECT_DOUBLE_EQ(panes[0]->font().pointSizeF(), 19.25);
    EXPECT_DOUBLE_EQ(panes[1]->font().pointSizeF(), 11.0);

    host.state.settings.language = 2; // L: the other language is the one just left
    window->RefreshCaptions();
    Follow();
    ExpectPosition(301, "en", "after L");
    EXPECT_EQ(Name(2), "en#151");

    // Hidden, it follows nothing until it opens again.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    host.state.currentPosition = 302;
    Follow();
    ExpectPosition(301, "en", "hidden");
    window->Open();
    ExpectPosition(302, "en", "opened again");
    EXPECT_GT(host.companionRequests, 0);
}

TEST_F(CompanionWindowTest, F10AndCtrlCCopyPlainTextAndHtmlWithTheirDirections) {
    host.state.currentPosition = 250;
    Make();
    window->Open();
    const std::string original = OriginalShown(*host.companion, 250);
    const std::string transliteration = TransliterationShown(*host.companion, 250);
    const std::string other = FromCp1252(SyntheticDataSet::VerseText("sv", 250)).toStdString();
    const std::string r = Ref(250);
    const std::string plain = r + "\r\n" + original + "\r\n\r\n" + r + "\r\n" + transliteration +
                              "\r\n\r\n" + r + "\r\n" + other + "\r\n\r\n";
    for (const auto modifier : {Qt::NoModifier, Qt::ControlModifier}) {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(panes[1], modifier == Qt::NoModifier ? Qt::Key_F10 : Qt::Key_C, modifier);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->text().toStdString(), plain);
        const std::string html = data->html().toStdString();
        EXPECT_NE(html.find("<p dir=\"rtl\" lang=\"ar\">" + original + "</p>"), std::string::npos)
            << html;
        EXPECT_NE(html.find("<p lang=\"ar-Latn\">" + transliteration + "</p>"), std::string::npos);
        EXPECT_NE(html.find("<p lang=\"sv\">" + other + "</p>"), std::string::npos);
    }
    EXPECT_EQ(host.prompt.events, std::vector<std::string>{"beep"}) << "Ctrl+C beeps, F10 not";
}

TEST_F(CompanionWindowTest, TheTransliterationBoxIsKeptAndHidesItsPane) {
    Make();
    window->Open();
    EXPECT_TRUE(box->isChecked());
    const int otherHeight = panes[2]->height();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_EQ(host.state.companion.transliteration, 0);
    EXPECT_FALSE(panes[1]->isVisible());
    EXPECT_GT(panes[2]->height(), otherHeight) << "the other panes take its room";
    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_EQ(QGuiApplication::clipboard()->text().indexOf(QStringLiteral("bismi")), -1);

    // A window made with the box cleared in the settings starts without the pane.
    window.reset();
    panes.clear();
    Make();
    window->Open();
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(panes[1]->isVisible());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_TRUE(panes[1]->isVisible());
    EXPECT_EQ(Shown(1), Utf8(TransliterationShown(*host.companion, 300)));
}

TEST_F(CompanionWindowTest, WithoutTheCompanionFilesItSaysSoAndShowsTheOtherLanguage) {
    host.companion.reset();
    Make();
    window->Open();
    EXPECT_EQ(Shown(0), QStringLiteral("en#152"));
    EXPECT_EQ(panes[0]->document()->firstBlock().textDirection(), Qt::LeftToRight);
    EXPECT_FALSE(panes[1]->isVisible());
    EXPECT_FALSE(box->isEnabled());
    const std::string other = FromCp1252(SyntheticDataSet::VerseText("sv", 300)).toStdString();
    EXPECT_EQ(Shown(2).toStdString(), Ref(300) + "\n" + other);
    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              Ref(300) + "\r\n" + other + "\r\n\r\n");
}

// Where the window goes: beside the main window, clear of the footnote window.
struct PlacementCase {
    WindowRect main;
    WindowRect footnote;
    WindowRect expected;
};
class CompanionPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(CompanionPlacement, BesideTheMainWindowAndClearOfTheFootnoteWindow) {
    const WindowRect screen{0, 0, 1600, 1000};
    const auto& c = GetParam();
    const WindowRect at = PlaceBeside(screen, c.main, c.footnote, 500, 430, 300);
    EXPECT_EQ(
        std::vector<int>({at.left, at.top, at.width, at.height}),
        std::vector<int>({c.expected.left, c.expected.top, c.expected.width, c.expected.height}));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, CompanionPlacement,
    ::testing::Values(
        // Room on the right.
        PlacementCase{{100, 100, 580, 440}, {}, {688, 100, 500, 430}},
        // The footnote window is on the right: below the main window.
        PlacementCase{{100, 100, 580, 440}, {688, 100, 500, 280}, {100, 548, 500, 430}},
        // No room on the right: on the left.
        PlacementCase{{1000, 100, 580, 440}, {}, {492, 100, 500, 430}},
        // Room only for a narrower window on the right.
        PlacementCase{{300, 100, 900, 900}, {}, {1208, 100, 392, 430}},
        // No room beside or around: the screen's top right corner, covering the main window.
        PlacementCase{{0, 0, 1600, 1000}, {}, {1100, 0, 500, 430}}));

// On a whole reader: nothing of the window loads while it stays closed, and the settings of
// the others are written as before; left open, it opens again after the first paint.
TEST(CompanionWindowReader, LoadsOnlyWhenOpenedAndOpensAgainWhereItWasLeft) {
    test::AppHarness h;
    Application& app = h.StartDefault();
    EXPECT_EQ(app.Loaded<CompanionWindow>(), nullptr);
    app.SaveOnRequest();
    EXPECT_EQ(h.store.Get("C_SET", "c_open"), std::nullopt);

    QTest::keyClick(&app.Main(), Qt::Key_O);
    auto* window = app.Loaded<CompanionWindow>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->findChild<RichTextBox*>(QStringLiteral("RTB1"))->UnicodeText(),
              QStringLiteral("en#152"))
        << "the synthetic folder has no companion files";
    app.SaveOnRequest();
    EXPECT_EQ(h.store.Get("C_SET", "c_open"), std::optional<std::string>("1"));

    test::AppHarness next;
    next.store = h.store;
    next.WriteDataSet();
    next.Create();
    ASSERT_TRUE(next.Start());
    EXPECT_EQ(next.app->Loaded<CompanionWindow>(), nullptr);
    next.app->Main().show();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const auto* again = next.app->Loaded<CompanionWindow>();
        return again != nullptr && again->isVisible();
    }));
}

} // namespace
} // namespace lumra
