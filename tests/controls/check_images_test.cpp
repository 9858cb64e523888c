// The check-box pictures of the check tree and their colour mapping.
#include "controls/model/check_images.h"

#include <gtest/gtest.h>

#include <string>

namespace vd {
namespace {

// A picture as text: G grey, M magenta, R red, . white, B blue.
std::string Picture(TCheckPicture p) {
    std::string s;
    for (int y = 0; y < kCheckPictureSize; ++y) {
        for (int x = 0; x < kCheckPictureSize; ++x) s += "GMR.B"[static_cast<int>(CheckPictureInk(p, x, y))];
        s += '\n';
    }
    return s;
}

TEST(CheckImages, PicturesFollowThePixelDescription) {
    EXPECT_EQ(Picture(TCheckPicture::cpChecked),
              "GGGGGGGGGGGGG\n"
              "GMMMMMMMMMMRG\n"
              "GMMMMMMMMMRRG\n"
              "GMM......BRRG\n"
              "GMM.....BBRRG\n"
              "GMMB...BBBRRG\n"
              "GMMBB.BBB.RRG\n"
              "GMMBBBBB..RRG\n"
              "GMM.BBB...RRG\n"
              "GMM..B....RRG\n"
              "GMRRRRRRRRRRG\n"
              "GRRRRRRRRRRRG\n"
              "GGGGGGGGGGGGG\n");
    std::string unchecked = Picture(TCheckPicture::cpUnchecked), grayed = Picture(TCheckPicture::cpGrayed);
    EXPECT_EQ(unchecked.find('B'), std::string::npos);
    EXPECT_EQ(grayed.substr(14 * 3, 13), "GMMBBBBBBBRRG");
    EXPECT_EQ(grayed.find('.'), std::string::npos);
    EXPECT_EQ(CheckInkColor(TCheckInk::ciMagenta), RGB(255, 0, 255));
}

TEST(CheckImages, HighlightThatWouldVanishIsMovedByOne) {
    EXPECT_EQ(AdjustedHighlight(374339), 374339);
    EXPECT_EQ(AdjustedHighlight(kCheckMaskColor), 32897);  // RGB 129, 128, 0
    EXPECT_EQ(AdjustedHighlight(kCheckGrey), 8421505);     // RGB 129, 128, 128
    EXPECT_EQ(AdjustedHighlight(kCheckMaskColor + 1), kCheckMaskColor + 1);

    const TCheckColors colors{RGB(233, 244, 253), RGB(128, 128, 128), kCheckMaskColor};
    TCheckCell cell = CheckCell(TCheckPicture::cpChecked, colors);
    auto at = [&](int x, int y) { return cell[y * kCheckCellSize + x]; };
    // Outside the picture: the mask; frame, bevel, interior and tick mapped.
    EXPECT_EQ(at(0, 0), kCheckMaskColor);
    EXPECT_EQ(at(15, 15), kCheckMaskColor);
    EXPECT_EQ(at(14, 2), RGB(128, 128, 128));
    EXPECT_EQ(at(3, 3), colors.Window);   // magenta
    EXPECT_EQ(at(13, 13), colors.Window); // red
    EXPECT_EQ(at(5, 5), colors.Window);   // white
    EXPECT_EQ(at(2 + 3 + 6, 2 + 3), 32897);
    EXPECT_NE(at(2 + 3 + 6, 2 + 3), kCheckMaskColor);
}

}  // namespace
}  // namespace vd
