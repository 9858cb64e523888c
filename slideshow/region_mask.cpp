#include "slideshow/region_mask.h"

#include <algorithm>
#include <cstring>

namespace vd {

TRegionMask::TRegionMask(const TRect& clip) : clip_(clip) {
    if (clip_.Right < clip_.Left) clip_.Right = clip_.Left;
    if (clip_.Bottom < clip_.Top) clip_.Bottom = clip_.Top;
    width_ = static_cast<size_t>(static_cast<int64_t>(clip_.Right) - clip_.Left);
    height_ = static_cast<int32_t>(static_cast<int64_t>(clip_.Bottom) - clip_.Top);
    bits_.assign(width_ * static_cast<size_t>(height_), 0);
    firstRow_ = height_;
    lastRow_ = -1;
}

void TRegionMask::Span(int32_t y, int32_t left, int32_t right) {
    if (y < clip_.Top || y >= clip_.Bottom) return;
    const int64_t l = std::max(left, clip_.Left), r = std::min(right, clip_.Right);
    if (l >= r) return;
    const int32_t row = y - clip_.Top;
    firstRow_ = std::min(firstRow_, row);
    lastRow_ = std::max(lastRow_, row);
    std::memset(Row(row) + (l - clip_.Left), 1, static_cast<size_t>(r - l));
}

void TRegionMask::AddRect(const TRect& r) {
    const int64_t l = std::max(r.Left, clip_.Left), rr = std::min(r.Right, clip_.Right);
    const int64_t t = std::max(r.Top, clip_.Top), b = std::min(r.Bottom, clip_.Bottom);
    if (l >= rr || t >= b) return;
    const int32_t row0 = static_cast<int32_t>(t - clip_.Top), row1 = static_cast<int32_t>(b - clip_.Top);
    firstRow_ = std::min(firstRow_, row0);
    lastRow_ = std::max(lastRow_, row1 - 1);
    const size_t x0 = static_cast<size_t>(l - clip_.Left), n = static_cast<size_t>(rr - l);
    uint8_t* p = Row(row0) + x0;
    if (n <= 8) {
        // Narrow columns: a few fixed-size stores per row (a memset call
        // per row would cost more than the stores).
        const uint64_t ones = 0x0101010101010101u;
        for (int32_t y = row0; y < row1; ++y, p += width_) {
            size_t i = 0;
            if (n & 8) std::memcpy(p, &ones, 8);
            if (n & 4) std::memcpy(p + i, &ones, 4), i += 4;
            if (n & 2) std::memcpy(p + i, &ones, 2), i += 2;
            if (n & 1) p[i] = 1;
        }
    } else {
        for (int32_t y = row0; y < row1; ++y, p += width_) std::memset(p, 1, n);
    }
}

void TRegionMask::AddRegion(const TRegion& r) {
    for (int32_t y = r.TopRow(); y < r.BottomRow(); ++y)
        for (const TSpan* s = r.RowBegin(y); s != r.RowEnd(y); ++s) Span(y, s->Left, s->Right);
}

void TRegionMask::Combine(const TRegionMask& o, TRegionOp op) {
    if (!(o.clip_ == clip_)) {
        // Different windows: go through the span form.
        const TRegion r = TRegion::Combine(ToRegion(), o.ToRegion(), op);
        std::fill(bits_.begin(), bits_.end(), 0);
        firstRow_ = height_;
        lastRow_ = -1;
        AddRegion(r);
        return;
    }
    int32_t first = std::min(firstRow_, o.firstRow_), last = std::max(lastRow_, o.lastRow_);
    if (op == TRegionOp::Intersect) {
        first = std::max(firstRow_, o.firstRow_);
        last = std::min(lastRow_, o.lastRow_);
        // Rows outside both touched ranges are cleared.
        for (int32_t row = firstRow_; row <= lastRow_; ++row)
            if (row < first || row > last) std::memset(Row(row), 0, width_);
    }
    if (first <= last) {
        // The touched rows are contiguous in both masks.
        const size_t n = static_cast<size_t>(last - first + 1) * width_;
        uint8_t* __restrict d = Row(first);
        const uint8_t* __restrict s = o.Row(first);
        switch (op) {
            case TRegionOp::Union: for (size_t i = 0; i < n; ++i) d[i] |= s[i]; break;
            case TRegionOp::Intersect: for (size_t i = 0; i < n; ++i) d[i] &= s[i]; break;
            case TRegionOp::Xor: for (size_t i = 0; i < n; ++i) d[i] ^= s[i]; break;
        }
    }
    if (first > last) {
        firstRow_ = height_;
        lastRow_ = -1;
    } else {
        firstRow_ = first;
        lastRow_ = last;
    }
}

bool TRegionMask::Contains(int32_t x, int32_t y) const {
    if (x < clip_.Left || x >= clip_.Right || y < clip_.Top || y >= clip_.Bottom) return false;
    return Row(y - clip_.Top)[x - clip_.Left] != 0;
}

TRegion TRegionMask::ToRegion() const {
    TRegionRows out;
    for (int32_t row = firstRow_; row <= lastRow_; ++row) {
        const uint8_t* m = Row(row);
        size_t x = 0;
        while (x < width_) {
            while (x < width_ && !m[x]) ++x;
            const size_t start = x;
            while (x < width_ && m[x]) ++x;
            if (x > start)
                out.Span(clip_.Top + row, clip_.Left + static_cast<int32_t>(start), clip_.Left + static_cast<int32_t>(x));
        }
    }
    return out.Finish();
}

void TRegionMask::Reveal(TSurface& screen, const TSurface& picture) const {
    const int64_t w = std::min(screen.Width(), picture.Width());
    const int64_t h = std::min(screen.Height(), picture.Height());
    // The part of the clip inside both surfaces.
    const int64_t x0 = std::max<int64_t>(clip_.Left, 0), x1 = std::min<int64_t>(clip_.Right, w);
    const int64_t y0 = std::max<int64_t>(clip_.Top + static_cast<int64_t>(firstRow_), 0);
    const int64_t y1 = std::min<int64_t>(clip_.Top + static_cast<int64_t>(lastRow_) + 1, h);
    if (x0 >= x1) return;
    for (int64_t y = y0; y < y1; ++y) {
        uint32_t* __restrict d = screen.Row(static_cast<int>(y)) + x0;
        const uint32_t* __restrict s = picture.Row(static_cast<int>(y)) + x0;
        const uint8_t* __restrict m = Row(static_cast<int32_t>(y - clip_.Top)) + (x0 - clip_.Left);
        const int64_t n = x1 - x0;
        for (int64_t i = 0; i < n; ++i) {
            // 0x00FFFFFF where the mask is set: the colour bytes change.
            const uint32_t sel = (0u - static_cast<uint32_t>(m[i])) & kColorMask;
            d[i] ^= (d[i] ^ s[i]) & sel;
        }
    }
}

}  // namespace vd
