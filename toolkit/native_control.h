// Base of the native controls we subclass (edit, memo, combo box, tree
// view): a system window class, our window procedure in front of the
// original one, the parent's colour messages answered with the control's
// Color and font colour, and the parent's notifications reflected here.
// Subclasses draw flat frames by handling WM_NCPAINT in WndProc.
#pragma once
#include "toolkit/win_control.h"

namespace vd {

class TNativeControl : public TWinControl {
public:
    explicit TNativeControl(TComponent* owner);
    ~TNativeControl() override;

protected:
    // Subclasses set the system class and styles, calling this first.
    void CreateParams(TCreateParams& params) override;
    LRESULT ReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void ColorChanged() override;
    // Destroys the window and makes a new one with the current properties
    // (a style only a new window takes), keeping the text and the focus.
    void RecreateWnd();
    // WM_COMMAND notification code from the control (EN_CHANGE, CBN_...).
    virtual void CommandNotify(unsigned /*code*/) {}
    // WM_NOTIFY from the control; return true with `result` set to handle it.
    virtual bool Notify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }

private:
    HBRUSH brush_ = nullptr;
};

}  // namespace vd
