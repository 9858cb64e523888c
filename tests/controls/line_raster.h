// Test helper: the pixels of one-pixel lines that stop short of their last
// point, as rows of '#' (drawn) and '.' (not), for lines that are
// horizontal, vertical or at 45 degrees (the only ones the controls draw).
#pragma once
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace vd::test {

using TPixelRows = std::vector<std::string>;

inline TPixelRows BlankRows(int w, int h) { return TPixelRows(h, std::string(w, '.')); }

// Draws (x1, y1) -> (x2, y2), last point excluded, into `rows` (clipped).
inline void RasterLine(TPixelRows& rows, int x1, int y1, int x2, int y2) {
    int dx = x2 - x1, dy = y2 - y1;
    if (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy))
        throw std::invalid_argument("only straight and 45-degree lines");
    int n = std::max(std::abs(dx), std::abs(dy));
    int sx = (dx > 0) - (dx < 0), sy = (dy > 0) - (dy < 0);
    for (int i = 0; i < n; ++i) {
        int x = x1 + i * sx, y = y1 + i * sy;
        if (y >= 0 && y < static_cast<int>(rows.size()) && x >= 0 && x < static_cast<int>(rows[y].size()))
            rows[y][x] = '#';
    }
}

// A polyline: each segment stops short of its end, which the next segment
// starts with, so only the very last point stays undrawn.
template <typename Points>
void RasterPolyline(TPixelRows& rows, const Points& points) {
    for (size_t i = 0; i + 1 < points.size(); ++i)
        RasterLine(rows, points[i].X, points[i].Y, points[i + 1].X, points[i + 1].Y);
}

}  // namespace vd::test
