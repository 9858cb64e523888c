// Geometry of the flat combo box: the frame, the narrow arrow button and its
// triangle, the strip that the native control's own (hidden) button leaves,
// the gap strip and focus frame of the closed field, and the inner edit of
// the editable styles. Sizes in pixels of the combo's window, which has no
// non-client area.
#pragma once
#include <array>

#include "controls/model/box.h"

namespace vd {

// Width of the arrow button's face.
constexpr int kComboArrowWidth = 11;

struct TCorner {
    int X = 0, Y = 0;
};

// The frame: the whole window less the arrow button's width + 1 at the
// right (its right edge meets the button's left edge).
inline TBox ComboFrameRect(int width, int height) {
    return TBox{0, 0, width - kComboArrowWidth - 1, height};
}

// The arrow button: from client width - 11 - 2 to the window's right edge.
inline TBox ComboButtonRect(int clientWidth, int windowWidth, int height) {
    return TBox{clientWidth - kComboArrowWidth - 2, 0, windowWidth, height};
}

// The triangle of the arrow around the button's centre (halves toward
// zero): pointing down, or up while the list is dropped down.
std::array<TCorner, 3> ComboArrowTriangle(const TBox& button, bool droppedDown);

// The strip the native control paints its own button in (hidden under ours):
// the rightmost scroll-bar width + 2 pixels.
inline TBox ComboNativeButtonStrip(int clientWidth, int height, int scrollBarWidth) {
    return TBox{clientWidth - scrollBarWidth - 2, 0, clientWidth, height};
}

// The 5-pixel strip between the native text area and our narrower button.
inline TBox ComboGapStrip(int clientWidth, int height) {
    return TBox{clientWidth - 2 - 19, 3, clientWidth - 2 - 14, height - 3};
}

// The focus frame around the text area of the closed, focused field.
inline TBox ComboFocusFrame(int clientWidth, int height) {
    return TBox{3, 3, clientWidth - 3 - 13, height - 3};
}

// The frame around the inner text area of an editable combo while dropped.
inline TBox ComboDroppedTextFrame(int clientWidth, int height) {
    return TBox{2, 2, clientWidth - kComboArrowWidth - 3, height - 2};
}

// Size of the inner edit of the editable styles.
inline TCorner ComboInnerEditSize(int clientWidth, int height) {
    return TCorner{clientWidth - kComboArrowWidth - 8, height - 6};
}

}  // namespace vd
