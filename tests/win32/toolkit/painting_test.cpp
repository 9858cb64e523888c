// What the stock controls paint: labels, panel bevels, graphic children
// over their parent's background, and invalidation of moved controls.
#include <gtest/gtest.h>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"

namespace vd {
namespace {

using test::Rgb;
using test::RgbOf;

int CountColour(TBitmap& b, const TRect& r, uint32_t rgb) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (Rgb(b, x, y) == rgb) ++n;
    return n;
}

TEST(PaintingTest, LabelTextTransparencyAndDisabledColour) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.SetColor(RGB(0, 0, 255));
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(10, 10, 100, 40);
    label->SetColor(RGB(255, 255, 255));
    label->Font().SetColor(RGB(255, 0, 0));
    label->SetCaption("Hello");
    auto bmp = test::Render(form);
    TRect area{10, 10, 110, 50};
    EXPECT_GT(CountColour(*bmp, area, RgbOf(255, 0, 0)), 0);
    EXPECT_EQ(CountColour(*bmp, area, RgbOf(0, 0, 255)), 0);  // filled with its colour
    EXPECT_EQ(Rgb(*bmp, 5, 5), RgbOf(0, 0, 255));
    label->SetTransparent(true);
    bmp = test::Render(form);
    EXPECT_GT(CountColour(*bmp, area, RgbOf(0, 0, 255)), 3000);
    label->SetEnabled(false);
    bmp = test::Render(form);
    EXPECT_EQ(CountColour(*bmp, area, RgbOf(255, 0, 0)), 0);
    uint32_t grey = test::RgbOfColor(GetSysColor(COLOR_GRAYTEXT));
    EXPECT_GT(CountColour(*bmp, area, grey), 0);
}

TEST(PaintingTest, AutoSizedLabelFollowsItsTextAndFont) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(10, 10, 5, 5);
    label->SetCaption("Some text");
    EXPECT_EQ(label->Width(), 5);  // not auto-sized by default
    label->SetAutoSize(true);
    const int oneWord = label->Width();
    EXPECT_GT(oneWord, 20);
    EXPECT_GT(label->Height(), 5);
    label->SetCaption("Some text and more");
    EXPECT_GT(label->Width(), oneWord);
    const int height = label->Height();
    label->Font().SetHeight(-30);
    EXPECT_GT(label->Height(), height);
    EXPECT_EQ(label->Left(), 10);
}

TEST(PaintingTest, WordWrapUsesMoreLines) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 200);
    form.SetColor(RGB(255, 255, 255));
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(0, 0, 40, 200);
    label->SetTransparent(true);
    label->SetCaption("word word word word");
    auto lowestInk = [&]() {
        auto bmp = test::Render(form);
        int lowest = -1;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 40; ++x)
                if (Rgb(*bmp, x, y) != 0xFFFFFFu) lowest = y;
        return lowest;
    };
    int single = lowestInk();
    label->SetWordWrap(true);
    EXPECT_GT(lowestInk(), single + 10);
}

TEST(PaintingTest, PanelBevelAndCaption) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 100, 50);
    panel->SetColor(RGB(10, 10, 10));
    auto bmp = test::Render(form);
    uint32_t highlight = test::RgbOfColor(GetSysColor(COLOR_BTNHIGHLIGHT));
    uint32_t shadow = test::RgbOfColor(GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Rgb(*bmp, 0, 10), highlight);  // raised: light top-left
    EXPECT_EQ(Rgb(*bmp, 99, 10), shadow);
    EXPECT_EQ(Rgb(*bmp, 10, 49), shadow);
    EXPECT_EQ(Rgb(*bmp, 50, 25), RgbOf(10, 10, 10));
    panel->SetBevelOuter(TBevelCut::bvLowered);
    bmp = test::Render(form);
    EXPECT_EQ(Rgb(*bmp, 0, 10), shadow);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->Font().SetColor(RGB(250, 250, 0));
    panel->SetCaption("Caption");
    bmp = test::Render(form);
    EXPECT_EQ(Rgb(*bmp, 0, 10), RgbOf(10, 10, 10));
    EXPECT_GT(CountColour(*bmp, TRect{0, 0, 100, 50}, RgbOf(250, 250, 0)), 0);
}

TEST(PaintingTest, MovedGraphicControlRepaintsOldAndNewArea) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 200, 100);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(10, 10, 20, 20);
    form.Show();
    test::Pump();
    RECT r;
    ASSERT_FALSE(GetUpdateRect(form.Handle(), &r, FALSE));
    label->SetBounds(100, 50, 20, 20);
    ASSERT_TRUE(GetUpdateRect(form.Handle(), &r, FALSE));
    EXPECT_LE(r.left, 10);
    EXPECT_LE(r.top, 10);
    EXPECT_GE(r.right, 120);
    EXPECT_GE(r.bottom, 70);
}

}  // namespace
}  // namespace vd
