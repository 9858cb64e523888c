// Styles 1..13, 16..30 and 33..57: expand, slide in, reveal in place and
// quarter styles. Every style is a few Picture => Screen rectangle copies.
#include <algorithm>

#include "slideshow/effects_stretch_internal.h"

namespace vd {
namespace stretch_fx {
namespace {

// Horizontal.
VD_STRETCH_STYLE(1) { PtoS(s, p, 0, 0, W, H, W - X, 0, X, H); }
VD_STRETCH_STYLE(2) { PtoS(s, p, 0, 0, W, H, 0, 0, X, H); }
VD_STRETCH_STYLE(3) { PtoS(s, p, 0, 0, W, H, W - X, 0, W, H); }
VD_STRETCH_STYLE(4) { PtoS(s, p, 0, 0, W, H, X - W, 0, W, H); }
VD_STRETCH_STYLE(5) { InPlace(s, p, 0, 0, X, H); }
VD_STRETCH_STYLE(6) { InPlace(s, p, W - X, 0, X, H); }
VD_STRETCH_STYLE(7) { PtoS(s, p, 0, 0, X, H, 0, 0, 2 * W - X, H); }
VD_STRETCH_STYLE(8) { PtoS(s, p, W - X, 0, X, H, X - W, 0, 2 * W - X, H); }
VD_STRETCH_STYLE(9) { PtoS(s, p, (W - X) / 2, 0, X, H, X - W, 0, 3 * W - 2 * X, H); }
VD_STRETCH_STYLE(10) { PtoS(s, p, 0, 0, W, H, (W - X) / 2, 0, X, H); }
VD_STRETCH_STYLE(11) { InPlace(s, p, (W - X) / 2, 0, X, H); }
VD_STRETCH_STYLE(12) {
    const int h = X / 2;
    InPlace(s, p, 0, 0, h, H);
    InPlace(s, p, W - h, 0, h, H);
}
VD_STRETCH_STYLE(13) {
    const int h = X / 2, half = W / 2;
    PtoS(s, p, 0, 0, half, H, 0, 0, h, H);
    PtoS(s, p, half, 0, half, H, W - h, 0, h, H);
}
VD_STRETCH_STYLE(16) {
    InPlace(s, p, 0, 0, X, H);
    PtoS(s, p, X, 0, std::min(W - X, W / 10), H, X, 0, W - X, H);
}
VD_STRETCH_STYLE(17) {
    const int d = W - X, from = std::max(d - W / 10, 0);
    InPlace(s, p, d, 0, X, H);
    PtoS(s, p, from, 0, d - from, H, 0, 0, d, H);
}

// Vertical.
VD_STRETCH_STYLE(18) { PtoS(s, p, 0, 0, W, H, 0, H - Y, W, Y); }
VD_STRETCH_STYLE(19) { PtoS(s, p, 0, 0, W, H, 0, 0, W, Y); }
VD_STRETCH_STYLE(20) { PtoS(s, p, 0, 0, W, H, 0, H - Y, W, H); }
VD_STRETCH_STYLE(21) { PtoS(s, p, 0, 0, W, H, 0, Y - H, W, H); }
VD_STRETCH_STYLE(22) { InPlace(s, p, 0, 0, W, Y); }
VD_STRETCH_STYLE(23) { InPlace(s, p, 0, H - Y, W, Y); }
VD_STRETCH_STYLE(24) { PtoS(s, p, 0, 0, W, Y, 0, 0, W, 2 * H - Y); }
VD_STRETCH_STYLE(25) { PtoS(s, p, 0, H - Y, W, Y, 0, Y - H, W, 2 * H - Y); }
VD_STRETCH_STYLE(26) { PtoS(s, p, 0, (H - Y) / 2, W, Y, 0, Y - H, W, 3 * H - 2 * Y); }
VD_STRETCH_STYLE(27) { PtoS(s, p, 0, 0, W, H, 0, (H - Y) / 2, W, Y); }
VD_STRETCH_STYLE(28) { InPlace(s, p, 0, (H - Y) / 2, W, Y); }
VD_STRETCH_STYLE(29) {
    const int h = Y / 2;
    InPlace(s, p, 0, 0, W, h);
    InPlace(s, p, 0, H - h, W, h);
}
VD_STRETCH_STYLE(30) {
    const int h = Y / 2, half = H / 2;
    PtoS(s, p, 0, 0, W, half, 0, 0, W, h);
    PtoS(s, p, 0, half, W, half, 0, H - h, W, h);
}
VD_STRETCH_STYLE(33) {
    InPlace(s, p, 0, 0, W, Y);
    PtoS(s, p, 0, Y, W, std::min(H - Y, H / 10), 0, Y, W, H - Y);
}
VD_STRETCH_STYLE(34) {
    const int d = H - Y, from = std::max(d - H / 10, 0);
    InPlace(s, p, 0, d, W, Y);
    PtoS(s, p, 0, from, W, d - from, 0, 0, W, d);
}

// Diagonal: both axes.
VD_STRETCH_STYLE(35) { PtoS(s, p, 0, 0, W, H, W - X, H - Y, X, Y); }
VD_STRETCH_STYLE(36) { PtoS(s, p, 0, 0, W, H, W - X, 0, X, Y); }
VD_STRETCH_STYLE(37) { PtoS(s, p, 0, 0, W, H, 0, 0, X, Y); }
VD_STRETCH_STYLE(38) { PtoS(s, p, 0, 0, W, H, 0, H - Y, X, Y); }
VD_STRETCH_STYLE(39) { PtoS(s, p, 0, 0, W, H, W - X, H - Y, W, H); }
VD_STRETCH_STYLE(40) { PtoS(s, p, 0, 0, W, H, W - X, Y - H, W, H); }
VD_STRETCH_STYLE(41) { PtoS(s, p, 0, 0, W, H, X - W, Y - H, W, H); }
VD_STRETCH_STYLE(42) { PtoS(s, p, 0, 0, W, H, X - W, H - Y, W, H); }
VD_STRETCH_STYLE(43) { InPlace(s, p, 0, 0, X, Y); }
VD_STRETCH_STYLE(44) { InPlace(s, p, 0, H - Y, X, Y); }
VD_STRETCH_STYLE(45) { InPlace(s, p, W - X, H - Y, X, Y); }
VD_STRETCH_STYLE(46) { InPlace(s, p, W - X, 0, X, Y); }
VD_STRETCH_STYLE(47) { PtoS(s, p, 0, 0, X, Y, 0, 0, 2 * W - X, 2 * H - Y); }
VD_STRETCH_STYLE(48) { PtoS(s, p, 0, H - Y, X, Y, 0, Y - H, 2 * W - X, 2 * H - Y); }
VD_STRETCH_STYLE(49) { PtoS(s, p, W - X, H - Y, X, Y, X - W, Y - H, 2 * W - X, 2 * H - Y); }
VD_STRETCH_STYLE(50) { PtoS(s, p, W - X, 0, X, Y, X - W, 0, 2 * W - X, 2 * H - Y); }
VD_STRETCH_STYLE(51) {
    PtoS(s, p, (W - X) / 2, (H - Y) / 2, X, Y, X - W, Y - H, 3 * W - 2 * X, 3 * H - 2 * Y);
}
VD_STRETCH_STYLE(52) { PtoS(s, p, 0, 0, W, H, (W - X) / 2, (H - Y) / 2, X, Y); }
VD_STRETCH_STYLE(53) { InPlace(s, p, (W - X) / 2, (H - Y) / 2, X, Y); }
VD_STRETCH_STYLE(54) {
    // The whole picture except the inner rectangle (l, t)..(W - l, H - t),
    // which keeps the start frame: the bands above and below it and the
    // columns beside it.
    const int l = X / 2, t = Y / 2;
    InPlace(s, p, 0, 0, W, t);
    InPlace(s, p, 0, H - t, W, t);
    InPlace(s, p, 0, t, l, H - 2 * t);
    InPlace(s, p, W - l, t, l, H - 2 * t);
}
VD_STRETCH_STYLE(55) {
    const int h = X / 2, v = Y / 2;
    InPlace(s, p, 0, 0, h, v);
    InPlace(s, p, 0, H - v, h, v);
    InPlace(s, p, W - h, H - v, h, v);
    InPlace(s, p, W - h, 0, h, v);
}
VD_STRETCH_STYLE(56) {
    const int h = X / 2, v = Y / 2, hw = W / 2, hh = H / 2;
    PtoS(s, p, 0, 0, hw, hh, 0, 0, h, v);
    PtoS(s, p, 0, hh, hw, hh, 0, H - v, h, v);
    PtoS(s, p, hw, hh, hw, hh, W - h, H - v, h, v);
    PtoS(s, p, hw, 0, hw, hh, W - h, 0, h, v);
}
VD_STRETCH_STYLE(57) {
    const int h = X / 2, v = Y / 2, hw = W / 2, hh = H / 2;
    PtoS(s, p, 0, 0, hw, hh, h - hw, 0, hw, hh);         // top left from the left
    PtoS(s, p, hw, 0, hw, hh, hw, v - hh, hw, hh);       // top right from the top
    PtoS(s, p, hw, hh, hw, hh, W - h, hh, hw, hh);       // bottom right from the right
    PtoS(s, p, 0, hh, hw, hh, 0, H - v, hw, hh);         // bottom left from the bottom
}

}  // namespace

TEffectProc SlideProc(int style) {
    switch (style) {
        case 1: return Style1;    case 2: return Style2;    case 3: return Style3;
        case 4: return Style4;    case 5: return Style5;    case 6: return Style6;
        case 7: return Style7;    case 8: return Style8;    case 9: return Style9;
        case 10: return Style10;  case 11: return Style11;  case 12: return Style12;
        case 13: return Style13;  case 16: return Style16;  case 17: return Style17;
        case 18: return Style18;  case 19: return Style19;  case 20: return Style20;
        case 21: return Style21;  case 22: return Style22;  case 23: return Style23;
        case 24: return Style24;  case 25: return Style25;  case 26: return Style26;
        case 27: return Style27;  case 28: return Style28;  case 29: return Style29;
        case 30: return Style30;  case 33: return Style33;  case 34: return Style34;
        case 35: return Style35;  case 36: return Style36;  case 37: return Style37;
        case 38: return Style38;  case 39: return Style39;  case 40: return Style40;
        case 41: return Style41;  case 42: return Style42;  case 43: return Style43;
        case 44: return Style44;  case 45: return Style45;  case 46: return Style46;
        case 47: return Style47;  case 48: return Style48;  case 49: return Style49;
        case 50: return Style50;  case 51: return Style51;  case 52: return Style52;
        case 53: return Style53;  case 54: return Style54;  case 55: return Style55;
        case 56: return Style56;  case 57: return Style57;
        default: return nullptr;
    }
}

}  // namespace stretch_fx
}  // namespace vd
