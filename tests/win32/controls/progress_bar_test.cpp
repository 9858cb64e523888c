// The progress bar painted by its parent window: the wizard's bar at several
// percents (frame, gradient interior, the text colours split at the fill
// edge), the property rules and OnChange, vertical fill, LED and solid
// pixels, frame styles, the theme or its fallback, and the shared gradient
// canvas call.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "controls/gradient_paint.h"
#include "controls/xp_progress_bar.h"
#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

#include <uxtheme.h>  // after <windows.h>

namespace vd {
namespace {

using test::kSkinBorder;
using test::Rgb;
using test::RgbOfColor;

const TColor kPanelColor = RGB(255, 0, 255);
constexpr int kX = 10, kY = 20;  // the bar's place on the panel
const TColor kBarColor = 14259482, kBarColorStop = 16571332, kBackColorStop = 16573394;
const uint32_t kBar = RgbOfColor(kBarColor), kWhite = 0xFFFFFFu;

class ProgressBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBevelOuter(TBevelCut::bvNone);
        panel->SetBounds(0, 0, 480, 160);
        panel->SetColor(kPanelColor);
        bar = new TXPProgressBar(form);
        bar->SetParent(panel);
        // The wizard's stored settings.
        bar->SetBounds(kX, kY, 441, 16);
        bar->SetBackColorStop(kBackColorStop);
        bar->SetBorderColor(clSkinBorder);
        bar->SetBorderInner(fsFlat);
        bar->SetBorderOuter(fsNone);
        bar->SetBorderWidth(0);
        bar->SetFlatColor(clSkinBorder);
        bar->SetFlatColorAdjustment(0);
        bar->SetInteriorOffset(0);
        bar->SetThemeAware(false);
        bar->OnChange = [this](TObject* sender, int p) {
            EXPECT_EQ(sender, bar);
            changes.push_back(p);
        };
    }
    void TearDown() override { delete form; }
    // The panel's picture as its window paints it; pixels relative to the bar.
    void Shoot() { shot = test::Render(*panel); }
    uint32_t At(int x, int y) { return Rgb(*shot, kX + x, kY + y); }
    bool SameAs(TBitmap& other) {
        return std::memcmp(other.Surface().Bits(), shot->Surface().Bits(), shot->Surface().ByteSize()) == 0;
    }

    TForm* form = nullptr;
    TPanel* panel = nullptr;
    TXPProgressBar* bar = nullptr;
    std::vector<int> changes;
    std::unique_ptr<TBitmap> shot;
};

TSurface Reference(int w, int h, TColor from, TColor to, TGradientDirection d = gdDiagonalDown) {
    TSurface s(w, h);
    GradientFill(s, TBox{0, 0, w, h}, from, to, d);
    return s;
}

TEST_F(ProgressBarTest, WizardBarFrameAndGradientInterior) {
    bar->SetShowPercent(false);
    for (int p : {0, 42, 100, 130}) {
        bar->SetPercent(static_cast<uint16_t>(p));
        Shoot();
        // A one-pixel frame in the skin's border colour, corners included.
        for (int i = 0; i < 441; ++i) {
            ASSERT_TRUE(At(i, 0) == kSkinBorder && At(i, 15) == kSkinBorder) << p << " at " << i;
            ASSERT_TRUE(At(0, i % 16) == kSkinBorder && At(440, i % 16) == kSkinBorder) << p;
        }
        // A 439 x 14 interior: the fill's gradient, then the empty part's.
        const int fill = p >= 100 ? 439 : p == 42 ? 184 : 0;
        const TSurface filled = Reference(fill, 14, kBarColor, kBarColorStop);
        const TSurface empty = Reference(439 - fill, 14, clWhite, kBackColorStop);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 439; ++x)
                ASSERT_EQ(At(1 + x, 1 + y), (x < fill ? filled.At(x, y) : empty.At(x - fill, y)) & 0xFFFFFFu)
                    << p << " at " << x << "," << y;
        EXPECT_EQ(At(441, 5), RgbOfColor(kPanelColor));
    }
}

