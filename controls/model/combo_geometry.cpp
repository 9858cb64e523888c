#include "controls/model/combo_geometry.h"

namespace vd {

std::array<TCorner, 3> ComboArrowTriangle(const TBox& button, bool droppedDown) {
    const int cx = button.Left + button.Width() / 2, cy = button.Top + button.Height() / 2;
    const int base = droppedDown ? cy + 1 : cy - 1, tip = droppedDown ? cy - 1 : cy + 1;
    return {TCorner{cx - 2, base}, TCorner{cx + 2, base}, TCorner{cx, tip}};
}

}  // namespace vd
