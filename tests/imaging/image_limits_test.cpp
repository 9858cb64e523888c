// The decoders' size limits: a picture beyond kMaxImageSide or
// kMaxImagePixels is refused from its header, before its pixels are
// allocated; a picture at the limit still decodes; a progressive JPEG with
// an absurd number of scans is refused.
#include <cstdio>
#include <jpeglib.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "imaging/image.h"

namespace vd {
namespace {

using Bytes = std::vector<uint8_t>;

void PutBe32(Bytes& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
}

void Chunk(Bytes& png, const char* type, const Bytes& data) {
    PutBe32(png, static_cast<uint32_t>(data.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBe32(png, static_cast<uint32_t>(crc32(0, &png[start], static_cast<uInt>(png.size() - start))));
}

// An 8-bit grey PNG of w x h; with `rows` false its image data is one
// empty row, so that only the header tells its size.
Bytes GreyPng(uint32_t w, uint32_t h, bool rows) {
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes ihdr;
    PutBe32(ihdr, w);
    PutBe32(ihdr, h);
    ihdr.insert(ihdr.end(), {8, 0, 0, 0, 0});
    Chunk(png, "IHDR", ihdr);
    {
        Bytes raw(rows ? static_cast<size_t>(w + 1) * h : 1, 0x80);
        for (size_t y = 0; y < raw.size(); y += w + 1) raw[y] = 0;  // filter: none
        uLongf n = compressBound(static_cast<uLong>(raw.size()));
        Bytes z(n);
        compress2(z.data(), &n, raw.data(), static_cast<uLong>(raw.size()), 1);
        z.resize(n);
        Chunk(png, "IDAT", z);
    }
    Chunk(png, "IEND", {});
    return png;
}

bool RefusedByHeader(const std::string& error) {
    // libpng's own check of the side limits, or ours of the pixel count.
    return error == "Invalid IHDR data" || error == "PNG image is too large";
}

TEST(ImageLimits, PngHeadersBeyondTheLimitsAreRefused) {
    TRgbaImage img;
    std::string error;
    // The fuzzer's find: 16384 x 2048 with no pixel data behind it.
    for (auto [w, h] : {std::pair<uint32_t, uint32_t>{16384, 2048}, {8193, 1}, {1, 8193}, {2049, 2048}}) {
        Bytes png = GreyPng(w, h, false);
        error.clear();
        EXPECT_FALSE(DecodePng(png.data(), png.size(), img, &error)) << w << "x" << h;
        EXPECT_TRUE(RefusedByHeader(error)) << w << "x" << h << ": " << error;
    }
    // At the limit the header passes; only the missing rows stop it.
    for (auto [w, h] : {std::pair<uint32_t, uint32_t>{2048, 2048}, {8192, 1}, {1, 8192}}) {
        Bytes png = GreyPng(w, h, false);
        EXPECT_FALSE(DecodePng(png.data(), png.size(), img, &error));
        EXPECT_FALSE(RefusedByHeader(error)) << w << "x" << h << ": " << error;
    }
}

TEST(ImageLimits, PngAtThePixelLimitDecodes) {
    Bytes png = GreyPng(kMaxImageSide, static_cast<uint32_t>(kMaxImagePixels / kMaxImageSide), true);
    TRgbaImage img;
    std::string error;
    ASSERT_TRUE(DecodePng(png.data(), png.size(), img, &error)) << error;
    EXPECT_EQ(static_cast<int64_t>(img.Width) * img.Height, kMaxImagePixels);
    EXPECT_EQ(img.PixelAt(img.Width - 1, img.Height - 1)[1], 0x80);
}

Bytes EncodeJpeg(int w, int h, bool progressive) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    // Full-size chroma: the decoder's largest working set.
    for (int i = 0; i < c.num_components; ++i) c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
    if (progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    Bytes row(static_cast<size_t>(w) * 3);
    while (c.next_scanline < c.image_height) {
        for (int x = 0; x < w; ++x) {
            row[3 * x] = static_cast<uint8_t>(x);
            row[3 * x + 1] = static_cast<uint8_t>(c.next_scanline);
            row[3 * x + 2] = 90;
        }
        JSAMPROW rp = row.data();
        jpeg_write_scanlines(&c, &rp, 1);
    }
    jpeg_finish_compress(&c);
    Bytes out(mem, mem + size);
    jpeg_destroy_compress(&c);
    std::free(mem);
    return out;
}

// Offset of the first marker 0xFF `code`.
size_t FindMarker(const Bytes& b, uint8_t code, size_t from = 2) {
    for (size_t i = from; i + 1 < b.size(); ++i)
        if (b[i] == 0xFF && b[i + 1] == code) return i;
    return std::string::npos;
}

TEST(ImageLimits, JpegHeadersBeyondTheLimitsAreRefused) {
    const Bytes small = EncodeJpeg(16, 16, false);
    const size_t sof = FindMarker(small, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    TRgbaImage img;
    std::string error;
    for (auto [w, h] : {std::pair<int, int>{8193, 8}, {8, 8193}, {2049, 2048}, {8192, 8192}}) {
        Bytes j = small;
        j[sof + 5] = static_cast<uint8_t>(h >> 8);
        j[sof + 6] = static_cast<uint8_t>(h);
        j[sof + 7] = static_cast<uint8_t>(w >> 8);
        j[sof + 8] = static_cast<uint8_t>(w);
        error.clear();
        EXPECT_FALSE(DecodeJpeg(j.data(), j.size(), img, &error)) << w << "x" << h;
        EXPECT_EQ(error, "JPEG image is too large") << w << "x" << h;
    }
}

TEST(ImageLimits, ProgressiveJpegAtThePixelLimitDecodes) {
    const int w = 2048, h = static_cast<int>(kMaxImagePixels / 2048);
    const Bytes j = EncodeJpeg(w, h, true);
    TRgbaImage img;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(j.data(), j.size(), img, &error)) << error;
    EXPECT_EQ(img.Width, w);
    EXPECT_EQ(img.Height, h);
    EXPECT_NEAR(img.PixelAt(200, 100)[0], 200, 4);
}

TEST(ImageLimits, JpegWithEndlessScansIsRefused) {
    Bytes j = EncodeJpeg(16, 16, true);
    TRgbaImage img;
    ASSERT_TRUE(DecodeJpeg(j.data(), j.size(), img));
    // Repeat the last scan (its SOS marker up to the end marker) 150 times.
    size_t last = 0;
    for (size_t at = FindMarker(j, 0xDA); at != std::string::npos; at = FindMarker(j, 0xDA, at + 2)) last = at;
    ASSERT_GT(last, 0u);
    const Bytes scan(j.begin() + static_cast<long>(last), j.end() - 2);
    Bytes endless(j.begin(), j.end() - 2);
    for (int i = 0; i < 150; ++i) endless.insert(endless.end(), scan.begin(), scan.end());
    endless.insert(endless.end(), {0xFF, 0xD9});
    std::string error;
    EXPECT_FALSE(DecodeJpeg(endless.data(), endless.size(), img, &error));
    EXPECT_NE(error.find("scans"), std::string::npos) << error;
}

}  // namespace
}  // namespace vd
