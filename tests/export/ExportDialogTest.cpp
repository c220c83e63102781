#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "AppHarness.h"
#include "settings/Settings.h"
#include "toolkit/FolderList.h"
#include "windows/ExportDialog.h"
#include "windows/MainWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::ReadFile;
using test::TempFolder;

template <class T> T* Find(QWidget* form, const char* name) {
    auto* widget = form->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QString Text(QWidget* form, const char* name) {
    return Find<QWidget>(form, name)->property("text").toString();
}

// The dialog shown without its modal loop, so that a test can drive it step by step.
class ExportDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.StartDefault();
        ASSERT_TRUE(h.endCodes.empty());
        Show();
    }
    void TearDown() override {
        if (h.app) {
            h.app->Unload(WindowRole::Export);
        }
    }
    void Show() {
        dialog = &h.app->Load<ExportDialog>();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        Find<FolderList>(dialog, "Dir1")
            ->SetPath(QString::fromStdString(out.Path()), QStringLiteral("/"));
        h.prompt.boxes.clear();
        h.prompt.events.clear();
        h.prompt.beeps = 0;
    }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(dialog, name); }
    void Focus(const char* name) {
        Box(name)->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(Box(name)->hasFocus());
    }
    void Type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void SetBox(const char* name, const char* text) {
        Box(name)->setText(QString::fromLatin1(text));
    }
    // On the box itself: a click beside a short caption misses it.
    void ClickCheck1() {
        auto* check = Find<QCheckBox>(dialog, "Check1");
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    }
    void Export() { QTest::mouseClick(Find<QPushButton>(dialog, "Command1"), Qt::LeftButton); }
    std::string FocusName() const {
        QWidget* w = QApplication::focusWidget();
        return w != nullptr ? w->objectName().toStdString() : std::string();
    }

    AppHarness h;
    TempFolder out;
    ExportDialog* dialog = nullptr;
};

TEST_F(ExportDialogTest, OpeningShowsTheWholeTextTheCaptionsAndFocusesTheFromSura) {
    h.app->Unload(WindowRole::Export);
    std::map<std::string, std::string> seen;
    std::string focus;
    QString selected;
    h.OnNextModal([&](QWidget* w) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        for (const char* name :
             {"Text1",     "Text2",     "Text3",    "Text4",   "Text5",   "Label11",
              "Label12",   "Label1",    "Label2",   "Label3",  "Label4",  "Label5",
              "Label6",    "Label7",    "Label8",   "Label9",  "Label10", "Check1",
              "Option1_0", "Option1_1", "Command1", "Command2"}) {
            seen[name] = Text(w, name).toStdString();
        }
        seen["title"] = w->windowTitle().toStdString();
        focus = FocusName();
        selected = Find<QLineEdit>(w, "Text1")->selectedText();
        EXPECT_TRUE(Find<QRadioButton>(w, "Option1_0")->isChecked());
        EXPECT_TRUE(Find<QCheckBox>(w, "Check1")->isChecked());
        QTest::keyClick(w, Qt::Key_Escape);
    });
    h.app->Load<ExportDialog>().Open();
    h.app->Unload(WindowRole::Export);
    const std::map<std::string, std::string> expected = {
        {"Text1", "1"},          {"Text2", "1"},          {"Text3", "114"},
        {"Text4", "6"},          {"Text5", "en#46"},      {"Label11", "(7)"},
        {"Label12", "(6)"},      {"Label1", "en#41"},     {"Label2", "en#42"},
        {"Label3", "en#27"},     {"Label4", "en#26"},     {"Label5", "en#27"},
        {"Label6", "en#26"},     {"Label7", "en#39"},     {"Label8", "en#40"},
        {"Label9", "en#43"},     {"Label10", "en#112"},   {"Check1", "en#105"},
        {"Option1_0", "en#113"}, {"Option1_1", "en#114"}, {"Command1", "en#44"},
        {"Command2", "en#24"},   {"title", "en#38"}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(focus, "Text1");
    EXPECT_EQ(selected, QStringLiteral("1"));
    EXPECT_EQ(h.app->Loaded<ExportDialog>(), nullptr);
}

