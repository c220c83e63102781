#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>

#include "AppHarness.h"
#include "search/Topics.h"
#include "toolkit/RichTextBox.h"
#include "windows/MainWindow.h"
#include "windows/TopicsDialog.h"

namespace lumra {
namespace {

namespace fs = std::filesystem;
using test::AppHarness;
using test::ReadFile;
using test::SyntheticDataSet;
using test::WriteFile;

QString Text(int n) {
    return QString::fromStdString(SyntheticDataSet::InterfaceText("en", n));
}

template <typename T> T* Control(QWidget* w, const char* name) {
    T* control = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

void Click(QWidget* w, const char* button) {
    QTest::mouseClick(Control<QPushButton>(w, button), Qt::LeftButton);
}

// A click on the box's indicator.
void Tick(QWidget* w, const char* name) {
    auto* box = Control<QCheckBox>(w, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void TypeName(QWidget* w, const char* name) {
    auto* box = Control<QLineEdit>(w, "Text1");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromLatin1(name));
}

QStringList Files(QWidget* w) {
    QStringList names;
    auto* list = Control<QListWidget>(w, "File1");
    for (int i = 0; i < list->count(); ++i) {
        names << list->item(i)->text();
    }
    return names;
}

class TopicsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = &h.StartDefault();
        ASSERT_TRUE(h.endCodes.empty());
        h.prompt = test::ScriptedPrompt();
    }

    std::string PathOf(const std::string& name) const { return h.folder.Path() + name; }
    auto& Marks() { return app->State().topicMarks; }

    // Opens the dialog from the main window's marking mode (Command9), runs the steps in it
    // and closes it with Esc unless the steps closed it.
    void InDialog(const std::function<void(QWidget*)>& steps) {
        if (app->State().markMode != 1) {
            QTest::keyClick(&app->Main(), Qt::Key_T);
        }
        EXPECT_TRUE(h.InNextModal([&] { Click(&app->Main(), "Command9"); }, steps));
        EXPECT_EQ(app->Loaded<TopicsDialog>(), nullptr) << "the dialog is unloaded when it closes";
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer was restored";
    }

    AppHarness h;
    Application* app = nullptr;
};

TEST_F(TopicsDialogTest, LoadsWithItsCaptionsTheTopicFilesAndTheListOptions) {
    WriteFile(PathOf("b.tpc"), "x");
    WriteFile(PathOf("A.TPC"), "x");
    WriteFile(PathOf("notes.txt"), "x");
    app->State().settings.topicListOptions = {"0", "1"};
    app->State().currentTopicName = "prayer";
    InDialog([&](QWidget* w) {
        EXPECT_EQ(w->objectName(), QStringLiteral("Form9"));
        EXPECT_EQ(w->windowTitle(), Text(145));
        const int texts[] = {122, 123, 124, 125, 126, 127, 28, 24};
        for (int i = 0; i < 8; ++i) {
            const std::string name = "Command1_" + std::to_string(i);
            EXPECT_EQ(Control<QPushButton>(w, name.c_str())->text(), Text(texts[i]));
        }
        EXPECT_EQ(Control<QCheckBox>(w, "Check1_0")->text(), Text(106));
        EXPECT_EQ(Control<QCheckBox>(w, "Check1_1")->text(), Text(107));
        EXPECT_FALSE(Control<QCheckBox>(w, "Check1_0")->isChecked());
        EXPECT_TRUE(Control<QCheckBox>(w, "Check1_1")->isChecked());
        EXPECT_EQ(Files(w), (QStringList{QStringLiteral("A.TPC"), QStringLiteral("b.tpc")}));
        auto* box = Control<QLineEdit>(w, "Text1");
        EXPECT_EQ(box->text(), QStringLiteral("prayer"));
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(box->selectedText(), QStringLiteral("prayer"));
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(0, 104, 0));
    });
}

TEST_F(TopicsDialogTest, SavesByNameAndListsTheNewFiles) {
    Marks()[5] = 1;
    InDialog([&](QWidget* w) {
        TypeName(w, "prayer");
        Click(w, "Command1_1");
        EXPECT_EQ(Files(w), QStringList{QStringLiteral("prayer.tpc")});
        TypeName(w, "prayer.TPC");
        Click(w, "Command1_1");
        EXPECT_EQ(Files(w),
                  (QStringList{QStringLiteral("prayer.TPC"), QStringLiteral("prayer.tpc")}));
        auto* box = Control<QLineEdit>(w, "Text1");
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(box->selectedText(), QStringLiteral("prayer.TPC"));
        // A forbidden character is refused.
        TypeName(w, "a:b");
        Click(w, "Command1_1");
    });
    EXPECT_EQ(app->State().currentTopicName, "prayer");
    ASSERT_EQ(h.prompt.boxes.size(), 3u);
    EXPECT_EQ(h.prompt.boxes[0].message, SyntheticDataSet::InterfaceText("en", 134));
    EXPECT_EQ(h.prompt.boxes[2].message, SyntheticDataSet::InterfaceText("en", 82));
    EXPECT_EQ(ReadFile(PathOf("prayer.TPC")).size(), kTopicFileSize);
    EXPECT_FALSE(fs::exists(PathOf("a:b.tpc")));
}

TEST_F(TopicsDialogTest, ChoosingAFileNamesItAndOpeningItMarksItsVerses) {
    std::string bytes(kTopicFileSize, '\0');
    bytes[12] = 1;
    bytes[40] = static_cast<char>(250);
    WriteFile(PathOf("Fasting.TPC"), bytes);
    WriteFile(PathOf("other.tpc"), std::string(kTopicFileSize, '\0'));
    InDialog([&](QWidget* w) {
        auto* list = Control<QListWidget>(w, "File1");
        ASSERT_EQ(list->count(), 2);
        const QRect row = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_EQ(Control<QLineEdit>(w, "Text1")->text(), QStringLiteral("Fasting.TPC"));
        Click(w, "Command1_0");
    });
    EXPECT_EQ(CountTopicMarks(app->State().topicMarks), 2);
    EXPECT_EQ(Marks()[40], 1);
    EXPECT_EQ(app->State().currentTopicName, "Fasting");
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, SyntheticDataSet::InterfaceText("en", 130));
}

