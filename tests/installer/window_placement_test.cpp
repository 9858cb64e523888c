#include "installer/rules/window_placement.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(CenterOffset, TruncatesTowardZero) {
    EXPECT_EQ(CenterOffset(501, 558), -28);  // -57 / 2, not -29
    EXPECT_EQ(CenterOffset(1280, 558), 361);
    EXPECT_EQ(CenterOffset(1024, 390), 317);
    EXPECT_EQ(CenterOffset(558, 558), 0);
}

TEST(CenterOnMonitor, PrimaryScreen) {
    TPlacement p = CenterOnMonitor({501, 390}, {{501, 390}}, 0, 558, 390);
    EXPECT_EQ(p.left, -28);
    EXPECT_EQ(p.top, 0);
}

TEST(CenterOnMonitor, LaterMonitorsLieSideBySide) {
    std::vector<TAreaSize> monitors{{1280, 1024}, {1920, 1080}, {800, 600}};
    TPlacement p = CenterOnMonitor({1280, 1024}, monitors, 1, 558, 390);
    EXPECT_EQ(p.left, 1280 + (1920 - 558) / 2);
    EXPECT_EQ(p.top, (1080 - 390) / 2);
    p = CenterOnMonitor({1280, 1024}, monitors, 2, 558, 390);
    EXPECT_EQ(p.left, 1280 + 1920 + 121);
    EXPECT_EQ(p.top, 105);
}

TEST(CenterOnMonitor, UnknownMonitorFallsBackToThePrimaryScreen) {
    TPlacement p = CenterOnMonitor({1280, 1024}, {{1280, 1024}}, 3, 558, 390);
    EXPECT_EQ(p.left, 361);
    EXPECT_EQ(p.top, 317);
}

}  // namespace
}  // namespace vd
