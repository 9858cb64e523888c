// TColor: 0x00BBGGRR for plain colours; a high byte of 0xFF names a system
// colour by its index in the low byte.
#pragma once
#include <cstdint>

namespace vd {

using TColor = int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor clWindow = static_cast<TColor>(0xFF000005u);
constexpr TColor clActiveBorder = static_cast<TColor>(0xFF00000Au);
constexpr TColor clHighlight = static_cast<TColor>(0xFF00000Du);
constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);
constexpr TColor clBtnShadow = static_cast<TColor>(0xFF000010u);
constexpr TColor clGrayText = static_cast<TColor>(0xFF000011u);
constexpr TColor clBtnHighlight = static_cast<TColor>(0xFF000014u);
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSkinBorder = 11905680;  // RGB 144, 170, 181

// The names are parenthesised so that <windows.h>'s macros of the same names
// (same results) do not expand here when both headers are included.
constexpr TColor (RGB)(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}
constexpr uint8_t (GetRValue)(TColor c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t (GetGValue)(TColor c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t (GetBValue)(TColor c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

constexpr bool IsSystemColor(TColor c) {
    return (static_cast<uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}
constexpr int SystemColorIndex(TColor c) { return static_cast<int>(c & 0xFF); }

// Resolves a colour to 0x00BBGGRR; system colours go through `lookup`
// (index -> 0x00BBGGRR), which the Win32 layer backs with GetSysColor.
using SysColorLookup = uint32_t (*)(int index);
inline uint32_t ColorToRGB(TColor c, SysColorLookup lookup) {
    if (IsSystemColor(c)) return lookup ? (lookup(SystemColorIndex(c)) & 0xFFFFFFu) : 0;
    return static_cast<uint32_t>(c) & 0xFFFFFFu;
}

}  // namespace vd
