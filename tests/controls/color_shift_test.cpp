#include "controls/model/color_shift.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vd {
namespace {

TEST(ColorShift, HslOfPrimariesGreysAndBack) {
    EXPECT_EQ(RgbToHsl(RGB(255, 0, 0)), (THsl{0, 240, 120}));
    EXPECT_EQ(RgbToHsl(RGB(0, 255, 0)), (THsl{80, 240, 120}));   // 239 / 3 = 79.67
    EXPECT_EQ(RgbToHsl(RGB(0, 0, 255)), (THsl{159, 240, 120}));  // 239 * 2 / 3 = 159.33
    EXPECT_EQ(RgbToHsl(RGB(255, 0, 255)).Hue, 199);              // 5/6 of 239 = 199.17
    EXPECT_EQ(RgbToHsl(clWhite), (THsl{0, 0, 240}));
    EXPECT_EQ(RgbToHsl(clBlack), (THsl{0, 0, 0}));
    EXPECT_EQ(HslToRgb(THsl{0, 240, 120}), RGB(255, 0, 0));
    // Hue 159 lies just short of two thirds: a trace of green remains.
    EXPECT_EQ(HslToRgb(THsl{159, 240, 120}), RGB(0, 2, 255));
    // 255 * 200 / 240 = 212.5: ties go to the even neighbour.
    EXPECT_EQ(HslToRgb(THsl{0, 0, 200}), RGB(212, 212, 212));
}

TEST(ColorShift, RoundTripStaysWithinTheScaleStep) {
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 85) {
                TColor back = HslToRgb(RgbToHsl(RGB(r, g, b)));
                EXPECT_LE(std::abs(GetRValue(back) - r), 3) << r << "," << g << "," << b;
                EXPECT_LE(std::abs(GetGValue(back) - g), 3) << r << "," << g << "," << b;
                EXPECT_LE(std::abs(GetBValue(back) - b), 3) << r << "," << g << "," << b;
            }
}

TEST(ColorShift, LightnessShift) {
    const TColor fallback = RGB(1, 2, 3);
    // Amount 0: the fallback, whatever the base.
    EXPECT_EQ(ShiftColorLightness(clWhite, fallback, 0, TLightnessShift::Darker, nullptr), fallback);
    // White: 240 + 10 - 50 = 200.
    EXPECT_EQ(ShiftColorLightness(clWhite, fallback, 50, TLightnessShift::Darker, nullptr), RGB(212, 212, 212));
    // Lighter caps at 100, so amount 100 gives lightness 100 from any base.
    for (TColor c : {clWhite, clBlack, RGB(200, 30, 90), RGB(144, 170, 181)}) {
        TColor shifted = ShiftColorLightness(c, fallback, 100, TLightnessShift::Lighter, nullptr);
        EXPECT_NEAR(RgbToHsl(shifted).Lightness, 100, 1) << c;
    }
    // Darker floors at 0.
    EXPECT_EQ(ShiftColorLightness(RGB(10, 20, 30), fallback, 200, TLightnessShift::Darker, nullptr), clBlack);
    // System colours are resolved through the lookup.
    auto lookup = [](int index) -> uint32_t { return index == 5 ? 0xFFFFFFu : 0u; };
    EXPECT_EQ(ShiftColorLightness(clWindow, fallback, 50, TLightnessShift::Darker, lookup), RGB(212, 212, 212));
}

}  // namespace
}  // namespace vd
