// Test surfaces for the transition engine. The start frame is dark and the
// new picture bright, and both encode the pixel position in their colour,
// so a test can tell where every Screen pixel came from: from which frame
// (by brightness) and from which position (by the colour bits).
#pragma once
#include <cstdint>

#include "slideshow/surface.h"

namespace vd {
namespace fxtest {

constexpr uint32_t kStartFourth = 0x5A000000u;
constexpr uint32_t kPictureFourth = 0xC3000000u;

// Colour of position (x, y) for x, y < 64: blue = base + x, green = base + y,
// red = base + ((x + y) & 63) (a check). Start frame base 0, picture base 192.
inline uint32_t Code(int x, int y, uint32_t base) {
    uint32_t b = base + (static_cast<uint32_t>(x) & 63);
    uint32_t g = base + (static_cast<uint32_t>(y) & 63);
    uint32_t r = base + (static_cast<uint32_t>(x + y) & 63);
    return (r << 16) | (g << 8) | b;
}
inline uint32_t StartPixel(int x, int y) { return kStartFourth | Code(x, y, 0); }
inline uint32_t PicturePixel(int x, int y) { return kPictureFourth | Code(x, y, 192); }

inline TSurface MakeStart(int w, int h) {
    TSurface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.At(x, y) = StartPixel(x, y);
    return s;
}
inline TSurface MakePicture(int w, int h) {
    TSurface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.At(x, y) = PicturePixel(x, y);
    return s;
}

// Pixels with unique colours (x < 2048, y < 2048) for exact copy checks.
inline uint32_t Unique(int x, int y, uint32_t fourth) {
    return fourth | (static_cast<uint32_t>(y) << 11) | static_cast<uint32_t>(x);
}
inline TSurface MakeUnique(int w, int h, uint32_t fourth, uint32_t tag = 0) {
    TSurface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.At(x, y) = Unique(x, y, fourth) | tag;
    return s;
}

// Brightness of a pixel's colour (sum of its three bytes): start-frame
// pixels are below 3 * 64, picture pixels at or above 3 * 192 (shading and
// blending move them between).
inline int Brightness(uint32_t px) {
    return static_cast<int>((px & 0xFF) + ((px >> 8) & 0xFF) + ((px >> 16) & 0xFF));
}
inline bool LooksLikePicture(uint32_t px) { return Brightness(px) >= 3 * 128; }

// Share of Screen pixels that look like the picture.
inline double PictureShare(const TSurface& s) {
    int n = 0;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) n += LooksLikePicture(s.At(x, y)) ? 1 : 0;
    const int total = s.Width() * s.Height();
    return total > 0 ? static_cast<double>(n) / total : 0.0;
}

}  // namespace fxtest
}  // namespace vd
