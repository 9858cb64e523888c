// The flat group box in a real window: its frame lines for every border
// kind, the caption gap and emboss, the parent behind it, the accelerator.
#include <gtest/gtest.h>

#include "controls/xp_group_box.h"
#include "controls/xp_panel.h"
#include "tests/controls/line_raster.h"
#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::Rgb;
using test::RgbOf;
using test::RgbOfColor;

const TColor kBorder = 11905680;  // RGB 144, 170, 181
const TColor kFill = 16776423;    // RGB 231, 252, 255

class GroupBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(100, 100, 300, 200);
        panel = new TXPPanel(form);
        panel->SetBevelOuter(TBevelCut::bvNone);
        panel->SetAlign(TAlign::alClient);
        panel->SetParent(form);
        group = new TXPGroupBox(form);
        group->SetBounds(20, 30, 120, 60);
        group->SetColor(kFill);
        group->SetColorBorder(kBorder);
        group->SetParent(panel);
    }
    void TearDown() override {
        delete form;
        test::Pump();
    }
    // Caption size in the group box's font.
    TPoint Measure(const std::string& text) {
        TBitmap b(1, 1);
        b.Canvas().Font().Assign(group->Font());
        return b.Canvas().TextExtent(text);
    }
    TForm* form = nullptr;
    TXPPanel* panel = nullptr;
    TXPGroupBox* group = nullptr;
};

TEST_F(GroupBoxTest, FrameLinesForEveryBorderKind) {
    const int w = group->Width(), h = group->Height();
    for (TGroupBoxBorder border : {brFull, brOnlyTopLine})
        for (bool full : {false, true})
            for (const char* caption : {"", "Ab"}) {
                SCOPED_TRACE(testing::Message() << "border " << border << " full " << full << " '" << caption << "'");
                group->SetBorder(border);
                group->SetTopLineFull(full);
                group->SetCaption(caption);
                TPoint ext = Measure(*caption ? caption : "0");
                int tw = *caption ? ext.X : 0, th = ext.Y;
                test::TPixelRows expected = test::BlankRows(w, h);
                for (const TFramePolyline& line :
                     GroupBoxFrameLines(border, full, *caption != 0, TBox{0, 0, w, h}, tw, th))
                    test::RasterPolyline(expected, line);
                auto bmp = test::Render(*group);
                int mismatches = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        if (*caption && x >= 10 && x <= 10 + tw && y <= th) continue;  // the text
                        uint32_t want = expected[y][x] == '#' ? RgbOfColor(kBorder) : RgbOfColor(kFill);
                        if (Rgb(*bmp, x, y) != want && ++mismatches < 5)
                            ADD_FAILURE() << "pixel " << x << "," << y;
                    }
                EXPECT_EQ(mismatches, 0);
            }
}

// Bounds of the caption's ink (text is smoothed: any pixel that is neither
// fill nor frame) and how many ink pixels are reddish.
struct TInk {
    TRect Box{1 << 30, 1 << 30, -1, -1};
    int Reddish = 0;
};
TInk CaptionInk(TBitmap& bmp) {
    TInk ink;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 120; ++x) {
            uint32_t c = Rgb(bmp, x, y);
            if (c == RgbOfColor(kFill) || c == RgbOfColor(kBorder)) continue;
            ink.Box = TRect{std::min(ink.Box.Left, x), std::min(ink.Box.Top, y), std::max(ink.Box.Right, x + 1),
                            std::max(ink.Box.Bottom, y + 1)};
            int r = c >> 16, g = (c >> 8) & 0xFF;
            ink.Reddish += r > g + 60;
        }
    return ink;
}

TEST_F(GroupBoxTest, CaptionSitsInTheGapAndEmbossesWhenDisabled) {
    group->SetCaption("Types");
    group->Font().SetColor(RGB(200, 0, 0));
    int tw = Measure("Types").X;
    auto bmp = test::Render(*group);
    TInk ink = CaptionInk(*bmp);
    EXPECT_GE(ink.Box.Left, 10);
    EXPECT_LE(ink.Box.Right, 10 + tw);
    EXPECT_GT(ink.Reddish, 10);
    group->SetEnabled(false);
    bmp = test::Render(*group);
    TInk grey = CaptionInk(*bmp);
    EXPECT_EQ(grey.Reddish, 0);
    // The highlight copy one pixel right and down widens the ink by one.
    EXPECT_EQ(grey.Box, (TRect{ink.Box.Left, ink.Box.Top, ink.Box.Right + 1, ink.Box.Bottom + 1}));
}

TEST_F(GroupBoxTest, TransparentShowsTheParentAndChildrenStayOnTop) {
    auto pattern = std::make_unique<TBitmap>(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) pattern->Surface().At(x, y) = RgbOf(x * 30, y * 40, 90);
    panel->BackgroundOptions().Picture().SetGraphic(pattern.get());
    group->SetTransparent(true);
    auto* child = new TPanel(form);
    child->SetBevelOuter(TBevelCut::bvNone);
    child->SetBounds(30, 20, 10, 10);
    child->SetColor(RGB(1, 2, 3));
    child->SetParent(group);
    EXPECT_EQ(child->Parent(), group);
    form->Repaint();
    auto bmp = test::Render(*form);
    for (int x : {25, 60, 130})
        for (int y : {40, 80}) {
            int px = x % 7, py = y % 5;
            ASSERT_EQ(Rgb(*bmp, x, y), RgbOf(px * 30, py * 40, 90)) << x << "," << y;
        }
    EXPECT_EQ(Rgb(*bmp, 20, 60), RgbOfColor(kBorder));  // left frame line
    EXPECT_EQ(Rgb(*bmp, 55, 55), RgbOf(1, 2, 3));        // the child
}

TEST_F(GroupBoxTest, WizardLookAdvancedColourAndAccelerator) {
    group->SetBounds(46, 99, 466, 198);
    auto bmp = test::Render(*group);
    int y = Measure("0").Y / 2;
    EXPECT_EQ(Rgb(*bmp, 0, y), RgbOf(144, 170, 181));
    EXPECT_EQ(Rgb(*bmp, 465, 197), RgbOf(144, 170, 181));
    EXPECT_EQ(Rgb(*bmp, 200, y - 1), RgbOf(231, 252, 255));
    EXPECT_EQ(Rgb(*bmp, 200, 100), RgbOf(231, 252, 255));

    auto sys = [](int i) -> uint32_t { return GetSysColor(i); };
    panel->SetColor(RGB(200, 220, 240));
    group->SetUseAdvColors(true);
    EXPECT_EQ(group->Color(), RGB(200, 220, 240));
    EXPECT_EQ(group->ColorBorder(), ShiftColorLightness(RGB(200, 220, 240), 0, 50, TLightnessShift::Darker, sys));

    form->Show();
    test::Pump();
    group->SetCaption("&Types");
    PostMessageW(form->Handle(), WM_SYSCHAR, L't', 1);
    Application().ProcessMessages();
    EXPECT_TRUE(group->Focused());
}

}  // namespace
}  // namespace vd
