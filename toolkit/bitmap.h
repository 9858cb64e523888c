// A 32-bit bitmap: a DIB section whose pixels are exposed, without a copy, as
// the portable TSurface (bottom-up BGRX), plus a canvas on a memory DC that
// holds the section. The canvas has its own lock for drawing from another
// thread; Surface() flushes pending GDI drawing first.
#pragma once
#include <windows.h>

#include <memory>

#include "slideshow/surface.h"
#include "toolkit/canvas.h"
#include "toolkit/graphic.h"

namespace vd {

struct TRgbaImage;

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    int Width() const override { return surface_->Width(); }
    int Height() const override { return surface_->Height(); }
    // New size; the pixels become black (0).
    void SetSize(int width, int height);

    // The pixels, borrowed from the DIB section.
    TSurface& Surface();
    HBITMAP Handle() const { return dib_; }
    TCanvas& Canvas();

    // When Transparent, DrawTo leaves out TransparentColor.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor c);

    void DrawTo(TCanvas& canvas, const TRect& r) override;
    void DrawTransparent(TCanvas& canvas, const TRect& r, TColor transparent) override;
    // Reads a .bmp file image.
    void LoadFromBytes(const uint8_t* data, size_t size) override;
    // A bitmap resource (RT_BITMAP) by integer id or name; throws EResNotFound.
    void LoadFromBitmapResource(HINSTANCE instance, int id);
    void LoadFromBitmapResource(HINSTANCE instance, const std::string& name);
    // Pixels of a decoded picture; alpha is dropped.
    void LoadFromRgba(const TRgbaImage& image);
    // Copies another bitmap's pixels and settings.
    void Assign(const TBitmap& other);
    // Draws any graphic at its natural size onto a new bitmap of that size
    // over a ground of `ground`.
    void AssignGraphic(TGraphic& g, TColor ground = clBlack);
    std::unique_ptr<TGraphic> Clone() const override;

    // Tells listeners that the pixels were changed directly.
    void Modified() { Changed(); }

private:
    class BitmapCanvas;
    void LoadFromHBitmap(HBITMAP h);
    void FreeSection();

    HBITMAP dib_ = nullptr;
    // Held by pointer: assigning a TSurface copies the pixels into memory of
    // its own, and this one must keep borrowing the section's bits.
    std::unique_ptr<TSurface> surface_;
    std::unique_ptr<BitmapCanvas> canvas_;
    bool transparent_ = false;
    TColor transparentColor_ = clNone;
};

}  // namespace vd
