// TXPEdit: a flat single-line text box. TCustomXPEdit draws a 3-pixel
// non-client frame (a one-pixel ColorBorder rectangle and two rings in the
// state colour, which the text background follows): ColorFocused while the
// box has the focus or the mouse is over it (unless another flat edit has
// the focus), ColorFlat otherwise. Its height follows the font.
//
// TXPEdit adds text types with a typing and paste filter, a default text the
// box falls back to when the user leaves it, a link button at its right end
// (ellipsis or drop-down glyph, OnButtonClick, also on Ctrl+Enter), its own
// painting of aligned or masked text while it does not have the focus, and
// Enter as Tab. The window is a multi-line edit so that its formatting
// rectangle can be narrowed for the button; a password box is a single-line
// edit that masks its text itself while the user types.
#pragma once
#include "controls/model/color_shift.h"
#include "controls/model/edit_text_rules.h"
#include "controls/model/flat_edit_geometry.h"
#include "toolkit/edit.h"

namespace vd {

// Mouse cursors by their usual numbers.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;

class TCustomXPEdit : public TEdit {
public:
    explicit TCustomXPEdit(TComponent* owner);

    TColor ColorFocused() const { return colorFocused_; }
    void SetColorFocused(TColor c);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor c);
    // The idle colour; assigning it clears ParentColor.
    TColor ColorFlat() const { return colorFlat_; }
    void SetColorFlat(TColor c);
    // ColorFlat is the parent's colour.
    bool ParentColor() const { return parentColorFlat_; }
    void SetParentColor(bool v);
    // While set, ColorFlat is the parent's colour and ColorFocused and
    // ColorBorder are derived from it (lighter by AdvColorFocused, darker by
    // AdvColorBorder).
    bool UseAdvColors() const { return useAdvColors_; }
    void SetUseAdvColors(bool v);
    TAdvColors AdvColorFocused() const { return advColorFocused_; }
    void SetAdvColorFocused(TAdvColors n);
    TAdvColors AdvColorBorder() const { return advColorBorder_; }
    void SetAdvColorBorder(TAdvColors n);
    // Kept for stored forms: the height follows the font whatever it says.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) { autoSize_ = v; }

    // The mouse is over the box (while an application window is active).
    bool Hot() const { return hot_; }
    // The colour of the rings and the text background now.
    TColor StateColor() const { return StateColorWith(GetFocus()); }
    // After the form set the properties up: the height follows the font
    // (also done when the window is first made).
    virtual void Loaded();

    void SetParent(TWinControl* parent) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FontChanged() override;
    void EnabledChanged() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ParentColorChanged() override;
    // Sets Color to the state colour and draws the frame on the window.
    void RedrawFrame();
    bool HasFocus() const { return focused_; }

private:
    TColor StateColorWith(HWND focus) const;
    // RedrawFrame in a given state colour.
    void ShowState(TColor state);
    void DrawFrame(HDC windowDC, TColor state);
    void CalcAdvColors();
    void AdjustHeight();

    TColor colorFocused_ = clWhite;
    TColor colorBorder_ = 15902253;
    TColor colorFlat_ = 16643306;
    bool parentColorFlat_ = true;
    bool useAdvColors_ = false;
    TAdvColors advColorFocused_ = 10;
    TAdvColors advColorBorder_ = 50;
    bool autoSize_ = false;
    bool hot_ = false;
    bool focused_ = false;
    bool loaded_ = false;
};

class TXPEdit : public TCustomXPEdit {
public:
    explicit TXPEdit(TComponent* owner);

    TLinkStyle LinkStyle() const { return linkStyle_; }
    void SetLinkStyle(TLinkStyle s);
    // The cursor over the button (and 4 pixels to its left).
    TCursor ButtonCursor() const { return buttonCursor_; }
    void SetButtonCursor(TCursor c);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    // 0: the text shows; otherwise every character shows as this one.
    char16_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char16_t c);
    // Setting IntegerText or FloatText turns a DefaultText the type refuses
    // into "0".
    TTextType TextType() const { return rules_.Type; }
    void SetTextType(TTextType t);
    bool EnterAsTab() const { return enterAsTab_; }
    void SetEnterAsTab(bool v) { enterAsTab_ = v; }
    bool AcceptNegative() const { return rules_.AcceptNegative; }
    void SetAcceptNegative(bool v) { rules_.AcceptNegative = v; }
    // The characters a NormalText or IdentText box takes (empty: any).
    std::string AcceptCharList() const;
    void SetAcceptCharList(const std::string& chars);
    const std::string& DefaultText() const { return defaultText_; }
    void SetDefaultText(const std::string& s) { defaultText_ = s; }
    // Entering the box selects all its text.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }

    int ButtonWidth() const { return buttonWidth_; }
    bool ButtonPressed() const { return pressed_; }
    // The button in client coordinates (empty without a button).
    TRect ButtonRect();

    TNotifyEvent OnButtonClick;

protected:
    DWORD EditStyle() const override;
    void HandleCreated() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    virtual void ButtonClick();

private:
    void PaintClient(HDC dc);
    void PaintText(TCanvas& canvas, const TRect& client);
    void PaintButton(TCanvas& canvas);
    void SetFormattingRect();
    void SetPressed(bool v);
    void StopTracking();
    void PasteFiltered();
    bool OverButtonArea();

    TLinkStyle linkStyle_ = lsNone;
    TCursor buttonCursor_ = crDefault;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    char16_t passwordChar_ = 0;
    TTypingRules rules_;
    bool enterAsTab_ = false;
    std::string defaultText_;
    bool autoSelect_ = true;
    int buttonWidth_;
    bool pressed_ = false;
    bool tracking_ = false;
    bool swallowLineBreak_ = false;
};

}  // namespace vd