TEST_F(TopicsDialogTest, TheListOptionsFollowTheirCheckBoxes) {
    InDialog([&](QWidget* w) {
        Tick(w, "Check1_0");
        Tick(w, "Check1_1");
    });
    EXPECT_EQ(app->State().settings.topicListOptions[0], "0");
    EXPECT_EQ(app->State().settings.topicListOptions[1], "1");
    InDialog([&](QWidget* w) {
        EXPECT_FALSE(Control<QCheckBox>(w, "Check1_0")->isChecked());
        Tick(w, "Check1_0");
    });
    EXPECT_EQ(app->State().settings.topicListOptions[0], "1");
}

TEST_F(TopicsDialogTest, ShowsTheMarkedVersesInTheVerseListWindow) {
    app->State().settings.topicListOptions = {"0", "0"};
    for (const int p : {1, 3, 6346}) {
        Marks()[static_cast<std::size_t>(p)] = 1;
    }
    QString caption;
    std::string shown;
    InDialog([&](QWidget* w) {
        h.OnNextModal([&](QWidget* list) {
            caption = list->windowTitle();
            shown = Control<RichTextBox>(list, "RTB1")->PlainText();
            QTest::keyClick(list, Qt::Key_Escape);
        });
        Click(w, "Command1_5");
    });
    EXPECT_EQ(caption, Text(142) + QStringLiteral("3") + Text(143));
    EXPECT_EQ(shown, "[1:1]  " + SyntheticDataSet::VerseText("en", 1) + "\r\n\r\n[1:3]  " +
                         SyntheticDataSet::VerseText("en", 3) + "\r\n\r\n[114:6]  " +
                         SyntheticDataSet::VerseText("en", 6346) + "\r\n\r\n ");

    Marks().assign(kTopicFileSize, 0);
    InDialog([&](QWidget* w) {
        h.OnNextModal([&](QWidget* list) {
            caption = list->windowTitle();
            QTest::keyClick(list, Qt::Key_Escape);
        });
        Click(w, "Command1_5");
    });
    EXPECT_EQ(caption, Text(142) + QStringLiteral("0") + Text(143));
}

TEST_F(TopicsDialogTest, CopiesTheListAsThePlainTextTheWindowShows) {
    app->State().settings.topicListOptions = {"1", "1"};
    Marks()[50] = 1;
    InDialog([&](QWidget* w) { Click(w, "Command1_4"); });
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "[2:42]  " + SyntheticDataSet::VerseText("en", 50) +
                  "\r\n\r\n   en note 50\r\n\r\n ");
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, SyntheticDataSet::InterfaceText("en", 144));

    // Declining a long list copies nothing.
    for (std::size_t p = 1; p <= 201; ++p) {
        Marks()[p] = 1;
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    h.prompt = test::ScriptedPrompt();
    h.prompt.Answer(PromptAnswer::No);
    InDialog([&](QWidget* w) { Click(w, "Command1_4"); });
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, SyntheticDataSet::InterfaceText("en", 141));
}

TEST_F(TopicsDialogTest, ClosingRefreshesTheMainWindowsMarkButton) {
    QTest::keyClick(&app->Main(), Qt::Key_T);
    const auto current = static_cast<std::size_t>(app->State().currentPosition);
    auto* command10 = Control<QPushButton>(&app->Main(), "Command10");
    EXPECT_EQ(command10->text(), Text(116) + Text(119));
    std::string bytes(kTopicFileSize, '\0');
    bytes[current] = 1;
    WriteFile(PathOf("here.tpc"), bytes);

    // M in marking mode opens the dialog; OK (Command1 index 6) closes it.
    bool ran = false;
    h.OnNextModal([&](QWidget* w) {
        ran = true;
        TypeName(w, "here");
        Click(w, "Command1_0");
        Click(w, "Command1_6");
    });
    QTest::keyClick(&app->Main(), Qt::Key_M);
    EXPECT_TRUE(ran);
    EXPECT_EQ(app->Loaded<TopicsDialog>(), nullptr);
    EXPECT_EQ(command10->text(), Text(116) + Text(118));

    // The name comes back into the box; Close (index 7) closes too.
    QString name;
    InDialog([&](QWidget* w) {
        name = Control<QLineEdit>(w, "Text1")->text();
        Click(w, "Command1_7");
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(name, QStringLiteral("here"));
}

} // namespace
} // namespace lumra
