#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "AppHarness.h"
#include "toolkit/RichTextBox.h"
#include "windows/MainWindow.h"
#include "windows/SearchDialog.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

QString Text(int n) {
    return QString::fromStdString(SyntheticDataSet::InterfaceText("en", n));
}

QCheckBox* Box(QWidget* dialog, const char* name) {
    auto* box = dialog->findChild<QCheckBox*>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

QComboBox* QueryBox(QWidget* dialog) {
    return dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
}

// A check box takes clicks on its mark and caption only: click near its left end.
void Click(QWidget* control) {
    const QPoint at = qobject_cast<QCheckBox*>(control) != nullptr
                          ? QPoint(8, control->height() / 2)
                          : control->rect().center();
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

// Replaces the query box's text by typing.
void TypeQuery(QComboBox* combo, const QString& typed) {
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(combo, Qt::Key_Delete);
    QTest::keyClicks(combo, typed);
}

class SearchDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = &h.StartDefault();
        ASSERT_TRUE(h.endCodes.empty());
        app->Main().show();
        h.prompt.boxes.clear();
        h.prompt.events.clear();
    }

    // Opens the dialog with F2 in the main window and runs the steps in it; closes it with
    // Esc when the steps left it open. Returns whether it closed by itself.
    bool InDialog(const std::function<void(QWidget*)>& steps) {
        bool ran = false;
        bool closedByItself = false;
        h.OnNextModal([&](QWidget* w) {
            ran = true;
            EXPECT_EQ(w->objectName(), QStringLiteral("Form2"));
            EXPECT_TRUE(QTest::qWaitForWindowActive(w));
            steps(w);
            closedByItself = !w->isVisible();
            if (w->isVisible()) {
                QTest::keyClick(w, Qt::Key_Escape);
            }
        });
        QTest::keyClick(&app->Main(), Qt::Key_F2);
        EXPECT_TRUE(ran);
        EXPECT_EQ(app->Loaded<SearchDialog>(), nullptr) << "the dialog is unloaded when it closes";
        return closedByItself;
    }

    int Position() {
        return app->Main().findChild<QScrollBar*>(QStringLiteral("HScroll1"))->value();
    }
    std::string Page() {
        return app->Main().findChild<RichTextBox*>(QStringLiteral("RTB1"))->Rtf();
    }

    AppHarness h;
    Application* app = nullptr;
};

TEST_F(SearchDialogTest, OpensWithItsCaptionsAndTheOptionsOfTheSettings) {
    auto& s = app->State().settings;
    s.compareMode = 0;
    s.listAllHits = 1;
    s.searchVerseText = 0; // a stored state that breaks the rule: loading mends it
    s.listOptions = {1, 0, 1, 0};
    InDialog([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), Text(13));
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label1"))->text(), Text(14));
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label2"))->text(), Text(22));
        EXPECT_EQ(w->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), Text(15));
        EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), Text(23));
        EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("Command2"))->text(), Text(24));
        const std::pair<const char*, int> captions[] = {
            {"Check1", 17},    {"Check2", 16},   {"Check3", 18},    {"Check4", 19},
            {"Check5", 20},    {"Check6", 21},   {"Check7_0", 106}, {"Check7_1", 107},
            {"Check7_2", 105}, {"Check7_3", 108}};
        for (const auto& [name, text] : captions) {
            EXPECT_EQ(Box(w, name)->text(), Text(text)) << name;
        }
        EXPECT_FALSE(Box(w, "Check1")->isChecked());
        EXPECT_TRUE(Box(w, "Check2")->isChecked());
        EXPECT_TRUE(Box(w, "Check4")->isChecked()); // case must match
        EXPECT_TRUE(Box(w, "Check6")->isChecked());
        EXPECT_TRUE(Box(w, "Check7_0")->isChecked());
        EXPECT_FALSE(Box(w, "Check7_1")->isChecked());
        EXPECT_TRUE(Box(w, "Check7_3")->isEnabled());
        // The empty history shows the initial search text, selected.
        EXPECT_EQ(QueryBox(w)->currentText(), Text(68));
        EXPECT_EQ(QueryBox(w)->count(), 0);
        EXPECT_TRUE(QueryBox(w)->hasFocus());
        EXPECT_EQ(QueryBox(w)->lineEdit()->selectedText(), Text(68));
    });
    EXPECT_EQ(s.searchVerseText, 1);
}

