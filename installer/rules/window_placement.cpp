#include "installer/rules/window_placement.h"

#include <cstddef>

namespace vd {

int CenterOffset(int areaSize, int formSize) { return (areaSize - formSize) / 2; }

TPlacement CenterOnMonitor(const TAreaSize& primaryScreen, const std::vector<TAreaSize>& monitors,
                           int monitorIndex, int formWidth, int formHeight) {
    TPlacement p;
    if (monitorIndex <= 0 || static_cast<std::size_t>(monitorIndex) >= monitors.size()) {
        p.left = CenterOffset(primaryScreen.width, formWidth);
        p.top = CenterOffset(primaryScreen.height, formHeight);
        return p;
    }
    int before = 0;
    for (int i = 0; i < monitorIndex; ++i) before += monitors[static_cast<std::size_t>(i)].width;
    const TAreaSize& m = monitors[static_cast<std::size_t>(monitorIndex)];
    p.left = before + CenterOffset(m.width, formWidth);
    p.top = CenterOffset(m.height, formHeight);
    return p;
}

}  // namespace vd
