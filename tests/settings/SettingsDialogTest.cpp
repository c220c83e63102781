#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <string>
#include <vector>

#include "AppHarness.h"
#include "platform/Cp1252Qt.h"
#include "toolkit/RichTextBox.h"
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

template <class T> T* Child(QWidget* w, const char* name) {
    T* child = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QColor WindowColourOf(const QWidget& w) {
    return w.palette().color(QPalette::Window);
}

const QColor kGreen(0, 104, 0);

// A click on the box itself, at the left end of the control.
void ClickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Opens the settings dialog from the main window's F5 key and runs action in it.
void InSettingsDialog(AppHarness& h, std::function<void(QWidget*)> action) {
    h.OnNextModal(std::move(action));
    QTest::keyClick(&h.app->Main(), Qt::Key_F5);
    EXPECT_EQ(h.app->Loaded<SettingsDialog>(), nullptr) << "closing unloads the dialog";
}

TEST(SettingsDialog, OpensWithTheDefaultsAndTheCurrentLanguage) {
    AppHarness h;
    auto& app = h.StartDefault();
    bool seen = false;
    InSettingsDialog(h, [&](QWidget* d) {
        seen = true;
        EXPECT_EQ(d->objectName(), QStringLiteral("Form12"));
        EXPECT_EQ(ToCp1252(d->windowTitle()), SyntheticDataSet::InterfaceText("en", 54));
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll1")->value(), 0);
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll2")->value(), 104);
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll3")->value(), 0);
        EXPECT_EQ(Child<QLabel>(d, "Label1_1")->text(), QStringLiteral(" 0"));
        EXPECT_EQ(Child<QLabel>(d, "Label1_2")->text(), QStringLiteral(" 104"));
        EXPECT_EQ(Child<QLabel>(d, "Label1_0")->styleSheet(),
                  QStringLiteral("background-color: #006800; color: #FFFFFF;"));
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll4")->value(), 10);
        EXPECT_EQ(Child<QLabel>(d, "Label1_11")->text(), QStringLiteral(" 10"));
        auto* languages = Child<QComboBox>(d, "Combo1_0");
        ASSERT_EQ(languages->count(), 2);
        EXPECT_EQ(languages->itemText(0), QStringLiteral("English"));
        EXPECT_EQ(languages->itemText(1), QStringLiteral("Svenska"));
        EXPECT_EQ(languages->currentIndex(), 0);
        EXPECT_EQ(ToCp1252(Child<QCheckBox>(d, "Check1_3")->text()),
                  SyntheticDataSet::InterfaceText("en", 107));
        EXPECT_TRUE(Child<QCheckBox>(d, "Check1_0")->isChecked()); // ViewOptions 1, 0, 1, 0
        EXPECT_FALSE(Child<QCheckBox>(d, "Check1_1")->isChecked());
        EXPECT_TRUE(Child<QCheckBox>(d, "Check1_2")->isChecked());
        EXPECT_FALSE(Child<QCheckBox>(d, "Check1_3")->isChecked());
        // Each heading's top line begins just after it.
        for (const auto& [heading, line] :
             {std::pair{"Label1_7", "Line1_4"}, std::pair{"Label1_8", "Line1_8"},
              std::pair{"Label1_9", "Line1_14"}, std::pair{"Label1_10", "Line1_19"}}) {
            auto* l = Child<QLabel>(d, heading);
            EXPECT_EQ(Child<QWidget>(d, line)->x(), l->x() + l->width() + 4) << heading;
            EXPECT_GE(l->width(), l->sizeHint().width()) << heading;
        }
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_TRUE(seen);
    EXPECT_EQ(app.State().settings.colour, kDefaultWindowColour);
}

TEST(SettingsDialog, SlidersPreviewOnlyUntilOkThenEveryWindowTakesTheColour) {
    AppHarness h;
    auto& app = h.StartDefault();
    app.Load<GoToDialog>();
    app.Load<VerseListWindow>();
    InSettingsDialog(h, [&](QWidget* d) {
        Child<QScrollBar>(d, "HScroll2")->setValue(192);
        EXPECT_EQ(Child<QLabel>(d, "Label1_2")->text(), QStringLiteral(" 192"));
        EXPECT_TRUE(Child<QLabel>(d, "Label1_0")->styleSheet().contains(QStringLiteral("#00c000")));
        EXPECT_EQ(app.State().settings.colour, kDefaultWindowColour);
        EXPECT_EQ(WindowColourOf(app.Main()), kGreen);
        EXPECT_EQ(WindowColourOf(*d), kGreen);
        QTest::mouseClick(Child<QPushButton>(d, "Command2"), Qt::LeftButton);
    });
    const QColor chosen(0, 192, 0);
    EXPECT_EQ(app.State().settings.colour, (WindowColour{0, 192, 0}));
    EXPECT_EQ(WindowColourOf(app.Main()), chosen);
    EXPECT_EQ(Child<RichTextBox>(&app.Main(), "RTB1")->BackgroundColor(), chosen);
    EXPECT_EQ(WindowColourOf(*app.Loaded<FootnoteWindow>()), chosen);
    EXPECT_EQ(WindowColourOf(*app.Loaded<AppendixWindow>()), chosen);
    EXPECT_EQ(WindowColourOf(*app.Loaded<HelpWindow>()), chosen);
    EXPECT_EQ(WindowColourOf(*app.Loaded<GoToDialog>()), chosen);
    EXPECT_EQ(WindowColourOf(*app.Loaded<VerseListWindow>()), chosen);
    // The dialog itself stays green, and shows the chosen colour on its sliders.
    InSettingsDialog(h, [&](QWidget* d) {
        EXPECT_EQ(WindowColourOf(*d), kGreen);
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll2")->value(), 192);
        EXPECT_TRUE(Child<QLabel>(d, "Label1_9")->styleSheet().contains(QStringLiteral("#006800")));
        QTest::keyClick(d, Qt::Key_Escape);
    });
}

TEST(SettingsDialog, DefaultColourResetsTheSlidersWithoutApplying) {
    AppHarness h;
    auto& app = h.StartDefault();
    app.State().settings.colour = WindowColour{40, 50, 60};
    InSettingsDialog(h, [&](QWidget* d) {
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll1")->value(), 40);
        Child<QScrollBar>(d, "HScroll3")->setValue(150);
        QTest::mouseClick(Child<QPushButton>(d, "Command3"), Qt::LeftButton);
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll1")->value(), 0);
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll2")->value(), 104);
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll3")->value(), 0);
        EXPECT_EQ(Child<QLabel>(d, "Label1_1")->text(), QStringLiteral(" 0"));
        EXPECT_EQ(app.State().settings.colour, (WindowColour{40, 50, 60}));
        Child<QScrollBar>(d, "HScroll1")->setValue(9);
        QTest::keyClick(d, Qt::Key_F5); // F5 in the dialog is the same button
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll1")->value(), 0);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(app.State().settings.colour, (WindowColour{40, 50, 60}));
}

TEST(SettingsDialog, OptionBoxesTakeEffectAtOnceEvenWhenClosedWithEsc) {
    AppHarness h;
    auto& app = h.StartDefault();
    app.Main().RenderPosition(300); // a verse with a footnote
    auto* pane = Child<RichTextBox>(&app.Main(), "RTB1");
    const std::string note = SyntheticDataSet::FootnoteAt("en", 300);
    ASSERT_FALSE(note.empty());
    EXPECT_EQ(pane->PlainText().find(note), std::string::npos);
    InSettingsDialog(h, [&](QWidget* d) {
        ClickBox(Child<QCheckBox>(d, "Check1_3"));
        ClickBox(Child<QCheckBox>(d, "Check1_0"));
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(app.State().settings.viewOptions[3], 1);
    EXPECT_EQ(app.State().settings.viewOptions[0], 0);
    app.Main().RenderPosition(300);
    EXPECT_NE(pane->PlainText().find(note), std::string::npos);
}

TEST(SettingsDialog, OkWithoutChangesRecoloursAndRedrawsWithoutReloading) {
    AppHarness h;
    auto& app = h.StartDefault();
    // The colour as a setting only: no window shows it yet.
    app.State().settings.colour = WindowColour{100, 20, 30};
    auto* pane = Child<RichTextBox>(&app.Main(), "RTB1");
    pane->SetRtf(std::string());
    // A reload would check the data files and end the program.
    test::WriteFile(h.folder.Path() + "enkvt.txt", "altered");
    const int position = app.State().currentPosition;
    InSettingsDialog(
        h, [&](QWidget* d) { QTest::keyClick(Child<QScrollBar>(d, "HScroll1"), Qt::Key_Return); });
    EXPECT_TRUE(h.endCodes.empty());
    EXPECT_EQ(WindowColourOf(app.Main()), QColor(100, 20, 30));
    EXPECT_EQ(WindowColourOf(*app.Loaded<FootnoteWindow>()), QColor(100, 20, 30));
    EXPECT_FALSE(pane->Rtf().empty());
    EXPECT_EQ(app.State().currentPosition, position);
}

TEST(SettingsDialog, FontSizeSliderRunsFrom8To120) {
    AppHarness h;
    auto& app = h.StartDefault();
    InSettingsDialog(h, [&](QWidget* d) {
        auto* size = Child<QScrollBar>(d, "HScroll4");
        EXPECT_EQ(size->minimum(), 8);
        EXPECT_EQ(size->maximum(), 120);
        size->setValue(500);
        EXPECT_EQ(size->value(), 120);
        EXPECT_EQ(Child<QLabel>(d, "Label1_11")->text(), QStringLiteral(" 120"));
        // The reading pane waits for OK.
        EXPECT_EQ(app.State().settings.viewFontSize, 20);
        QTest::mouseClick(Child<QPushButton>(d, "Command2"), Qt::LeftButton);
    });
    EXPECT_EQ(app.State().settings.viewFontSize, 240);
    EXPECT_EQ(app.State().settings.fontPoints, 120);
    EXPECT_NE(Child<RichTextBox>(&app.Main(), "RTB1")->Rtf().find("\\fs240"), std::string::npos);
    // Closing without OK keeps the pending size until the next activation.
    InSettingsDialog(h, [&](QWidget* d) {
        Child<QScrollBar>(d, "HScroll4")->setValue(8);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(app.State().settings.fontPoints, 8);
    EXPECT_EQ(app.State().settings.viewFontSize, 240);
    InSettingsDialog(h, [&](QWidget* d) {
        EXPECT_EQ(Child<QScrollBar>(d, "HScroll4")->value(), 120);
        QTest::keyClick(d, Qt::Key_Escape);
    });
}

TEST(SettingsDialog, TabReachesEverySliderAndTheKeysStepAndJump) {
    AppHarness h;
    h.StartDefault();
    InSettingsDialog(h, [&](QWidget* d) {
        // Tab runs the boxes in reading order and comes back to the chooser.
        const std::vector<std::string> order = {
            "Combo1_0", "HScroll1", "HScroll2", "HScroll3", "Check1_0", "Check1_1", "Check1_2",
            "Check1_3", "HScroll4", "Command2", "Command3", "Command1", "Combo1_0"};
        Child<QComboBox>(d, "Combo1_0")->setFocus();
        std::vector<std::string> seen;
        for (std::size_t i = 0; i < order.size(); ++i) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            seen.push_back(focused->objectName().toStdString());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        EXPECT_EQ(seen, order);
        struct Case {
            const char* slider;
            int minimum;
            int maximum;
        };
        for (const Case c : {Case{"HScroll1", 0, 192}, Case{"HScroll2", 0, 192},
                             Case{"HScroll3", 0, 192}, Case{"HScroll4", 8, 120}}) {
            SCOPED_TRACE(c.slider);
            auto* bar = Child<QScrollBar>(d, c.slider);
            bar->setFocus();
            bar->setValue(50);
            const std::pair<Qt::Key, int> steps[] = {
                {Qt::Key_Right, 51},    {Qt::Key_Left, 50},       {Qt::Key_PageUp, 66},
                {Qt::Key_PageDown, 50}, {Qt::Key_End, c.maximum}, {Qt::Key_Home, c.minimum}};
            for (const auto& [key, value] : steps) {
                QTest::keyClick(QApplication::focusWidget(), key);
                EXPECT_EQ(bar->value(), value) << QTest::toString(key);
            }
        }
        // The keys reach the labels as a mouse would.
        EXPECT_EQ(Child<QLabel>(d, "Label1_11")->text(), QStringLiteral(" 8"));
        QTest::keyClick(d, Qt::Key_Escape);
    });
}

} // namespace
} // namespace lumra
