// The main window through real key events and clicks on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "AppHarness.h"
#include "FakeHost.h"
#include "toolkit/RichTextBox.h"
#include "toolkit/VirtualKeys.h"
#include "windows/FootnoteWindow.h"
#include "windows/MainWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = &h.StartDefault();
        ASSERT_TRUE(h.endCodes.empty());
        form = &app->Main();
        form->show();
        pane = Find<RichTextBox>("RTB1");
        bar = Find<QScrollBar>("HScroll1");
        chooser = Find<QComboBox>("Combo1");
        h.prompt.boxes.clear();
        h.prompt.events.clear();
        h.prompt.beeps = 0;
    }

    template <typename W> W* Find(const char* name) {
        auto* w = form->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString Text(const char* name) { return Find<QWidget>(name)->property("text").toString(); }

    // The key as the reader types it, to the focused pane.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(pane, key, modifiers);
    }
    int Position() const { return bar->value(); }
    std::string Reference() const {
        const auto p = static_cast<std::int16_t>(Position());
        return "[" + std::to_string(SuraOfPosition(p)) + ":" + std::to_string(VerseOfPosition(p)) +
               "]";
    }
    // The pane, the position and the chooser agree with each other.
    void ExpectShown(int position, const std::string& where) {
        EXPECT_EQ(Position(), position) << where;
        EXPECT_EQ(app->State().currentPosition, position) << where;
        EXPECT_NE(pane->Rtf().find(Reference()), std::string::npos) << where;
        EXPECT_NE(pane->PlainText().find(SyntheticDataSet::VerseText("en", position)),
                  std::string::npos)
            << where;
        EXPECT_EQ(chooser->currentIndex() + 1, SuraOfPosition(static_cast<std::int16_t>(position)))
            << where;
    }

    AppHarness h;
    Application* app = nullptr;
    MainWindow* form = nullptr;
    RichTextBox* pane = nullptr;
    QScrollBar* bar = nullptr;
    QComboBox* chooser = nullptr;
};

TEST_F(MainWindowTest, NavigationKeys) {
    struct Case {
        int from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int to;
    };
    const auto none = Qt::NoModifier;
    const Case cases[] = {
        {1, Qt::Key_Left, none, 1},
        {1, Qt::Key_Home, none, 1},
        {1, Qt::Key_PageUp, none, 1},
        {100, Qt::Key_Left, none, 99},
        {100, Qt::Key_Right, none, 101},
        {kPositionCount, Qt::Key_Right, none, kPositionCount},
        {kPositionCount, Qt::Key_End, none, kPositionCount},
        {kPositionCount, Qt::Key_PageDown, none, kPositionCount},
        {6330, Qt::Key_PageDown, none, kPositionCount},
        {6327, Qt::Key_PageDown, none, kPositionCount},
        {6326, Qt::Key_PageDown, none, 6345},
        {100, Qt::Key_PageDown, none, 119},
        {25, Qt::Key_PageUp, none, 6},
        {20, Qt::Key_PageUp, none, 1},
        {19, Qt::Key_PageUp, none, 1},
        {3000, Qt::Key_Home, Qt::ShiftModifier, 1},
        {3000, Qt::Key_End, Qt::ControlModifier, kPositionCount},
        {3000, Qt::Key_PageDown, Qt::AltModifier, 3019},
        {PositionOf(113, 2), Qt::Key_F12, none, 6340},
        {6340, Qt::Key_F12, none, 6340},
        {3, Qt::Key_F11, none, 3},
        {PositionOf(10, 5), Qt::Key_F11, none, 1243},
        {PositionOf(8, 5), Qt::Key_F12, none, PositionOf(9, 1)},
        {PositionOf(3, 7), Qt::Key_F11, none, 8},
        // Keys with other modifiers are passed on.
        {PositionOf(10, 5), Qt::Key_F11, Qt::ShiftModifier, PositionOf(10, 5)},
        {PositionOf(8, 5), Qt::Key_F12, Qt::ControlModifier, PositionOf(8, 5)},
        {500, Qt::Key_Right, Qt::ControlModifier, 500},
        {500, Qt::Key_Left, Qt::ShiftModifier, 500},
    };
    for (const Case& c : cases) {
        form->RenderPosition(c.from);
        Press(c.key, c.modifiers);
        ExpectShown(c.to, "from " + std::to_string(c.from) + " key " + std::to_string(c.key));
    }
    EXPECT_EQ(h.prompt.beeps, 0);
}

