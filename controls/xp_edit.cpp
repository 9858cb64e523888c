#include "controls/xp_edit.h"

#include "controls/box_rect.h"
#include "core/text.h"
#include "toolkit/form.h"

namespace vd {
namespace {

LPCWSTR CursorResource(TCursor c) {
    switch (c) {
        case crIBeam: return IDC_IBEAM;
        case crCross: return IDC_CROSS;
        case crHandPoint: return IDC_HAND;
        default: return IDC_ARROW;
    }
}

TTextAlign AlignOf(TAlignment a) {
    switch (a) {
        case TAlignment::taRightJustify: return TTextAlign::Right;
        case TAlignment::taCenter: return TTextAlign::Center;
        default: return TTextAlign::Left;
    }
}

std::u16string ClipboardText(HWND owner) {
    std::u16string text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const char16_t*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace

// --- TCustomXPEdit ---

TCustomXPEdit::TCustomXPEdit(TComponent* owner) : TEdit(owner) {
    SetBounds(0, 0, 121, 19);
    color_ = colorFlat_;
}

void TCustomXPEdit::CreateParams(TCreateParams& p) {
    TEdit::CreateParams(p);
    p.ExStyle &= ~WS_EX_CLIENTEDGE;  // the frame is ours
}

void TCustomXPEdit::HandleCreated() {
    TEdit::HandleCreated();
    // The window was sized before it was ours: have the frame measured again.
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (!loaded_) Loaded();
}

void TCustomXPEdit::Loaded() {
    loaded_ = true;
    AdjustHeight();
}

void TCustomXPEdit::AdjustHeight() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    SetHeight(tm.tmHeight + 2 * kEditFrameWidth);
}

void TCustomXPEdit::FontChanged() {
    TEdit::FontChanged();
    AdjustHeight();
}

void TCustomXPEdit::SetColorFocused(TColor c) {
    colorFocused_ = c;
    RedrawFrame();
}

void TCustomXPEdit::SetColorBorder(TColor c) {
    colorBorder_ = c;
    RedrawFrame();
}

void TCustomXPEdit::SetColorFlat(TColor c) {
    colorFlat_ = c;
    parentColorFlat_ = false;
    RedrawFrame();
}

void TCustomXPEdit::SetParentColor(bool v) {
    if (v == parentColorFlat_) return;
    parentColorFlat_ = v;
    if (v && Parent()) {
        colorFlat_ = Parent()->Color();
        RedrawFrame();
    }
}

void TCustomXPEdit::SetUseAdvColors(bool v) {
    if (v == useAdvColors_) return;
    useAdvColors_ = v;
    SetParentColor(v);
    CalcAdvColors();
    RedrawFrame();
}

void TCustomXPEdit::SetAdvColorFocused(TAdvColors n) {
    advColorFocused_ = n;
    if (!useAdvColors_) return;
    CalcAdvColors();
    RedrawFrame();
}

void TCustomXPEdit::SetAdvColorBorder(TAdvColors n) {
    advColorBorder_ = n;
    if (!useAdvColors_) return;
    CalcAdvColors();
    RedrawFrame();
}

void TCustomXPEdit::CalcAdvColors() {
    if (!useAdvColors_) return;
    colorFocused_ =
        ShiftColorLightness(colorFlat_, colorFocused_, advColorFocused_, TLightnessShift::Lighter, LookupSysColor);
    colorBorder_ =
        ShiftColorLightness(colorFlat_, colorBorder_, advColorBorder_, TLightnessShift::Darker, LookupSysColor);
}

void TCustomXPEdit::ParentColorChanged() {
    if (!Parent()) return;
    if (useAdvColors_) {
        colorFlat_ = Parent()->Color();
        CalcAdvColors();
    } else if (parentColorFlat_) {
        colorFlat_ = Parent()->Color();
    }
    RedrawFrame();
}

void TCustomXPEdit::SetParent(TWinControl* parent) {
    TEdit::SetParent(parent);
    if (parent) ParentColorChanged();
}

TColor TCustomXPEdit::StateColorWith(HWND focus) const {
    auto* other = dynamic_cast<TCustomXPEdit*>(TWinControl::FromHandle(focus));
    return EditStateColor(focused_, hot_, other && other != this, colorFlat_, colorFocused_);
}

void TCustomXPEdit::DrawFrame(HDC dc, TColor state) {
    RECT w{};
    GetWindowRect(Handle(), &w);
    TCanvas c;
    c.SetHandle(dc);
    c.Brush().SetColor(colorBorder_);
    c.FrameRect(TRect{0, 0, w.right - w.left, w.bottom - w.top});
    c.Brush().SetColor(state);
    for (int ring = 1; ring < kEditFrameWidth; ++ring)
        c.FrameRect(TRect{ring, ring, w.right - w.left - ring, w.bottom - w.top - ring});
    c.SetHandle(nullptr);
}

void TCustomXPEdit::RedrawFrame() { ShowState(StateColor()); }

void TCustomXPEdit::ShowState(TColor state) {
    if (Color() != state) SetColor(state);
    if (!HandleAllocated()) return;
    HDC dc = GetWindowDC(Handle());
    DrawFrame(dc, state);
    ReleaseDC(Handle(), dc);
}

void TCustomXPEdit::EnabledChanged() {
    TEdit::EnabledChanged();
    RedrawFrame();
}

void TCustomXPEdit::MouseEnter() {
    if (GetActiveWindow()) hot_ = true;
    RedrawFrame();
    TEdit::MouseEnter();
}

void TCustomXPEdit::MouseLeave() {
    hot_ = false;
    RedrawFrame();
    TEdit::MouseLeave();
}

LRESULT TCustomXPEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCCALCSIZE: {
            LRESULT r = TEdit::WndProc(msg, wParam, lParam);
            // The first rectangle is the client area in both forms.
            auto* rc = reinterpret_cast<RECT*>(lParam);
            InflateRect(rc, -kEditFrameWidth, -kEditFrameWidth);
            return r;
        }
        case WM_NCPAINT: {
            TEdit::WndProc(msg, wParam, lParam);
            RedrawFrame();
            return 0;
        }
        case WM_PRINT: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            if (lParam & PRF_NONCLIENT) DrawFrame(dc, StateColor());
            if (lParam & PRF_CLIENT) {
                const int saved = SaveDC(dc);
                OffsetViewportOrgEx(dc, kEditFrameWidth, kEditFrameWidth, nullptr);
                IntersectClipRect(dc, 0, 0, ClientWidth(), ClientHeight());
                Perform(WM_PRINTCLIENT, wParam, PRF_CLIENT);
                RestoreDC(dc, saved);
            }
            return 0;
        }
        case WM_SETFOCUS: {
            focused_ = true;
            LRESULT r = TEdit::WndProc(msg, wParam, lParam);
            RedrawFrame();
            return r;
        }
        case WM_KILLFOCUS: {
            focused_ = false;
            LRESULT r = TEdit::WndProc(msg, wParam, lParam);
            // The focus is not moved yet: judge by where it goes.
            ShowState(StateColorWith(reinterpret_cast<HWND>(wParam)));
            return r;
        }
        case WM_SYSCOLORCHANGE:
            ParentColorChanged();
            break;
        default:
            break;
    }
    return TEdit::WndProc(msg, wParam, lParam);
}

