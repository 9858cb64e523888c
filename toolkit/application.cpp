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

bool TApplication::IsTabKey(MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    if (SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) &
        (DLGC_WANTTAB | DLGC_WANTALLKEYS))
        return false;
    TWinControl* c = TWinControl::FromHandle(msg.hwnd);
    TForm* f = c ? c->ParentForm() : nullptr;
    if (!f) return false;
    f->SelectNext(c, GetKeyState(VK_SHIFT) >= 0);
    return true;
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
        if (!IsTabKey(msg) && !IsDialogChar(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } catch (...) {
        HandleException();
    }
    return true;
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
