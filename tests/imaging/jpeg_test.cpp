#include <cstdio>
#include <jpeglib.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "imaging/image.h"

namespace vd {
namespace {

std::vector<uint8_t> EncodeJpeg(int w, int h, int components) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = w;
    c.image_height = h;
    c.input_components = components;
    c.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(w) * components);
    while (c.next_scanline < c.image_height) {
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < components; ++k)
                row[x * components + k] = static_cast<uint8_t>(k == 0 ? 200 : k == 1 ? 100 : 30);
        JSAMPROW rp = row.data();
        jpeg_write_scanlines(&c, &rp, 1);
    }
    jpeg_finish_compress(&c);
    std::vector<uint8_t> out(mem, mem + size);
    jpeg_destroy_compress(&c);
    std::free(mem);
    return out;
}

TEST(Jpeg, DecodesColourAndGreyToOpaqueRgba) {
    auto colour = EncodeJpeg(503, 186, 3);
    TRgbaImage img;
    ASSERT_TRUE(DecodeJpeg(colour.data(), colour.size(), img));
    ASSERT_EQ(img.Width, 503);
    ASSERT_EQ(img.Height, 186);
    const uint8_t* p = img.PixelAt(250, 90);
    EXPECT_NEAR(p[0], 200, 3);
    EXPECT_NEAR(p[1], 100, 3);
    EXPECT_NEAR(p[2], 30, 3);
    EXPECT_EQ(p[3], 255);
    auto grey = EncodeJpeg(8, 8, 1);
    ASSERT_TRUE(DecodeJpeg(grey.data(), grey.size(), img));
    p = img.PixelAt(3, 3);
    EXPECT_NEAR(p[0], 200, 3);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
}

TEST(Jpeg, DamagedOrEmptyDataFailsWithoutCrashing) {
    auto bytes = EncodeJpeg(64, 64, 3);
    TRgbaImage img;
    std::string error;
    EXPECT_FALSE(DecodeJpeg(bytes.data(), 0, img, &error));
    EXPECT_FALSE(DecodeJpeg(bytes.data(), 20, img, &error));
    EXPECT_FALSE(error.empty());
    std::vector<uint8_t> junk(1000, 0x42);
    EXPECT_FALSE(DecodeJpeg(junk.data(), junk.size(), img, &error));
}

}  // namespace
}  // namespace vd
