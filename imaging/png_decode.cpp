// PNG decoding (the encoder is in png_encode.cpp, so that a program that
// only reads pictures links none of libpng's writer).
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "imaging/image.h"
#include "imaging/png_errors.h"

namespace vd {
using namespace png_detail;
namespace {

struct ReadSource {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t len) {
    auto* src = static_cast<ReadSource*>(png_get_io_ptr(png));
    if (len > src->size - src->pos) png_error(png, "unexpected end of PNG data");
    std::memcpy(out, src->data + src->pos, len);
    src->pos += len;
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

}  // namespace vd
