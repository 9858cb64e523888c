// Curved and elliptic reveals: rounded rectangles whose corner ellipses are
// as large as the picture, so their edge reads as a curve.
#include "slideshow/effects_shaped_internal.h"

namespace vd {
namespace shaped_fx {
namespace {

VD_SHAPED_FX(CurvedFromLeft) { Reveal(s, p, RRect(-2 * W, 0, 2 * X, H + 1, 2 * W, 2 * W, W, H)); }
VD_SHAPED_FX(CurvedFromRight) { Reveal(s, p, RRect(W - 2 * X, 0, 3 * W, H + 1, 2 * W, 2 * W, W, H)); }
VD_SHAPED_FX(CurvedFromTop) { Reveal(s, p, RRect(0, -2 * H, W + 1, 2 * Y, 2 * H, 2 * H, W, H)); }
VD_SHAPED_FX(CurvedFromBottom) { Reveal(s, p, RRect(0, H - 2 * Y, W + 1, 3 * H, 2 * H, 2 * H, W, H)); }
VD_SHAPED_FX(CurvedFromTopLeft) { Reveal(s, p, RRect(-W, -H, 3 * X / 2, 3 * Y / 2, 2 * W, 2 * H, W, H)); }
VD_SHAPED_FX(CurvedFromTopRight) { Reveal(s, p, RRect(W - 3 * X / 2, -H, 2 * W, 3 * Y / 2, 2 * W, 2 * H, W, H)); }
VD_SHAPED_FX(CurvedFromBottomLeft) { Reveal(s, p, RRect(-W, H - 3 * Y / 2, 3 * X / 2, 2 * H, 2 * W, 2 * H, W, H)); }
VD_SHAPED_FX(CurvedFromBottomRight) {
    Reveal(s, p, RRect(W - 3 * X / 2, H - 3 * Y / 2, 2 * W, 2 * H, 2 * W, 2 * H, W, H));
}
VD_SHAPED_FX(EllipticOut) {
    const int cx = W / 2, cy = H / 2;
    Reveal(s, p, RRect(cx - X, cy - Y, cx + X, cy + Y, 9 * X / 5, 9 * Y / 5, W, H));
}
VD_SHAPED_FX(EllipticIn) {
    const int cx = W / 2, cy = H / 2;
    Reveal(s, p, Xor(Full(W, H), RRect(X - cx, Y - cy, 3 * cx - X, 3 * cy - Y, 9 * (W - X) / 5, 9 * (H - Y) / 5, W, H)));
}

const TStyleProc kCurves[] = {
    {58, CurvedFromLeft},       {59, CurvedFromRight},       {69, CurvedFromTop},
    {70, CurvedFromBottom},     {80, CurvedFromTopLeft},     {81, CurvedFromTopRight},
    {82, CurvedFromBottomLeft}, {83, CurvedFromBottomRight}, {84, EllipticOut},
    {85, EllipticIn},
};

}  // namespace

TEffectProc CurveEffect(int style) { return Find(kCurves, style); }

}  // namespace shaped_fx
}  // namespace vd
