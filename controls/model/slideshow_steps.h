// Step arithmetic of a slideshow transition: progress runs from 0 to 100
// (or from 100 down to 0 with Reverse) in steps of `Step`, one step every
// `Delay` milliseconds; with ExactTiming a step that took longer than the
// delay makes the next one larger in proportion.
#pragma once

namespace vd {

// The stored Step: 0 becomes 1, values above 100 become 100.
inline int SlideshowStepValue(int value) { return value < 1 ? 1 : (value > 100 ? 100 : value); }

// Progress at the start of a transition.
inline int SlideshowStartProgress(bool reverse) { return reverse ? 100 : 0; }

// Whether progress stands at the end of the transition.
inline bool SlideshowAtEnd(int progress, bool reverse) { return progress == (reverse ? 0 : 100); }

// The progress one step further: forwards progress + step, or 100 when that
// reaches or passes the end; with Reverse progress - step, or 0.
inline int SlideshowNextProgress(int progress, int step, bool reverse) {
    if (reverse) return step < progress ? progress - step : 0;
    return progress < 100 - step ? progress + step : 100;
}

// What follows a step that took `elapsed` ms.
struct TSlideshowPace {
    int Wait;         // ms to wait before the next step; negative: none
    bool ReadStep;    // the next step is the Step property (read after the wait)
    int NextStep;     // otherwise the next step
};

// wait = delay - elapsed. Not late (wait >= 0): wait, then take Step again.
// Late with ExactTiming: Step scaled by elapsed / delay (at least 1; with
// delay 0 there is no pace to keep, and Step stays). Late without it: the
// step stays as it was.
TSlideshowPace SlideshowPace(int step, int stepProperty, int delay, int elapsed, bool exactTiming);

}  // namespace vd
