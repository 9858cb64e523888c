// The flat scroll bar in a real window: the repeat of a held button, thumb
// dragging, its value rules through the control, and the pixels of its parts.
#include <gtest/gtest.h>

#include <vector>

#include "controls/xp_scroll_bar.h"
#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::Mouse;
using test::Rgb;
using test::RgbOfColor;

constexpr TColor kFill = RGB(238, 244, 253), kBorder = RGB(144, 170, 181), kArrow = RGB(25, 85, 95),
                 kGrip = RGB(200, 0, 0);

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);
        form = test::NewBorderlessForm(100, 100, 200, 200);
        bar = new TXPScrollBar(form);
        bar->SetParent(form);
        bar->SetKind(sbVertical);
        bar->SetBounds(10, 10, 16, 163);  // the memo's bar: buttons 18, track 127
        bar->SetColor(kFill);
        bar->SetBorderColor(kBorder);
        bar->SetArrowColor(kArrow);
        bar->SetBarColor(kGrip);
        bar->OnScroll = [this](TObject*, TScrollCode code, int& pos) {
            EXPECT_EQ(code, scPosition);
            scrolls.push_back(pos);
        };
        bar->OnChange = [this](TObject*) { ++changes; };
        h = bar->Handle();  // in the hidden form: the messages are sent
        test::Pump();
    }
    void TearDown() override {
        ReleaseCapture();
        delete form;
        test::Pump();
    }

    TForm* form = nullptr;
    TXPScrollBar* bar = nullptr;
    HWND h = nullptr;
    std::vector<int> scrolls;
    int changes = 0;
};

TEST_F(ScrollBarTest, HeldButtonRepeatsEvery50msUntilThePointerSlidesOff) {
    Mouse(h, WM_LBUTTONDOWN, 8, 155, MK_LBUTTON);
    EXPECT_TRUE(bar->MouseIsDown());
    EXPECT_EQ(bar->MouseDownAt(), saBtnArrowUp);
    EXPECT_EQ(bar->Position(), 0);  // the first step waits for the first tick
    const DWORD start = GetTickCount();
    test::Pump(520);
    const int steps = bar->Position();
    const int ticks = static_cast<int>(GetTickCount() - start) / 50;
    EXPECT_GE(steps, 3);
    EXPECT_LE(steps, ticks);
    // Each step one SmallChange: every position was reported.
    ASSERT_EQ(static_cast<int>(scrolls.size()), steps);
    for (int i = 0; i < steps; ++i) EXPECT_EQ(scrolls[i], i + 1);
    EXPECT_EQ(changes, steps);

    Mouse(h, WM_MOUSEMOVE, 8, 100, MK_LBUTTON);  // onto the track
    test::Pump(120);
    EXPECT_FALSE(bar->Repeating());
    const int stopped = bar->Position();
    EXPECT_LE(stopped, steps + 2);
    test::Pump(150);
    EXPECT_EQ(bar->Position(), stopped);
    Mouse(h, WM_LBUTTONUP, 8, 100);
    EXPECT_FALSE(bar->MouseIsDown());
    EXPECT_EQ(bar->MouseDownAt(), saNone);
}

TEST_F(ScrollBarTest, DraggingTheThumbToTheTrackEndGivesMax) {
    bar->SetMax(37);
    Mouse(h, WM_LBUTTONDOWN, 8, 25, MK_LBUTTON);  // 7 pixels into the thumb
    EXPECT_EQ(bar->MouseDownAt(), saScroller);
    EXPECT_FALSE(bar->Repeating());
    Mouse(h, WM_MOUSEMOVE, 8, 25 + 56, MK_LBUTTON);
    EXPECT_EQ(bar->Position(), 18);  // 37 * 56 / 112 = 18.5, to even
    Mouse(h, WM_MOUSEMOVE, 8, 25 + 112, MK_LBUTTON);
    EXPECT_EQ(bar->Position(), 37);
    EXPECT_EQ(bar->Layout().Area(saScroller).Bottom, 145);
    // Far beyond the bar, and whatever the leaving pointer reports meanwhile.
    Mouse(h, WM_MOUSEMOVE, 60, 400, MK_LBUTTON);
    test::Pump(100);
    EXPECT_EQ(bar->Position(), 37);
    Mouse(h, WM_LBUTTONUP, 60, 400);
    EXPECT_EQ(bar->Position(), 37);
    EXPECT_FALSE(bar->MouseIsDown());
}

TEST_F(ScrollBarTest, ValueRulesThroughTheControl) {
    bar->SetPosition(40);
    scrolls.clear();
    bar->SetEnabled(false);  // back to 0 first, while still enabled
    EXPECT_EQ(scrolls, std::vector<int>{0});
    bar->SetPosition(30);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(scrolls.size(), 1u);
    bar->SetEnabled(true);
    bar->SetSmallChange(5);  // not below LargeChange (5): ignored
    EXPECT_EQ(bar->SmallChange(), 1);
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 100);
}

TEST_F(ScrollBarTest, PartsArePaintedInTheirColours) {
    const uint32_t fill = RgbOfColor(kFill), border = RgbOfColor(kBorder), arrow = RgbOfColor(kArrow),
                   grip = RgbOfColor(kGrip);
    auto bmp = test::Render(*bar);
    EXPECT_EQ(Rgb(*bmp, 0, 0), border);    // first button's frame
    EXPECT_EQ(Rgb(*bmp, 7, 7), arrow);     // its arrow's tip
    EXPECT_EQ(Rgb(*bmp, 3, 10), fill);     // beside the arrow
    EXPECT_EQ(Rgb(*bmp, 7, 155), arrow);   // the second arrow's tip, at the bottom
    EXPECT_EQ(Rgb(*bmp, 4, 22), grip);     // first grip line of the thumb (18..33)
    EXPECT_EQ(Rgb(*bmp, 4, 23), fill);
    EXPECT_EQ(Rgb(*bmp, 12, 22), fill);    // grip lines end 4 pixels from the edge
    EXPECT_EQ(Rgb(*bmp, 0, 100), border);  // long edges of the track
    EXPECT_EQ(Rgb(*bmp, 15, 100), border);
    EXPECT_EQ(Rgb(*bmp, 8, 100), fill);

    // OnPaint skips a part: the first button shows only the bar's colour.
    bar->OnPaint = [](TObject*, bool& cont, TXPScrollbarArea a) { cont = a != saBtnArrowDown; };
    bmp = test::Render(*bar);
    EXPECT_EQ(Rgb(*bmp, 7, 7), fill);
    EXPECT_EQ(Rgb(*bmp, 0, 0), fill);
    bar->OnPaint = nullptr;

    // Disabled: no thumb, the track runs through its place.
    bar->SetEnabled(false);
    bmp = test::Render(*bar);
    EXPECT_EQ(Rgb(*bmp, 4, 22), fill);
    EXPECT_EQ(Rgb(*bmp, 5, 18), fill);  // no thumb frame
    EXPECT_EQ(Rgb(*bmp, 0, 25), border);
}

}  // namespace
}  // namespace vd
