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
    test::TPixelRows rows = test::BlankRows(30, 9);
    rows[3] = rows[8] = std::string(30, '#');
    for (int y = 4; y < 8; ++y) rows[y] = "#............................#";
    EXPECT_EQ(Frame(brFull, false, false), rows);
    EXPECT_EQ(Frame(brFull, true, false), rows);  // TopLineFull only matters with a caption
    // Open from L + 6 through L + tw + 12 = 20 (the end point is not drawn).
    rows[3] = "######...............#########";
    EXPECT_EQ(Frame(brFull, false, true), rows);
    EXPECT_EQ(Frame(brFull, true, true), rows);
}

TEST(GroupBoxFrame, TopLineOnlyAndTheCaptionPlace) {
    test::TPixelRows rows = test::BlankRows(30, 9);
    rows[3] = "#############################.";  // stops short of R - 1
    EXPECT_EQ(Frame(brOnlyTopLine, false, false), rows);
    rows[3] = ".....................#########";  // from R - 1 back to L + tw + 13
    EXPECT_EQ(Frame(brOnlyTopLine, false, true), rows);
    rows[3] = ".#####...............#########";  // the short piece leaves L itself out
    EXPECT_EQ(Frame(brOnlyTopLine, true, true), rows);
    // th div 2 below the client top; the caption 10 pixels in from each side.
    EXPECT_EQ(GroupBoxFrameLines(brOnlyTopLine, false, false, TBox{2, 4, 40, 20}, 0, 13)[0][0], (TFramePoint{2, 10}));
    EXPECT_EQ(GroupBoxCaptionRect(TBox{0, 0, 185, 105}, 13), (TBox{10, 0, 175, 13}));
}

}  // namespace
}  // namespace vd
