#include "controls/model/check_box_model.h"

#include <gtest/gtest.h>

#include "tests/controls/line_raster.h"

namespace vd {
namespace {

// The ticked 11 x 11 box: border ring ('B'), tick strokes ('#'), fill ('.').
const test::TPixelRows kTickedBox = {
    "BBBBBBBBBBB", "B.........B", "B.......#.B", "B......##.B", "B.#...###.B", "B.##.###..B",
    "B.#####...B", "B..###....B", "B...#.....B", "B.........B", "BBBBBBBBBBB",
};

TEST(CheckBoxGeometry, BoxCaptionAndTickInBothLayouts) {
    EXPECT_EQ(CheckBoxBoxRect(checkboxLeft, 212, 17), (TBox{1, 3, 12, 14}));
    EXPECT_EQ(CheckBoxBoxRect(checkboxRight, 212, 17), (TBox{200, 3, 211, 14}));
    EXPECT_EQ(CheckBoxTextRect(checkboxLeft, 212, 17), (TBox{16, 1, 211, 16}));
    EXPECT_EQ(CheckBoxTextRect(checkboxRight, 212, 17), (TBox{1, 1, 196, 16}));
    test::TPixelRows rows = test::BlankRows(11, 11);
    for (const TLineSegment& s : CheckTickSegments(0, 0)) test::RasterLine(rows, s.X1, s.Y1, s.X2, s.Y2);
    for (int i = 0; i < 11; ++i) rows[0][i] = rows[10][i] = rows[i][0] = rows[i][10] = 'B';
    EXPECT_EQ(rows, kTickedBox);
    EXPECT_EQ(CheckTickSegments(200, 3)[3].X1, 208);  // relative to the box's corner
}

TEST(CheckBoxModel, FillPressReleaseAndDisabling) {
    TCheckBoxModel m;
    int redraws = 0;
    m.OnRedraw = [&] { ++redraws; };
    // Never hot: press and release redraw, pressed alone shows no pressed
    // fill, and nothing toggles.
    EXPECT_TRUE(m.Press());
    EXPECT_EQ(m.Fill(), TCheckBoxFill::Color);
    EXPECT_FALSE(m.Release());
    EXPECT_EQ(redraws, 2);
    m.FocusIn();
    EXPECT_EQ(m.Fill(), TCheckBoxFill::Focused);
    m.BecomeHot();
    m.Press();
    EXPECT_EQ(m.Fill(), TCheckBoxFill::Down);
    EXPECT_TRUE(m.SetChecked(true));
    EXPECT_FALSE(m.SetChecked(true));  // unchanged: the caller raises no click
    // Disabled: hot and pressed end, presses are ignored, hot does not come.
    m.SetEnabled(false);
    EXPECT_FALSE(m.Hot() || m.Pressed() || m.Press());
    m.BecomeHot();
    EXPECT_FALSE(m.Hot());
}

TEST(CheckBoxHover, OneHotBoxAtATime) {
    TCheckBoxModel a, b;
    TCheckBoxHover hover;
    EXPECT_TRUE(hover.MouseOver(a, true));
    EXPECT_TRUE(a.Hot());
    // Straight onto the other box: the first one is cold at once.
    EXPECT_TRUE(hover.MouseOver(b, true));
    EXPECT_FALSE(a.Hot());
    EXPECT_TRUE(b.Hot());
    EXPECT_EQ(hover.Owner(), &b);
    // Ticks keep it hot while the cursor is over it or while it is pressed.
    hover.Tick(true);
    b.Press();
    hover.Tick(false);
    EXPECT_TRUE(b.Hot());
    EXPECT_TRUE(hover.TimerRunning());
    b.Release();
    hover.Tick(false);
    EXPECT_FALSE(b.Hot());
    EXPECT_EQ(hover.Owner(), nullptr);
    EXPECT_FALSE(hover.TimerRunning());
    // No active window: the previous box cools, nobody takes the timer.
    hover.MouseOver(a, true);
    EXPECT_FALSE(hover.MouseOver(b, false));
    EXPECT_FALSE(a.Hot() || b.Hot() || hover.TimerRunning());
    // Only the owner's release frees the timer.
    hover.MouseOver(a, true);
    hover.Release(b);
    EXPECT_EQ(hover.Owner(), &a);
}

}  // namespace
}  // namespace vd
