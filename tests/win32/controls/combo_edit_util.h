// Helpers of the flat combo box and flat edit tests: what a window shows on
// screen, and keeping a picture of it as a test artefact.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "imaging/image.h"
#include "tests/win32/toolkit/win_test_util.h"

namespace vd::test {

// The window's pixels as it painted them (frame included).
inline std::unique_ptr<TBitmap> Shot(HWND h) {
    UpdateWindow(h);
    RECT r{};
    GetWindowRect(h, &r);
    auto b = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
    HDC dc = GetWindowDC(h);
    BitBlt(b->Canvas().Handle(), 0, 0, b->Width(), b->Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(h, dc);
    GdiFlush();
    return b;
}

// Writes the picture to artefacts/<name>.png beside the test, for a person
// to look at.
inline void KeepArtefact(TBitmap& b, const std::string& name) {
    CreateDirectoryW(L"artefacts", nullptr);
    TRgbaImage img;
    img.Width = b.Width();
    img.Height = b.Height();
    img.Pixels.resize(static_cast<size_t>(img.Width) * img.Height * 4);
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            uint32_t c = Rgb(b, x, y);
            uint8_t* p = img.PixelAt(x, y);
            p[0] = (c >> 16) & 0xFF;
            p[1] = (c >> 8) & 0xFF;
            p[2] = c & 0xFF;
            p[3] = 255;
        }
    WritePngFile("artefacts/" + name + ".png", img);
}

}  // namespace vd::test
