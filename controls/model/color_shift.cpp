#include "controls/model/color_shift.h"

#include <algorithm>

#include "core/numerics.h"

namespace vd {

namespace {

double HueToChannel(double m1, double m2, double x) {
    if (x < 0) x += 1;
    if (x > 1) x -= 1;
    if (6 * x < 1) return m1 + (m2 - m1) * 6 * x;
    if (2 * x < 1) return m2;
    if (3 * x < 2) return m1 + (m2 - m1) * (2.0 / 3 - x) * 6;
    return m1;
}

uint8_t Channel(double v) { return static_cast<uint8_t>(std::clamp<int64_t>(DelphiRound(255 * v), 0, 255)); }

}  // namespace

TExactHsl RgbToExactHsl(TColor rgb) {
    const double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    TExactHsl hsl;
    hsl.Lightness = (mx + mn) / 2;
    if (mx != mn) {
        const double d = mx - mn, l = hsl.Lightness;
        hsl.Saturation = l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        double h;
        if (mx == r)
            h = (g - b) / d;
        else if (mx == g)
            h = 2 + (b - r) / d;
        else
            h = 4 + (r - g) / d;
        h /= 6;
        if (h < 0) h += 1;
        hsl.Hue = h;
    }
    return hsl;
}

TColor ExactHslToRgb(const TExactHsl& hsl) {
    const double h = hsl.Hue, s = hsl.Saturation, l = hsl.Lightness;
    if (s == 0) {
        const uint8_t v = Channel(l);
        return RGB(v, v, v);
    }
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return RGB(Channel(HueToChannel(m1, m2, h + 1.0 / 3)), Channel(HueToChannel(m1, m2, h)),
               Channel(HueToChannel(m1, m2, h - 1.0 / 3)));
}

THsl RgbToHsl(TColor rgb) {
    const TExactHsl e = RgbToExactHsl(rgb);
    return THsl{static_cast<int>(DelphiRound(239 * e.Hue)), static_cast<int>(DelphiRound(240 * e.Saturation)),
                static_cast<int>(DelphiRound(240 * e.Lightness))};
}

TColor HslToRgb(const THsl& hsl) {
    return ExactHslToRgb(TExactHsl{hsl.Hue / 239.0, hsl.Saturation / 240.0, hsl.Lightness / 240.0});
}

TColor ShiftColorLightness(TColor base, TColor fallback, int amount, TLightnessShift direction,
                           SysColorLookup lookup) {
    if (amount == 0) return fallback;
    THsl hsl = RgbToHsl(static_cast<TColor>(ColorToRGB(base, lookup)));
    hsl.Lightness += 10;
    if (direction == TLightnessShift::Lighter)
        hsl.Lightness = std::min(hsl.Lightness + amount, 100);
    else
        hsl.Lightness = std::max(hsl.Lightness - amount, 0);
    return HslToRgb(hsl);
}

}  // namespace vd
