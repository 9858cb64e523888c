// TAnimateThread: steps one transition of a slideshow. Made suspended, given
// the control's thread priority, then started. Each round advances the
// progress by one step (compose, paint, OnProgress) and waits for the rest
// of Delay; it ends at the end of the range or when asked to terminate, and
// on every way out posts the end-of-animation message to the control's
// window (which frees the thread and finishes the transition).
#pragma once
#include <windows.h>

#include <atomic>

#include "toolkit/thread.h"

namespace vd {

class TCustomXPSlideShow;

class TAnimateThread : public TThread {
public:
    // `serial` comes back in the end-of-animation message.
    TAnimateThread(TCustomXPSlideShow& control, HWND window, unsigned serial);
    ~TAnimateThread() override;

    // Set as the first thing the thread does.
    bool Started() const { return started_; }
    // Terminate, and cut a running wait short.
    void Cancel();

protected:
    void Execute() override;

private:
    TCustomXPSlideShow& control_;
    HWND window_;
    unsigned serial_;
    HANDLE wake_;
    std::atomic<bool> started_{false};
};

}  // namespace vd
