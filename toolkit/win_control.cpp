#include "toolkit/win_control.h"

#include <windowsx.h>

#include <algorithm>

#include "core/text.h"
#include "core/wide.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

namespace vd {
namespace {

const wchar_t kControlProp[] = L"VdControl";
// Sent by RedrawArea from other threads: paint the invalid area now.
const UINT kUpdateNowMessage = WM_APP + 0x3A2;
const wchar_t kWindowClass[] = L"VdWindow";

void RegisterWindowClass(const std::wstring& name, WNDPROC proc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name.c_str();
    RegisterClassExW(&wc);
}

TShiftState KeyboardShift() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

UINT_PTR g_nextChildId = 100;

}  // namespace

TShiftState ShiftFromKeys(WPARAM keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    MarkDestroying();
    // Owned components first, while this object is whole, then the children
    // that others own, then the window.
    DestroyComponents();
    while (!controls_.empty()) delete controls_.back();
    DestroyHandle();
    // Leave the parent while this is still a windowed control.
    if (Parent()) Parent()->RemoveControl(this);
}

TWinControl* TWinControl::FromHandle(HWND h) {
    return h ? static_cast<TWinControl*>(GetPropW(h, kControlProp)) : nullptr;
}

TControl* TWinControl::FindControlAt(TPoint screen) {
    HWND h = WindowFromPoint(POINT{screen.X, screen.Y});
    // A window of a system control inside ours (the edit of a combo box).
    TWinControl* w = nullptr;
    for (; h && !(w = FromHandle(h)); h = GetParent(h)) {
    }
    if (!w) return nullptr;
    POINT p{screen.X, screen.Y};
    ::ScreenToClient(w->handle_, &p);
    if (TControl* c = w->ControlAtPos(TPoint{p.x, p.y}, true)) return c;
    return w;
}

HWND TWinControl::Handle() {
    if (!handle_) CreateHandle();
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.ClassName = kWindowClass;
    p.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (Visible()) p.Style |= WS_VISIBLE;
    if (!Enabled()) p.Style |= WS_DISABLED;
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    if (Parent()) p.WndParent = Parent()->Handle();
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    if (Parent() && !Parent()->HandleAllocated()) {
        Parent()->CreateHandle();  // creates ours too
        if (handle_) return;
    }
    TCreateParams p;
    CreateParams(p);
    if ((p.Style & WS_CHILD) && !p.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    std::wstring text = Wide(text_);
    HMENU id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(g_nextChildId++) : nullptr;
    HWND h;
    if (p.SystemClass) {
        h = CreateWindowExW(p.ExStyle, p.ClassName.c_str(), text.c_str(), p.Style, p.X, p.Y,
                            p.Width, p.Height, p.WndParent, id, GetModuleHandleW(nullptr), nullptr);
        if (h) {
            Attach(h);
            originalProc_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticWndProc)));
        }
    } else {
        RegisterWindowClass(p.ClassName, &StaticWndProc);
        h = CreateWindowExW(p.ExStyle, p.ClassName.c_str(), text.c_str(), p.Style, p.X, p.Y,
                            p.Width, p.Height, p.WndParent, id, GetModuleHandleW(nullptr), this);
    }
    if (!h) throw EInvalidOperation("Error creating window of '" + Name() + "'");
    // A window made later shows focus cues as its parent does.
    if (p.Style & WS_CHILD) uiState_ = static_cast<WORD>(SendMessageW(p.WndParent, WM_QUERYUISTATE, 0, 0));
    if (p.SystemClass) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
    for (TControl* c : controls_)
        if (c->IsWindowed()) static_cast<TWinControl*>(c)->CreateHandle();
    HandleCreated();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    DestroyWindow(handle_);  // WM_NCDESTROY detaches this and every child window
    handle_ = nullptr;
}

void TWinControl::Attach(HWND h) {
    handle_ = h;
    SetPropW(h, kControlProp, this);
}

