// Helpers for the Wine tests of the toolkit and the controls.
#pragma once
#include <windows.h>

#include <memory>

#include "toolkit/application.h"
#include "toolkit/bitmap.h"
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

// A mouse message to a window at a client point; the cursor goes there too,
// as it would for real input.
inline void Mouse(HWND h, UINT msg, int x, int y, WPARAM keys = 0) {
    POINT p{x, y};
    ClientToScreen(h, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(h, msg, keys, MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
}

}  // namespace vd::test