TEST_F(SearchDialogTest, TheBoxesKeepTheOptionRules) {
    auto& s = app->State().settings;
    InDialog([&](QWidget* w) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_FALSE(Box(w, ("Check7_" + std::to_string(i)).c_str())->isEnabled());
        }
        Click(Box(w, "Check6"));
        EXPECT_EQ(s.listAllHits, 1);
        EXPECT_TRUE(Box(w, "Check7_2")->isEnabled());
        Click(Box(w, "Check7_2"));
        EXPECT_EQ(s.listOptions[2], 0);
        // Verse text off clears the list option and greys the list options.
        Click(Box(w, "Check2"));
        EXPECT_EQ(s.searchVerseText, 0);
        EXPECT_FALSE(Box(w, "Check6")->isChecked());
        EXPECT_EQ(s.listAllHits, 0);
        EXPECT_FALSE(Box(w, "Check7_0")->isEnabled());
        EXPECT_FALSE(Box(w, "Check7_2")->isChecked()); // kept while disabled
        EXPECT_EQ(s.listOptions[2], 0);
        // The list option ticks verse text again.
        Click(Box(w, "Check6"));
        EXPECT_TRUE(Box(w, "Check2")->isChecked());
        EXPECT_EQ(s.searchVerseText, 1);
        // Case box inverted; the other boxes one to one.
        Click(Box(w, "Check4"));
        EXPECT_EQ(s.compareMode, 0);
        Click(Box(w, "Check4"));
        EXPECT_EQ(s.compareMode, 1);
        Click(Box(w, "Check1"));
        Click(Box(w, "Check3"));
        Click(Box(w, "Check5"));
        EXPECT_EQ(s.searchSubtitles, 1);
        EXPECT_EQ(s.searchFootnotes, 1);
        EXPECT_EQ(s.wholeWords, 1);
    });
    // Options outlive the dialog.
    EXPECT_EQ(s.listAllHits, 1);
    EXPECT_EQ(s.wholeWords, 1);
}

TEST_F(SearchDialogTest, EnterStartsExactlyOneSearchAndKeepsTheQuerySelected) {
    InDialog([&](QWidget* w) {
        TypeQuery(QueryBox(w), QStringLiteral("no such words"));
        QTest::keyClick(QueryBox(w), Qt::Key_Return);
        EXPECT_TRUE(w->isVisible());
        ASSERT_EQ(h.prompt.boxes.size(), 1u);
        EXPECT_EQ(h.prompt.boxes[0].message, "en#65");
        EXPECT_EQ(QueryBox(w)->currentText(), QStringLiteral("no such words"));
        EXPECT_EQ(QueryBox(w)->count(), 1);
        EXPECT_EQ(QueryBox(w)->lineEdit()->selectedText(), QStringLiteral("no such words"));
        // Enter on a button searches too, once.
        auto* close = w->findChild<QPushButton*>(QStringLiteral("Command2"));
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Return);
        EXPECT_EQ(h.prompt.boxes.size(), 2u);
    });
    EXPECT_EQ(app->State().settings.queryHistory[0], "no such words");
    EXPECT_TRUE(app->State().settings.queryHistory[1].empty());
}

TEST_F(SearchDialogTest, EscClosesWithoutSearchingOrChangingTheQuery) {
    InDialog([&](QWidget* w) {
        TypeQuery(QueryBox(w), QStringLiteral("abc"));
        QTest::keyClick(QueryBox(w), Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(QueryBox(w)->currentText(), QStringLiteral("abc"));
    });
    EXPECT_TRUE(h.prompt.boxes.empty());
    EXPECT_EQ(h.prompt.beeps, 0);
    EXPECT_TRUE(app->State().settings.queryHistory[0].empty());
}

TEST_F(SearchDialogTest, AnEmptyQueryIsRefusedAndASpaceReachesTheEngine) {
    InDialog([&](QWidget* w) {
        TypeQuery(QueryBox(w), QString());
        Click(w->findChild<QPushButton*>(QStringLiteral("Command1")));
        EXPECT_TRUE(w->isVisible());
        ASSERT_EQ(h.prompt.boxes.size(), 1u);
        EXPECT_EQ(h.prompt.boxes[0].message, "en#70");
        EXPECT_EQ(h.prompt.boxes[0].title, "en#71");
        EXPECT_EQ(h.prompt.boxes[0].icon, PromptIcon::Critical);
        EXPECT_EQ(h.prompt.events.front(), "beep");
        EXPECT_TRUE(QueryBox(w)->hasFocus());
        EXPECT_TRUE(app->State().settings.queryHistory[0].empty());

        TypeQuery(QueryBox(w), QStringLiteral(" "));
        QTest::keyClick(QueryBox(w), Qt::Key_Return);
        EXPECT_TRUE(w->isVisible());
        ASSERT_EQ(h.prompt.boxes.size(), 2u);
        EXPECT_EQ(h.prompt.boxes[1].message, "en#92");
    });
    EXPECT_EQ(app->State().settings.queryHistory[0], " ");
    // Nothing to step through: the main window says so.
    h.prompt.boxes.clear();
    QTest::keyClick(&app->Main(), Qt::Key_F8);
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, "en#93");
}

