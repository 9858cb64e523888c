// The frame of the flat group box: one-pixel lines (full frame or top line
// only) at half the caption's text height, with a gap where the caption is
// set into the top line.
#pragma once
#include <vector>

#include "controls/model/box.h"

namespace vd {

enum TGroupBoxBorder { brFull = 0, brOnlyTopLine = 1 };

struct TFramePoint {
    int X = 0, Y = 0;
};
inline bool operator==(const TFramePoint& a, const TFramePoint& b) { return a.X == b.X && a.Y == b.Y; }

// A polyline drawn one pixel wide: every point is drawn except the last one
// (the platform's line rule).
using TFramePolyline = std::vector<TFramePoint>;

// The frame lines inside `client` for a caption of tw x th pixels (no
// caption: hasCaption false, th the font's text height). The lines run at
// y = client.Top + th div 2:
//  - brFull with a caption: (L+5, y) (L, y) (L, B-1) (R-1, B-1) (R-1, y)
//    (L+tw+12, y), open over the caption;
//  - brFull without: the closed rectangle from (L, y) round to (L, y);
//  - brOnlyTopLine without: (L, y) (R-1, y);
//  - brOnlyTopLine with: (R-1, y) (L+tw+12, y), and with topLineFull also
//    the short piece (L+5, y) (L, y).
std::vector<TFramePolyline> GroupBoxFrameLines(TGroupBoxBorder border, bool topLineFull, bool hasCaption,
                                               const TBox& client, int tw, int th);

// Where the caption goes: (L + 10, top, R - 10, top + th), one line.
TBox GroupBoxCaptionRect(const TBox& client, int th);

}  // namespace vd
