// Windows and Delphi numeric rules that drawing code depends on.
#pragma once
#include <cmath>
#include <cstdint>

namespace vd {

// Windows MulDiv: a*b/c with a 64-bit intermediate, rounded to the nearest
// integer, halves away from zero; c == 0 gives -1.
inline int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    int64_t p = static_cast<int64_t>(a) * b;
    bool neg = (p < 0) != (c < 0);
    uint64_t up = p < 0 ? static_cast<uint64_t>(-p) : static_cast<uint64_t>(p);
    uint64_t uc = c < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    uint64_t q = (up * 2 + uc) / (uc * 2);
    int64_t r = neg ? -static_cast<int64_t>(q) : static_cast<int64_t>(q);
    if (r > INT32_MAX || r < INT32_MIN) return -1;
    return static_cast<int32_t>(r);
}

// Delphi Round: to the nearest integer, ties to even (banker's rounding).
inline int64_t DelphiRound(double v) {
    double f = std::floor(v);
    double diff = v - f;
    if (diff > 0.5) return static_cast<int64_t>(f) + 1;
    if (diff < 0.5) return static_cast<int64_t>(f);
    int64_t fi = static_cast<int64_t>(f);
    return (fi % 2 == 0) ? fi : fi + 1;
}

// Delphi Trunc (towards zero).
inline int64_t DelphiTrunc(double v) { return static_cast<int64_t>(v); }

// Floor division and modulo for signed integers.
inline int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace vd
