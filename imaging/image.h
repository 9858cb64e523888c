// Decoding and encoding of the pictures the installer carries: RGBA PNGs
// (skin strips, logo) and JPEG slides. Portable: the Win32 layer turns a
// decoded image into a DIB, the tools write PNGs.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vd {

// The largest picture the decoders accept: 8192 pixels a side (room for long
// button strips) and 4 Mi pixels (16 MiB of RGBA) in all. The wizard's
// largest picture is its 556 x 329 page and its whole window is 558 x 390
// (0.21 Mi pixels), so the limit leaves a margin of about 19 times, while a
// hostile header cannot make a decoder allocate more. A picture beyond it is
// refused from its header, before its pixels are allocated.
constexpr int kMaxImageSide = 8192;
constexpr int64_t kMaxImagePixels = int64_t{4} << 20;

// RGBA, 8 bits per channel, rows top-down, straight (not premultiplied)
// alpha. JPEGs decode with alpha 255.
struct TRgbaImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels;  // Width * Height * 4 bytes

    uint8_t* PixelAt(int x, int y) { return Pixels.data() + (static_cast<size_t>(y) * Width + x) * 4; }
    const uint8_t* PixelAt(int x, int y) const {
        return Pixels.data() + (static_cast<size_t>(y) * Width + x) * 4;
    }
};

// PNG: any colour type and depth is expanded to 8-bit RGBA. A gamma chunk is
// ignored: pixels are used as stored, the same on every platform.
bool DecodePng(const uint8_t* data, size_t size, TRgbaImage& out, std::string* error = nullptr);
bool ReadPngFile(const std::string& path, TRgbaImage& out, std::string* error = nullptr);
bool EncodePng(const TRgbaImage& image, std::vector<uint8_t>& out, std::string* error = nullptr);
bool WritePngFile(const std::string& path, const TRgbaImage& image, std::string* error = nullptr);

// JPEG (baseline or progressive, grey or colour) to RGBA with alpha 255.
bool DecodeJpeg(const uint8_t* data, size_t size, TRgbaImage& out, std::string* error = nullptr);
bool ReadJpegFile(const std::string& path, TRgbaImage& out, std::string* error = nullptr);

// Whole-file helpers; paths are UTF-8 (wide APIs on Windows).
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& out);
bool WriteFileBytes(const std::string& path, const uint8_t* data, size_t size);

}  // namespace vd
