#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "AppHarness.h"
#include "toolkit/WindowLayout.h"
#include "windows/ExportDialog.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"
#include "windows/SearchDialog.h"
#include "windows/SettingsDialog.h"
#include "windows/TopicsDialog.h"

namespace lumra {
namespace {

using test::AppHarness;

QWidget* Child(QWidget* w, const char* name) {
    QWidget* child = w->findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// The main window shown at a client size, its layout run.
void ShowMainAt(Application& app, int width, int height) {
    MainWindow& w = app.Main();
    if (!w.isVisible()) {
        w.show();
        QTest::qWait(1);
    }
    w.resize(width, height);
    QTest::qWait(1);
}

TEST(MainWindowLayout, TwiceAsWideKeepsScaleOneAndCentresHorizontally) {
    AppHarness h;
    auto& app = h.StartDefault();
    ShowMainAt(app, 1120, 403);
    EXPECT_FLOAT_EQ(app.State().layoutScale, 1.0f);
    QWidget* combo = Child(&app.Main(), "Combo1");
    EXPECT_EQ(combo->geometry(), QRect(8 + 280, 8, 300, 24));
    QWidget* pane = Child(&app.Main(), "RTB1");
    EXPECT_EQ(pane->geometry(), QRect(8 + 280, 64, 544, 239));
    EXPECT_DOUBLE_EQ(combo->font().pointSizeF(), 10.0);
}

TEST(MainWindowLayout, OneAndAHalfScalesTheMainWindowAndEveryDialog) {
    AppHarness h;
    auto& app = h.StartDefault();
    ShowMainAt(app, 840, 605);
    ASSERT_FLOAT_EQ(app.State().layoutScale, 1.5f);
    MainWindow& w = app.Main();
    EXPECT_EQ(Child(&w, "Combo1")->geometry(), QRect(12, 12, 450, 36));
    EXPECT_EQ(Child(&w, "Command1")->geometry().size(), QSize(156, 39));
    EXPECT_DOUBLE_EQ(Child(&w, "Command1")->font().pointSizeF(), 15.0);
    // The figure labels are sized by the rendering, at 10 or 14 points times the scale.
    const double figure = Child(&w, "Label8")->font().pointSizeF();
    EXPECT_TRUE(figure == 15.0 || figure == 21.0) << figure;
    // Each fixed dialog: its client area and its controls at 1.5 times the design.
    const auto check = [](QWidget& d, QSize design, const char* control, QRect designed,
                          double font) {
        EXPECT_EQ(d.size(), design * 1.5) << d.objectName().toStdString();
        QWidget* c = Child(&d, control);
        EXPECT_EQ(c->geometry(), QRect(designed.x() * 3 / 2, designed.y() * 3 / 2,
                                       designed.width() * 3 / 2, designed.height() * 3 / 2))
            << control;
        EXPECT_DOUBLE_EQ(c->font().pointSizeF(), font * 1.5) << control;
    };
    SearchDialog& search = app.Load<SearchDialog>();
    search.LayOut();
    check(search, QSize(420, 396), "Command1", QRect(12, 356, 120, 28), 10);
    TopicsDialog& topics = app.Load<TopicsDialog>();
    topics.LayOut();
    check(topics, QSize(430, 338), "Text1", QRect(12, 12, 260, 24), 10);
    ExportDialog& exportDialog = app.Load<ExportDialog>();
    const double exportFont = Child(&exportDialog, "Text1")->font().pointSizeF();
    exportDialog.LayOut();
    check(exportDialog, QSize(560, 298), "Text1", QRect(298, 30, 48, 24), exportFont);
    SettingsDialog& settings = app.Load<SettingsDialog>(); // laid out by its loading
    check(settings, QSize(520, 300), "Command2", QRect(8, 264, 120, 28), 10);
    // A later main-window layout follows a loaded dialog back to the design size.
    ShowMainAt(app, 560, 403);
    EXPECT_FLOAT_EQ(app.State().layoutScale, 1.0f);
    EXPECT_EQ(search.size(), QSize(420, 396));
    EXPECT_EQ(settings.size(), QSize(520, 300));
}

TEST(MainWindowLayout, SmallerThanDesignedKeepsTheControlsAndScaleOne) {
    AppHarness h;
    auto& app = h.StartDefault();
    ShowMainAt(app, 840, 605);
    const QRect before = Child(&app.Main(), "Command6")->geometry();
    ShowMainAt(app, 500, 605);
    EXPECT_FLOAT_EQ(app.State().layoutScale, 1.0f);
    EXPECT_EQ(Child(&app.Main(), "Command6")->geometry(), before);
}

TEST(MainWindowLayout, MarkingModeKeepsTheShorterPane) {
    AppHarness h;
    auto& app = h.StartDefault();
    app.Main().ToggleMarkMode();
    ShowMainAt(app, 840, 605);
    EXPECT_EQ(Child(&app.Main(), "RTB1")->height(), 209 * 3 / 2 + 1); // 313.5 rounded
}

TEST(MainWindowLayout, RestoringFromMaximisedCentresAndClearsTheFlag) {
    AppHarness h;
    auto& app = h.StartDefault();
    MainWindow& w = app.Main();
    w.showMaximized();
    QTest::qWait(5);
    ASSERT_TRUE(w.isMaximized());
    EXPECT_EQ(app.State().settings.f1max, 1);
    w.showNormal();
    QTest::qWait(5);
    EXPECT_EQ(app.State().settings.f1max, 0);
    const QRect screen = w.screen()->geometry();
    const QRect frame = w.frameGeometry();
    EXPECT_EQ(frame.x(), screen.width() / 2 - frame.width() / 2);
    EXPECT_EQ(frame.y(), screen.height() / 2 - frame.height() / 2);
    // Saved at the end.
    w.showMaximized();
    QTest::qWait(5);
    SaveSettings(h.store, app.State().settings);
    EXPECT_EQ(LoadSettings(h.store).f1max, 1);
}

TEST(DialogLayout, ADialogOpenedWhileTheMainWindowIsHiddenIsNotResized) {
    AppHarness h;
    auto& app = h.StartDefault();
    ASSERT_FALSE(app.Main().isVisible());
    app.State().layoutScale = 1.5f;
    SearchDialog& search = app.Load<SearchDialog>();
    search.LayOut();
    EXPECT_EQ(search.size(), QSize(420, 396));
    EXPECT_EQ(Child(&search, "Command1")->geometry(), QRect(12, 356, 120, 28));
}

TEST(HelpWindowLayout, GoesBackToMaximised) {
    AppHarness h;
    auto& app = h.StartDefault();
    HelpWindow& help = *app.Loaded<HelpWindow>();
    help.OpenWithHelpText();
    QTest::qWait(5);
    help.showNormal();
    QTest::qWait(5);
    EXPECT_TRUE(help.isMaximized());
    help.close();
}

} // namespace
} // namespace lumra
