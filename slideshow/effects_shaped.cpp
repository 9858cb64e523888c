#include "slideshow/effects_shaped.h"

#include "slideshow/effects_shaped_internal.h"

namespace vd {

TEffectProc ShapedEffectProc(int style) {
    using namespace shaped_fx;
    if (!((style >= 58 && style <= 127) || (style >= 136 && style <= 171))) return nullptr;
    for (TEffectProc (*family)(int) : {CurveEffect, BarEffect, TriangleEffect, RotatingEffect, GridEffect, PixelEffect})
        if (TEffectProc p = family(style)) return p;
    return nullptr;
}

}  // namespace vd
