// Our own drawing services for the transition engine: rectangle copy and
// nearest-pixel stretch between 32-bit surfaces.
//
// Put(src (sx, sy, sw, sh) => dst (dx, dy, dw, dh)):
// - nothing is drawn when sw, sh, dw or dh is <= 0;
// - destination pixel (x, y), dx <= x < dx + dw, dy <= y < dy + dh, inside the
//   destination surface, takes the source pixel
//       ux = sx + floor(((2 (x - dx) + 1) sw) / (2 dw))
//       uy = sy + floor(((2 (y - dy) + 1) sh) / (2 dh))
//   when (ux, uy) lies inside the source surface, and is left unchanged
//   otherwise (so equal sizes copy pixel for pixel);
// - only the colour bytes are written, the fourth byte of every destination
//   pixel stays as it was;
// - when source and destination are the same surface, the whole source
//   rectangle is read before anything is written.
#pragma once
#include "slideshow/surface.h"

namespace vd {

struct TRectXYWH {
    int x, y, w, h;
};

// Stretch (or copy, when the sizes are equal) a source rectangle onto a
// destination rectangle, with the rules above.
void StretchRect(TSurface& dst, int dx, int dy, int dw, int dh,
                 const TSurface& src, int sx, int sy, int sw, int sh);

// Copy a rectangle of equal size at (x, y) in both surfaces ("in place").
inline void CopyInPlace(TSurface& dst, const TSurface& src, int x, int y, int w, int h) {
    StretchRect(dst, x, y, w, h, src, x, y, w, h);
}

// Copy the colour bytes of every pixel of src onto dst (same size); the
// fourth bytes of dst stay.
void CopyColors(TSurface& dst, const TSurface& src);

// Copy one image row's colour bytes: dst[i] takes the colour of src[i] for
// i < n, keeping dst's fourth bytes. The two rows must not overlap.
inline void MergeRow(uint32_t* __restrict dst, const uint32_t* __restrict src, int n) {
    for (int i = 0; i < n; ++i) dst[i] = (dst[i] & kFourthByteMask) | (src[i] & kColorMask);
}

}  // namespace vd
