// The flat check box in real windows: box, tick and caption pixels, mouse,
// keys and focus through window messages, the shared hover timer, and the
// see-through box over a skinned panel.
#include <gtest/gtest.h>

#include "controls/xp_check_box.h"
#include "controls/xp_panel.h"
#include "tests/controls/line_raster.h"
#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::kSkinBorder;
using test::Rgb;
using test::RgbOf;
using test::RgbOfColor;

const uint32_t kTick = RgbOf(67, 182, 5);
const TColor kFill = RGB(60, 60, 60);

class CheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);  // away from the window
        form = test::NewBorderlessForm(100, 100, 300, 120);
        panel = new TXPPanel(form);
        panel->SetBevelOuter(TBevelCut::bvNone);
        panel->SetAlign(TAlign::alClient);
        panel->SetColor(RGB(10, 20, 30));
        panel->SetParent(form);
        a = NewBox(10, 10, "&Agree", clicksA);
        b = NewBox(10, 40, "&Boxes", clicksB);
    }
    void TearDown() override {
        ReleaseCapture();
        delete form;
        test::Pump();
    }
    // Mouse, focus and hover need the window on the screen and active.
    void ShowForm() {
        form->Show();
        test::Pump();
    }
    // A box in the wizard's stored look.
    TXPCheckBox* NewBox(int left, int top, const std::string& caption, int& clicks) {
        auto* box = new TXPCheckBox(form);
        box->SetBounds(left, top, 212, 17);
        box->SetColor(clWhite);
        box->SetColorDown(16643306);
        box->SetColorCheck(374339);
        box->SetColorBorder(11905680);
        box->SetCaption(caption);
        box->SetParent(panel);
        box->OnClick = [&clicks](TObject*) { ++clicks; };
        box->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++mouseEvents; };
        box->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { ++mouseEvents; };
        return box;
    }
    static void Msg(TXPCheckBox* box, UINT msg, int x = 5, int y = 8, WPARAM keys = 0) {
        test::Mouse(box->Handle(), msg, x, y, keys);
    }
    static void Click(TXPCheckBox* box) {
        Msg(box, WM_MOUSEMOVE);
        Msg(box, WM_LBUTTONDOWN, 5, 8, MK_LBUTTON);
        Msg(box, WM_LBUTTONUP);
    }
    // The rendered box as rows: 'B' border, '#' tick, '.' fill, '?' other.
    static test::TPixelRows BoxPixels(TXPCheckBox* box, uint32_t tick, uint32_t fill) {
        auto bmp = test::Render(*box);
        TRect r = box->BoxRect();
        test::TPixelRows rows = test::BlankRows(11, 11);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 11; ++x) {
                uint32_t c = Rgb(*bmp, r.Left + x, r.Top + y);
                rows[y][x] = c == kSkinBorder ? 'B' : c == tick ? '#' : c == fill ? '.' : '?';
            }
        return rows;
    }
    static test::TPixelRows ExpectedBox(bool ticked) {
        test::TPixelRows rows = test::BlankRows(11, 11);
        if (ticked)
            for (const TLineSegment& s : CheckTickSegments(0, 0)) test::RasterLine(rows, s.X1, s.Y1, s.X2, s.Y2);
        for (int i = 0; i < 11; ++i) rows[0][i] = rows[10][i] = rows[i][0] = rows[i][10] = 'B';
        return rows;
    }

    TForm* form = nullptr;
    TXPPanel* panel = nullptr;
    TXPCheckBox *a = nullptr, *b = nullptr;
    int clicksA = 0, clicksB = 0, mouseEvents = 0;
};

TEST_F(CheckBoxTest, BoxTickAndBorderPixelsInEveryState) {
    ShowForm();
    EXPECT_EQ(BoxPixels(a, kTick, 0xFFFFFF), ExpectedBox(false));
    a->SetChecked(true);
    EXPECT_EQ(BoxPixels(a, kTick, 0xFFFFFF), ExpectedBox(true));
    a->SetColorFocused(RGB(250, 240, 230));
    Msg(a, WM_MOUSEMOVE);
    EXPECT_EQ(BoxPixels(a, kTick, RgbOf(250, 240, 230)), ExpectedBox(true));  // hot
    Msg(a, WM_LBUTTONDOWN, 5, 8, MK_LBUTTON);
    EXPECT_EQ(BoxPixels(a, kTick, RgbOf(234, 244, 253)), ExpectedBox(true));  // pressed
}

