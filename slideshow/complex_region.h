// A growable list of rectangles whose union becomes a region, for the bar,
// shred, speckle, blind and grid effects that add hundreds or thousands of
// rectangles a frame. The list grows in chunks of 500 rectangles.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "slideshow/region.h"
#include "slideshow/region_mask.h"

namespace vd {

class TComplexRegion {
public:
    static constexpr int kGrowBy = 500;

    TComplexRegion() { Clear(); }

    // Drops every rectangle, frees the list and resets the bounds.
    void Clear();
    // Stores the rectangle (right and bottom exclusive) and widens the bounds.
    void AddRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // The union of the rectangles within `clip`, or none when no rectangle
    // was added since the last Clear.
    std::optional<TRegion> CreateRegion(const TRect& clip) const;
    // The same union added to a mask; false (and nothing added) when no
    // rectangle was added.
    bool AddTo(TRegionMask& mask) const;

    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    // Union of the rectangles so far; after Clear Left = Top = 2147483647
    // and Right = Bottom = -2147483647.
    const TRect& Bounds() const { return bounds_; }
    const TRect* Rects() const { return rects_.data(); }

private:
    std::vector<TRect> rects_;
    int count_ = 0;
    int capacity_ = 0;
    TRect bounds_{};
};

}  // namespace vd
