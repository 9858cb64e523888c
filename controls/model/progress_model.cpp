#include "controls/model/progress_model.h"

#include <string>

namespace vd {

int64_t RoundedRatio(int64_t a, int64_t b, int64_t c) {
    const int64_t p = a * b;
    int64_t q = p / c;
    const int64_t twice = 2 * (p % c);
    if (twice > c || (twice == c && q % 2 != 0)) ++q;
    return q;
}

int PercentOfParts(uint32_t parts, uint32_t total) {
    return static_cast<int>(RoundedRatio(parts, 100, total));
}

TBox FilledPart(const TBox& r, int percent, TOrientation o) {
    if (percent >= 100 || r.IsEmpty()) return r;
    const int p = percent < 0 ? 0 : percent;
    if (o == orHorizontal)
        return TBox{r.Left, r.Top, r.Left + static_cast<int>(RoundedRatio(p, r.Width(), 100)), r.Bottom};
    return TBox{r.Left, r.Bottom - static_cast<int>(RoundedRatio(p, r.Height(), 100)), r.Right, r.Bottom};
}

TBox EmptyPart(const TBox& r, int percent, TOrientation o) {
    const TBox f = FilledPart(r, percent, o);
    if (o == orHorizontal) return TBox{f.Right, r.Top, r.Right, r.Bottom};
    return TBox{r.Left, r.Top, r.Right, f.Top};
}

TLedLayout LedLayout(int length, int numSegments, int percent) {
    TLedLayout led;
    if (length < 0) length = 0;
    int s = numSegments < 1 ? 1 : numSegments;
    int d = length / s;
    if (length <= 80 && s > 10) {
        d = length / 10;
        s = 10;
    }
    if (d > 0 && (length - d * s) / d > 0) s += (length - d * s) / d;
    led.Size = d;
    led.Count = s;
    led.Margin = (length - d * s) / 2;
    led.Lit = static_cast<int>(RoundedRatio(percent < 0 ? 0 : percent, s, 100));
    return led;
}

TBox LedSegment(const TBox& r, const TLedLayout& led, int index, TOrientation o) {
    const int offset = led.Size * (index - 1) + led.Margin;
    if (o == orHorizontal) return TBox{r.Left + offset, r.Top, r.Left + offset + led.Size, r.Bottom};
    return TBox{r.Left, r.Bottom - offset - led.Size, r.Right, r.Bottom - offset};
}

std::string PercentText(unsigned percent) {
    return std::to_string(percent) + '%';
}

TTextOrigin PercentTextOrigin(const TBox& r, int textWidth, int heightOfX) {
    return TTextOrigin{r.Right / 2 - textWidth / 2, r.Top + (r.Height() - heightOfX) / 2};
}

}  // namespace vd
