#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "AppHarness.h"
#include "platform/Cp1252Qt.h"
#include "windows/AppendixWindow.h"
#include "windows/ExportDialog.h"
#include "windows/FootnoteWindow.h"
#include "windows/GoToDialog.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"
#include "windows/SearchDialog.h"
#include "windows/SettingsDialog.h"
#include "windows/TopicsDialog.h"
#include "windows/VerseListWindow.h"

namespace lumra {
namespace {

using test::AppHarness;
using test::SyntheticDataSet;

std::string Title(const QWidget* w) {
    return ToCp1252(w->windowTitle());
}

std::string TextOf(const QWidget* window, const char* name) {
    const auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    return button != nullptr ? ToCp1252(button->text()) : std::string("<missing>");
}

// Every loaded window shows the captions of the language.
void ExpectCaptionsIn(Application& app, const std::string& code) {
    const auto t = [&](int n) { return SyntheticDataSet::InterfaceText(code, n); };
    // The title ends with the fixed web address in either language.
    EXPECT_EQ(Title(&app.Main()), t(1) + t(45) + t(100) + t(49) + t(100) + app.State().texts[36]);
    EXPECT_FALSE(app.State().texts[36].empty());
    EXPECT_EQ(TextOf(&app.Main(), "Command8"), t(10));
    EXPECT_EQ(TextOf(app.Loaded<FootnoteWindow>(), "Command1"), t(24));
    EXPECT_EQ(Title(app.Loaded<AppendixWindow>()), t(29));
    EXPECT_EQ(Title(app.Loaded<HelpWindow>()), t(53));
    EXPECT_EQ(Title(app.Loaded<SearchDialog>()), t(13));
    EXPECT_EQ(TextOf(app.Loaded<SearchDialog>(), "Check4"), t(19));
    EXPECT_EQ(Title(app.Loaded<GoToDialog>()), t(25));
    EXPECT_EQ(Title(app.Loaded<ExportDialog>()), t(38));
    EXPECT_EQ(TextOf(app.Loaded<TopicsDialog>(), "Command1_0"), t(122));
    EXPECT_EQ(Title(app.Loaded<SettingsDialog>()), t(54));
    EXPECT_EQ(TextOf(app.Loaded<SettingsDialog>(), "Command3"), t(60));
    EXPECT_EQ(Title(app.Loaded<VerseListWindow>()), t(61));
}

void LoadEveryDialog(Application& app) {
    app.Load<SearchDialog>();
    app.Load<GoToDialog>();
    app.Load<ExportDialog>();
    app.Load<TopicsDialog>();
    app.Load<SettingsDialog>();
    app.Load<VerseListWindow>();
}

TEST(LanguageSwitch, KeyLSwitchesEveryWindowAndTwiceReturns) {
    AppHarness h;
    auto& app = h.StartDefault();
    LoadEveryDialog(app);
    app.Main().RenderPosition(1234);
    app.State().currentQuery = "typed before";
    const auto boxes = h.prompt.boxes.size();

    QTest::keyClick(&app.Main(), Qt::Key_L);
    EXPECT_EQ(app.State().settings.language, 2);
    ExpectCaptionsIn(app, "sv");
    EXPECT_EQ(app.State().currentPosition, 1234);
    EXPECT_EQ(app.State().corpus.verseText[1234], SyntheticDataSet::VerseText("sv", 1234));
    EXPECT_EQ(app.State().currentQuery, SyntheticDataSet::InterfaceText("sv", 68));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is gone again";
    // The appendix chooser is filled in Swedish and back on the current item.
    auto* chooser = app.Loaded<AppendixWindow>()->findChild<QComboBox*>(QStringLiteral("Combo1"));
    EXPECT_EQ(chooser->currentIndex(), app.State().currentAppendix - 1);

    QTest::keyClick(&app.Main(), Qt::Key_L);
    EXPECT_EQ(app.State().settings.language, 1);
    ExpectCaptionsIn(app, "en");
    EXPECT_EQ(app.State().currentPosition, 1234);
    EXPECT_EQ(app.State().currentQuery, SyntheticDataSet::InterfaceText("en", 68));
    EXPECT_EQ(h.prompt.boxes.size(), boxes);
    EXPECT_TRUE(h.endCodes.empty());
}

TEST(LanguageSwitch, ChosenInTheSettingsDialogOnOk) {
    AppHarness h;
    auto& app = h.StartDefault();
    app.Main().RenderPosition(77);
    h.OnNextModal([](QWidget* d) {
        d->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->setCurrentIndex(1);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    });
    app.Main().OpenSettingsDialog();
    EXPECT_EQ(app.State().settings.language, 2);
    EXPECT_EQ(app.State().currentPosition, 77);
    EXPECT_EQ(Title(app.Loaded<HelpWindow>()), SyntheticDataSet::InterfaceText("sv", 53));
    EXPECT_EQ(app.State().currentQuery, SyntheticDataSet::InterfaceText("sv", 68));
    // The chooser of a dialog closed with Esc changes nothing.
    h.OnNextModal([](QWidget* d) {
        d->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->setCurrentIndex(0);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    app.Main().OpenSettingsDialog();
    EXPECT_EQ(app.State().settings.language, 2);
}

// What Qt draws itself: a message box's standard buttons (OK, Cancel, Yes) and the Copy item
// of a text box's context menu, without its shortcut.
std::vector<std::string> QtOwnTexts() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes);
    std::vector<std::string> texts;
    for (const auto b : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes}) {
        texts.push_back(ToCp1252(box.button(b)->text()));
    }
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    for (const QAction* action : menu->actions()) {
        if (action->text().endsWith(QStringLiteral("\tCtrl+C"))) {
            texts.push_back(ToCp1252(action->text().section(QLatin1Char('\t'), 0, 0)));
        }
    }
    return texts;
}

TEST(LanguageSwitch, QtsOwnTextsFollowAndInterfaceTextsWin) {
    AppHarness h;
    auto& app = h.StartDefault();
    const auto ok = [](const char* code) { return SyntheticDataSet::InterfaceText(code, 28); };
    const std::vector<std::string> english{ok("en"), "Cancel", "&Yes", "&Copy"};
    EXPECT_EQ(QtOwnTexts(), english);
    QTest::keyClick(&app.Main(), Qt::Key_L);
    EXPECT_EQ(QtOwnTexts(), (std::vector<std::string>{ok("sv"), "Avbryt", "&Ja", "&Kopiera"}));
    h.OnNextModal([](QWidget* d) {
        d->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->setCurrentIndex(0);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    });
    app.Main().OpenSettingsDialog();
    ASSERT_EQ(app.State().settings.language, 1);
    EXPECT_EQ(QtOwnTexts(), english);
}

TEST(LanguageSwitch, AnAlteredDataFileEndsTheProgramSilently) {
    AppHarness h;
    auto& app = h.StartDefault();
    const auto boxes = h.prompt.boxes.size();
    const std::string path = h.folder.Path() + "svnfn.txt";
    std::string bytes = test::ReadFile(path);
    ASSERT_FALSE(bytes.empty());
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 1);
    test::WriteFile(path, bytes);

    QTest::keyClick(&app.Main(), Qt::Key_L);
    EXPECT_EQ(h.endCodes, std::vector<int>{2});
    EXPECT_EQ(h.prompt.boxes.size(), boxes);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Nothing of the new language was loaded.
    EXPECT_EQ(app.State().corpus.verseText[5], SyntheticDataSet::VerseText("en", 5));
}

} // namespace
} // namespace lumra
