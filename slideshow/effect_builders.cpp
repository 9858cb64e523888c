#include "slideshow/effect_builders.h"

#include <algorithm>
#include <cmath>

#include "core/random.h"

namespace vd {
namespace {

// Round to nearest, ties to even, in extended precision.
int32_t RoundEven(long double v) {
    const long double f = std::floor(v);
    const long double diff = v - f;
    int64_t i = static_cast<int64_t>(f);
    if (diff > 0.5L || (diff == 0.5L && (i & 1) != 0)) ++i;
    return static_cast<int32_t>(i);
}

// Adds a rectangle given with x and y exchanged when `swap` is set.
inline void Add(TComplexRegion& list, bool swap, int l, int t, int r, int b) {
    if (swap)
        list.AddRect(t, l, b, r);
    else
        list.AddRect(l, t, r, b);
}

// Bars along one axis. In the horizontal case rows are bands of height t
// growing along x by ex over a picture of size w (along) by h (across); the
// vertical case runs the same with the axes exchanged, and its "from the
// right" is "from the bottom".
void BarsAlong(TComplexRegion& list, bool swap, int ex, int w, int h, int t, int mode) {
    for (int f = ex <= w ? 0 : t; f < h + t; f += 2 * t) {
        if (ex <= w) {
            switch (mode) {
                case 1: case 5: Add(list, swap, w - ex, f, w, f + t); break;
                case 2: case 4: Add(list, swap, 0, f, ex, f + t); break;
                case 3:
                    Add(list, swap, w - ex, f, w, f + t);
                    Add(list, swap, 0, f + t, ex, f + 2 * t);
                    break;
                default: break;
            }
        } else {
            switch (mode) {
                case 1: case 4: Add(list, swap, 2 * w - ex, f, w, f + t); break;
                case 2: case 5: Add(list, swap, 0, f, ex - w, f + t); break;
                default: break;
            }
            Add(list, swap, 0, f - t, w, f);
        }
    }
}

void ShredsAlong(TComplexRegion& list, bool swap, int ex, int w, int h, int t, int mode) {
    const int j = ex < w ? w / 10 : 0;
    for (int o = 0; o < h; o += t) {
        int r = Random(2 * j) + ex - j;
        const int end = o + t + h % t;
        switch (mode) {
            case 1: Add(list, swap, w - r, o, w, end); break;
            case 2: Add(list, swap, 0, o, r, end); break;
            case 3:
                r /= 2;
                Add(list, swap, w / 2 - r, o, w / 2, end);
                Add(list, swap, w / 2, o, w / 2 + r, end);
                break;
            case 4:
                r /= 2;
                Add(list, swap, w - r, o, w, end);
                Add(list, swap, 0, o, r, end);
                break;
            default: break;
        }
    }
}

void SpecklesAlong(TComplexRegion& list, bool swap, int ex, int w, int h, int mode) {
    const int g = ex < w ? w / 10 : 0;
    const int s = std::max(g / 20, 2);
    const int n = g / s;
    const int limit = (g * 3) / (s * 4);
    for (int sum = 0; sum < h; sum += s / 2) {
        if (mode == 1) {
            Add(list, swap, w - ex, sum, w, sum + s);
            for (int i = n; i >= 1; --i)
                if (Random(i) <= (i <= limit ? 1 : 0))
                    Add(list, swap, w - ex - s * i, sum, w - ex - s * i + s, sum + s);
        } else if (mode == 2) {
            Add(list, swap, 0, sum, ex, sum + s);
            for (int i = n; i >= 1; --i)
                if (Random(i) <= (i <= limit ? 1 : 0)) Add(list, swap, ex + s * i - s, sum, ex + s * i, sum + s);
        }
    }
}

TRegion ToRegion(const TComplexRegion& list, int w, int h) {
    std::optional<TRegion> r = list.CreateRegion(PictureRect(w, h));
    return r ? std::move(*r) : TRegion();
}

}  // namespace

void AddBarRects(TComplexRegion& list, int ex, int ey, int w, int h, int hmode, int vmode) {
    const int t = std::min(w, h) / 50 + 1;
    if (hmode != 0) BarsAlong(list, false, ex, w, h, t, hmode);
    // Columns: "from the right" of the exchanged axes is from the bottom.
    if (vmode != 0) BarsAlong(list, true, ey, h, w, t, vmode);
}

TRegion BarRegion(int ex, int ey, int w, int h, int hmode, int vmode) {
    TComplexRegion list;
    AddBarRects(list, ex, ey, w, h, hmode, vmode);
    return ToRegion(list, w, h);
}

void AddShredRects(TComplexRegion& list, int ex, int ey, int w, int h, int hmode, int vmode) {
    const int t = std::min(w, h) / 200 + 1;
    if (hmode != 0) ShredsAlong(list, false, ex, w, h, t, hmode);
    if (vmode != 0) ShredsAlong(list, true, ey, h, w, t, vmode);
}

TRegion ShredRegion(int ex, int ey, int w, int h, int hmode, int vmode) {
    TComplexRegion list;
    AddShredRects(list, ex, ey, w, h, hmode, vmode);
    return ToRegion(list, w, h);
}

void AddSpeckleRects(TComplexRegion& list, int ex, int ey, int w, int h, int hmode, int vmode) {
    if (hmode != 0) SpecklesAlong(list, false, ex, w, h, hmode);
    if (vmode != 0) SpecklesAlong(list, true, ey, h, w, vmode);
}

TRegion SpeckleRegion(int ex, int ey, int w, int h, int hmode, int vmode) {
    TComplexRegion list;
    AddSpeckleRects(list, ex, ey, w, h, hmode, vmode);
    return ToRegion(list, w, h);
}

std::vector<TPoint> SectorPoints(int cx, int cy, int r, int n, long double start, long double end) {
    std::vector<TPoint> pts;
    pts.reserve(static_cast<size_t>(std::max(n, 0)) + 1);
    pts.push_back({cx, cy});
    for (int k = 0; k < n; ++k) {
        const long double a = start + k * (end - start) / n;
        pts.push_back({RoundEven(cx + r * std::cos(a)), RoundEven(cy + r * std::sin(a))});
    }
    return pts;
}

TRegion SectorPolygon(int cx, int cy, int r, int n, long double start, long double end, int w, int h) {
    return TRegion::Polygon(SectorPoints(cx, cy, r, n, start, end), PictureRect(w, h));
}

void RotatePoints(TPoint* points, size_t count, int cx, int cy, long double theta) {
    const long double c = std::cos(theta), s = std::sin(theta);
    for (size_t i = 0; i < count; ++i) {
        const long double dx = static_cast<long double>(points[i].X) - cx;
        const long double dy = static_cast<long double>(points[i].Y) - cy;
        points[i] = {cx + RoundEven(c * dx - s * dy), cy + RoundEven(s * dx + c * dy)};
    }
}

}  // namespace vd
