#include "toolkit/jpeg_image.h"

#include "imaging/image.h"

namespace vd {

void TJpegImage::LoadFromBytes(const uint8_t* data, size_t size) {
    TRgbaImage image;
    std::string error;
    if (!DecodeJpeg(data, size, image, &error))
        throw EInvalidGraphic("JPEG image is not valid: " + error);
    bitmap_.LoadFromRgba(image);
    Changed();
}

std::unique_ptr<TGraphic> TJpegImage::Clone() const {
    auto j = std::make_unique<TJpegImage>();
    j->bitmap_.Assign(bitmap_);
    return j;
}

}  // namespace vd
