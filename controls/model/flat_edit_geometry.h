// Geometry and the frame colour rule of the flat edit: the 3-pixel frame,
// the link button at the right end of the client area with its glyphs, the
// formatting rectangle left for the text, and where the box's own painting
// puts the text for each alignment.
#pragma once
#include <array>

#include "controls/model/box.h"
#include "core/color.h"

namespace vd {

enum TLinkStyle { lsNone = 0, lsEllipsis = 1, lsDropDown = 2 };
enum class TTextAlign { Left, Right, Center };

// Width of the non-client frame on every side.
constexpr int kEditFrameWidth = 3;

// The colour of the two inner rings (and of the text background): the idle
// colour unless the box has the focus, or the mouse is over it while no
// other flat edit has the focus.
inline TColor EditStateColor(bool focused, bool hot, bool otherFlatEditFocused, TColor flat, TColor highlight) {
    return focused || (hot && !otherFlatEditFocused) ? highlight : flat;
}

// The link button: the rightmost `buttonWidth` pixels of the client area.
inline TBox EditButtonRect(int clientWidth, int clientHeight, int buttonWidth) {
    return TBox{clientWidth - buttonWidth, 0, clientWidth, clientHeight};
}

// Where the mouse cursor is the button's: the button, 4 pixels wider to the
// left.
inline TBox EditButtonCursorArea(int clientWidth, int clientHeight, int buttonWidth) {
    TBox b = EditButtonRect(clientWidth, clientHeight, buttonWidth);
    b.Left -= 4;
    return b;
}

// The edit's formatting rectangle; buttonWidth 0 when there is no button.
inline TBox EditFormattingRect(int clientWidth, int clientHeight, int buttonWidth) {
    return TBox{0, 0, clientWidth - 2 - buttonWidth, clientHeight + 1};
}

// The three 2 x 2 dots of the ellipsis glyph, left to right.
std::array<TBox, 3> EllipsisDots(const TBox& button, int clientHeight, bool pressed);

// The four rows of the drop-down triangle (each one pixel high), top down.
std::array<TBox, 4> DropDownTriangleRows(const TBox& button);

// Left edge of the text drawn by the box itself in an area `areaWidth` wide
// (the client width, less the button and its gap when there is one).
int EditTextLeft(TTextAlign align, int areaWidth, int textWidth, int margin);

}  // namespace vd
