#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <csetjmp>
#include <cstring>
#include <string>

#include "imaging/image.h"

namespace vd {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr, int) {}

// Progressive files may hold any number of scans, each a pass over the whole
// picture; real encoders write about ten.
constexpr int kMaxScans = 100;
// The decoder's own working memory: a progressive picture keeps all its
// coefficients, 6 bytes a pixel at most, 24 MiB for the largest accepted
// picture.
constexpr long kMaxDecoderMemory = 48L << 20;

void OnProgress(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxScans) {
        auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
        {
            // Destroyed here: the jump below skips every destructor.
            const std::string text = "JPEG file has more than " + std::to_string(kMaxScans) + " scans";
            std::memcpy(err->message, text.c_str(), text.size() + 1);
        }
        std::longjmp(err->jump, 1);
    }
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, TRgbaImage& out, std::string* error) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    err.message[0] = 0;
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.emit_message = OnMessage;
    TRgbaImage image;
    std::vector<uint8_t> row;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        if (error) *error = err.message[0] ? err.message : "JPEG error";
        return false;
    }
    jpeg_create_decompress(&cinfo);
    if (size == 0) {
        jpeg_destroy_decompress(&cinfo);
        if (error) *error = "empty JPEG data";
        return false;
    }
    jpeg_progress_mgr progress{};
    progress.progress_monitor = OnProgress;
    cinfo.progress = &progress;
    cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    // Refused before the decoder allocates anything for the picture.
    if (cinfo.image_width > static_cast<JDIMENSION>(kMaxImageSide) ||
        cinfo.image_height > static_cast<JDIMENSION>(kMaxImageSide) ||
        static_cast<int64_t>(cinfo.image_width) * cinfo.image_height > kMaxImagePixels) {
        jpeg_destroy_decompress(&cinfo);
        if (error) *error = "JPEG image is too large";
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        jpeg_destroy_decompress(&cinfo);
        if (error) *error = "unsupported JPEG colour layout";
        return false;
    }
    image.Width = static_cast<int>(cinfo.output_width);
    image.Height = static_cast<int>(cinfo.output_height);
    image.Pixels.resize(static_cast<size_t>(image.Width) * image.Height * 4);
    row.resize(static_cast<size_t>(image.Width) * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW rp = row.data();
        jpeg_read_scanlines(&cinfo, &rp, 1);
        uint8_t* dst = image.PixelAt(0, y);
        for (int x = 0; x < image.Width; ++x) {
            dst[4 * x + 0] = row[3 * x + 0];
            dst[4 * x + 1] = row[3 * x + 1];
            dst[4 * x + 2] = row[3 * x + 2];
            dst[4 * x + 3] = 0xFF;
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    out = std::move(image);
    return true;
}

bool ReadJpegFile(const std::string& path, TRgbaImage& out, std::string* error) {
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    return DecodeJpeg(bytes.data(), bytes.size(), out, error);
}

}  // namespace vd
