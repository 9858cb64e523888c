// Regions: the rasterisation rules of each shape on hand-checked cases and
// against brute-force references written straight from the pixel rules,
// the set operations, masks, the rectangle list and "reveal".
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "slideshow/complex_region.h"
#include "slideshow/region.h"
#include "slideshow/region_mask.h"

namespace vd {
namespace {

using I128 = __int128;  // the references run natively only

const TRect kWindow{-40, -40, 80, 80};

// Winding at the centre of pixel (x, y): an edge crossing row Y = y + 0.5
// counts when its crossing xc satisfies xc <= x + 0.5, compared exactly as
// (2 x0 - 2x - 1)(y1 - y0) + (2y + 1 - 2 y0)(x1 - x0) <= 0 (for y1 > y0).
bool RefPolygon(const std::vector<TPoint>& p, int x, int y) {
    if (p.size() < 3) return false;
    int winding = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const TPoint a = p[i], b = p[(i + 1) % p.size()];
        const int64_t Y2 = 2 * y + 1;
        if (!(std::min(2 * a.Y, 2 * b.Y) < Y2 && Y2 < std::max(2 * a.Y, 2 * b.Y))) continue;
        const int64_t d = b.Y - a.Y;
        const int64_t lhs = (2 * int64_t{a.X} - 2 * x - 1) * d + (Y2 - 2 * a.Y) * (int64_t{b.X} - a.X);
        const bool left = d > 0 ? lhs <= 0 : lhs >= 0;
        if (left) winding += d > 0 ? 1 : -1;
    }
    return winding != 0;
}

bool RefEllipse(const TRect& e, int x, int y) {
    if (e.Right <= e.Left || e.Bottom <= e.Top) return false;
    const I128 A = I128(e.Right) - e.Left, B = I128(e.Bottom) - e.Top;
    const I128 u = 2 * I128(x) + 1 - (I128(e.Left) + e.Right), v = 2 * I128(y) + 1 - (I128(e.Top) + e.Bottom);
    return u * u * B * B + v * v * A * A <= A * A * B * B;
}

bool RefRoundRect(const TRect& r, int ew, int eh, int x, int y) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) return false;
    if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom) return false;
    const int w = std::min(ew, r.Right - r.Left), h = std::min(eh, r.Bottom - r.Top);
    if (w <= 0 || h <= 0) return true;
    const int X2 = 2 * x + 1, Y2 = 2 * y + 1;
    const bool left = X2 < 2 * r.Left + w, right = X2 > 2 * r.Right - w;
    const bool top = Y2 < 2 * r.Top + h, bottom = Y2 > 2 * r.Bottom - h;
    if (!((left || right) && (top || bottom))) return true;
    const int l = left ? r.Left : r.Right - w, t = top ? r.Top : r.Bottom - h;
    return RefEllipse({l, t, l + w, t + h}, x, y);
}

template <typename Pred>
void ExpectSameSet(const TRegion& r, const TRect& window, Pred pred, const std::string& what) {
    int mismatches = 0;
    for (int y = window.Top; y < window.Bottom; ++y)
        for (int x = window.Left; x < window.Right; ++x)
            if (r.Contains(x, y) != pred(x, y) && ++mismatches <= 3)
                ADD_FAILURE() << what << " differs at " << x << "," << y << " region " << r.Contains(x, y);
    // Nothing outside the window.
    if (!r.IsEmpty()) {
        const TRect b = r.Bounds();
        EXPECT_GE(b.Left, window.Left) << what;
        EXPECT_GE(b.Top, window.Top) << what;
        EXPECT_LE(b.Right, window.Right) << what;
        EXPECT_LE(b.Bottom, window.Bottom) << what;
    }
}

std::vector<int> RowCounts(const TRegion& r, int top, int bottom) {
    std::vector<int> n;
    for (int y = top; y < bottom; ++y) {
        int c = 0;
        for (const TSpan* s = r.RowBegin(y); s != r.RowEnd(y); ++s) c += s->Right - s->Left;
        n.push_back(c);
    }
    return n;
}

