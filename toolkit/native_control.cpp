#include "toolkit/native_control.h"

namespace vd {

TNativeControl::TNativeControl(TComponent* owner) : TWinControl(owner) {
    // The system control captures and clicks by itself.
    SetControlStyle(ControlStyle() & ~(csCaptureMouse | csClickEvents | csDoubleClicks));
    color_ = clWindow;
    SetTabStop(true);
}

TNativeControl::~TNativeControl() {
    MarkDestroying();
    DestroyHandle();
    if (brush_) DeleteObject(brush_);
}

void TNativeControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = true;
    p.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
    if (Visible()) p.Style |= WS_VISIBLE;
    if (!Enabled()) p.Style |= WS_DISABLED;
}

void TNativeControl::RecreateWnd() {
    if (!HandleAllocated()) return;
    const bool focused = Focused();
    text_ = Caption();
    DestroyHandle();
    CreateHandle();
    if (focused) ::SetFocus(Handle());
}

void TNativeControl::ColorChanged() {
    if (brush_) DeleteObject(brush_);
    brush_ = nullptr;
    Invalidate();
}

LRESULT TNativeControl::ReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = false;
    switch (msg) {
        case WM_COMMAND:
            CommandNotify(HIWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            LRESULT result = 0;
            handled = Notify(reinterpret_cast<NMHDR*>(lParam), result);
            return result;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ColorToRGB(Font().Color()));
            SetBkColor(dc, ColorToRGB(Color()));
            if (!brush_) brush_ = CreateSolidBrush(ColorToRGB(Color()));
            handled = true;
            return reinterpret_cast<LRESULT>(brush_);
        }
        default:
            return 0;
    }
}

}  // namespace vd
