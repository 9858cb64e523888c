// The check-box pictures of the tri-state check tree when no visual theme
// is active: three 13 x 13 pictures (unchecked, checked, grayed) in five
// source colours, each mapped to the system's colours and the tree's
// highlight and centred at (2, 2) of a 16 x 16 cell on the mask colour,
// which the image list leaves out.
#pragma once
#include <array>
#include <cstdint>

#include "core/color.h"

namespace vd {

enum class TCheckPicture { cpUnchecked, cpChecked, cpGrayed };

// The source colours of the pictures.
enum class TCheckInk : uint8_t {
    ciGrey,     // RGB 128, 128, 128: the one-pixel frame
    ciMagenta,  // RGB 255, 0, 255: inner bevel, top and left
    ciRed,      // RGB 255, 0, 0: inner bevel, bottom and right
    ciWhite,    // RGB 255, 255, 255: the interior
    ciBlue      // RGB 0, 0, 255: the tick, the grayed fill
};

constexpr int kCheckPictureSize = 13;
constexpr int kCheckCellSize = 16;
constexpr int kCheckPictureOffset = 2;
constexpr TColor kCheckMaskColor = 32896;  // RGB 128, 128, 0
constexpr TColor kCheckGrey = 8421504;     // RGB 128, 128, 128

// The source colour of a pixel of a picture (x, y in 0..12).
TCheckInk CheckPictureInk(TCheckPicture picture, int x, int y);
// The RGB value of a source colour.
TColor CheckInkColor(TCheckInk ink);

// The highlight as the tick is drawn: its RGB value, plus 1 when that equals
// the mask colour or grey, so that the tick never turns transparent.
TColor AdjustedHighlight(TColor highlightRgb);

// The colours the source colours map to, all plain RGB values: white, red
// and magenta become Window, grey BtnShadow, blue the adjusted Highlight.
struct TCheckColors {
    TColor Window = 0, BtnShadow = 0, Highlight = 0;
};
TColor MapCheckInk(TCheckInk ink, const TCheckColors& colors);

// A whole 16 x 16 cell, row by row from the top: the mask colour with the
// mapped picture at (2, 2).
using TCheckCell = std::array<TColor, kCheckCellSize * kCheckCellSize>;
TCheckCell CheckCell(TCheckPicture picture, const TCheckColors& colors);

}  // namespace vd