// --- TXPEdit ---

TXPEdit::TXPEdit(TComponent* owner) : TCustomXPEdit(owner), buttonWidth_(GetSystemMetrics(SM_CXVSCROLL)) {}

DWORD TXPEdit::EditStyle() const {
    // A password box stays single-line: the platform masks only those.
    DWORD s = passwordChar_ ? ES_AUTOHSCROLL | ES_PASSWORD : ES_MULTILINE | ES_AUTOHSCROLL;
    if (alignment_ == TAlignment::taRightJustify) s |= ES_RIGHT;
    if (alignment_ == TAlignment::taCenter) s |= ES_CENTER;
    return s;
}

void TXPEdit::HandleCreated() {
    TCustomXPEdit::HandleCreated();
    if (passwordChar_) SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar_, 0);
    SetFormattingRect();
}

void TXPEdit::SetLinkStyle(TLinkStyle s) {
    if (s == linkStyle_) return;
    linkStyle_ = s;
    if (!HandleAllocated()) return;
    SetFormattingRect();
    Invalidate();
}

void TXPEdit::SetButtonCursor(TCursor c) {
    if (c == buttonCursor_) return;
    buttonCursor_ = c;
    if (HandleAllocated() && OverButtonArea()) SetCursor(LoadCursorW(nullptr, CursorResource(c)));
}

