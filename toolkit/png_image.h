// A PNG picture with per-pixel alpha. Drawing blends it over what the canvas
// already holds (source-over, straight alpha), scaled to the target
// rectangle; pixels with alpha 0 leave the target unchanged.
#pragma once
#include "imaging/image.h"
#include "toolkit/graphic.h"

namespace vd {

class TPngImage : public TGraphic {
public:
    TPngImage() = default;
    ~TPngImage() override;

    int Width() const override { return image_.Width; }
    int Height() const override { return image_.Height; }
    const TRgbaImage& Image() const { return image_; }
    void SetImage(const TRgbaImage& image);
    void Assign(const TPngImage& other) { SetImage(other.image_); }
    void Clear() { SetImage(TRgbaImage{}); }

    void DrawTo(TCanvas& canvas, const TRect& r) override;
    void LoadFromBytes(const uint8_t* data, size_t size) override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    void FreeCache();
    TRgbaImage image_;
    // Premultiplied BGRA copy for the platform's alpha blend, built on demand.
    HBITMAP cache_ = nullptr;
};

}  // namespace vd
