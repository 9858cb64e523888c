#include "slideshow/extents.h"

#include "core/numerics.h"

namespace vd {

TExtents ProgressExtents(int w, int h, int progress) {
    // MulDiv answers -1 for a zero divisor; an empty picture has no extent.
    if (w <= 0 || h <= 0) return {0, 0};
    if (h <= w) {
        int x = MulDiv(w, progress, 100);
        return {x, MulDiv(x, h, w)};
    }
    int y = MulDiv(h, progress, 100);
    return {MulDiv(y, w, h), y};
}

}  // namespace vd
