#include "controls/model/gradient.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/numerics.h"

namespace vd {
namespace {

uint32_t PixelOf(TColor c) {
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) |
           GetBValue(c);
}

int StepChannel(int from, int to, int steps, int i) {
    const int64_t start = static_cast<int64_t>(from) << 16;
    const int64_t inc = ((static_cast<int64_t>(to) << 16) - start) / steps;  // truncated
    return static_cast<int>((start + i * inc) >> 16);
}

// Pixel of every step, band by band.
std::vector<uint32_t> StepPixels(TColor from, TColor to, int steps) {
    std::vector<uint32_t> table(static_cast<size_t>(std::max(steps, 0)));
    for (const TGradientBand& b : GradientBands(from, to, steps))
        std::fill(table.begin() + b.First, table.begin() + b.Last + 1, PixelOf(b.Color));
    return table;
}

void FillSolid(TSurface& s, const TBox& v, uint32_t pixel) {
    for (int y = v.Top; y < v.Bottom; ++y) std::fill_n(s.Row(y) + v.Left, v.Width(), pixel);
}

// Mirrored distance of cell i of n from the middle: 0 on the middle line(s).
int FromMiddle(int i, int n) { return std::abs(2 * i + 1 - n) / 2; }

// Horizontal bands: the colour of each row, drawn on a strip of up to 8
// columns at the left of the visible box, then copied rightwards in blocks
// of doubling width.
void FillRows(TSurface& s, const TBox& area, const TBox& v, const std::vector<uint32_t>& table, bool centre) {
    const int strip = std::min(8, v.Width());
    for (int y = v.Top; y < v.Bottom; ++y) {
        const int i = y - area.Top;
        std::fill_n(s.Row(y) + v.Left, strip, table[centre ? FromMiddle(i, area.Height()) : i]);
    }
    for (int done = strip; done < v.Width();) {
        const int n = std::min(done, v.Width() - done);
        for (int y = v.Top; y < v.Bottom; ++y) {
            uint32_t* row = s.Row(y) + v.Left;
            std::memcpy(row + done, row, static_cast<size_t>(n) * 4);
        }
        done += n;
    }
}

// Vertical bands: the colour of each column, drawn on a strip of up to 8
// rows at the top of the visible box, then copied downwards in blocks of
// doubling height.
void FillColumns(TSurface& s, const TBox& area, const TBox& v, const std::vector<uint32_t>& table,
                 bool centre) {
    const int strip = std::min(8, v.Height());
    uint32_t* first = s.Row(v.Top) + v.Left;
    for (int x = v.Left; x < v.Right; ++x) {
        const int i = x - area.Left;
        first[x - v.Left] = table[centre ? FromMiddle(i, area.Width()) : i];
    }
    const size_t bytes = static_cast<size_t>(v.Width()) * 4;
    for (int y = v.Top + 1; y < v.Top + strip; ++y) std::memcpy(s.Row(y) + v.Left, first, bytes);
    for (int done = strip; done < v.Height();) {
        const int n = std::min(done, v.Height() - done);
        for (int k = 0; k < n; ++k) std::memcpy(s.Row(v.Top + done + k) + v.Left, s.Row(v.Top + k) + v.Left, bytes);
        done += n;
    }
}

// Bands parallel to the diagonal that does not touch the start corner. With
// pixel centres (x + 1/2, y + 1/2) relative to the area, u = 4wh at the
// opposite corner and 0 at the start corner; step = u * N / 4wh. Along a
// row u changes by a constant, so the step is followed incrementally.
void FillDiagonal(TSurface& s, const TBox& area, const TBox& v, const std::vector<uint32_t>& table, bool down) {
    const int64_t w = area.Width(), h = area.Height(), n = static_cast<int64_t>(table.size());
    const int64_t d = 4 * w * h;
    // gdDiagonalDown starts at the bottom-right: u = 4wh - h(2x+1) - w(2y+1).
    // gdDiagonalUp starts at the bottom-left:    u = 2wh + h(2x+1) - w(2y+1).
    const int64_t du = (down ? -2 * h : 2 * h) * n;  // per pixel to the right, times N
    for (int y = v.Top; y < v.Bottom; ++y) {
        const int64_t x0 = v.Left - area.Left, y0 = y - area.Top;
        const int64_t u = down ? d - h * (2 * x0 + 1) - w * (2 * y0 + 1) : 2 * w * h + h * (2 * x0 + 1) - w * (2 * y0 + 1);
        int64_t q = u * n / d, r = u * n % d;
        uint32_t* row = s.Row(y);
        for (int x = v.Left; x < v.Right; ++x) {
            row[x] = table[static_cast<size_t>(q)];
            r += du;
            while (r < 0) {
                r += d;
                --q;
            }
            while (r >= d) {
                r -= d;
                ++q;
            }
        }
    }
}

// Nested rectangles: the area shrinks step by step towards an inner
// rectangle of iw x ih centred in it; step i is inset by ceil(i*X/M)
// horizontally and ceil(i*Y/M) vertically (X, Y the total insets, M the
// larger), so the outer ring is all step 0 and the last step is the inner
// rectangle. A pixel takes the deepest rectangle that still holds it.
struct TBoxNesting {
    int X = 0, Y = 0, M = 0;
};

TBoxNesting BoxNesting(TGradientDirection d, int w, int h) {
    int iw = 0, ih = 0;
    switch (d) {
        case gdHorizontalBox:  // a middle strip a quarter of the height, equal insets
            ih = h / 4;
            iw = std::max(0, w - (h - ih));
            break;
        case gdVerticalBox:  // a middle strip a quarter of the width, equal insets
            iw = w / 4;
            ih = std::max(0, h - (w - iw));
            break;
        case gdSquareBox: {  // equal insets until the shorter side is used up
            const int k = (std::min(w, h) - 1) / 2;
            iw = w - 2 * k;
            ih = h - 2 * k;
            break;
        }
        default:  // gdBigSquareBox: a quarter of both sides, shrinking with the area
            iw = w / 4;
            ih = h / 4;
            break;
    }
    TBoxNesting b;
    b.X = (w - iw) / 2;
    b.Y = (h - ih) / 2;
    b.M = std::max(b.X, b.Y);
    return b;
}

// Deepest step whose inset along one axis, ceil(i * inset / M), is at most
// `dist` (the pixel's distance from the nearer edge): floor(dist * M / inset).
int DeepestStep(int dist, int inset, int m) {
    if (inset == 0) return m;
    return static_cast<int>(std::min<int64_t>(m, static_cast<int64_t>(dist) * m / inset));
}

void FillBox(TSurface& s, const TBox& area, const TBox& v, const std::vector<uint32_t>& table,
             TGradientDirection d) {
    const int w = area.Width(), h = area.Height();
    const TBoxNesting b = BoxNesting(d, w, h);
    std::vector<int> column(static_cast<size_t>(v.Width()));
    for (int x = v.Left; x < v.Right; ++x) {
        const int i = x - area.Left;
        column[x - v.Left] = DeepestStep(std::min(i, w - 1 - i), b.X, b.M);
    }
    for (int y = v.Top; y < v.Bottom; ++y) {
        const int i = y - area.Top;
        const int rowStep = DeepestStep(std::min(i, h - 1 - i), b.Y, b.M);
        uint32_t* row = s.Row(y) + v.Left;
        for (int x = 0; x < v.Width(); ++x) row[x] = table[std::min(column[x], rowStep)];
    }
}

}  // namespace

