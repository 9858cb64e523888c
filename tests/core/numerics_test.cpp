#include "core/numerics.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(1, -1, 2), -1);
    EXPECT_EQ(MulDiv(-1, -1, 2), 1);
    EXPECT_EQ(MulDiv(3, 1, 4), 1);   // 0.75
    EXPECT_EQ(MulDiv(1, 1, 4), 0);   // 0.25
    EXPECT_EQ(MulDiv(5, 1, 2), 3);   // 2.5 -> 3
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(503, 50, 100), 252);  // 251.5 -> 252
}

TEST(MulDiv, UsesA64BitIntermediate) {
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 2000000000), 2000000000);
    EXPECT_EQ(MulDiv(1 << 30, 4, 8), 1 << 29);
}

TEST(MulDiv, DivisorZeroAndOverflowGiveMinusOne) {
    EXPECT_EQ(MulDiv(5, 7, 0), -1);
    EXPECT_EQ(MulDiv(0, 0, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 1), -1);
}

TEST(DelphiRound, TiesGoToEven) {
    EXPECT_EQ(DelphiRound(0.5), 0);
    EXPECT_EQ(DelphiRound(1.5), 2);
    EXPECT_EQ(DelphiRound(2.5), 2);
    EXPECT_EQ(DelphiRound(-0.5), 0);
    EXPECT_EQ(DelphiRound(-1.5), -2);
    EXPECT_EQ(DelphiRound(-2.5), -2);
    EXPECT_EQ(DelphiRound(19.4), 19);
    EXPECT_EQ(DelphiRound(19.5), 20);
    EXPECT_EQ(DelphiRound(2.4999999), 2);
    EXPECT_EQ(DelphiRound(-2.6), -3);
}

TEST(FloorDiv, RoundsTowardsMinusInfinity) {
    EXPECT_EQ(FloorDiv(7, 2), 3);
    EXPECT_EQ(FloorDiv(-7, 2), -4);
    EXPECT_EQ(FloorDiv(7, -2), -4);
    EXPECT_EQ(FloorDiv(-8, 2), -4);
}

}  // namespace
}  // namespace vd
