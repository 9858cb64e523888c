#include "toolkit/edit.h"

namespace vd {

TCustomEdit::TCustomEdit(TComponent* owner) : TNativeControl(owner) { SetBounds(0, 0, 121, 21); }

void TCustomEdit::CreateParams(TCreateParams& p) {
    TNativeControl::CreateParams(p);
    p.ClassName = L"EDIT";
    p.Style |= EditStyle();
    if (readOnly_) p.Style |= ES_READONLY;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::HandleCreated() {
    if (maxLength_ > 0) SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
}

void TCustomEdit::SetMaxLength(int n) {
    maxLength_ = n < 0 ? 0 : n;
    if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
}

void TCustomEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, v ? TRUE : FALSE, 0);
}

int TCustomEdit::SelStart() {
    DWORD s = 0, e = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return static_cast<int>(s);
}

int TCustomEdit::SelLength() {
    DWORD s = 0, e = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return static_cast<int>(e - s);
}

void TCustomEdit::SetSel(int start, int length) {
    SendMessageW(Handle(), EM_SETSEL, start, length < 0 ? -1 : start + length);
}

void TCustomEdit::CommandNotify(unsigned code) {
    if (code == EN_CHANGE) Change();
}

void TCustomEdit::TextChanged() {
    bool windowed = HandleAllocated();
    TNativeControl::TextChanged();
    if (!windowed) Change();
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 185, 89); }

DWORD TMemo::EditStyle() const {
    DWORD s = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
    if (!wordWrap_) s |= ES_AUTOHSCROLL | WS_HSCROLL;
    return s;
}

LRESULT TMemo::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE) {
        // A multi-line edit asks for every key; Tab and Enter are given up
        // as WantTabs and WantReturns say.
        LRESULT r = TCustomEdit::WndProc(msg, wParam, lParam);
        const MSG* m = reinterpret_cast<const MSG*>(lParam);
        const bool keyDown = m && m->message == WM_KEYDOWN;
        if (!wantTabs_) r &= ~DLGC_WANTTAB;
        if (keyDown && ((m->wParam == VK_TAB && !wantTabs_) || (m->wParam == VK_RETURN && !wantReturns_)))
            r &= ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
        return r;
    }
    return TCustomEdit::WndProc(msg, wParam, lParam);
}

void TMemo::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    RecreateWnd();
}

void TMemo::TextChanged() {
    const bool windowed = HandleAllocated();
    TCustomEdit::TextChanged();
    if (windowed) Change();
}

int TMemo::LineCount() { return static_cast<int>(SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0)); }

int TMemo::LineLength(int line) {
    LRESULT start = SendMessageW(Handle(), EM_LINEINDEX, line, 0);
    if (start < 0) return 0;
    return static_cast<int>(SendMessageW(Handle(), EM_LINELENGTH, start, 0));
}

int TMemo::LineFromChar(int index) {
    return static_cast<int>(SendMessageW(Handle(), EM_LINEFROMCHAR, index, 0));
}

int TMemo::TopLine() { return static_cast<int>(SendMessageW(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

void TMemo::ScrollToLine(int line) {
    int delta = line - TopLine();
    if (delta != 0) SendMessageW(Handle(), EM_LINESCROLL, 0, delta);
}

TRect TMemo::FormattingRect() {
    RECT rc{};
    SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rc));
    return TRect{rc.left, rc.top, rc.right, rc.bottom};
}

void TMemo::SetFormattingRect(const TRect& r, bool repaint) {
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    SendMessageW(Handle(), repaint ? EM_SETRECT : EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rc));
}

}  // namespace vd
