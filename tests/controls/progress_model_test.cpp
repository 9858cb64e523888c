#include "controls/model/progress_model.h"

#include <gtest/gtest.h>

#include "controls/model/frame_style.h"

namespace vd {
namespace {

TEST(ProgressModel, PercentOfPartsRoundsTiesToEven) {
    EXPECT_EQ(PercentOfParts(1, 8), 12);  // 12.5
    EXPECT_EQ(PercentOfParts(3, 8), 38);  // 37.5
    EXPECT_EQ(PercentOfParts(5, 8), 62);  // 62.5
    EXPECT_EQ(PercentOfParts(2, 3), 67);
    EXPECT_EQ(PercentOfParts(1, 200), 0);  // 0.5
    EXPECT_EQ(PercentOfParts(3, 200), 2);  // 1.5
    EXPECT_EQ(PercentOfParts(kMaxProgressParts, kMaxProgressParts), 100);
    EXPECT_EQ(PercentOfParts(kMaxProgressParts - 1, kMaxProgressParts), 100);
}

TEST(ProgressModel, FilledAndEmptyParts) {
    const TBox r{1, 1, 440, 15};  // the wizard's interior, 439 x 14
    EXPECT_EQ(FilledPart(r, 0, orHorizontal), (TBox{1, 1, 1, 15}));
    EXPECT_EQ(FilledPart(r, 42, orHorizontal), (TBox{1, 1, 185, 15}));   // 184.38
    EXPECT_EQ(FilledPart(r, 50, orHorizontal), (TBox{1, 1, 221, 15}));   // 219.5 -> 220
    EXPECT_EQ(EmptyPart(r, 50, orHorizontal), (TBox{221, 1, 440, 15}));
    EXPECT_EQ(FilledPart(r, 100, orHorizontal), r);
    EXPECT_EQ(FilledPart(r, 130, orHorizontal), r);
    EXPECT_TRUE(EmptyPart(r, 130, orHorizontal).IsEmpty());
    // Vertical: from the bottom; 5 of 10 rows at 50, 2.5 -> 2 at 25.
    const TBox v{0, 0, 16, 10};
    EXPECT_EQ(FilledPart(v, 50, orVertical), (TBox{0, 5, 16, 10}));
    EXPECT_EQ(FilledPart(v, 25, orVertical), (TBox{0, 8, 16, 10}));
    EXPECT_EQ(EmptyPart(v, 25, orVertical), (TBox{0, 0, 16, 8}));
}

TEST(ProgressModel, LedSegments) {
    // {size d, count S, margin m, lit}
    // 439 / 20 = 21, no room for another; 19 left: 9 before, 10 after.
    EXPECT_EQ(LedLayout(439, 20, 50), (TLedLayout{21, 20, 9, 10}));
    EXPECT_EQ(LedLayout(439, 20, 130).Lit, 26);  // not cut to the count
    // L <= 80 with S > 10: ten segments of L div 10; 5 left: 2 before.
    EXPECT_EQ(LedLayout(80, 20, 0), (TLedLayout{8, 10, 0, 0}));
    EXPECT_EQ(LedLayout(75, 11, 0), (TLedLayout{7, 10, 2, 0}));
    // ... but not with S = 10, nor above 80.
    EXPECT_EQ(LedLayout(75, 10, 0).Size, 7);
    EXPECT_EQ(LedLayout(81, 20, 0).Size, 4);
    // Extra segments: 95 / 30 = 3 leaves 5, room for one more; then 2 left.
    // 15.5 lit segments round to 16.
    EXPECT_EQ(LedLayout(95, 30, 50), (TLedLayout{3, 31, 1, 16}));
    EXPECT_EQ(LedLayout(100, 7, 0).Count, 7);  // 2 left < 14
    // Too short for one pixel per segment: no segments, all margin.
    EXPECT_EQ(LedLayout(5, 10, 100), (TLedLayout{0, 10, 2, 10}));
    // Segment positions: from the left edge, or ending above the bottom.
    const TLedLayout led = LedLayout(95, 30, 0);
    EXPECT_EQ(LedSegment(TBox{2, 2, 97, 12}, led, 3, orHorizontal), (TBox{9, 2, 12, 12}));
    EXPECT_EQ(LedSegment(TBox{2, 2, 12, 97}, led, 2, orVertical), (TBox{2, 90, 12, 93}));
}

TEST(ProgressModel, PercentText) {
    EXPECT_EQ(PercentText(0), "0%");
    EXPECT_EQ(PercentText(42), "42%");
    EXPECT_EQ(PercentText(130), "130%");
    // Centred on R.Right div 2, not on the middle of R.
    const TTextOrigin at = PercentTextOrigin(TBox{11, 1, 440, 15}, 25, 13);
    EXPECT_EQ(at.X, 220 - 12);
    EXPECT_EQ(at.Y, 1);
    EXPECT_EQ(PercentTextOrigin(TBox{0, 4, 10, 24}, 4, 15).Y, 4 + 2);
}

// Pixels of the fills, and how far the rectangle shrank.
struct TFrameResult {
    int Pixels = 0, Inset = 0;
    bool Corner = false;  // the top-left pixel is drawn
};
TFrameResult Frame(TFrameStyleEx s, bool inner, int bevelWidth = 1) {
    TBox r{0, 0, 10, 6};
    TFrameResult out;
    for (const TFrameFill& f : FrameStyleFills(s, inner, r, bevelWidth, clBlack)) {
        out.Pixels += f.Box.Width() * f.Box.Height();
        out.Corner = out.Corner || f.Box.Contains(0, 0);
    }
    out.Inset = r.Left;
    return out;
}

TEST(FrameStyle, FlatRingsAndBevelWidths) {
    // Outer flat: a full rectangle; inner flat: the four corners left out.
    EXPECT_EQ(Frame(fsFlat, false).Pixels, 28);
    EXPECT_TRUE(Frame(fsFlat, false).Corner);
    EXPECT_EQ(Frame(fsFlat, true).Pixels, 24);
    EXPECT_FALSE(Frame(fsFlat, true).Corner);
    EXPECT_FALSE(Frame(fsFlatRounded, false).Corner);
    const struct {
        TFrameStyleEx Style;
        int BevelWidth, Inset;
    } insets[] = {{fsNone, 1, 0},     {fsFlat, 1, 1},     {fsGroove, 1, 2}, {fsButtonUp, 1, 2},
                  {fsFlatBold, 1, 2}, {fsLowered, 3, 3}, {fsRaised, 2, 2}, {fsStatus, 3, 1}};
    for (const auto& c : insets) EXPECT_EQ(Frame(c.Style, false, c.BevelWidth).Inset, c.Inset) << c.Style;
    // A raised ring: highlight on the top-left, shadow on the bottom-right
    // (the top-right corner pixel too).
    TBox r{0, 0, 4, 4};
    for (const TFrameFill& f : FrameStyleFills(fsRaised, false, r, 1, clBlack))
        EXPECT_EQ(f.Color, f.Box.Contains(0, 0) || f.Box.Contains(0, 2) ? kBevelHighlight : kBevelShadow);
    // Tiny areas never shrink past empty.
    r = TBox{0, 0, 1, 1};
    FrameStyleFills(fsButtonDown, false, r, 1, clBlack);
    EXPECT_TRUE(r.IsEmpty() && r.Right >= r.Left && r.Bottom >= r.Top);
}

TEST(FrameStyle, FlatColorAdjustment) {
    EXPECT_EQ(AdjustFlatColor(clSkinBorder, 0), clSkinBorder);
    EXPECT_EQ(AdjustFlatColor(clSkinBorder, 255), clWhite);
    EXPECT_EQ(AdjustFlatColor(clSkinBorder, -255), clBlack);
    EXPECT_EQ(AdjustFlatColor(RGB(128, 128, 128), 10), RGB(138, 138, 138));
    EXPECT_EQ(AdjustFlatColor(RGB(128, 128, 128), -28), RGB(100, 100, 100));
    // Hue and saturation stay: red lightened is a lighter red.
    const TColor pink = AdjustFlatColor(RGB(255, 0, 0), 64);
    EXPECT_EQ(GetRValue(pink), 255);
    EXPECT_EQ(GetGValue(pink), GetBValue(pink));
    EXPECT_GT(GetGValue(pink), 100);
}

}  // namespace
}  // namespace vd
