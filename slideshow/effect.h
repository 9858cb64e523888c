// The contract of a transition effect routine. Screen holds the start frame
// on entry and is changed into the frame for `progress` (1..99); Picture is
// the new picture, read only. X and Y are the progress extents (0..W, 0..H)
// computed by ProgressExtents. A routine changes the colour bytes only and
// never the fourth byte of a pixel.
#pragma once
#include "slideshow/surface.h"

namespace vd {

using TEffectProc = void (*)(TSurface& screen, const TSurface& picture, int w, int h, int x, int y, int progress);

struct TEffect {
    const char* Name;
    TEffectProc Proc;
};

constexpr int kEffectCount = 171;

}  // namespace vd