TEST_F(ExportDialogTest, AfterEscTheNextOpeningStartsFromTheInitialValues) {
    h.app->Unload(WindowRole::Export);
    h.OnNextModal([&](QWidget* w) {
        Find<QLineEdit>(w, "Text1")->setText(QStringLiteral("5"));
        Find<QLineEdit>(w, "Text4")->setText(QStringLiteral("2"));
        Find<QLineEdit>(w, "Text5")->setText(QStringLiteral("mine"));
        Find<QRadioButton>(w, "Option1_1")->setChecked(true);
        QTest::keyClick(Find<QWidget>(w, "Option1_1"), Qt::Key_Escape);
    });
    h.app->Load<ExportDialog>().Open();
    h.app->Unload(WindowRole::Export);
    std::vector<std::string> values;
    bool rich = false;
    h.OnNextModal([&](QWidget* w) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
            values.push_back(Text(w, name).toStdString());
        }
        rich = Find<QRadioButton>(w, "Option1_0")->isChecked();
        QTest::mouseClick(Find<QPushButton>(w, "Command2"), Qt::LeftButton);
    });
    h.app->Load<ExportDialog>().Open();
    h.app->Unload(WindowRole::Export);
    EXPECT_EQ(values, (std::vector<std::string>{"1", "1", "114", "6", "en#46"}));
    EXPECT_TRUE(rich);
}

TEST_F(ExportDialogTest, RangeBoxesTakeOnlyDigitsAndFullStops) {
    Focus("Text1");
    Type(QStringLiteral("a2.x-"));
    EXPECT_EQ(Box("Text1")->text(), QStringLiteral("2."));
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Box("Text1")->text(), QStringLiteral("2"));
    // The file-name box takes everything.
    Focus("Text5");
    Type(QStringLiteral("a2.x-"));
    EXPECT_EQ(Box("Text5")->text(), QStringLiteral("a2.x-"));
    EXPECT_TRUE(h.prompt.boxes.empty());
}

TEST_F(ExportDialogTest, EnterOrTabChecksTheBoxAndMovesOn) {
    Focus("Text1");
    Type(QStringLiteral("2"));
    Key(Qt::Key_Return);
    EXPECT_EQ(FocusName(), "Text2");
    EXPECT_EQ(Text(dialog, "Label11"), QStringLiteral("(286)"));
    EXPECT_EQ(Box("Text2")->selectedText(), QStringLiteral("1"));
    Type(QStringLiteral("0"));
    Key(Qt::Key_Tab); // sura 2 has an unnumbered opening
    EXPECT_EQ(FocusName(), "Text3");
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusName(), "Text4");
    Key(Qt::Key_Return);
    EXPECT_EQ(FocusName(), "Text5");
    EXPECT_EQ(Box("Text5")->selectedText(), QStringLiteral("en#46"));
    EXPECT_TRUE(h.prompt.boxes.empty());
    // Backwards needs no check.
    Focus("Text3");
    Type(QStringLiteral("115"));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), "Text2");
    EXPECT_TRUE(h.prompt.boxes.empty());
}

