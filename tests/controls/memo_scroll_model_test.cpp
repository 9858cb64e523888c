#include "controls/model/memo_scroll_model.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(MemoScrollModelTest, LineCount) {
    EXPECT_EQ(MemoLineCount(1, 0, false), 0);  // ""
    EXPECT_EQ(MemoLineCount(1, 3, false), 1);  // "abc"
    EXPECT_EQ(MemoLineCount(2, 0, true), 2);   // "abc\r\n"
    EXPECT_EQ(MemoLineCount(3, 1, false), 3);  // "a\r\n\r\nb"
}

TEST(MemoScrollModelTest, RangeFromTheLineHeight) {
    // The wizard's memo: 161 client pixels, lines of 14.
    TMemoScrollRange r = MemoScrollRange(161, 14, 11);
    EXPECT_EQ(r.Visible, 11);
    EXPECT_FALSE(r.Enabled);
    r = MemoScrollRange(161, 14, 80);
    EXPECT_TRUE(r.Enabled);
    EXPECT_EQ(r.Max, 69);
    r = MemoScrollRange(2, 14, 1);  // (2 - 3) div 14 is 0
    EXPECT_EQ(r.Visible, 0);
    EXPECT_EQ(r.Max, 1);
    EXPECT_EQ(MemoScrollRange(20, 0, 5).Visible, 17);  // no zero division
}

TEST(MemoScrollModelTest, CaretCharacterOfASelection) {
    EXPECT_EQ(CaretCharOfSelection(7, 7, 100), 7);
    EXPECT_EQ(CaretCharOfSelection(10, 50, 49), 50);
    EXPECT_EQ(CaretCharOfSelection(10, 50, 12), 10);
    // Past 65535 characters only the low 16 bits of the caret are known.
    EXPECT_EQ(CaretCharOfSelection(5, 70000, 70000 & 0xFFFF), 70000);
    EXPECT_EQ(CaretCharOfSelection(65530, 65540, 65540 & 0xFFFF), 65540);
    EXPECT_EQ(CaretCharOfSelection(65530, 65540, 65530), 65530);
}

TEST(MemoScrollModelTest, CaretLineIntoView) {
    // 30 lines, 10 visible: Max 20.
    int last = 0;
    EXPECT_EQ(BarPositionForCaretLine(0, 30, 5, 20, last), 5);  // same line as last time
    EXPECT_EQ(BarPositionForCaretLine(3, 30, 5, 20, last), 3);  // above the view
    EXPECT_EQ(last, 3);
    EXPECT_EQ(BarPositionForCaretLine(14, 30, 5, 20, last), 5);  // in view
    EXPECT_EQ(BarPositionForCaretLine(15, 30, 5, 20, last), 6);  // just below: last line shown
    EXPECT_EQ(BarPositionForCaretLine(99, 30, 5, 20, last), 20);
    EXPECT_EQ(last, 29);
    EXPECT_EQ(BarPositionForCaretLine(-4, 30, 5, 20, last), 0);
    EXPECT_EQ(last, 0);
}

}  // namespace
}  // namespace vd
