// What the slideshow control decides without a window: the display
// rectangle, background tiles, the auto-size answer, step arithmetic and
// style names.
#include <gtest/gtest.h>

#include <vector>

#include "controls/model/slideshow_layout.h"
#include "controls/model/slideshow_steps.h"
#include "controls/model/slideshow_styles.h"
#include "core/text.h"

namespace vd {
namespace {

TEST(SlideshowDisplayRectTest, ProportionalScalesDownAndCentres) {
    // 400 x 300 in 200 x 200: 200 x 150, centred at (0, 25).
    EXPECT_EQ(SlideshowDisplayRect(200, 200, 0, 400, 300, false, false, true), (TBox{0, 0, 200, 150}));
    EXPECT_EQ(SlideshowDisplayRect(200, 200, 0, 400, 300, true, false, true), (TBox{0, 25, 200, 175}));
    // Taller than wide: the height decides; MulDiv rounds 300 * 200 / 450.
    EXPECT_EQ(SlideshowDisplayRect(200, 200, 0, 300, 450, true, false, true), (TBox{33, 0, 166, 200}));
    // A picture that fits keeps its size unless Stretch is set too.
    EXPECT_EQ(SlideshowDisplayRect(503, 186, 0, 100, 50, false, false, true), (TBox{0, 0, 100, 50}));
    EXPECT_EQ(SlideshowDisplayRect(500, 186, 0, 100, 50, false, true, true), (TBox{0, 0, 372, 186}));
}

TEST(SlideshowDisplayRectTest, FrameStretchAndNaturalSize) {
    EXPECT_EQ(SlideshowDisplayRect(503, 186, 0, 503, 186, false, false, false), (TBox{0, 0, 503, 186}));
    EXPECT_EQ(SlideshowDisplayRect(100, 80, 3, 40, 30, false, false, false), (TBox{3, 3, 43, 33}));
    EXPECT_EQ(SlideshowDisplayRect(100, 80, 3, 40, 30, false, true, false), (TBox{3, 3, 97, 77}));
    // Centring a picture larger than the area puts it at negative offsets.
    EXPECT_EQ(SlideshowDisplayRect(100, 80, 0, 141, 90, true, false, false), (TBox{-20, -5, 121, 85}));
    EXPECT_EQ(SlideshowDisplayRect(100, 80, 3, 41, 31, true, false, false), (TBox{29, 24, 70, 55}));
    // No picture yet (after Clear): an empty rectangle.
    EXPECT_TRUE(SlideshowDisplayRect(100, 80, 2, 0, 0, true, false, true).IsEmpty());
    // A frame wider than the client leaves nothing to stretch over.
    TBox r = SlideshowDisplayRect(10, 10, 8, 40, 30, false, true, false);
    EXPECT_EQ(r.Width(), 0);
    EXPECT_EQ(r.Height(), 0);
}

TEST(SlideshowTilesTest, TilesAlignToTheRectangleAndCoverOnlyTheClip) {
    TBox rect{0, 0, 503, 186};
    // Clip box from (45, 30): the first tile starts at 45 - 45 % 20 = 40.
    std::vector<TBox> tiles = SlideshowTiles(rect, TBox{45, 30, 101, 61}, 20, 16);
    ASSERT_FALSE(tiles.empty());
    EXPECT_EQ(tiles.front(), (TBox{40, 16, 60, 32}));
    EXPECT_EQ(tiles.back(), (TBox{100, 48, 120, 64}));
    EXPECT_EQ(tiles.size(), 3u * 4u);
    // A clip reaching outside the rectangle tiles only its inside.
    tiles = SlideshowTiles(TBox{10, 10, 50, 50}, TBox{-100, -100, 30, 30}, 16, 16);
    ASSERT_EQ(tiles.size(), 4u);
    EXPECT_EQ(tiles.front(), (TBox{10, 10, 26, 26}));
    EXPECT_TRUE(SlideshowTiles(rect, TBox{600, 0, 700, 10}, 20, 16).empty());
    EXPECT_TRUE(SlideshowTiles(rect, rect, 0, 16).empty());
    EXPECT_EQ(CenteredBox(TBox{0, 0, 100, 80}, 31, 21), (TBox{34, 29, 65, 50}));
}

TEST(SlideshowAutoSizeTest, PictureAndFrameUnlessTheParentDecides) {
    int w = 100, h = 100;
    EXPECT_TRUE(SlideshowAutoSize(true, 503, 186, 2, TSlideshowSizing::Free, 100, 96, 100, 98, w, h));
    EXPECT_EQ(w, 503 + 4 + 4);
    EXPECT_EQ(h, 186 + 4 + 2);
    w = h = 100;
    EXPECT_TRUE(SlideshowAutoSize(true, 50, 40, 0, TSlideshowSizing::FixedWidth, 100, 100, 100, 100, w, h));
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 40);
    w = h = 100;
    EXPECT_TRUE(SlideshowAutoSize(true, 50, 40, 0, TSlideshowSizing::FixedHeight, 100, 100, 100, 100, w, h));
    EXPECT_EQ(w, 50);
    EXPECT_EQ(h, 100);
    EXPECT_FALSE(SlideshowAutoSize(true, 50, 40, 0, TSlideshowSizing::Fixed, 100, 100, 100, 100, w, h));
    EXPECT_FALSE(SlideshowAutoSize(false, 0, 0, 0, TSlideshowSizing::Free, 100, 100, 100, 100, w, h));
}

// The progress values a whole transition shows, from its start.
std::vector<int> Walk(int step, bool reverse) {
    std::vector<int> seen;
    int p = SlideshowStartProgress(reverse);
    int s = SlideshowStepValue(step);
    while (!SlideshowAtEnd(p, reverse)) {
        p = SlideshowNextProgress(p, s, reverse);
        seen.push_back(p);
    }
    return seen;
}

TEST(SlideshowStepsTest, StepsOfATransition) {
    std::vector<int> d = Walk(4, false);
    ASSERT_EQ(d.size(), 25u);
    EXPECT_EQ(d.front(), 4);
    EXPECT_EQ(d.back(), 100);
    std::vector<int> seven = Walk(7, false);
    ASSERT_EQ(seven.size(), 15u);
    EXPECT_EQ(seven[13], 98);
    EXPECT_EQ(seven[14], 100);
    EXPECT_EQ(Walk(0, false).size(), 100u);                   // Step 0 behaves as 1
    EXPECT_EQ(Walk(250, false), std::vector<int>{100});       // and 250 as 100
    std::vector<int> back = Walk(7, true);
    EXPECT_EQ(back.front(), 93);
    EXPECT_EQ(back[back.size() - 2], 2);
    EXPECT_EQ(back.back(), 0);
    EXPECT_EQ(SlideshowStepValue(65535), 100);
}

TEST(SlideshowStepsTest, PaceKeepsTheDelayAndCatchesUpWithExactTiming) {
    TSlideshowPace p = SlideshowPace(4, 4, 40, 15, true);
    EXPECT_EQ(p.Wait, 25);
    EXPECT_TRUE(p.ReadStep);
    p = SlideshowPace(4, 4, 40, 100, true);  // 2.5 delays: a step of 10
    EXPECT_LT(p.Wait, 0);
    EXPECT_FALSE(p.ReadStep);
    EXPECT_EQ(p.NextStep, 10);
    p = SlideshowPace(6, 4, 40, 100, false);  // late without ExactTiming: unchanged
    EXPECT_EQ(p.NextStep, 6);
    // Delay 0: no division by zero, the step stays at least 1.
    p = SlideshowPace(4, 4, 0, 7, true);
    EXPECT_EQ(p.NextStep, 4);
    p = SlideshowPace(1, 1, 0, 0, true);
    EXPECT_TRUE(p.ReadStep);
    EXPECT_EQ(p.NextStep, 1);
    EXPECT_GE(SlideshowPace(1, 1, 1000, 1001, true).NextStep, 1);
}

TEST(SlideshowStylesTest, NamesRoundTrip) {
    EXPECT_EQ(SlideshowStyleName(0), "Custom");
    EXPECT_EQ(SlideshowStyleName(51), "Appear and Contract to middle");
    EXPECT_EQ(SlideshowStyleName(33), "Expand from bottom");
    EXPECT_EQ(SlideshowStyleName(172), "");
    EXPECT_EQ(SlideshowStyleByName("custom"), 0);
    EXPECT_EQ(SlideshowStyleByName(AsciiUpper(SlideshowStyleName(1))), 1);
    EXPECT_EQ(SlideshowStyleByName("Expand from bottom"), 18);
    EXPECT_EQ(SlideshowStyleByName("Expand in from top"), 25);
    EXPECT_EQ(SlideshowStyleByName("No such style"), -1);
    for (int s = 1; s <= kSlideshowLastStyle; ++s) {
        if (s == 33 || s == 34) continue;
        ASSERT_EQ(SlideshowStyleByName(SlideshowStyleName(s)), s) << s;
    }
    // The platform's comparison decides when one is given.
    int calls = 0;
    auto exact = [&](const std::string& a, const std::string& b) {
        ++calls;
        return a == b;
    };
    EXPECT_EQ(SlideshowStyleByName("fade", exact), -1);
    EXPECT_EQ(calls, 1 + kSlideshowLastStyle);
    EXPECT_EQ(SlideshowStyleByName("Fade", exact), 118);
}

}  // namespace
}  // namespace vd
