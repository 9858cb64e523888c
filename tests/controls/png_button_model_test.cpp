#include "controls/model/png_button_model.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(PngButtonModelTest, MouseTransitionsOfAnEnabledButton) {
    TPngButtonModel m;
    EXPECT_EQ(m.Frame(), sNormal);
    EXPECT_TRUE(m.MouseEnter());
    EXPECT_EQ(m.Frame(), sHover);
    EXPECT_TRUE(m.Press(true));
    EXPECT_EQ(m.Frame(), sDown);
    // Leaving while held shows normal, coming back shows hover (not down).
    m.MouseLeave();
    EXPECT_EQ(m.Frame(), sNormal);
    m.MouseEnter();
    EXPECT_EQ(m.Frame(), sHover);
    EXPECT_TRUE(m.Release(true, true));
    EXPECT_EQ(m.Frame(), sHover);
    m.Press(true);
    m.Release(true, false);
    EXPECT_EQ(m.Frame(), sNormal);
}

TEST(PngButtonModelTest, OtherButtonsAndDisabledButtonChangeNothing) {
    TPngButtonModel m;
    m.MouseEnter();
    EXPECT_FALSE(m.Press(false));
    EXPECT_FALSE(m.Release(false, false));
    EXPECT_EQ(m.Frame(), sHover);
    EXPECT_TRUE(m.SetEnabled(false));
    EXPECT_EQ(m.Frame(), sDisable);
    EXPECT_FALSE(m.MouseLeave());
    EXPECT_FALSE(m.MouseEnter());
    EXPECT_FALSE(m.Press(true));
    EXPECT_FALSE(m.Release(true, true));
    EXPECT_EQ(m.Frame(), sDisable);
    m.SetEnabled(true);
    EXPECT_EQ(m.Frame(), sNormal);
}

TEST(PngButtonModelTest, DownIsReappliedAtPaintAndDisabledWins) {
    TPngButtonModel m;
    m.SetDown(true);
    m.MouseEnter();
    EXPECT_EQ(m.Frame(), sHover);  // stored until the next paint
    EXPECT_EQ(m.PaintFrame(), sDown);
    EXPECT_EQ(m.Frame(), sDown);
    m.SetEnabled(false);
    EXPECT_EQ(m.PaintFrame(), sDisable);
    m.SetEnabled(true);
    EXPECT_EQ(m.PaintFrame(), sDown);
    m.SetDown(false);
    EXPECT_EQ(m.Frame(), sNormal);
    EXPECT_EQ(m.PaintFrame(), sNormal);
    m.MouseEnter();
    m.ImageAssigned();
    EXPECT_EQ(m.Frame(), sNormal);
}

TEST(PngButtonGeometryTest, StripTargetPutsTheFrameOnTheClientArea) {
    EXPECT_EQ(StripFrameWidth(240), 60);
    EXPECT_EQ(StripFrameWidth(122), 30);
    EXPECT_EQ(StripFrameWidth(3), 0);
    EXPECT_EQ(StripTarget(0, 60, 21), (TBox{0, 0, 240, 21}));
    EXPECT_EQ(StripTarget(2, 60, 21), (TBox{-120, 0, 120, 21}));
    EXPECT_EQ(StripTarget(3, 30, 19), (TBox{-90, 0, 30, 19}));
}

TEST(PngButtonGeometryTest, CaptionCentresTruncatingTowardZero) {
    TTextPos p = CenteredText(60, 21, 25, 13);
    EXPECT_EQ(p.X, 17);
    EXPECT_EQ(p.Y, 4);
    // Text wider than the button: (30 - 45) / 2 = -7, not -8.
    p = CenteredText(30, 10, 45, 13);
    EXPECT_EQ(p.X, -7);
    EXPECT_EQ(p.Y, -1);
}

}  // namespace
}  // namespace vd
