#include "controls/model/flat_edit_geometry.h"

#include "core/numerics.h"

namespace vd {

std::array<TBox, 3> EllipsisDots(const TBox& button, int clientHeight, bool pressed) {
    const int top = static_cast<int>(DelphiRound(clientHeight / 2.0)) - 1;
    const int middle = button.Left + button.Width() / 2 - 1 + (pressed ? 1 : 0);
    std::array<TBox, 3> dots;
    for (int i = 0; i < 3; ++i) dots[i] = BoxOf(middle + (i - 1) * 4, top, 2, 2);
    return dots;
}

std::array<TBox, 4> DropDownTriangleRows(const TBox& button) {
    std::array<TBox, 4> rows;
    for (int i = 0; i < 4; ++i) rows[i] = BoxOf(button.Left + 4 + i, button.Top + 7 + i, 7 - 2 * i, 1);
    return rows;
}

int EditTextLeft(TTextAlign align, int areaWidth, int textWidth, int margin) {
    switch (align) {
        case TTextAlign::Right: return areaWidth - textWidth - margin - 1;
        case TTextAlign::Center: return (areaWidth - textWidth) / 2;
        case TTextAlign::Left: break;
    }
    return margin;
}

}  // namespace vd
