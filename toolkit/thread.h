// Threads and synchronous calls to the window thread.
//
// A TThread subclass overrides Execute. Threads are made by NewThread<T>,
// running at once or suspended until Start. A thread freed on terminate
// deletes itself after Execute and OnTerminate; otherwise its owner deletes
// it (the destructor asks it to terminate and waits).
//
// Synchronize runs a function on the window thread and blocks the calling
// thread until it has run (an exception it throws comes back to the caller).
// The window thread runs queued calls whenever it dispatches messages and
// while it waits in WaitFor, which also services messages sent from other
// threads, so a worker blocked in Synchronize, or a thread asking for a
// synchronous repaint, never deadlocks it.
#pragma once
#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>
#include <utility>

#include "toolkit/types.h"

namespace vd {

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TThread : public TObject {
public:
    ~TThread() override;
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Starts a suspended thread (once).
    void Start();
    bool Suspended() const { return !started_; }
    // Sets the flag that Execute polls.
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    // Waits until Execute and OnTerminate have run; returns ReturnValue.
    // On the window thread, synchronous calls and sent messages are served
    // meanwhile. Not for threads that free themselves.
    int WaitFor();

    bool FreeOnTerminate() const { return freeOnTerminate_; }
    void SetFreeOnTerminate(bool v) { freeOnTerminate_ = v; }
    TThreadPriority Priority() const { return priority_; }
    void SetPriority(TThreadPriority p);
    HANDLE Handle() const { return handle_; }
    DWORD ThreadID() const { return threadId_; }
    int ReturnValue() const { return returnValue_; }
    // The exception that ended Execute, if any.
    std::exception_ptr FatalException() const { return fatal_; }

    // Raised on the window thread after Execute.
    TNotifyEvent OnTerminate;

    // Runs fn on the window thread and waits for it (directly when called on
    // the window thread).
    static void Synchronize(const std::function<void()>& fn);

protected:
    TThread();
    virtual void Execute() = 0;
    virtual void DoTerminate();
    void SetReturnValue(int v) { returnValue_ = v; }

private:
    static unsigned __stdcall ThreadProc(void* self);

    HANDLE handle_ = nullptr;
    DWORD threadId_ = 0;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    bool started_ = false;
    bool abandoned_ = false;
    bool freeOnTerminate_ = false;
    TThreadPriority priority_ = TThreadPriority::tpNormal;
    int returnValue_ = 0;
    std::exception_ptr fatal_;
};

// Makes a thread of class T (constructor arguments follow), started unless
// createSuspended.
template <class T, class... Args>
T* NewThread(bool createSuspended, Args&&... args) {
    T* t = new T(std::forward<Args>(args)...);
    if (!createSuspended) t->Start();
    return t;
}

// The window thread (the thread that started the program).
DWORD MainThreadID();
bool InMainThread();
// Runs the synchronous calls waiting for the window thread; true when any
// ran. Does nothing on other threads.
bool CheckSynchronize();
// Signalled while synchronous calls wait (for waits on the window thread).
HANDLE SyncEvent();
// Waits on the window thread for a handle while serving synchronous calls
// and sent messages (posted messages stay queued). Returns false on timeout.
bool WaitServingCalls(HANDLE h, DWORD timeoutMs = INFINITE);

}  // namespace vd
