// The two-colour gradient fill of the control library, over our 32-bit
// surfaces. Each channel is interpolated linearly in 16.16 fixed point over
// N steps (increment ((end << 16) - (start << 16)) / N, truncated); adjacent
// steps of identical colour are merged into one band, and each band is
// filled with one colour.
//
// Straight directions (the *End and *Center ones) are computed once on an
// 8-pixel strip that is then replicated across the area by copies of
// doubling size (8, 16, 32, ... pixels).
#pragma once
#include <cstdint>
#include <vector>

#include "controls/model/box.h"
#include "core/color.h"
#include "slideshow/surface.h"

namespace vd {

enum TGradientDirection {
    gdDiagonalUp = 0,     // first colour at the bottom-left corner, stop colour at the top-right
    gdDiagonalDown = 1,   // stop colour at the bottom-right corner, first colour at the top-left
    gdHorizontalEnd = 2,  // horizontal bands: first colour at the top edge, stop at the bottom
    gdHorizontalCenter = 3,  // horizontal bands: first colour on the middle line, stop at both edges
    gdHorizontalBox = 4,  // nested rectangles from the edges in to a strip a quarter of the height
    gdVerticalEnd = 5,    // vertical bands: first colour at the left edge, stop at the right
    gdVerticalCenter = 6,  // vertical bands: first colour on the middle line, stop at both edges
    gdVerticalBox = 7,    // nested rectangles from the edges in to a strip a quarter of the width
    gdSquareBox = 8,      // nested rectangles of equal inset (45-degree corners)
    gdBigSquareBox = 9    // nested rectangles shrinking with the area to a quarter of its size
};
constexpr int kGradientDirectionCount = 10;

// A run of steps [First, Last] of one colour (0x00BBGGRR).
struct TGradientBand {
    int First = 0, Last = 0;
    TColor Color = 0;
};

inline bool operator==(const TGradientBand& a, const TGradientBand& b) {
    return a.First == b.First && a.Last == b.Last && a.Color == b.Color;
}

// The colour of step i of N from `from` to `to` (plain colours).
TColor GradientStepColor(TColor from, TColor to, int steps, int i);
// Steps 0..N-1 merged into bands of equal colour; empty when N <= 0.
std::vector<TGradientBand> GradientBands(TColor from, TColor to, int steps);

// The number of steps a direction uses over a W x H area (0 when empty).
int GradientSteps(TGradientDirection d, int width, int height);

// Fills `area` (clipped to the surface) with a gradient from `from` to `to`
// (plain 0x00BBGGRR colours). Nothing is drawn when the area is empty; a
// gradient whose colours are equal fills the area plainly. Pixels are
// written as a solid brush writes them (fourth byte 0).
void GradientFill(TSurface& surface, const TBox& area, TColor from, TColor to, TGradientDirection d);

}  // namespace vd
