#include "slideshow/region.h"

#include <algorithm>

namespace vd {

// ---- TRegionRows -----------------------------------------------------------

void TRegionRows::Span(int32_t y, int32_t left, int32_t right) {
    if (right <= left) return;
    if (!started_) {
        r_.top_ = y;
        r_.rowStart_.assign(2, 0);
        started_ = true;
    }
    // Open rows up to y (empty rows in between keep no spans).
    while (r_.BottomRow() <= y) r_.rowStart_.push_back(static_cast<uint32_t>(r_.spans_.size()));
    const size_t rowFirst = r_.rowStart_[static_cast<size_t>(y - r_.top_)];
    if (r_.spans_.size() > rowFirst && r_.spans_.back().Right >= left) {
        r_.spans_.back().Right = std::max(r_.spans_.back().Right, right);
    } else {
        r_.spans_.push_back({left, right});
    }
    r_.rowStart_.back() = static_cast<uint32_t>(r_.spans_.size());
}

TRegion TRegionRows::Finish() {
    TRegion out;
    std::swap(out, r_);
    started_ = false;
    // Trailing rows cannot be empty (a row is only opened by a span), and
    // the first row always holds the first span.
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
    for (int32_t y = top; y < bottom; ++y) {
        CombineRow(a.RowBegin(y), a.RowEnd(y), b.RowBegin(y), b.RowEnd(y), op,
                   [&](int32_t l, int32_t r) { rows.Span(y, l, r); });
    }
    return rows.Finish();
}

// ---- TSpanCollector --------------------------------------------------------

void TSpanCollector::Add(int32_t y, int32_t left, int32_t right) {
    if (right > left) items_.push_back({y, left, right});
}

void TSpanCollector::AddRect(const TRect& r, const TRect& clip) {
    const int32_t l = std::max(r.Left, clip.Left), rr = std::min(r.Right, clip.Right);
    const int32_t t = std::max(r.Top, clip.Top), b = std::min(r.Bottom, clip.Bottom);
    if (l >= rr || t >= b) return;
    for (int32_t y = t; y < b; ++y) items_.push_back({y, l, rr});
}

void TSpanCollector::AddRegion(const TRegion& r) {
    for (int32_t y = r.TopRow(); y < r.BottomRow(); ++y)
        for (const TSpan* s = r.RowBegin(y); s != r.RowEnd(y); ++s) items_.push_back({y, s->Left, s->Right});
}

TRegion TSpanCollector::Build() const {
    if (items_.empty()) return TRegion();
    int32_t top = INT32_MAX, bottom = INT32_MIN;
    for (const Item& it : items_) {
        top = std::min(top, it.Y);
        bottom = std::max(bottom, it.Y);
    }
    // Bucket the spans by row (counting sort), then sort each row by Left.
    const size_t rows = static_cast<size_t>(static_cast<int64_t>(bottom) - top + 1);
    std::vector<uint32_t> start(rows + 1, 0);
    for (const Item& it : items_) ++start[static_cast<size_t>(it.Y - top) + 1];
    for (size_t i = 0; i < rows; ++i) start[i + 1] += start[i];
    std::vector<TSpan> sorted(items_.size());
    {
        std::vector<uint32_t> next(start.begin(), start.end() - 1);
        for (const Item& it : items_) sorted[next[static_cast<size_t>(it.Y - top)]++] = {it.Left, it.Right};
    }
    TRegionRows out;
    for (size_t i = 0; i < rows; ++i) {
        TSpan* b = sorted.data() + start[i];
        TSpan* e = sorted.data() + start[i + 1];
        if (b == e) continue;
        std::sort(b, e, [](const TSpan& p, const TSpan& q) { return p.Left < q.Left; });
        const int32_t y = static_cast<int32_t>(top + static_cast<int64_t>(i));
        for (TSpan* s = b; s != e; ++s) out.Span(y, s->Left, s->Right);
    }
    return out.Finish();
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