void TXPEdit::SetAlignment(TAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    RecreateWnd();
}

void TXPEdit::SetPasswordChar(char16_t c) {
    if (c == passwordChar_) return;
    passwordChar_ = c;
    RecreateWnd();
}

void TXPEdit::SetTextType(TTextType t) {
    rules_.Type = t;
    defaultText_ = DefaultTextForType(t, defaultText_);
}

std::string TXPEdit::AcceptCharList() const { return Utf16ToUtf8(rules_.AcceptCharList); }

void TXPEdit::SetAcceptCharList(const std::string& chars) { rules_.AcceptCharList = Utf8ToUtf16(chars); }

TRect TXPEdit::ButtonRect() {
    if (linkStyle_ == lsNone) return TRect{};
    return ToRect(EditButtonRect(ClientWidth(), ClientHeight(), buttonWidth_));
}

bool TXPEdit::OverButtonArea() {
    if (linkStyle_ == lsNone) return false;
    POINT p{};
    GetCursorPos(&p);
    ::ScreenToClient(Handle(), &p);
    return EditButtonCursorArea(ClientWidth(), ClientHeight(), buttonWidth_).Contains(p.x, p.y);
}

void TXPEdit::SetFormattingRect() {
    if (!HandleAllocated()) return;
    const int button = linkStyle_ == lsNone ? 0 : buttonWidth_;
    if (passwordChar_) {
        SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, button + 2));
    } else {
        TBox b = EditFormattingRect(ClientWidth(), ClientHeight(), button);
        RECT r{b.Left, b.Top, b.Right, b.Bottom};
        SendMessageW(Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&r));
    }
}

void TXPEdit::PaintButton(TCanvas& c) {
    TRect b = ButtonRect();
    RECT r{b.Left, b.Top, b.Right, b.Bottom};
    DrawEdge(c.Handle(), &r, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE | (pressed_ ? BF_FLAT : 0));
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(clBlack);
    const TBox box = ToBox(b);
    if (linkStyle_ == lsEllipsis)
        for (const TBox& dot : EllipsisDots(box, ClientHeight(), pressed_)) c.FillRect(ToRect(dot));
    else
        for (const TBox& row : DropDownTriangleRows(box)) c.FillRect(ToRect(row));
}

void TXPEdit::PaintText(TCanvas& c, const TRect& client) {
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(client);
    std::string text = Text();
    if (passwordChar_) {
        std::u16string units = Utf8ToUtf16(text), masked;
        for (char16_t u : units)
            if (u < 0xDC00 || u > 0xDFFF) masked += passwordChar_;  // one per character
        text = Utf16ToUtf8(masked);
    }
    RECT format{};
    SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const TRect button = ButtonRect();
    const int area = button.IsEmpty() ? client.Width() : button.Left;
    c.Font().Assign(Font());
    if (!Enabled()) c.Font().SetColor(clGrayText);
    const int x = EditTextLeft(AlignOf(alignment_), area, c.TextWidth(text), format.left);
    // The text stops short of the button.
    c.TextRect(TRect{0, 0, area, client.Height()}, x, format.top, text);
}

