#include "slideshow/complex_region.h"

#include <algorithm>

namespace vd {

void TComplexRegion::Clear() {
    std::vector<TRect>().swap(rects_);
    count_ = 0;
    capacity_ = 0;
    bounds_ = {2147483647, 2147483647, -2147483647, -2147483647};
}

void TComplexRegion::AddRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (count_ == capacity_) {
        capacity_ += kGrowBy;
        rects_.reserve(static_cast<size_t>(capacity_));
    }
    rects_.push_back({left, top, right, bottom});
    ++count_;
    bounds_.Left = std::min(bounds_.Left, left);
    bounds_.Top = std::min(bounds_.Top, top);
    bounds_.Right = std::max(bounds_.Right, right);
    bounds_.Bottom = std::max(bounds_.Bottom, bottom);
}

std::optional<TRegion> TComplexRegion::CreateRegion(const TRect& clip) const {
    if (count_ == 0) return std::nullopt;
    TRegionMask mask(clip);
    AddTo(mask);
    return mask.ToRegion();
}

bool TComplexRegion::AddTo(TRegionMask& mask) const {
    if (count_ == 0) return false;
    for (const TRect& r : rects_) mask.AddRect(r);
    return true;
}

}  // namespace vd
