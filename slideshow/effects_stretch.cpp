#include "slideshow/effects_stretch.h"

#include "slideshow/effects_stretch_internal.h"

namespace vd {

TEffectProc StretchEffectProc(int style) {
    if (TEffectProc f = stretch_fx::SlideProc(style)) return f;
    if (TEffectProc f = stretch_fx::UnrollProc(style)) return f;
    return stretch_fx::PushProc(style);
}

}  // namespace vd
