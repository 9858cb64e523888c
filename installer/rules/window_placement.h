// Centring arithmetic of the main window; divisions truncate toward zero, so
// a 558-pixel window on a 501-pixel screen gets Left = -28.
#pragma once
#include <vector>

namespace vd {

struct TPlacement {
    int left = 0;
    int top = 0;
};

struct TAreaSize {
    int width = 0;
    int height = 0;
};

// (area - size) / 2, truncated toward zero.
int CenterOffset(int areaSize, int formSize);

// Monitor 0 centres on the primary screen. Monitor k > 0 lies right of
// monitors 0..k-1 (side by side, left to right): Left = their widths summed
// + (width of k - form width) / 2, Top = (height of k - form height) / 2.
// An index outside the list centres on the primary screen.
TPlacement CenterOnMonitor(const TAreaSize& primaryScreen, const std::vector<TAreaSize>& monitors,
                           int monitorIndex, int formWidth, int formHeight);

}  // namespace vd
