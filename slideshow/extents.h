// The progress extents X and Y handed to every effect routine.
#pragma once

namespace vd {

struct TExtents {
    int X;
    int Y;
};

// X and Y grow together from 0 to the picture's size and keep its aspect
// ratio, taken from the larger side: if h <= w, X = w * progress / 100 and
// Y = X * h / w; otherwise Y = h * progress / 100 and X = Y * w / h; each
// step one MulDiv (rounded to nearest). An empty picture gives (0, 0).
TExtents ProgressExtents(int w, int h, int progress);

}  // namespace vd