void TWinControl::Detach() {
    if (!handle_) return;
    RemovePropW(handle_, kControlProp);
    if (originalProc_)
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
    originalProc_ = nullptr;
    handle_ = nullptr;
    captureControl_ = nullptr;
    trackingLeave_ = false;
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* c = FromHandle(h);
    if (!c && msg == WM_NCCREATE) {
        c = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (c) c->Attach(h);
    }
    if (!c) return DefWindowProcW(h, msg, wParam, lParam);
    LRESULT r = 0;
    try {
        r = c->WndProc(msg, wParam, lParam);
    } catch (...) {
        Application().HandleException();
        r = 0;
    }
    if (msg == WM_NCDESTROY) c->Detach();
    return r;
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!handle_) return 0;
    if (originalProc_) return CallWindowProcW(originalProc_, handle_, msg, wParam, lParam);
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    return WndProc(msg, wParam, lParam);
}

LRESULT TWinControl::ReflectedMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            if (originalProc_) break;
            PaintHandler();
            return 0;
        case WM_ERASEBKGND:
            if (originalProc_) break;
            return 1;  // the paint composes the background itself
        case kUpdateNowMessage:
            UpdateWindow(handle_);
            return 0;
        case WM_PRINTCLIENT:
            if (originalProc_) break;
            PaintDC(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_WINDOWPOSCHANGED:
            // Bounds first, so that WM_SIZE (sent by the default handling)
            // already sees the new size.
            SyncBoundsFromWindow();
            break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return MouseMessage(msg, wParam, lParam);
        case WM_MOUSELEAVE: {
            trackingLeave_ = false;
            TControl* old = hoverControl_;
            hoverControl_ = nullptr;
            if (old) old->DispatchMouseLeave();
            DispatchMouseLeave();
            break;
        }
        case WM_CAPTURECHANGED:
            if (captureControl_) {
                captureControl_->CancelClick();
                captureControl_ = nullptr;
            }
            break;
        case WM_SETFOCUS:
            if (TForm* f = ParentForm(); f && f != this) f->activeControl_ = this;
            if (focusedGraphic_) focusedGraphic_->FocusChanged();
            DoEnter();
            break;
        case WM_KILLFOCUS:
            if (focusedGraphic_) focusedGraphic_->FocusChanged();
            DoExit();
            break;
        case WM_QUERYUISTATE:
            return uiState_;
        case WM_CHANGEUISTATE:
            return ChangeUIState(wParam);
        case WM_UPDATEUISTATE:
            return UpdateUIState(msg, wParam, lParam);
        case WM_CLOSE:
            // Only a form closes. A native child that believes it is in a
            // dialog (a multi-line edit on Escape) posts WM_CLOSE to its
            // parent, whose default handling would destroy the window.
            return 0;
        case WM_GETDLGCODE:
            if (focusedGraphic_ && lParam) {
                const MSG* m = reinterpret_cast<const MSG*>(lParam);
                if (m->message == WM_KEYDOWN && focusedGraphic_->WantsDialogKey(static_cast<uint16_t>(m->wParam)))
                    return DefaultHandler(msg, wParam, lParam) | DLGC_WANTMESSAGE;
            }
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            uint16_t key = static_cast<uint16_t>(wParam);
            const bool down = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
            // The focused graphic child first.
            if (focusedGraphic_) {
                if (down)
                    focusedGraphic_->KeyDown(key, KeyboardShift());
                else
                    focusedGraphic_->KeyUp(key, KeyboardShift());
                if (key == 0) return 0;
            }
            if (down)
                KeyDown(key, KeyboardShift());
            else
                KeyUp(key, KeyboardShift());
            if (key == 0) return 0;
            return DefaultHandler(msg, key, lParam);
        }
        case WM_CHAR: {
            char32_t ch = static_cast<char32_t>(wParam);
            if (focusedGraphic_) focusedGraphic_->KeyPress(ch);
            if (ch != 0) KeyPress(ch);
            if (ch == 0) return 0;
            return DefaultHandler(msg, ch, lParam);
        }
        case WM_COMMAND:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM: {
            HWND from = reinterpret_cast<HWND>(lParam);
            if (msg == WM_NOTIFY) from = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
            // Owner-drawn controls (menus, with identifier 0, are not).
            if (msg == WM_DRAWITEM) from = wParam ? reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
            if (msg == WM_MEASUREITEM) from = wParam ? GetDlgItem(handle_, static_cast<int>(wParam)) : nullptr;
            TWinControl* child = FromHandle(from);
            if (child && child != this) {
                bool handled = false;
                LRESULT r = child->ReflectedMessage(msg, wParam, lParam, handled);
                if (handled) return r;
            }
            break;
        }
        default:
            break;
    }
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::MouseMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    TShiftState shift = ShiftFromKeys(wParam);
    if (msg == WM_MOUSEMOVE) {
        // Ask again at every move: the platform forgets the request when the
        // cursor is elsewhere at the time of asking.
        TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, handle_, 0};
        trackingLeave_ = TrackMouseEvent(&t) != 0;
        DispatchMouseEnter();
        TControl* under = ControlAtPos(TPoint{x, y}, true);
        if (under != hoverControl_) {
            TControl* old = hoverControl_;
            hoverControl_ = under;
            if (old) old->DispatchMouseLeave();
            if (under) under->DispatchMouseEnter();
        }
    }
    TControl* target = captureControl_;
    if (!target) target = ControlAtPos(TPoint{x, y}, false);
    if (!target) target = this;
    int tx = x, ty = y;
    if (target != this) {
        tx -= target->Left();
        ty -= target->Top();
    }
    switch (msg) {
        case WM_MOUSEMOVE: target->DispatchMouseMove(shift, tx, ty); break;
        case WM_LBUTTONDOWN: target->DispatchMouseDown(TMouseButton::mbLeft, shift, tx, ty, false); break;
        case WM_LBUTTONDBLCLK: target->DispatchMouseDown(TMouseButton::mbLeft, shift, tx, ty, true); break;
        case WM_LBUTTONUP: target->DispatchMouseUp(TMouseButton::mbLeft, shift, tx, ty); break;
        case WM_RBUTTONDOWN: target->DispatchMouseDown(TMouseButton::mbRight, shift, tx, ty, false); break;
        case WM_RBUTTONDBLCLK: target->DispatchMouseDown(TMouseButton::mbRight, shift, tx, ty, true); break;
        case WM_RBUTTONUP: target->DispatchMouseUp(TMouseButton::mbRight, shift, tx, ty); break;
        case WM_MBUTTONDOWN: target->DispatchMouseDown(TMouseButton::mbMiddle, shift, tx, ty, false); break;
        case WM_MBUTTONDBLCLK: target->DispatchMouseDown(TMouseButton::mbMiddle, shift, tx, ty, true); break;
        case WM_MBUTTONUP: target->DispatchMouseUp(TMouseButton::mbMiddle, shift, tx, ty); break;
    }
    if (target == this && handle_) return DefaultHandler(msg, wParam, lParam);
    return 0;
}

