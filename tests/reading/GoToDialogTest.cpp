#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "AppHarness.h"
#include "reading/GoToCheck.h"
#include "windows/GoToDialog.h"
#include "windows/MainWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

std::string Text(int n) {
    return SyntheticDataSet::InterfaceText("en", n);
}

QLineEdit* Box(QWidget* dialog, const char* name) {
    return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
}

// Replaces the box's text by typing, as a reader would: select it all, then type.
void TypeInto(QLineEdit* box, const char* typed) {
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromLatin1(typed));
}

class GoToDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = &h.StartDefault();
        ASSERT_TRUE(h.endCodes.empty());
        h.prompt.boxes.clear();
        h.prompt.events.clear();
    }

    int Position() { return app->State().currentPosition; }

    // Opens the dialog with F6 in the main window, runs the steps in it, and closes it with
    // Esc when the steps left it open. Returns whether the dialog closed by itself.
    bool InDialog(const std::function<void(QWidget*, QLineEdit*, QLineEdit*)>& steps) {
        bool closedByItself = false;
        bool ran = false;
        h.OnNextModal([&](QWidget* w) {
            ran = true;
            steps(w, Box(w, "Text1"), Box(w, "Text2"));
            closedByItself = !w->isVisible();
            if (w->isVisible()) {
                QTest::keyClick(w, Qt::Key_Escape);
            }
        });
        QTest::keyClick(&app->Main(), Qt::Key_F6);
        EXPECT_TRUE(ran);
        EXPECT_EQ(app->Loaded<GoToDialog>(), nullptr) << "the dialog is unloaded when it closes";
        return closedByItself;
    }

    // Types both numbers and runs the go step with Enter in the verse box. Returns the
    // interface text of the refusal, or 0 when the dialog went.
    int Attempt(const char* sura, const char* verse) {
        h.prompt.boxes.clear();
        const bool went = InDialog([&](QWidget*, QLineEdit* t1, QLineEdit* t2) {
            TypeInto(t1, sura);
            TypeInto(t2, verse);
            QTest::keyClick(t2, Qt::Key_Return);
        });
        if (went) {
            EXPECT_TRUE(h.prompt.boxes.empty());
            return 0;
        }
        if (h.prompt.boxes.size() != 1) {
            ADD_FAILURE() << "expected one message for " << sura << ":" << verse;
            return -1;
        }
        const auto& box = h.prompt.boxes.back();
        EXPECT_EQ(box.title, Text(71));
        EXPECT_EQ(box.icon, PromptIcon::Critical);
        EXPECT_EQ(h.prompt.events.at(h.prompt.events.size() - 2), "beep");
        for (int n : {72, 73}) {
            if (box.message == Text(n)) {
                return n;
            }
        }
        ADD_FAILURE() << "unexpected message " << box.message;
        return -1;
    }

    AppHarness h;
    Application* app = nullptr;
};

TEST_F(GoToDialogTest, GoesToEveryVerseTheSuraHasAndRefusesTheOthers) {
    struct Case {
        const char* sura;
        const char* verse;
        int refusal;  // 0: goes
        int position; // where it goes
    };
    const Case cases[] = {
        {"9", "0", 73, 0},     {"9", "1", 0, 1243}, {"1", "0", 73, 0},    {"1", "7", 0, 7},
        {"1", "8", 73, 0},     {"2", "0", 0, 8},    {"2", "286", 0, 294}, {"2", "287", 73, 0},
        {"114", "6", 0, 6346}, {"114", "7", 73, 0}, {"0", "1", 72, 0},    {"115", "1", 72, 0},
        {"", "1", 72, 0},
    };
    for (const Case& c : cases) {
        app->Main().RenderPosition(3000);
        const int refusal = Attempt(c.sura, c.verse);
        EXPECT_EQ(refusal, c.refusal) << c.sura << ":" << c.verse;
        EXPECT_EQ(Position(), c.refusal == 0 ? c.position : 3000) << c.sura << ":" << c.verse;
    }
}

