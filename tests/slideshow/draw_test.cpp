#include "slideshow/draw.h"

#include <gtest/gtest.h>

#include <random>

#include "fx_test_util.h"

namespace vd {
namespace {

using fxtest::MakeUnique;
using fxtest::Unique;

constexpr uint32_t kDstFourth = 0x11000000u;
constexpr uint32_t kSrcFourth = 0xEE000000u;
constexpr uint32_t kSrcTag = 0x00400000u;  // marks source colours

uint32_t Src(int x, int y) { return kDstFourth | ((Unique(x, y, 0) | kSrcTag) & kColorMask); }

// The sampling rule written out plainly, over a snapshot of the source.
void ReferenceStretch(TSurface& dst, int dx, int dy, int dw, int dh, const TSurface& srcIn,
                      int sx, int sy, int sw, int sh) {
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    const TSurface src = srcIn;
    auto floordiv = [](long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    for (int y = dy; y < dy + dh; ++y)
        for (int x = dx; x < dx + dw; ++x) {
            if (!dst.Contains(x, y)) continue;
            long long ux = sx + floordiv((2LL * (x - dx) + 1) * sw, 2LL * dw);
            long long uy = sy + floordiv((2LL * (y - dy) + 1) * sh, 2LL * dh);
            if (!src.Contains(static_cast<int>(ux), static_cast<int>(uy))) continue;
            dst.At(x, y) = WithColorOf(dst.At(x, y), src.At(static_cast<int>(ux), static_cast<int>(uy)));
        }
}

TEST(StretchRect, EqualSizesCopyPixelForPixelAndClipToTheDestination) {
    TSurface dst = MakeUnique(4, 3, kDstFourth);
    const TSurface src = MakeUnique(4, 3, kSrcFourth, kSrcTag);
    StretchRect(dst, -1, 1, 4, 3, src, 0, 0, 4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            uint32_t want = (y >= 1 && x <= 2) ? Src(x + 1, y - 1) : Unique(x, y, kDstFourth);
            EXPECT_EQ(dst.At(x, y), want) << x << "," << y;
        }
}

TEST(StretchRect, NearestPixelSamplingDownAndUp) {
    // 4 columns onto 2: ux = floor((2i + 1) * 4 / 4) = 1, 3.
    TSurface dst = MakeUnique(2, 1, kDstFourth);
    const TSurface src = MakeUnique(4, 1, kSrcFourth, kSrcTag);
    StretchRect(dst, 0, 0, 2, 1, src, 0, 0, 4, 1);
    EXPECT_EQ(dst.At(0, 0), Src(1, 0));
    EXPECT_EQ(dst.At(1, 0), Src(3, 0));

    // 2 columns onto 5: floor((2i + 1) * 2 / 10) = 0, 0, 1, 1, 1.
    TSurface wide = MakeUnique(5, 1, kDstFourth);
    StretchRect(wide, 0, 0, 5, 1, src, 0, 0, 2, 1);
    const int want[] = {0, 0, 1, 1, 1};
    for (int x = 0; x < 5; ++x) EXPECT_EQ(wide.At(x, 0), Src(want[x], 0)) << x;

    // 3 rows onto 7 (row replication): floor((2i + 1) * 3 / 14) = 0,0,1,1,1,2,2.
    TSurface tall = MakeUnique(2, 7, kDstFourth);
    const TSurface col = MakeUnique(1, 3, kSrcFourth, kSrcTag);
    StretchRect(tall, 1, 0, 1, 7, col, 0, 0, 1, 3);
    const int rows[] = {0, 0, 1, 1, 1, 2, 2};
    for (int y = 0; y < 7; ++y) {
        EXPECT_EQ(tall.At(1, y), Src(0, rows[y])) << y;
        EXPECT_EQ(tall.At(0, y), Unique(0, y, kDstFourth)) << y;
    }
}

TEST(StretchRect, SourcePixelsOutsideTheSourceLeaveTheDestination) {
    TSurface dst = MakeUnique(4, 2, kDstFourth);
    const TSurface src = MakeUnique(3, 1, kSrcFourth, kSrcTag);
    // Source columns -1..2, rows 0..1: column -1 and row 1 are outside.
    StretchRect(dst, 0, 0, 4, 2, src, -1, 0, 4, 2);
    EXPECT_EQ(dst.At(0, 0), Unique(0, 0, kDstFourth));
    EXPECT_EQ(dst.At(1, 0), Src(0, 0));
    EXPECT_EQ(dst.At(3, 0), Src(2, 0));
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.At(x, 1), Unique(x, 1, kDstFourth));
}

TEST(StretchRect, EmptyOrNegativeSizesDrawNothing) {
    const TSurface src = MakeUnique(4, 4, kSrcFourth, kSrcTag);
    const TSurface before = MakeUnique(4, 4, kDstFourth);
    const int sizes[][4] = {{0, 4, 4, 4}, {4, 0, 4, 4}, {4, 4, 0, 4}, {4, 4, 4, -3}, {-2, 4, 4, 4}};
    for (const auto& sz : sizes) {
        TSurface dst = before;
        StretchRect(dst, 0, 0, sz[2], sz[3], src, 0, 0, sz[0], sz[1]);
        EXPECT_EQ(0, std::memcmp(dst.Bits(), before.Bits(), dst.ByteSize()));
    }
}

TEST(StretchRect, WithinOneSurfaceReadsTheWholeSourceFirst) {
    // Shift right by one: a copy that wrote while reading would smear
    // column 0 across the row.
    TSurface s = MakeUnique(6, 2, kDstFourth);
    StretchRect(s, 1, 0, 5, 2, s, 0, 0, 5, 2);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(s.At(0, y), Unique(0, y, kDstFourth));
        for (int x = 1; x < 6; ++x) EXPECT_EQ(s.At(x, y), Unique(x - 1, y, kDstFourth)) << x;
    }
    // Squeeze upwards within the surface (rows overlap the other way).
    TSurface t = MakeUnique(2, 6, kDstFourth);
    StretchRect(t, 0, 0, 2, 3, t, 0, 0, 2, 6);
    for (int y = 0; y < 3; ++y) EXPECT_EQ(t.At(1, y), Unique(1, 2 * y + 1, kDstFourth)) << y;
}

TEST(StretchRect, KeepsEveryDestinationFourthByte) {
    TSurface dst(5, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) dst.At(x, y) = (static_cast<uint32_t>(x * 5 + y) << 24) | 0x123456;
    const TSurface src = MakeUnique(2, 2, kSrcFourth, kSrcTag);
    StretchRect(dst, 0, 0, 5, 5, src, 0, 0, 2, 2);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(dst.At(x, y) >> 24, static_cast<uint32_t>(x * 5 + y));
}

TEST(StretchRect, AgreesWithTheSamplingRuleOnRandomRectangles) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 3000; ++round) {
        const int w = pick(1, 23), h = pick(1, 17);
        TSurface dst = MakeUnique(w, h, kDstFourth);
        TSurface src = MakeUnique(pick(1, 23), pick(1, 17), kSrcFourth, kSrcTag);
        const bool same = round % 3 == 0;
        const int sx = pick(-8, 20), sy = pick(-8, 20), sw = pick(-2, 40), sh = pick(-2, 40);
        const int dx = pick(-30, 20), dy = pick(-30, 20), dw = pick(-2, 60), dh = pick(-2, 60);
        TSurface want = dst;
        if (same) {
            ReferenceStretch(want, dx, dy, dw, dh, want, sx, sy, sw, sh);
            StretchRect(dst, dx, dy, dw, dh, dst, sx, sy, sw, sh);
        } else {
            ReferenceStretch(want, dx, dy, dw, dh, src, sx, sy, sw, sh);
            StretchRect(dst, dx, dy, dw, dh, src, sx, sy, sw, sh);
        }
        ASSERT_EQ(0, std::memcmp(dst.Bits(), want.Bits(), dst.ByteSize()))
            << "round " << round << " src " << sx << "," << sy << " " << sw << "x" << sh << " dst " << dx
            << "," << dy << " " << dw << "x" << dh << (same ? " within" : "");
    }
}

TEST(CopyColors, TakesTheColoursAndKeepsTheFourthBytes) {
    TSurface dst = MakeUnique(3, 2, kDstFourth);
    const TSurface src = MakeUnique(3, 2, kSrcFourth, kSrcTag);
    CopyColors(dst, src);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(dst.At(x, y), Src(x, y));
}

}  // namespace
}  // namespace vd
