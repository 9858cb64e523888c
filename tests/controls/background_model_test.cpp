#include "controls/model/background_model.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

// Whether every pixel of `paint` is covered by some copy.
bool Covers(const TPicturePlacement& p, const TBox& paint) {
    for (int y = paint.Top; y < paint.Bottom; ++y)
        for (int x = paint.Left; x < paint.Right; ++x) {
            bool hit = false;
            for (const TBox& c : p.Copies) hit = hit || c.Contains(x, y);
            if (!hit) return false;
        }
    return true;
}

TEST(PlacePictureTest, TileGridIsAnchoredToTheArea) {
    TBox area{0, 0, 556, 330};
    TPicturePlacement p = PlacePicture(fcpmTile, area, 556, 328, area);
    ASSERT_EQ(p.Copies.size(), 2u);
    EXPECT_EQ(p.Copies[0], (TBox{0, 0, 556, 328}));
    EXPECT_EQ(p.Copies[1], (TBox{0, 328, 556, 656}));

    // 1 x 29 in 558 x 29: 558 copies side by side.
    p = PlacePicture(fcpmTile, TBox{0, 0, 558, 29}, 1, 29, TBox{0, 0, 558, 29});
    EXPECT_EQ(p.Copies.size(), 558u);
    EXPECT_TRUE(Covers(p, TBox{0, 0, 558, 29}));
}

TEST(PlacePictureTest, TileDrawsOnlyCopiesMeetingThePaintedRectangle) {
    TBox area{-13, -9, 187, 111};  // an ancestor's client area seen from a child
    TBox paint{5, 6, 12, 9};
    TPicturePlacement p = PlacePicture(fcpmTile, area, 7, 5, paint);
    EXPECT_TRUE(Covers(p, paint));
    for (const TBox& c : p.Copies) {
        EXPECT_FALSE(Intersect(c, paint).IsEmpty());
        EXPECT_EQ(((c.Left - area.Left) % 7 + 7) % 7, 0);
        EXPECT_EQ(((c.Top - area.Top) % 5 + 5) % 5, 0);
    }
    // Points left of the area's origin are covered too.
    TBox before{-20, -20, -14, -10};
    EXPECT_TRUE(Covers(PlacePicture(fcpmTile, area, 7, 5, before), before));
}

TEST(PlacePictureTest, CentreStretchAndTopLeft) {
    TBox area{0, 0, 21, 10};
    TBox all = area;
    TPicturePlacement p = PlacePicture(fcpmCenter, area, 4, 3, all);
    ASSERT_EQ(p.Copies.size(), 1u);
    EXPECT_EQ(p.Copies[0], (TBox{8, 3, 12, 6}));
    // Larger than the area: negative offsets truncate toward zero.
    p = PlacePicture(fcpmCenter, area, 30, 13, all);
    EXPECT_EQ(p.Copies[0], (TBox{-4, -1, 26, 12}));

    p = PlacePicture(fcpmStretch, area, 4, 3, all);
    EXPECT_EQ(p.Copies[0], area);

    p = PlacePicture(fcpmTopLeft, area, 40, 3, all);
    EXPECT_EQ(p.Copies[0], (TBox{0, 0, 40, 3}));
    EXPECT_EQ(p.Clip, area);
}

TEST(PlacePictureTest, CentreStretchFitsInsideAndZoomCovers) {
    TBox area{0, 0, 100, 50};
    // 40 x 40 fits inside by the height.
    TPicturePlacement p = PlacePicture(fcpmCenterStretch, area, 40, 40, area);
    EXPECT_EQ(p.Copies[0], (TBox{25, 0, 75, 50}));
    // 200 x 50 fits by the width: 100 x 25, centred.
    p = PlacePicture(fcpmCenterStretch, area, 200, 50, area);
    EXPECT_EQ(p.Copies[0], (TBox{0, 12, 100, 37}));

    // Zoom: the area is relatively wider than 40 x 40: scale by the width.
    p = PlacePicture(fcpmZoom, area, 40, 40, area);
    EXPECT_EQ(p.Copies[0], (TBox{0, -25, 100, 75}));
    EXPECT_EQ(p.Clip, area);
    // Other side rounded up: 30 x 7 zoomed by the height 50 -> 214.28.. -> 215.
    p = PlacePicture(fcpmZoom, TBox{0, 0, 100, 50}, 30, 7, area);
    EXPECT_EQ(p.Copies[0].Width(), 215);
    EXPECT_EQ(p.Copies[0].Height(), 50);
}

TEST(PlacePictureTest, NothingForEmptyPicturesOrMissedRectangles) {
    TBox area{0, 0, 50, 50};
    EXPECT_TRUE(PlacePicture(fcpmTile, area, 0, 5, area).Copies.empty());
    EXPECT_TRUE(PlacePicture(fcpmStretch, area, 5, 0, area).Copies.empty());
    EXPECT_TRUE(PlacePicture(fcpmCenter, area, 4, 4, TBox{0, 0, 10, 10}).Copies.empty());
    EXPECT_TRUE(PlacePicture(fcpmTopLeft, area, 4, 4, TBox{60, 60, 70, 70}).Copies.empty());
}

TEST(GlassTest, TranslucencyEnds) {
    EXPECT_EQ(GlassChannel(17, 200, 255), 17);
    EXPECT_EQ(GlassChannel(17, 200, 0), 200);
    EXPECT_EQ(GlassChannel(0, 255, 128), 127);
}

}  // namespace
}  // namespace vd
