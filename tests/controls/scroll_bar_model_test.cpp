#include "controls/model/scroll_bar_model.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(ScrollBarValuesTest, SetterRules) {
    TScrollBarValues v;
    EXPECT_FALSE(v.SetPosition(30, false));  // disabled: nothing
    EXPECT_EQ(v.Position(), 0);
    EXPECT_TRUE(v.SetPosition(130, true));
    EXPECT_EQ(v.Position(), 100);
    EXPECT_TRUE(v.SetPosition(-5, true));
    EXPECT_EQ(v.Position(), 0);

    v.SetPosition(80, true);
    EXPECT_FALSE(v.SetMax(-1));
    EXPECT_TRUE(v.SetMax(50));
    EXPECT_EQ(v.Position(), 50);  // pulled down
    EXPECT_TRUE(v.SetMin(20));
    EXPECT_FALSE(v.SetMax(10));   // below Min
    EXPECT_FALSE(v.SetMin(60));   // above Max
    EXPECT_FALSE(v.SetMin(-1));
    EXPECT_EQ(v.Max(), 50);
    EXPECT_EQ(v.Min(), 20);

    // SmallChange must stay below LargeChange; LargeChange may equal it.
    EXPECT_FALSE(v.SetSmallChange(5));
    EXPECT_FALSE(v.SetSmallChange(0));
    EXPECT_TRUE(v.SetSmallChange(4));
    EXPECT_FALSE(v.SetLargeChange(3));
    EXPECT_TRUE(v.SetLargeChange(4));
    EXPECT_EQ(v.SmallChange(), 4);
    EXPECT_EQ(v.LargeChange(), 4);

    v.SetScrollerWidth(1);
    EXPECT_EQ(v.ScrollerWidth(), 3);
}

TEST(ScrollBarValuesTest, RepeatStepsStopAtTheEndsOnlyForArrows) {
    TScrollBarValues v;
    v.SetSmallChange(2);
    v.SetPosition(99, true);
    EXPECT_EQ(v.RepeatStep(saBtnArrowUp), 100);
    EXPECT_EQ(v.RepeatStep(saTrackUp), 104);  // the Position setter clamps it
    v.SetPosition(1, true);
    EXPECT_EQ(v.RepeatStep(saBtnArrowDown), 0);
    EXPECT_EQ(v.RepeatStep(saTrackDown), -4);
    EXPECT_EQ(v.RepeatStep(saScroller), 1);
}

TEST(ScrollBarLayoutTest, VerticalBarOfTheMemo) {
    TScrollBarValues v;  // buttons 18, thumb 15, range 0..100
    TScrollBarLayout l = LayoutScrollBar(sbVertical, 16, 163, v);
    EXPECT_EQ(l.ButtonLength, 18);
    EXPECT_EQ(l.TrackLength, 127);
    EXPECT_TRUE(l.ScrollerFits);
    EXPECT_EQ(l.Area(saBtnArrowDown), (TBox{0, 0, 16, 18}));
    EXPECT_EQ(l.Area(saBtnArrowUp), (TBox{0, 145, 16, 163}));
    EXPECT_EQ(l.Area(saScroller), (TBox{0, 18, 16, 33}));
    EXPECT_TRUE(l.Area(saTrackDown).IsEmpty());
    EXPECT_EQ(l.Area(saTrackUp), (TBox{0, 33, 16, 145}));
    EXPECT_EQ(l.HitTest(5, 18), saScroller);
    EXPECT_EQ(l.HitTest(5, 17), saBtnArrowDown);
    EXPECT_EQ(l.HitTest(16, 50), saNone);

    v.SetPosition(100, true);
    l = LayoutScrollBar(sbVertical, 16, 163, v);
    EXPECT_EQ(l.Area(saScroller), (TBox{0, 130, 16, 145}));
    EXPECT_EQ(l.Area(saTrackDown), (TBox{0, 18, 16, 130}));
    EXPECT_TRUE(l.Area(saTrackUp).IsEmpty());
    // A disabled bar paints saTrackUp over the thumb's place.
    v.SetPosition(40, true);
    l = LayoutScrollBar(sbVertical, 16, 163, v);
    EXPECT_EQ(l.TrackUpPaintBox(false), (TBox{0, l.Area(saScroller).Top, 16, 145}));
    EXPECT_EQ(l.TrackUpPaintBox(true), l.Area(saTrackUp));
}

TEST(ScrollBarLayoutTest, ThumbPlaceRoundsHalvesToEven) {
    EXPECT_EQ(ThumbOffset(127, 15, 1, 224), 0);  // 0.5
    EXPECT_EQ(ThumbOffset(127, 15, 3, 224), 2);  // 1.5
    EXPECT_EQ(ThumbOffset(127, 15, 5, 224), 2);  // 2.5
    EXPECT_EQ(ThumbOffset(127, 15, 7, 0), 0);    // Max < 1
    EXPECT_EQ(RoundHalfEven(-5, 2), -2);
    EXPECT_EQ(RoundHalfEven(-7, 2), -4);
}

