// Plain value types and event signatures shared by the whole toolkit.
#pragma once
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace vd {

struct TPoint {
    int X = 0, Y = 0;
};

// Left and top included, right and bottom excluded.
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
};
inline TRect Bounds(int l, int t, int w, int h) { return {l, t, l + w, t + h}; }
inline bool operator==(const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
inline bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
// Empty result when the rectangles do not meet.
TRect IntersectRects(const TRect& a, const TRect& b);

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t;
constexpr TAnchors kDefaultAnchors = akLeft | akTop;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag : uint16_t {
    ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64
};
using TShiftState = uint16_t;

enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// Reading direction of a control's text.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;

// The toolkit's base exception: a UTF-8 message for the user.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};
// A resource that the module does not hold.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};
// An operation that the object's state does not allow.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
// A picture that cannot be read.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

}  // namespace vd
