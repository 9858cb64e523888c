#include "controls/model/slideshow_steps.h"

#include "core/numerics.h"

namespace vd {

TSlideshowPace SlideshowPace(int step, int stepProperty, int delay, int elapsed, bool exactTiming) {
    const int wait = delay - elapsed;
    if (wait >= 0) return {wait, true, stepProperty};
    if (!exactTiming) return {wait, false, step};
    if (delay <= 0) return {wait, false, stepProperty};
    const int scaled = MulDiv(stepProperty, elapsed, delay);
    return {wait, false, scaled < 1 ? 1 : scaled};
}

}  // namespace vd
