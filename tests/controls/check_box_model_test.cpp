#include "controls/model/check_box_model.h"

#include <gtest/gtest.h>

#include "tests/controls/line_raster.h"

namespace vd {
namespace {

// The 11 x 11 box: border ring, tick strokes ('#'), fill ('.').
const test::TPixelRows kTickedBox = {
    "BBBBBBBBBBB",  //
    "B.........B",  //
    "B.......#.B",  //
    "B......##.B",  //
    "B.#...###.B",  //
    "B.##.###..B",  //
    "B.#####...B",  //
    "B..###....B",  //
    "B...#.....B",  //
    "B.........B",  //
    "BBBBBBBBBBB",  //
};

TEST(CheckBoxGeometry, BoxCaptionAndTickInBothLayouts) {
    EXPECT_EQ(CheckBoxBoxRect(checkboxLeft, 212, 17), (TBox{1, 3, 12, 14}));
    EXPECT_EQ(CheckBoxBoxRect(checkboxRight, 212, 17), (TBox{200, 3, 211, 14}));
    EXPECT_EQ(CheckBoxBoxRect(checkboxRight, 212, 17).Width(), 11);
    EXPECT_EQ(CheckBoxTextRect(checkboxLeft, 212, 17), (TBox{16, 1, 211, 16}));
    EXPECT_EQ(CheckBoxTextRect(checkboxRight, 212, 17), (TBox{1, 1, 196, 16}));

    test::TPixelRows rows = test::BlankRows(11, 11);
    for (const TLineSegment& s : CheckTickSegments(0, 0)) test::RasterLine(rows, s.X1, s.Y1, s.X2, s.Y2);
    for (int i = 0; i < 11; ++i) rows[0][i] = rows[10][i] = rows[i][0] = rows[i][10] = 'B';
    EXPECT_EQ(rows, kTickedBox);
    // Relative to the box's corner.
    EXPECT_EQ(CheckTickSegments(200, 3)[3].X1, 208);
    EXPECT_EQ(CheckTickSegments(200, 3)[2].Y2, 12);
}

struct Counted {
    TCheckBoxModel box;
    int redraws = 0;
    Counted() {
        box.OnRedraw = [this] { ++redraws; };
    }
};

TEST(CheckBoxModel, FillFollowsHotFocusAndPress) {
    TCheckBoxModel m;
    EXPECT_EQ(m.Fill(), TCheckBoxFill::Color);
    m.FocusIn();
    EXPECT_EQ(m.Fill(), TCheckBoxFill::Focused);
    m.Press();
    EXPECT_EQ(m.Fill(), TCheckBoxFill::Down);
    m.FocusOut();  // pressed alone is not enough to show the pressed fill
    EXPECT_EQ(m.Fill(), TCheckBoxFill::Color);
    m.BecomeHot();
    EXPECT_EQ(m.Fill(), TCheckBoxFill::Down);
    EXPECT_FALSE(m.LoseHot());  // a pressed box stays hot
    m.ExitNotified();
    EXPECT_TRUE(m.Hot());
}

TEST(CheckBoxModel, PressAndReleaseToggleOnlyAHotEnabledBox) {
    Counted c;
    TCheckBoxModel& m = c.box;
    // Never hot: press and release redraw but do not toggle.
    EXPECT_TRUE(m.Press());
    EXPECT_FALSE(m.Release());
    EXPECT_EQ(c.redraws, 2);
    // Hot: the release toggles, even after the mouse left while pressed.
    m.BecomeHot();
    m.Press();
    EXPECT_FALSE(m.LoseHot());
    EXPECT_TRUE(m.Release());
    EXPECT_TRUE(m.SetChecked(!m.Checked()));
    EXPECT_FALSE(m.SetChecked(true));  // unchanged: no click, no redraw
    EXPECT_TRUE(m.Checked());
    EXPECT_FALSE(m.Pressed());
    // Disabled: hot and pressed end, presses are ignored, hot does not come.
    m.Press();
    m.SetEnabled(false);
    EXPECT_FALSE(m.Hot());
    EXPECT_FALSE(m.Pressed());
    EXPECT_FALSE(m.Press());
    int before = c.redraws;
    m.BecomeHot();
    EXPECT_FALSE(m.Hot());
    EXPECT_EQ(c.redraws, before + 1);  // it redraws all the same
    m.FocusIn();
    m.FocusOut();  // a disabled box keeps its focused look until the exit notification
    EXPECT_TRUE(m.Focused());
    m.ExitNotified();
    EXPECT_FALSE(m.Focused());
}

TEST(CheckBoxHover, OneHotBoxAtATime) {
    Counted a, b;
    TCheckBoxHover hover;
    EXPECT_TRUE(hover.MouseOver(a.box, true));
    EXPECT_TRUE(a.box.Hot());
    EXPECT_EQ(hover.Owner(), &a.box);
    EXPECT_TRUE(hover.TimerRunning());
    // Straight onto the other box: the first one is cold at once.
    EXPECT_TRUE(hover.MouseOver(b.box, true));
    EXPECT_FALSE(a.box.Hot());
    EXPECT_TRUE(b.box.Hot());
    EXPECT_EQ(hover.Owner(), &b.box);
    EXPECT_EQ(a.redraws, 2);
    // The tick keeps it hot while the cursor is over it, then lets go.
    hover.Tick(true);
    EXPECT_TRUE(b.box.Hot());
    hover.Tick(false);
    EXPECT_FALSE(b.box.Hot());
    EXPECT_EQ(hover.Owner(), nullptr);
    EXPECT_FALSE(hover.TimerRunning());
}

TEST(CheckBoxHover, PressedOwnerInactiveApplicationAndRelease) {
    TCheckBoxModel a, b;
    TCheckBoxHover hover;
    hover.MouseOver(a, true);
    a.Press();
    hover.Tick(false);  // dragged outside: still hot, the timer goes on
    EXPECT_TRUE(a.Hot());
    EXPECT_TRUE(hover.TimerRunning());
    EXPECT_TRUE(a.Release());
    hover.Tick(false);
    EXPECT_FALSE(a.Hot());
    EXPECT_FALSE(hover.TimerRunning());
    // No active window: the previous box cools down, nobody takes the timer.
    hover.MouseOver(a, true);
    EXPECT_FALSE(hover.MouseOver(b, false));
    EXPECT_FALSE(a.Hot());
    EXPECT_FALSE(b.Hot());
    EXPECT_EQ(hover.Owner(), nullptr);
    // Releasing another box's claim leaves the owner alone.
    hover.MouseOver(a, true);
    hover.Release(b);
    EXPECT_EQ(hover.Owner(), &a);
    hover.Release(a);
    EXPECT_EQ(hover.Owner(), nullptr);
    EXPECT_FALSE(hover.TimerRunning());
}

}  // namespace
}  // namespace vd