TEST_F(SearchDialogTest, TheHistoryFillsTheListAndAChosenEntryBecomesTheQuery) {
    auto& history = app->State().settings.queryHistory;
    history[0] = "newest";
    history[1] = "older";
    history[2] = "\xE5ldst";
    InDialog([&](QWidget* w) {
        QComboBox* combo = QueryBox(w);
        EXPECT_EQ(combo->currentText(), QStringLiteral("newest"));
        ASSERT_EQ(combo->count(), 3);
        EXPECT_EQ(combo->itemText(2), QString::fromUtf8("\xC3\xA5ldst"));
        TypeQuery(combo, QStringLiteral("typed"));
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        ASSERT_TRUE(view->isVisible());
        QTest::keyClick(view, Qt::Key_End);
        QTest::keyClick(view, Qt::Key_Return); // chooses; starts no search
        EXPECT_EQ(combo->currentText(), QString::fromUtf8("\xC3\xA5ldst"));
        EXPECT_TRUE(w->isVisible());
        for (const auto& b : h.prompt.boxes) {
            ADD_FAILURE() << b.message;
        }
    });
}

TEST_F(SearchDialogTest, AFoundTermIsShownAndF8AndF7StepThroughTheHits) {
    const bool closed = InDialog([&](QWidget* w) {
        TypeQuery(QueryBox(w), QStringLiteral("VERSE 5:10"));
        QTest::keyClick(QueryBox(w), Qt::Key_Return);
    });
    ASSERT_TRUE(closed);
    EXPECT_EQ(h.prompt.beeps, 1);
    // 5:10, then 5:100 to 5:109 and 5:110 are the hits.
    const int first = PositionOf(5, 10);
    EXPECT_EQ(Position(), first);
    EXPECT_NE(Page().find("\\cf1\\b verse 5:10"), std::string::npos) << Page();
    QTest::keyClick(&app->Main(), Qt::Key_F8);
    EXPECT_EQ(Position(), PositionOf(5, 100));
    QTest::keyClick(&app->Main(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(Position(), PositionOf(5, 101));
    QTest::keyClick(&app->Main(), Qt::Key_F7);
    QTest::keyClick(&app->Main(), Qt::Key_F7);
    EXPECT_EQ(Position(), first);
    // Nothing before the first hit: a beep, and the position stays.
    const int beeps = h.prompt.beeps;
    QTest::keyClick(&app->Main(), Qt::Key_F7);
    EXPECT_EQ(Position(), first);
    EXPECT_EQ(h.prompt.beeps, beeps + 1);
}

TEST_F(SearchDialogTest, TheCommandButtonOpensTheDialogToo) {
    bool opened = false;
    h.OnNextModal([&](QWidget* w) {
        opened = w->objectName() == QStringLiteral("Form2");
        Click(w->findChild<QPushButton*>(QStringLiteral("Command2")));
    });
    Click(app->Main().findChild<QPushButton*>(QStringLiteral("Command2")));
    EXPECT_TRUE(opened);
    EXPECT_EQ(app->Loaded<SearchDialog>(), nullptr);
}

TEST_F(SearchDialogTest, ListModeShowsTheHitsAndKeepsTheDialogOpen) {
    // Shown without its own modal loop, so that the list window can be answered.
    SearchDialog& dialog = app->Load<SearchDialog>();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Click(Box(&dialog, "Check6"));
    QString caption;
    std::string list;
    h.OnNextModal([&](QWidget* w) {
        caption = w->windowTitle();
        list = w->findChild<RichTextBox*>(QStringLiteral("RTB1"))->PlainText();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    TypeQuery(QueryBox(&dialog), QStringLiteral("verse 1:"));
    QTest::keyClick(QueryBox(&dialog), Qt::Key_Return);
    EXPECT_EQ(caption, Text(90) + QStringLiteral("7") + Text(91));
    // Subtitle, reference and text on one line, the terms in capitals: the list defaults.
    EXPECT_EQ(list.find("     en Sura 1\r\n     second line\r\n\r\n[1:1]  en VERSE 1:1 at 1"), 0u)
        << list;
    EXPECT_NE(list.find("[1:7]  en VERSE 1:7 at 7"), std::string::npos) << list;
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QueryBox(&dialog)->lineEdit()->selectedText(), QStringLiteral("verse 1:"));
    EXPECT_TRUE(h.prompt.boxes.empty());
    dialog.close();
}

} // namespace
} // namespace lumra