// --- Children ---

bool TWinControl::ContainsControl(const TControl* c) const {
    for (; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->IsWindowed() && !allowWinControls) continue;
        if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
        if (c->BoundsRect().Contains(p.X, p.Y)) return c;
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* c) {
    controls_.push_back(c);
    c->parent_ = this;
    tabList_.push_back(c);
    if (c->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(c);
        if (w->HandleAllocated()) {
            if (HandleAllocated()) {
                ::SetParent(w->handle_, handle_);
                SetWindowPos(w->handle_, HWND_TOP, w->Left(), w->Top(), w->Width(), w->Height(),
                             SWP_NOACTIVATE);
            } else {
                w->DestroyHandle();
            }
        } else if (HandleAllocated()) {
            w->CreateHandle();
        }
    } else if (c->Visible()) {
        InvalidateArea(c->BoundsRect());
    }
    if (c->Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* c) {
    auto it = std::find(controls_.begin(), controls_.end(), c);
    if (it == controls_.end()) return;
    if (hoverControl_ == c) hoverControl_ = nullptr;
    if (focusedGraphic_ == c) focusedGraphic_ = nullptr;
    c->mouseInControl_ = false;
    if (captureControl_ == c) {
        captureControl_ = nullptr;
        if (handle_ && GetCapture() == handle_) ReleaseCapture();
    }
    if (TForm* f = ParentForm()) f->ControlRemoved(c);
    controls_.erase(it);
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), c), tabList_.end());
    if (!c->IsWindowed() && c->Visible() && !Destroying()) InvalidateArea(c->BoundsRect());
    c->parent_ = nullptr;
    if (c->Align() != TAlign::alNone && !Destroying()) Realign();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    if (!parent && HandleAllocated() && Parent()) DestroyHandle();
    TControl::SetParent(parent);
}

