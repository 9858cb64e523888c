// Rasterisation of the region shapes: rectangles, polygons (nonzero
// winding), ellipses and rounded rectangles, all in exact integer arithmetic.
#include <algorithm>
#include <cmath>

#include "core/numerics.h"
#include "slideshow/region.h"
#include "slideshow/region_mask.h"

namespace vd {
namespace {

bool InLimit(int64_t v) { return v >= -kRegionCoordLimit && v <= kRegionCoordLimit; }

int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }

// Unsigned 64 x 64 -> 128-bit product, compared as (hi, lo).
struct U128 {
    uint64_t Hi, Lo;
    bool operator<=(const U128& o) const { return Hi < o.Hi || (Hi == o.Hi && Lo <= o.Lo); }
};

U128 Mul64(uint64_t a, uint64_t b) {
    const uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const uint64_t mid = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (mid >> 32), (mid << 32) | (p00 & 0xFFFFFFFFu)};
}

// The pixels of row y inside ellipse(l, t, r, b), as [left, right); false
// when the row holds none. With u = 2X - (l + r), v = 2Y - (t + b),
// A = r - l and B = b - t a centre is inside when u^2 B^2 <= A^2 (B^2 - v^2).
class TEllipseRows {
public:
    TEllipseRows(int64_t l, int64_t t, int64_t r, int64_t b) : l_(l), t_(t), r_(r), b_(b), a_(r - l), bb_(b - t) {
        a2_ = static_cast<uint64_t>(a_ * a_);
        b2_ = static_cast<uint64_t>(bb_ * bb_);
    }

    bool Row(int64_t y, int64_t& left, int64_t& right) const {
        if (a_ <= 0 || bb_ <= 0) return false;
        const int64_t v = 2 * y + 1 - (t_ + b_);
        const uint64_t v2 = static_cast<uint64_t>(v * v);
        if (v2 > b2_) return false;
        const U128 rhs = Mul64(a2_, b2_ - v2);
        // The largest |u| that fits: a floating estimate, then corrected
        // exactly against the integer condition.
        int64_t m = static_cast<int64_t>(static_cast<double>(a_) *
                                         std::sqrt(static_cast<double>(b2_ - v2)) / static_cast<double>(bb_));
        m = std::min<int64_t>(std::max<int64_t>(m, 0), a_);
        while (m < a_ && Fits(m + 1, rhs)) ++m;
        while (m >= 0 && !Fits(m, rhs)) --m;
        if (m < 0) return false;
        // |2x + 1 - (l + r)| <= m
        left = CeilDiv(l_ + r_ - 1 - m, 2);
        right = FloorDiv(l_ + r_ - 1 + m, 2) + 1;
        return left < right;
    }

private:
    bool Fits(int64_t u, const U128& rhs) const {
        const uint64_t ub = static_cast<uint64_t>(u) * static_cast<uint64_t>(bb_);
        return Mul64(ub, ub) <= rhs;
    }

    int64_t l_, t_, r_, b_, a_, bb_;
    uint64_t a2_, b2_;
};

struct Crossing {
    int64_t X;
    int Dir;
};

// Polygon rows into `sink` (Span(y, left, right), rows in increasing order,
// spans sorted), nonzero winding sampled at pixel centres.
template <typename Sink>
void RasterPolygon(const TPoint* pts, size_t n, const TRect& clip, Sink& sink) {
    if (n < 3) return;
    int64_t ymin = INT64_MAX, ymax = INT64_MIN;
    for (size_t i = 0; i < n; ++i) {
        if (!InLimit(pts[i].X) || !InLimit(pts[i].Y)) return;
        ymin = std::min<int64_t>(ymin, pts[i].Y);
        ymax = std::max<int64_t>(ymax, pts[i].Y);
    }
    const int64_t top = std::max<int64_t>(ymin, clip.Top);
    const int64_t bottom = std::min<int64_t>(ymax, clip.Bottom);
    if (top >= bottom) return;
    Crossing local[32];
    std::vector<Crossing> heap;
    Crossing* cross = local;
    if (n > 32) {
        heap.resize(n);
        cross = heap.data();
    }
    for (int64_t y = top; y < bottom; ++y) {
        size_t count = 0;
        // Edges with min(y0, y1) < y + 0.5 < max(y0, y1), i.e. min <= y < max.
        for (size_t i = 0; i < n; ++i) {
            const TPoint& p = pts[i];
            const TPoint& q = pts[i + 1 == n ? 0 : i + 1];
            if (p.Y == q.Y) continue;
            if (y < std::min(p.Y, q.Y) || y >= std::max(p.Y, q.Y)) continue;
            // The first pixel x with xc <= x + 0.5, xc - 0.5 being
            // ((2 x0 - 1)(y1 - y0) + (2y + 1 - 2 y0)(x1 - x0)) / (2 (y1 - y0)).
            const int64_t dy = static_cast<int64_t>(q.Y) - p.Y;
            int64_t num = (2 * static_cast<int64_t>(p.X) - 1) * dy +
                          (2 * y + 1 - 2 * static_cast<int64_t>(p.Y)) * (static_cast<int64_t>(q.X) - p.X);
            int64_t den = 2 * dy;
            if (den < 0) {
                num = -num;
                den = -den;
            }
            // Insertion by x: a row crosses only a few edges.
            Crossing c{CeilDiv(num, den), dy > 0 ? 1 : -1};
            size_t j = count++;
            for (; j > 0 && cross[j - 1].X > c.X; --j) cross[j] = cross[j - 1];
            cross[j] = c;
        }
        int winding = 0;
        for (size_t i = 0; i < count;) {
            const int64_t x = cross[i].X;
            while (i < count && cross[i].X == x) winding += cross[i++].Dir;
            if (winding == 0) continue;
            // A run of inside pixels starts at x and ends where the winding
            // returns to zero.
            int64_t end = x;
            while (i < count) {
                end = cross[i].X;
                while (i < count && cross[i].X == end) winding += cross[i++].Dir;
                if (winding == 0) break;
            }
            const int64_t l = std::max<int64_t>(x, clip.Left), r = std::min<int64_t>(end, clip.Right);
            if (l < r) sink.Span(static_cast<int32_t>(y), static_cast<int32_t>(l), static_cast<int32_t>(r));
        }
    }
}

