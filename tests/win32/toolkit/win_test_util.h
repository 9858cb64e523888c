// Helpers for the Wine tests of the toolkit and the controls.
#pragma once
#include <windows.h>

#include <memory>

#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/win_control.h"

namespace vd::test {

// Handles pending messages, for at least `ms` milliseconds.
inline void Pump(int ms = 0) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        Application().ProcessMessages();
        if (ms > 0) Sleep(1);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

// Paints a control and its children into a new bitmap of its size.
inline std::unique_ptr<TBitmap> Render(TWinControl& c) {
    auto b = std::make_unique<TBitmap>(c.Width(), c.Height());
    c.PaintTo(b->Canvas(), 0, 0);
    GdiFlush();
    return b;
}

// A pixel as 0xRRGGBB.
inline uint32_t Rgb(TBitmap& b, int x, int y) { return b.Surface().At(x, y) & 0xFFFFFFu; }
constexpr uint32_t RgbOf(int r, int g, int b) {
    return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
}
// TColor (0x00BBGGRR) as 0xRRGGBB.
constexpr uint32_t RgbOfColor(uint32_t c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// The skin's border colour (clSkinBorder, RGB 144, 170, 181) as 0xRRGGBB.
constexpr uint32_t kSkinBorder = RgbOfColor(clSkinBorder);

// A form without border or caption at (left, top), as the wizard's window;
// the caller deletes it.
inline TForm* NewBorderlessForm(int left, int top, int width, int height) {
    auto* form = new TForm(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(left, top, width, height);
    return form;
}

// A 7 x 5 picture whose pixels all differ, for a skinned panel to tile:
// TilePixel(x, y) is its colour at (x, y) of the tiled area.
inline uint32_t TilePixel(int x, int y) { return RgbOf(x % 7 * 30, y % 5 * 40, 90); }
inline std::unique_ptr<TBitmap> TilePattern() {
    auto b = std::make_unique<TBitmap>(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) b->Surface().At(x, y) = TilePixel(x, y);
    return b;
}

// A mouse message to a window at a client point; the cursor goes there too,
// as it would for real input.
inline void Mouse(HWND h, UINT msg, int x, int y, WPARAM keys = 0) {
    POINT p{x, y};
    ClientToScreen(h, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(h, msg, keys, MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
}

}  // namespace vd::test