TEST_F(ExportDialogTest, ABadBoxIsReportedAndKeepsOrTakesTheFocus) {
    // Verse 0 of sura 1: message 73, the verse box again, its text selected.
    Focus("Text2");
    Type(QStringLiteral("0"));
    Key(Qt::Key_Return);
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.events.front(), "beep");
    EXPECT_EQ(h.prompt.boxes[0].message, "en#73");
    EXPECT_EQ(h.prompt.boxes[0].title, "en#71");
    EXPECT_EQ(h.prompt.boxes[0].icon, PromptIcon::Critical);
    EXPECT_EQ(FocusName(), "Text2");
    EXPECT_EQ(Box("Text2")->selectedText(), QStringLiteral("0"));

    // A bad to sura, found from the to verse box: message 72, focus to the to sura box.
    SetBox("Text3", "115");
    Focus("Text4");
    Key(Qt::Key_Return);
    ASSERT_EQ(h.prompt.boxes.size(), 2u);
    EXPECT_EQ(h.prompt.boxes[1].message, "en#72");
    EXPECT_EQ(FocusName(), "Text3");
    EXPECT_EQ(Box("Text3")->selectedText(), QStringLiteral("115"));
    // The label keeps the last valid count.
    EXPECT_EQ(Text(dialog, "Label12"), QStringLiteral("(6)"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(h.prompt.boxes.size(), 3u);
    EXPECT_EQ(FocusName(), "Text3");
}

TEST_F(ExportDialogTest, EnterInTheFileNameBoxGoesToExportWithoutExporting) {
    Focus("Text5");
    Key(Qt::Key_Return);
    EXPECT_EQ(FocusName(), "Command1");
    EXPECT_TRUE(h.prompt.boxes.empty());
    EXPECT_TRUE(std::filesystem::is_empty(out.Dir()));
    // Enter on the focused Export button exports.
    Key(Qt::Key_Return);
    ASSERT_FALSE(h.prompt.boxes.empty());
    EXPECT_EQ(h.prompt.boxes.back().message, "en#88");
}

TEST_F(ExportDialogTest, ExportWritesTheRangeAndTheDialogStaysOpen) {
    SetBox("Text1", "2");
    SetBox("Text2", "255");
    SetBox("Text3", "2");
    SetBox("Text4", "255");
    SetBox("Text5", "  Notes  ");
    Export();
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, "en#88");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const std::string rtf = ReadFile(out.Path() + "Notes.rtf");
    EXPECT_EQ(rtf.rfind("{\\rtf\\fs24\\b\\qc ", 0), 0u);
    EXPECT_NE(rtf.find("[2:255]  \\pard\\plain\\fs24\\ql en verse 2:255 at 263"),
              std::string::npos);

    // Plain text, with the inline option cleared by its box.
    Find<QRadioButton>(dialog, "Option1_1")->setChecked(true);
    ClickCheck1();
    EXPECT_EQ(h.app->State().settings.inlineReference, 0);
    Export();
    EXPECT_NE(ReadFile(out.Path() + "Notes.txt").find("[2:255]\r\nen verse 2:255 at 263\r\n"),
              std::string::npos);
    EXPECT_EQ(h.prompt.boxes.size(), 2u);
}

TEST_F(ExportDialogTest, TheClearedInlineOptionIsKeptAcrossRuns) {
    ClickCheck1();
    SaveSettings(h.store, h.app->State().settings);
    EXPECT_EQ(h.store.Get("P_SET", "p_c1"), "0");

    AppHarness next;
    next.WriteDataSet();
    next.store.values = h.store.values;
    next.Create();
    ASSERT_TRUE(next.Start());
    auto& again = next.app->Load<ExportDialog>();
    EXPECT_FALSE(Find<QCheckBox>(&again, "Check1")->isChecked());
    next.app->Unload(WindowRole::Export);
}

TEST_F(ExportDialogTest, AFailedCheckMovesTheFocusToTheBoxAtFault) {
    SetBox("Text1", "3");
    SetBox("Text3", "2");
    Export();
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, "en#79en#41en#80en#42en#81");
    EXPECT_EQ(h.prompt.events.front(), "beep");
    EXPECT_EQ(FocusName(), "Text1");
    EXPECT_EQ(Box("Text1")->selectedText(), QStringLiteral("3"));

    SetBox("Text1", "1");
    SetBox("Text5", "a|b");
    Export();
    EXPECT_EQ(h.prompt.boxes.back().message, "en#82");
    EXPECT_EQ(FocusName(), "Text5");
    EXPECT_TRUE(std::filesystem::is_empty(out.Dir()));
}

TEST_F(ExportDialogTest, DecliningToReplaceAFileWritesNothing) {
    test::WriteFile(out.Path() + "NOTES.RTF", "old");
    SetBox("Text5", "notes");
    h.prompt.Answer(PromptAnswer::No);
    Export();
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, "en#83notes.rtfen#84");
    EXPECT_EQ(FocusName(), "Text5");
    EXPECT_EQ(ReadFile(out.Path() + "NOTES.RTF"), "old");
    EXPECT_FALSE(std::filesystem::exists(out.Path() + "notes.rtf"));
}

