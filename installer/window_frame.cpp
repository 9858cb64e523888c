#include "installer/window_frame.h"

namespace vd {

bool SetRoundRegion(HWND wnd, int ellipseWidth, int ellipseHeight, int extraWidth, int extraHeight) {
  RECT r;
  if (!wnd || !GetWindowRect(wnd, &r)) return false;
  const int width = r.right - r.left, height = r.bottom - r.top;
  HRGN region = CreateRoundRectRgn(0, 0, width + 1 + extraWidth, height + 1 + extraHeight, ellipseWidth,
                                   ellipseHeight);
  if (!region) return false;
  if (!SetWindowRgn(wnd, region, TRUE)) {
    DeleteObject(region);  // still ours when the call failed
    return false;
  }
  return true;
}

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  auto* sizes = reinterpret_cast<std::vector<TAreaSize>*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    sizes->push_back({info.rcMonitor.right - info.rcMonitor.left, info.rcMonitor.bottom - info.rcMonitor.top});
  }
  return TRUE;
}

}  // namespace

std::vector<TAreaSize> MonitorSizes() {
  std::vector<TAreaSize> sizes;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&sizes));
  return sizes;
}

TPlacement PlaceOnMonitor(int monitorIndex, int width, int height) {
  const TAreaSize primary{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  std::vector<TAreaSize> monitors;
  if (monitorIndex > 0) monitors = MonitorSizes();
  return CenterOnMonitor(primary, monitors, monitorIndex, width, height);
}

void CenterWindowOnMonitor(HWND wnd, int monitorIndex) {
  RECT r;
  if (!wnd || !GetWindowRect(wnd, &r)) return;
  const TPlacement p = PlaceOnMonitor(monitorIndex, r.right - r.left, r.bottom - r.top);
  SetWindowPos(wnd, nullptr, p.left, p.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DragWindowByCaption(HWND wnd) {
  ReleaseCapture();
  SendMessageW(wnd, WM_SYSCOMMAND, kDragByCaptionCommand, 0);
}

}  // namespace vd
