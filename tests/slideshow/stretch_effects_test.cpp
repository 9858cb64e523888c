// Styles 1..57 and 128..135 on hand-checked cases.
#include <gtest/gtest.h>

#include "fx_test_util.h"
#include "slideshow/effect_table.h"
#include "slideshow/effects_stretch.h"
#include "slideshow/effects_stretch_internal.h"
#include "slideshow/extents.h"

namespace vd {
namespace {

using fxtest::kPictureFourth;
using fxtest::kStartFourth;
using fxtest::MakeUnique;
using fxtest::Unique;

constexpr uint32_t kPicTag = 0x00400000u;

// A Screen pixel that shows start-frame pixel (x, y) / picture pixel (x, y).
uint32_t FromStart(int x, int y) { return Unique(x, y, kStartFourth); }
uint32_t FromPicture(int x, int y) { return kStartFourth | Unique(x, y, 0) | kPicTag; }

struct Frame {
    TSurface screen;
    TSurface picture;
};

Frame Render(int style, int w, int h, int progress) {
    Frame f{MakeUnique(w, h, kStartFourth), MakeUnique(w, h, kPictureFourth, kPicTag)};
    TExtents e = ProgressExtents(w, h, progress);
    StretchEffectProc(style)(f.screen, f.picture, w, h, e.X, e.Y, progress);
    return f;
}

// Screen column x of every row shows column `from` of the start frame
// (from >= 0) or of the picture (from < 0 means picture column -from - 1).
void ExpectColumn(const TSurface& s, int x, bool picture, int from) {
    for (int y = 0; y < s.Height(); ++y) {
        uint32_t want = picture ? FromPicture(from, y) : FromStart(from, y);
        ASSERT_EQ(s.At(x, y), want) << "column " << x << " row " << y;
    }
}

TEST(StretchStyles, HorizontalCasesAt200x100Progress25) {
    ASSERT_EQ(ProgressExtents(200, 100, 25).X, 50);
    ASSERT_EQ(ProgressExtents(200, 100, 25).Y, 25);

    // Style 1 squeezes the whole picture into columns 150..199:
    // column 150 + i shows picture column floor((2i + 1) * 200 / 100).
    Frame f1 = Render(1, 200, 100, 25);
    for (int x = 0; x < 150; ++x) ExpectColumn(f1.screen, x, false, x);
    for (int i = 0; i < 50; ++i) ExpectColumn(f1.screen, 150 + i, true, 4 * i + 2);

    // Style 5 copies picture columns 0..49 unchanged.
    Frame f5 = Render(5, 200, 100, 25);
    for (int x = 0; x < 200; ++x) ExpectColumn(f5.screen, x, x < 50, x);

    // Style 3 shows picture columns 0..49 at Screen columns 150..199.
    Frame f3 = Render(3, 200, 100, 25);
    for (int x = 0; x < 200; ++x) ExpectColumn(f3.screen, x, x >= 150, x >= 150 ? x - 150 : x);
}

TEST(StretchStyles, PushRightMovesTheStartFrameAndBringsInThePictureEnd) {
    // Style 128 at X = 50 on 200 columns: start columns 0..149 at 50..199,
    // picture columns 150..199 at 0..49.
    Frame f = Render(128, 200, 100, 25);
    for (int x = 0; x < 50; ++x) ExpectColumn(f.screen, x, true, 150 + x);
    for (int x = 50; x < 200; ++x) ExpectColumn(f.screen, x, false, x - 50);

    // Style 129 the other way round.
    Frame g = Render(129, 200, 100, 25);
    for (int x = 0; x < 150; ++x) ExpectColumn(g.screen, x, false, x + 50);
    for (int x = 150; x < 200; ++x) ExpectColumn(g.screen, x, true, x - 150);
}

TEST(StretchStyles, PushAndSqueezeShrinksTheWholeStartFrame) {
    // Style 130 at X = 50: the start frame squeezed into 150 columns
    // (column 50 + i shows start column floor((2i + 1) * 200 / 300)).
    Frame f = Render(130, 200, 10, 25);
    for (int i = 0; i < 150; ++i) ExpectColumn(f.screen, 50 + i, false, (2 * i + 1) * 200 / 300);
    for (int x = 0; x < 50; ++x) ExpectColumn(f.screen, x, true, 150 + x);
}

TEST(StretchStyles, CurlWidthOfTheUnrollStyles) {
    using stretch_fx::CurlWidth;
    EXPECT_EQ(CurlWidth(200, 5), 5);     // not wider than the unrolled part
    EXPECT_EQ(CurlWidth(200, 20), 20);   // a tenth of the width
    EXPECT_EQ(CurlWidth(200, 100), 20);
    EXPECT_EQ(CurlWidth(200, 160), 20);  // 40 columns remain: still 20
    EXPECT_EQ(CurlWidth(200, 161), 19);  // 39 remain: half of them
    EXPECT_EQ(CurlWidth(200, 190), 5);   // only 10 columns remain
    EXPECT_EQ(CurlWidth(200, 199), 0);
    EXPECT_EQ(CurlWidth(200, 0), 0);
    EXPECT_EQ(CurlWidth(9, 4), 0);       // pictures under 10 pixels have no curl
}

// The curl picture for the unroll checks: column k of the picture has
// blue - green = k % 100 and red - green = k / 100, and green = 60, so that
// the shading (which adds the same value to every colour byte) keeps the
// column recognisable.
TSurface CurlPicture(int w, int h) {
    TSurface p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.At(x, y) = kPictureFourth | static_cast<uint32_t>((60 + x / 100) << 16 | 60 << 8 | (60 + x % 100));
    return p;
}
int CurlColumnOf(uint32_t px) {
    int b = px & 0xFF, g = (px >> 8) & 0xFF, r = (px >> 16) & 0xFF;
    return (r - g) * 100 + (b - g);
}
int GreenOf(uint32_t px) { return (px >> 8) & 0xFF; }

TEST(StretchStyles, UnrollFromLeftMirrorsTheCurlAndDarkensIt) {
    const int w = 200, h = 6;
    for (int x : {5, 100, 190}) {
        const int r = stretch_fx::CurlWidth(w, x);
        TSurface s = MakeUnique(w, h, kStartFourth);
        const TSurface p = CurlPicture(w, h);
        StretchEffectProc(14)(s, p, w, h, x, h / 2, 50);
        for (int y = 0; y < h; ++y) {
            for (int c = 0; c < x; ++c) ASSERT_EQ(s.At(c, y), (p.At(c, y) & kColorMask) | kStartFourth);
            for (int k = 0; k < r; ++k) {
                const uint32_t px = s.At(x + r - 1 - k, y);
                EXPECT_EQ(CurlColumnOf(px), x + r + k) << "X " << x << " k " << k;
                EXPECT_LE(GreenOf(px), 60);  // shaded, never lightened
                EXPECT_EQ(px & kFourthByteMask, kStartFourth);
            }
            for (int c = x + r; c < w; ++c) ASSERT_EQ(s.At(c, y), FromStart(c, y));
        }
    }
}

TEST(StretchStyles, UnrollFromRightMirrorsFromOneColumnFurtherIn) {
    // Screen column x - 1 - k takes picture column x - 2r - 1 + k.
    const int w = 200, h = 4;
    {
        const int X = 100, x = w - X, r = stretch_fx::CurlWidth(w, X);
        ASSERT_EQ(r, 20);
        TSurface s = MakeUnique(w, h, kStartFourth);
        const TSurface p = CurlPicture(w, h);
        StretchEffectProc(15)(s, p, w, h, X, 2, 50);
        for (int k = 0; k < r; ++k) EXPECT_EQ(CurlColumnOf(s.At(x - 1 - k, 1)), x - 2 * r - 1 + k) << k;
        EXPECT_EQ(s.At(x - r - 1, 1), FromStart(x - r - 1, 1));
        for (int c = x; c < w; ++c) EXPECT_EQ(CurlColumnOf(s.At(c, 1)), c);
    }
    {
        // Near the end the curl takes all that remains (x = 2r): its first
        // source column, x - 2r - 1 = -1, lies outside the picture, so Screen
        // column x - 1 keeps the start frame (darkened with the curl).
        const int X = 190, x = w - X, r = stretch_fx::CurlWidth(w, X);
        ASSERT_EQ(r, 5);
        TSurface s = MakeUnique(w, h, kStartFourth);
        const TSurface p = CurlPicture(w, h);
        StretchEffectProc(15)(s, p, w, h, X, 2, 95);
        const uint32_t kept = s.At(x - 1, 0), start = FromStart(x - 1, 0);
        EXPECT_EQ(kept & kFourthByteMask, start & kFourthByteMask);
        for (int shift : {0, 8, 16}) EXPECT_LE((kept >> shift) & 0xFF, (start >> shift) & 0xFF);
        EXPECT_NE(GreenOf(kept), 60);
        for (int k = 1; k < r; ++k) EXPECT_EQ(CurlColumnOf(s.At(x - 1 - k, 0)), k - 1);
    }
}

TEST(StretchStyles, UnrollFromTopAndBottomWorkOnRows) {
    const int w = 4, h = 100;
    TSurface p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.At(x, y) = kPictureFourth | static_cast<uint32_t>(60 << 8 | (60 + y));
    auto rowOf = [](uint32_t px) { return static_cast<int>(px & 0xFF) - static_cast<int>((px >> 8) & 0xFF); };
    {
        TSurface s = MakeUnique(w, h, kStartFourth);
        StretchEffectProc(31)(s, p, w, h, 2, 40, 40);  // r = 10
        for (int k = 0; k < 10; ++k) EXPECT_EQ(rowOf(s.At(1, 40 + 9 - k)), 50 + k) << k;
        EXPECT_EQ(s.At(1, 50), FromStart(1, 50));
        EXPECT_EQ(rowOf(s.At(1, 39)), 39);
    }
    {
        TSurface s = MakeUnique(w, h, kStartFourth);
        StretchEffectProc(32)(s, p, w, h, 2, 40, 40);  // y = 60, r = 10
        for (int k = 0; k < 10; ++k) EXPECT_EQ(rowOf(s.At(1, 59 - k)), 39 + k) << k;
        EXPECT_EQ(s.At(1, 49), FromStart(1, 49));
        EXPECT_EQ(rowOf(s.At(1, 60)), 60);
    }
}

TEST(StretchStyles, BuildUpStretchesTheNextTenthOverTheRest) {
    // Style 16 at X = 50 of 200: columns 0..49 in place, then picture columns
    // 50..69 (a tenth of the width) stretched over columns 50..199.
    Frame f = Render(16, 200, 4, 25);
    for (int x = 0; x < 50; ++x) ExpectColumn(f.screen, x, true, x);
    for (int i = 0; i < 150; ++i) ExpectColumn(f.screen, 50 + i, true, 50 + (2 * i + 1) * 20 / 300);
    // Style 17 near the end: d = 10 < W / 10, so s = 0 and picture columns
    // 0..9 stay where they are.
    Frame g = Render(17, 200, 4, 95);
    for (int x = 0; x < 200; ++x) ExpectColumn(g.screen, x, true, x);
}

TEST(StretchStyles, RevealInToCentreKeepsTheInnerRectangle) {
    // Style 54 at X = 100, Y = 50 on 200 x 100: l = 50, t = 25.
    Frame f = Render(54, 200, 100, 50);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            bool inner = x >= 50 && x < 150 && y >= 25 && y < 75;
            ASSERT_EQ(f.screen.At(x, y), inner ? FromStart(x, y) : FromPicture(x, y)) << x << "," << y;
        }
}

TEST(StretchStyles, QuartersSlideInFromFourSides) {
    // Style 57 at X = 100, Y = 50 on 200 x 100: h = 50, v = 25.
    Frame f = Render(57, 200, 100, 50);
    const TSurface& s = f.screen;
    EXPECT_EQ(s.At(0, 0), FromPicture(50, 0));      // top left moved 50 left
    EXPECT_EQ(s.At(49, 49), FromPicture(99, 49));
    EXPECT_EQ(s.At(50, 0), FromStart(50, 0));       // not reached yet
    EXPECT_EQ(s.At(100, 0), FromPicture(100, 25));  // top right moved 25 up
    EXPECT_EQ(s.At(100, 25), FromStart(100, 25));
    EXPECT_EQ(s.At(150, 50), FromPicture(100, 50)); // bottom right moved 50 right
    EXPECT_EQ(s.At(149, 50), FromStart(149, 50));
    EXPECT_EQ(s.At(0, 75), FromPicture(0, 50));     // bottom left moved 25 down
    EXPECT_EQ(s.At(0, 74), FromStart(0, 74));
}

TEST(StretchStyles, AppearAndContractStretchesTheCornerOverTheFrame) {
    // Style 47 at X = 100 of 200 x 100: picture (0, 0, 100, 50) over
    // (0, 0, 300, 150): Screen column x shows picture column
    // floor((2x + 1) * 100 / 600).
    Frame f = Render(47, 200, 100, 50);
    for (int x = 0; x < 200; x += 7)
        for (int y = 0; y < 100; y += 5)
            ASSERT_EQ(f.screen.At(x, y), FromPicture((2 * x + 1) / 6, (2 * y + 1) * 50 / 300)) << x << "," << y;
}

// Transposes a square surface.
TSurface Transposed(const TSurface& s) {
    TSurface t(s.Height(), s.Width());
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) t.At(y, x) = s.At(x, y);
    return t;
}

