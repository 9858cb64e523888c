#include "installer/window_frame.h"

#include <gtest/gtest.h>

namespace {

class WindowFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    wnd_ = CreateWindowExW(0, L"STATIC", L"frame", WS_POPUP, 10, 20, 558, 390, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(wnd_, nullptr);
  }
  void TearDown() override { DestroyWindow(wnd_); }
  HWND wnd_ = nullptr;
};

TEST_F(WindowFrame, RoundRegionCoversTheWindowWithAllFourCornersCut) {
  ASSERT_TRUE(vd::SetRoundRegion(wnd_, 4, 4, 0, 0));
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(wnd_, rgn), ERROR);
  RECT box;
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  // The system leaves out the last row and column of a rounded rectangle,
  // so the extra pixel makes the region exactly as large as the window.
  EXPECT_EQ(box.right, 558);
  EXPECT_EQ(box.bottom, 390);
  EXPECT_FALSE(PtInRegion(rgn, 0, 0));      // top-left corner cut away
  EXPECT_FALSE(PtInRegion(rgn, 0, 389));    // bottom-left
  EXPECT_FALSE(PtInRegion(rgn, 557, 0));    // top-right
  EXPECT_FALSE(PtInRegion(rgn, 557, 389));  // bottom-right
  EXPECT_TRUE(PtInRegion(rgn, 2, 0));       // the top edge right of the curve
  EXPECT_TRUE(PtInRegion(rgn, 0, 2));
  EXPECT_TRUE(PtInRegion(rgn, 279, 195));
  EXPECT_TRUE(PtInRegion(rgn, 557, 200));   // the right edge of the window stays
  DeleteObject(rgn);
}

TEST_F(WindowFrame, ExtraSizeWidensTheRegion) {
  ASSERT_TRUE(vd::SetRoundRegion(wnd_, 10, 6, 5, 7));
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(wnd_, rgn), ERROR);
  RECT box;
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box.right, 558 + 5);
  EXPECT_EQ(box.bottom, 390 + 7);
  DeleteObject(rgn);
}

TEST_F(WindowFrame, NoWindowNoRegion) { EXPECT_FALSE(vd::SetRoundRegion(nullptr, 4, 4, 0, 0)); }

TEST_F(WindowFrame, CentredOnThePrimaryScreen) {
  vd::CenterWindowOnMonitor(wnd_, 0);
  RECT r;
  GetWindowRect(wnd_, &r);
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(r.left, (sw - 558) / 2);
  EXPECT_EQ(r.top, (sh - 390) / 2);
  EXPECT_EQ(r.right - r.left, 558);  // the size stays
  EXPECT_EQ(r.bottom - r.top, 390);
}

TEST_F(WindowFrame, MonitorListHasThePrimaryScreen) {
  const std::vector<vd::TAreaSize> sizes = vd::MonitorSizes();
  ASSERT_FALSE(sizes.empty());
  // Index 1 on a one-monitor system falls back to the primary screen.
  const vd::TPlacement p = vd::PlaceOnMonitor(static_cast<int>(sizes.size()), 558, 390);
  EXPECT_EQ(p.left, (GetSystemMetrics(SM_CXSCREEN) - 558) / 2);
}

}  // namespace
