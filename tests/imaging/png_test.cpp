#include <png.h>

#include <gtest/gtest.h>

#include "imaging/image.h"

namespace vd {
namespace {

TRgbaImage Gradient(int w, int h) {
    TRgbaImage img;
    img.Width = w;
    img.Height = h;
    img.Pixels.resize(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = img.PixelAt(x, y);
            p[0] = static_cast<uint8_t>(x * 7);
            p[1] = static_cast<uint8_t>(y * 13);
            p[2] = static_cast<uint8_t>(x ^ y);
            p[3] = static_cast<uint8_t>((x + y) * 5);
        }
    return img;
}

// Writes a PNG of another colour type with libpng directly.
std::vector<uint8_t> EncodeRaw(int w, int h, int type, int depth, const std::vector<uint8_t>& rowsData,
                               bool withTrns = false) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep d, png_size_t n) {
            auto* v = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            v->insert(v->end(), d, d + n);
        },
        nullptr);
    png_set_IHDR(png, info, w, h, depth, type, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (type == PNG_COLOR_TYPE_PALETTE) {
        png_color pal[2] = {{255, 0, 0}, {0, 0, 255}};
        png_set_PLTE(png, info, pal, 2);
        if (withTrns) {
            png_byte t[1] = {0};
            png_set_tRNS(png, info, t, 1, nullptr);
        }
    }
    png_write_info(png, info);
    size_t stride = rowsData.size() / h;
    for (int y = 0; y < h; ++y) png_write_row(png, rowsData.data() + y * stride);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

TEST(Png, RgbaRoundTripKeepsEveryByte) {
    TRgbaImage src = Gradient(37, 11);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(EncodePng(src, bytes));
    TRgbaImage back;
    ASSERT_TRUE(DecodePng(bytes.data(), bytes.size(), back));
    EXPECT_EQ(back.Width, 37);
    EXPECT_EQ(back.Height, 11);
    EXPECT_EQ(back.Pixels, src.Pixels);
}

TEST(Png, OtherColourTypesExpandToRgba) {
    // 2 x 1 palette image with index 0 transparent.
    auto pal = EncodeRaw(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, true);
    TRgbaImage img;
    ASSERT_TRUE(DecodePng(pal.data(), pal.size(), img));
    EXPECT_EQ(std::vector<uint8_t>(img.Pixels.begin(), img.Pixels.end()),
              (std::vector<uint8_t>{255, 0, 0, 0, 0, 0, 255, 255}));
    // Grey without alpha: opaque grey pixels.
    auto grey = EncodeRaw(1, 2, PNG_COLOR_TYPE_GRAY, 8, {10, 200});
    ASSERT_TRUE(DecodePng(grey.data(), grey.size(), img));
    EXPECT_EQ(img.Pixels, (std::vector<uint8_t>{10, 10, 10, 255, 200, 200, 200, 255}));
    // RGB without alpha: alpha filled with 255.
    auto rgb = EncodeRaw(1, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3});
    ASSERT_TRUE(DecodePng(rgb.data(), rgb.size(), img));
    EXPECT_EQ(img.Pixels, (std::vector<uint8_t>{1, 2, 3, 255}));
}

TEST(Png, DamagedDataFailsWithAMessage) {
    TRgbaImage src = Gradient(20, 20);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(EncodePng(src, bytes));
    TRgbaImage out;
    std::string error;
    for (size_t cut : {size_t(0), size_t(7), size_t(30), bytes.size() / 2, bytes.size() - 13}) {
        error.clear();
        EXPECT_FALSE(DecodePng(bytes.data(), cut, out, &error)) << cut;
        EXPECT_FALSE(error.empty());
    }
    std::vector<uint8_t> garbage(bytes);
    for (size_t i = 40; i < garbage.size(); i += 3) garbage[i] ^= 0x5A;
    EXPECT_FALSE(DecodePng(garbage.data(), garbage.size(), out, &error));
}

TEST(Png, FilesRoundTripAndMissingFilesFail) {
    std::string path = ::testing::TempDir() + "vd_png_test.png";
    TRgbaImage src = Gradient(5, 3);
    ASSERT_TRUE(WritePngFile(path, src));
    TRgbaImage back;
    ASSERT_TRUE(ReadPngFile(path, back));
    EXPECT_EQ(back.Pixels, src.Pixels);
    std::remove(path.c_str());
    std::string error;
    EXPECT_FALSE(ReadPngFile(path, back, &error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace vd
