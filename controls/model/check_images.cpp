#include "controls/model/check_images.h"

namespace vd {
namespace {

// The tick: blue interior cells, one bit per column of the 7 x 7 interior
// (bit c = column c), rows top to bottom.
constexpr uint8_t kTick[7] = {
    0b1000000,  // 6
    0b1100000,  // 5, 6
    0b1110001,  // 0, 4, 5, 6
    0b0111011,  // 0, 1, 3, 4, 5
    0b0011111,  // 0, 1, 2, 3, 4
    0b0001110,  // 1, 2, 3
    0b0000100,  // 2
};

}  // namespace

TCheckInk CheckPictureInk(TCheckPicture picture, int x, int y) {
    const int last = kCheckPictureSize - 1;
    // Ring 0 is the grey frame; rings 1 and 2 the bevel, whose top row and
    // left column (each up to the ring's last-but-one pixel) are magenta and
    // whose bottom row and right column are red.
    int ring = x < y ? x : y;
    int far = last - (x > y ? x : y);
    if (far < ring) ring = far;
    if (ring == 0) return TCheckInk::ciGrey;
    if (ring <= 2) {
        bool topLeft = (y == ring && x < last - ring) || (x == ring && y < last - ring);
        return topLeft ? TCheckInk::ciMagenta : TCheckInk::ciRed;
    }
    int ix = x - 3, iy = y - 3;
    switch (picture) {
        case TCheckPicture::cpGrayed:
            return TCheckInk::ciBlue;
        case TCheckPicture::cpChecked:
            return (kTick[iy] >> ix) & 1 ? TCheckInk::ciBlue : TCheckInk::ciWhite;
        default:
            return TCheckInk::ciWhite;
    }
}

TColor CheckInkColor(TCheckInk ink) {
    switch (ink) {
        case TCheckInk::ciGrey: return kCheckGrey;
        case TCheckInk::ciMagenta: return RGB(255, 0, 255);
        case TCheckInk::ciRed: return RGB(255, 0, 0);
        case TCheckInk::ciWhite: return RGB(255, 255, 255);
        case TCheckInk::ciBlue: return RGB(0, 0, 255);
    }
    return 0;
}

TColor AdjustedHighlight(TColor highlightRgb) {
    return highlightRgb == kCheckMaskColor || highlightRgb == kCheckGrey ? highlightRgb + 1 : highlightRgb;
}

TColor MapCheckInk(TCheckInk ink, const TCheckColors& colors) {
    switch (ink) {
        case TCheckInk::ciGrey: return colors.BtnShadow;
        case TCheckInk::ciBlue: return AdjustedHighlight(colors.Highlight);
        default: return colors.Window;
    }
}

TCheckCell CheckCell(TCheckPicture picture, const TCheckColors& colors) {
    TCheckCell cell;
    cell.fill(kCheckMaskColor);
    for (int y = 0; y < kCheckPictureSize; ++y)
        for (int x = 0; x < kCheckPictureSize; ++x)
            cell[(y + kCheckPictureOffset) * kCheckCellSize + x + kCheckPictureOffset] =
                MapCheckInk(CheckPictureInk(picture, x, y), colors);
    return cell;
}

}  // namespace vd
