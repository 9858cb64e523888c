// The arithmetic of the progress bar: percent from parts, the filled and
// empty parts of the interior, the LED segments and the position of the
// percentage text. Rounding is to the nearest integer with ties to even.
#pragma once
#include <cstdint>
#include <string>

#include "controls/model/box.h"

namespace vd {

enum TOrientation { orHorizontal = 0, orVertical = 1 };

// Parts are stored in 0..2147483647.
constexpr uint32_t kMaxProgressParts = 0x7FFFFFFFu;

// round(parts / total * 100) with ties to even; total must not be 0.
int PercentOfParts(uint32_t parts, uint32_t total);
// round(a * b / c) with ties to even, for non-negative a, b and c > 0.
int64_t RoundedRatio(int64_t a, int64_t b, int64_t c);

// The filled part of `r` at `percent`: all of it from 100 on; otherwise the
// left part of width round(P * width / 100) (horizontal) or the bottom part
// of height round(P * height / 100) (vertical).
TBox FilledPart(const TBox& r, int percent, TOrientation o);
// What is left of `r` beside the filled part (empty when it is all filled).
TBox EmptyPart(const TBox& r, int percent, TOrientation o);

// The segments of the LED style along a length L.
struct TLedLayout {
    int Size = 0;     // d, the length of one segment
    int Count = 0;    // S, after the small-bar rule and the added segments
    int Margin = 0;   // m, left at the start (the rest of L - d*S at the end)
    int Lit = 0;      // round(P * S / 100), not cut to S
};
inline bool operator==(const TLedLayout& a, const TLedLayout& b) {
    return a.Size == b.Size && a.Count == b.Count && a.Margin == b.Margin && a.Lit == b.Lit;
}
TLedLayout LedLayout(int length, int numSegments, int percent);
// Segment r (from 1) of the layout inside `r`: from the left edge
// (horizontal) or up from the bottom edge (vertical), across the whole
// other side.
TBox LedSegment(const TBox& r, const TLedLayout& led, int index, TOrientation o);

// "%u%%": 42 gives "42%".
std::string PercentText(unsigned percent);
// Top-left of the percentage text: centred on x = R.Right div 2, its top at
// R.Top + (height(R) - height of "X") div 2.
struct TTextOrigin {
    int X = 0, Y = 0;
};
TTextOrigin PercentTextOrigin(const TBox& r, int textWidth, int heightOfX);

}  // namespace vd
