// PNG encoding, for the tools and the tests.
#include <png.h>

#include <csetjmp>

#include "imaging/image.h"
#include "imaging/png_errors.h"

namespace vd {
using namespace png_detail;
namespace {

void WriteToVector(png_structp png, png_bytep data, png_size_t len) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + len);
}

void FlushNothing(png_structp) {}

}  // namespace

bool EncodePng(const TRgbaImage& image, std::vector<uint8_t>& out, std::string* error) {
    if (image.Width <= 0 || image.Height <= 0 ||
        image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height * 4) {
        SetError(error, "invalid image");
        return false;
    }
    ErrorSink sink;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, OnError, OnWarning);
    if (!png) {
        SetError(error, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    std::vector<png_const_bytep> rows;
    out.clear();
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        SetError(error, sink.message.empty() ? "PNG error" : sink.message);
        return false;
    }
    if (!info) png_error(png, "out of memory");
    png_set_write_fn(png, &out, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, image.Width, image.Height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    rows.resize(image.Height);
    for (int y = 0; y < image.Height; ++y) rows[y] = image.Pixels.data() + static_cast<size_t>(y) * image.Width * 4;
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool WritePngFile(const std::string& path, const TRgbaImage& image, std::string* error) {
    std::vector<uint8_t> bytes;
    if (!EncodePng(image, bytes, error)) return false;
    if (!WriteFileBytes(path, bytes.data(), bytes.size())) {
        SetError(error, "cannot write " + path);
        return false;
    }
    return true;
}

}  // namespace vd
