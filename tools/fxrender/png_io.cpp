#include "png_io.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace vd {

bool ReadPngSurface(const std::string& path, TSurface& out, std::string& error) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        error = path + ": " + image.message;
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    const size_t w = image.width, h = image.height;
    if (w == 0 || h == 0 || w > 32768 || h > 32768) {
        png_image_free(&image);
        error = path + ": unsupported picture size";
        return false;
    }
    std::vector<png_byte> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        error = path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    out.Resize(static_cast<int>(w), static_cast<int>(h));
    for (size_t y = 0; y < h; ++y) {
        const png_byte* in = rgba.data() + y * w * 4;
        uint32_t* row = out.Row(static_cast<int>(y));
        for (size_t x = 0; x < w; ++x, in += 4)
            row[x] = static_cast<uint32_t>(in[3]) << 24 | static_cast<uint32_t>(in[0]) << 16 |
                     static_cast<uint32_t>(in[1]) << 8 | in[2];
    }
    return true;
}

bool WritePngSurface(const std::string& path, const TSurface& surface, std::string& error) {
    const size_t w = static_cast<size_t>(surface.Width()), h = static_cast<size_t>(surface.Height());
    std::vector<png_byte> rgba(w * h * 4);
    for (size_t y = 0; y < h; ++y) {
        const uint32_t* row = surface.Row(static_cast<int>(y));
        png_byte* o = rgba.data() + y * w * 4;
        for (size_t x = 0; x < w; ++x, o += 4) {
            o[0] = static_cast<png_byte>(row[x] >> 16);
            o[1] = static_cast<png_byte>(row[x] >> 8);
            o[2] = static_cast<png_byte>(row[x]);
            o[3] = 255;
        }
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr)) {
        error = path + ": " + image.message;
        return false;
    }
    return true;
}

}  // namespace vd