void TWinControl::EnableAlign() {
    if (alignLock_ > 0) --alignLock_;
    if (alignLock_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() {
    if (alignLock_ > 0 || aligning_) {
        alignPending_ = true;
        return;
    }
    aligning_ = true;
    alignPending_ = false;
    TRect r = AlignRect();
    const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                            TAlign::alClient};
    for (TAlign a : order) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Visible() && c->Align() == a) list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [a](TControl* p, TControl* q) {
            switch (a) {
                case TAlign::alTop: return p->Top() < q->Top();
                case TAlign::alBottom: return p->Top() + p->Height() > q->Top() + q->Height();
                case TAlign::alLeft: return p->Left() < q->Left();
                case TAlign::alRight: return p->Left() + p->Width() > q->Left() + q->Width();
                default: return false;
            }
        });
        for (TControl* c : list) {
            switch (a) {
                case TAlign::alTop:
                    c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                    r.Top += c->Height();
                    break;
                case TAlign::alBottom:
                    c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
                    r.Bottom -= c->Height();
                    break;
                case TAlign::alLeft:
                    c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
                    r.Left += c->Width();
                    break;
                case TAlign::alRight:
                    c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
                    r.Right -= c->Width();
                    break;
                case TAlign::alClient:
                    c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                    break;
                default:
                    break;
            }
        }
    }
    aligning_ = false;
}

void TWinControl::AdjustAnchors(int dw, int dh) {
    if (dw == 0 && dh == 0) return;
    for (TControl* c : controls_) {
        if (c->Align() != TAlign::alNone) continue;
        TAnchors a = c->Anchors();
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a & akRight) {
            if (a & akLeft)
                w += dw;
            else
                l += dw;
        }
        if (a & akBottom) {
            if (a & akTop)
                h += dh;
            else
                t += dh;
        }
        c->SetBounds(l, t, w, h);
    }
}

void TWinControl::Resize() {
    int cw = ClientWidth(), ch = ClientHeight();
    if (lastClientW_ >= 0) AdjustAnchors(cw - lastClientW_, ch - lastClientH_);
    lastClientW_ = cw;
    lastClientH_ = ch;
    Realign();
    TControl::Resize();
}

int TWinControl::ClientWidth() const {
    if (!handle_) return Width();
    RECT rc{};
    GetClientRect(handle_, &rc);
    return rc.right;
}

int TWinControl::ClientHeight() const {
    if (!handle_) return Height();
    RECT rc{};
    GetClientRect(handle_, &rc);
    return rc.bottom;
}

void TWinControl::SetClientSize(int width, int height) {
    SetBounds(Left(), Top(), Width() - ClientWidth() + width, Height() - ClientHeight() + height);
}

void TWinControl::ApplyBounds(int left, int top, int width, int height) {
    if (handle_) {
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        // WM_WINDOWPOSCHANGED stored the bounds; a window the system keeps
        // elsewhere (minimised) still gets the asked bounds stored.
        if (IsIconic(handle_)) StoreBounds(left, top, width, height);
    } else {
        StoreBounds(left, top, width, height);
    }
}

