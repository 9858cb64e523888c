#include "toolkit/application.h"

#include <algorithm>

#include "core/text.h"
#include "toolkit/form.h"
#include "toolkit/thread.h"

namespace vd {

TApplication& Application() {
    static TApplication* app = new TApplication();  // lives until the process ends
    return *app;
}

TApplication::TApplication() : TComponent(nullptr), mainThreadId_(GetCurrentThreadId()) {}

TApplication::~TApplication() = default;

void TApplication::SetTitle(const std::string& t) {
    title_ = t;
    if (mainForm_) mainForm_->UpdateWindowText();
}

void TApplication::SetMainForm(TForm* f) {
    mainForm_ = f;
    if (f) f->UpdateWindowText();
}

void TApplication::AddForm(TForm* f) { forms_.push_back(f); }

void TApplication::RemoveForm(TForm* f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
    released_.erase(std::remove(released_.begin(), released_.end(), f), released_.end());
    if (mainForm_ == f) mainForm_ = nullptr;
}

void TApplication::ReleaseLater(TForm* f) {
    if (std::find(released_.begin(), released_.end(), f) == released_.end()) released_.push_back(f);
}

void TApplication::FreeReleased() {
    while (!released_.empty()) {
        TForm* f = released_.back();
        released_.pop_back();
        delete f;
    }
}

namespace {

// Our control that a message is for: its window, or the nearest of ours
// above it (the inner window of a system control).
TWinControl* OwnControlOf(HWND h) {
    TWinControl* c = nullptr;
    for (; h && !(c = TWinControl::FromHandle(h)); h = GetParent(h)) {
    }
    return c;
}

bool ControlWants(const MSG& msg, LRESULT codes) {
    return (SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) & codes) != 0;
}

}  // namespace

void TApplication::NoteNavigationKey(MSG& msg) {
    if (msg.message != WM_KEYDOWN) return;
    if (msg.wParam != VK_TAB && (msg.wParam < VK_LEFT || msg.wParam > VK_DOWN)) return;
    // The keyboard is in use: focus cues show from now on (a window passes
    // the request up to its top-level window, which tells all its windows).
    if (TWinControl::FromHandle(msg.hwnd))
        SendMessageW(msg.hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool TApplication::IsTabKey(MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    if (ControlWants(msg, DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
    TWinControl* c = TWinControl::FromHandle(msg.hwnd);
    TForm* f = c ? c->ParentForm() : nullptr;
    if (!f) return false;
    f->SelectNext(c->FocusedControl(), GetKeyState(VK_SHIFT) >= 0);
    return true;
}

bool TApplication::IsDialogKey(MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    // A control that uses the key itself keeps it (a dropped list, a
    // focused button).
    if (ControlWants(msg, DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
    TWinControl* c = OwnControlOf(msg.hwnd);
    TForm* f = c ? c->ParentForm() : nullptr;
    return f && f->Enabled() && f->DialogKey(static_cast<uint16_t>(msg.wParam));
}

bool TApplication::IsDialogChar(MSG& msg) {
    if (msg.message != WM_CHAR && msg.message != WM_SYSCHAR) return false;
    TWinControl* c = TWinControl::FromHandle(msg.hwnd);
    TForm* f = c ? c->ParentForm() : nullptr;
    if (!f) return false;
    // Characters the focused control takes itself (typing in an edit) stay
    // with it; Alt+letter is always offered.
    if (msg.message == WM_CHAR &&
        (SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) &
         (DLGC_WANTCHARS | DLGC_WANTALLKEYS)))
        return false;
    return f->DialogChar(static_cast<char32_t>(msg.wParam));
}

bool TApplication::ProcessMessage() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        if (!PreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } catch (...) {
        HandleException();
    }
    return true;
}

bool TApplication::PreTranslateMessage(MSG& msg) {
    try {
        NoteNavigationKey(msg);
        return IsTabKey(msg) || IsDialogKey(msg) || IsDialogChar(msg);
    } catch (...) {
        HandleException();
        return true;
    }
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
    CheckSynchronize();
    FreeReleased();
}

void TApplication::HandleMessage() {
    if (!ProcessMessage()) {
        CheckSynchronize();
        FreeReleased();
        if (!terminated_) WaitMessage();
    }
}

void TApplication::Run() {
    if (mainForm_ && !terminated_) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
    if (!terminated_) PostQuitMessage(0);
    terminated_ = true;
}

void TApplication::Minimize() {
    if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

void TApplication::HandleException() {
    if (!std::current_exception()) return;  // not inside a handler: nothing to show
    std::string message;
    try {
        throw;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown exception";
    }
    if (OnException)
        OnException(message);
    else
        ShowException(message);
}

void TApplication::ShowException(const std::string& message) {
    std::u16string text = Utf8ToUtf16(message);
    std::u16string caption = Utf8ToUtf16(title_);
    HWND owner = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
    MessageBoxW(owner, reinterpret_cast<const wchar_t*>(text.c_str()),
                reinterpret_cast<const wchar_t*>(caption.c_str()), MB_OK | MB_ICONSTOP);
}

}  // namespace vd
