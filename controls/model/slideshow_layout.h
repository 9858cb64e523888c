// Geometry of the slideshow control that needs no window: where the picture
// shows inside the client area, where the background tiles go, and the size
// an auto-sized slideshow asks for.
#pragma once
#include <vector>

#include "controls/model/box.h"

namespace vd {

// Where a picW x picH frame shows in a clientW x clientH client area with a
// frame line of frameWidth around it:
// - the available area is the client area less frameWidth on every side;
// - Proportional (with a non-empty picture) scales to the available area
//   keeping the aspect ratio when Stretch is set or the picture does not
//   fit; otherwise Stretch fills the available area; otherwise natural size;
// - Center centres it in the available area (division toward zero), else it
//   sits at (frameWidth, frameWidth).
// A width or height that would come out negative (client smaller than the
// frame) is 0.
TBox SlideshowDisplayRect(int clientW, int clientH, int frameWidth, int picW, int picH,
                          bool center, bool stretch, bool proportional);

// First tile along one axis: tiles of `size` aligned to rectStart, the
// first one reaching clipStart (clipStart >= rectStart).
inline int TileStart(int clipStart, int rectStart, int size) {
    return clipStart - (clipStart - rectStart) % size;
}

// Tiles of a w x h picture over `rect`, aligned to its top-left corner,
// limited to the part of `rect` inside `clip`: every tile that meets it,
// row by row.
std::vector<TBox> SlideshowTiles(const TBox& rect, const TBox& clip, int w, int h);

// A w x h picture centred in `rect` (division toward zero).
inline TBox CenteredBox(const TBox& rect, int w, int h) {
    return BoxOf(rect.Left + (rect.Width() - w) / 2, rect.Top + (rect.Height() - h) / 2, w, h);
}

// How the control's parent places it, for the auto-size answer.
enum class TSlideshowSizing {
    Free,         // not aligned
    FixedWidth,   // aligned to the top or bottom: the parent gives the width
    FixedHeight,  // aligned to the left or right: the parent gives the height
    Fixed         // filling the parent's client area
};

// The auto-size answer: the picture's size plus the frame on both sides
// plus the control's border (width - client width); a dimension the parent
// dictates keeps the proposed value. False (nothing changes) without a
// picture or when both dimensions are dictated.
bool SlideshowAutoSize(bool hasPicture, int picW, int picH, int frameWidth, TSlideshowSizing sizing,
                       int width, int clientW, int height, int clientH, int& newWidth,
                       int& newHeight);

}  // namespace vd