TEST_F(ExportDialogTest, AFailedWriteIsReportedAndTheDialogStaysUsable) {
    std::filesystem::create_directory(out.Path() + "Notes.rtf");
    SetBox("Text2", "7");
    SetBox("Text3", "1");
    SetBox("Text4", "7");
    SetBox("Text5", "Notes");
    Export();
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, "en#85");
    EXPECT_EQ(h.prompt.boxes[0].icon, PromptIcon::Critical);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(h.endCodes.empty());
    SetBox("Text5", "Other");
    Export();
    EXPECT_EQ(h.prompt.boxes.back().message, "en#88");
    EXPECT_TRUE(std::filesystem::is_regular_file(out.Path() + "Other.rtf"));
}

TEST_F(ExportDialogTest, AWriteProtectedFolderIsReported) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "running as root, which writes into write-protected folders anyway";
    }
    std::filesystem::permissions(out.Dir(), std::filesystem::perms::owner_read |
                                                std::filesystem::perms::owner_exec);
    Export();
    // The file cannot be created, so the whole-text notice never comes.
    ASSERT_EQ(h.prompt.boxes.size(), 1u);
    EXPECT_EQ(h.prompt.boxes[0].message, "en#85");
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ExportDialogTest, AFullDiskIsReportedLeavesNoHalfFileAndTouchesNothingElse) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "mounting a small file system for the test needs root";
    }
    const std::string small = out.Path() + "small";
    std::filesystem::create_directory(small);
    if (std::system(
            ("mount -t tmpfs -o size=64k lumra-test '" + small + "' 2>/dev/null").c_str()) != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    struct Unmount {
        std::string folder;
        ~Unmount() {
            [[maybe_unused]] const int ignored = std::system(("umount '" + folder + "'").c_str());
        }
    } unmount{small};
    test::WriteFile(small + "/keep.txt", "kept");
    test::WriteFile(small + "/Whole.rtf", "older");
    Find<FolderList>(dialog, "Dir1")->SetPath(QString::fromStdString(small), QStringLiteral("/"));
    SetBox("Text5", "Whole");
    Export(); // yes to replacing it, then the whole text, some megabytes, into 64 kB
    ASSERT_FALSE(h.prompt.boxes.empty());
    EXPECT_EQ(h.prompt.boxes.front().buttons, PromptButtons::YesNo);
    EXPECT_EQ(h.prompt.boxes.back().message, "en#85");
    EXPECT_EQ(h.prompt.boxes.back().icon, PromptIcon::Critical);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(h.endCodes.empty());
    // The older file is kept as it was, and no half-written file is left beside it.
    EXPECT_EQ(ReadFile(small + "/Whole.rtf"), "older");
    EXPECT_EQ(ReadFile(small + "/keep.txt"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(small),
                            std::filesystem::directory_iterator()),
              2);
    // The space is free again for an export that fits.
    SetBox("Text2", "2");
    SetBox("Text3", "2");
    SetBox("Text4", "5");
    Export();
    EXPECT_EQ(h.prompt.boxes.back().message, "en#88");
    EXPECT_TRUE(std::filesystem::is_regular_file(small + "/Whole.rtf"));
}

TEST_F(ExportDialogTest, AnUnreadableDriveReturnsSilentlyToTheStartupDrive) {
    const std::string startup = h.app->State().startupDrive;
    ASSERT_FALSE(startup.empty());
    EXPECT_EQ(QString::fromStdString(startup), QStorageInfo(QDir::currentPath()).rootPath());
    auto* drives = Find<QComboBox>(dialog, "Drive1");
    EXPECT_EQ(dialog->CurrentDrive(), startup);
    drives->addItem(QStringLiteral("/no-such-volume"), QStringLiteral("/no-such-volume"));
    drives->setCurrentIndex(drives->count() - 1);
    Q_EMIT drives->activated(drives->count() - 1);
    EXPECT_EQ(dialog->CurrentDrive(), startup);
    const QString folder = Find<FolderList>(dialog, "Dir1")->Path();
    EXPECT_TRUE(folder.startsWith(QString::fromStdString(startup)));
    EXPECT_TRUE(h.prompt.boxes.empty());
    EXPECT_EQ(h.prompt.beeps, 0);
}

