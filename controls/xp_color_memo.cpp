#include "controls/xp_color_memo.h"

#include <windowsx.h>

#include "controls/model/memo_scroll_model.h"

namespace vd {

TXPCustomMemo::TXPCustomMemo(TComponent* owner)
    : TMemo(owner), bar_(new TXPScrollBar(this)), vertScrollBar_(bar_) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    color_ = 16643310;
    bar_->SetParent(this);
    bar_->OnPaint = [this](TObject* sender, bool& cont, TXPScrollbarArea area) { BarPaint(sender, cont, area); };
    bar_->OnScroll = [this](TObject*, TScrollCode code, int& pos) {
        if (code != scPosition || !HandleAllocated()) return;
        ScrollToLine(pos);
        // The view moved away from where the caret last put it: the next
        // caret report is measured against the new view.
        lastShownLine_ = -1;
    };
    selectionTimer_ = new TTimer(this);
    selectionTimer_->SetEnabled(false);
    selectionTimer_->SetInterval(50);
    selectionTimer_->SetOnTimer([this](TObject*) { PostCaretLine(); });
}

TXPCustomMemo::~TXPCustomMemo() {
    MarkDestroying();
    selectionTimer_->SetEnabled(false);
    bar_->OnPaint = nullptr;
    bar_->OnScroll = nullptr;
}

void TXPCustomMemo::SetBorderColor(TColor c) {
    if (c == borderColor_) return;
    borderColor_ = c;
    PaintFrame();
}

// --- Window ---

void TXPCustomMemo::CreateParams(TCreateParams& p) {
    TMemo::CreateParams(p);
    // A single border and no 3-D edge: the edit then keeps no frame outside
    // its client area and draws a one-pixel border inside it, which our
    // frame covers. The bar is a child we clip.
    p.ExStyle &= ~WS_EX_CLIENTEDGE;
    p.Style |= WS_BORDER | WS_CLIPCHILDREN;
}

DWORD TXPCustomMemo::EditStyle() const { return TMemo::EditStyle() & ~(WS_VSCROLL | WS_HSCROLL); }

void TXPCustomMemo::HandleCreated() {
    TMemo::HandleCreated();
    bar_->SetKind(sbVertical);
    bar_->SetAnchors(akTop | akRight | akBottom);
    bar_->SetBounds(Width() - kBarWidth, 0, kBarWidth, Height());
    SetTextRect();
    UpdateScrollRange();
}

void TXPCustomMemo::SetTextRect() {
    if (HandleAllocated()) SetFormattingRect(TRect{3, 0, ClientWidth() - kBarWidth, ClientHeight() + 1}, false);
}

void TXPCustomMemo::Loaded() {
    bar_->SetButtonWidth(18);
    if (!HandleAllocated()) {
        if (!ParentForm()) return;  // the window creation does the rest
        HandleNeeded();
    }
    UpdateScrollRange();
    BringLineIntoView(0);
    SetSel(0, 0);
}

// --- Range and caret line ---

int TXPCustomMemo::LineHeight() {
    HDC dc = GetDC(Handle());
    frameCanvas_.SetHandle(dc);
    frameCanvas_.Font().Assign(Font());
    const int h = frameCanvas_.TextHeight("Xy");
    frameCanvas_.SetHandle(nullptr);
    ReleaseDC(Handle(), dc);
    return h;
}

int TXPCustomMemo::TextLineCount() {
    const int n = LineCount();
    const std::string text = Text();
    return MemoLineCount(n, LineLength(n - 1), !text.empty() && text.back() == '\n');
}

void TXPCustomMemo::UpdateScrollRange() {
    if (!HandleAllocated()) return;
    TMemoScrollRange r = MemoScrollRange(ClientHeight(), LineHeight(), TextLineCount());
    visible_ = r.Visible;
    if (r.Enabled) {
        bar_->SetMax(r.Max);
        bar_->SetEnabled(true);
    } else {
        bar_->SetEnabled(false);  // its position returns to 0 first
    }
}

int TXPCustomMemo::CaretLine() {
    const int start = SelStart(), end = start + SelLength();
    int caretChar = start;
    if (end != start) {
        caretChar = end;  // without the focus there is no caret: the end is where it stays
        POINT p{};
        if (TMemo::Focused() && GetCaretPos(&p)) {
            LRESULT r = SendMessageW(Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(p.x, p.y));
            caretChar = CaretCharOfSelection(start, end, LOWORD(r));
        }
    }
    return LineFromChar(caretChar);
}

void TXPCustomMemo::BringLineIntoView(int line) {
    int last = lastShownLine_;
    int pos = BarPositionForCaretLine(line, TextLineCount(), bar_->Position(), bar_->Max(), last);
    bar_->SetPosition(pos);
    lastShownLine_ = last;
}

void TXPCustomMemo::PostCaretLine() {
    if (HandleAllocated()) PostMessageW(Handle(), kCaretLineMessage, 0, 0);
}

void TXPCustomMemo::Change() {
    TMemo::Change();
    UpdateScrollRange();
}

void TXPCustomMemo::FontChanged() {
    TMemo::FontChanged();  // the new font resets the formatting rectangle
    SetTextRect();
    UpdateScrollRange();
    PaintFrame();
}

// --- Keys ---

