// Pixel routines: the blend formula over every percent, the shading ramps,
// clipping, and where the pivot sampling takes its pixels from.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "slideshow/pixel_routines.h"

namespace vd {
namespace {

uint32_t RefBlend(uint32_t s, uint32_t p, int percent) {
    const int64_t alpha = (256 * percent + (percent >= 0 ? 50 : -50)) / 100;  // MulDiv(256, percent, 100)
    uint32_t out = s & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int64_t a = (s >> shift) & 0xFF, b = (p >> shift) & 0xFF;
        const int64_t prod = alpha * (b - a);
        const int64_t v = a + (prod >= 0 ? prod / 256 : -((-prod + 255) / 256));  // arithmetic >> 8
        out |= (static_cast<uint32_t>(v) & 0xFFu) << shift;
    }
    return out;
}

TEST(PixelRoutines, BlendFollowsTheFormulaForEveryPercent) {
    std::mt19937 rng(1);
    TSurface s(64, 3), p(64, 3);
    for (int percent : {0, 1, 2, 25, 49, 50, 51, 55, 99, 100, -30, 130, 250}) {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 64; ++x) {
                s.At(x, y) = rng();
                p.At(x, y) = rng();
            }
        // Extreme bytes too.
        s.At(0, 0) = 0x00000000u;
        p.At(0, 0) = 0xFFFFFFFFu;
        s.At(1, 0) = 0xFFFFFFFFu;
        p.At(1, 0) = 0x00000000u;
        const TSurface before = s;
        BlendBlock(s, p, percent, 0, 0, 64, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 64; ++x)
                ASSERT_EQ(s.At(x, y), RefBlend(before.At(x, y), p.At(x, y), percent))
                    << "percent " << percent << " at " << x << "," << y;
    }
}

TEST(PixelRoutines, BlendTouchesOnlyTheBlockInsideTheSurface) {
    TSurface s(8, 6), p(8, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            s.At(x, y) = 0x11000000u;
            p.At(x, y) = 0x22FFFFFFu;
        }
    BlendBlock(s, p, 50, 6, -2, 5, 4);  // columns 6..7, rows 0..1 inside
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(s.At(x, y), (x >= 6 && y < 2) ? 0x117F7F7Fu : 0x11000000u) << x << "," << y;
    BlendBlock(s, p, 50, 0, 0, 0, 6);  // empty block
    BlendBlock(s, p, 50, 9, 0, 4, 6);  // outside
    EXPECT_EQ(s.At(0, 0), 0x11000000u);
}

TEST(PixelRoutines, ShadingRamps) {
    int v[20];
    ShadeColumnRamp(48, 10, v);
    EXPECT_EQ(std::vector<int>(v, v + 10), (std::vector<int>{-48, -39, -30, -21, -12, -3, -12, -21, -30, -39}));
    ShadeRowRamp(48, 10, v);
    EXPECT_EQ(std::vector<int>(v, v + 10), (std::vector<int>{-48, -39, -30, -21, -12, -21, -30, -39, -48, -57}));
    // Half the band at least the amplitude: one step every half / A.
    ShadeColumnRamp(2, 20, v);
    EXPECT_EQ(std::vector<int>(v, v + 20), (std::vector<int>{-2, -2, -2, -2, -2, -1, -1, -1, -1, -1,
                                                              -2, -2, -2, -2, -2, -3, -3, -3, -3, -3}));
    ShadeRowRamp(2, 20, v);
    EXPECT_EQ(std::vector<int>(v, v + 20), (std::vector<int>{-2, -2, -2, -2, -2, -1, -1, -1, -1, -1,
                                                              -2, -2, -2, -2, -2, -3, -3, -3, -3, -3}));
}

TEST(PixelRoutines, ShadingClampsAndClips) {
    TSurface s(6, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 6; ++x) s.At(x, y) = 0x7F1E64C8u;  // bytes 200, 100, 30
    const TSurface before = s;
    ShadeColumns(s, 48, 4, 10);  // columns 4, 5 inside: -48, -39
    EXPECT_EQ(s.At(3, 0), before.At(3, 0));
    EXPECT_EQ(s.At(4, 7), 0x7F003498u);  // 200-48, 100-48, 30-48 -> 0
    EXPECT_EQ(s.At(5, 7), 0x7F003DA1u);
    // Rows from the band's bottom upwards: row y0 + n - 1 gets the first value.
    TSurface r = before;
    ShadeRows(r, -48, 2, 10);  // a negative amplitude brightens (ramp from +48)
    EXPECT_EQ(r.At(0, 11), 0x7F4E94F8u);  // +48
    EXPECT_EQ(r.At(0, 1), before.At(0, 1));
    TSurface bright = before;
    ShadeRows(bright, -100, 0, 12);
    EXPECT_EQ(bright.At(0, 11) & 0xFFu, 255u);  // clamped
    TSurface same = before;
    ShadeColumns(same, 48, 0, 1);
    ShadeColumns(same, 0, 0, 6);
    ShadeRows(same, 48, 0, 1);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(same.At(x, y), before.At(x, y));
}

TEST(PixelRoutines, PivotSamplesAboutTheCorner) {
    const int w = 7, h = 5;
    TSurface pic(w, h), start(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            pic.At(x, y) = 0x00800000u | static_cast<uint32_t>(y << 8 | x);
            start.At(x, y) = 0xEE000000u;
        }
    // No turn: fy = H - y, sx = x + 1, so Screen (x, y) shows Picture
    // (x + 1, y - 1); the last column and the top row keep the start frame.
    TSurface s = start;
    PivotSample(s, pic, -1, -1, 0.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t want = (x + 1 < w && y >= 1) ? (0xEE000000u | (pic.At(x + 1, y - 1) & 0xFFFFFFu)) : 0xEE000000u;
            EXPECT_EQ(s.At(x, y), want) << x << "," << y;
        }
    // A quarter turn away: nothing of the picture lands on Screen.
    s = start;
    PivotSample(s, pic, -1, -1, std::acos(-1.0) / 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) EXPECT_EQ(s.At(x, y), 0xEE000000u);
    // A small turn about the bottom-right corner keeps that corner's area
    // and loses pixels far from it.
    s = start;
    PivotSample(s, pic, w, h, 0.2);
    EXPECT_NE(s.At(w - 2, h - 2), 0xEE000000u);
}

}  // namespace
}  // namespace vd
