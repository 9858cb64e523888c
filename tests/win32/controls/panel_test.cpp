// The panel's background options: tiling, inherited pictures across nested
// panels, glass, see-through, and repaint on change.
#include <gtest/gtest.h>

#include "controls/xp_panel.h"
#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::Rgb;
using test::RgbOf;

// A picture whose pixel (x, y) is RGB(x, y & 0xFF, 40 + (y >> 8)) (x < 256).
std::unique_ptr<TBitmap> Pattern(int w, int h) {
    auto b = std::make_unique<TBitmap>(w, h);
    TSurface& s = b->Surface();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.At(x, y) = RgbOf(x & 0xFF, y & 0xFF, 40 + (y >> 8));
    return b;
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = test::NewBorderlessForm(50, 50, 558, 390);
    }
    void TearDown() override {
        delete form;
        test::Pump();
    }
    TXPPanel* NewPanel(TWinControl* parent, int l, int t, int w, int h) {
        auto* p = new TXPPanel(form);
        p->SetBevelOuter(TBevelCut::bvNone);
        p->SetBounds(l, t, w, h);
        p->SetParent(parent);
        return p;
    }
    TForm* form = nullptr;
};

TEST_F(PanelTest, PageTilesItsPictureAndRepeatsTheTopRows) {
    TXPPanel* page = NewPanel(form, 1, 29, 556, 330);
    page->BackgroundOptions().Picture().SetGraphic(Pattern(556, 328).get());
    auto bmp = test::Render(*page);
    EXPECT_EQ(Rgb(*bmp, 10, 0), RgbOf(10, 0, 40));
    EXPECT_EQ(Rgb(*bmp, 200, 327), RgbOf(200, 327 & 0xFF, 41));
    EXPECT_EQ(Rgb(*bmp, 200, 328), RgbOf(200, 0, 40));
    EXPECT_EQ(Rgb(*bmp, 555, 329), RgbOf(555 & 0xFF, 1, 40));
}

TEST_F(PanelTest, OneColumnStripFillsTheTitleBar) {
    TXPPanel* title = NewPanel(form, 0, 0, 558, 29);
    title->BackgroundOptions().Picture().SetGraphic(Pattern(1, 29).get());
    auto bmp = test::Render(*title);
    for (int x : {0, 1, 300, 557}) {
        EXPECT_EQ(Rgb(*bmp, x, 0), RgbOf(0, 0, 40));
        EXPECT_EQ(Rgb(*bmp, x, 28), RgbOf(0, 28, 40));
    }
}

TEST_F(PanelTest, InheritedPictureContinuesWithoutSeamAndFollowsMoves) {
    TXPPanel* outer = NewPanel(form, 0, 0, 200, 120);
    outer->BackgroundOptions().Picture().SetGraphic(Pattern(7, 5).get());
    TXPPanel* inner = NewPanel(outer, 13, 9, 30, 20);
    inner->BackgroundOptions().SetParentPicture(true);
    ASSERT_EQ(inner->BackgroundOptions().ParentOptions(), &outer->BackgroundOptions());
    auto check = [&]() {
        auto bmp = test::Render(*inner);
        for (int y : {0, 4, 19})
            for (int x : {0, 6, 29}) {
                int px = (x + inner->Left()) % 7, py = (y + inner->Top()) % 5;
                ASSERT_EQ(Rgb(*bmp, x, y), RgbOf(px, py, 40)) << x << "," << y;
            }
    };
    check();
    inner->SetBounds(20, 11, 30, 20);
    check();
    // Whole form: the inner panel's edges continue the outer pattern.
    form->Show();
    auto whole = test::Render(*form);
    EXPECT_EQ(Rgb(*whole, 19, 11), RgbOf(19 % 7, 11 % 5, 40));
    EXPECT_EQ(Rgb(*whole, 20, 11), RgbOf(20 % 7, 11 % 5, 40));
}

TEST_F(PanelTest, InheritanceLinksAlsoWhenTheOuterPanelIsParentedLast) {
    auto* outer = new TXPPanel(form);
    outer->SetBevelOuter(TBevelCut::bvNone);
    outer->SetBounds(0, 0, 100, 100);
    TXPPanel* inner = NewPanel(outer, 3, 4, 10, 10);
    outer->SetParent(form);
    EXPECT_EQ(inner->BackgroundOptions().ParentOptions(), &outer->BackgroundOptions());
    // Moving the inner panel to the form unlinks it.
    inner->SetParent(form);
    EXPECT_EQ(inner->BackgroundOptions().ParentOptions(), nullptr);
    EXPECT_TRUE(outer->BackgroundOptions().ChildOptions().empty());
}