TEST_F(GoToDialogTest, TheSuraIsRefusedBeforeTheVerseIsLookedAt) {
    for (const char* sura : {"0", "115", ""}) {
        EXPECT_EQ(Attempt(sura, "99999"), 72) << sura;
    }
    // The go button runs the same checks.
    h.prompt.boxes.clear();
    InDialog([](QWidget* w, QLineEdit* t1, QLineEdit* t2) {
        TypeInto(t1, "115");
        TypeInto(t2, "0");
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    });
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, Text(72));
}

TEST_F(GoToDialogTest, NumbersAreReadAsDecimalsAndHalvesRoundToEven) {
    struct Case {
        const char* sura;
        const char* verse;
        int position; // 0: refused
    };
    for (const Case& c : {
             Case{"2.5", "1", PositionOf(2, 1)},   // sura 2.5 is sura 2
             Case{"3.5", "1", PositionOf(4, 1)},   // and 3.5 is sura 4
             Case{"2", "0.5", 8},                  // verse 0.5 is the opening
             Case{"2", "1.5", PositionOf(2, 2)},   //
             Case{"2", "", 8},                     // an empty verse box reads as 0
             Case{"1", "", 0},                     // which sura 1 does not have
             Case{"1", "0.5", 0},                  // the value itself must be in range
             Case{"114.5", "1", 0},                //
             Case{"0.5", "1", 0},                  //
             Case{"1.2.3", "7", 7},                // the number ends at the second point
             Case{"002", "007", PositionOf(2, 7)}, //
         }) {
        app->Main().RenderPosition(3000);
        const int refusal = Attempt(c.sura, c.verse);
        EXPECT_EQ(refusal == 0, c.position != 0) << c.sura << ":" << c.verse;
        EXPECT_EQ(Position(), c.position != 0 ? c.position : 3000) << c.sura << ":" << c.verse;
    }
}

