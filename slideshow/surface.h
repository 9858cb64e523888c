// A 32-bit pixel surface: W x H pixels of blue, green, red and a fourth byte
// that no effect changes, stored bottom-up as a Windows DIB section stores
// them (storage row 0 is image row H-1), rows packed with no padding. The
// memory is either owned or borrowed (a DIB section's bits), so the slideshow
// can hand the same pixels to the screen without a copy.
#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

namespace vd {

class TSurface {
public:
    TSurface() = default;
    TSurface(int w, int h) { Resize(w, h); }
    // Wraps memory owned elsewhere (w * h * 4 bytes, bottom-up).
    TSurface(int w, int h, uint32_t* borrowed) : w_(w), h_(h), bits_(borrowed) {}

    // A copy owns its pixels.
    TSurface(const TSurface& o) { *this = o; }
    // Assignment copies the pixels. A surface that borrows memory of the
    // same size keeps borrowing it and receives the pixels there, so a
    // bitmap's view stays on the bitmap; any other surface takes memory of
    // its own in the new size.
    TSurface& operator=(const TSurface& o) {
        if (this == &o) return *this;
        if (!IsBorrowed() || w_ != o.w_ || h_ != o.h_) Resize(o.w_, o.h_);
        if (o.bits_ && bits_) std::memcpy(bits_, o.bits_, ByteSize());
        return *this;
    }

    bool IsBorrowed() const { return bits_ != nullptr && (own_.empty() || bits_ != own_.data()); }

    void Resize(int w, int h) {
        w_ = w > 0 ? w : 0;
        h_ = h > 0 ? h : 0;
        own_.assign(static_cast<size_t>(w_) * h_, 0);
        bits_ = own_.empty() ? nullptr : own_.data();
    }

    int Width() const { return w_; }
    int Height() const { return h_; }
    size_t ByteSize() const { return static_cast<size_t>(w_) * h_ * 4; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }

    // Pixels of image row y (0 = top), left to right.
    uint32_t* Row(int y) { return bits_ + static_cast<size_t>(h_ - 1 - y) * w_; }
    const uint32_t* Row(int y) const { return bits_ + static_cast<size_t>(h_ - 1 - y) * w_; }
    uint32_t& At(int x, int y) { return Row(y)[x]; }
    uint32_t At(int x, int y) const { return Row(y)[x]; }

    // Storage order: bottom image row first.
    uint32_t* Bits() { return bits_; }
    const uint32_t* Bits() const { return bits_; }

private:
    int w_ = 0, h_ = 0;
    uint32_t* bits_ = nullptr;
    std::vector<uint32_t> own_;
};

// Pixel helpers: 0xXXRRGGBB in memory order B, G, R, X (little-endian).
constexpr uint32_t kColorMask = 0x00FFFFFFu;
constexpr uint32_t kFourthByteMask = 0xFF000000u;
inline uint32_t WithColorOf(uint32_t dst, uint32_t src) {
    return (dst & kFourthByteMask) | (src & kColorMask);
}

}  // namespace vd