void TXPEdit::PaintClient(HDC dc) {
    const TRect client{0, 0, ClientWidth(), ClientHeight()};
    TCanvas c;
    c.SetHandle(dc);
    if (!HasFocus()) {
        // Not being typed in: the box paints itself (aligned, masked).
        PaintText(c, client);
        if (linkStyle_ != lsNone) PaintButton(c);
        c.SetHandle(nullptr);
        return;
    }
    const int saved = SaveDC(dc);
    if (linkStyle_ != lsNone) {
        PaintButton(c);
        TRect b = ButtonRect();
        c.SetHandle(nullptr);
        ExcludeClipRect(dc, b.Left, b.Top, b.Right, b.Bottom);
    } else {
        c.SetHandle(nullptr);
    }
    DefaultHandler(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
}

void TXPEdit::SetPressed(bool v) {
    if (v == pressed_) return;
    pressed_ = v;
    TRect b = ButtonRect();
    RECT r{b.Left, b.Top, b.Right, b.Bottom};
    InvalidateRect(Handle(), &r, FALSE);
}

void TXPEdit::StopTracking() {
    tracking_ = false;
    SetPressed(false);
    if (GetCapture() == Handle()) ReleaseCapture();
}

void TXPEdit::ButtonClick() {
    if (OnButtonClick) OnButtonClick(this);
}

void TXPEdit::PasteFiltered() {
    if (ReadOnly()) return;
    // The clipboard keeps what the user copied; only the insertion is filtered.
    std::u16string text = FilterPastedText(rules_.Type, ClipboardText(Handle()), SelStart() == 0);
    SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT TXPEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
        case WM_PAINT: {
            if (wParam) {
                PaintClient(reinterpret_cast<HDC>(wParam));
                return 0;
            }
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            PaintClient(dc);
            EndPaint(Handle(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintClient(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_SIZE: {
            LRESULT r = TCustomXPEdit::WndProc(msg, wParam, lParam);
            SetFormattingRect();
            return r;
        }
        case WM_GETDLGCODE:
            // A single-line box: Tab moves on, Enter is ours (KeyPress).
            return TCustomXPEdit::WndProc(msg, wParam, lParam) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (ButtonRect().Contains(at.x, at.y)) {
                if (!HasFocus()) SetFocus();
                tracking_ = true;
                SetCapture(Handle());
                SetPressed(true);
                return 0;
            }
            if (PressClearsText(rules_.Type, Text(), defaultText_) && !Text().empty()) SetText("");
            break;
        case WM_MOUSEMOVE:
            if (tracking_) SetPressed(ButtonRect().Contains(at.x, at.y));
            break;
        case WM_LBUTTONUP:
            if (tracking_) {
                const bool click = pressed_;
                StopTracking();
                if (click) ButtonClick();
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            if (tracking_ && reinterpret_cast<HWND>(lParam) != Handle()) StopTracking();
            break;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && OverButtonArea()) {
                SetCursor(LoadCursorW(nullptr, CursorResource(buttonCursor_)));
                return TRUE;
            }
            break;
        case WM_PASTE:
            if (rules_.Type != NormalText) {
                PasteFiltered();
                return 0;
            }
            break;
        default:
            break;
    }
    return TCustomXPEdit::WndProc(msg, wParam, lParam);
}

void TXPEdit::DoEnter() {
    if (autoSelect_) SelectAll();
    SetFormattingRect();
    Invalidate();  // the native painting takes over from ours
    TCustomXPEdit::DoEnter();
}

void TXPEdit::DoExit() {
    const std::string text = Text();
    const std::string kept = TextOnExit(rules_.Type, text, defaultText_);
    if (kept != text) SetText(kept);
    Invalidate();
    TCustomXPEdit::DoExit();
}

void TXPEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomXPEdit::KeyDown(key, shift);
    // A multi-line edit that believes it is in a dialog closes its parent on
    // Escape; a one-line box has no use for the key.
    if (key == VK_ESCAPE && !passwordChar_) key = 0;
    if (key == VK_RETURN && (shift & ssCtrl)) {
        swallowLineBreak_ = true;
        key = 0;
        ButtonClick();
    }
}

void TXPEdit::KeyPress(char32_t& key) {
    const bool swallow = swallowLineBreak_;
    swallowLineBreak_ = false;
    if (key == U'\r' || key == U'\n') {
        // The box stays one line: Enter moves on or beeps, Ctrl+Enter was the
        // button's.
        if (key == U'\r' && !swallow) {
            if (enterAsTab_) {
                if (TForm* f = ParentForm()) f->SelectNext(this, true);
            } else {
                MessageBeep(0);
            }
        }
        key = 0;
        return;
    }
    if (key == U'\t' || key == 27 || key > 0xFFFF ||
        !AcceptTypedChar(rules_, static_cast<char16_t>(key), Utf8ToUtf16(Text()), SelStart())) {
        key = 0;
        return;
    }
    TCustomXPEdit::KeyPress(key);
}

}  // namespace vd
