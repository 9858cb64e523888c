#include "system/waits.h"

#include <windows.h>

#include "system/message_pump.h"
#include "core/wide.h"

namespace vd {
namespace {

class TTimerHandle {
public:
    explicit TTimerHandle(HANDLE h) : h_(h) {}
    ~TTimerHandle() {
        if (h_) CloseHandle(h_);
    }
    TTimerHandle(const TTimerHandle&) = delete;
    TTimerHandle& operator=(const TTimerHandle&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

// An auto-reset timer named after the time of day. Should that name already
// belong to a timer (another wait started in the same millisecond), the two
// waits would share one timer and one of them could wait for ever, so a
// private unnamed timer is taken instead.
HANDLE CreateWaitTimer() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    std::wstring name = Wide(TimerNameFor(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds));
    HANDLE h = CreateWaitableTimerW(nullptr, FALSE, name.c_str());
    if (h && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(h);
        h = nullptr;
    }
    if (!h) h = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    return h;
}

// Sleeps for ms, serving only the messages other threads send to this
// thread's windows (an animation thread's synchronous repaint would
// otherwise block for the whole sleep); posted messages stay queued.
void SleepServingSentMessages(DWORD ms) {
    const DWORD t0 = GetTickCount();
    for (;;) {
        const DWORD spent = GetTickCount() - t0;
        if (spent >= ms) return;
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

}  // namespace

void BusyWait(uint32_t ms) {
    const DWORD t0 = GetTickCount();
    do {
        DispatchPendingMessages();
    } while (static_cast<DWORD>(GetTickCount() - t0) <= ms);
}

void SleepWait(uint32_t ms, int32_t step) {
    const DWORD pause = step > 0 ? static_cast<DWORD>(step) : 0;
    const DWORD t0 = GetTickCount();
    do {
        SleepServingSentMessages(pause);
        DispatchPendingMessages();
    } while (static_cast<DWORD>(GetTickCount() - t0) <= ms);
}

std::string TimerNameFor(int hour, int minute, int second, int millisecond) {
    return std::to_string(hour) + std::to_string(minute) + std::to_string(second) + std::to_string(millisecond);
}

void TimerWait(int32_t amount, uint8_t unit) {
    int64_t per_unit;
    switch (unit) {
        case wuMilliseconds: per_unit = -10000; break;
        case wuSeconds: per_unit = -10000000; break;
        default: return;
    }
    TTimerHandle timer(CreateWaitTimer());
    if (!timer.get()) return;
    LARGE_INTEGER due;
    due.QuadPart = static_cast<int64_t>(amount) * per_unit;  // negative: relative
    if (!SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) return;
    HANDLE handles[1] = {timer.get()};
    // Wake for the timer or for any input (keys, mouse, posted and sent
    // messages, timers, paint, hot keys: mask 255), dispatch, until the timer.
    const DWORD wake = QS_KEY | QS_MOUSE | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;
    for (;;) {
        DWORD r = MsgWaitForMultipleObjects(1, handles, FALSE, INFINITE, wake);
        if (r == WAIT_FAILED) break;
        DispatchPendingMessages();
        if (r == WAIT_OBJECT_0) break;
    }
}

}  // namespace vd
