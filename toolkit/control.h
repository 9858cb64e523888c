// Controls: components with a parent window, bounds, alignment and anchors,
// visibility, enabled state, font, colour and caption. TControl is the base
// of both kinds:
//  - windowless graphic controls (TGraphicControl): no window of their own;
//    the parent paints them after its background, inside their bounds, and
//    dispatches mouse input to them (enter, leave, press, release, click);
//  - windowed controls (TWinControl, win_control.h).
// Both kinds can be tab stops. A graphic control that takes the focus holds
// it through its parent's window: the parent has the system focus and hands
// the keys to its focused graphic child first.
// The parent can change at run time; a control's owner (who frees it) and
// its parent (where it shows) are independent.
#pragma once
#include <string>

#include "core/color.h"
#include "toolkit/canvas.h"
#include "toolkit/component.h"
#include "toolkit/graphics.h"
#include "toolkit/types.h"

namespace vd {

class TWinControl;
class TForm;

// Behaviour switches of a control class.
enum TControlStyleFlag : uint32_t {
    csCaptureMouse = 1,     // captures the mouse from a left press to its release
    csClickEvents = 2,      // a left press and release inside raise Click
    csDoubleClicks = 4,     // a double click raises DblClick
    csOpaque = 8,           // paints its whole area: no background fill under it
    csAcceptsControls = 16  // may be the parent of other controls
};
using TControlStyle = uint32_t;

// Size limits; 0 means no limit.
struct TSizeConstraints {
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // --- Parent and placement ---
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form the control sits on (nullptr when it is on none).
    TForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    // Applies the constraints, moves the control and realigns its parent.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    TRect ClientRect() const { return TRect{0, 0, ClientWidth(), ClientHeight()}; }

    const TSizeConstraints& Constraints() const { return constraints_; }
    void SetConstraints(const TSizeConstraints& c);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);

    // With AutoSize set, every new size is first offered to CanAutoSize,
    // which may change it to the size the control wants (a picture control:
    // its picture's size).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // Re-sizes the control to its wanted size now (nothing without AutoSize).
    void AdjustSize();
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors a) { anchors_ = a; }

    // Client point <-> screen point.
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    // --- State ---
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and all the way up to a window that shows.
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);

    // The caption (text) of the control.
    virtual std::string Caption() const { return text_; }
    virtual void SetCaption(const std::string& s);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h) { hint_ = h; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }

    TControlStyle ControlStyle() const { return style_; }
    void SetControlStyle(TControlStyle s) { style_ = s; }
    virtual bool IsWindowed() const { return false; }

    // --- Painting ---
    // Asks for a repaint of the control's area (the parent paints its
    // background under a graphic control first).
    virtual void Invalidate();
    // Paints pending invalid areas now.
    virtual void Update();
    // Invalidate and Update.
    void Repaint();
    void Refresh() { Repaint(); }

    // --- Focus and tab order ---
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    // The place among the parent's children in tab order (-1: no parent).
    int TabOrder() const;
    void SetTabOrder(int order);
    // A graphic control is focused while its parent's window has the focus
    // and names it as its focused child.
    virtual bool Focused() const;
    // Visible and enabled all the way up, with a parent to hold the focus.
    virtual bool CanFocus() const;
    virtual void SetFocus();
    // Whether focus cues show in the control's window: hidden for a mouse
    // user, shown once the keyboard is used (the window's UI state).
    bool FocusCuesShown() const;

    // --- Mouse ---
    bool MouseCapture() const;
    void SetMouseCapture(bool v);
    // Whether the mouse is over the control (between enter and leave).
    bool MouseInControl() const { return mouseInControl_; }

    // Mouse input in client coordinates as the framework dispatches it: the
    // left press captures (csCaptureMouse) and arms the click
    // (csClickEvents); the release raises Click before MouseUp when the
    // press began here and the point is inside the client rectangle. A
    // double click raises DblClick and no second Click.
    void DispatchMouseDown(TMouseButton b, TShiftState shift, int x, int y, bool doubleClick);
    void DispatchMouseUp(TMouseButton b, TShiftState shift, int x, int y);
    void DispatchMouseMove(TShiftState shift, int x, int y) { MouseMove(shift, x, y); }
    void DispatchMouseEnter();
    void DispatchMouseLeave();
    // Forgets a pending click (capture lost).
    void CancelClick() { clicked_ = false; }

    // --- Events ---
    TNotifyEvent OnClick, OnDblClick, OnResize, OnMouseEnter, OnMouseLeave;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // A character offered to the whole form (an accelerator, or a key the
    // focused control does not take itself); true when handled.
    virtual bool DialogChar(char32_t ch) {
        (void)ch;
        return false;
    }

    // Paints the control (graphic controls: on the canvas their parent
    // prepared, origin at the control's top-left, clipped to its bounds).
    virtual void Paint() {}
    TCanvas& Canvas() { return canvas_; }

protected:
    friend class TWinControl;

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton b, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton b, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Keys while the control has the focus (a graphic control gets them
    // from its parent's window first); a key set to 0 is handled.
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    // A dialog key (Enter, Escape) that the focused graphic control uses
    // itself instead of leaving it to the form.
    virtual bool WantsDialogKey(uint16_t /*key*/) const { return false; }
    // The control gained or lost the focus, or its window's focus cues
    // changed: repaints by default.
    virtual void FocusChanged() { Invalidate(); }

    // Notifications after a change.
    virtual void Resize();
    virtual void FontChanged();
    virtual void ColorChanged() { Invalidate(); }
    virtual void TextChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void VisibleChanged();
    // The size the control wants, given a proposed one (the parent's
    // alignment may dictate either). False keeps the proposed size.
    virtual bool CanAutoSize(int& /*newWidth*/, int& /*newHeight*/) { return false; }
    // Stores the bounds; windowed controls also move their window.
    virtual void ApplyBounds(int left, int top, int width, int height);
    void StoreBounds(int left, int top, int width, int height);
    // Takes font and colour from the parent when ParentFont / ParentColor.
    void ParentPropertiesChanged();
    // The parent's Color changed (by default: taken when ParentColor).
    virtual void ParentColorChanged();

    TCanvas canvas_;
    TColor color_ = clBtnFace;
    std::string text_;

private:
    void ApplyConstraints(int& w, int& h) const;

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TSizeConstraints constraints_;
    TAlign align_ = TAlign::alNone;
    TAnchors anchors_ = kDefaultAnchors;
    bool autoSize_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    TFont font_;
    bool parentFont_ = true;
    bool parentColor_ = false;
    std::string hint_;
    bool showHint_ = false;
    TControlStyle style_ = csCaptureMouse | csClickEvents | csDoubleClicks;
    bool clicked_ = false;
    bool mouseInControl_ = false;
    bool tabStop_ = false;
};

// Whether ch is the accelerator of a caption: the letter after a single '&'
// (letter case ignored).
bool IsAccel(char32_t ch, const std::string& caption);

// A windowless control painted by its parent.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
};

}  // namespace vd