TColor GradientStepColor(TColor from, TColor to, int steps, int i) {
    if (steps <= 0) return from;
    return RGB(static_cast<uint8_t>(StepChannel(GetRValue(from), GetRValue(to), steps, i)),
               static_cast<uint8_t>(StepChannel(GetGValue(from), GetGValue(to), steps, i)),
               static_cast<uint8_t>(StepChannel(GetBValue(from), GetBValue(to), steps, i)));
}

std::vector<TGradientBand> GradientBands(TColor from, TColor to, int steps) {
    std::vector<TGradientBand> bands;
    for (int i = 0; i < steps; ++i) {
        const TColor c = GradientStepColor(from, to, steps, i);
        if (!bands.empty() && bands.back().Color == c)
            bands.back().Last = i;
        else
            bands.push_back(TGradientBand{i, i, c});
    }
    return bands;
}

int GradientSteps(TGradientDirection d, int width, int height) {
    if (width <= 0 || height <= 0) return 0;
    switch (d) {
        case gdDiagonalUp:
        case gdDiagonalDown:
            return static_cast<int>(DelphiRound(std::sqrt(static_cast<double>(width) * width +
                                                          static_cast<double>(height) * height))) + 1;
        case gdHorizontalEnd: return height;
        case gdVerticalEnd: return width;
        case gdHorizontalCenter: return (height + 1) / 2;
        case gdVerticalCenter: return (width + 1) / 2;
        default: return BoxNesting(d, width, height).M + 1;
    }
}

void GradientFill(TSurface& surface, const TBox& area, TColor from, TColor to, TGradientDirection d) {
    if (area.IsEmpty()) return;
    const TBox v = Intersect(area, TBox{0, 0, surface.Width(), surface.Height()});
    if (v.IsEmpty()) return;
    from &= 0xFFFFFF;
    to &= 0xFFFFFF;
    if (from == to) {
        FillSolid(surface, v, PixelOf(from));
        return;
    }
    // gdDiagonalDown runs from the stop colour (its start corner) to the first.
    const bool reversed = d == gdDiagonalDown;
    const std::vector<uint32_t> table =
        StepPixels(reversed ? to : from, reversed ? from : to, GradientSteps(d, area.Width(), area.Height()));
    switch (d) {
        case gdDiagonalUp:
        case gdDiagonalDown: FillDiagonal(surface, area, v, table, d == gdDiagonalDown); break;
        case gdHorizontalEnd:
        case gdHorizontalCenter: FillRows(surface, area, v, table, d == gdHorizontalCenter); break;
        case gdVerticalEnd:
        case gdVerticalCenter: FillColumns(surface, area, v, table, d == gdVerticalCenter); break;
        default: FillBox(surface, area, v, table, d); break;
    }
}

}  // namespace vd
