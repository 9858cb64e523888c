// TXPGroupBox: a container that draws a one-pixel frame (full, or the top
// line only) with an optional caption set into the top line, over its
// colour or, transparent, over its parent's picture. It paints its whole
// area itself, composed off screen by the window's paint and copied in one
// step.
#pragma once
#include "controls/model/group_box_frame.h"
#include "controls/xp_captioned_control.h"

namespace vd {

class TXPGroupBox : public TXPCaptionedControl {
public:
    explicit TXPGroupBox(TComponent* owner);

    void SetTransparent(bool v);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor c);
    TGroupBoxBorder Border() const { return border_; }
    void SetBorder(TGroupBoxBorder b);
    // With brOnlyTopLine and a caption: also the short piece left of it.
    bool TopLineFull() const { return topLineFull_; }
    void SetTopLineFull(bool v);
    // ColorBorder derived from Color (darker by this amount, 0..100) while
    // UseAdvColors is set.
    TAdvColors AdvColorBorder() const { return advBorder_; }
    void SetAdvColorBorder(TAdvColors n);

    // The caption's accelerator focuses the group box.
    bool DialogChar(char32_t ch) override;
    void Paint() override;

protected:
    void DeriveAdvColors() override;

private:
    TColor colorBorder_ = 15451022;
    TGroupBoxBorder border_ = brFull;
    bool topLineFull_ = false;
    TAdvColors advBorder_ = 50;
};

}  // namespace vd