TEST_F(MainWindowTest, KeysOfOtherModifiersArePassedOnUnchanged) {
    form->RenderPosition(PositionOf(10, 5));
    EXPECT_EQ(form->HandleMainKey(vk::F(11), kShiftMask), vk::F(11));
    EXPECT_EQ(form->HandleMainKey(vk::Right, kCtrlMask), vk::Right);
    EXPECT_EQ(form->HandleMainKey(vk::Insert, 0), vk::Insert);
    EXPECT_EQ(form->HandleMainKey('M', 0), 'M');
    EXPECT_EQ(form->HandleMainKey('C', kShiftMask), 'C');
    EXPECT_EQ(form->HandleMainKey('Q', 0), 'Q');
    EXPECT_EQ(form->HandleMainKey(0, 0), 0);
    EXPECT_EQ(Position(), PositionOf(10, 5));
    // A handled key is consumed.
    EXPECT_EQ(form->HandleMainKey(vk::F(11), 0), 0);
    EXPECT_EQ(Position(), PositionOf(9, 1));
}

TEST_F(MainWindowTest, UpAndDownAreLeftToThePane) {
    form->RenderPosition(500);
    Press(Qt::Key_Down);
    Press(Qt::Key_Up);
    EXPECT_EQ(Position(), 500);
    EXPECT_EQ(h.prompt.beeps, 0);
}

TEST_F(MainWindowTest, TheFocusedBarMovesOnlyAsTheKeyMapSays) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    ASSERT_EQ(QApplication::focusWidget(), bar) << "the activation gives the bar the keys";
    const int from = 500;
    app->State().topicMarks[from - 7] = 1;
    app->State().topicMarks[from + 7] = 1;
    // The position after each key with no modifier; -1: it stays with any modifier but none.
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_Left, from - 1},    {Qt::Key_Right, from + 1},
        {Qt::Key_Up, from - 1},      {Qt::Key_Down, from + 1},
        {Qt::Key_Home, 1},           {Qt::Key_End, kPositionCount},
        {Qt::Key_PageUp, from - 19}, {Qt::Key_PageDown, from + 19},
    };
    const auto S = Qt::ShiftModifier, C = Qt::ControlModifier, A = Qt::AltModifier;
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, S,     C,     A,
                                               S | C,          S | A, C | A, S | C | A};
    for (const bool marking : {false, true}) {
        if ((app->State().markMode == 1) != marking) {
            form->ToggleMarkMode();
        }
        for (const auto& [key, plain] : keys) {
            for (const auto m : modifiers) {
                const bool anyModifier = key == Qt::Key_Home || key == Qt::Key_End ||
                                         key == Qt::Key_PageUp || key == Qt::Key_PageDown;
                int expected = m == Qt::NoModifier || anyModifier ? plain : from;
                if (marking && m == C && (key == Qt::Key_Left || key == Qt::Key_Right)) {
                    expected = key == Qt::Key_Left ? from - 7 : from + 7;
                }
                form->RenderPosition(from);
                QTest::keyClick(bar, key, m);
                EXPECT_EQ(Position(), expected) << "key " << key << " modifiers " << m.toInt()
                                                << (marking ? " in marking mode" : "");
            }
        }
    }
    EXPECT_EQ(h.prompt.beeps, 0);
}

TEST_F(MainWindowTest, KeysReachTheMapFromEveryControl) {
    form->RenderPosition(500);
    QTest::keyClick(form, Qt::Key_Right);
    EXPECT_EQ(Position(), 501);
    QTest::keyClick(chooser, Qt::Key_Right);
    EXPECT_EQ(Position(), 502);
    QTest::keyClick(Find<QPushButton>("Command2"), Qt::Key_PageDown);
    EXPECT_EQ(Position(), 521);
}

TEST_F(MainWindowTest, TheSuraChooserShowsTheOpeningOrVerseOne) {
    form->RenderPosition(3000);
    chooser->setCurrentIndex(0);
    ExpectShown(1, "sura 1");
    chooser->setCurrentIndex(1);
    ExpectShown(8, "sura 2");
    chooser->setCurrentIndex(8);
    ExpectShown(PositionOf(9, 1), "sura 9");
    // A rendering moves the chooser without navigating through it.
    form->RenderPosition(PositionOf(100, 3));
    form->RenderPosition(PositionOf(98, 2));
    EXPECT_EQ(chooser->currentIndex(), 97);
    ExpectShown(PositionOf(98, 2), "sura 98");
}

