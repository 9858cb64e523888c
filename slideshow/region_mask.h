// A region held as one byte per pixel of a clip rectangle: the fast way to
// build the union of many rectangles or small shapes (bars, shreds, speckles,
// grids), whatever their order and overlap, to combine two such unions, and
// to reveal the result in one pass over the touched rows.
#pragma once
#include <cstdint>
#include <vector>

#include "slideshow/region.h"
#include "slideshow/surface.h"

namespace vd {

class TRegionMask {
public:
    explicit TRegionMask(const TRect& clip);

    const TRect& Clip() const { return clip_; }
    bool IsEmpty() const { return firstRow_ > lastRow_; }

    // Adds pixels (clipped): a run of row y, a rectangle, a region, a shape.
    void Span(int32_t y, int32_t left, int32_t right);
    void AddRect(const TRect& r);
    void AddRegion(const TRegion& r);
    void AddPolygon(const TPoint* points, size_t count);
    void AddEllipse(const TRect& box);

    // This := this op other; both masks must have the same clip.
    void Combine(const TRegionMask& other, TRegionOp op);

    bool Contains(int32_t x, int32_t y) const;
    TRegion ToRegion() const;

    // "Reveal R" for a mask: every Screen pixel of the mask that lies inside
    // both surfaces takes the colour of the Picture pixel.
    void Reveal(TSurface& screen, const TSurface& picture) const;

private:
    uint8_t* Row(int32_t row) { return bits_.data() + static_cast<size_t>(row) * width_; }
    const uint8_t* Row(int32_t row) const { return bits_.data() + static_cast<size_t>(row) * width_; }

    TRect clip_;
    size_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> bits_;  // 1 inside, 0 outside
    int32_t firstRow_, lastRow_;  // touched rows, relative to clip_.Top
};

}  // namespace vd
