// A check box stays visible on the window colour: as drawn, its indicator has a light base,
// and its edge (base or border) stands out from the window by at least 3:1.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

#include "FakeHost.h"
#include "toolkit/WindowPaint.h"
#include "windows/SearchDialog.h"

namespace lumra {
namespace {

double Luminance(QColor c) {
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(QColor a, QColor b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class CheckIndicator : public ::testing::TestWithParam<WindowColour> {};

TEST_P(CheckIndicator, KeepsALightBaseAndAVisibleEdgeOnTheWindowColour) {
    test::FakeHost host;
    host.state.settings.colour = GetParam();
    SearchDialog dialog(host);
    dialog.ApplyColours();
    const QColor window = ToQColor(GetParam());
    // One box inside the frame, one on the window itself.
    for (const char* name : {"Check1", "Check4"}) {
        auto* box = dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        box->setChecked(false);
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator =
            box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        const QImage image =
            dialog.grab(QRect(box->mapTo(&dialog, QPoint(0, 0)), box->size())).toImage();
        const double ratio = image.devicePixelRatio();
        const auto at = [&](QPoint p) {
            return image.pixelColor(static_cast<int>(p.x() * ratio),
                                    static_cast<int>(p.y() * ratio));
        };
        const QColor base = at(indicator.center());
        const QColor border = at(QPoint(indicator.left(), indicator.center().y()));
        EXPECT_GT(Luminance(base), 0.7) << name << ": base " << base.name().toStdString();
        EXPECT_GE(std::max(Contrast(base, window), Contrast(border, window)), 3.0)
            << name << ": base " << base.name().toStdString() << ", border "
            << border.name().toStdString() << " on " << window.name().toStdString();
        // The caption beside it is still on the window colour.
        EXPECT_LT(Contrast(at(QPoint(box->width() - 2, 1)), window), 1.1) << name;
    }
}

// The darkest and the lightest colour the sliders allow, and the default green.
INSTANTIATE_TEST_SUITE_P(WindowColours, CheckIndicator,
                         ::testing::Values(WindowColour{0, 0, 0}, WindowColour{0, 104, 0},
                                           WindowColour{192, 192, 192}));

} // namespace
} // namespace lumra
