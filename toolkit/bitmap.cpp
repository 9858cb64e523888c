#include "toolkit/bitmap.h"

#include <cstring>

#include "core/text.h"
#include "imaging/image.h"

namespace vd {

// The bitmap's canvas: a memory DC holding the DIB section for as long as
// the section exists.
class TBitmap::BitmapCanvas : public TCanvas {
public:
    explicit BitmapCanvas(TBitmap& owner) : owner_(owner) {}
    ~BitmapCanvas() override { Detach(); }

    void Detach() {
        HDC dc = HandleAllocated() ? Handle() : nullptr;
        if (!dc) return;
        ReleaseDC();
        SelectObject(dc, old_);
        DeleteDC(dc);
    }

protected:
    void CreateHandle() override {
        HDC dc = CreateCompatibleDC(nullptr);
        if (!dc) return;
        if (!owner_.dib_) owner_.SetSize(0, 0);
        old_ = owner_.dib_ ? SelectObject(dc, owner_.dib_) : nullptr;
        SetHandle(dc);
    }

private:
    TBitmap& owner_;
    HGDIOBJ old_ = nullptr;
};

TBitmap::TBitmap() : surface_(new TSurface()), canvas_(new BitmapCanvas(*this)) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() {
    canvas_.reset();
    FreeSection();
}

void TBitmap::FreeSection() {
    if (canvas_) canvas_->Detach();
    if (dib_) DeleteObject(dib_);
    dib_ = nullptr;
    surface_ = std::make_unique<TSurface>();
}

void TBitmap::SetSize(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    TCanvasLock lock(*canvas_);
    FreeSection();
    if (width > 0 && height > 0) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = height;  // bottom-up, as TSurface stores rows
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dib_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!dib_ || !bits) {
            dib_ = nullptr;
            throw EInvalidOperation("Out of system resources for a " + std::to_string(width) +
                                    " x " + std::to_string(height) + " bitmap");
        }
        std::memset(bits, 0, static_cast<size_t>(width) * height * 4);
        surface_ = std::make_unique<TSurface>(width, height, static_cast<uint32_t*>(bits));
    }
    Changed();
}

TSurface& TBitmap::Surface() {
    GdiFlush();
    return *surface_;
}

TCanvas& TBitmap::Canvas() { return *canvas_; }

void TBitmap::SetTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    Changed();
}

void TBitmap::SetTransparentColor(TColor c) {
    if (c == transparentColor_) return;
    transparentColor_ = c;
    Changed();
}