TEST_F(MainWindowTest, TheScrollBarShowsItsPosition) {
    bar->setValue(4321);
    ExpectShown(4321, "scroll bar");
    // The start verse may be the value the bar already holds; it is shown all the same.
    pane->SetRtf("stale");
    form->SetScrollValue(4321);
    ExpectShown(4321, "unchanged value");
}

TEST_F(MainWindowTest, PositionsOutsideTheTextOnlyBeep) {
    form->RenderPosition(150);
    const std::string page = pane->Rtf();
    const QString figure = Text("Label8");
    for (int p : {0, kPositionCount + 1, -5}) {
        form->RenderPosition(p);
    }
    EXPECT_EQ(h.prompt.beeps, 3);
    EXPECT_EQ(pane->Rtf(), page);
    EXPECT_EQ(Text("Label8"), figure);
    ExpectShown(150, "after refused positions");
}

TEST_F(MainWindowTest, TheRenderingBringsLabelsAndFootnoteButtonIntoLine) {
    auto fontOf = [&](const char* name) { return Find<QLabel>(name)->font().pointSizeF(); };
    form->RenderPosition(100);
    EXPECT_EQ(Text("Label8"), QStringLiteral("2698*"));
    EXPECT_EQ(fontOf("Label8"), 14.0);
    EXPECT_EQ(Text("Label10"), QStringLiteral("700"));
    EXPECT_EQ(fontOf("Label10"), 10.0);
    EXPECT_EQ(Text("Label4"), QStringLiteral("286"));
    EXPECT_EQ(Text("Label6"), QStringLiteral("87"));
    EXPECT_EQ(Text("Label7"), QStringLiteral("en#3"));
    EXPECT_TRUE(Find<QPushButton>("Command5")->isEnabled());
    EXPECT_EQ(app->Loaded<FootnoteWindow>()->windowTitle(), QStringLiteral("en#892:92"));
    EXPECT_EQ(app->State().footnoteRtf, "\\pard\\plain\\cf2\\fs20 en note 100");

    form->RenderPosition(2);
    EXPECT_EQ(Text("Label8"), QStringLiteral("2"));
    EXPECT_EQ(fontOf("Label8"), 10.0);
    EXPECT_EQ(Text("Label7"), QString());
    EXPECT_EQ(Text("Label4"), QStringLiteral("7"));
    EXPECT_FALSE(Find<QPushButton>("Command5")->isEnabled());
    EXPECT_EQ(app->Loaded<FootnoteWindow>()->windowTitle(), QStringLiteral("en#101"));
    EXPECT_EQ(app->State().footnoteRtf, "");

    form->RenderPosition(200);
    EXPECT_EQ(Text("Label10"), QStringLiteral("118123*"));
    EXPECT_EQ(fontOf("Label10"), 14.0);
}

TEST_F(MainWindowTest, FontSizeKeysStopAtTheLimitsWithoutRendering) {
    auto& settings = app->State().settings;
    form->RenderPosition(150);
    settings.viewFontSize = 240;
    pane->SetRtf("untouched");
    Press(Qt::Key_Z);
    EXPECT_EQ(settings.viewFontSize, 240);
    EXPECT_EQ(pane->Rtf(), "untouched");

    settings.viewFontSize = 16;
    settings.fontPoints = 8;
    Press(Qt::Key_X);
    EXPECT_EQ(settings.viewFontSize, 16);
    EXPECT_EQ(settings.fontPoints, 8);
    EXPECT_EQ(pane->Rtf(), "untouched");

    Press(Qt::Key_Z);
    EXPECT_EQ(settings.viewFontSize, 18);
    EXPECT_EQ(settings.fontPoints, 9);
    EXPECT_NE(pane->Rtf().find("\\fs18"), std::string::npos);
    EXPECT_EQ(pane->Rtf().find("\\fs20"), std::string::npos);

    settings.viewFontSize = 238;
    Press(Qt::Key_Z, Qt::ShiftModifier);
    EXPECT_EQ(settings.viewFontSize, 240);
    EXPECT_EQ(settings.fontPoints, 120);
    EXPECT_NE(pane->Rtf().find("\\fs240"), std::string::npos);
    EXPECT_EQ(h.prompt.beeps, 0);
}