TEST(Region, RectanglesExcludeTheirRightAndBottomEdges) {
    const TRegion r = TRegion::Rect({1, 1, 3, 2}, kWindow);
    EXPECT_TRUE(r.Contains(1, 1));
    EXPECT_TRUE(r.Contains(2, 1));
    EXPECT_FALSE(r.Contains(3, 1));
    EXPECT_FALSE(r.Contains(1, 2));
    EXPECT_FALSE(r.Contains(0, 1));
    EXPECT_EQ(r.PixelCount(), 2);
    EXPECT_TRUE(TRegion::Rect({3, 1, 3, 5}, kWindow).IsEmpty());
    EXPECT_TRUE(TRegion::Rect({4, 1, 3, 5}, kWindow).IsEmpty());
    // Clipped to the window, also with extreme coordinates.
    const TRegion big = TRegion::Rect({-2147483647, -2147483647, 2147483647, 2147483647}, {0, 0, 5, 4});
    EXPECT_EQ(big.PixelCount(), 20);
    EXPECT_EQ(big.Bounds(), (TRect{0, 0, 5, 4}));
}

TEST(Region, PolygonsSampleAtPixelCentres) {
    // Right triangle: rows hold 3, 2, 1 pixels; on row 3 the only centre,
    // (0.5, 3.5), lies on the hypotenuse (a right edge) and is outside.
    const TRegion t = TRegion::Polygon({{0, 0}, {4, 0}, {0, 4}}, kWindow);
    EXPECT_EQ(RowCounts(t, 0, 5), (std::vector<int>{3, 2, 1, 0, 0}));
    EXPECT_TRUE(t.Contains(2, 0));
    EXPECT_FALSE(t.Contains(3, 0));
    EXPECT_FALSE(t.Contains(1, 1 + 1));

    // A centre exactly on a left edge is inside ...
    const TRegion left = TRegion::Polygon({{1, 0}, {4, 0}, {4, 1}, {2, 1}}, kWindow);
    EXPECT_TRUE(left.Contains(1, 0));  // edge (2,1)-(1,0) crosses row 0 at 1.5
    EXPECT_EQ(left.PixelCount(), 3);
    // ... and on a right edge outside.
    const TRegion right = TRegion::Polygon({{0, 0}, {3, 0}, {2, 1}, {0, 1}}, kWindow);
    EXPECT_FALSE(right.Contains(2, 0));  // edge (3,0)-(2,1) crosses row 0 at 2.5
    EXPECT_EQ(right.PixelCount(), 2);
}

TEST(Region, DegeneratePolygonsAreEmptyAndWindingIsNonzero) {
    EXPECT_TRUE(TRegion::Polygon({{0, 0}, {5, 5}}, kWindow).IsEmpty());
    EXPECT_TRUE(TRegion::Polygon({{0, 0}, {4, 4}, {8, 8}}, kWindow).IsEmpty());       // collinear
    EXPECT_TRUE(TRegion::Polygon({{0, 0}, {0, 9}, {0, 3}, {0, 7}}, kWindow).IsEmpty());  // on a line
    EXPECT_TRUE(TRegion::Polygon({{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 0}, {0, 0}}, kWindow).PixelCount() == 36);
    // Orientation does not matter.
    EXPECT_EQ(TRegion::Polygon({{0, 0}, {7, 2}, {3, 9}}, kWindow), TRegion::Polygon({{3, 9}, {7, 2}, {0, 0}}, kWindow));
    // A pentagram winds twice round its centre: still inside.
    const TRegion star = TRegion::Polygon({{10, 0}, {16, 20}, {0, 8}, {20, 8}, {4, 20}}, kWindow);
    EXPECT_TRUE(star.Contains(10, 11));
    // A self-crossing bow tie has zero signed area but two filled lobes.
    const TRegion bow = TRegion::Polygon({{0, 0}, {10, 10}, {10, 0}, {0, 10}}, kWindow);
    EXPECT_TRUE(bow.Contains(1, 5));
    EXPECT_TRUE(bow.Contains(8, 5));
    EXPECT_FALSE(bow.Contains(5, 1));
    // Coordinates beyond the platform limit give the empty region.
    EXPECT_TRUE(TRegion::Polygon({{0, 0}, {1 << 28, 0}, {0, 9}}, kWindow).IsEmpty());
}

