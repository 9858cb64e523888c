// A windowless text label: transparent or filled with Color, aligned,
// optionally word-wrapped, grey when disabled.
#pragma once
#include "toolkit/control.h"

namespace vd {

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    // An ampersand marks the next letter as the accelerator.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    // With AutoSize (TControl's) the label takes the size of its text (one
    // line, or wrapped at the width it is given with WordWrap), also
    // whenever the caption or the font changes.

    void Paint() override;

protected:
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    unsigned TextFlags() const;
    bool transparent_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

}  // namespace vd
