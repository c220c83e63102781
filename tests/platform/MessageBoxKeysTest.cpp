#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <set>

#include "AppHarness.h"
#include "SuraTable.h"
#include "platform/QtPrompt.h"
#include "windows/ExportDialog.h"
#include "toolkit/FolderList.h"
#include "windows/MainWindow.h"
#include "windows/SearchDialog.h"
#include "windows/VerseListWindow.h"

namespace lumra {
namespace {

using test::AppHarness;

// The key goes where a person's key goes: to the focus widget of the active window.
void PressKey(Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key);
}

// When a box closes, the window manager gives the activation back to the window behind it;
// the offscreen platform leaves that to the test.
bool BackTo(QWidget* window) {
    if (!window->isActiveWindow()) {
        window->activateWindow();
    }
    return QTest::qWaitForWindowActive(window);
}

void TypeKeys(const char* keys) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(keys));
}

// Presses the given keys, one at a time, into the message boxes as they open. A box that
// still open when no key is left is closed directly (a key might not reach it) and counted as
// unexpected.
class BoxKeys {
public:
    explicit BoxKeys(std::initializer_list<Qt::Key> keys) : keys_(keys) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    int Boxes() const { return static_cast<int>(seen_.size()); }
    int Unexpected() const { return unexpected_; }
    bool AllPressed() const { return keys_.empty(); }

private:
    void Tick() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        // Answered once active, as a person would; a platform that never activates it is
        // answered after a second.
        if (!box->isActiveWindow() && ++waited_ < 100) {
            return;
        }
        waited_ = 0;
        seen_.insert(box);
        if (keys_.empty()) {
            ++unexpected_;
            box->reject();
            return;
        }
        const Qt::Key key = keys_.front();
        keys_.pop_front();
        PressKey(key);
    }

    QTimer timer_;
    std::deque<Qt::Key> keys_;
    std::set<QMessageBox*> seen_;
    int unexpected_ = 0;
    int waited_ = 0;
};

class MessageBoxKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = &h.StartDefault();
        ASSERT_TRUE(h.endCodes.empty());
        app->Main().show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app->Main()));
        h.prompt.realBoxes = &real;
    }

    // Opens a dialog with the main window's key and runs the steps once it is active; Esc
    // closes it afterwards when the steps left it open.
    void InDialog(Qt::Key opener, const std::function<void(QWidget*)>& steps) {
        EXPECT_TRUE(h.InNextModal([&] { PressKey(opener); }, steps));
    }

    QtPrompt real;
    AppHarness h;
    Application* app = nullptr;
};

TEST_F(MessageBoxKeysTest, EnterInTheNoMatchBoxClosesItWithoutSearchingAgain) {
    InDialog(Qt::Key_F2, [&](QWidget* dialog) {
        BoxKeys keys{Qt::Key_Return};
        TypeKeys("unicorn");
        PressKey(Qt::Key_Return);
        EXPECT_EQ(keys.Boxes(), 1);
        EXPECT_EQ(keys.Unexpected(), 0) << "the search ran again";
        EXPECT_TRUE(dialog->isVisible());
    });
}

TEST_F(MessageBoxKeysTest, EscInTheManyHitsQuestionListsNothingAndKeepsTheDialog) {
    InDialog(Qt::Key_F2, [&](QWidget* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("Check6"))->setChecked(true);
        dialog->findChild<QComboBox*>(QStringLiteral("Combo1"))->setFocus();
        BoxKeys keys{Qt::Key_Escape};
        TypeKeys("verse");
        PressKey(Qt::Key_Return);
        EXPECT_EQ(keys.Boxes(), 1);
        EXPECT_EQ(keys.Unexpected(), 0);
        EXPECT_EQ(app->Loaded<VerseListWindow>(), nullptr) << "Cancel lists nothing";
        EXPECT_TRUE(dialog->isVisible());
    });
}

