// Region builders: bar and shred thickness and placement, the jitter of the
// shreds and specks from the process-wide generator, sectors and rotation.
#include <gtest/gtest.h>

#include <cmath>

#include "core/random.h"
#include "slideshow/effect_builders.h"

namespace vd {
namespace {

const long double kPi = 3.14159265358979323846264338327950288L;

// Pixels of column x (or row y) inside a region.
int ColumnCount(const TRegion& r, int x, int h) {
    int n = 0;
    for (int y = 0; y < h; ++y) n += r.Contains(x, y);
    return n;
}
int RowCount(const TRegion& r, int y, int w) {
    int n = 0;
    for (int x = 0; x < w; ++x) n += r.Contains(x, y);
    return n;
}

uint32_t SeedAfter(uint32_t seed, int draws) {
    for (int i = 0; i < draws; ++i) seed = seed * 134775813u + 1u;
    return seed;
}

TEST(Builders, BarsAreFivePixelsThickOnThreeHundredByTwoHundred) {
    const int w = 300, h = 200;
    // From the left, first half: every other band of 5 rows grows to EX.
    const TRegion left = BarRegion(30, 0, w, h, 2, 0);
    for (int y = 0; y < h; ++y) EXPECT_EQ(RowCount(left, y, w), (y / 5) % 2 == 0 ? 30 : 0) << y;
    // Mode 4 in its second half: the first bands are full, the others grow
    // from the right by EX - W.
    const TRegion second = BarRegion(w + 40, 0, w, h, 4, 0);
    for (int y = 0; y < h; ++y) {
        EXPECT_EQ(RowCount(second, y, w), (y / 5) % 2 == 0 ? w : 40) << y;
        if ((y / 5) % 2 == 1) {
            EXPECT_TRUE(second.Contains(w - 40, y));
            EXPECT_FALSE(second.Contains(w - 41, y));
        }
    }
    // Mode 3: alternate bands from opposite sides.
    const TRegion both = BarRegion(20, 0, w, h, 3, 0);
    EXPECT_TRUE(both.Contains(w - 1, 0));
    EXPECT_FALSE(both.Contains(0, 0));
    EXPECT_TRUE(both.Contains(0, 5));
    EXPECT_FALSE(both.Contains(w - 1, 5));
    // Columns: mode 1 grows from the bottom in bands of 5 columns.
    const TRegion up = BarRegion(0, 30, w, h, 0, 1);
    for (int x = 0; x < w; ++x) EXPECT_EQ(ColumnCount(up, x, h), (x / 5) % 2 == 0 ? 30 : 0) << x;
    EXPECT_TRUE(up.Contains(0, h - 30));
    EXPECT_FALSE(up.Contains(0, h - 31));
    // At the end of the 2X modes everything is covered; mode 0 adds nothing.
    EXPECT_EQ(BarRegion(2 * w, 2 * h, w, h, 1, 2).PixelCount(), w * h);
    EXPECT_TRUE(BarRegion(100, 100, w, h, 0, 0).IsEmpty());
}

TEST(Builders, ShredsAreTwoPixelsThickAndJitterFromTheGlobalSequence) {
    const int w = 300, h = 200;
    {
        // At the edge the jitter is 0 and the strips exact; the generator
        // still takes one draw per strip (100 strips of 2 rows).
        ScopedRandSeed seed(1234);
        EXPECT_EQ(ShredRegion(w, 0, w, h, 1, 0).PixelCount(), w * h);
        EXPECT_EQ(RandSeed(), SeedAfter(1234, h / 2));
        EXPECT_EQ(ShredRegion(w, 0, w, h, 3, 0).PixelCount(), w * h);
        EXPECT_EQ(ShredRegion(0, h, w, h, 0, 4).PixelCount(), w * h);
    }
    {
        // Mid-way each strip of 2 rows reaches EX - 30 .. EX + 29, the same
        // length over both of its rows; the next frame draws new lengths.
        ScopedRandSeed seed(99);
        const TRegion a = ShredRegion(150, 0, w, h, 2, 0);
        const TRegion b = ShredRegion(150, 0, w, h, 2, 0);
        EXPECT_NE(a, b);
        for (int y = 0; y < h; y += 2) {
            const int len = RowCount(a, y, w);
            EXPECT_GE(len, 120);
            EXPECT_LT(len, 180);
            EXPECT_EQ(RowCount(a, y + 1, w), len);
            EXPECT_TRUE(len == 0 || a.Contains(0, y));
        }
    }
    {
        // Strips cover o .. o + T + (H mod T): with T = 2 and an odd height
        // each strip reaches one row further (overlapping the next).
        ScopedRandSeed seed(5);
        const TRegion odd = ShredRegion(300, 0, 300, 201, 1, 0);
        EXPECT_EQ(odd.PixelCount(), 300 * 201);
    }
}

TEST(Builders, SpecklesScatterAheadOfTheSolidPart) {
    const int w = 400, h = 100;  // G = 40, speck size 2, 20 specks, limit 15
    ScopedRandSeed seed(42);
    const TRegion r = SpeckleRegion(100, 0, w, h, 1, 0);
    // The solid part from the right, the specks within 40 columns ahead.
    for (int y = 0; y < h; ++y) {
        for (int x = w - 100; x < w; ++x) ASSERT_TRUE(r.Contains(x, y));
        for (int x = 0; x < w - 100 - 40; ++x) ASSERT_FALSE(r.Contains(x, y));
    }
    int specks = 0;
    for (int y = 0; y < h; ++y)
        for (int x = w - 140; x < w - 100; ++x) specks += r.Contains(x, y);
    EXPECT_GT(specks, 0);
    EXPECT_LT(specks, 40 * h / 2);
    // Rows step by one (S / 2), each row taking 20 draws.
    EXPECT_EQ(RandSeed(), SeedAfter(42, h * 20));
    // At the edge no specks: the solid part alone, no draws.
    SetRandSeed(7);
    EXPECT_EQ(SpeckleRegion(w, 0, w, h, 2, 0).PixelCount(), w * h);
    EXPECT_EQ(RandSeed(), 7u);
}

TEST(Builders, SectorOfTheClockwiseSweep) {
    // 200 x 100 at progress 25: centre (100, 50), radius 112, 25 points from
    // twelve o'clock in steps of 3.6 degrees, the last at -3.6 degrees.
    const std::vector<TPoint> p = SectorPoints(100, 50, 112, 25, -kPi / 2, 25 * kPi / 50 - kPi / 2);
    ASSERT_EQ(p.size(), 26u);
    EXPECT_EQ(p[0], (TPoint{100, 50}));
    EXPECT_EQ(p[1], (TPoint{100, -62}));
    EXPECT_EQ(p[25], (TPoint{212, 43}));
    const TRegion r = SectorPolygon(100, 50, 112, 25, -kPi / 2, 25 * kPi / 50 - kPi / 2, 200, 100);
    EXPECT_TRUE(r.Contains(101, 0));
    EXPECT_TRUE(r.Contains(199, 0));
    EXPECT_TRUE(r.Contains(190, 40));
    EXPECT_FALSE(r.Contains(190, 52));  // below three o'clock
    EXPECT_FALSE(r.Contains(98, 10));   // left of twelve o'clock
    // One arc point: centre and one point, no area.
    EXPECT_TRUE(SectorPolygon(100, 50, 112, 1, -kPi / 2, kPi / 50 - kPi / 2, 200, 100).IsEmpty());
    EXPECT_TRUE(SectorPolygon(100, 50, 112, 0, -kPi / 2, -kPi / 2, 200, 100).IsEmpty());
}

TEST(Builders, RotatePointsTurnsClockwiseOnScreen) {
    TPoint p[] = {{10, 0}, {3, 4}, {-2, 7}};
    RotatePoints(p, 3, 0, 0, kPi / 2);
    EXPECT_EQ(p[0], (TPoint{0, 10}));  // right turns to down
    EXPECT_EQ(p[1], (TPoint{-4, 3}));
    EXPECT_EQ(p[2], (TPoint{-7, -2}));
    TPoint q[] = {{15, 20}};
    RotatePoints(q, 1, 10, 10, kPi);
    EXPECT_EQ(q[0], (TPoint{5, 0}));
    TPoint r[] = {{110, 50}};
    RotatePoints(r, 1, 100, 50, kPi / 6);  // (10 cos 30, 10 sin 30) = (8.66, 5)
    EXPECT_EQ(r[0], (TPoint{109, 55}));
}

}  // namespace
}  // namespace vd
