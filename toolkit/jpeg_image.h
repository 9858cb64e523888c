// A JPEG picture, decoded once into a 32-bit bitmap that draws it.
#pragma once
#include "toolkit/bitmap.h"
#include "toolkit/graphic.h"

namespace vd {

class TJpegImage : public TGraphic {
public:
    int Width() const override { return bitmap_.Width(); }
    int Height() const override { return bitmap_.Height(); }
    TBitmap& Bitmap() { return bitmap_; }

    void DrawTo(TCanvas& canvas, const TRect& r) override { bitmap_.DrawTo(canvas, r); }
    void LoadFromBytes(const uint8_t* data, size_t size) override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    TBitmap bitmap_;
};

}  // namespace vd
