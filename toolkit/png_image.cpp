#include "toolkit/png_image.h"

#include "toolkit/canvas.h"

namespace vd {

TPngImage::~TPngImage() { FreeCache(); }

void TPngImage::FreeCache() {
    if (cache_) DeleteObject(cache_);
    cache_ = nullptr;
}

void TPngImage::SetImage(const TRgbaImage& image) {
    if (&image != &image_) image_ = image;
    FreeCache();
    Changed();
}

void TPngImage::LoadFromBytes(const uint8_t* data, size_t size) {
    TRgbaImage decoded;
    std::string error;
    if (!DecodePng(data, size, decoded, &error)) throw EInvalidGraphic("PNG image is not valid: " + error);
    image_ = std::move(decoded);
    FreeCache();
    Changed();
}

void TPngImage::DrawTo(TCanvas& canvas, const TRect& r) {
    if (Empty() || r.IsEmpty()) return;
    if (!cache_) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = image_.Width;
        bi.bmiHeader.biHeight = -image_.Height;  // top-down like the decoded rows
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        cache_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!cache_ || !bits) {
            cache_ = nullptr;
            return;
        }
        uint8_t* out = static_cast<uint8_t*>(bits);
        const uint8_t* in = image_.Pixels.data();
        size_t n = static_cast<size_t>(image_.Width) * image_.Height;
        for (size_t i = 0; i < n; ++i, in += 4, out += 4) {
            unsigned a = in[3];
            out[0] = static_cast<uint8_t>((in[2] * a + 127) / 255);
            out[1] = static_cast<uint8_t>((in[1] * a + 127) / 255);
            out[2] = static_cast<uint8_t>((in[0] * a + 127) / 255);
            out[3] = static_cast<uint8_t>(a);
        }
    }
    HDC src = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(src, cache_);
    BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(canvas.Handle(), r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, image_.Width,
               image_.Height, bf);
    SelectObject(src, old);
    DeleteDC(src);
}

std::unique_ptr<TGraphic> TPngImage::Clone() const {
    auto p = std::make_unique<TPngImage>();
    p->SetImage(image_);
    return p;
}

}  // namespace vd
