#include <png.h>

#include <csetjmp>
#include <cstring>

#include "imaging/image.h"

namespace vd {
namespace {

struct ReadSource {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

struct ErrorSink {
    std::string message;
};

void OnError(png_structp png, png_const_charp msg) {
    auto* sink = static_cast<ErrorSink*>(png_get_error_ptr(png));
    if (sink) sink->message = msg ? msg : "PNG error";
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void ReadFromMemory(png_structp png, png_bytep out, png_size_t len) {
    auto* src = static_cast<ReadSource*>(png_get_io_ptr(png));
    if (len > src->size - src->pos) png_error(png, "unexpected end of PNG data");
    std::memcpy(out, src->data + src->pos, len);
    src->pos += len;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t len) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + len);
}

void FlushNothing(png_structp) {}

void SetError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

// Ancillary chunks (text, ICC profiles) above this are skipped with a warning
// rather than read into memory.
constexpr png_alloc_size_t kMaxChunkBytes = 1 << 20;

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, TRgbaImage& out, std::string* error) {
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0) {
        SetError(error, "not a PNG file");
        return false;
    }
    ErrorSink sink;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &sink, OnError, OnWarning);
    if (!png) {
        SetError(error, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    ReadSource src{data, size, 0};
    std::vector<png_bytep> rows;
    TRgbaImage image;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        SetError(error, sink.message.empty() ? "PNG error" : sink.message);
        return false;
    }
    if (!info) png_error(png, "out of memory");
    png_set_read_fn(png, &src, ReadFromMemory);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_read_info(png, info);

    png_uint_32 w = 0, h = 0;
    int depth = 0, type = 0;
    png_get_IHDR(png, info, &w, &h, &depth, &type, nullptr, nullptr, nullptr);
    // Refused here, before a single row is allocated.
    if (static_cast<int64_t>(w) * h > kMaxImagePixels) png_error(png, "PNG image is too large");
    if (depth == 16) png_set_strip_16(png);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    if (!(type & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(w) * 4) png_error(png, "unsupported PNG layout");

    image.Width = static_cast<int>(w);
    image.Height = static_cast<int>(h);
    image.Pixels.resize(static_cast<size_t>(w) * h * 4);
    rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y) rows[y] = image.Pixels.data() + static_cast<size_t>(y) * w * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    out = std::move(image);
    return true;
}

bool ReadPngFile(const std::string& path, TRgbaImage& out, std::string* error) {
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) {
        SetError(error, "cannot read " + path);
        return false;
    }
    return DecodePng(bytes.data(), bytes.size(), out, error);
}

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