TEST_F(MainWindowTest, HitKeysBeforeAnySearchShowText93ThenBeep) {
    form->RenderPosition(500);
    for (Qt::Key key : {Qt::Key_F7, Qt::Key_F8}) {
        h.prompt.events.clear();
        Press(key);
        EXPECT_EQ(h.prompt.events, (std::vector<std::string>{"box:en#93", "beep"}));
        EXPECT_EQ(h.prompt.boxes.back().title, "en#45");
        EXPECT_EQ(h.prompt.boxes.back().icon, PromptIcon::None);
        EXPECT_EQ(h.prompt.boxes.back().buttons, PromptButtons::Ok);
        EXPECT_EQ(Position(), 500);
    }
    h.prompt.events.clear();
    Press(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(h.prompt.events, (std::vector<std::string>{"box:en#93", "beep"}));
}

TEST_F(MainWindowTest, HitKeysStepThroughTheHitsAndBeepAtTheEnds) {
    auto& search = app->State().search;
    search.terms[1].text = "VERSE";
    search.termCount = 1;
    app->State().settings.compareMode = 1;
    search.hitFlags[10].textHit = 1;
    search.hitFlags[20].footnoteHit = 1;
    form->RenderPosition(15);
    Press(Qt::Key_F8);
    ExpectShown(20, "next hit");
    Press(Qt::Key_F8);
    ExpectShown(20, "no hit after");
    EXPECT_EQ(h.prompt.beeps, 1);
    Press(Qt::Key_Minus, Qt::KeypadModifier);
    ExpectShown(10, "keypad minus");
    EXPECT_NE(pane->Rtf().find("\\pard\\plain\\fs20\\cf1\\b verse"), std::string::npos);
    Press(Qt::Key_F7);
    ExpectShown(10, "no hit before");
    EXPECT_EQ(h.prompt.beeps, 2);
    Press(Qt::Key_Plus, Qt::KeypadModifier);
    ExpectShown(20, "keypad plus");
    EXPECT_TRUE(h.prompt.boxes.empty());
    // With Shift, F7 and F8 are not the hit keys.
    Press(Qt::Key_F7, Qt::ShiftModifier);
    ExpectShown(20, "shift F7");
}

TEST_F(MainWindowTest, MarkingMode) {
    auto& state = app->State();
    auto* command9 = Find<QPushButton>("Command9");
    auto* command10 = Find<QPushButton>("Command10");
    const int paneTop = pane->y();
    EXPECT_FALSE(command9->isVisible());
    EXPECT_EQ(pane->height(), 239);

    form->RenderPosition(10);
    Press(Qt::Key_Insert);
    EXPECT_EQ(state.topicMarks[10], 0) << "Insert outside marking mode";
    Press(Qt::Key_T);
    EXPECT_EQ(state.markMode, 1);
    EXPECT_TRUE(command9->isVisible());
    EXPECT_TRUE(command10->isVisible());
    EXPECT_EQ(pane->height(), 209);
    EXPECT_EQ(pane->y(), paneTop);
    EXPECT_GE(command9->y(), pane->y() + pane->height());
    EXPECT_EQ(command9->text(), QStringLiteral("en#115"));
    EXPECT_EQ(command10->text(), QStringLiteral("en#116en#119"));

    Press(Qt::Key_Insert);
    EXPECT_EQ(state.topicMarks[10], 1);
    EXPECT_EQ(command10->text(), QStringLiteral("en#116en#118"));
    form->RenderPosition(20);
    EXPECT_EQ(command10->text(), QStringLiteral("en#116en#119"));
    QTest::mouseClick(command10, Qt::LeftButton);
    EXPECT_EQ(state.topicMarks[20], 1);
    EXPECT_EQ(command10->text(), QStringLiteral("en#116en#118"));
    state.topicMarks[30] = 2; // not a mark of one
    state.topicMarks[40] = 1;

    form->RenderPosition(1);
    Press(Qt::Key_Right, Qt::ControlModifier);
    ExpectShown(10, "first mark");
    EXPECT_EQ(command10->text(), QStringLiteral("en#116en#118"));
    Press(Qt::Key_Right, Qt::ControlModifier);
    ExpectShown(20, "second mark");
    Press(Qt::Key_Right, Qt::ControlModifier);
    ExpectShown(40, "third mark");
    Press(Qt::Key_Right, Qt::ControlModifier);
    ExpectShown(40, "no mark after");
    EXPECT_EQ(h.prompt.beeps, 1);
    Press(Qt::Key_Left, Qt::ControlModifier);
    ExpectShown(20, "mark before");
    Press(Qt::Key_Left, Qt::ControlModifier);
    Press(Qt::Key_Left, Qt::ControlModifier);
    ExpectShown(10, "no mark before");
    EXPECT_EQ(h.prompt.beeps, 2);
    // Right without Ctrl still steps one verse.
    Press(Qt::Key_Right);
    ExpectShown(11, "plain right");
    Press(Qt::Key_Insert);
    Press(Qt::Key_Insert);
    EXPECT_EQ(state.topicMarks[11], 0);
    QString opened;
    h.OnNextModal([&](QWidget* w) {
        opened = w->objectName();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    Press(Qt::Key_M);
    EXPECT_EQ(opened, QStringLiteral("Form9")) << "M opens the topics dialog";

    QTest::mouseClick(Find<QPushButton>("Command11"), Qt::LeftButton);
    EXPECT_EQ(state.markMode, 0);
    EXPECT_FALSE(command9->isVisible());
    EXPECT_FALSE(command10->isVisible());
    EXPECT_EQ(pane->height(), 239);
    EXPECT_EQ(state.topicMarks[10], 1) << "marks stay when the mode ends";
    Press(Qt::Key_Right, Qt::ControlModifier);
    ExpectShown(11, "Ctrl+Right outside marking mode");
}

TEST_F(MainWindowTest, CtrlCBeepsAndShowsText62AndCopiesNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(h.prompt.events, (std::vector<std::string>{"beep", "box:en#62"}));
    EXPECT_EQ(h.prompt.boxes.back().title, "en#45");
    EXPECT_EQ(h.prompt.boxes.back().icon, PromptIcon::Information);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(MainWindowTest, F10CopiesTheVerseWithAllViewOptions) {
    auto& settings = app->State().settings;
    settings.viewOptions = {1, 1, 1, 0};
    auto& corpus = app->State().corpus;
    corpus.footnotes.Set(static_cast<std::size_t>(corpus.links[8].footnoteLine), "unused");
    corpus.links[8].footnoteLine = corpus.links[150].footnoteLine; // 2:0 gets a footnote too
    corpus.footnotes.Set(static_cast<std::size_t>(corpus.links[150].footnoteLine), "n1_n2");
    form->RenderPosition(8);
    Press(Qt::Key_F10);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("     en Sura 2\r\n     second line\r\n\r\n[2:0]  en verse 2:0 at "
                             "8\r\n\r\n   n1\r\nn2\r\n\r\n"));
    settings.viewOptions = {0, 0, 0, 0};
    form->RenderPosition(150);
    Press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("[2:142]\r\nen verse 2:142 at 150\r\n\r\n"));
}

TEST_F(MainWindowTest, LSwitchesTheLanguageAndTwiceReturnsToTheFirst) {
    form->RenderPosition(150);
    EXPECT_EQ(app->State().settings.language, 1);
    Press(Qt::Key_L);
    EXPECT_EQ(app->State().settings.language, 2);
    EXPECT_EQ(Text("Command2"), QStringLiteral("sv#7"));
    EXPECT_NE(pane->PlainText().find(SyntheticDataSet::VerseText("sv", 150)), std::string::npos);
    Press(Qt::Key_L);
    EXPECT_EQ(app->State().settings.language, 1);
    EXPECT_EQ(Text("Command2"), QStringLiteral("en#7"));
    ExpectShown(150, "back in the first language");
}

TEST_F(MainWindowTest, FootnoteButtonAndF9OpenTheFootnoteWindowOnlyWithAFootnote) {
    FootnoteWindow* footnotes = app->Loaded<FootnoteWindow>();
    form->RenderPosition(151);
    Press(Qt::Key_F9);
    EXPECT_FALSE(footnotes->isVisible());
    form->RenderPosition(150);
    Press(Qt::Key_F9);
    EXPECT_TRUE(footnotes->isVisible());
    EXPECT_EQ(footnotes->windowTitle(), QStringLiteral("en#892:142"));
    footnotes->hide();
    QTest::mouseClick(Find<QPushButton>("Command5"), Qt::LeftButton);
    EXPECT_TRUE(footnotes->isVisible());
    footnotes->hide();
}

TEST_F(MainWindowTest, EscAsksBeforeClosing) {
    h.prompt.Answer(PromptAnswer::No);
    Press(Qt::Key_Escape);
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, "en#64");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(h.endCodes.empty());
}

TEST_F(MainWindowTest, ColoursAndTheInformationRow) {
    const QColor window(0, 104, 0);
    EXPECT_EQ(pane->BackgroundColor(), window);
    EXPECT_EQ(form->palette().color(QPalette::Window), window);
    for (const char* name : {"Label1", "Label3", "Label4", "Label7", "Label8", "Label10"}) {
        const QString sheet = Find<QLabel>(name)->styleSheet();
        EXPECT_TRUE(sheet.contains(QStringLiteral("#006800"))) << name;
        EXPECT_TRUE(sheet.contains(QStringLiteral("#FFFFFF"), Qt::CaseInsensitive)) << name;
    }
    EXPECT_TRUE(chooser->styleSheet().contains(QStringLiteral("#D0D0D0")));
    // The information row: the value labels sit just after their captions.
    auto* label3 = Find<QLabel>("Label3");
    auto* label4 = Find<QLabel>("Label4");
    auto* label5 = Find<QLabel>("Label5");
    auto* label1 = Find<QLabel>("Label1");
    auto* label6 = Find<QLabel>("Label6");
    EXPECT_EQ(label4->x(), label3->x() + label3->width() + 6);
    EXPECT_EQ(label5->x() + label5->width() + 6, label1->x());
    EXPECT_EQ(label6->x(), label1->x() + label1->width() + 6);
}

TEST_F(MainWindowTest, TheDesignTableKeepsEveryControlInsideTheDesignedArea) {
    const DesignWindow& design = MainWindow::Design();
    for (const DesignControl& c : design.controls) {
        EXPECT_NE(form->findChild<QWidget*>(QString::fromLatin1(c.name)), nullptr) << c.name;
        EXPECT_GE(c.left, 0) << c.name;
        EXPECT_GE(c.top, 0) << c.name;
        EXPECT_LE(c.left + c.width, design.clientWidth) << c.name;
        EXPECT_LE(c.top + c.height, design.clientHeight) << c.name;
    }
    const DesignControl* rtb = FindDesign(design, QStringLiteral("RTB1"));
    ASSERT_NE(rtb, nullptr);
    EXPECT_EQ(rtb->height, 239);
    for (const char* name : {"Command9", "Command10"}) {
        const DesignControl* b = FindDesign(design, QString::fromLatin1(name));
        ASSERT_NE(b, nullptr);
        EXPECT_GE(b->top, rtb->top + 209) << name;
        EXPECT_LE(b->top + b->height, rtb->top + rtb->height) << name;
    }
}

} // namespace
} // namespace lumra

