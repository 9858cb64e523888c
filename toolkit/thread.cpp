#include "toolkit/thread.h"

#include <process.h>

#include <deque>
#include <mutex>

#include "toolkit/critical_section.h"

namespace vd {
namespace {

// Runs before main, on the thread that starts the program.
const DWORD g_mainThreadId = GetCurrentThreadId();

const UINT kSyncMessage = WM_APP + 0x3A1;

struct SyncCall {
    const std::function<void()>* fn;
    HANDLE done;
    std::exception_ptr error;
};

struct SyncQueue {
    TCriticalSection lock;
    std::deque<SyncCall*> calls;
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND window = nullptr;
};

SyncQueue& Queue() {
    static SyncQueue* q = new SyncQueue();  // lives until the process ends
    return *q;
}

LRESULT CALLBACK SyncWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kSyncMessage) {
        CheckSynchronize();
        return 0;
    }
    return DefWindowProcW(h, msg, wParam, lParam);
}

// The hidden window whose message wakes the window thread; made there.
void EnsureSyncWindow() {
    if (!InMainThread()) return;
    SyncQueue& q = Queue();
    if (q.window) return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = &SyncWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VdSyncWindow";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, L"VdSyncWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    std::lock_guard<TCriticalSection> hold(q.lock);
    q.window = w;
}

const int kPriorities[] = {THREAD_PRIORITY_IDLE,   THREAD_PRIORITY_LOWEST,  THREAD_PRIORITY_BELOW_NORMAL,
                           THREAD_PRIORITY_NORMAL, THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                           THREAD_PRIORITY_TIME_CRITICAL};

}  // namespace

DWORD MainThreadID() { return g_mainThreadId; }
bool InMainThread() { return GetCurrentThreadId() == g_mainThreadId; }
HANDLE SyncEvent() { return Queue().event; }

bool CheckSynchronize() {
    if (!InMainThread()) return false;
    SyncQueue& q = Queue();
    bool any = false;
    for (;;) {
        SyncCall* call = nullptr;
        {
            std::lock_guard<TCriticalSection> hold(q.lock);
            if (q.calls.empty()) {
                ResetEvent(q.event);
                break;
            }
            call = q.calls.front();
            q.calls.pop_front();
        }
        any = true;
        try {
            (*call->fn)();
        } catch (...) {
            call->error = std::current_exception();
        }
        SetEvent(call->done);
    }
    return any;
}

bool WaitServingCalls(HANDLE h, DWORD timeoutMs) {
    if (!InMainThread()) return WaitForSingleObject(h, timeoutMs) == WAIT_OBJECT_0;
    DWORD start = GetTickCount();
    HANDLE handles[2] = {h, SyncEvent()};
    for (;;) {
        DWORD wait = INFINITE;
        if (timeoutMs != INFINITE) {
            DWORD elapsed = GetTickCount() - start;
            if (elapsed >= timeoutMs) return WaitForSingleObject(h, 0) == WAIT_OBJECT_0;
            wait = timeoutMs - elapsed;
        }
        DWORD r = MsgWaitForMultipleObjects(2, handles, FALSE, wait, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0) return true;
        if (r == WAIT_OBJECT_0 + 1) {
            CheckSynchronize();
        } else if (r == WAIT_OBJECT_0 + 2) {
            // Serves messages sent from other threads; posted ones stay queued.
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        } else if (r == WAIT_TIMEOUT) {
            return false;
        } else {
            return false;
        }
    }
}

void TThread::Synchronize(const std::function<void()>& fn) {
    if (InMainThread()) {
        fn();
        return;
    }
    SyncQueue& q = Queue();
    SyncCall call{&fn, CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr};
    HWND window;
    {
        std::lock_guard<TCriticalSection> hold(q.lock);
        q.calls.push_back(&call);
        SetEvent(q.event);
        window = q.window;
    }
    if (window)
        PostMessageW(window, kSyncMessage, 0, 0);
    else
        PostThreadMessageW(g_mainThreadId, WM_NULL, 0, 0);
    WaitForSingleObject(call.done, INFINITE);
    CloseHandle(call.done);
    if (call.error) std::rethrow_exception(call.error);
}

TThread::TThread() {
    EnsureSyncWindow();
    unsigned id = 0;
    handle_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &ThreadProc, this, CREATE_SUSPENDED, &id));
    if (!handle_) throw EInvalidOperation("Thread creation error");
    threadId_ = id;
}

TThread::~TThread() {
    if (GetCurrentThreadId() != threadId_ && handle_) {
        if (!started_) {
            // Never started: let it run to the end without calling Execute.
            abandoned_ = true;
            terminated_ = true;
            started_ = true;
            ResumeThread(handle_);
        }
        if (!finished_) {
            Terminate();
            WaitServingCalls(handle_);
        }
    }
    if (handle_) CloseHandle(handle_);
}

void TThread::Start() {
    if (started_) return;
    started_ = true;
    ResumeThread(handle_);
}

void TThread::SetPriority(TThreadPriority p) {
    priority_ = p;
    SetThreadPriority(handle_, kPriorities[static_cast<int>(p)]);
}

int TThread::WaitFor() {
    if (GetCurrentThreadId() == threadId_) throw EInvalidOperation("A thread cannot wait for itself");
    if (freeOnTerminate_) throw EInvalidOperation("Cannot wait for a thread that frees itself");
    WaitServingCalls(handle_);
    return returnValue_;
}

void TThread::DoTerminate() {
    if (OnTerminate) Synchronize([this] { OnTerminate(this); });
}

unsigned __stdcall TThread::ThreadProc(void* self) {
    TThread* t = static_cast<TThread*>(self);
    // A thread object destroyed before it was started skips Execute.
    bool run = !t->abandoned_;
    if (run) {
        try {
            t->Execute();
        } catch (...) {
            t->fatal_ = std::current_exception();
        }
        try {
            t->DoTerminate();
        } catch (...) {
            if (!t->fatal_) t->fatal_ = std::current_exception();
        }
    }
    unsigned result = static_cast<unsigned>(t->returnValue_);
    bool freeIt = run && t->freeOnTerminate_;
    t->finished_ = true;
    if (freeIt) delete t;
    return result;
}

}  // namespace vd