template <typename Sink>
void RasterEllipse(const TRect& box, const TRect& clip, Sink& sink) {
    if (box.Right <= box.Left || box.Bottom <= box.Top) return;
    if (!InLimit(box.Left) || !InLimit(box.Top) || !InLimit(box.Right) || !InLimit(box.Bottom)) return;
    const TEllipseRows e(box.Left, box.Top, box.Right, box.Bottom);
    const int32_t top = std::max(box.Top, clip.Top), bottom = std::min(box.Bottom, clip.Bottom);
    for (int32_t y = top; y < bottom; ++y) {
        int64_t l, r;
        if (!e.Row(y, l, r)) continue;
        l = std::max<int64_t>(l, clip.Left);
        r = std::min<int64_t>(r, clip.Right);
        if (l < r) sink.Span(y, static_cast<int32_t>(l), static_cast<int32_t>(r));
    }
}

}  // namespace

TRegion TRegion::Rect(const TRect& r, const TRect& clip) {
    const int32_t l = std::max(r.Left, clip.Left), rr = std::min(r.Right, clip.Right);
    const int32_t t = std::max(r.Top, clip.Top), b = std::min(r.Bottom, clip.Bottom);
    TRegionRows rows;
    if (l < rr)
        for (int32_t y = t; y < b; ++y) rows.Span(y, l, rr);
    return rows.Finish();
}

TRegion TRegion::Polygon(const TPoint* pts, size_t n, const TRect& clip) {
    TRegionRows rows;
    RasterPolygon(pts, n, clip, rows);
    return rows.Finish();
}

TRegion TRegion::Ellipse(const TRect& box, const TRect& clip) {
    TRegionRows rows;
    RasterEllipse(box, clip, rows);
    return rows.Finish();
}

void TRegionMask::AddPolygon(const TPoint* points, size_t count) { RasterPolygon(points, count, clip_, *this); }

void TRegionMask::AddEllipse(const TRect& box) { RasterEllipse(box, clip_, *this); }

TRegion TRegion::RoundRect(const TRect& box, int32_t ew, int32_t eh, const TRect& clip) {
    const int64_t l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
    if (r <= l || b <= t) return TRegion();
    const int64_t cw = std::min<int64_t>(ew, r - l), ch = std::min<int64_t>(eh, b - t);
    if (cw <= 0 || ch <= 0) return Rect(box, clip);
    if (!InLimit(l) || !InLimit(t) || !InLimit(r) || !InLimit(b)) return TRegion();
    const TEllipseRows topLeft(l, t, l + cw, t + ch), topRight(r - cw, t, r, t + ch);
    const TEllipseRows bottomLeft(l, b - ch, l + cw, b), bottomRight(r - cw, b - ch, r, b);
    // Columns of the left corner boxes end at leftEnd (2X < 2l + cw), those
    // of the right corner boxes start at rightStart (2X > 2r - cw).
    const int64_t leftEnd = CeilDiv(2 * l + cw - 1, 2);
    const int64_t rightStart = FloorDiv(2 * r - cw - 1, 2) + 1;
    const int64_t top = std::max<int64_t>(t, clip.Top), bottom = std::min<int64_t>(b, clip.Bottom);
    TRegionRows rows;
    for (int64_t y = top; y < bottom; ++y) {
        int64_t from = l, to = r;
        const TEllipseRows* left = nullptr;
        const TEllipseRows* right = nullptr;
        if (2 * y + 1 < 2 * t + ch) {
            left = &topLeft;
            right = &topRight;
        } else if (2 * y + 1 > 2 * b - ch) {
            left = &bottomLeft;
            right = &bottomRight;
        }
        if (left) {
            // The corner's pixels are those of its ellipse; the ellipse's
            // run holds the box's middle column, so it joins the straight part.
            int64_t el, er;
            from = left->Row(y, el, er) ? std::min(el, leftEnd) : leftEnd;
            to = right->Row(y, el, er) ? std::max(er, rightStart) : rightStart;
        }
        from = std::max<int64_t>(from, clip.Left);
        to = std::min<int64_t>(to, clip.Right);
        if (from < to) rows.Span(static_cast<int32_t>(y), static_cast<int32_t>(from), static_cast<int32_t>(to));
    }
    return rows.Finish();
}

}  // namespace vd
