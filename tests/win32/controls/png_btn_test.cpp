// The PNG state-strip button and view in a real window: frame transitions
// driven by mouse messages, and the pixels they paint over the panel.
#include <gtest/gtest.h>

#include <vector>

#include "controls/xp_panel.h"
#include "controls/xp_png_btn.h"
#include "imaging/image.h"
#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::Mouse;
using test::Rgb;
using test::RgbOf;

// Frame colours of the test strip.
const uint32_t kFrame[4] = {RgbOf(200, 0, 0), RgbOf(0, 200, 0), RgbOf(0, 0, 200), RgbOf(90, 90, 90)};
const TColor kPanelColor = RGB(10, 20, 30);

// A strip of four frames of fw x fh: column 0 of each frame transparent,
// column 1 half transparent, the rest opaque in the frame's colour.
TRgbaImage MakeStrip(int fw, int fh, int totalWidth = -1) {
    TRgbaImage img;
    img.Width = totalWidth > 0 ? totalWidth : 4 * fw;
    img.Height = fh;
    img.Pixels.assign(static_cast<size_t>(img.Width) * fh * 4, 0);
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < img.Width; ++x) {
            int k = std::min(3, x / fw);
            uint32_t c = kFrame[k];
            uint8_t* p = img.PixelAt(x, y);
            p[0] = (c >> 16) & 0xFF;
            p[1] = (c >> 8) & 0xFF;
            p[2] = c & 0xFF;
            int col = x % fw;
            p[3] = col == 0 ? 0 : col == 1 ? 128 : 255;
        }
    return img;
}

class PngBtnTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);  // away from the window
        form = test::NewBorderlessForm(100, 100, 200, 100);
        panel = new TXPPanel(form);
        panel->SetParent(form);
        panel->SetBevelOuter(TBevelCut::bvNone);
        panel->SetAlign(TAlign::alClient);
        panel->SetColor(kPanelColor);
        btn = new TXPPngBtn(form);
        btn->SetParent(panel);
        btn->SetLeft(20);
        btn->SetTop(30);
        TPngImage strip;
        strip.SetImage(MakeStrip(10, 6));
        btn->SetPngImg(strip);
        btn->OnClick = [this](TObject*) {
            ++clicks;
            frameDuringClick = btn->FrameState();
            if (disableOnClick) btn->SetEnabled(false);
        };
        btn->OnMouseEnter = [this](TObject*) { ++enters; };
        btn->OnMouseLeave = [this](TObject*) { ++leaves; };
        form->Show();
        h = panel->Handle();
        test::Pump();
    }
    void TearDown() override {
        ReleaseCapture();
        delete form;
        test::Pump();
    }
    // The colour the button shows in the middle of its opaque part.
    uint32_t Shown() {
        auto bmp = test::Render(*panel);
        return Rgb(*bmp, 20 + 5, 30 + 3);
    }
    void Move(int x, int y, WPARAM keys = 0) { Mouse(h, WM_MOUSEMOVE, x, y, keys); }

    TForm* form = nullptr;
    TXPPanel* panel = nullptr;
    TXPPngBtn* btn = nullptr;
    HWND h = nullptr;
    int clicks = 0, enters = 0, leaves = 0, frameDuringClick = -1;
    bool disableOnClick = false;
};

TEST_F(PngBtnTest, AssignedStripSizesAndFixesTheButton) {
    EXPECT_EQ(btn->Width(), 10);
    EXPECT_EQ(btn->Height(), 6);
    btn->SetBounds(20, 30, 100, 100);
    EXPECT_EQ(btn->Width(), 10);
    EXPECT_EQ(btn->Height(), 6);
    EXPECT_EQ(btn->Left(), 20);

    TPngImage wizardStrip;
    wizardStrip.SetImage(MakeStrip(60, 21));
    btn->SetPngImg(wizardStrip);
    EXPECT_EQ(btn->Width(), 60);
    EXPECT_EQ(btn->Height(), 21);
}

TEST_F(PngBtnTest, StripLoadedInPlaceChangesOnlyThePicture) {
    Move(25, 33);
    ASSERT_EQ(btn->FrameState(), sHover);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(EncodePng(MakeStrip(60, 21), bytes));
    btn->PngImg().LoadFromBytes(bytes.data(), bytes.size());
    EXPECT_EQ(btn->Width(), 10);
    EXPECT_EQ(btn->Height(), 6);
    EXPECT_EQ(btn->FrameState(), sHover);
    EXPECT_EQ(btn->PngImg().Width(), 240);
    // The next paint scales the new strip: still the hover frame's colour.
    EXPECT_EQ(Shown(), kFrame[1]);
}