TEST(Region, PolygonsMatchTheCrossingRule) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-30, 70), count(3, 9);
    for (int i = 0; i < 400; ++i) {
        std::vector<TPoint> p(static_cast<size_t>(count(rng)));
        for (TPoint& q : p) q = {coord(rng), coord(rng)};
        const TRegion r = TRegion::Polygon(p, kWindow);
        ExpectSameSet(r, kWindow, [&](int x, int y) { return RefPolygon(p, x, y); }, "polygon " + std::to_string(i));
        // The same through a mask.
        TRegionMask m(kWindow);
        m.AddPolygon(p.data(), p.size());
        EXPECT_EQ(m.ToRegion(), r) << i;
    }
}

TEST(Region, EllipsesOnSmallBoxesAndAgainstTheFormula) {
    EXPECT_EQ(TRegion::Ellipse({0, 0, 1, 1}, kWindow).PixelCount(), 1);
    EXPECT_EQ(TRegion::Ellipse({0, 0, 2, 2}, kWindow).PixelCount(), 4);
    EXPECT_EQ(TRegion::Ellipse({0, 0, 3, 3}, kWindow).PixelCount(), 9);   // corners at 72 <= 81
    EXPECT_EQ(TRegion::Ellipse({0, 0, 4, 4}, kWindow).PixelCount(), 12);  // corners at 288 > 256
    EXPECT_TRUE(TRegion::Ellipse({5, 0, 5, 4}, kWindow).IsEmpty());
    EXPECT_TRUE(TRegion::Ellipse({0, 4, 5, 3}, kWindow).IsEmpty());
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coord(-50, 90);
    for (int i = 0; i < 400; ++i) {
        const TRect e{coord(rng), coord(rng), coord(rng), coord(rng)};
        ExpectSameSet(TRegion::Ellipse(e, kWindow), kWindow, [&](int x, int y) { return RefEllipse(e, x, y); },
                      "ellipse " + std::to_string(i));
    }
    // Far larger than the window (products beyond 64 bits in the formula).
    for (const TRect& e : {TRect{-9000000, -3, 9000000, 50}, TRect{-60000000, -70000000, 60000100, 70000033},
                           TRect{-100, -100000000, 31, 100000000}})
        ExpectSameSet(TRegion::Ellipse(e, kWindow), kWindow, [&](int x, int y) { return RefEllipse(e, x, y); },
                      "large ellipse");
}

TEST(Region, RoundedRectanglesCutTheirCornersByTheCornerEllipses) {
    // Corner boxes wider than the rectangle are clamped to it: a 2 x 2
    // corner on a 4 x 4 square takes the very corner pixels off.
    const TRegion r = TRegion::RoundRect({0, 0, 4, 4}, 2, 2, kWindow);
    EXPECT_EQ(r.PixelCount(), 16);  // 2 x 2 boxes hold whole one-pixel ellipses
    const TRegion c = TRegion::RoundRect({0, 0, 4, 4}, 4, 4, kWindow);
    EXPECT_EQ(c, TRegion::Ellipse({0, 0, 4, 4}, kWindow));
    EXPECT_EQ(TRegion::RoundRect({0, 0, 4, 4}, 400, 400, kWindow), c);
    EXPECT_EQ(TRegion::RoundRect({0, 0, 7, 5}, 0, 3, kWindow), TRegion::Rect({0, 0, 7, 5}, kWindow));
    EXPECT_EQ(TRegion::RoundRect({0, 0, 7, 5}, 3, -1, kWindow), TRegion::Rect({0, 0, 7, 5}, kWindow));
    EXPECT_TRUE(TRegion::RoundRect({3, 0, 3, 5}, 3, 3, kWindow).IsEmpty());
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> coord(-50, 90), corner(-5, 120);
    for (int i = 0; i < 500; ++i) {
        const TRect b{coord(rng), coord(rng), coord(rng), coord(rng)};
        const int ew = corner(rng), eh = corner(rng);
        ExpectSameSet(TRegion::RoundRect(b, ew, eh, kWindow), kWindow,
                      [&](int x, int y) { return RefRoundRect(b, ew, eh, x, y); }, "rrect " + std::to_string(i));
    }
    // The curved reveals' shape: corners as large as twice the picture.
    const TRect wide{-1006, 0, 300, 187};
    ExpectSameSet(TRegion::RoundRect(wide, 1006, 1006, {0, 0, 503, 186}), {0, 0, 503, 186},
                  [&](int x, int y) { return RefRoundRect(wide, 1006, 1006, x, y); }, "curve");
}

