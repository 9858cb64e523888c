// Styles made of whole-rectangle copies: the new picture expands, slides, is
// revealed in place, is unrolled or pushes the old picture away. Styles 1..57
// and 128..135 of the effect table.
#pragma once
#include "slideshow/effect.h"

namespace vd {

// The routine of style 1..57 or 128..135; nullptr for any other style.
TEffectProc StretchEffectProc(int style);

}  // namespace vd
