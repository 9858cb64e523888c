// Region builders shared by the shaped transition effects: bars, uneven
// shreds, speckles, circular sectors and rotated polygons. The regions are
// clipped to the picture rectangle (0, 0, W, H); a builder that adds no
// rectangle gives the empty region, so the effect draws nothing.
#pragma once
#include <cstddef>
#include <vector>

#include "slideshow/complex_region.h"
#include "slideshow/region.h"

namespace vd {

// Bars of thickness min(W, H) / 50 + 1. Horizontal modes (rows growing along
// x by EX): 1 from the right, 2 from the left, 3 alternate rows from both
// sides, 4 left then right, 5 right then left (modes 1, 2, 4, 5 take EX = 2X
// and fill the remaining rows in the second half). Vertical modes likewise
// over columns by EY: 1 from the bottom, 2 from the top, 3 both, 4 top then
// bottom, 5 bottom then top. Mode 0 adds nothing.
void AddBarRects(TComplexRegion& list, int ex, int ey, int w, int h, int hmode, int vmode);
TRegion BarRegion(int ex, int ey, int w, int h, int hmode, int vmode);

// Strips of thickness min(W, H) / 200 + 1 whose lengths jitter by up to a
// tenth of the picture (one draw of the process-wide generator per strip)
// until the extent reaches the edge. Horizontal modes: 1 from the right,
// 2 from the left, 3 out from the middle column, 4 in from both sides;
// vertical: 1 from the bottom, 2 from the top, 3 out from the middle row,
// 4 in from top and bottom.
void AddShredRects(TComplexRegion& list, int ex, int ey, int w, int h, int hmode, int vmode);
TRegion ShredRegion(int ex, int ey, int w, int h, int hmode, int vmode);

// A solid part plus square specks scattered ahead of its edge (drawn with
// the process-wide generator). Horizontal modes 1 from the right, 2 from the
// left; vertical modes 1 from the bottom, 2 from the top.
void AddSpeckleRects(TComplexRegion& list, int ex, int ey, int w, int h, int hmode, int vmode);
TRegion SpeckleRegion(int ex, int ey, int w, int h, int hmode, int vmode);

// The centre and n points on the circle of radius r at the angles
// start + k (end - start) / n, k = 0 .. n - 1 (radians, 0 pointing right,
// clockwise on screen), each rounded to the nearest integer.
std::vector<TPoint> SectorPoints(int cx, int cy, int r, int n, long double start, long double end);
// The polygon of those points, clipped to (0, 0, W, H).
TRegion SectorPolygon(int cx, int cy, int r, int n, long double start, long double end, int w, int h);

// Rotates the points about (cx, cy) by theta (radians, clockwise on screen),
// in extended precision, rounding to nearest with ties to even.
void RotatePoints(TPoint* points, size_t count, int cx, int cy, long double theta);

// The picture rectangle the effect regions are clipped to.
inline TRect PictureRect(int w, int h) { return {0, 0, w, h}; }

}  // namespace vd