TEST(Region, SetOperationsArePixelSetOperations) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> coord(-45, 85);
    for (int i = 0; i < 150; ++i) {
        const std::vector<TPoint> p{{coord(rng), coord(rng)}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}};
        const TRect e{coord(rng), coord(rng), coord(rng), coord(rng)};
        const TRegion a = TRegion::Polygon(p, kWindow), b = TRegion::Ellipse(e, kWindow);
        const TRegion u = Union(a, b), n = Intersect(a, b), x = Xor(a, b);
        ExpectSameSet(u, kWindow, [&](int px, int py) { return a.Contains(px, py) || b.Contains(px, py); }, "union");
        ExpectSameSet(n, kWindow, [&](int px, int py) { return a.Contains(px, py) && b.Contains(px, py); }, "and");
        ExpectSameSet(x, kWindow, [&](int px, int py) { return a.Contains(px, py) != b.Contains(px, py); }, "xor");
        EXPECT_TRUE(Xor(a, a).IsEmpty());
        EXPECT_EQ(Union(a, a), a);
        EXPECT_EQ(Intersect(u, a), a);
        // Masks give the same results.
        for (TRegionOp op : {TRegionOp::Union, TRegionOp::Intersect, TRegionOp::Xor}) {
            TRegionMask ma(kWindow), mb(kWindow);
            ma.AddRegion(a);
            mb.AddEllipse(e);
            ma.Combine(mb, op);
            EXPECT_EQ(ma.ToRegion(), TRegion::Combine(a, b, op)) << i;
        }
    }
}

TEST(Region, RevealCopiesTheColourOfPixelsInsideTheSurface) {
    TSurface screen(6, 4), picture(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            screen.At(x, y) = 0xA0000000u | static_cast<uint32_t>(y * 16 + x);
            picture.At(x, y) = 0x5B000000u | 0x00FF0000u | static_cast<uint32_t>(y * 16 + x);
        }
    const TSurface before = screen;
    // Partly outside the surface on every side.
    const TRegion r = Union(TRegion::Rect({-3, -2, 2, 2}, kWindow), TRegion::Rect({4, 3, 9, 9}, kWindow));
    Reveal(screen, picture, r);
    TRegionMask m(kWindow);
    m.AddRegion(r);
    TSurface viaMask = before;
    m.Reveal(viaMask, picture);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const uint32_t want = r.Contains(x, y) ? (0xA0000000u | (picture.At(x, y) & 0xFFFFFFu)) : before.At(x, y);
            EXPECT_EQ(screen.At(x, y), want) << x << "," << y;
            EXPECT_EQ(viaMask.At(x, y), want) << x << "," << y;
        }
}

TEST(ComplexRegion, GrowsByFiveHundredAndTracksItsBounds) {
    TComplexRegion list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_EQ(list.Bounds(), (TRect{2147483647, 2147483647, -2147483647, -2147483647}));
    EXPECT_FALSE(list.CreateRegion(kWindow).has_value());
    list.AddRect(5, 6, 7, 8);
    EXPECT_EQ(list.Capacity(), 500);
    EXPECT_EQ(list.Bounds(), (TRect{5, 6, 7, 8}));
    for (int i = 1; i < 500; ++i) list.AddRect(0, 0, 1, 1);
    EXPECT_EQ(list.Count(), 500);
    EXPECT_EQ(list.Capacity(), 500);
    list.AddRect(-3, 2, 4, 20);
    EXPECT_EQ(list.Count(), 501);
    EXPECT_EQ(list.Capacity(), 1000);
    EXPECT_EQ(list.Bounds(), (TRect{-3, 0, 7, 20}));
    const std::optional<TRegion> r = list.CreateRegion(kWindow);
    ASSERT_TRUE(r.has_value());
    ExpectSameSet(*r, kWindow,
                  [](int x, int y) {
                      return (x >= 5 && x < 7 && y >= 6 && y < 8) || (x == 0 && y == 0) ||
                             (x >= -3 && x < 4 && y >= 2 && y < 20);
                  },
                  "rectangle union");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_FALSE(list.CreateRegion(kWindow).has_value());
    // A rectangle of no width still makes a region, an empty one.
    list.AddRect(3, 0, 3, 10);
    ASSERT_TRUE(list.CreateRegion(kWindow).has_value());
    EXPECT_TRUE(list.CreateRegion(kWindow)->IsEmpty());
}

}  // namespace
}  // namespace vd
