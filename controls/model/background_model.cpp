#include "controls/model/background_model.h"

namespace vd {
namespace {

// Remainder with the sign of the divisor (d > 0), so the tile grid covers
// points left of or above the area as well.
int FloorMod(int a, int d) {
    int m = a % d;
    return m < 0 ? m + d : m;
}

// Ceiling of a / b for a >= 0, b > 0, in 64 bits.
int CeilDiv(long long a, long long b) { return static_cast<int>((a + b - 1) / b); }

void AddIfMeets(TPicturePlacement& p, const TBox& copy) {
    if (!Intersect(copy, p.Clip).IsEmpty()) p.Copies.push_back(copy);
}

}  // namespace

TPicturePlacement PlacePicture(TFCPictureMode mode, const TBox& area, int w, int h,
                               const TBox& paint) {
    TPicturePlacement p;
    p.Clip = paint;
    if (w <= 0 || h <= 0 || paint.IsEmpty()) return p;
    const int aw = area.Width(), ah = area.Height();
    switch (mode) {
        case fcpmCenter:
            AddIfMeets(p, BoxOf(area.Left + (aw - w) / 2, area.Top + (ah - h) / 2, w, h));
            break;
        case fcpmCenterStretch: {
            if (aw <= 0 || ah <= 0) break;
            int nw, nh;
            if (static_cast<long long>(aw) * h <= static_cast<long long>(ah) * w) {
                nw = aw;
                nh = static_cast<int>(static_cast<long long>(h) * aw / w);
            } else {
                nh = ah;
                nw = static_cast<int>(static_cast<long long>(w) * ah / h);
            }
            AddIfMeets(p, BoxOf(area.Left + (aw - nw) / 2, area.Top + (ah - nh) / 2, nw, nh));
            break;
        }
        case fcpmStretch:
            AddIfMeets(p, area);
            break;
        case fcpmTile: {
            int x0 = paint.Left - FloorMod(paint.Left - area.Left, w);
            int y0 = paint.Top - FloorMod(paint.Top - area.Top, h);
            for (int y = y0; y < paint.Bottom; y += h)
                for (int x = x0; x < paint.Right; x += w) p.Copies.push_back(BoxOf(x, y, w, h));
            break;
        }
        case fcpmZoom: {
            if (aw <= 0 || ah <= 0) break;
            int nw, nh;
            if (static_cast<long long>(aw) * h > static_cast<long long>(ah) * w) {
                nw = aw;
                nh = CeilDiv(static_cast<long long>(h) * aw, w);
            } else {
                nh = ah;
                nw = CeilDiv(static_cast<long long>(w) * ah, h);
            }
            p.Clip = Intersect(paint, area);
            AddIfMeets(p, BoxOf(area.Left + (aw - nw) / 2, area.Top + (ah - nh) / 2, nw, nh));
            break;
        }
        case fcpmTopLeft:
            p.Clip = Intersect(paint, area);
            AddIfMeets(p, BoxOf(area.Left, area.Top, w, h));
            break;
    }
    if (p.Clip.IsEmpty()) p.Copies.clear();
    return p;
}

}  // namespace vd
