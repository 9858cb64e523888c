#include "controls/model/group_box_frame.h"

#include <gtest/gtest.h>

#include "tests/controls/line_raster.h"

namespace vd {
namespace {

// A 30 x 9 group box, caption 8 pixels wide and 6 high: the line at y = 3.
test::TPixelRows Frame(TGroupBoxBorder border, bool topLineFull, bool caption) {
    test::TPixelRows rows = test::BlankRows(30, 9);
    for (const TFramePolyline& line : GroupBoxFrameLines(border, topLineFull, caption, TBox{0, 0, 30, 9}, 8, 6))
        test::RasterPolyline(rows, line);
    return rows;
}

TEST(GroupBoxFrame, FullFrameClosedOrOpenOverTheCaption) {
    const test::TPixelRows closed = {
        "..............................",  //
        "..............................",  //
        "..............................",  //
        "##############################",  //
        "#............................#",  //
        "#............................#",  //
        "#............................#",  //
        "#............................#",  //
        "##############################",  //
    };
    EXPECT_EQ(Frame(brFull, false, false), closed);
    EXPECT_EQ(Frame(brFull, true, false), closed);  // TopLineFull only matters with a caption
    // Open from L + 6 through L + tw + 12 = 20 (the end point is not drawn).
    test::TPixelRows open = closed;
    open[3] = "######...............#########";
    EXPECT_EQ(Frame(brFull, false, true), open);
    EXPECT_EQ(Frame(brFull, true, true), open);
}

TEST(GroupBoxFrame, TopLineOnly) {
    test::TPixelRows rows = test::BlankRows(30, 9);
    rows[3] = "#############################.";  // stops short of R - 1
    EXPECT_EQ(Frame(brOnlyTopLine, false, false), rows);
    rows[3] = ".....................#########";  // from R - 1 back to L + tw + 13
    EXPECT_EQ(Frame(brOnlyTopLine, false, true), rows);
    rows[3] = ".#####...............#########";  // the short piece leaves L itself out
    EXPECT_EQ(Frame(brOnlyTopLine, true, true), rows);
}

TEST(GroupBoxFrame, LineHeightAndCaptionPlaceFollowTheClientBox) {
    auto lines = GroupBoxFrameLines(brFull, false, false, TBox{2, 4, 40, 20}, 0, 13);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].front(), (TFramePoint{2, 4 + 6}));
    EXPECT_EQ(lines[0][2], (TFramePoint{39, 19}));
    EXPECT_EQ(GroupBoxCaptionRect(TBox{0, 0, 185, 105}, 13), (TBox{10, 0, 175, 13}));
}

}  // namespace
}  // namespace vd
