// What a screen reader is told: windows by role and caption, controls by their captions or
// the labels that name them, never by their values.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <string>

#include "AppHarness.h"
#include "platform/Cp1252Qt.h"
#include "windows/MainWindow.h"
#include "windows/SearchDialog.h"
#include "windows/SettingsDialog.h"

namespace lumra {
namespace {

struct Heard {
    QAccessible::Role role;
    std::string name;
};

Heard HeardOf(QWidget& window, const char* control) {
    QWidget* w =
        control == nullptr ? &window : window.findChild<QWidget*>(QString::fromLatin1(control));
    EXPECT_NE(w, nullptr) << control;
    QAccessibleInterface* i = w == nullptr ? nullptr : QAccessible::queryAccessibleInterface(w);
    if (i == nullptr) {
        return {QAccessible::NoRole, {}};
    }
    return {i->role(), i->text(QAccessible::Name).toStdString()};
}

TEST(AccessibleNames, WindowsAndControlsAreNamedByTheirCaptions) {
    test::AppHarness h;
    Application& app = h.StartDefault();
    const auto& t = app.State().texts;
    const auto text = [&](int n) { return FromCp1252(t[n]).trimmed().toStdString(); };
    MainWindow& main = app.Main();
    SearchDialog& search = app.Load<SearchDialog>();
    SettingsDialog& settings = app.Load<SettingsDialog>();
    EXPECT_EQ(HeardOf(main, nullptr).role, QAccessible::Window);
    EXPECT_EQ(HeardOf(search, nullptr).role, QAccessible::Dialog);
    EXPECT_EQ(HeardOf(settings, nullptr).name, text(54));
    const struct {
        QWidget* window;
        const char* control;
        std::string name;
    } cases[] = {
        {&main, "HScroll1", text(27)},
        {&main, "RTB1", text(109)},
        {&main, "Command9", text(115)},
        {&main, "Command10", text(116)},
        {&search, "Combo1", text(14)},
        {&settings, "HScroll1", text(55)},
        {&settings, "HScroll3", text(57)},
        {&settings, "HScroll4", text(111)},
        {&settings, "Check1_1", text(104) + ": " + text(107)},
        {&settings, "Check1_3", text(109) + ": " + text(107)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeardOf(*c.window, c.control).name, c.name) << c.control;
    }
}

} // namespace
} // namespace lumra