void TXPCustomMemo::KeyDown(uint16_t& key, TShiftState shift) {
    TMemo::KeyDown(key, shift);
    if (key == VK_PRIOR || key == VK_NEXT) {
        // A page is as many arrow presses as lines show (lines - Max while
        // the bar is enabled).
        const UINT vk = key == VK_PRIOR ? VK_UP : VK_DOWN;
        const LPARAM lp = 1 | (static_cast<LPARAM>(MapVirtualKeyW(vk, 0)) << 16) | (1 << 24);
        for (int i = 0; i < visible_; ++i) PostMessageW(Handle(), WM_KEYDOWN, vk, lp);
        key = 0;
        return;
    }
    PostCaretLine();
}

void TXPCustomMemo::KeyPress(char32_t& key) {
    TMemo::KeyPress(key);
    PostCaretLine();
}

// --- Frame ---

bool TXPCustomMemo::Focused() const { return TMemo::Focused() || bar_->Focused(); }

void TXPCustomMemo::DrawFrame(HDC dc) {
    frameCanvas_.SetHandle(dc);
    frameCanvas_.Brush().SetStyle(TBrushStyle::bsSolid);
    frameCanvas_.Brush().SetColor(borderColor_);
    frameCanvas_.FrameRect(ClientRect());
    // The keyboard's focus, inside the frame along the text.
    if (Focused() && FocusCuesShown())
        frameCanvas_.DottedFrame(TRect{1, 1, ClientWidth() - kBarWidth, ClientHeight() - 1}, borderColor_);
    frameCanvas_.SetHandle(nullptr);
}

bool TXPCustomMemo::FrameWanted() {
    bool cont = true;
    if (OnPaint) OnPaint(this, cont);
    return cont;
}

void TXPCustomMemo::PaintFrame() {
    if (!HandleAllocated() || Destroying() || !FrameWanted()) return;
    HDC dc = GetDC(Handle());
    DrawFrame(dc);
    ReleaseDC(Handle(), dc);
    bar_->Repaint();
}

void TXPCustomMemo::BarPaint(TObject* sender, bool& cont, TXPScrollbarArea area) {
    if (OnPaintScrollBar) OnPaintScrollBar(sender, cont, area);
    if (!cont || bar_->Enabled()) return;
    // A disabled bar merges into the frame: the part, then the bar's top,
    // right and bottom edges in the memo's border colour.
    TCanvas& c = bar_->Canvas();
    bar_->PaintArea(c, area);
    cont = false;
    const int w = bar_->Width(), h = bar_->Height();
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(borderColor_);
    c.FillRect(TRect{0, 0, w, 1});
    c.FillRect(TRect{w - 1, 0, w, h});
    c.FillRect(TRect{0, h - 1, w, h});
}

void TXPCustomMemo::DoEnter() {
    TMemo::DoEnter();
    PaintFrame();
}

void TXPCustomMemo::DoExit() {
    TMemo::DoExit();
    if (FocusCuesShown()) Invalidate();  // the focus line goes with the text's next paint
    PaintFrame();
}

void TXPCustomMemo::MouseEnter() {
    TMemo::MouseEnter();
    if (mouseInside_) return;
    mouseInside_ = true;
    PaintFrame();
}

void TXPCustomMemo::MouseLeave() {
    TMemo::MouseLeave();
    // Moving onto the bar leaves our client area but not the memo.
    POINT p{};
    RECT wr{};
    GetCursorPos(&p);
    GetWindowRect(Handle(), &wr);
    if (PtInRect(&wr, p)) return;
    mouseInside_ = false;
    PaintFrame();
}

// --- Messages ---

LRESULT TXPCustomMemo::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            LRESULT r = TMemo::WndProc(msg, wParam, lParam);
            PaintFrame();
            return r;
        }
        case WM_PRINT: {
            // The edit leaves its clipping in the DC it printed into.
            HDC dc = reinterpret_cast<HDC>(wParam);
            const int saved = SaveDC(dc);
            LRESULT r = TMemo::WndProc(msg, wParam, lParam);
            RestoreDC(dc, saved);
            if ((lParam & PRF_CLIENT) && FrameWanted()) DrawFrame(dc);
            return r;
        }
        case WM_WINDOWPOSCHANGED: {
            LRESULT r = TMemo::WndProc(msg, wParam, lParam);
            // The edit resets its formatting rectangle on every size change.
            SetTextRect();
            if (!(reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOSIZE)) {
                UpdateScrollRange();  // wrapped lines change with the width
                PaintFrame();
            }
            return r;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                POINT p{};
                GetCursorPos(&p);
                ::ScreenToClient(Handle(), &p);
                if (p.x >= bar_->Left()) {
                    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
                    return TRUE;
                }
            }
            break;
        case WM_MOUSEWHEEL:
            if (bar_->Enabled()) {
                const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
                if (delta != 0) bar_->SetPosition(bar_->Position() + (delta < 0 ? 3 : -3));
                return 0;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            LRESULT r = TMemo::WndProc(msg, wParam, lParam);
            leftDown_ = true;
            selectionTimer_->SetEnabled(true);
            PaintFrame();
            return r;
        }
        case WM_LBUTTONUP: {
            LRESULT r = TMemo::WndProc(msg, wParam, lParam);
            leftDown_ = false;
            selectionTimer_->SetEnabled(false);
            PostCaretLine();
            PaintFrame();
            return r;
        }
        case WM_CAPTURECHANGED:
            // The button's release went elsewhere (a box popped up): stop.
            if (leftDown_ && reinterpret_cast<HWND>(lParam) != Handle()) {
                leftDown_ = false;
                selectionTimer_->SetEnabled(false);
            }
            break;
        case kCaretLineMessage:
            if (HandleAllocated()) BringLineIntoView(CaretLine());
            return 0;
        default:
            break;
    }
    return TMemo::WndProc(msg, wParam, lParam);
}

}  // namespace vd