TEST(StretchStyles, VerticalStylesAreTheHorizontalOnesTransposed) {
    // On a square picture X = Y, so every horizontal style drawn on the
    // transposed frames gives the vertical style's frame transposed. The
    // pairs cover 16/33 and 17/34, whose names read otherwise. (The unroll
    // pairs differ in their shading ramps and are checked above.)
    const int pairs[][2] = {{1, 18},  {2, 19},  {3, 20},  {4, 21},  {5, 22},   {6, 23},   {7, 24},
                            {8, 25},  {9, 26},  {10, 27}, {11, 28}, {12, 29},  {13, 30},  {16, 33},
                            {17, 34}, {128, 132}, {129, 133}, {130, 134}, {131, 135}};
    const int n = 37;
    for (int progress : {1, 23, 50, 77, 99}) {
        TExtents e = ProgressExtents(n, n, progress);
        for (const auto& pr : pairs) {
            TSurface sh = MakeUnique(n, n, kStartFourth);
            TSurface ph = MakeUnique(n, n, kPictureFourth, kPicTag);
            TSurface sv = Transposed(sh);
            TSurface pv = Transposed(ph);
            StretchEffectProc(pr[0])(sh, ph, n, n, e.X, e.Y, progress);
            StretchEffectProc(pr[1])(sv, pv, n, n, e.X, e.Y, progress);
            TSurface back = Transposed(sv);
            EXPECT_EQ(0, std::memcmp(back.Bits(), sh.Bits(), sh.ByteSize()))
                << "styles " << pr[0] << "/" << pr[1] << " progress " << progress;
        }
    }
}

}  // namespace
}  // namespace vd
