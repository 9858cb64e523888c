#include "toolkit/timer.h"

#include "toolkit/application.h"

namespace vd {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VdTimerWindow";
    RegisterClassW(&wc);  // fails harmlessly when already registered
    window_ = CreateWindowExW(0, L"VdTimerWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_) throw EInvalidOperation("Not enough timers available");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
    MarkDestroying();
    if (running_) KillTimer(window_, 1);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == interval_) return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent e) {
    onTimer_ = std::move(e);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (running_) KillTimer(window_, 1);
    running_ = false;
    if (enabled_ && interval_ > 0 && onTimer_) running_ = SetTimer(window_, 1, interval_, nullptr) != 0;
}

void TTimer::Timer() {
    if (onTimer_) onTimer_(this);
}

LRESULT CALLBACK TTimer::WndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        auto* t = reinterpret_cast<TTimer*>(GetWindowLongPtrW(h, GWLP_USERDATA));
        if (t && t->running_) {
            try {
                t->Timer();
            } catch (...) {
                Application().HandleException();
            }
        }
        return 0;
    }
    return DefWindowProcW(h, msg, wParam, lParam);
}

}  // namespace vd
