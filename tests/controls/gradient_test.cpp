#include "controls/model/gradient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace vd {
namespace {

constexpr uint32_t kGround = 0xAB123456u;

uint32_t Px(TColor c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

TSurface Ground(int w, int h) {
    TSurface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.At(x, y) = kGround;
    return s;
}

TEST(Gradient, StepColoursInFixedPoint) {
    // Step 0 is the first colour; the increment is (end - start) / N in 16.16.
    EXPECT_EQ(GradientStepColor(RGB(10, 20, 30), RGB(200, 0, 90), 7, 0), RGB(10, 20, 30));
    EXPECT_EQ(GradientStepColor(RGB(0, 0, 0), RGB(255, 0, 0), 255, 254), RGB(254, 0, 0));
    // 0 -> 10 over 3 steps: increment 218453 (truncated): 0, 3, 6.
    EXPECT_EQ(GradientStepColor(RGB(0, 0, 0), RGB(10, 0, 0), 3, 2), RGB(6, 0, 0));
    // Falling channels: 255 -> 0 over 3 steps: 255, 170, 85.
    EXPECT_EQ(GradientStepColor(RGB(0, 255, 0), RGB(0, 0, 0), 3, 1), RGB(0, 170, 0));
    EXPECT_EQ(GradientStepColor(RGB(0, 0, 255), RGB(0, 0, 0), 3, 2), RGB(0, 0, 85));
}

TEST(Gradient, EqualStepsMergeIntoBands) {
    // 0 -> 2 over 8 steps: i / 4, so two bands of four.
    const std::vector<TGradientBand> b = GradientBands(RGB(0, 0, 0), RGB(2, 0, 0), 8);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0], (TGradientBand{0, 3, RGB(0, 0, 0)}));
    EXPECT_EQ(b[1], (TGradientBand{4, 7, RGB(1, 0, 0)}));
    // A wide ramp has one band per step; equal colours make one band.
    EXPECT_EQ(GradientBands(RGB(0, 0, 0), RGB(255, 255, 255), 100).size(), 100u);
    EXPECT_EQ(GradientBands(RGB(5, 5, 5), RGB(5, 5, 5), 40), (std::vector<TGradientBand>{{0, 39, RGB(5, 5, 5)}}));
    EXPECT_TRUE(GradientBands(RGB(0, 0, 0), RGB(9, 9, 9), 0).empty());
}

TEST(Gradient, EmptyAreasDrawNothing) {
    TSurface s = Ground(20, 10);
    const TSurface before = s;
    for (int d = 0; d < kGradientDirectionCount; ++d) {
        const auto dir = static_cast<TGradientDirection>(d);
        GradientFill(s, TBox{5, 2, 5, 8}, clBlack, clWhite, dir);     // zero width
        GradientFill(s, TBox{5, 2, 15, 2}, clBlack, clWhite, dir);    // zero height
        GradientFill(s, TBox{30, 0, 40, 10}, clBlack, clWhite, dir);  // off the surface
        EXPECT_EQ(GradientSteps(dir, 0, 10), 0);
    }
    EXPECT_EQ(0, std::memcmp(s.Bits(), before.Bits(), s.ByteSize()));
}

TEST(Gradient, StraightDirectionsReplicateTheStrip) {
    const TColor a = RGB(0, 0, 0), b = RGB(250, 100, 20);
    // Widths and heights around the 8-pixel strip and its doublings.
    for (int n : {1, 7, 8, 9, 17, 100}) {
        TSurface s = Ground(n + 4, 12);
        GradientFill(s, TBox{2, 1, 2 + n, 11}, a, b, gdHorizontalEnd);
        for (int y = 1; y < 11; ++y)
            for (int x = 2; x < 2 + n; ++x) ASSERT_EQ(s.At(x, y), Px(GradientStepColor(a, b, 10, y - 1))) << n;
        EXPECT_EQ(s.At(1, 5), kGround);
        EXPECT_EQ(s.At(2 + n, 5), kGround);
        EXPECT_EQ(s.At(5 % (n + 4), 0), kGround);

        TSurface t = Ground(12, n + 3);
        GradientFill(t, TBox{1, 1, 11, 1 + n}, a, b, gdVerticalEnd);
        for (int y = 1; y < 1 + n; ++y)
            for (int x = 1; x < 11; ++x) ASSERT_EQ(t.At(x, y), Px(GradientStepColor(a, b, 10, x - 1))) << n;
        EXPECT_EQ(t.At(5, 1 + n), kGround);
    }
    // Centre: the first colour on the middle line(s), mirrored out to the edges.
    TSurface c = Ground(9, 4);
    GradientFill(c, TBox{0, 0, 9, 4}, a, b, gdVerticalCenter);
    EXPECT_EQ(c.At(4, 2), Px(a));
    for (int x = 0; x < 4; ++x) EXPECT_EQ(c.At(x, 0), c.At(8 - x, 3));
    EXPECT_EQ(c.At(0, 0), Px(GradientStepColor(a, b, 5, 4)));
    TSurface e = Ground(3, 6);
    GradientFill(e, TBox{0, 0, 3, 6}, a, b, gdHorizontalCenter);
    EXPECT_EQ(e.At(1, 2), Px(a));
    EXPECT_EQ(e.At(1, 3), Px(a));
    EXPECT_EQ(e.At(1, 0), e.At(1, 5));
}