TEST_F(PanelTest, NoPictureOrHiddenPictureFillsWithColor) {
    TXPPanel* p = NewPanel(form, 0, 0, 40, 40);
    p->SetColor(RGB(1, 2, 3));
    auto bmp = test::Render(*p);
    EXPECT_EQ(Rgb(*bmp, 20, 20), RgbOf(1, 2, 3));
    // An empty picture counts as none.
    TBitmap empty;
    p->BackgroundOptions().Picture().SetGraphic(&empty);
    EXPECT_FALSE(p->BackgroundOptions().PictureActive());
    p->BackgroundOptions().Picture().SetGraphic(Pattern(5, 5).get());
    EXPECT_TRUE(p->BackgroundOptions().PictureActive());
    p->BackgroundOptions().SetPictureVisible(false);
    bmp = test::Render(*p);
    EXPECT_EQ(Rgb(*bmp, 20, 20), RgbOf(1, 2, 3));
}

TEST_F(PanelTest, GlassWashesByTranslucency) {
    TXPPanel* p = NewPanel(form, 0, 0, 10, 10);
    p->SetColor(RGB(0, 0, 0));
    p->BackgroundOptions().SetGlassColor(RGB(200, 100, 0));
    EXPECT_FALSE(p->BackgroundOptions().GlassActive());  // translucency 255
    auto bmp = test::Render(*p);
    EXPECT_EQ(Rgb(*bmp, 5, 5), 0u);
    p->BackgroundOptions().SetGlassTranslucency(0);
    bmp = test::Render(*p);
    EXPECT_EQ(Rgb(*bmp, 5, 5), RgbOf(200, 100, 0));
    p->BackgroundOptions().SetGlassTranslucency(128);
    bmp = test::Render(*p);
    uint32_t c = Rgb(*bmp, 5, 5);
    EXPECT_NEAR(static_cast<int>(c >> 16), 200 * 127 / 255, 2);
    EXPECT_NEAR(static_cast<int>((c >> 8) & 0xFF), 100 * 127 / 255, 2);
}

TEST_F(PanelTest, SeeThroughPanelShowsItsParent) {
    TXPPanel* outer = NewPanel(form, 0, 0, 100, 100);
    outer->BackgroundOptions().Picture().SetGraphic(Pattern(7, 5).get());
    TXPPanel* inner = NewPanel(outer, 10, 10, 20, 20);
    inner->SetColor(RGB(255, 255, 255));
    auto bmp = test::Render(*inner);
    EXPECT_EQ(Rgb(*bmp, 3, 3), 0xFFFFFFu);
    inner->BackgroundOptions().SetOpaque(false);
    bmp = test::Render(*inner);
    EXPECT_EQ(Rgb(*bmp, 3, 3), RgbOf(13 % 7, 13 % 5, 40));
}

TEST_F(PanelTest, PictureLoadedWhileShownRepaintsInheritingPanels) {
    TXPPanel* outer = NewPanel(form, 0, 0, 100, 100);
    TXPPanel* inner = NewPanel(outer, 10, 10, 20, 20);
    inner->BackgroundOptions().SetParentPicture(true);
    int changes = 0;
    inner->BackgroundOptions().OnChange = [&](TObject*) { ++changes; };
    form->Show();
    test::Pump();
    RECT r;
    ASSERT_FALSE(GetUpdateRect(outer->Handle(), &r, FALSE));
    ASSERT_FALSE(GetUpdateRect(inner->Handle(), &r, FALSE));
    // Loading into the picture object in place counts as a change.
    TBitmap& b = outer->BackgroundOptions().Picture().Bitmap();
    b.SetSize(3, 3);
    EXPECT_TRUE(GetUpdateRect(outer->Handle(), &r, FALSE));
    EXPECT_TRUE(GetUpdateRect(inner->Handle(), &r, FALSE));
    EXPECT_GT(changes, 0);
}

TEST_F(PanelTest, PlacementModes) {
    TXPPanel* p = NewPanel(form, 0, 0, 20, 10);
    p->SetColor(RGB(255, 255, 255));
    auto& o = p->BackgroundOptions();
    o.Picture().SetGraphic(Pattern(4, 2).get());
    o.SetPictureMode(fcpmCenter);
    auto bmp = test::Render(*p);
    EXPECT_EQ(Rgb(*bmp, 8, 4), RgbOf(0, 0, 40));
    EXPECT_EQ(Rgb(*bmp, 7, 4), 0xFFFFFFu);
    o.SetPictureMode(fcpmTopLeft);
    bmp = test::Render(*p);
    EXPECT_EQ(Rgb(*bmp, 3, 1), RgbOf(3, 1, 40));
    EXPECT_EQ(Rgb(*bmp, 4, 0), 0xFFFFFFu);
    o.SetPictureMode(fcpmStretch);
    bmp = test::Render(*p);
    EXPECT_EQ(Rgb(*bmp, 19, 9), RgbOf(3, 1, 40));
    o.SetPictureTranspColor(RGB(0, 0, 40));
    o.SetPictureMode(fcpmTopLeft);
    bmp = test::Render(*p);
    EXPECT_EQ(Rgb(*bmp, 0, 0), 0xFFFFFFu);  // the transparent colour left out
    EXPECT_EQ(Rgb(*bmp, 1, 0), RgbOf(1, 0, 40));
}

}  // namespace
}  // namespace vd
