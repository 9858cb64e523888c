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

using test::kSkinBorder;
using test::Rgb;
using test::RgbOf;

const uint32_t kFill = RgbOf(231, 252, 255);

class GroupBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = test::NewBorderlessForm(100, 100, 300, 200);
        panel = new TXPPanel(form);
        panel->SetBevelOuter(TBevelCut::bvNone);
        panel->SetAlign(TAlign::alClient);
        panel->SetParent(form);
        group = new TXPGroupBox(form);  // the wizard's stored look
        group->SetBounds(20, 30, 120, 60);
        group->SetColor(16776423);
        group->SetColorBorder(11905680);
        group->SetParent(panel);
    }
    void TearDown() override {
        delete form;
        test::Pump();
    }
    TPoint Measure(const std::string& text) {
        TBitmap b(1, 1);
        b.Canvas().Font().Assign(group->Font());
        return b.Canvas().TextExtent(text);
    }
    // Columns of the caption's ink (smoothed text: neither fill nor frame) in
    // the top rows, and whether any of it is reddish.
    std::pair<TRect, bool> CaptionInk() {
        auto bmp = test::Render(*group);
        TRect box{1 << 30, 1 << 30, -1, -1};
        bool reddish = false;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < group->Width(); ++x) {
                uint32_t c = Rgb(*bmp, x, y);
                if (c == kFill || c == kSkinBorder) continue;
                box = TRect{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                            std::max(box.Bottom, y + 1)};
                reddish |= (c >> 16) > ((c >> 8) & 0xFF) + 60;
            }
        return {box, reddish};
    }
    TForm* form = nullptr;
    TXPPanel* panel = nullptr;
    TXPGroupBox* group = nullptr;
};

TEST_F(GroupBoxTest, FrameLinesForEveryBorderKind) {
    const int w = group->Width(), h = group->Height();
    for (TGroupBoxBorder border : {brFull, brOnlyTopLine})
        for (bool full : {false, true})
            for (std::string caption : {"", "Ab"}) {
                SCOPED_TRACE(testing::Message() << border << " " << full << " '" << caption << "'");
                group->SetBorder(border);
                group->SetTopLineFull(full);
                group->SetCaption(caption);
                TPoint ext = Measure(caption.empty() ? "0" : caption);
                int tw = caption.empty() ? 0 : ext.X;
                test::TPixelRows want = test::BlankRows(w, h);
                for (const TFramePolyline& line :
                     GroupBoxFrameLines(border, full, !caption.empty(), TBox{0, 0, w, h}, tw, ext.Y))
                    test::RasterPolyline(want, line);
                auto bmp = test::Render(*group);
                int wrong = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        if (caption.empty() || x < 10 || x > 10 + tw || y > ext.Y)  // not the text
                            wrong += Rgb(*bmp, x, y) != (want[y][x] == '#' ? kSkinBorder : kFill);
                EXPECT_EQ(wrong, 0);
            }
}

TEST_F(GroupBoxTest, CaptionInTheGapEmbossedWhenDisabled) {
    group->SetCaption("Types");
    group->Font().SetColor(RGB(200, 0, 0));
    auto [ink, reddish] = CaptionInk();
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, 10 + Measure("Types").X);
    EXPECT_TRUE(reddish);
    group->SetEnabled(false);
    auto [grey, greyReddish] = CaptionInk();
    EXPECT_FALSE(greyReddish);
    // The highlight copy one pixel right and down widens the ink by one.
    EXPECT_EQ(grey, (TRect{ink.Left, ink.Top, ink.Right + 1, ink.Bottom + 1}));
}

TEST_F(GroupBoxTest, TransparentShowsTheParentAndChildrenStayOnTop) {
    auto pattern = test::TilePattern();
    panel->BackgroundOptions().Picture().SetGraphic(pattern.get());
    group->SetTransparent(true);
    auto* child = new TPanel(form);
    child->SetBevelOuter(TBevelCut::bvNone);
    child->SetBounds(30, 20, 10, 10);
    child->SetColor(RGB(1, 2, 3));
    child->SetParent(group);
    auto bmp = test::Render(*form);
    for (int x : {25, 60, 130})
        for (int y : {40, 80}) ASSERT_EQ(Rgb(*bmp, x, y), test::TilePixel(x, y)) << x << "," << y;
    EXPECT_EQ(Rgb(*bmp, 20, 60), kSkinBorder);     // left frame line
    EXPECT_EQ(Rgb(*bmp, 55, 55), RgbOf(1, 2, 3));  // the child
}

TEST_F(GroupBoxTest, AdvancedColourAndAccelerator) {
    panel->SetColor(RGB(200, 220, 240));
    group->SetUseAdvColors(true);
    EXPECT_EQ(group->Color(), RGB(200, 220, 240));
    EXPECT_EQ(group->ColorBorder(),
              ShiftColorLightness(RGB(200, 220, 240), 0, 50, TLightnessShift::Darker, LookupSysColor));
    form->Show();
    group->SetCaption("&Types");
    PostMessageW(form->Handle(), WM_SYSCHAR, L't', 1);
    Application().ProcessMessages();
    EXPECT_TRUE(group->Focused());
}

}  // namespace
}  // namespace vd
