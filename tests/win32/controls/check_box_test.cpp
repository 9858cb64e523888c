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

using test::Rgb;
using test::RgbOf;
using test::RgbOfColor;

const TColor kPanelColor = RGB(10, 20, 30);
const TColor kFill = RGB(60, 60, 60);

uint32_t Sys(int index) { return RgbOfColor(GetSysColor(index)); }

class CheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);  // away from the window
        form = new TForm(nullptr);
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(100, 100, 300, 120);
        panel = new TXPPanel(form);
        panel->SetBevelOuter(TBevelCut::bvNone);
        panel->SetAlign(TAlign::alClient);
        panel->SetColor(kPanelColor);
        panel->SetParent(form);
        a = NewBox(10, 10, "&Agree");
        b = NewBox(10, 40, "&Boxes");
    }
    // Mouse, focus and hover need the window on the screen and active.
    void ShowForm() {
        form->Show();
        test::Pump();
    }
    void TearDown() override {
        ReleaseCapture();
        delete form;
        test::Pump();
    }
    // A box in the wizard's stored look on the panel.
    TXPCheckBox* NewBox(int left, int top, const std::string& caption) {
        auto* box = new TXPCheckBox(form);
        box->SetBounds(left, top, 212, 17);
        box->SetColor(clWhite);
        box->SetColorDown(16643306);
        box->SetColorCheck(374339);
        box->SetColorBorder(11905680);
        box->SetCaption(caption);
        box->SetParent(panel);
        box->OnClick = [this, box](TObject*) { ++(box == a ? clicksA : clicksB); };
        box->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++mouseEvents; };
        box->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { ++mouseEvents; };
        return box;
    }
    static void Msg(TXPCheckBox* box, UINT msg, int x, int y, WPARAM keys = 0) {
        test::Mouse(box->Handle(), msg, x, y, keys);
    }
    static void Click(TXPCheckBox* box, int x = 5, int y = 8) {
        Msg(box, WM_MOUSEMOVE, x, y);
        Msg(box, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        Msg(box, WM_LBUTTONUP, x, y);
    }
    // The fill colour in the middle of the box (a pixel the tick leaves out).
    static uint32_t BoxFill(TXPCheckBox* box) {
        auto bmp = test::Render(*box);
        TRect r = box->BoxRect();
        return Rgb(*bmp, r.Left + 5, r.Top + 1);
    }
    // The box as rows: 'B' border, '#' tick, '.' fill, '?' anything else.
    static test::TPixelRows BoxPixels(TBitmap& bmp, const TRect& r, uint32_t border, uint32_t tick,
                                      uint32_t fill) {
        test::TPixelRows rows = test::BlankRows(11, 11);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 11; ++x) {
                uint32_t c = Rgb(bmp, r.Left + x, r.Top + y);
                rows[y][x] = c == border ? 'B' : c == tick ? '#' : c == fill ? '.' : '?';
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
    // Bounding columns of pixels in `r` that are neither of the two colours.
    static std::pair<int, int> InkColumns(TBitmap& bmp, const TRect& r, uint32_t bg1, uint32_t bg2) {
        int lo = 1 << 30, hi = -1;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                uint32_t c = Rgb(bmp, x, y);
                if (c == bg1 || c == bg2) continue;
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
        return {lo, hi};
    }

    TForm* form = nullptr;
    TXPPanel* panel = nullptr;
    TXPCheckBox *a = nullptr, *b = nullptr;
    int clicksA = 0, clicksB = 0, mouseEvents = 0;
};

TEST_F(CheckBoxTest, BoxTickAndBorderPixelsInEveryState) {
    ShowForm();
    const uint32_t border = RgbOf(144, 170, 181), tick = RgbOf(67, 182, 5);
    a->SetCaption("");
    auto bmp = test::Render(*a);
    EXPECT_EQ(BoxPixels(*bmp, a->BoxRect(), border, tick, 0xFFFFFF), ExpectedBox(false));
    EXPECT_EQ(a->BoxRect(), (TRect{1, 3, 12, 14}));
    EXPECT_EQ(Rgb(*bmp, 0, 3), 0xFFFFFFu);  // Color around the box
    EXPECT_EQ(Rgb(*bmp, 12, 14), 0xFFFFFFu);
    a->SetChecked(true);
    bmp = test::Render(*a);
    EXPECT_EQ(BoxPixels(*bmp, a->BoxRect(), border, tick, 0xFFFFFF), ExpectedBox(true));

    // Hot fills with ColorFocused, pressed with ColorDown.
    a->SetColorFocused(RGB(250, 240, 230));
    Msg(a, WM_MOUSEMOVE, 5, 8);
    ASSERT_TRUE(a->Hot());
    EXPECT_EQ(BoxFill(a), RgbOf(250, 240, 230));
    Msg(a, WM_LBUTTONDOWN, 5, 8, MK_LBUTTON);
    bmp = test::Render(*a);
    EXPECT_EQ(BoxPixels(*bmp, a->BoxRect(), border, tick, RgbOf(234, 244, 253)), ExpectedBox(true));
}

TEST_F(CheckBoxTest, ClickTogglesOnceAndRedrawsOnlyTheBox) {
    ShowForm();
    RECT r;
    ASSERT_FALSE(GetUpdateRect(a->Handle(), &r, FALSE));
    Click(a);
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(clicksA, 1);
    EXPECT_EQ(mouseEvents, 2);
    EXPECT_TRUE(a->Focused());
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_TRUE(GetUpdateRect(a->Handle(), &r, FALSE));
    EXPECT_EQ((TRect{r.left, r.top, r.right, r.bottom}), a->BoxRect());
    // The same value again raises nothing.
    a->SetChecked(true);
    EXPECT_EQ(clicksA, 1);
    // A quick second press counts as a press: the box toggles back.
    Msg(a, WM_LBUTTONDBLCLK, 5, 8, MK_LBUTTON);
    Msg(a, WM_LBUTTONUP, 5, 8);
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(clicksA, 2);
    EXPECT_EQ(clicksB, 0);
}

TEST_F(CheckBoxTest, OtherButtonsDoNothing) {
    ShowForm();
    Msg(a, WM_MOUSEMOVE, 5, 8);
    for (UINT m : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}) Msg(a, m, 5, 8);
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(a->Pressed());
    EXPECT_EQ(clicksA, 0);
    EXPECT_EQ(mouseEvents, 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(CheckBoxTest, OneHotBoxHandedOverAndCooledWithinATimerPeriod) {
    ShowForm();
    Msg(a, WM_MOUSEMOVE, 5, 8);
    ASSERT_TRUE(a->Hot());
    EXPECT_EQ(TXPCheckBox::HotBox(), a);
    ASSERT_NE(TXPCheckBox::HoverTimer(), nullptr);
    EXPECT_TRUE(TXPCheckBox::HoverTimer()->Running());
    EXPECT_EQ(TXPCheckBox::HoverTimer()->Interval(), 100u);
    // Straight onto the other box: handed over at once, no tick needed.
    Msg(b, WM_MOUSEMOVE, 5, 8);
    EXPECT_FALSE(a->Hot());
    EXPECT_TRUE(b->Hot());
    EXPECT_EQ(TXPCheckBox::HotBox(), b);
    // The cursor leaves without another message: the tick cools the box.
    test::Pump(60);
    EXPECT_TRUE(b->Hot());
    SetCursorPos(0, 0);
    test::Pump(250);
    EXPECT_FALSE(b->Hot());
    EXPECT_EQ(TXPCheckBox::HotBox(), nullptr);
    EXPECT_FALSE(TXPCheckBox::HoverTimer()->Running());
    EXPECT_EQ(BoxFill(b), 0xFFFFFFu);
}

TEST_F(CheckBoxTest, FocusLossCoolsTheBoxAndTheMouseWarmsItAgain) {
    ShowForm();
    Click(a);
    ASSERT_TRUE(a->Hot());
    b->SetFocus();  // the cursor stays over a
    EXPECT_FALSE(a->Hot());
    EXPECT_EQ(TXPCheckBox::HotBox(), nullptr);
    Msg(a, WM_MOUSEMOVE, 6, 8);
    EXPECT_TRUE(a->Hot());
    EXPECT_EQ(TXPCheckBox::HotBox(), a);
}

TEST_F(CheckBoxTest, ReleaseAfterDraggingOutsideTogglesAndANeverHotBoxDoesNot) {
    ShowForm();
    Msg(a, WM_MOUSEMOVE, 5, 8);
    Msg(a, WM_LBUTTONDOWN, 5, 8, MK_LBUTTON);
    Msg(a, WM_MOUSEMOVE, -40, 30, MK_LBUTTON);  // captured: still ours
    test::Pump(250);                            // ticks pass; pressed stays hot
    EXPECT_TRUE(a->Hot());
    Msg(a, WM_LBUTTONUP, -40, 30);
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(clicksA, 1);
    test::Pump(250);
    EXPECT_FALSE(a->Hot());

    // Press and release without a move over the box first.
    SetCursorPos(0, 0);
    SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(b->Focused());  // the press took the focus all the same
}

TEST_F(CheckBoxTest, SpaceAndAccelerator) {
    ShowForm();
    a->SetFocus();
    PostMessageW(a->Handle(), WM_CHAR, L' ', 1);
    Application().ProcessMessages();
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(b->Checked());  // Space goes to the focused box only
    PostMessageW(a->Handle(), WM_SYSCHAR, L'b', 1);
    Application().ProcessMessages();
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(clicksB, 1);
    // A disabled box takes neither its accelerator nor Space.
    a->SetEnabled(false);
    PostMessageW(b->Handle(), WM_SYSCHAR, L'a', 1);
    Application().ProcessMessages();
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(clicksA, 1);
}

TEST_F(CheckBoxTest, DisabledCheckedBoxIsGreyEmbossedAndDead) {
    ShowForm();
    a->SetColor(kFill);
    a->SetChecked(true);
    Msg(a, WM_MOUSEMOVE, 5, 8);
    a->SetEnabled(false);
    EXPECT_FALSE(a->Hot());
    EXPECT_EQ(TXPCheckBox::HotBox(), nullptr);
    auto bmp = test::Render(*a);
    const uint32_t shadow = Sys(COLOR_BTNSHADOW), highlight = Sys(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(BoxPixels(*bmp, a->BoxRect(), RgbOf(144, 170, 181), shadow, RgbOfColor(kFill)),
              ExpectedBox(true));
    // Caption: highlight copy one pixel right and down, then the shadow copy.
    int shadowInk = 0, embossed = 0;
    for (int y = 1; y < 16; ++y)
        for (int x = 16; x < 211; ++x)
            if (Rgb(*bmp, x, y) == shadow) {
                ++shadowInk;
                if (Rgb(*bmp, x + 1, y + 1) == highlight || Rgb(*bmp, x + 1, y + 1) == shadow) ++embossed;
            }
    EXPECT_GT(shadowInk, 10);
    EXPECT_GT(embossed, shadowInk / 2);
    // Messages that still reach the window change nothing.
    Click(a);
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(mouseEvents, 0);
}

TEST_F(CheckBoxTest, RightLayoutFromTheReadingDirection) {
    a->SetColor(kFill);
    auto bmp = test::Render(*a);
    auto ink = InkColumns(*bmp, TRect{13, 0, 212, 17}, RgbOfColor(kFill), RgbOfColor(kFill));
    EXPECT_GE(ink.first, 16);
    a->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(a->Layout(), checkboxRight);
    bmp = test::Render(*a);
    EXPECT_EQ(a->BoxRect(), (TRect{200, 3, 211, 14}));
    EXPECT_EQ(Rgb(*bmp, 200, 8), RgbOf(144, 170, 181));
    EXPECT_EQ(Rgb(*bmp, 210, 8), RgbOf(144, 170, 181));
    EXPECT_EQ(Rgb(*bmp, 211, 8), RgbOfColor(kFill));  // 1 pixel from the right edge
    // The caption ends before W - 16, right-aligned.
    ink = InkColumns(*bmp, TRect{0, 0, 199, 17}, RgbOfColor(kFill), RgbOfColor(kFill));
    EXPECT_LE(ink.second, 195);
    EXPECT_GE(ink.second, 188);
    a->SetBiDiMode(TBiDiMode::bdLeftToRight);
    EXPECT_EQ(a->Layout(), checkboxLeft);
}

TEST_F(CheckBoxTest, TransparentBoxShowsTheSkinnedPanel) {
    auto pattern = std::make_unique<TBitmap>(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) pattern->Surface().At(x, y) = RgbOf(x * 30, y * 40, 90);
    panel->BackgroundOptions().Picture().SetGraphic(pattern.get());
    a->SetCaption("");
    a->SetTransparent(true);
    auto bmp = test::Render(*a);
    for (int x : {0, 12, 50, 211})
        for (int y : {0, 2, 16}) {
            int px = (a->Left() + x) % 7, py = (a->Top() + y) % 5;
            ASSERT_EQ(Rgb(*bmp, x, y), RgbOf(px * 30, py * 40, 90)) << x << "," << y;
        }
    EXPECT_EQ(Rgb(*bmp, 1, 3), RgbOf(144, 170, 181));  // the box itself stays
    EXPECT_EQ(Rgb(*bmp, 6, 4), 0xFFFFFFu);
}

TEST_F(CheckBoxTest, AdvancedColoursFollowTheParent) {
    auto sys = [](int i) -> uint32_t { return GetSysColor(i); };
    a->SetUseAdvColors(true);
    EXPECT_TRUE(a->ParentColor());
    EXPECT_EQ(a->Color(), kPanelColor);
    EXPECT_EQ(a->ColorBorder(), ShiftColorLightness(kPanelColor, 0, 50, TLightnessShift::Darker, sys));
    panel->SetColor(RGB(200, 220, 240));
    EXPECT_EQ(a->ColorFocused(),
              ShiftColorLightness(RGB(200, 220, 240), 0, 10, TLightnessShift::Lighter, sys));
    EXPECT_EQ(a->ColorDown(), ShiftColorLightness(RGB(200, 220, 240), 0, 10, TLightnessShift::Darker, sys));
}

TEST(CheckBoxTimerTest, DefaultsAndOneTimerFromTheFirstBoxToTheLast) {
    ASSERT_EQ(TXPCheckBox::HoverTimer(), nullptr);
    auto* first = new TXPCheckBox(nullptr);
    EXPECT_EQ(first->Width(), 121);
    EXPECT_EQ(first->Height(), 17);
    EXPECT_TRUE(first->TabStop());
    EXPECT_TRUE(first->ParentColor());
    EXPECT_EQ(first->ColorBorder(), 15902253);
    TTimer* t = TXPCheckBox::HoverTimer();
    ASSERT_NE(t, nullptr);
    EXPECT_FALSE(t->Running());
    auto* second = new TXPCheckBox(nullptr);
    EXPECT_EQ(TXPCheckBox::HoverTimer(), t);
    delete first;
    EXPECT_EQ(TXPCheckBox::HoverTimer(), t);
    delete second;
    EXPECT_EQ(TXPCheckBox::HoverTimer(), nullptr);
}

}  // namespace
}  // namespace vd
