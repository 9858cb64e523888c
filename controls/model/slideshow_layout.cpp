#include "controls/model/slideshow_layout.h"

#include <algorithm>
#include <cstdint>

#include "core/numerics.h"

namespace vd {

TBox SlideshowDisplayRect(int clientW, int clientH, int frameWidth, int picW, int picH,
                          bool center, bool stretch, bool proportional) {
    const int cw = clientW - 2 * frameWidth;
    const int ch = clientH - 2 * frameWidth;
    int a = picW, b = picH;
    if (proportional && a > 0 && b > 0 && (stretch || cw < a || ch < b)) {
        // ch / b > cw / a, exactly, for positive a and b.
        if (static_cast<int64_t>(ch) * a > static_cast<int64_t>(cw) * b) {
            b = MulDiv(b, cw, a);
            a = cw;
        } else {
            a = MulDiv(a, ch, b);
            b = ch;
        }
    } else if (stretch) {
        a = cw;
        b = ch;
    }
    a = std::max(a, 0);
    b = std::max(b, 0);
    if (center) return BoxOf(frameWidth + (cw - a) / 2, frameWidth + (ch - b) / 2, a, b);
    return BoxOf(frameWidth, frameWidth, a, b);
}

std::vector<TBox> SlideshowTiles(const TBox& rect, const TBox& clip, int w, int h) {
    std::vector<TBox> tiles;
    const TBox area = Intersect(rect, clip);
    if (w <= 0 || h <= 0 || area.IsEmpty()) return tiles;
    const int x0 = TileStart(area.Left, rect.Left, w);
    const int y0 = TileStart(area.Top, rect.Top, h);
    for (int y = y0; y < area.Bottom; y += h)
        for (int x = x0; x < area.Right; x += w) tiles.push_back(BoxOf(x, y, w, h));
    return tiles;
}

bool SlideshowAutoSize(bool hasPicture, int picW, int picH, int frameWidth, TSlideshowSizing sizing,
                       int width, int clientW, int height, int clientH, int& newWidth,
                       int& newHeight) {
    if (!hasPicture || sizing == TSlideshowSizing::Fixed) return false;
    if (sizing != TSlideshowSizing::FixedWidth) newWidth = picW + 2 * frameWidth + (width - clientW);
    if (sizing != TSlideshowSizing::FixedHeight)
        newHeight = picH + 2 * frameWidth + (height - clientH);
    return true;
}

}  // namespace vd
