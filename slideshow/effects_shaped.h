// The shaped-region and pixel transition styles: 58..127 and 136..171 of
// the effect table (curves, bars, shreds, triangles, diamonds, zigzags,
// rotating figures, sweeps, grids and blinds, fade, pivots, pixelate,
// dissolve and random bars).
#pragma once
#include "slideshow/effect.h"

namespace vd {

// The routine of a shaped or pixel style, nullptr for any other style.
TEffectProc ShapedEffectProc(int style);

}  // namespace vd
