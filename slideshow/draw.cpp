#include "slideshow/draw.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/numerics.h"

namespace vd {
namespace {

// Source index for destination offset i of a run of n destination pixels
// sampling s source pixels from `start`.
inline int64_t SampleIndex(int64_t start, int64_t i, int64_t s, int64_t n) {
    return start + FloorDiv((2 * i + 1) * s, 2 * n);
}

// The destination range [lo, hi) of a run (d, n) clipped to [0, limit).
inline void ClipRun(int64_t d, int64_t n, int limit, int64_t& lo, int64_t& hi) {
    lo = std::max<int64_t>(d, 0);
    hi = std::min<int64_t>(d + n, limit);
}

void StretchFrom(TSurface& dst, int dx, int dy, int dw, int dh,
                 const TSurface& src, int sx, int sy, int sw, int sh) {
    int64_t x0, x1, y0, y1;
    ClipRun(dx, dw, dst.Width(), x0, x1);
    ClipRun(dy, dh, dst.Height(), y0, y1);
    if (x0 >= x1 || y0 >= y1) return;

    // Columns: the source column for every destination column, or -1 when it
    // falls outside the source. The mapping is monotone, so the valid
    // columns form one run [vx0, vx1).
    thread_local std::vector<int32_t> cols;
    cols.resize(static_cast<size_t>(x1 - x0));
    int64_t vx0 = x1, vx1 = x0;
    for (int64_t x = x0; x < x1; ++x) {
        int64_t ux = SampleIndex(sx, x - dx, sw, dw);
        bool in = ux >= 0 && ux < src.Width();
        cols[static_cast<size_t>(x - x0)] = in ? static_cast<int32_t>(ux) : -1;
        if (in) {
            vx0 = std::min(vx0, x);
            vx1 = std::max(vx1, x + 1);
        }
    }
    if (vx0 >= vx1) return;
    const int n = static_cast<int>(vx1 - vx0);
    const int32_t* map = cols.data() + (vx0 - x0);
    const bool identity = sw == dw;  // 1:1 columns: ux = sx + (x - dx)

    // Rows: consecutive destination rows that sample the same source row
    // (row replication when stretching upwards) share one gathered row.
    thread_local std::vector<uint32_t> gathered;
    gathered.resize(static_cast<size_t>(n));
    int64_t lastUy = -1;
    for (int64_t y = y0; y < y1; ++y) {
        const int64_t uy = SampleIndex(sy, y - dy, sh, dh);
        if (uy < 0 || uy >= src.Height()) continue;
        uint32_t* __restrict out = dst.Row(static_cast<int>(y)) + vx0;
        const uint32_t* __restrict in = src.Row(static_cast<int>(uy));
        if (identity) {
            MergeRow(out, in + map[0], n);
        } else if (uy == lastUy) {
            MergeRow(out, gathered.data(), n);
        } else if (y + 1 < y1 && SampleIndex(sy, y + 1 - dy, sh, dh) == uy) {
            // The next row samples the same source row: keep the gathered
            // colours for it.
            uint32_t* __restrict g = gathered.data();
            for (int i = 0; i < n; ++i) g[i] = in[map[i]];
            MergeRow(out, g, n);
            lastUy = uy;
        } else {
            for (int i = 0; i < n; ++i) out[i] = (out[i] & kFourthByteMask) | (in[map[i]] & kColorMask);
        }
    }
}

}  // namespace

void StretchRect(TSurface& dst, int dx, int dy, int dw, int dh,
                 const TSurface& src, int sx, int sy, int sw, int sh) {
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    if (&dst != &src) {
        StretchFrom(dst, dx, dy, dw, dh, src, sx, sy, sw, sh);
        return;
    }
    // Screen => Screen: take a snapshot of the part of the source rectangle
    // that lies inside the surface, then draw from the snapshot. The
    // snapshot keeps the source coordinates by an offset, and pixels outside
    // the surface stay outside the snapshot, so they still leave the
    // destination unchanged.
    int64_t cx0, cx1, cy0, cy1;
    ClipRun(sx, sw, src.Width(), cx0, cx1);
    ClipRun(sy, sh, src.Height(), cy0, cy1);
    if (cx0 >= cx1 || cy0 >= cy1) return;
    const int w = static_cast<int>(cx1 - cx0), h = static_cast<int>(cy1 - cy0);
    thread_local TSurface snap;
    if (snap.Width() != w || snap.Height() != h) snap.Resize(w, h);
    for (int y = 0; y < h; ++y) {
        const uint32_t* in = src.Row(static_cast<int>(cy0) + y) + cx0;
        std::copy(in, in + w, snap.Row(y));
    }
    StretchFrom(dst, dx, dy, dw, dh, snap, sx - static_cast<int>(cx0), sy - static_cast<int>(cy0), sw, sh);
}

void CopyColors(TSurface& dst, const TSurface& src) {
    int w = std::min(dst.Width(), src.Width());
    int h = std::min(dst.Height(), src.Height());
    for (int y = 0; y < h; ++y) MergeRow(dst.Row(y), src.Row(y), w);
}

}  // namespace vd