TEST(ScrollBarLayoutTest, ButtonLengthAndNoThumbWhenItDoesNotFit) {
    TScrollBarValues v;
    TScrollBarLayout l = LayoutScrollBar(sbHorizontal, 150, 18, v);
    EXPECT_EQ(l.Area(saBtnArrowUp), (TBox{132, 0, 150, 18}));
    EXPECT_EQ(l.Area(saScroller), (TBox{18, 0, 33, 18}));

    v.SetButtonWidth(100);  // at most half the length
    EXPECT_EQ(LayoutScrollBar(sbHorizontal, 150, 18, v).ButtonLength, 75);
    v.SetButtonWidth(-4);
    EXPECT_EQ(LayoutScrollBar(sbHorizontal, 150, 18, v).ButtonLength, 0);

    v.SetButtonWidth(18);
    l = LayoutScrollBar(sbHorizontal, 51, 18, v);  // track of 15 = thumb: no thumb
    EXPECT_FALSE(l.ScrollerFits);
    EXPECT_EQ(l.Area(saScroller), (TBox{18, 0, 18, 18}));
    EXPECT_EQ(l.Area(saTrackUp), (TBox{18, 0, 33, 18}));
    EXPECT_EQ(l.TrackUpPaintBox(false), l.Area(saTrackUp));
    EXPECT_EQ(ThumbGrips(l).Count, 0);
}

TEST(ScrollBarLayoutTest, Arrows) {
    EXPECT_EQ(ArrowBase(16), 7);
    EXPECT_EQ(ArrowBase(18), 7);  // 8 made odd
    EXPECT_EQ(ArrowBase(20), 9);
    EXPECT_EQ(ArrowBase(14), 5);
    EXPECT_EQ(ArrowBase(3), 0);
    EXPECT_EQ(ArrowDepth(7), 4);
    EXPECT_EQ(ArrowDepth(9), 5);

    TScrollBarLayout l = LayoutScrollBar(sbVertical, 16, 163, TScrollBarValues{});
    const TScrollArrow& up = l.Arrows[0];
    EXPECT_EQ(up.Bounds, (TBox{4, 7, 11, 11}));
    EXPECT_EQ(up.Row(0), (TBox{7, 7, 8, 8}));     // the tip on top
    EXPECT_EQ(up.Row(3), (TBox{4, 10, 11, 11}));  // the base, 7 wide
    const TScrollArrow& down = l.Arrows[1];
    EXPECT_EQ(down.Row(0), (TBox{7, 155, 8, 156}));  // the tip at the bottom
    EXPECT_EQ(down.Row(3), (TBox{4, 152, 11, 153}));

    const TScrollArrow& left = LayoutScrollBar(sbHorizontal, 150, 18, TScrollBarValues{}).Arrows[0];
    EXPECT_EQ(left.Row(0), (TBox{7, 8, 8, 9}));
    EXPECT_EQ(left.Row(3), (TBox{10, 5, 11, 12}));
}

TEST(ScrollBarLayoutTest, GripLines) {
    TScrollBarLayout l = LayoutScrollBar(sbVertical, 16, 163, TScrollBarValues{});
    TGripLines g = ThumbGrips(l);
    ASSERT_EQ(g.Count, 4);
    EXPECT_EQ(g.Lines[0], (TBox{4, 22, 12, 23}));  // 18 + (15 - 7) div 2
    EXPECT_EQ(g.Lines[3], (TBox{4, 28, 12, 29}));

    TScrollBarValues v;
    v.SetScrollerWidth(7);
    EXPECT_EQ(ThumbGrips(LayoutScrollBar(sbVertical, 16, 163, v)).Count, 0);
    g = ThumbGrips(LayoutScrollBar(sbHorizontal, 150, 18, v));
    EXPECT_EQ(g.Count, 0);
    v.SetScrollerWidth(8);
    g = ThumbGrips(LayoutScrollBar(sbHorizontal, 150, 18, v));
    ASSERT_EQ(g.Count, 4);
    EXPECT_EQ(g.Lines[0], (TBox{18, 4, 19, 14}));
}

TEST(ScrollBarLayoutTest, DragArithmetic) {
    TScrollBarValues v;
    TScrollBarLayout l = LayoutScrollBar(sbVertical, 16, 163, v);  // room 163 - 36 - 15 = 112
    const int grab = 6;
    EXPECT_EQ(DragPosition(l, 15, 100, 18 + grab + 112, grab, -1), 100);  // the track's end
    EXPECT_EQ(DragPosition(l, 15, 100, 18 + grab + 56, grab, -1), 50);
    EXPECT_EQ(DragPosition(l, 15, 100, 18 + grab, grab, -1), 0);
    EXPECT_GT(DragPosition(l, 15, 100, 300, grab, -1), 100);  // clamped by the setter
    EXPECT_LT(DragPosition(l, 15, 100, 0, grab, -1), 0);
    EXPECT_EQ(DragPosition(l, 15, 224, 18 + grab + 1, grab, -1), 2);  // 2.0
    EXPECT_EQ(DragPosition(l, 15, 56, 18 + grab + 1, grab, -1), 0);   // 0.5 to even
    l = LayoutScrollBar(sbVertical, 16, 51, v);
    EXPECT_EQ(DragPosition(l, 15, 100, 40, 0, 7), 7);  // no room: unchanged
}

}  // namespace
}  // namespace vd
