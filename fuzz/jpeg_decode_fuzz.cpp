// JPEG decoding through imaging/ on hostile bytes: a decoded image must be
// within the size limits, hold exactly width * height RGBA pixels and be
// opaque.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "imaging/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vd::TRgbaImage image;
    std::string error;
    if (!vd::DecodeJpeg(data, size, image, &error)) return 0;
    bool sound = image.Width > 0 && image.Height > 0 && image.Width <= vd::kMaxImageSide &&
                 image.Height <= vd::kMaxImageSide &&
                 static_cast<int64_t>(image.Width) * image.Height <= vd::kMaxImagePixels &&
                 image.Pixels.size() == static_cast<size_t>(image.Width) * image.Height * 4;
    for (size_t i = 3; sound && i < image.Pixels.size(); i += 4) sound = image.Pixels[i] == 0xFF;
    if (!sound) {
        std::fprintf(stderr, "JPEG decoded to an impossible image %dx%d\n", image.Width, image.Height);
        std::abort();
    }
    return 0;
}
