// Colour routines shared by the skinned controls: the HSL conversion, exact
// and on the 0..240 scale (hue 0..239, saturation and lightness 0..240), and
// the lightness shift that derives hover, pressed and border colours from a
// base colour.
#pragma once
#include "core/color.h"

namespace vd {

struct THsl {
    int Hue = 0;         // 0..239
    int Saturation = 0;  // 0..240
    int Lightness = 0;   // 0..240
};

inline bool operator==(const THsl& a, const THsl& b) {
    return a.Hue == b.Hue && a.Saturation == b.Saturation && a.Lightness == b.Lightness;
}

// HSL unrounded, each component 0..1 (hue 1 is hue 0 again): what the
// scaled forms round, for callers that work on a scale of their own.
struct TExactHsl {
    double Hue = 0;
    double Saturation = 0;
    double Lightness = 0;
};

// rgb is a plain 0x00BBGGRR colour (system colours resolved by the caller).
TExactHsl RgbToExactHsl(TColor rgb);
// Each channel rounded (ties to even) from 0..1 to 0..255.
TColor ExactHslToRgb(const TExactHsl& hsl);

// The same on the 0..240 scale, rounded (ties to even).
THsl RgbToHsl(TColor rgb);
TColor HslToRgb(const THsl& hsl);

// An amount of lightness shift, 0..100 (the controls clamp what they store).
using TAdvColors = int;

enum class TLightnessShift { Lighter, Darker };

// Amount 0 gives `fallback` unchanged. Otherwise the lightness of `base`
// (system colours resolved through `lookup`) is raised by 10, then moved by
// `amount`: lighter caps at 100, darker floors at 0. Hue and saturation stay.
TColor ShiftColorLightness(TColor base, TColor fallback, int amount, TLightnessShift direction,
                           SysColorLookup lookup);

}  // namespace vd
