// The control models' TBox and the toolkit's TRect hold a rectangle alike
// (left and top included, right and bottom excluded): one from the other.
#pragma once
#include "controls/model/box.h"
#include "toolkit/types.h"

namespace vd {

inline TRect ToRect(const TBox& b) { return TRect{b.Left, b.Top, b.Right, b.Bottom}; }
inline TBox ToBox(const TRect& r) { return TBox{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace vd
