// TXPPngBtn: a windowless push button drawn from a PNG strip of four frames
// (normal, hover, down, disabled) blended by alpha over the parent's
// background, with an optional centred caption. As a tab stop it takes the
// focus through its parent's window: Space (pressed frame while held) and
// Enter press it, and while focus cues show a dotted rectangle marks it.
#pragma once
#include "controls/model/png_button_model.h"
#include "toolkit/control.h"
#include "toolkit/png_image.h"

namespace vd {

class TXPPngBtn : public TGraphicControl {
public:
    explicit TXPPngBtn(TComponent* owner);

    // The owned image. Loading into it in place (LoadFromResourceID) changes
    // only the picture: no resize, no repaint until the next paint.
    TPngImage& PngImg() { return png_; }
    // Copies the strip, sizes the button to one frame and fixes that size.
    void SetPngImg(const TPngImage& image);

    bool Down() const { return model_.Down(); }
    void SetDown(bool v);
    // The frame shown (a TState value).
    int FrameState() const { return model_.Frame(); }

    bool TextGhostingEnable() const { return ghosting_; }
    void SetTextGhostingEnable(bool v);
    TColor ColorTextForeground() const { return foreground_; }
    void SetColorTextForeground(TColor c);
    TColor ColorTextBackground() const { return background_; }
    void SetColorTextBackground(TColor c);

    void SetEnabled(bool v) override;
    void Paint() override;
    // Raises OnClick as a click with the mouse does (Enter on the form).
    void Press() { Click(); }

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    bool WantsDialogKey(uint16_t key) const override;
    void FocusChanged() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton b, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton b, TShiftState shift, int x, int y) override;

private:
    TPngImage png_;
    TPngButtonModel model_;
    bool ghosting_ = false;
    TColor foreground_ = clBlack;
    TColor background_ = clWhite;
    bool spaceHeld_ = false;
};

// TXPPngView: shows a whole PNG or one frame of a four-frame strip, chosen
// by the program; it only reports the mouse.
class TXPPngView : public TGraphicControl {
public:
    explicit TXPPngView(TComponent* owner);

    TPngImage& PngImg() { return png_; }
    // Copies the image; the view takes the image size (vt_Img) or one frame
    // (vt_Btn) and fixes it.
    void SetPngImg(const TPngImage& image);
    TState States() const { return states_; }
    void SetStates(TState s);
    TViewType ViewType() const { return viewType_; }
    void SetViewType(TViewType t);

    void Paint() override;

private:
    TPngImage png_;
    TState states_ = sNormal;
    TViewType viewType_ = vt_Btn;
};

}  // namespace vd
