// Every caption is read whole: with the real interface texts of both languages, no label or
// button of the started windows needs more room than it has, at the designed size and at 1.5
// times it, with the system's font and with a large one.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <filesystem>
#include <tuple>

#include "AppHarness.h"
#include "toolkit/WindowLayout.h"
#include "windows/AppendixWindow.h"
#include "windows/CompanionWindow.h"
#include "windows/ExportDialog.h"
#include "windows/FootnoteWindow.h"
#include "windows/GoToDialog.h"
#include "windows/MainWindow.h"
#include "windows/SearchDialog.h"
#include "windows/SettingsDialog.h"
#include "windows/StartupWindow.h"
#include "windows/TopicsDialog.h"

namespace lumra {
namespace {

namespace fs = std::filesystem;

// What the label's text needs that its geometry does not give, or empty when it fits.
std::string Overflow(const QLabel& label) {
    if (!label.isVisibleTo(label.window()) || label.text().isEmpty()) {
        return {};
    }
    const QRect room = label.contentsRect();
    const QFontMetrics metrics(label.font());
    const int height = label.wordWrap() ? label.heightForWidth(label.width())
                                        : metrics.boundingRect(room, 0, label.text()).height();
    const int width =
        label.wordWrap() ? room.width() : metrics.boundingRect(room, 0, label.text()).width();
    if (width <= room.width() && height <= room.height()) {
        return {};
    }
    return label.objectName().toStdString() + " of " + label.window()->objectName().toStdString() +
           " needs " + std::to_string(width) + "x" + std::to_string(height) + ", has " +
           std::to_string(room.width()) + "x" + std::to_string(room.height());
}

// What the button's caption needs that its size does not give, or empty when it fits.
std::string Overflow(const QAbstractButton& button) {
    if (!button.isVisibleTo(button.window()) || button.text().isEmpty()) {
        return {};
    }
    const QSize need = button.sizeHint();
    if (need.width() <= button.width() && need.height() <= button.height() + 4) {
        return {};
    }
    return button.objectName().toStdString() + " of " +
           button.window()->objectName().toStdString() + " needs " + std::to_string(need.width()) +
           "x" + std::to_string(need.height()) + ", has " + std::to_string(button.width()) + "x" +
           std::to_string(button.height());
}

// The system's application font for the test's time.
class ApplicationFont {
public:
    explicit ApplicationFont(int points) : saved_(QApplication::font()) {
        if (points > 0) {
            QFont font = saved_;
            font.setPointSize(points);
            QApplication::setFont(font);
        }
    }
    ~ApplicationFont() { QApplication::setFont(saved_); }
    ApplicationFont(const ApplicationFont&) = delete;
    ApplicationFont& operator=(const ApplicationFont&) = delete;

private:
    QFont saved_;
};

// Language, and the application font's point size (0: as the system gives it).
class CaptionFit : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(CaptionFit, NoLabelOfTheStartedWindowsIsCutOff) {
    const ApplicationFont font(std::get<1>(GetParam()));
    test::AppHarness h;
    for (const auto& entry : fs::directory_iterator(LUMRA_BUILT_PROGRAM_DIR)) {
        if (entry.is_regular_file()) {
            fs::copy_file(entry.path(), h.folder.Dir() / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        }
    }
    Application& app = h.Create(std::get<0>(GetParam()));
    ASSERT_TRUE(h.Start());
    MainWindow& main = app.Main();
    const QSize design = main.size();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    for (const double scale : {1.0, 1.5}) {
        main.resize(static_cast<int>(design.width() * scale),
                    static_cast<int>(design.height() * scale));
        QApplication::processEvents();
        std::vector<Form*> dialogs = {&app.Load<SearchDialog>(), &app.Load<GoToDialog>(),
                                      &app.Load<ExportDialog>(), &app.Load<TopicsDialog>(),
                                      &app.Load<SettingsDialog>()};
        for (Form* dialog : dialogs) {
            dialog->LayOut();
        }
        app.Open(WindowRole::Companion);
        dialogs.insert(dialogs.end(),
                       {&main, app.Loaded<StartupWindow>(), app.Loaded<FootnoteWindow>(),
                        app.Loaded<AppendixWindow>(), app.Loaded<CompanionWindow>()});
        for (Form* window : dialogs) {
            if (window == nullptr) {
                continue;
            }
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                EXPECT_EQ(Overflow(*label), "") << "at " << scale << " times the design";
            }
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                EXPECT_EQ(Overflow(*button), "") << "at " << scale << " times the design";
            }
        }
    }
}

// English, and Swedish through the system's language; the system's font, and 16 points.
INSTANTIATE_TEST_SUITE_P(BothLanguages, CaptionFit,
                         ::testing::Combine(::testing::Values(1033, 1053),
                                            ::testing::Values(0, 16)));

} // namespace
} // namespace lumra
