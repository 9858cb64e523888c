#include "slideshow/effect_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "slideshow/extents.h"

namespace vd {
namespace {

TEST(ProgressExtents, FollowTheLargerSideAndKeepTheAspectRatio) {
    EXPECT_EQ(ProgressExtents(100, 50, 50).X, 50);
    EXPECT_EQ(ProgressExtents(100, 50, 50).Y, 25);
    EXPECT_EQ(ProgressExtents(50, 100, 50).X, 25);
    EXPECT_EQ(ProgressExtents(50, 100, 50).Y, 50);
    // The slide: 503 * 50 / 100 = 251.5 rounds up; 252 * 186 / 503 = 93.19.
    EXPECT_EQ(ProgressExtents(503, 186, 50).X, 252);
    EXPECT_EQ(ProgressExtents(503, 186, 50).Y, 93);
    // Square pictures take the width branch; progress 1 of 61 rounds to 1.
    EXPECT_EQ(ProgressExtents(61, 61, 1).X, 1);
    EXPECT_EQ(ProgressExtents(61, 61, 1).Y, 1);
    for (int p = 0; p <= 100; ++p) {
        TExtents e = ProgressExtents(503, 186, p);
        EXPECT_GE(e.X, 0);
        EXPECT_LE(e.X, 503);
        EXPECT_GE(e.Y, 0);
        EXPECT_LE(e.Y, 186);
    }
    EXPECT_EQ(ProgressExtents(503, 186, 100).X, 503);
    EXPECT_EQ(ProgressExtents(503, 186, 100).Y, 186);
}

TEST(ProgressExtents, EmptyPictureHasNoExtent) {
    EXPECT_EQ(ProgressExtents(0, 0, 50).X, 0);
    EXPECT_EQ(ProgressExtents(0, 0, 50).Y, 0);
    EXPECT_EQ(ProgressExtents(10, 0, 50).Y, 0);
}

TEST(EffectTable, HoldsTheNamesByStyle) {
    EXPECT_STREQ(EffectByStyle(1)->Name, "Expand from right");
    EXPECT_STREQ(EffectByStyle(14)->Name, "Unroll from left");
    EXPECT_STREQ(EffectByStyle(51)->Name, "Appear and Contract to middle");
    EXPECT_STREQ(EffectByStyle(76)->Name, "Unven shred from bottom");
    EXPECT_STREQ(EffectByStyle(128)->Name, "Push right");
    EXPECT_STREQ(EffectByStyle(134)->Name, "Push and sqeeze down");
    EXPECT_STREQ(EffectByStyle(145)->Name, "Rectangles apear from left and disapear to right");
    EXPECT_STREQ(EffectByStyle(171)->Name, "Random Bars Vertical");
    EXPECT_EQ(EffectByStyle(0), nullptr);
    EXPECT_EQ(EffectByStyle(172), nullptr);
    EXPECT_EQ(EffectByStyle(-1), nullptr);
    EXPECT_EQ(EffectTable() + 50, EffectByStyle(51));
}

TEST(EffectTable, OnlyRows33And34RepeatAnEarlierName) {
    EXPECT_STREQ(EffectByStyle(33)->Name, "Expand from bottom");
    EXPECT_STREQ(EffectByStyle(34)->Name, "Expand in from top");
    for (int a = 1; a <= kEffectCount; ++a)
        for (int b = a + 1; b <= kEffectCount; ++b) {
            bool same = std::strcmp(EffectByStyle(a)->Name, EffectByStyle(b)->Name) == 0;
            bool expected = (a == 18 && b == 33) || (a == 25 && b == 34);
            EXPECT_EQ(same, expected) << a << " " << b;
        }
}

TEST(EffectTable, LookupByNameIgnoresCaseAndFindsTheFirstRow) {
    EXPECT_EQ(StyleByName("EXPAND FROM RIGHT"), 1);
    EXPECT_EQ(StyleByName("Expand from bottom"), 18);
    EXPECT_EQ(StyleByName("expand in from top"), 25);
    EXPECT_EQ(StyleByName("Random Bars Vertical"), 171);
    EXPECT_EQ(StyleByName("Custom"), -1);
    EXPECT_EQ(StyleByName("Expand from right "), -1);
    EXPECT_EQ(StyleByName(""), -1);
}

TEST(EffectTable, StretchStylesHaveTheirOwnRoutines) {
    for (int style = 1; style <= kEffectCount; ++style) {
        bool stretch = style <= 57 || (style >= 128 && style <= 135);
        if (!stretch) continue;
        ASSERT_NE(EffectByStyle(style)->Proc, nullptr) << style;
        for (int other = 1; other < style; ++other)
            EXPECT_NE(EffectByStyle(style)->Proc, EffectByStyle(other)->Proc) << style << " " << other;
    }
}

}  // namespace
}  // namespace vd
