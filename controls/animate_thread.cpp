#include "controls/animate_thread.h"

#include "controls/model/slideshow_steps.h"
#include "controls/xp_slideshow.h"

namespace vd {

TAnimateThread::TAnimateThread(TCustomXPSlideShow& control, HWND window, unsigned serial)
    : control_(control), window_(window), serial_(serial),
      wake_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (!wake_) throw EInvalidOperation("Cannot create the animation thread's event");
}

TAnimateThread::~TAnimateThread() {
    // The base class waits for the thread; the event must outlive it.
    if (!Finished() && !Suspended()) {
        Cancel();
        WaitFor();
    }
    CloseHandle(wake_);
}

void TAnimateThread::Cancel() {
    Terminate();
    SetEvent(wake_);
}

void TAnimateThread::Execute() {
    started_ = true;
    struct PostDone {
        HWND window;
        unsigned serial;
        ~PostDone() { PostMessageW(window, WM_XPSLIDESHOW_DONE, serial, 0); }
    } done{window_, serial_};
    int step = control_.step_;
    while (!Terminated()) {
        TCustomXPSlideShow::TStepOutcome r = control_.AdvanceStep(step);
        if (!r.More) {
            Terminate();
            break;
        }
        if (Terminated()) break;
        TSlideshowPace pace =
            SlideshowPace(step, control_.step_, control_.delay_, r.Elapsed, control_.exactTiming_);
        if (pace.Wait >= 0) {
            WaitForSingleObject(wake_, static_cast<DWORD>(pace.Wait));
            step = control_.step_;  // read again, so a change takes effect
        } else {
            step = pace.NextStep;
        }
    }
}

}  // namespace vd
