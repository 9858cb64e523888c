#include "controls/model/frame_style.h"

#include <algorithm>

#include "controls/model/color_shift.h"
#include "core/numerics.h"

namespace vd {
namespace {

TBox Shrunk(const TBox& r, int n) {
    TBox s{r.Left + n, r.Top + n, r.Right - n, r.Bottom - n};
    if (s.Right < s.Left) s.Left = s.Right = (r.Left + r.Right) / 2;
    if (s.Bottom < s.Top) s.Top = s.Bottom = (r.Top + r.Bottom) / 2;
    return s;
}

void Add(std::vector<TFrameFill>& out, const TBox& b, TColor c) {
    if (!b.IsEmpty()) out.push_back(TFrameFill{b, c});
}

// One ring: top and left in `topLeft`, bottom and right in `bottomRight`.
void Bevel(std::vector<TFrameFill>& out, TBox& r, TColor topLeft, TColor bottomRight) {
    if (r.IsEmpty()) return;
    Add(out, TBox{r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
    Add(out, TBox{r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, topLeft);
    Add(out, TBox{r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    Add(out, TBox{r.Right - 1, r.Top, r.Right, r.Bottom - 1}, bottomRight);
    r = Shrunk(r, 1);
}

// One flat ring, with or without its four corner pixels.
void Flat(std::vector<TFrameFill>& out, TBox& r, TColor c, bool corners) {
    if (r.IsEmpty()) return;
    const int inset = corners ? 0 : 1;
    Add(out, TBox{r.Left + inset, r.Top, r.Right - inset, r.Top + 1}, c);
    Add(out, TBox{r.Left + inset, r.Bottom - 1, r.Right - inset, r.Bottom}, c);
    Add(out, TBox{r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, c);
    Add(out, TBox{r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}, c);
    r = Shrunk(r, 1);
}

}  // namespace

std::vector<TFrameFill> FrameStyleFills(TFrameStyleEx style, bool inner, TBox& r, int bevelWidth,
                                        TColor flatColor) {
    std::vector<TFrameFill> out;
    const int width = std::max(bevelWidth, 1);
    switch (style) {
        case fsNone: break;
        case fsFlat: Flat(out, r, flatColor, !inner); break;
        case fsFlatBold:
            Flat(out, r, flatColor, true);
            Flat(out, r, flatColor, true);
            break;
        case fsFlatRounded: Flat(out, r, flatColor, false); break;
        case fsGroove:
            Bevel(out, r, kBevelShadow, kBevelHighlight);
            Bevel(out, r, kBevelHighlight, kBevelShadow);
            break;
        case fsBump:
            Bevel(out, r, kBevelHighlight, kBevelShadow);
            Bevel(out, r, kBevelShadow, kBevelHighlight);
            break;
        case fsLowered:
            for (int i = 0; i < width; ++i) Bevel(out, r, kBevelShadow, kBevelHighlight);
            break;
        case fsRaised:
            for (int i = 0; i < width; ++i) Bevel(out, r, kBevelHighlight, kBevelShadow);
            break;
        case fsButtonDown:
            Bevel(out, r, kBevelShadow, kBevelHighlight);
            Bevel(out, r, kBevelDarkShadow, kBevelFace);
            break;
        case fsButtonUp:
            Bevel(out, r, kBevelFace, kBevelDarkShadow);
            Bevel(out, r, kBevelHighlight, kBevelShadow);
            break;
        case fsStatus: Bevel(out, r, kBevelShadow, kBevelHighlight); break;
        case fsPopup: Bevel(out, r, kBevelHighlight, kBevelShadow); break;
    }
    return out;
}

TColor AdjustFlatColor(TColor rgb, int adjustment) {
    if (adjustment == 0) return rgb;
    TExactHsl hsl = RgbToExactHsl(rgb);
    const int level = std::clamp(static_cast<int>(DelphiRound(hsl.Lightness * 255)) + adjustment, 0, 255);
    hsl.Lightness = level / 255.0;
    return ExactHslToRgb(hsl);
}

}  // namespace vd
