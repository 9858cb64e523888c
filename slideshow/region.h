// Regions: sets of pixels kept as sorted spans per row, and the shapes the
// transition effects reveal the new picture through. A region only holds
// the pixels inside the clip rectangle it was built with (the effects pass
// the picture's rectangle); the set operations are exact within that clip,
// since clipping commutes with union, intersection and exclusive-or.
//
// Shapes (pixel (x, y) covers [x, x+1) x [y, y+1), centre (x + 0.5, y + 0.5)):
// - rect(l, t, r, b): l <= x < r and t <= y < b.
// - polygon: nonzero winding rule sampled at pixel centres, computed exactly
//   in integers; a centre exactly on a left edge is inside, on a right edge
//   outside. Fewer than 3 points gives the empty set.
// - ellipse(l, t, r, b): the pixels whose centre lies in the inscribed
//   ellipse, (2X-(l+r))^2 (b-t)^2 + (2Y-(t+b))^2 (r-l)^2 <= (r-l)^2 (b-t)^2.
// - rounded rectangle: the rectangle with its corners cut by the ellipses
//   inscribed in the ew x eh corner boxes.
// Coordinates are limited to +-kRegionCoordLimit, as the platform's regions
// are; a polygon or ellipse with a coordinate beyond it is empty, and
// rectangles are simply clipped.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "slideshow/surface.h"

namespace vd {

struct TPoint {
    int32_t X, Y;
    bool operator==(const TPoint& o) const { return X == o.X && Y == o.Y; }
};

struct TRect {
    int32_t Left, Top, Right, Bottom;  // right and bottom exclusive
    bool operator==(const TRect& o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

// A run of pixels [Left, Right) of one row.
struct TSpan {
    int32_t Left, Right;
    bool operator==(const TSpan& o) const { return Left == o.Left && Right == o.Right; }
};

constexpr int32_t kRegionCoordLimit = 1 << 27;

enum class TRegionOp { Union, Intersect, Xor };

class TRegion {
public:
    TRegion() = default;  // empty

    static TRegion Rect(const TRect& r, const TRect& clip);
    static TRegion Polygon(const TPoint* points, size_t count, const TRect& clip);
    static TRegion Polygon(const std::vector<TPoint>& points, const TRect& clip) {
        return Polygon(points.data(), points.size(), clip);
    }
    static TRegion Ellipse(const TRect& box, const TRect& clip);
    static TRegion RoundRect(const TRect& box, int32_t ew, int32_t eh, const TRect& clip);

    static TRegion Combine(const TRegion& a, const TRegion& b, TRegionOp op);

    bool IsEmpty() const { return spans_.empty(); }
    // Rows [TopRow(), BottomRow()) may hold spans; other rows are empty.
    int32_t TopRow() const { return top_; }
    int32_t BottomRow() const { return top_ + RowCount(); }
    // Sorted, disjoint, non-touching spans of row y.
    const TSpan* RowBegin(int32_t y) const;
    const TSpan* RowEnd(int32_t y) const;
    size_t RowSpanCount(int32_t y) const { return static_cast<size_t>(RowEnd(y) - RowBegin(y)); }

    bool Contains(int32_t x, int32_t y) const;
    int64_t PixelCount() const;
    // Smallest rectangle holding every pixel; all zero when empty.
    TRect Bounds() const;

    bool operator==(const TRegion& o) const;
    bool operator!=(const TRegion& o) const { return !(*this == o); }

private:
    friend class TRegionRows;
    int32_t RowCount() const { return rowStart_.empty() ? 0 : static_cast<int32_t>(rowStart_.size()) - 1; }

    int32_t top_ = 0;
    std::vector<uint32_t> rowStart_;  // RowCount() + 1 offsets into spans_
    std::vector<TSpan> spans_;
};

inline TRegion Union(const TRegion& a, const TRegion& b) { return TRegion::Combine(a, b, TRegionOp::Union); }
inline TRegion Intersect(const TRegion& a, const TRegion& b) { return TRegion::Combine(a, b, TRegionOp::Intersect); }
inline TRegion Xor(const TRegion& a, const TRegion& b) { return TRegion::Combine(a, b, TRegionOp::Xor); }

// Appends rows in increasing order to build a region; within a row the
// spans come sorted by Left (overlapping or touching spans are merged).
class TRegionRows {
public:
    void Reserve(size_t rows, size_t spans) {
        r_.rowStart_.reserve(rows + 1);
        r_.spans_.reserve(spans);
    }
    void Span(int32_t y, int32_t left, int32_t right) {  // empty spans are ignored
        if (right <= left) return;
        if (y != row_ || r_.rowStart_.empty()) OpenRow(y);
        if (r_.spans_.size() > rowFirst_ && r_.spans_.back().Right >= left) {
            if (right > r_.spans_.back().Right) r_.spans_.back().Right = right;
        } else {
            r_.spans_.push_back({left, right});
        }
    }
    TRegion Finish();

private:
    void OpenRow(int32_t y);
    TRegion r_;
    int32_t row_ = 0;
    size_t rowFirst_ = 0;  // index of the open row's first span
};

// "Reveal R": every Screen pixel in R that lies inside both surfaces takes
// the colour of the Picture pixel at the same position.
void Reveal(TSurface& screen, const TSurface& picture, const TRegion& region);

}  // namespace vd
