#include "slideshow/surface.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(Surface, RowsAreStoredBottomUp) {
    TSurface s(3, 2);
    s.At(0, 0) = 0x11;  // top-left
    s.At(2, 1) = 0x22;  // bottom-right
    EXPECT_EQ(s.Bits()[3], 0x11u);  // storage row 1 is image row 0
    EXPECT_EQ(s.Bits()[2], 0x22u);
    EXPECT_TRUE(s.Contains(2, 1));
    EXPECT_FALSE(s.Contains(3, 0));
    EXPECT_FALSE(s.Contains(0, -1));
}

TEST(Surface, CopiesOwnTheirPixels) {
    uint32_t memory[4] = {1, 2, 3, 4};
    TSurface view(2, 2, memory);
    EXPECT_TRUE(view.IsBorrowed());
    TSurface copy(view);
    EXPECT_FALSE(copy.IsBorrowed());
    copy.At(0, 0) = 99;
    EXPECT_EQ(memory[2], 3u);  // the borrowed memory is untouched
}

// Assigning a picture to a bitmap's view must land in the bitmap's memory,
// not in a private buffer the screen never sees.
TEST(Surface, AssignmentIntoABorrowedViewOfTheSameSizeWritesThrough) {
    uint32_t memory[4] = {0, 0, 0, 0};
    TSurface view(2, 2, memory);
    TSurface picture(2, 2);
    picture.At(1, 0) = 0xABCDEF;
    view = picture;
    EXPECT_TRUE(view.IsBorrowed());
    EXPECT_EQ(view.Bits(), memory);
    EXPECT_EQ(memory[3], 0xABCDEFu);
    // Another size cannot fit the borrowed memory: the view takes its own.
    TSurface larger(3, 3);
    view = larger;
    EXPECT_FALSE(view.IsBorrowed());
    EXPECT_EQ(view.Width(), 3);
    EXPECT_EQ(memory[3], 0xABCDEFu);
}

}  // namespace
}  // namespace vd