TEST_F(CheckBoxTest, ClickTogglesOnceRedrawsOnlyTheBoxAndOtherButtonsDoNothing) {
    ShowForm();
    RECT r;
    ASSERT_FALSE(GetUpdateRect(a->Handle(), &r, FALSE));
    for (UINT m : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}) Msg(a, m);
    EXPECT_FALSE(a->Checked() || a->Pressed());
    EXPECT_EQ(mouseEvents, 0);
    Click(a);
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(clicksA, 1);
    EXPECT_EQ(mouseEvents, 2);
    EXPECT_TRUE(a->Focused());
    ASSERT_TRUE(GetUpdateRect(a->Handle(), &r, FALSE));
    EXPECT_EQ((TRect{r.left, r.top, r.right, r.bottom}), a->BoxRect());
    a->SetChecked(true);  // the same value raises nothing
    EXPECT_EQ(clicksA, 1);
    // A quick second press is a press like any other.
    Msg(a, WM_LBUTTONDBLCLK, 5, 8, MK_LBUTTON);
    Msg(a, WM_LBUTTONUP);
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(clicksA, 2);
}

TEST_F(CheckBoxTest, OneHotBoxHandedOverCooledByTheTimerAndByFocusLoss) {
    ShowForm();
    Msg(a, WM_MOUSEMOVE);
    ASSERT_TRUE(a->Hot());
    EXPECT_TRUE(TXPCheckBox::HoverTimer()->Running());
    EXPECT_EQ(TXPCheckBox::HoverTimer()->Interval(), 100u);
    Msg(b, WM_MOUSEMOVE);  // straight onto the other box: no tick needed
    EXPECT_FALSE(a->Hot());
    EXPECT_TRUE(b->Hot());
    EXPECT_EQ(TXPCheckBox::HotBox(), b);
    SetCursorPos(0, 0);  // leaves without another message
    test::Pump(250);
    EXPECT_FALSE(b->Hot());
    EXPECT_FALSE(TXPCheckBox::HoverTimer()->Running());
    EXPECT_EQ(BoxPixels(b, kTick, 0xFFFFFF), ExpectedBox(false));
    // Losing the focus cools the box under the cursor; the mouse warms it again.
    Click(a);
    b->SetFocus();
    EXPECT_FALSE(a->Hot());
    Msg(a, WM_MOUSEMOVE, 6, 8);
    EXPECT_TRUE(a->Hot());
}

TEST_F(CheckBoxTest, ReleaseAfterDraggingOutsideTogglesAndANeverHotBoxDoesNot) {
    ShowForm();
    Msg(a, WM_MOUSEMOVE);
    Msg(a, WM_LBUTTONDOWN, 5, 8, MK_LBUTTON);
    Msg(a, WM_MOUSEMOVE, -40, 30, MK_LBUTTON);  // captured: still ours
    test::Pump(250);                            // ticks pass; pressed stays hot
    Msg(a, WM_LBUTTONUP, -40, 30);
    EXPECT_TRUE(a->Checked());
    test::Pump(250);
    EXPECT_FALSE(a->Hot());
    SetCursorPos(0, 0);
    SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(b->Focused());
}

TEST_F(CheckBoxTest, SpaceAndAccelerator) {
    ShowForm();
    a->SetFocus();
    PostMessageW(a->Handle(), WM_CHAR, L' ', 1);
    PostMessageW(a->Handle(), WM_SYSCHAR, L'b', 1);
    Application().ProcessMessages();
    EXPECT_TRUE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(b->Focused());
    a->SetEnabled(false);  // a disabled box takes neither
    PostMessageW(b->Handle(), WM_SYSCHAR, L'a', 1);
    Application().ProcessMessages();
    EXPECT_EQ(clicksA, 1);
    EXPECT_EQ(clicksB, 1);
}

