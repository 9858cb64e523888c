// The frame logic of the PNG state-strip button and view: which of the four
// frames of the strip shows, how the strip is placed so that exactly that
// frame covers the control, and where a centred caption goes.
#pragma once
#include "controls/model/box.h"

namespace vd {

// Frames of the strip, left to right.
enum TState { sNormal = 0, sHover = 1, sDown = 2, sDisable = 3 };
enum TViewType { vt_Img = 0, vt_Btn = 1 };

// Frame width of a strip of four frames (remainder dropped).
inline int StripFrameWidth(int imageWidth) { return imageWidth / 4; }

// Where the whole strip goes so that frame k covers a W x H control: from
// (-k*W, 0) to ((4-k)*W, H); the other frames fall outside and are clipped.
inline TBox StripTarget(int frame, int width, int height) {
    return TBox{-frame * width, 0, (4 - frame) * width, height};
}

// The focus rectangle inside the face of a W x H button: 3 pixels in from
// each edge, inside the strip's rounded frame and clear of its text.
inline TBox FocusRectInFace(int width, int height) { return TBox{3, 3, width - 3, height - 3}; }

// Top-left of a caption of tw x th centred in W x H (divisions toward zero).
struct TTextPos {
    int X, Y;
};
inline TTextPos CenteredText(int width, int height, int tw, int th) {
    return TTextPos{(width - tw) / 2, (height - th) / 2};
}

// The button's frame state. Each event returns true when the button must
// repaint (the rules repaint even when the frame stays the same).
class TPngButtonModel {
public:
    int Frame() const { return frame_; }
    bool Down() const { return down_; }
    bool Enabled() const { return enabled_; }

    // Mouse over the control: hover frame when enabled.
    bool MouseEnter();
    bool MouseLeave();
    // Left press: pressed frame when enabled. Other buttons: nothing.
    bool Press(bool leftButton);
    // Left release: hover when the point is inside, else normal.
    bool Release(bool leftButton, bool inside);
    // Down := v; False puts the frame back to normal. Always repaints.
    bool SetDown(bool v);
    // After the framework's enabled change: normal when enabled, disabled
    // frame otherwise. Always repaints.
    bool SetEnabled(bool v);
    // A new image through the image property: normal frame.
    void ImageAssigned() { frame_ = sNormal; }
    // At each paint Down forces the pressed frame, then disabled wins; both
    // are stored. Returns the frame to draw.
    int PaintFrame();

private:
    int frame_ = sNormal;
    bool down_ = false;
    bool enabled_ = true;
};

}  // namespace vd