namespace lumra {
namespace {

// Built alone on a fake host: the window asks for the other windows by role, and asks for
// nothing else on the way.
TEST(MainWindowAlone, TheKeysThatOpenWindowsAskTheHostForThemByRole) {
    test::FakeHost host;
    MainWindow window(host);
    window.FillSuraChooser();
    window.SetScrollValue(100); // a position with a footnote
    auto* pane = window.findChild<RichTextBox*>(QStringLiteral("RTB1"));
    ASSERT_NE(pane, nullptr);
    for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F6, Qt::Key_F1, Qt::Key_F3, Qt::Key_F4,
                              Qt::Key_F5, Qt::Key_F9, Qt::Key_T, Qt::Key_M, Qt::Key_O}) {
        QTest::keyClick(pane, key);
    }
    using R = WindowRole;
    EXPECT_EQ(host.opened, (std::vector<R>{R::Search, R::GoTo, R::Help, R::Appendix, R::Export,
                                           R::Settings, R::Footnote, R::Topics, R::Companion}));
    EXPECT_EQ(host.languageChanges, 0);
    EXPECT_TRUE(host.prompt.boxes.empty());
    QTest::keyClick(pane, Qt::Key_L);
    EXPECT_EQ(host.languageChanges, 1);
    EXPECT_EQ(host.state.settings.language, 2);
}

} // namespace
} // namespace lumra
