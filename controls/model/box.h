// A rectangle for the portable control models: left and top included, right
// and bottom excluded.
#pragma once
#include <algorithm>

namespace vd {

struct TBox {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

inline bool operator==(const TBox& a, const TBox& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

inline TBox BoxOf(int left, int top, int width, int height) {
    return TBox{left, top, left + width, top + height};
}

// Empty box (all zero) when they do not meet.
inline TBox Intersect(const TBox& a, const TBox& b) {
    TBox r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
           std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TBox{} : r;
}

}  // namespace vd
