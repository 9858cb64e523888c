// Pixel routines shared by the transition effects: the blend of the fade,
// the shading ramps of the unroll curls and the rotation of the pivots. They
// change the three colour bytes of a pixel and never the fourth byte, and
// clip every block to the surfaces.
#pragma once
#include "slideshow/surface.h"

namespace vd {

// Blends the block (left, top, width, height) of Screen towards Picture:
// alpha = MulDiv(256, percent, 100); every colour byte s of Screen becomes
// s + ((alpha * (p - s)) >> 8) with p the Picture byte (arithmetic shift),
// stored as a byte. The same over the whole bitmap is the fade.
void BlendBlock(TSurface& screen, const TSurface& picture, int percent,
                int left, int top, int width, int height);

// Darkens columns x0 .. x0 + n - 1 of every row with a ramp that starts at
// -a, rises for half the band and falls after; every colour byte gets the
// column's value added, clamped to 0..255. Nothing when n <= 1 or a == 0.
void ShadeColumns(TSurface& screen, int a, int x0, int n);

// The same over rows y0 .. y0 + n - 1 (y counted from the top), processed
// from the band's bottom row upwards.
void ShadeRows(TSurface& screen, int a, int y0, int n);

// The ramp values of the two routines above, in processing order (columns
// from x0 rightwards, rows from the band's bottom upwards).
void ShadeColumnRamp(int a, int n, int* values);
void ShadeRowRamp(int a, int n, int* values);

// Rotates Picture about the pivot (a, b) by theta (radians, 16.16 fixed
// point) and writes it over Screen where it lands; Screen pixels that no
// Picture pixel reaches keep the start frame.
void PivotSample(TSurface& screen, const TSurface& picture, int a, int b, double theta);

}  // namespace vd