TEST_F(ExportDialogTest, TheFolderListShowsTheChainAndEntersSubfolders) {
    std::filesystem::create_directories(out.Dir() / "b" / "inner");
    std::filesystem::create_directories(out.Dir() / "a");
    std::filesystem::create_directories(out.Dir() / ".hidden");
    auto* list = Find<FolderList>(dialog, "Dir1");
    const QString root = QString::fromStdString(out.Dir().string());
    list->SetPath(root, root);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), root);
    EXPECT_EQ(list->item(1)->text().trimmed(), QStringLiteral("a"));
    EXPECT_EQ(list->item(2)->text().trimmed(), QStringLiteral("b"));
    Q_EMIT list->itemActivated(list->item(2));
    EXPECT_EQ(list->Path(), root + QStringLiteral("/b"));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("  b"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("    inner"));
    EXPECT_EQ(list->currentRow(), 1);
    // Up the chain again; a folder outside the volume shows its root.
    Q_EMIT list->itemActivated(list->item(0));
    EXPECT_EQ(list->Path(), root);
    list->SetPath(QStringLiteral("/"), root);
    EXPECT_EQ(list->Path(), root);
}

TEST_F(ExportDialogTest, ColoursFollowTheWindowColour) {
    h.app->State().settings.colour = {10, 20, 150};
    dialog->ApplyColours();
    auto pixel = [](QWidget* w, QPoint at) { return w->grab().toImage().pixelColor(at); };
    EXPECT_EQ(pixel(dialog, {300, 280}), QColor(10, 20, 150));
    // As the window shows them: a check box's background is the window's own.
    for (const char* name : {"Label1", "Label7", "Label10", "Check1", "Option1_1"}) {
        EXPECT_EQ(pixel(dialog, Find<QWidget>(dialog, name)->mapTo(dialog, QPoint(1, 1))),
                  QColor(10, 20, 150))
            << name;
    }
    EXPECT_EQ(pixel(Find<QWidget>(dialog, "Label9"), {1, 1}), QColor(119, 0, 0));
    for (const char* name : {"Text1", "Text5"}) {
        auto* box = Find<QLineEdit>(dialog, name);
        box->clear(); // the background, not the text
        EXPECT_EQ(pixel(box, {box->width() / 2, box->height() / 2}), QColor(0xD0, 0xD0, 0xD0))
            << name;
    }
}

TEST(ExportDialogStartup, TheStartupLoadsTheDialogOnceAndLeavesItUnloaded) {
    AppHarness h;
    auto& app = h.StartDefault();
    EXPECT_EQ(app.Loaded<ExportDialog>(), nullptr);
    EXPECT_FALSE(app.State().startupDrive.empty());
}

} // namespace
} // namespace lumra

namespace lumra {
namespace {

TEST(ExportDialogOpening, F4AndCommand6InTheMainWindowOpenTheDialog) {
    test::AppHarness h;
    auto& app = h.StartDefault();
    MainWindow& main = app.Main();
    const std::vector<std::function<void()>> openers = {
        [&] { QTest::keyClick(&main, Qt::Key_F4); },
        [&] { main.findChild<QPushButton*>(QStringLiteral("Command6"))->click(); }};
    for (const auto& open : openers) {
        QString opened;
        QString label11;
        h.OnNextModal([&](QWidget* w) {
            opened = w->objectName();
            label11 = w->findChild<QLabel*>(QStringLiteral("Label11"))->text();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        open();
        EXPECT_EQ(opened, QStringLiteral("Form7"));
        EXPECT_EQ(label11, QStringLiteral("(7)"));
        EXPECT_EQ(app.Loaded<ExportDialog>(), nullptr);
    }
}

} // namespace
} // namespace lumra
