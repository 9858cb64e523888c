// Styles 128..135: the new picture pushes the start frame out of the way.
// The start frame is first moved (or squeezed) within Screen, then the
// new picture comes in from the edge it pushes from.
#include "slideshow/effects_stretch_internal.h"

namespace vd {
namespace stretch_fx {
namespace {

VD_STRETCH_STYLE(128) {
    StoS(s, 0, 0, W - X, H, X, 0, W - X, H);
    PtoS(s, p, W - X, 0, X, H, 0, 0, X, H);
}
VD_STRETCH_STYLE(129) {
    StoS(s, X, 0, W - X, H, 0, 0, W - X, H);
    PtoS(s, p, 0, 0, X, H, W - X, 0, X, H);
}
VD_STRETCH_STYLE(130) {
    StoS(s, 0, 0, W, H, X, 0, W - X, H);
    PtoS(s, p, W - X, 0, X, H, 0, 0, X, H);
}
VD_STRETCH_STYLE(131) {
    StoS(s, 0, 0, W, H, 0, 0, W - X, H);
    PtoS(s, p, 0, 0, X, H, W - X, 0, X, H);
}
VD_STRETCH_STYLE(132) {
    StoS(s, 0, 0, W, H - Y, 0, Y, W, H - Y);
    PtoS(s, p, 0, H - Y, W, Y, 0, 0, W, Y);
}
VD_STRETCH_STYLE(133) {
    StoS(s, 0, Y, W, H - Y, 0, 0, W, H - Y);
    PtoS(s, p, 0, 0, W, Y, 0, H - Y, W, Y);
}
VD_STRETCH_STYLE(134) {
    StoS(s, 0, 0, W, H, 0, Y, W, H - Y);
    PtoS(s, p, 0, H - Y, W, Y, 0, 0, W, Y);
}
VD_STRETCH_STYLE(135) {
    StoS(s, 0, 0, W, H, 0, 0, W, H - Y);
    PtoS(s, p, 0, 0, W, Y, 0, H - Y, W, Y);
}

}  // namespace

TEffectProc PushProc(int style) {
    switch (style) {
        case 128: return Style128;  case 129: return Style129;
        case 130: return Style130;  case 131: return Style131;
        case 132: return Style132;  case 133: return Style133;
        case 134: return Style134;  case 135: return Style135;
        default: return nullptr;
    }
}

}  // namespace stretch_fx
}  // namespace vd
