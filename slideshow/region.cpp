#include "slideshow/region.h"

#include <algorithm>
#include <cassert>

namespace vd {

// ---- TRegionRows -----------------------------------------------------------

void TRegionRows::OpenRow(int32_t y) {
    // rowStart_ holds the start of every opened row; the end of the last
    // row is appended by Finish. Rows skipped in between stay empty.
    assert(r_.rowStart_.empty() || y > row_);  // rows come in increasing order
    if (r_.rowStart_.empty()) {
        r_.top_ = y;
    } else {
        for (int32_t skipped = row_ + 1; skipped < y; ++skipped)
            r_.rowStart_.push_back(static_cast<uint32_t>(r_.spans_.size()));
    }
    r_.rowStart_.push_back(static_cast<uint32_t>(r_.spans_.size()));
    row_ = y;
    rowFirst_ = r_.spans_.size();
}

TRegion TRegionRows::Finish() {
    TRegion out;
    if (!r_.rowStart_.empty()) r_.rowStart_.push_back(static_cast<uint32_t>(r_.spans_.size()));
    std::swap(out, r_);
    // A row is only opened by a span, so the first and last rows hold spans.
    return out;
}

// ---- TRegion ---------------------------------------------------------------

const TSpan* TRegion::RowBegin(int32_t y) const {
    if (y < top_ || y >= BottomRow()) return spans_.data();
    return spans_.data() + rowStart_[static_cast<size_t>(y - top_)];
}

const TSpan* TRegion::RowEnd(int32_t y) const {
    if (y < top_ || y >= BottomRow()) return spans_.data();
    return spans_.data() + rowStart_[static_cast<size_t>(y - top_) + 1];
}

bool TRegion::Contains(int32_t x, int32_t y) const {
    for (const TSpan* s = RowBegin(y); s != RowEnd(y); ++s) {
        if (x < s->Left) return false;
        if (x < s->Right) return true;
    }
    return false;
}

int64_t TRegion::PixelCount() const {
    int64_t n = 0;
    for (const TSpan& s : spans_) n += static_cast<int64_t>(s.Right) - s.Left;
    return n;
}

TRect TRegion::Bounds() const {
    if (spans_.empty()) return {0, 0, 0, 0};
    TRect b{INT32_MAX, top_, INT32_MIN, BottomRow()};
    for (int32_t y = top_; y < BottomRow(); ++y) {
        if (RowBegin(y) == RowEnd(y)) continue;
        b.Left = std::min(b.Left, RowBegin(y)->Left);
        b.Right = std::max(b.Right, (RowEnd(y) - 1)->Right);
    }
    return b;
}

bool TRegion::operator==(const TRegion& o) const {
    if (IsEmpty() || o.IsEmpty()) return IsEmpty() == o.IsEmpty();
    return top_ == o.top_ && rowStart_ == o.rowStart_ && spans_ == o.spans_;
}

namespace {

// Merges two sorted span lists of one row by a set operation.
template <typename Emit>
void CombineRow(const TSpan* a, const TSpan* ae, const TSpan* b, const TSpan* be, TRegionOp op, Emit emit) {
    bool inA = false, inB = false, in = false;
    int32_t start = 0;
    while (a != ae || b != be) {
        const int64_t pa = a == ae ? INT64_MAX : (inA ? a->Right : a->Left);
        const int64_t pb = b == be ? INT64_MAX : (inB ? b->Right : b->Left);
        const int32_t x = static_cast<int32_t>(std::min(pa, pb));
        if (pa == x) {
            if (inA) ++a;
            inA = !inA;
        }
        if (pb == x) {
            if (inB) ++b;
            inB = !inB;
        }
        bool now;
        switch (op) {
            case TRegionOp::Union: now = inA || inB; break;
            case TRegionOp::Intersect: now = inA && inB; break;
            default: now = inA != inB; break;
        }
        if (now && !in) start = x;
        if (!now && in) emit(start, x);
        in = now;
    }
}

}  // namespace

TRegion TRegion::Combine(const TRegion& a, const TRegion& b, TRegionOp op) {
    if (op == TRegionOp::Intersect && (a.IsEmpty() || b.IsEmpty())) return TRegion();
    if (a.IsEmpty()) return op == TRegionOp::Intersect ? TRegion() : b;
    if (b.IsEmpty()) return a;
    int32_t top = std::min(a.TopRow(), b.TopRow());
    int32_t bottom = std::max(a.BottomRow(), b.BottomRow());
    if (op == TRegionOp::Intersect) {
        top = std::max(a.TopRow(), b.TopRow());
        bottom = std::min(a.BottomRow(), b.BottomRow());
    }
    TRegionRows rows;
    rows.Reserve(static_cast<size_t>(std::max(bottom - top, 0)),
                 op == TRegionOp::Intersect ? std::min(a.spans_.size(), b.spans_.size())
                                            : a.spans_.size() + b.spans_.size());
    for (int32_t y = top; y < bottom; ++y) {
        CombineRow(a.RowBegin(y), a.RowEnd(y), b.RowBegin(y), b.RowEnd(y), op,
                   [&](int32_t l, int32_t r) { rows.Span(y, l, r); });
    }
    return rows.Finish();
}

// ---- Reveal ----------------------------------------------------------------

void Reveal(TSurface& screen, const TSurface& picture, const TRegion& region) {
    const int32_t w = std::min(screen.Width(), picture.Width());
    const int32_t h = std::min(screen.Height(), picture.Height());
    const int32_t top = std::max(region.TopRow(), 0);
    const int32_t bottom = std::min(region.BottomRow(), h);
    for (int32_t y = top; y < bottom; ++y) {
        uint32_t* d = screen.Row(y);
        const uint32_t* s = picture.Row(y);
        for (const TSpan* sp = region.RowBegin(y); sp != region.RowEnd(y); ++sp) {
            const int32_t l = std::max(sp->Left, 0);
            const int32_t r = std::min(sp->Right, w);
            for (int32_t x = l; x < r; ++x) d[x] = WithColorOf(d[x], s[x]);
        }
    }
}

}  // namespace vd
