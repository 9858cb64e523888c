// PNG decoding through imaging/ on hostile bytes. Every chunk's CRC is also
// recomputed on a copy, so that mutations inside chunks reach the decoder
// instead of stopping at the checksum. A decoded image must be within the
// size limits and hold exactly width * height RGBA pixels.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <zlib.h>

#include "imaging/image.h"

namespace {

void Decode(const uint8_t* data, size_t size) {
    vd::TRgbaImage image;
    std::string error;
    if (!vd::DecodePng(data, size, image, &error)) return;
    if (image.Width <= 0 || image.Height <= 0 || image.Width > vd::kMaxImageSide ||
        image.Height > vd::kMaxImageSide ||
        static_cast<int64_t>(image.Width) * image.Height > vd::kMaxImagePixels ||
        image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height * 4) {
        std::fprintf(stderr, "PNG decoded to an impossible image %dx%d\n", image.Width, image.Height);
        std::abort();
    }
}

uint32_t Be32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// A copy whose chunk CRCs are right; false when nothing had to change.
bool FixCrcs(const uint8_t* data, size_t size, std::vector<uint8_t>& out) {
    out.assign(data, data + size);
    bool changed = false;
    size_t at = 8;
    while (at + 12 <= size) {
        const uint32_t length = Be32(&out[at]);
        if (length > size - at - 12) break;
        uint8_t* crc = &out[at + 8 + length];
        const uint32_t want = static_cast<uint32_t>(crc32(0, &out[at + 4], length + 4));
        if (Be32(crc) != want) {
            crc[0] = static_cast<uint8_t>(want >> 24);
            crc[1] = static_cast<uint8_t>(want >> 16);
            crc[2] = static_cast<uint8_t>(want >> 8);
            crc[3] = static_cast<uint8_t>(want);
            changed = true;
        }
        at += 12 + length;
    }
    return changed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Decode(data, size);
    std::vector<uint8_t> fixed;
    if (size >= 8 && FixCrcs(data, size, fixed)) Decode(fixed.data(), fixed.size());
    return 0;
}
