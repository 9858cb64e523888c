#include "slideshow/pixel_routines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/numerics.h"

namespace vd {
namespace {

// One colour byte by the blend formula, for any alpha (bytes wrap).
inline uint32_t BlendByte(uint32_t s, uint32_t p, int32_t alpha) {
    int32_t d = static_cast<int32_t>(p) - static_cast<int32_t>(s);
    int32_t v = static_cast<int32_t>(s) + (FloorDiv(static_cast<int64_t>(alpha) * d, 256));
    return static_cast<uint32_t>(v) & 0xFFu;
}

inline uint32_t BlendPixelAny(uint32_t s, uint32_t p, int32_t alpha) {
    return (s & kFourthByteMask) | BlendByte(s & 0xFF, p & 0xFF, alpha) |
           (BlendByte((s >> 8) & 0xFF, (p >> 8) & 0xFF, alpha) << 8) |
           (BlendByte((s >> 16) & 0xFF, (p >> 16) & 0xFF, alpha) << 16);
}

// For 0 <= alpha <= 256, s + floor(alpha * (p - s) / 256) equals
// floor(((256 - alpha) * s + alpha * p) / 256) with every term non-negative,
// so blue and red share one multiply and green takes another.
inline uint32_t BlendPixel(uint32_t s, uint32_t p, uint32_t alpha, uint32_t beta) {
    uint32_t rb = (((s & 0x00FF00FFu) * beta + (p & 0x00FF00FFu) * alpha) >> 8) & 0x00FF00FFu;
    uint32_t g = (((s & 0x0000FF00u) * beta + (p & 0x0000FF00u) * alpha) >> 8) & 0x0000FF00u;
    return (s & kFourthByteMask) | rb | g;
}

inline uint32_t AddClamped(uint32_t px, int v) {
    auto one = [v](uint32_t b) -> uint32_t {
        int r = static_cast<int>(b) + v;
        return static_cast<uint32_t>(r < 0 ? 0 : (r > 255 ? 255 : r));
    };
    return (px & kFourthByteMask) | one(px & 0xFF) | (one((px >> 8) & 0xFF) << 8) |
           (one((px >> 16) & 0xFF) << 16);
}

}  // namespace

void BlendBlock(TSurface& screen, const TSurface& picture, int percent,
                int left, int top, int width, int height) {
    if (width <= 0 || height <= 0) return;
    int64_t l = std::max<int64_t>(left, 0);
    int64_t t = std::max<int64_t>(top, 0);
    int64_t r = std::min<int64_t>({static_cast<int64_t>(left) + width, screen.Width(), picture.Width()});
    int64_t b = std::min<int64_t>({static_cast<int64_t>(top) + height, screen.Height(), picture.Height()});
    if (l >= r || t >= b) return;
    const int32_t alpha = MulDiv(256, percent, 100);
    const bool fast = alpha >= 0 && alpha <= 256;
    for (int64_t y = t; y < b; ++y) {
        uint32_t* d = screen.Row(static_cast<int>(y));
        const uint32_t* s = picture.Row(static_cast<int>(y));
        if (fast) {
            const uint32_t a = static_cast<uint32_t>(alpha), be = 256u - a;
            for (int64_t x = l; x < r; ++x) d[x] = BlendPixel(d[x], s[x], a, be);
        } else {
            for (int64_t x = l; x < r; ++x) d[x] = BlendPixelAny(d[x], s[x], alpha);
        }
    }
}

void ShadeColumnRamp(int a, int n, int* values) {
    if (n <= 1 || a == 0) return;
    const int half = n / 2;
    int value = -a;
    if (half < a) {
        // The step is added after each column; after the half-th addition
        // it turns round, so the ramp rises for half columns and falls after.
        int step = a / half;
        for (int i = 1; i <= n; ++i) {
            values[i - 1] = value;
            value += step;
            if (i == half) step = -step;
        }
    } else {
        const int every = std::max(half / a, 1);
        for (int i = 1; i <= n; ++i) {
            values[i - 1] = value;
            if (i % every == 0) value += (i < half) ? 1 : -1;
        }
    }
}

void ShadeRowRamp(int a, int n, int* values) {
    if (n <= 1 || a == 0) return;
    const int half = n / 2;
    int step = 1, every = 1;
    if (half < a) {
        step = a / half;
    } else {
        every = std::max(half / a, 1);
    }
    int value = -a;
    for (int i = 1; i <= n; ++i) {
        values[i - 1] = value;
        if (i % every == 0) value += (i < half) ? step : -step;
    }
}

void ShadeColumns(TSurface& screen, int a, int x0, int n) {
    if (n <= 1 || a == 0) return;
    std::vector<int> ramp(static_cast<size_t>(n));
    ShadeColumnRamp(a, n, ramp.data());
    const int64_t l = std::max<int64_t>(x0, 0);
    const int64_t r = std::min<int64_t>(static_cast<int64_t>(x0) + n, screen.Width());
    for (int y = 0; y < screen.Height(); ++y) {
        uint32_t* row = screen.Row(y);
        for (int64_t x = l; x < r; ++x) row[x] = AddClamped(row[x], ramp[static_cast<size_t>(x - x0)]);
    }
}

void ShadeRows(TSurface& screen, int a, int y0, int n) {
    if (n <= 1 || a == 0) return;
    std::vector<int> ramp(static_cast<size_t>(n));
    ShadeRowRamp(a, n, ramp.data());
    const int w = screen.Width();
    for (int i = 0; i < n; ++i) {
        const int64_t y = static_cast<int64_t>(y0) + n - 1 - i;  // from the bottom row up
        if (y < 0 || y >= screen.Height()) continue;
        uint32_t* row = screen.Row(static_cast<int>(y));
        for (int x = 0; x < w; ++x) row[x] = AddClamped(row[x], ramp[static_cast<size_t>(i)]);
    }
}

namespace {

// The pivot loop in an integer type wide enough for 65536 * (|rx| + |ry|).
template <typename Int>
void PivotRows(TSurface& screen, const TSurface& picture, int a, int b, Int c, Int d) {
    const int w = screen.Width(), h = screen.Height();
    const int pw = picture.Width(), ph = picture.Height();
    for (int y = 0; y < h; ++y) {
        uint32_t* row = screen.Row(y);
        const Int ry = static_cast<Int>(h) - b - y;
        const Int rx = 1 - static_cast<Int>(a);  // x = 0
        // Numerators of fy and sx, stepped along the row; >> 16 floors.
        Int ny = d * ry + c * rx;
        Int nx = d * rx - c * ry;
        for (int x = 0; x < w; ++x, ny += c, nx += d) {
            const Int fy = b + (ny >> 16);
            const Int sx = a + (nx >> 16);
            if (fy >= 0 && fy < ph && sx >= 0 && sx < pw)
                row[x] = WithColorOf(row[x], picture.At(static_cast<int>(sx), static_cast<int>(ph - 1 - fy)));
        }
    }
}

}  // namespace

void PivotSample(TSurface& screen, const TSurface& picture, int a, int b, double theta) {
    const int64_t c = static_cast<int64_t>(std::sin(-theta) * 65536.0);
    const int64_t d = static_cast<int64_t>(std::cos(-theta) * 65536.0);
    // |rx| <= W + |a| + 1 and |ry| <= H + |b|: 32-bit arithmetic when the
    // products stay below 2^31 (always for slide-sized pictures).
    const int64_t reach = int64_t{screen.Width()} + screen.Height() + std::abs(int64_t{a}) + std::abs(int64_t{b}) + 2;
    if (reach < 32000)
        PivotRows<int32_t>(screen, picture, a, b, static_cast<int32_t>(c), static_cast<int32_t>(d));
    else
        PivotRows<int64_t>(screen, picture, a, b, c, d);
}

}  // namespace vd
