#include <gtest/gtest.h>

#include <limits>

#include "layout/LayoutGeometry.h"

namespace lumra {
namespace {

DesignGeometry Design560x403() {
    DesignGeometry d;
    d.clientWidth = 560;
    d.clientHeight = 403;
    return d;
}

TEST(LayoutScale, TheSmallerRatioWinsAndTheBlockIsCentred) {
    const DesignGeometry d = Design560x403();
    // Twice as wide, as high as designed: scale 1, centred horizontally only.
    EXPECT_FLOAT_EQ(MainWindowScale(1120, 403, d), 1.0f);
    Offset o = CentringOffset(1120, 403, d, 1.0f);
    EXPECT_EQ(o.x, 280);
    EXPECT_EQ(o.y, 0);
    // One and a half times in both directions.
    EXPECT_FLOAT_EQ(MainWindowScale(840, 605, d), 1.5f);
    o = CentringOffset(840, 605, d, 1.5f);
    EXPECT_EQ(o.x, 0);
    EXPECT_EQ(o.y, 0); // 605 - 604.5 rounds to 0 or 1, halved to 0
    o = CentringOffset(900, 700, d, 1.5f);
    EXPECT_EQ(o.x, 30);
    EXPECT_EQ(o.y, 48); // (700 - 604.5) made whole (96), halved
    // Smaller than designed in one direction.
    EXPECT_LT(MainWindowScale(2000, 300, d), 1.0f);
    // No design recorded: nothing to scale by.
    EXPECT_FLOAT_EQ(MainWindowScale(800, 600, DesignGeometry{}), 1.0f);
}

TEST(LayoutScale, AppliedScaleIsNeverBelowOne) {
    EXPECT_FLOAT_EQ(AppliedScale(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(AppliedScale(0.7f), 1.0f);
    EXPECT_FLOAT_EQ(AppliedScale(1.25f), 1.25f);
    EXPECT_FLOAT_EQ(AppliedScale(std::numeric_limits<float>::quiet_NaN()), 1.0f);
}

TEST(LayoutRecords, ScaledWithOffsetOnPlaceOnly) {
    const GeometryRecord r{8, 64, 544, 239, 10, true};
    const ScaledGeometry g = ScaleRecord(r, 1.5f, Offset{7, 3});
    EXPECT_EQ(g.left, 12 + 7);
    EXPECT_EQ(g.top, 96 + 3);
    EXPECT_EQ(g.width, 816);
    EXPECT_EQ(g.height, 359); // 358.5 rounded
    EXPECT_DOUBLE_EQ(g.fontSize, 15.0);
    const ScaledGeometry same = ScaleRecord(r, 1.0f);
    EXPECT_EQ(same.left, 8);
    EXPECT_EQ(same.width, 544);
    EXPECT_DOUBLE_EQ(same.fontSize, 10.0);
}

TEST(LayoutCentring, HalvesAreIntegerDivisions) {
    const Offset at = CentreOnScreen(1025, 769, 301, 201);
    EXPECT_EQ(at.x, 512 - 150);
    EXPECT_EQ(at.y, 384 - 100);
    // A window larger than the screen goes above and left of it.
    const Offset big = CentreOnScreen(800, 600, 1000, 700);
    EXPECT_EQ(big.x, -100);
    EXPECT_EQ(big.y, -50);
}

TEST(MaximisedFlag, FollowsTheWindowAndCentresOnlyOnRestore) {
    std::uint8_t flag = 0;
    EXPECT_FALSE(StepMaximisedFlag(WindowShow::Normal, flag));
    EXPECT_EQ(flag, 0);
    EXPECT_FALSE(StepMaximisedFlag(WindowShow::Maximised, flag));
    EXPECT_EQ(flag, 1);
    // Minimised from maximised: nothing happens, the flag stays.
    EXPECT_FALSE(StepMaximisedFlag(WindowShow::Minimised, flag));
    EXPECT_EQ(flag, 1);
    // Back to normal: the flag clears and the window is centred once.
    EXPECT_TRUE(StepMaximisedFlag(WindowShow::Normal, flag));
    EXPECT_EQ(flag, 0);
    EXPECT_FALSE(StepMaximisedFlag(WindowShow::Normal, flag));
}

TEST(TextWindowPlan, PaneFillsAndButtonIsCentredBelow) {
    const TextWindowPlan p = PlanTextWindow(600, 440, 32, 100, 28, 8);
    EXPECT_EQ(p.paneWidth, 592);
    EXPECT_EQ(p.paneHeight, 440 - 32 - 40);
    EXPECT_EQ(p.buttonTop, 440 - 34);
    EXPECT_EQ(p.buttonLeft, 250);
    // A tiny window yields values that are not positive; the window keeps its old ones.
    const TextWindowPlan tiny = PlanTextWindow(6, 30, 32, 100, 28, 8);
    EXPECT_LE(tiny.paneWidth, 0);
    EXPECT_LE(tiny.paneHeight, 0);
    EXPECT_LE(tiny.buttonLeft, 0);
    EXPECT_LE(tiny.buttonTop, 0);
}

} // namespace
} // namespace lumra