void TBitmap::DrawTo(TCanvas& canvas, const TRect& r) {
    if (transparent_) {
        TColor c = transparentColor_;
        // No colour given: the bottom-left pixel decides.
        if (c == clNone && !Empty()) {
            uint32_t p = Surface().At(0, Height() - 1);
            c = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
        DrawTransparent(canvas, r, c);
        return;
    }
    if (Empty()) return;
    TCanvasLock lock(*canvas_);
    canvas.CopyRect(r, *canvas_, TRect{0, 0, Width(), Height()});
}

void TBitmap::DrawTransparent(TCanvas& canvas, const TRect& r, TColor transparent) {
    if (Empty() || r.IsEmpty()) return;
    if (transparent == clNone) {
        TCanvasLock lock(*canvas_);
        canvas.CopyRect(r, *canvas_, TRect{0, 0, Width(), Height()});
        return;
    }
    TCanvasLock lock(*canvas_);
    TransparentBlt(canvas.Handle(), r.Left, r.Top, r.Width(), r.Height(), canvas_->Handle(), 0, 0,
                   Width(), Height(), ColorToRGB(transparent));
}

void TBitmap::LoadFromHBitmap(HBITMAP h) {
    BITMAP bm{};
    if (!GetObjectW(h, sizeof(bm), &bm)) throw EInvalidGraphic("Invalid bitmap");
    SetSize(bm.bmWidth, bm.bmHeight);
    if (Empty()) return;
    TCanvasLock lock(*canvas_);
    HDC src = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(src, h);
    BitBlt(canvas_->Handle(), 0, 0, bm.bmWidth, bm.bmHeight, src, 0, 0, SRCCOPY);
    SelectObject(src, old);
    DeleteDC(src);
    GdiFlush();
    Changed();
}

void TBitmap::LoadFromBytes(const uint8_t* data, size_t size) {
    if (size < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || data[0] != 'B' ||
        data[1] != 'M')
        throw EInvalidGraphic("Bitmap image is not valid");
    BITMAPFILEHEADER fh;
    std::memcpy(&fh, data, sizeof(fh));
    if (fh.bfOffBits >= size) throw EInvalidGraphic("Bitmap image is not valid");
    const BITMAPINFO* bi = reinterpret_cast<const BITMAPINFO*>(data + sizeof(BITMAPFILEHEADER));
    const BITMAPINFOHEADER& ih = bi->bmiHeader;
    if (ih.biSize < sizeof(BITMAPINFOHEADER) || ih.biWidth <= 0 || ih.biHeight == 0 ||
        ih.biWidth > 32767 || ih.biHeight > 32767 || ih.biHeight < -32767)
        throw EInvalidGraphic("Bitmap image is not valid");
    // Size of the pixel data the header promises, to reject truncated files.
    long long stride = ((static_cast<long long>(ih.biWidth) * ih.biBitCount + 31) / 32) * 4;
    long long rows = ih.biHeight < 0 ? -static_cast<long long>(ih.biHeight) : ih.biHeight;
    if (ih.biCompression == BI_RGB && fh.bfOffBits + stride * rows > static_cast<long long>(size))
        throw EInvalidGraphic("Bitmap image is truncated");
    HDC screen = GetDC(nullptr);
    HBITMAP h = CreateDIBitmap(screen, &ih, CBM_INIT, data + fh.bfOffBits, bi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (!h) throw EInvalidGraphic("Bitmap image is not valid");
    try {
        LoadFromHBitmap(h);
    } catch (...) {
        DeleteObject(h);
        throw;
    }
    DeleteObject(h);
}

void TBitmap::LoadFromBitmapResource(HINSTANCE instance, int id) {
    if (!instance) instance = GetModuleHandleW(nullptr);
    HBITMAP h = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!h) throw EResNotFound("Bitmap resource " + std::to_string(id) + " not found");
    LoadFromHBitmap(h);
    DeleteObject(h);
}

void TBitmap::LoadFromBitmapResource(HINSTANCE instance, const std::string& name) {
    if (!instance) instance = GetModuleHandleW(nullptr);
    std::u16string u = Utf8ToUtf16(name);
    HBITMAP h = static_cast<HBITMAP>(LoadImageW(instance, reinterpret_cast<const wchar_t*>(u.c_str()),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!h) throw EResNotFound("Bitmap resource " + name + " not found");
    LoadFromHBitmap(h);
    DeleteObject(h);
}

void TBitmap::LoadFromRgba(const TRgbaImage& image) {
    SetSize(image.Width, image.Height);
    if (Empty()) return;
    TCanvasLock lock(*canvas_);
    TSurface& s = Surface();
    for (int y = 0; y < image.Height; ++y) {
        uint32_t* row = s.Row(y);
        for (int x = 0; x < image.Width; ++x) {
            const uint8_t* p = image.PixelAt(x, y);
            row[x] = (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
        }
    }
    Changed();
}

void TBitmap::Assign(const TBitmap& other) {
    if (&other == this) return;
    transparent_ = other.transparent_;
    transparentColor_ = other.transparentColor_;
    SetSize(other.Width(), other.Height());
    if (!Empty()) {
        GdiFlush();
        std::memcpy(surface_->Bits(), other.surface_->Bits(), surface_->ByteSize());
    }
    Changed();
}

void TBitmap::AssignGraphic(TGraphic& g, TColor ground) {
    if (&g == this) return;
    if (auto* b = dynamic_cast<TBitmap*>(&g)) {
        Assign(*b);
        return;
    }
    SetSize(g.Width(), g.Height());
    if (Empty()) return;
    TCanvasLock lock(*canvas_);
    canvas_->Brush().SetColor(ground);
    canvas_->FillRect(TRect{0, 0, Width(), Height()});
    g.DrawTo(*canvas_, TRect{0, 0, Width(), Height()});
    GdiFlush();
    Changed();
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    auto b = std::make_unique<TBitmap>();
    b->Assign(*this);
    return b;
}

}  // namespace vd
