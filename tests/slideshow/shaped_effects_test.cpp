// Shaped-region and pixel styles: the numeric edge cases of the sweeps,
// blinds and pixelate, the fixed-seed styles against the save-set-restore
// procedure on the process-wide generator, and the mask-based styles
// against the same regions built as spans.
#include <gtest/gtest.h>

#include <cmath>

#include "core/numerics.h"
#include "core/random.h"
#include "fx_test_util.h"
#include "slideshow/effect_builders.h"
#include "slideshow/effects_shaped.h"
#include "slideshow/extents.h"
#include "slideshow/region.h"

namespace vd {
namespace {

using fxtest::MakePicture;
using fxtest::MakeStart;

const long double kPi = 3.14159265358979323846264338327950288L;

TSurface Render(int style, const TSurface& start, const TSurface& picture, int progress) {
    TSurface s = start;
    const TExtents e = ProgressExtents(s.Width(), s.Height(), progress);
    ShapedEffectProc(style)(s, picture, s.Width(), s.Height(), e.X, e.Y, progress);
    return s;
}

TSurface Revealed(const TSurface& start, const TSurface& picture, const TRegion& r) {
    TSurface s = start;
    Reveal(s, picture, r);
    return s;
}

bool Same(const TSurface& a, const TSurface& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::memcmp(a.Bits(), b.Bits(), a.ByteSize()) == 0;
}

bool FromPicture(const TSurface& s, const TSurface& start, int x, int y) { return s.At(x, y) != start.At(x, y); }

TEST(ShapedEffects, EveryShapedStyleHasARoutine) {
    for (int style = 0; style <= 172; ++style) {
        const bool shaped = (style >= 58 && style <= 127) || (style >= 136 && style <= 171);
        EXPECT_EQ(ShapedEffectProc(style) != nullptr, shaped) << style;
    }
}

TEST(ShapedEffects, SweepIsAQuarterSectorAtProgressTwentyFive) {
    const TSurface start = MakeStart(200, 100), picture = MakePicture(200, 100);
    const TSurface cw = Render(143, start, picture, 25);
    const TRegion sector = SectorPolygon(100, 50, 112, 25, -kPi / 2, -kPi / 2 + 25 * kPi / 50, 200, 100);
    EXPECT_TRUE(Same(cw, Revealed(start, picture, sector)));
    EXPECT_TRUE(FromPicture(cw, start, 199, 0));    // top-right corner: radius 112 reaches it
    EXPECT_TRUE(FromPicture(cw, start, 150, 20));
    EXPECT_FALSE(FromPicture(cw, start, 150, 60));  // past three o'clock
    EXPECT_FALSE(FromPicture(cw, start, 50, 20));
    const TSurface acw = Render(144, start, picture, 25);
    EXPECT_TRUE(FromPicture(acw, start, 0, 0));
    EXPECT_TRUE(FromPicture(acw, start, 50, 20));
    EXPECT_FALSE(FromPicture(acw, start, 150, 20));
    // At progress 1 the sector has no area: nothing of the picture shows.
    EXPECT_TRUE(Same(Render(143, start, picture, 1), start));
    EXPECT_TRUE(Same(Render(144, start, picture, 1), start));
}

TEST(ShapedEffects, NineteenBlindsOfPeriodTwentyTwo) {
    const TSurface start = MakeStart(400, 30), picture = MakePicture(400, 30);
    const TSurface s = Render(136, start, picture, 40);
    // Blinds centred at 11, 33, ... 407, each 2 * MulDiv(11, 40, 100) = 8 wide.
    for (int x = 0; x < 400; ++x) {
        const int centre = 11 + 22 * (x / 22);
        const bool in = x >= centre - 4 && x < centre + 4;
        for (int y : {0, 29}) EXPECT_EQ(FromPicture(s, start, x, y), in) << x;
    }
    // The same across rows (style 137), and nothing at all when a blind has
    // no width yet.
    const TSurface r = Render(137, MakeStart(30, 400), MakePicture(30, 400), 40);
    EXPECT_TRUE(FromPicture(r, MakeStart(30, 400), 0, 7));
    EXPECT_FALSE(FromPicture(r, MakeStart(30, 400), 0, 6));
    const TSurface tiny = MakeStart(400, 30);
    TSurface t = tiny;
    ShapedEffectProc(136)(t, picture, 400, 30, 4, 0, 1);  // MulDiv(11, 1, 100) = 0
    EXPECT_TRUE(Same(t, tiny));
}

// Screen pixel (x, y) of the pixelate stretch: the source pixel of the
// block (ox, oy, sw, sh) spread over (-2 ox, -2 oy, W + 4 ox, H + 4 oy).
int Src(int x, int o, int sw, int w) { return o + static_cast<int>(FloorDiv((2 * (x + 2 * o) + 1) * int64_t{sw}, 2 * (w + 4 * o))); }

uint32_t BlendRef(uint32_t s, uint32_t p, int alpha) {
    uint32_t out = s & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = (s >> shift) & 0xFF, b = (p >> shift) & 0xFF;
        out |= (static_cast<uint32_t>(a + static_cast<int>(FloorDiv(alpha * (b - a), 256))) & 0xFFu) << shift;
    }
    return out;
}

TEST(ShapedEffects, PixelateZoomsBlendsAndZoomsOut) {
    const TSurface start = MakeStart(100, 100), picture = MakePicture(100, 100);
    // Progress 50: X = 50, k = 98, ox = 49: the 2 x 2 block at (49, 49) of the
    // old frame blended with alpha 128, spread over 296 x 296 at (-98, -98).
    // Progress 51: k = 100 on W - X = 49: the same block blended with 141.
    for (const auto& c : {std::pair<int, int>{50, 128}, std::pair<int, int>{51, 141}}) {
        const TSurface s = Render(168, start, picture, c.first);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const int sx = Src(x, 49, 2, 100), sy = Src(y, 49, 2, 100);
                ASSERT_TRUE(sx == 49 || sx == 50);
                ASSERT_EQ(s.At(x, y), BlendRef(start.At(sx, sy), picture.At(sx, sy), c.second))
                    << "progress " << c.first << " at " << x << "," << y;
            }
    }
    // Progress 30: k = 131, ox = 39, a 22 x 22 block of the old frame alone.
    const TSurface s = Render(168, start, picture, 30);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_EQ(s.At(x, y), start.At(Src(x, 39, 22, 100), Src(y, 39, 22, 100)));
    // Progress 70: the new picture, k = 180 - 49 = 131 on W - X = 30.
    const TSurface n = Render(168, start, picture, 70);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(n.At(x, y), (start.At(x, y) & 0xFF000000u) |
                                      (picture.At(Src(x, 39, 22, 100), Src(y, 39, 22, 100)) & 0xFFFFFFu));
}