TEST_F(PngBtnTest, FramesFollowTheMouse) {
    EXPECT_EQ(Shown(), kFrame[0]);
    Move(25, 33);
    EXPECT_EQ(btn->FrameState(), sHover);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(Shown(), kFrame[1]);

    Mouse(h, WM_LBUTTONDOWN, 25, 33, MK_LBUTTON);
    EXPECT_EQ(btn->FrameState(), sDown);
    EXPECT_EQ(Shown(), kFrame[2]);

    Mouse(h, WM_LBUTTONUP, 25, 33);
    EXPECT_EQ(btn->FrameState(), sHover);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(frameDuringClick, sDown);
    EXPECT_EQ(Shown(), kFrame[1]);

    Move(150, 80);
    EXPECT_EQ(btn->FrameState(), sNormal);
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(Shown(), kFrame[0]);

    // Enter again, then the window loses the mouse.
    Move(25, 33);
    EXPECT_EQ(btn->FrameState(), sHover);
    SendMessageW(h, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(btn->FrameState(), sNormal);
    EXPECT_EQ(leaves, 2);
}

TEST_F(PngBtnTest, PressedButtonLeftAndReenteredShowsHoverAndReleaseOutsideGivesNoClick) {
    Move(25, 33);
    Mouse(h, WM_LBUTTONDOWN, 25, 33, MK_LBUTTON);
    Move(150, 80, MK_LBUTTON);
    EXPECT_EQ(btn->FrameState(), sNormal);
    Move(26, 34, MK_LBUTTON);
    EXPECT_EQ(btn->FrameState(), sHover);  // not the down frame
    Move(150, 80, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 150, 80);
    EXPECT_EQ(btn->FrameState(), sNormal);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Shown(), kFrame[0]);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PngBtnTest, ReleaseOnTheRightEdgeIsOutside) {
    Move(25, 33);
    Mouse(h, WM_LBUTTONDOWN, 25, 33, MK_LBUTTON);
    // x = 30 is the first column right of the button.
    Mouse(h, WM_LBUTTONUP, 30, 33);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(btn->FrameState(), sNormal);
}

TEST_F(PngBtnTest, RightButtonChangesNoFrame) {
    Move(25, 33);
    Mouse(h, WM_RBUTTONDOWN, 25, 33, MK_RBUTTON);
    EXPECT_EQ(btn->FrameState(), sHover);
    Mouse(h, WM_RBUTTONUP, 25, 33);
    EXPECT_EQ(btn->FrameState(), sHover);
    EXPECT_EQ(clicks, 0);
}

TEST_F(PngBtnTest, DoubleClickRaisesOneClick) {
    Move(25, 33);
    Mouse(h, WM_LBUTTONDOWN, 25, 33, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 25, 33);
    Mouse(h, WM_LBUTTONDBLCLK, 25, 33, MK_LBUTTON);
    EXPECT_EQ(btn->FrameState(), sDown);
    Mouse(h, WM_LBUTTONUP, 25, 33);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(btn->FrameState(), sHover);
}

TEST_F(PngBtnTest, DisablingShowsTheDisabledFrameAndMouseChangesNothing) {
    Move(25, 33);
    ASSERT_EQ(Shown(), kFrame[1]);
    btn->SetEnabled(false);
    EXPECT_EQ(btn->FrameState(), sDisable);
    EXPECT_EQ(Shown(), kFrame[3]);
    Move(150, 80);
    Move(25, 33);
    Mouse(h, WM_LBUTTONDOWN, 25, 33, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 25, 33);
    EXPECT_EQ(btn->FrameState(), sDisable);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(enters, 2);
    EXPECT_EQ(leaves, 1);
    btn->SetEnabled(true);
    EXPECT_EQ(btn->FrameState(), sNormal);
    EXPECT_EQ(Shown(), kFrame[0]);
}

TEST_F(PngBtnTest, HandlerThatDisablesLeavesTheDisabledFrame) {
    disableOnClick = true;
    Move(25, 33);
    Mouse(h, WM_LBUTTONDOWN, 25, 33, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 25, 33);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(btn->FrameState(), sDisable);
    EXPECT_EQ(Shown(), kFrame[3]);
}

TEST_F(PngBtnTest, DownHoldsThePressedFrameUnlessDisabled) {
    btn->SetDown(true);
    EXPECT_EQ(Shown(), kFrame[2]);
    Move(25, 33);
    EXPECT_EQ(Shown(), kFrame[2]);
    Move(150, 80);
    EXPECT_EQ(Shown(), kFrame[2]);
    btn->SetEnabled(false);
    EXPECT_EQ(Shown(), kFrame[3]);
    btn->SetEnabled(true);
    EXPECT_EQ(Shown(), kFrame[2]);
    btn->SetDown(false);
    EXPECT_EQ(btn->FrameState(), sNormal);
    EXPECT_EQ(Shown(), kFrame[0]);
}

TEST_F(PngBtnTest, AlphaBlendsOverTheParent) {
    auto bmp = test::Render(*panel);
    uint32_t panelRgb = test::RgbOfColor(static_cast<uint32_t>(kPanelColor));
    EXPECT_EQ(Rgb(*bmp, 20, 32), panelRgb);   // alpha 0
    EXPECT_EQ(Rgb(*bmp, 19, 32), panelRgb);   // outside
    uint32_t half = Rgb(*bmp, 21, 32);         // alpha 128 of red (200, 0, 0) over (10, 20, 30)
    EXPECT_NEAR(static_cast<int>(half >> 16), (200 * 128 + 10 * 127) / 255, 2);
    EXPECT_NEAR(static_cast<int>((half >> 8) & 0xFF), (20 * 127) / 255, 2);
    EXPECT_NEAR(static_cast<int>(half & 0xFF), (30 * 127) / 255, 2);
}