TEST_F(MessageBoxKeysTest, EscInTheReplaceQuestionKeepsTheFileAndFocusesItsName) {
    test::TempFolder out;
    test::WriteFile(out.Path() + "NOTES.RTF", "old");
    InDialog(Qt::Key_F4, [&](QWidget* dialog) {
        dialog->findChild<FolderList*>(QStringLiteral("Dir1"))
            ->SetPath(QString::fromStdString(out.Path()), QStringLiteral("/"));
        dialog->findChild<QLineEdit*>(QStringLiteral("Text5"))->setText(QStringLiteral("notes"));
        BoxKeys keys{Qt::Key_Escape};
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        EXPECT_EQ(keys.Boxes(), 1);
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_TRUE(BackTo(dialog));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Text5"));
    });
    EXPECT_EQ(test::ReadFile(out.Path() + "NOTES.RTF"), "old");
}

TEST_F(MessageBoxKeysTest, EscInTheDeleteQuestionKeepsTheTopicsDialogAndTheFile) {
    test::WriteFile(h.folder.Path() + "study.tpc", std::string(6347, '\0'));
    PressKey(Qt::Key_T);
    InDialog(Qt::Key_M, [&](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("study"));
        BoxKeys keys{Qt::Key_Escape};
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1_2")),
                          Qt::LeftButton);
        EXPECT_EQ(keys.Boxes(), 1);
        EXPECT_TRUE(dialog->isVisible());
    });
    EXPECT_TRUE(std::filesystem::exists(h.folder.Path() + "study.tpc"));
}

TEST_F(MessageBoxKeysTest, KeysInTheClosingQuestionNeverReachTheMainWindow) {
    const int language = app->State().settings.language;
    BoxKeys keys{Qt::Key_L, Qt::Key_Escape};
    app->Main().close();
    EXPECT_TRUE(keys.AllPressed());
    EXPECT_EQ(keys.Boxes(), 1);
    EXPECT_EQ(app->State().settings.language, language) << "L switched the language";
    EXPECT_TRUE(app->Main().isVisible()) << "Esc answers No";
    EXPECT_TRUE(h.endCodes.empty());
}

// After a refusal the box at fault has the focus with its text selected, so that the
// reader types the number again.
TEST_F(MessageBoxKeysTest, TheGoToDialogKeepsTheVerseBoxAfterItsRefusal) {
    InDialog(Qt::Key_F6, [&](QWidget* dialog) {
        auto* verse = dialog->findChild<QLineEdit*>(QStringLiteral("Text2"));
        TypeKeys("2");
        PressKey(Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), verse);
        TypeKeys("287");
        {
            BoxKeys keys{Qt::Key_Return};
            PressKey(Qt::Key_Return);
            EXPECT_EQ(keys.Boxes(), 1);
        }
        ASSERT_TRUE(BackTo(dialog));
        ASSERT_EQ(QApplication::focusWidget(), verse);
        EXPECT_EQ(verse->selectedText(), QStringLiteral("287"));
        BoxKeys none{};
        TypeKeys("286");
        PressKey(Qt::Key_Return);
        EXPECT_EQ(none.Boxes(), 0);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(app->State().currentPosition, PositionOf(2, 286));
}

// Each activation of the main window puts the keys on the position bar, where Up and Down
// step back and forward; the return from its own box is no new activation.
TEST_F(MessageBoxKeysTest, TheMainWindowsActivationFocusesThePositionBar) {
    InDialog(Qt::Key_F6, [](QWidget*) {});
    ASSERT_TRUE(BackTo(&app->Main()));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("HScroll1"));
    const int start = app->State().currentPosition;
    PressKey(Qt::Key_Down);
    EXPECT_EQ(app->State().currentPosition, start + 1);
    PressKey(Qt::Key_Up);
    EXPECT_EQ(app->State().currentPosition, start);
}

} // namespace
} // namespace lumra