// The fixed-seed styles as the procedure describes them: save the global
// seed, set it from the picture size, draw, restore.
TSurface FixedSeedReference(int style, const TSurface& start, const TSurface& picture, int p) {
    TSurface s = start;
    const int w = s.Width(), h = s.Height();
    auto take = [&](int x, int y) { s.At(x, y) = WithColorOf(s.At(x, y), picture.At(x, y)); };
    if (style == 127) {
        const int m = std::min(w, h), cell = 2 * (m / 50) + 2;
        ScopedRandSeed seed(static_cast<uint32_t>((m / 50 + 1) * (w + h)));
        for (int c = 0; c < w; c += cell)
            for (int f = 0; f < h; f += cell)
                if (Random(100) < p)
                    for (int y = f; y < std::min(f + cell, h); ++y)
                        for (int x = c; x < std::min(c + cell, w); ++x) take(x, y);
        return s;
    }
    ScopedRandSeed seed(static_cast<uint32_t>(w + h));
    if (style == 169) {
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x)
                if (Random(100) < p) take(x, y);
    } else if (style == 170) {
        for (int y = h - 1; y >= 0; --y)
            if (Random(100) < p)
                for (int x = 0; x < w; ++x) take(x, y);
    } else {
        for (int x = 0; x < w; ++x)
            if (Random(100) < p)
                for (int y = 0; y < h; ++y) take(x, y);
    }
    return s;
}

TEST(ShapedEffects, FixedSeedStylesReplayTheSameSequence) {
    for (const auto& size : {std::pair<int, int>{503, 186}, std::pair<int, int>{37, 23}, std::pair<int, int>{9, 130}}) {
        const TSurface start = MakeStart(size.first, size.second), picture = MakePicture(size.first, size.second);
        for (int style : {127, 169, 170, 171})
            for (int p : {1, 30, 60, 99}) {
                SetRandSeed(0x12345678u);
                const TSurface got = Render(style, start, picture, p);
                EXPECT_EQ(RandSeed(), 0x12345678u) << style;
                EXPECT_TRUE(Same(got, FixedSeedReference(style, start, picture, p)))
                    << "style " << style << " progress " << p << " size " << size.first << "x" << size.second;
            }
    }
}