TEST_F(ProgressBarTest, PercentTextSwapsColourAtTheFillEdge) {
    // Fill edges in bar columns: 0 -> 1, 42 -> 185, 50 -> 221 (219.5 to even), 100 and 130 -> 440.
    const int cases[][2] = {{0, 1}, {42, 185}, {50, 221}, {100, 440}, {130, 440}};
    for (const auto& c : cases) {
        bar->SetPercent(static_cast<uint16_t>(c[0]));
        bar->SetShowPercent(false);
        Shoot();
        std::unique_ptr<TBitmap> plain = std::move(shot);
        bar->SetShowPercent(true);
        Shoot();
        // Text pixels, against the same bar without text: lighter (white
        // text) left of the edge, darker (blue text) right of it.
        int lighterLeft = 0, darkerRight = 0, wrong = 0, minX = 999, maxX = -1;
        for (int y = 1; y < 15; ++y)
            for (int x = 1; x < 440; ++x) {
                const uint32_t a = At(x, y) >> 16, b = Rgb(*plain, kX + x, kY + y) >> 16;
                if (a == b) continue;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                ((a > b) == (x < c[1]) ? (x < c[1] ? lighterLeft : darkerRight) : wrong)++;
            }
        EXPECT_EQ(wrong, 0) << c[0];
        EXPECT_GT(lighterLeft + darkerRight, 10) << c[0];
        if (c[0] == 50) {
            EXPECT_TRUE(lighterLeft > 5 && darkerRight > 5);
        }
        EXPECT_NEAR((minX + maxX) / 2.0, 220, 3) << c[0];  // centred on R.Right div 2
    }
}

TEST_F(ProgressBarTest, PercentPartsAndOnChange) {
    bar->SetPercent(0);
    bar->SetPercent(42);
    bar->SetPercent(42);
    EXPECT_EQ(changes, (std::vector<int>{42}));
    bar->SetTotalParts(8);  // resets parts and percent
    bar->SetPartsComplete(1);
    EXPECT_EQ(bar->Percent(), 12);
    bar->SetPartsComplete(3);
    bar->SetPartsComplete(20);
    EXPECT_EQ(bar->PartsComplete(), 8u);
    EXPECT_EQ(changes, (std::vector<int>{42, 0, 12, 38, 100}));
    bar->SetTotalParts(8);  // unchanged: nothing
    EXPECT_EQ(bar->PartsComplete(), 8u);
    // TotalParts 0: parts are cut to 0 and the percent stays.
    bar->SetTotalParts(0);
    bar->SetPercent(30);
    changes.clear();
    bar->SetPartsComplete(5);
    EXPECT_EQ(bar->PartsComplete(), 0u);
    EXPECT_EQ(bar->Percent(), 30);
    EXPECT_TRUE(changes.empty());
    // The bar style also switches the text and the interior offset.
    bar->SetBarStyle(bsLED);
    EXPECT_TRUE(!bar->ShowPercent() && bar->InteriorOffset() == 1);
    bar->SetBarStyle(bsTraditional);
    EXPECT_TRUE(bar->ShowPercent() && bar->InteriorOffset() == 0);
    EXPECT_TRUE(bar->ParentFont());  // the window's font
    bar->SetBarColor(RGB(1, 2, 3));
    EXPECT_EQ(bar->Font().Color(), RGB(1, 2, 3));
}

TEST_F(ProgressBarTest, VerticalBarFillsFromTheBottom) {
    bar->SetBarStyle(bsTraditional);
    bar->SetShowPercent(false);
    bar->SetBounds(kX, kY, 16, 100);
    EXPECT_EQ(bar->Orientation(), orVertical);
    bar->SetPercent(25);  // interior 14 x 98: round(24.5) = 24 rows from the bottom
    Shoot();
    for (int x = 1; x < 15; ++x) EXPECT_TRUE(At(x, 74) == kWhite && At(x, 75) == kBar && At(x, 98) == kBar);
    bar->SetBounds(kX, kY, 100, 16);
    EXPECT_EQ(bar->Orientation(), orHorizontal);
}

TEST_F(ProgressBarTest, SolidAndLedPixels) {
    bar->SetBarStyle(bsTraditional);
    bar->SetShowPercent(false);
    bar->SetPercent(50);
    Shoot();
    EXPECT_TRUE(At(1, 7) == kBar && At(220, 7) == kBar && At(221, 7) == kWhite && At(439, 14) == kWhite);

    // LED: an offset frame of 1, interior 437 x 12 at (2, 2); 20 segments of
    // 21 after a margin of 8 (from x = 10); 10 lit, outlined in BackColor.
    bar->SetBarStyle(bsLED);
    Shoot();
    EXPECT_EQ(At(0, 7), kSkinBorder);
    for (int x : {1, 9, 10, 30, 31, 10 + 10 * 21 + 5}) EXPECT_EQ(At(x, 7), kWhite) << x;
    for (int x : {11, 29, 32, 10 + 9 * 21 + 5}) EXPECT_EQ(At(x, 7), kBar) << x;
    EXPECT_TRUE(At(11, 2) == kWhite && At(11, 3) == kBar && At(11, 12) == kBar && At(11, 13) == kWhite);
}

