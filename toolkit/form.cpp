#include "toolkit/form.h"

#include <algorithm>

#include "core/text.h"
#include "toolkit/application.h"

namespace vd {

TForm::TForm(TComponent* owner) : TCustomControl(owner) {
    TControl::SetVisible(false);
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 320, 240);
    Application().AddForm(this);
}

TForm::~TForm() {
    MarkDestroying();
    if (OnDestroy) OnDestroy(this);
    Application().RemoveForm(this);
}

void TForm::SetBorderStyle(TFormBorderStyle s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    if (HandleAllocated()) {
        DWORD style = GetWindowLongW(Handle(), GWL_STYLE);
        style &= ~(WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_MAXIMIZEBOX);
        if (s == TFormBorderStyle::bsSingle) style |= WS_CAPTION;
        if (s == TFormBorderStyle::bsSizeable) style |= WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX;
        SetWindowLongW(Handle(), GWL_STYLE, style);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void TForm::CreateParams(TCreateParams& p) {
    p.ClassName = L"VdForm";
    p.Style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
    if (borderStyle_ == TFormBorderStyle::bsSingle) p.Style |= WS_CAPTION;
    if (borderStyle_ == TFormBorderStyle::bsSizeable)
        p.Style |= WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX;
    if (!Enabled()) p.Style |= WS_DISABLED;
    p.ExStyle = WS_EX_APPWINDOW;
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    p.WndParent = nullptr;
}

std::string TForm::WindowText() const {
    if (Application().MainForm() == this && !Application().Title().empty())
        return Application().Title();
    return text_;
}

void TForm::UpdateWindowText() {
    if (!HandleAllocated()) return;
    std::u16string w = Utf8ToUtf16(WindowText());
    SetWindowTextW(Handle(), reinterpret_cast<const wchar_t*>(w.c_str()));
}

void TForm::Show() {
    HandleNeeded();
    UpdateWindowText();
    if (!Visible()) {
        DoShow();
        TControl::SetVisible(true);
    }
    ShowWindow(Handle(), SW_SHOW);
    if (activeControl_ && activeControl_->CanFocus()) activeControl_->SetFocus();
    UpdateWindow(Handle());
}

void TForm::SetVisible(bool v) {
    if (v) {
        Show();
        return;
    }
    if (!Visible()) return;
    TControl::SetVisible(false);
    if (OnHide) OnHide(this);
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void TForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TForm::Close() {
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (Application().MainForm() == this) {
        Application().Terminate();
        SetVisible(false);
        return;
    }
    if (action == TCloseAction::caMinimize) {
        ShowWindow(Handle(), SW_MINIMIZE);
    } else {
        SetVisible(false);
        if (action == TCloseAction::caFree) Application().ReleaseLater(this);
    }
}

void TForm::SetActiveControl(TWinControl* c) {
    activeControl_ = c;
    if (c && HandleAllocated() && IsWindowVisible(Handle()) && c->CanFocus()) c->SetFocus();
}

void TForm::ControlRemoved(TControl* c) {
    if (activeControl_ && (activeControl_ == c ||
                           (c->IsWindowed() && static_cast<TWinControl*>(c)->ContainsControl(activeControl_))))
        activeControl_ = nullptr;
}

namespace {
void CollectTabs(const TWinControl* parent, std::vector<TControl*>& out) {
    std::vector<TControl*> ordered;
    for (int i = 0; i < parent->ControlCount(); ++i) ordered.push_back(parent->Controls(i));
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](TControl* a, TControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (TControl* c : ordered) {
        if (!c->Visible() || !c->Enabled()) continue;
        if (c->TabStop()) out.push_back(c);
        if (c->IsWindowed()) CollectTabs(static_cast<TWinControl*>(c), out);
    }
}
}  // namespace

std::vector<TControl*> TForm::TabSequence() const {
    std::vector<TControl*> out;
    CollectTabs(this, out);
    return out;
}

void TForm::SelectNext(TControl* current, bool forward) {
    std::vector<TControl*> seq = TabSequence();
    if (seq.empty()) return;
    int n = static_cast<int>(seq.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (seq[i] == current) at = i;
    int next;
    if (at < 0)
        next = forward ? 0 : n - 1;
    else
        next = (at + (forward ? 1 : n - 1)) % n;
    seq[next]->SetFocus();
}

TControl* TForm::FocusedControl() const {
    TWinControl* w = nullptr;
    for (HWND h = GetFocus(); h && !(w = FromHandle(h)); h = GetParent(h)) {
    }
    if (!w || w->ParentForm() != this) return nullptr;
    return w->FocusedControl();
}

bool TForm::DialogKey(uint16_t) { return false; }

void TForm::HandleCreated() {
    TCustomControl::HandleCreated();
    BOOL alwaysShown = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
    if (!alwaysShown) SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && activeControl_ && activeControl_->CanFocus() &&
                activeControl_->HandleAllocated()) {
                ::SetFocus(activeControl_->Handle());
                return 0;
            }
            break;
        default:
            break;
    }
    return TCustomControl::WndProc(msg, wParam, lParam);
}

}  // namespace vd
