// Frame operations of the borderless main window: its rounded outline, its
// place in the middle of a monitor and dragging it by a control that stands
// in for the caption.
#pragma once
#include <windows.h>

#include <vector>

#include "installer/rules/window_placement.h"

namespace vd {

// The system command that drags a window as if its caption were grabbed
// (SC_MOVE + HTCAPTION).
constexpr WPARAM kDragByCaptionCommand = 61458;

// Makes a rounded rectangle from (0, 0) to (width + 1 + extraWidth,
// height + 1 + extraHeight), corners ellipseWidth x ellipseHeight, the
// window's region (the system owns it afterwards) and redraws at once.
// False when the region could not be made or set.
bool SetRoundRegion(HWND wnd, int ellipseWidth, int ellipseHeight, int extraWidth, int extraHeight);

// Sizes of the monitors in the order the system lists them.
std::vector<TAreaSize> MonitorSizes();

// Where a window of the given size goes: index 0 centres on the primary
// screen (system metrics), index k > 0 on monitor k with the monitors taken
// side by side, left to right.
TPlacement PlaceOnMonitor(int monitorIndex, int width, int height);

// Moves the window to PlaceOnMonitor(monitorIndex, its size).
void CenterWindowOnMonitor(HWND wnd, int monitorIndex);

// Releases the mouse capture and starts the system's move of the window, as
// when its caption is pressed. Returns when the move has ended.
void DragWindowByCaption(HWND wnd);

}  // namespace vd