TEST_F(ProgressBarTest, FrameStylesAndOpaqueness) {
    // A lowered 3-D outer frame two lines thick, a band, a flat inner frame
    // in a darkened flat colour.
    bar->SetBorderOuter(fsLowered);
    bar->SetBevelWidth(2);
    bar->SetBorderWidth(1);
    bar->SetBorderColor(RGB(0, 128, 0));
    bar->SetFlatColor(RGB(128, 128, 128));
    bar->SetFlatColorAdjustment(-28);
    Shoot();
    const uint32_t shadow = RgbOfColor(GetSysColor(COLOR_BTNSHADOW));
    const uint32_t light = RgbOfColor(GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_TRUE(At(0, 0) == shadow && At(1, 5) == shadow && At(440, 15) == light && At(439, 5) == light);
    EXPECT_EQ(At(2, 5), RgbOfColor(RGB(0, 128, 0)));  // the band
    EXPECT_EQ(At(3, 5), 0x646464u);                   // flat inner line, lightness 128 - 28
    EXPECT_EQ(At(3, 3), RgbOfColor(RGB(0, 128, 0)));  // its corner left out

    // Every style and frame paints every pixel of the bounds.
    for (TBarStyle s : {bsTraditional, bsLED, bsGradient})
        for (TFrameStyleEx f : {fsNone, fsGroove, fsButtonUp, fsFlatRounded}) {
            bar->SetBarStyle(s);
            bar->SetBorderOuter(f);
            bar->SetPercent(s == bsLED ? 77 : 33);
            Shoot();
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 441; ++x) ASSERT_NE(At(x, y), RgbOfColor(kPanelColor)) << s << " " << f;
        }
}

TEST_F(ProgressBarTest, ThemeAwareUsesTheThemeOrFallsBack) {
    bar->SetBarStyle(bsTraditional);
    bar->SetShowPercent(false);
    bar->SetPercent(50);
    Shoot();
    std::unique_ptr<TBitmap> classic = std::move(shot);
    bar->SetThemeAware(true);
    // Control theming switched off for the application: the classic look.
    const DWORD properties = GetThemeAppProperties();
    SetThemeAppProperties(STAP_ALLOW_NONCLIENT);
    EXPECT_FALSE(bar->UsesTheme());
    Shoot();
    SetThemeAppProperties(properties);
    EXPECT_TRUE(SameAs(*classic));
    if (!bar->UsesTheme()) GTEST_SKIP() << "no visual theme is active";
    // The theme's trough, and the bar 3 pixels in: 435 wide, 218 filled.
    Shoot();
    EXPECT_FALSE(SameAs(*classic));
    EXPECT_TRUE(At(3, 8) == kBar && At(220, 3) == kBar && At(221, 12) == kWhite && At(437, 8) == kWhite);
    EXPECT_NE(At(2, 8), kBar);
}

TEST(GradientPaint, CanvasCallHonoursOriginAndClipping) {
    TBitmap target(40, 30);
    TCanvas& c = target.Canvas();
    c.Brush().SetColor(clBlack);
    c.FillRect(TRect{0, 0, 40, 30});
    const int saved = c.SaveState();
    c.MoveOrigin(5, 4);
    c.IntersectClip(TRect{0, 0, 20, 10});
    PaintGradient(c, TRect{0, 0, 30, 20}, clBtnFace, RGB(0, 0, 255), gdVerticalEnd);
    c.RestoreState(saved);
    GdiFlush();
    const TSurface want = Reference(30, 20, static_cast<TColor>(GetSysColor(COLOR_BTNFACE)), RGB(0, 0, 255), gdVerticalEnd);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 5 && x < 25 && y >= 4 && y < 14;
            ASSERT_EQ(Rgb(target, x, y), inside ? want.At(x - 5, y - 4) & 0xFFFFFFu : 0u) << x << "," << y;
        }
}

}  // namespace
}  // namespace vd
