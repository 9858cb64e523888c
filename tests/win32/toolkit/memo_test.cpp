// The memo's lines, scrolling and formatting rectangle, its word-wrap switch
// on a live window, its change event, and how a control framed by the
// system renders its windowed children.
#include <gtest/gtest.h>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

namespace vd {
namespace {

std::string NumberedLines(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? "\r\n" : "") + std::string("line ") + std::to_string(i);
    return s;
}

struct MemoOnForm : ::testing::Test {
    void SetUp() override {
        form.SetBounds(0, 0, 300, 200);
        memo = new TMemo(&form);
        memo->SetParent(&form);
        memo->SetBounds(0, 0, 200, 100);
        memo->OnChange = [this](TObject*) { ++changes; };
    }
    TForm form{nullptr};
    TMemo* memo = nullptr;
    int changes = 0;
};

TEST_F(MemoOnForm, LinesScrollingAndFormattingRect) {
    memo->SetText(NumberedLines(30));
    EXPECT_EQ(memo->LineCount(), 30);
    EXPECT_EQ(memo->LineLength(12), 7);
    EXPECT_EQ(memo->LineFromChar(6 + 8 * 2), 2);  // "line 0\r\n" then "line 1\r\n"
    EXPECT_EQ(memo->TopLine(), 0);
    memo->ScrollToLine(5);
    EXPECT_EQ(memo->TopLine(), 5);
    memo->ScrollToLine(2);
    EXPECT_EQ(memo->TopLine(), 2);
    // The edit keeps its frame and margins inside the rectangle it is given.
    EXPECT_GT(memo->FormattingRect().Right, 160);
    memo->SetFormattingRect(TRect{3, 0, 150, 60}, false);
    const TRect r = memo->FormattingRect();
    EXPECT_GE(r.Left, 3);
    EXPECT_LE(r.Left, 8);
    EXPECT_LE(r.Right, 150);
    EXPECT_GE(r.Right, 144);
    EXPECT_LE(r.Bottom, 60);
}

TEST_F(MemoOnForm, TextSetOnALiveWindowRaisesOnChangeOnce) {
    memo->HandleNeeded();
    memo->SetText("a\r\nb");
    EXPECT_EQ(changes, 1);
    memo->SetText("a\r\nb");  // the same text: no change
    EXPECT_EQ(changes, 1);
}

TEST_F(MemoOnForm, WordWrapSwitchRecreatesTheWindowWithTheText) {
    std::string words;
    for (int i = 0; i < 40; ++i) words += "word ";
    memo->SetText(words);
    EXPECT_GT(memo->LineCount(), 1);
    memo->SetWordWrap(false);
    EXPECT_TRUE(memo->HandleAllocated());
    EXPECT_EQ(memo->LineCount(), 1);
    EXPECT_EQ(memo->Text(), words);
    EXPECT_NE(GetWindowLongW(memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL, 0);
    memo->SetWordWrap(true);
    EXPECT_GT(memo->LineCount(), 1);
}

TEST_F(MemoOnForm, WindowedChildOfAFramedSystemControlRendersInsideTheFrame) {
    memo->HandleNeeded();
    auto* panel = new TPanel(&form);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(RGB(255, 0, 0));
    panel->SetBounds(0, 0, 20, 20);
    panel->SetParent(memo);
    auto* edge = new TPanel(&form);  // partly beyond the client area
    edge->SetBevelOuter(TBevelCut::bvNone);
    edge->SetColor(RGB(0, 0, 255));
    edge->SetBounds(memo->ClientWidth() - 5, 40, 20, 20);
    edge->SetParent(memo);
    POINT origin{0, 0};
    RECT wr{};
    ClientToScreen(memo->Handle(), &origin);
    GetWindowRect(memo->Handle(), &wr);
    const int frame = origin.x - wr.left;
    ASSERT_GT(frame, 0);
    ASSERT_EQ(origin.y - wr.top, frame);
    auto bmp = test::Render(*memo);
    EXPECT_EQ(test::Rgb(*bmp, frame, frame), test::RgbOf(255, 0, 0));
    EXPECT_NE(test::Rgb(*bmp, 0, 0), test::RgbOf(255, 0, 0));
    EXPECT_EQ(test::Rgb(*bmp, frame + memo->ClientWidth() - 1, 45), test::RgbOf(0, 0, 255));
    EXPECT_NE(test::Rgb(*bmp, memo->Width() - 1, 45), test::RgbOf(0, 0, 255));
}

}  // namespace
}  // namespace vd