TEST_F(CheckBoxTest, DisabledCheckedBoxIsGreyEmbossedAndDead) {
    ShowForm();
    a->SetColor(kFill);
    a->SetChecked(true);
    Msg(a, WM_MOUSEMOVE);
    a->SetEnabled(false);
    EXPECT_EQ(TXPCheckBox::HotBox(), nullptr);
    const uint32_t shadow = RgbOfColor(GetSysColor(COLOR_BTNSHADOW));
    const uint32_t highlight = RgbOfColor(GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(BoxPixels(a, shadow, RgbOfColor(kFill)), ExpectedBox(true));
    // Caption: a highlight copy under a shadow copy.
    auto bmp = test::Render(*a);
    int ink[2] = {0, 0};
    for (int y = 1; y < 17; ++y)
        for (int x = 16; x < 212; ++x) {
            ink[0] += Rgb(*bmp, x, y) == shadow;
            ink[1] += Rgb(*bmp, x, y) == highlight;
        }
    EXPECT_GT(ink[0], 10);
    EXPECT_GT(ink[1], 5);
    Click(a);  // messages that still reach the window change nothing
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(mouseEvents, 0);
}

TEST_F(CheckBoxTest, RightLayoutFromTheReadingDirection) {
    a->SetColor(kFill);
    a->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(a->Layout(), checkboxRight);
    auto bmp = test::Render(*a);
    EXPECT_EQ(a->BoxRect(), (TRect{200, 3, 211, 14}));
    EXPECT_EQ(Rgb(*bmp, 210, 8), kSkinBorder);
    EXPECT_EQ(Rgb(*bmp, 211, 8), RgbOfColor(kFill));  // 1 pixel from the right edge
    int right = -1;  // the caption is right-aligned and ends before W - 16
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 199; ++x)
            if (Rgb(*bmp, x, y) != RgbOfColor(kFill)) right = std::max(right, x);
    EXPECT_LE(right, 195);
    EXPECT_GE(right, 188);
}

TEST_F(CheckBoxTest, TransparentBoxShowsTheSkinnedPanel) {
    auto pattern = test::TilePattern();
    panel->BackgroundOptions().Picture().SetGraphic(pattern.get());
    a->SetCaption("");
    a->SetTransparent(true);
    auto bmp = test::Render(*a);
    for (int x : {0, 12, 50, 211})
        for (int y : {0, 2, 16})
            ASSERT_EQ(Rgb(*bmp, x, y), test::TilePixel(a->Left() + x, a->Top() + y)) << x << "," << y;
    EXPECT_EQ(BoxPixels(a, kTick, 0xFFFFFF), ExpectedBox(false));
}

TEST_F(CheckBoxTest, AdvancedColoursFollowTheParent) {
    a->SetUseAdvColors(true);
    EXPECT_TRUE(a->ParentColor());
    const TColor base = RGB(200, 220, 240);
    panel->SetColor(base);
    EXPECT_EQ(a->ColorFocused(), ShiftColorLightness(base, 0, 10, TLightnessShift::Lighter, LookupSysColor));
    EXPECT_EQ(a->ColorDown(), ShiftColorLightness(base, 0, 10, TLightnessShift::Darker, LookupSysColor));
    EXPECT_EQ(a->ColorBorder(), ShiftColorLightness(base, 0, 50, TLightnessShift::Darker, LookupSysColor));
}

TEST(CheckBoxTimerTest, DefaultsAndOneTimerFromTheFirstBoxToTheLast) {
    ASSERT_EQ(TXPCheckBox::HoverTimer(), nullptr);
    auto* first = new TXPCheckBox(nullptr);
    EXPECT_EQ(first->Width(), 121);
    EXPECT_TRUE(first->TabStop() && first->ParentColor());
    EXPECT_EQ(first->ColorBorder(), 15902253);
    TTimer* t = TXPCheckBox::HoverTimer();
    ASSERT_NE(t, nullptr);
    EXPECT_FALSE(t->Running());
    auto* second = new TXPCheckBox(nullptr);
    delete first;
    EXPECT_EQ(TXPCheckBox::HoverTimer(), t);
    delete second;
    EXPECT_EQ(TXPCheckBox::HoverTimer(), nullptr);
}

}  // namespace
}  // namespace vd
