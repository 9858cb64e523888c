// Frame-style borders of the control library, as the rectangles to fill:
// flat one-colour frames and the 3-D styles a Win32 developer knows, made
// of bevel rings whose top and left sides take one system colour and whose
// bottom and right sides take another (the bottom-left and top-right corner
// pixels go to the second colour, as the platform's edges draw them).
#pragma once
#include <vector>

#include "controls/model/box.h"
#include "core/color.h"

namespace vd {

enum TFrameStyleEx {
    fsNone = 0,
    fsFlat = 1,        // one flat ring (as an inner border without its corner pixels)
    fsGroove = 2,      // etched: a sunken ring around a raised one
    fsBump = 3,        // a raised ring around a sunken one
    fsLowered = 4,     // BevelWidth sunken rings
    fsButtonDown = 5,  // a pressed button's two sunken rings
    fsRaised = 6,      // BevelWidth raised rings
    fsButtonUp = 7,    // a button's two raised rings
    fsStatus = 8,      // a status pane's single sunken ring
    fsPopup = 9,       // a popup's single raised ring
    fsFlatBold = 10,   // two flat rings
    fsFlatRounded = 11  // one flat ring without its corner pixels
};
constexpr int kFrameStyleCount = 12;

// System colours of the bevels (shadow, highlight, face, dark shadow).
constexpr TColor kBevelShadow = clBtnShadow;
constexpr TColor kBevelHighlight = clSystemColor | 20;
constexpr TColor kBevelFace = clBtnFace;
constexpr TColor kBevelDarkShadow = clSystemColor | 21;

struct TFrameFill {
    TBox Box;
    TColor Color = 0;
};

// The fills of one border in `style` drawn on the edge of `r`, which then
// shrinks by the border's width (never past empty). `inner` selects the
// inner-border form of fsFlat; `flatColor` is the colour of the flat styles.
std::vector<TFrameFill> FrameStyleFills(TFrameStyleEx style, bool inner, TBox& r, int bevelWidth,
                                        TColor flatColor);

// The flat frame colour: `rgb` (a plain colour) with its HSL lightness on
// the 0..255 scale raised (adjustment > 0) or lowered (< 0) by
// |adjustment|, clamped to 0..255; 0 leaves the colour unchanged.
TColor AdjustFlatColor(TColor rgb, int adjustment);

}  // namespace vd