TEST(Gradient, DiagonalsRunBetweenTheirCorners) {
    const TColor first = RGB(26, 149, 217), stop = RGB(196, 219, 252);
    TSurface s = Ground(30, 30);
    GradientFill(s, TBox{0, 0, 30, 30}, first, stop, gdDiagonalDown);
    // Stop colour at the bottom-right, the first colour's end at the top-left.
    const int n = GradientSteps(gdDiagonalDown, 30, 30);
    EXPECT_EQ(n, 43);  // round(42.43) + 1
    EXPECT_TRUE(s.At(29, 29) == Px(stop) && s.At(0, 0) == Px(GradientStepColor(stop, first, n, n - 1)));
    // Bands run parallel to the other diagonal.
    for (int k = 1; k < 29; ++k) EXPECT_EQ(s.At(k, 29 - k), s.At(k + 1, 28 - k));
    EXPECT_NE(s.At(10, 10), s.At(11, 11));

    GradientFill(s, TBox{0, 0, 30, 30}, first, stop, gdDiagonalUp);
    EXPECT_TRUE(s.At(0, 29) == Px(first) && s.At(29, 0) == Px(GradientStepColor(first, stop, n, n - 1)));
    for (int k = 0; k < 28; ++k) EXPECT_EQ(s.At(k, k), s.At(k + 1, k + 1));

    // The wizard's bar at 42%: a 184 x 14 fill. The bands lie almost flat,
    // so the corner pixels sit a few steps in from the ends; they stay the
    // reddest and the least red of the area.
    TSurface bar = Ground(184, 14);
    GradientFill(bar, TBox{0, 0, 184, 14}, first, stop, gdDiagonalDown);
    uint32_t lo = 255, hi = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 184; ++x) {
            lo = std::min(lo, bar.At(x, y) >> 16);
            hi = std::max(hi, bar.At(x, y) >> 16);
        }
    EXPECT_EQ(bar.At(183, 13) >> 16, hi);
    EXPECT_EQ(bar.At(0, 0) >> 16, lo);
    EXPECT_NEAR(static_cast<int>(hi), 196, 16);
    EXPECT_NEAR(static_cast<int>(lo), 26, 16);
}

TEST(Gradient, BoxesNestFromTheEdges) {
    const TColor a = RGB(0, 0, 0), b = RGB(240, 120, 60);
    for (TGradientDirection d : {gdHorizontalBox, gdVerticalBox, gdSquareBox, gdBigSquareBox}) {
        TSurface s = Ground(41, 21);
        GradientFill(s, TBox{0, 0, 41, 21}, a, b, d);
        // The first colour all round the edge, symmetric, the last step inside.
        for (int i = 0; i < 41; ++i) ASSERT_TRUE(s.At(i, 0) == Px(a) && s.At(40, i % 21) == Px(a)) << d;
        for (int y = 0; y < 21; ++y)
            for (int x = 0; x < 41; ++x) ASSERT_EQ(s.At(x, y), s.At(40 - x, 20 - y)) << d;
        const int n = GradientSteps(d, 41, 21);
        EXPECT_EQ(s.At(20, 10), Px(GradientStepColor(a, b, n, n - 1))) << d;
    }
    // Equal insets: the square box's rings are one pixel apart all round.
    TSurface q = Ground(41, 21);
    GradientFill(q, TBox{0, 0, 41, 21}, a, b, gdSquareBox);
    EXPECT_TRUE(q.At(3, 10) == q.At(20, 3) && q.At(3, 3) == q.At(30, 3) && q.At(3, 3) != q.At(4, 4));
}

TEST(Gradient, ClippedAreasKeepTheirPattern) {
    // An area hanging over every edge of the surface shows the same pixels
    // as the same area drawn whole.
    const TColor a = RGB(10, 200, 30), b = RGB(240, 20, 160);
    for (int d = 0; d < kGradientDirectionCount; ++d) {
        const auto dir = static_cast<TGradientDirection>(d);
        TSurface whole = Ground(60, 40), part = Ground(40, 20);
        GradientFill(whole, TBox{0, 0, 60, 40}, a, b, dir);
        GradientFill(part, TBox{-9, -13, 51, 27}, a, b, dir);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) ASSERT_EQ(part.At(x, y), whole.At(x + 9, y + 13)) << d;
    }
}

}  // namespace
}  // namespace vd