// The rectangle and grid styles reveal through masks; the same regions
// built as spans must give the same frames.
TEST(ShapedEffects, MaskStylesMatchTheirSpanRegions) {
    const int w = 203, h = 86;
    const TSurface start = MakeStart(w, h), picture = MakePicture(w, h);
    for (int p : {1, 17, 50, 83, 99}) {
        const TExtents e = ProgressExtents(w, h, p);
        const int X = e.X, Y = e.Y;
        EXPECT_TRUE(Same(Render(60, start, picture, p), Revealed(start, picture, BarRegion(2 * X, 0, w, h, 1, 0))));
        EXPECT_TRUE(Same(Render(75, start, picture, p), Revealed(start, picture, BarRegion(0, Y, w, h, 0, 3))));
        EXPECT_TRUE(Same(Render(93, start, picture, p), Revealed(start, picture, BarRegion(2 * X, 2 * Y, w, h, 5, 5))));
        EXPECT_TRUE(Same(Render(99, start, picture, p),
                         Revealed(start, picture, Intersect(BarRegion(2 * X, 2 * Y, w, h, 1, 1),
                                                            BarRegion(2 * X, 2 * Y, w, h, 2, 2)))))
            << p;
        SetRandSeed(77);
        const TSurface shred = Render(108, start, picture, p);
        SetRandSeed(77);
        EXPECT_TRUE(Same(shred, Revealed(start, picture, ShredRegion(X, Y, w, h, 3, 3))));
        SetRandSeed(78);
        const TSurface speck = Render(125, start, picture, p);
        SetRandSeed(78);
        EXPECT_TRUE(Same(speck, Revealed(start, picture, SpeckleRegion(X, Y, w, h, 0, 1))));
        // Circular shred: the union of the grid's ellipses.
        const int n = std::min(w, h) / 10 + 1, r = MulDiv(3 * n, p, 200);
        TRegion circles;
        for (int x = 0; x < w; x += 2 * n)
            for (int y = 0; y < h; y += 2 * n)
                circles = Union(circles, TRegion::Ellipse({x + n - r, y + n - r, x + n + r, y + n + r}, PictureRect(w, h)));
        EXPECT_TRUE(Same(Render(152, start, picture, p), Revealed(start, picture, circles))) << p;
    }
}

TEST(ShapedEffects, ShredsJitterEveryFrameAndEndExact) {
    const TSurface start = MakeStart(120, 80), picture = MakePicture(120, 80);
    SetRandSeed(3);
    const TSurface a = Render(65, start, picture, 50);
    const TSurface b = Render(65, start, picture, 50);
    EXPECT_FALSE(Same(a, b));
    for (int style : {65, 66, 67, 68, 76, 77, 78, 79, 100, 104, 108, 109}) {
        TSurface s = start;
        ShapedEffectProc(style)(s, picture, 120, 80, 120, 80, 99);  // extents at the edge
        EXPECT_TRUE(Same(s, Revealed(start, picture, TRegion::Rect({0, 0, 120, 80}, PictureRect(120, 80))))) << style;
    }
}

TEST(ShapedEffects, WedgesAndCrossesFromTheirPolygons) {
    const TSurface start = MakeStart(200, 100), picture = MakePicture(200, 100);
    // Starburst at 25 (X = 50, Y = 25): the wedge (100, 50), (0, 0), (50, 0)
    // crosses row 5 at 11 and 55.5: pixels 11 to 54 (55's centre lies on
    // the right edge).
    const TSurface star = Render(116, start, picture, 25);
    EXPECT_TRUE(FromPicture(star, start, 20, 5));
    EXPECT_TRUE(FromPicture(star, start, 11, 5));
    EXPECT_TRUE(FromPicture(star, start, 54, 5));
    EXPECT_FALSE(FromPicture(star, start, 55, 5));
    EXPECT_FALSE(FromPicture(star, start, 10, 5));
    // Diagonal cross out at 1: the old picture stays in four triangles that
    // meet at the centre; the new one shows between them on the diagonals.
    const TSurface cross = Render(160, start, picture, 1);
    EXPECT_TRUE(FromPicture(cross, start, 20, 10));
    EXPECT_FALSE(FromPicture(cross, start, 5, 50));
    EXPECT_FALSE(FromPicture(cross, start, 100, 5));
    EXPECT_LT(fxtest::PictureShare(cross), 0.05);
    // Diamond in to centre: the old picture inside a shrinking diamond.
    const TSurface diamond = Render(166, start, picture, 50);
    EXPECT_FALSE(FromPicture(diamond, start, 100, 50));
    EXPECT_TRUE(FromPicture(diamond, start, 0, 0));
}

TEST(ShapedEffects, ZigzagBandGrowsFromTheMiddle) {
    const TSurface start = MakeStart(200, 100), picture = MakePicture(200, 100);
    // s = 20, n = 10, at 50 (Y = 50): c = 5 + 25 = 30, m = 50: the band's
    // edges zigzag between rows 10 and 30 (top) and 70 and 90 (bottom).
    const TSurface s = Render(162, start, picture, 50);
    for (int x = 0; x < 200; ++x) {
        EXPECT_TRUE(FromPicture(s, start, x, 31)) << x;
        EXPECT_TRUE(FromPicture(s, start, x, 69)) << x;
        EXPECT_FALSE(FromPicture(s, start, x, 9)) << x;
        EXPECT_FALSE(FromPicture(s, start, x, 90)) << x;
    }
    EXPECT_TRUE(FromPicture(s, start, 20, 11));   // an odd point of the top edge is at row 10
    EXPECT_FALSE(FromPicture(s, start, 0, 11));   // an even one at row 30
    const TSurface v = Render(163, MakeStart(100, 200), MakePicture(100, 200), 50);
    EXPECT_TRUE(FromPicture(v, MakeStart(100, 200), 54, 0));
    EXPECT_FALSE(FromPicture(v, MakeStart(100, 200), 5, 0));
}

}  // namespace
}  // namespace vd