TEST_F(GoToDialogTest, OpensOnTheCurrentVerseAndEscLeavesItThere) {
    app->Main().RenderPosition(8);
    QString sura, verse, label;
    InDialog([&](QWidget* w, QLineEdit* t1, QLineEdit* t2) {
        sura = t1->text();
        verse = t2->text();
        label = w->findChild<QLabel*>(QStringLiteral("Label3"))->text();
        EXPECT_EQ(w->windowTitle(), QString::fromStdString(Text(25)));
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                  QString::fromStdString(Text(26)));
        TypeInto(t1, "114");
        TypeInto(t2, "6");
        QTest::keyClick(t2, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(sura, QStringLiteral("2"));
    EXPECT_EQ(verse, QStringLiteral("0"));
    EXPECT_EQ(label, QStringLiteral("(286)"));
    EXPECT_EQ(Position(), 8);
    EXPECT_TRUE(h.prompt.boxes.empty());
}

TEST_F(GoToDialogTest, TheGoToButtonOfTheMainWindowOpensItToo) {
    app->Main().RenderPosition(1243);
    QString sura;
    h.OnNextModal([&](QWidget* w) {
        sura = Box(w, "Text1")->text();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    QTest::mouseClick(app->Main().findChild<QPushButton*>(QStringLiteral("Command3")),
                      Qt::LeftButton);
    EXPECT_EQ(sura, QStringLiteral("9"));
    EXPECT_EQ(app->Loaded<GoToDialog>(), nullptr);
}

TEST_F(GoToDialogTest, OnlyDigitsPointsAndBackspaceCanBeTyped) {
    InDialog([](QWidget*, QLineEdit* t1, QLineEdit* t2) {
        for (QLineEdit* box : {t1, t2}) {
            TypeInto(box, "");
            QTest::keyClicks(box, QStringLiteral("a1 b-2,+x!"));
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QString(QChar(0xE9)),
                                Qt::NoModifier);
            EXPECT_EQ(box->text(), QStringLiteral("12"));
            QTest::keyClicks(box, QStringLiteral(".5"));
            EXPECT_EQ(box->text(), QStringLiteral("12.5"));
            QTest::keyClick(box, Qt::Key_Backspace);
            EXPECT_EQ(box->text(), QStringLiteral("12."));
        }
    });
}

TEST_F(GoToDialogTest, EnterAndTabInTheSuraBoxMoveOnOnlyForASura) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        h.prompt.boxes.clear();
        InDialog([&](QWidget* w, QLineEdit* t1, QLineEdit* t2) {
            auto* label = w->findChild<QLabel*>(QStringLiteral("Label3"));
            const QString before = label->text();
            TypeInto(t1, "115");
            QTest::keyClick(t1, key);
            ASSERT_EQ(h.prompt.boxes.size(), 1u);
            EXPECT_EQ(h.prompt.boxes[0].message, Text(72));
            EXPECT_EQ(w->focusWidget(), t1);
            EXPECT_EQ(t1->selectedText(), QStringLiteral("115"));
            EXPECT_EQ(label->text(), before);

            TypeInto(t1, "9");
            QTest::keyClick(t1, key);
            EXPECT_EQ(h.prompt.boxes.size(), 1u);
            EXPECT_EQ(w->focusWidget(), t2);
            EXPECT_EQ(t2->selectedText(), t2->text());
            EXPECT_EQ(label->text(), QStringLiteral("(127)"));
            EXPECT_TRUE(w->isVisible()) << "leaving the sura box does not go";
        });
    }
}

TEST_F(GoToDialogTest, TabInTheVerseBoxDoesNotGo) {
    app->Main().RenderPosition(3000);
    const bool went = InDialog([](QWidget*, QLineEdit* t1, QLineEdit* t2) {
        TypeInto(t1, "2");
        TypeInto(t2, "5");
        QTest::keyClick(t2, Qt::Key_Tab);
        EXPECT_EQ(t2->text(), QStringLiteral("5"));
    });
    EXPECT_FALSE(went);
    EXPECT_EQ(Position(), 3000);
    EXPECT_TRUE(h.prompt.boxes.empty());
}

TEST_F(GoToDialogTest, TheVerseCountFollowsTheSuraBox) {
    InDialog([](QWidget* w, QLineEdit* t1, QLineEdit* t2) {
        auto* label = w->findChild<QLabel*>(QStringLiteral("Label3"));
        for (const auto& [sura, count] :
             {std::pair{"2", "(286)"}, std::pair{"114", "(6)"}, std::pair{"1", "(7)"}}) {
            TypeInto(t1, sura);
            QTest::keyClick(t1, Qt::Key_Tab);
            EXPECT_EQ(label->text(), QString::fromLatin1(count)) << sura;
            EXPECT_EQ(w->focusWidget(), t2);
            t1->setFocus();
        }
        // A number that is no sura leaves the label as it was.
        TypeInto(t1, "0");
        t2->setFocus();
        EXPECT_EQ(label->text(), QStringLiteral("(7)"));
    });
}

TEST(GoToCheck, ChecksTheSuraBeforeTheVerse) {
    EXPECT_EQ(CheckGoTo("115", "1").verdict, GoToVerdict::NoSuchSura);
    EXPECT_EQ(CheckGoTo("-1", "1").verdict, GoToVerdict::NoSuchSura);
    EXPECT_EQ(CheckGoTo(" 9", "1").position, 1243);
    EXPECT_EQ(CheckGoTo("9", "-0.4").verdict, GoToVerdict::NoSuchVerse);
    EXPECT_EQ(CheckGoTo("2", "-0.4").verdict, GoToVerdict::NoSuchVerse);
    EXPECT_EQ(CheckGoTo("99999999999999999999", "1").verdict, GoToVerdict::NoSuchSura);
    EXPECT_EQ(SuraInBox("113.5"), 114);
    EXPECT_EQ(SuraInBox("114.5"), 0);
    EXPECT_EQ(VerseCountLabel(9), "(127)");
    EXPECT_EQ(VerseCountLabel(0), "");
}

} // namespace
} // namespace lumra