TEST_F(PngBtnTest, WideStripIsScaledOntoFourFrames) {
    // 122 columns: frame width 30, the strip maps onto 120 device pixels.
    TPngImage strip;
    strip.SetImage(MakeStrip(30, 6, 122));
    btn->SetPngImg(strip);
    EXPECT_EQ(btn->Width(), 30);
    btn->SetEnabled(false);
    auto bmp = test::Render(*panel);
    // Frame 3 covers strip columns 90..121 scaled onto the 30 device
    // columns; without scaling column 25 would show strip column 115.
    EXPECT_EQ(Rgb(*bmp, 20 + 15, 33), kFrame[3]);
    EXPECT_EQ(Rgb(*bmp, 20 + 25, 33), kFrame[3]);
    // The strip's last two columns (alpha 0 and 128) land on the last device
    // column, which is therefore not the opaque frame colour.
    EXPECT_NE(Rgb(*bmp, 20 + 29, 33), kFrame[3]);
}

TEST_F(PngBtnTest, CaptionIsDrawnOnlyWhenNotEmpty) {
    TPngImage strip;
    strip.SetImage(MakeStrip(60, 21));
    btn->SetPngImg(strip);
    btn->SetTextGhostingEnable(true);
    btn->SetColorTextForeground(RGB(255, 255, 0));
    btn->SetColorTextBackground(RGB(0, 255, 255));
    auto countNonFrame = [&]() {
        auto bmp = test::Render(*panel);
        int n = 0;
        for (int y = 30; y < 30 + 21; ++y)
            for (int x = 20 + 2; x < 20 + 60; ++x)
                if (Rgb(*bmp, x, y) != kFrame[0]) ++n;
        return n;
    };
    EXPECT_EQ(countNonFrame(), 0);
    btn->SetCaption("Ok");
    EXPECT_GT(countNonFrame(), 0);
}

TEST_F(PngBtnTest, HandlerThatSwapsButtonsLeavesTheHiddenOneNormal) {
    // Next hides itself and shows Install in its place, as the wizard does.
    auto* other = new TXPPngBtn(form);
    other->SetParent(panel);
    other->SetLeft(20);
    other->SetTop(30);
    TPngImage strip;
    strip.SetImage(MakeStrip(10, 6));
    other->SetPngImg(strip);
    other->Hide();
    btn->OnClick = [&](TObject*) {
        btn->Hide();
        other->Show();
    };
    Move(25, 33);
    Mouse(h, WM_LBUTTONDOWN, 25, 33, MK_LBUTTON);
    Mouse(h, WM_LBUTTONUP, 25, 33);
    Move(26, 33);
    EXPECT_EQ(other->FrameState(), sHover);
    EXPECT_EQ(btn->FrameState(), sNormal);
    EXPECT_EQ(Shown(), kFrame[1]);
    // Back again: the first button shows normal until the mouse enters it.
    other->Hide();
    btn->Show();
    EXPECT_EQ(Shown(), kFrame[0]);
}

TEST(PngViewTest, ShowsTheChosenFrameOrTheWholeImage) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 100, 60);
    form.SetColor(RGB(0, 0, 0));
    auto* view = new TXPPngView(&form);
    view->SetParent(&form);
    TPngImage strip;
    strip.SetImage(MakeStrip(16, 16));
    view->SetPngImg(strip);
    EXPECT_EQ(view->Width(), 16);
    EXPECT_EQ(view->Height(), 16);
    auto bmp = test::Render(form);
    EXPECT_EQ(Rgb(*bmp, 8, 8), kFrame[0]);
    view->SetStates(sDisable);
    bmp = test::Render(form);
    EXPECT_EQ(Rgb(*bmp, 8, 8), kFrame[3]);

    // A press on the view changes nothing but raises its events.
    int downs = 0;
    view->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    form.Show();
    Mouse(form.Handle(), WM_LBUTTONDOWN, 8, 8, MK_LBUTTON);
    Mouse(form.Handle(), WM_LBUTTONUP, 8, 8);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(view->States(), sDisable);

    TXPPngView whole(&form);
    whole.SetParent(&form);
    whole.SetLeft(30);
    whole.SetViewType(vt_Img);
    whole.SetPngImg(strip);
    EXPECT_EQ(whole.Width(), 64);
    bmp = test::Render(form);
    EXPECT_EQ(Rgb(*bmp, 30 + 8, 8), kFrame[0]);
    EXPECT_EQ(Rgb(*bmp, 30 + 56, 8), kFrame[3]);
}

}  // namespace
}  // namespace vd