void TWinControl::SyncBoundsFromWindow() {
    if (!handle_ || IsIconic(handle_)) return;
    RECT rc{};
    GetWindowRect(handle_, &rc);
    HWND parent = (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) ? GetParent(handle_) : nullptr;
    if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rc), 2);
    StoreBounds(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

bool TWinControl::DialogChar(char32_t ch) {
    std::vector<TControl*> list = controls_;
    for (TControl* c : list)
        if (c->Visible() && c->DialogChar(ch)) return true;
    return false;
}

// --- Focus ---

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() { FocusGraphic(nullptr); }

void TWinControl::FocusGraphic(TControl* child) {
    TControl* old = focusedGraphic_;
    focusedGraphic_ = child;
    if (TForm* f = ParentForm(); f && f != this) f->activeControl_ = this;
    const bool hadFocus = Focused();
    ::SetFocus(Handle());
    // Within a window that keeps the focus no focus message comes: the two
    // children repaint here.
    if (hadFocus && old != child) {
        if (old) old->FocusChanged();
        if (child) child->FocusChanged();
    } else if (!hadFocus && old && old != child) {
        old->FocusChanged();
    }
}

// --- UI state (focus cues) ---
// The window manager's protocol, kept by every window of ours: a change is
// asked for at any window and goes up to the top-level window, which tells
// all its windows (WM_UPDATEUISTATE down the tree); each answers
// WM_QUERYUISTATE with its flags.

namespace {
WORD AppliedUIState(WORD state, WPARAM wParam) {
    const WORD action = LOWORD(wParam), flags = HIWORD(wParam) & (UISF_HIDEFOCUS | UISF_HIDEACCEL);
    if (action == UIS_SET) return static_cast<WORD>(state | flags);
    if (action == UIS_CLEAR) return static_cast<WORD>(state & ~flags);
    return state;
}
}  // namespace

LRESULT TWinControl::ChangeUIState(WPARAM wParam) {
    const HWND parent = (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) ? GetParent(handle_) : nullptr;
    if (parent) return SendMessageW(parent, WM_CHANGEUISTATE, wParam, 0);
    if (AppliedUIState(uiState_, wParam) != uiState_) SendMessageW(handle_, WM_UPDATEUISTATE, wParam, 0);
    return 0;
}

LRESULT TWinControl::UpdateUIState(UINT msg, WPARAM wParam, LPARAM lParam) {
    const WORD old = uiState_;
    uiState_ = AppliedUIState(uiState_, wParam);
    LRESULT r = 0;
    if (originalProc_) {
        r = DefaultHandler(msg, wParam, lParam);  // a system control tells its own parts
    } else {
        for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            SendMessageW(child, msg, wParam, lParam);
    }
    if (uiState_ != old) {
        // Focus cues shown or hidden: the focused control draws them anew.
        if (focusedGraphic_) focusedGraphic_->FocusChanged();
        if (Focused()) FocusChanged();
    }
    return r;
}

void TWinControl::GraphicCannotFocus(TControl* child) {
    if (child == focusedGraphic_) {
        focusedGraphic_ = nullptr;
        child->FocusChanged();
    }
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

// --- State ---

void TWinControl::SetVisible(bool v) {
    if (v == Visible()) return;
    TControl::SetVisible(v);
    if (handle_) ShowWindow(handle_, v ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::SetEnabled(bool v) {
    if (v == Enabled()) return;
    TControl::SetEnabled(v);
    if (handle_) EnableWindow(handle_, v ? TRUE : FALSE);
}

void TWinControl::SetCaption(const std::string& s) {
    text_ = Caption();
    TControl::SetCaption(s);
}

std::string TWinControl::Caption() const {
    if (!handle_) return text_;
    int n = GetWindowTextLengthW(handle_);
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(handle_, &w[0], n + 1);
    w.resize(n > 0 ? n : 0);
    return Utf16ToUtf8(std::u16string(w.begin(), w.end()));
}

void TWinControl::TextChanged() {
    if (handle_) SetWindowTextW(handle_, Wide(text_).c_str());
    Invalidate();
}

void TWinControl::FontChanged() {
    if (handle_ && originalProc_)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    TControl::FontChanged();
}

// --- Painting ---

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::InvalidateArea(const TRect& r) {
    if (!handle_) return;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    InvalidateRect(handle_, &rc, FALSE);
}

void TWinControl::RedrawArea(const TRect& r) {
    HWND h = handle_;
    if (!h || r.IsEmpty()) return;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    InvalidateRect(h, &rc, FALSE);
    if (GetWindowThreadProcessId(h, nullptr) == GetCurrentThreadId())
        UpdateWindow(h);
    else
        SendMessageW(h, kUpdateNowMessage, 0, 0);
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

void TWinControl::PaintBackground(TCanvas& canvas, const TRect& r) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
}

void TWinControl::PaintControls(TCanvas& canvas, const TRect& clip) {
    HDC dc = canvas.Handle();
    // Copy: a paint routine may not change the list, but be safe.
    std::vector<TControl*> list = controls_;
    for (TControl* c : list) {
        if (c->IsWindowed() || !c->Visible()) continue;
        TRect b = c->BoundsRect();
        if (IntersectRects(b, clip).IsEmpty()) continue;
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, b.Left, b.Top, nullptr);
        IntersectClipRect(dc, 0, 0, b.Width(), b.Height());
        c->canvas_.SetHandle(dc);
        try {
            c->Paint();
        } catch (...) {
            c->canvas_.SetHandle(nullptr);
            RestoreDC(dc, saved);
            throw;
        }
        c->canvas_.SetHandle(nullptr);
        RestoreDC(dc, saved);
    }
}

void TWinControl::PaintDC(HDC dc) {
    RECT cb{};
    if (GetClipBox(dc, &cb) == NULLREGION) return;
    TRect clip{cb.left, cb.top, cb.right, cb.bottom};
    int saved = SaveDC(dc);
    canvas_.SetHandle(dc);
    try {
        if (!(ControlStyle() & csOpaque)) PaintBackground(canvas_, clip);
        Paint();
    } catch (...) {
        canvas_.SetHandle(nullptr);
        RestoreDC(dc, saved);
        throw;
    }
    canvas_.SetHandle(nullptr);
    RestoreDC(dc, saved);
    TCanvas controls;
    controls.SetHandle(dc);
    PaintControls(controls, clip);
    controls.SetHandle(nullptr);
}

void TWinControl::PaintContent(TCanvas& canvas) { PaintDC(canvas.Handle()); }

void TWinControl::PaintHandler() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    TRect upd{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom};
    struct EndPaintGuard {
        HWND h;
        PAINTSTRUCT* ps;
        ~EndPaintGuard() { EndPaint(h, ps); }
    } guard{handle_, &ps};
    if (upd.IsEmpty()) return;
    if (!doubleBuffered_) {
        PaintDC(dc);
        return;
    }
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, upd.Width(), upd.Height());
    HGDIOBJ old = SelectObject(mem, bmp);
    SetViewportOrgEx(mem, -upd.Left, -upd.Top, nullptr);
    IntersectClipRect(mem, upd.Left, upd.Top, upd.Right, upd.Bottom);
    try {
        PaintDC(mem);
    } catch (...) {
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
        throw;
    }
    BitBlt(dc, upd.Left, upd.Top, upd.Width(), upd.Height(), mem, upd.Left, upd.Top, SRCCOPY);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
}

void TWinControl::PaintTo(TCanvas& canvas, int x, int y) {
    HDC dc = canvas.Handle();
    if (!dc) return;
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, Width(), Height());
    // Where the client area, and so the windowed children, start.
    int cx = 0, cy = 0;
    if (originalProc_ && handle_) {
        // Clipping a system control leaves in the DC would hide its children.
        const int printed = SaveDC(dc);
        SendMessageW(handle_, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                     PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
        RestoreDC(dc, printed);
        // A system control prints its frame too: children sit inside it.
        POINT origin{0, 0};
        RECT wr{};
        ::ClientToScreen(handle_, &origin);
        GetWindowRect(handle_, &wr);
        cx = origin.x - wr.left;
        cy = origin.y - wr.top;
        IntersectClipRect(dc, cx, cy, cx + ClientWidth(), cy + ClientHeight());
    } else {
        PaintDC(dc);
    }
    for (TControl* c : controls_)
        if (c->IsWindowed() && c->Visible())
            static_cast<TWinControl*>(c)->PaintTo(canvas, cx + c->Left(), cy + c->Top());
    RestoreDC(dc, saved);
}

}  // namespace vd
