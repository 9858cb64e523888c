// Painting a parent's picture behind a child: see-through controls (a
// transparent check box on a skinned page, a group box over its parent)
// call this first in their Paint, then draw themselves on top.
#pragma once
#include "toolkit/canvas.h"

namespace vd {

class TControl;

// Paints the parent of `control` (its background, its own Paint and its
// graphic children) into `canvas`, whose origin is the control's top-left,
// so that the canvas holds the parent's pixels behind the control. Nothing
// happens when the control has no parent; a nested call for the same
// control (a parent that paints its children's areas back) paints nothing.
void PaintParentBehind(TControl& control, TCanvas& canvas);

}  // namespace vd
