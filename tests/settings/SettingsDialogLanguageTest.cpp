#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "AppHarness.h"
#include "export/ExportDialog.h"
#include "platform/Cp1252Qt.h"
#include "reading/AppendixWindow.h"
#include "reading/FootnoteWindow.h"
#include "reading/GoToDialog.h"
#include "reading/HelpWindow.h"
#include "reading/MainWindow.h"
#include "reading/VerseListWindow.h"
#include "search/SearchDialog.h"
#include "search/TopicsDialog.h"
#include "settings/SettingsDialog.h"

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
    EXPECT_EQ(Title(&app.MainWindow()),
              t(1) + t(45) + t(100) + t(49) + t(100) + app.State().texts[36]);
    EXPECT_FALSE(app.State().texts[36].empty());
    EXPECT_EQ(TextOf(&app.MainWindow(), "Command8"), t(10));
    EXPECT_EQ(TextOf(app.FootnoteWindow(), "Command1"), t(24));
    EXPECT_EQ(Title(app.AppendixWindow()), t(29));
    EXPECT_EQ(Title(app.HelpWindow()), t(53));
    EXPECT_EQ(Title(app.SearchDialog()), t(13));
    EXPECT_EQ(TextOf(app.SearchDialog(), "Check4"), t(19));
    EXPECT_EQ(Title(app.GoToDialog()), t(25));
    EXPECT_EQ(Title(app.ExportDialog()), t(38));
    EXPECT_EQ(TextOf(app.TopicsDialog(), "Command1_0"), t(122));
    EXPECT_EQ(Title(app.SettingsDialog()), t(54));
    EXPECT_EQ(TextOf(app.SettingsDialog(), "Command3"), t(60));
    EXPECT_EQ(Title(app.VerseListWindow()), t(61));
}

void LoadEveryDialog(Application& app) {
    app.LoadSearchDialog();
    app.LoadGoToDialog();
    app.LoadExportDialog();
    app.LoadTopicsDialog();
    app.LoadSettingsDialog();
    app.LoadVerseListWindow();
}

TEST(LanguageSwitch, KeyLSwitchesEveryWindowAndTwiceReturns) {
    AppHarness h;
    auto& app = h.StartDefault();
    LoadEveryDialog(app);
    app.MainWindow().RenderPosition(1234);
    app.State().currentQuery = "typed before";
    const auto boxes = h.prompt.boxes.size();

    QTest::keyClick(&app.MainWindow(), Qt::Key_L);
    EXPECT_EQ(app.State().settings.language, 2);
    ExpectCaptionsIn(app, "sv");
    EXPECT_EQ(app.State().currentPosition, 1234);
    EXPECT_EQ(app.State().corpus.verseText[1234], SyntheticDataSet::VerseText("sv", 1234));
    EXPECT_EQ(app.State().currentQuery, SyntheticDataSet::InterfaceText("sv", 68));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is gone again";
    // The appendix chooser is filled in Swedish and back on the current item.
    auto* chooser = app.AppendixWindow()->findChild<QComboBox*>(QStringLiteral("Combo1"));
    EXPECT_EQ(chooser->currentIndex(), app.State().currentAppendix - 1);

    QTest::keyClick(&app.MainWindow(), Qt::Key_L);
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
    app.MainWindow().RenderPosition(77);
    h.OnNextModal([](QWidget* d) {
        d->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->setCurrentIndex(1);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    });
    app.MainWindow().OpenSettingsDialog();
    EXPECT_EQ(app.State().settings.language, 2);
    EXPECT_EQ(app.State().currentPosition, 77);
    EXPECT_EQ(Title(app.HelpWindow()), SyntheticDataSet::InterfaceText("sv", 53));
    EXPECT_EQ(app.State().currentQuery, SyntheticDataSet::InterfaceText("sv", 68));
    // The chooser of a dialog closed with Esc changes nothing.
    h.OnNextModal([](QWidget* d) {
        d->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->setCurrentIndex(0);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    app.MainWindow().OpenSettingsDialog();
    EXPECT_EQ(app.State().settings.language, 2);
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

    QTest::keyClick(&app.MainWindow(), Qt::Key_L);
    EXPECT_EQ(h.endCodes, std::vector<int>{2});
    EXPECT_EQ(h.prompt.boxes.size(), boxes);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Nothing of the new language was loaded.
    EXPECT_EQ(app.State().corpus.verseText[5], SyntheticDataSet::VerseText("en", 5));
}

} // namespace
} // namespace lumra
