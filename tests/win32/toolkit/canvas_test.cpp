// The canvas and the 32-bit bitmap whose pixels are the portable surface.
#include <gtest/gtest.h>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/png_image.h"

namespace vd {
namespace {

using test::Rgb;
using test::RgbOf;

void Fill(TBitmap& b, TColor c) {
    b.Canvas().Brush().SetColor(c);
    b.Canvas().FillRect(TRect{0, 0, b.Width(), b.Height()});
}

TEST(BitmapTest, SurfaceIsTheDibSectionMemory) {
    TBitmap b(4, 3);
    Fill(b, RGB(255, 0, 0));
    TSurface& s = b.Surface();
    ASSERT_EQ(s.Width(), 4);
    ASSERT_EQ(s.Height(), 3);
    EXPECT_EQ(s.At(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(s.At(3, 2) & 0xFFFFFF, 0xFF0000u);
    // Bottom-up storage: storage row 0 is the bottom image row.
    b.Canvas().SetPixel(1, 2, RGB(0, 0, 255));
    EXPECT_EQ(b.Surface().Bits()[1] & 0xFFFFFF, 0x0000FFu);
    // Writing the surface is seen by GDI without a copy.
    s.At(2, 0) = 0x00123456;
    EXPECT_EQ(b.Canvas().Pixel(2, 0), RGB(0x12, 0x34, 0x56));
}

TEST(BitmapTest, ResizeClearsAndEmptyBitmapDrawsNothing) {
    TBitmap b(2, 2);
    Fill(b, RGB(1, 2, 3));
    b.SetSize(5, 1);
    EXPECT_EQ(b.Width(), 5);
    EXPECT_EQ(Rgb(b, 4, 0), 0u);
    TBitmap empty;
    EXPECT_TRUE(empty.Empty());
    TBitmap target(2, 2);
    Fill(target, RGB(9, 9, 9));
    target.Canvas().Draw(0, 0, empty);
    EXPECT_EQ(Rgb(target, 0, 0), RgbOf(9, 9, 9));
}

TEST(CanvasTest, LinesExcludeTheirLastPoint) {
    TBitmap b(8, 3);
    Fill(b, clWhite);
    TCanvas& c = b.Canvas();
    c.Pen().SetColor(clBlack);
    c.MoveTo(1, 1);
    c.LineTo(5, 1);
    EXPECT_EQ(Rgb(b, 0, 1), 0xFFFFFFu);
    EXPECT_EQ(Rgb(b, 1, 1), 0u);
    EXPECT_EQ(Rgb(b, 4, 1), 0u);
    EXPECT_EQ(Rgb(b, 5, 1), 0xFFFFFFu);
    EXPECT_EQ(c.PenPos().X, 5);
    TPoint pts[] = {{0, 2}, {3, 2}, {3, 0}};
    c.Polyline(pts, 3);
    EXPECT_EQ(Rgb(b, 2, 2), 0u);
    EXPECT_EQ(Rgb(b, 3, 2), 0u);   // the corner is drawn by the second segment
    EXPECT_EQ(Rgb(b, 3, 0), 0xFFFFFFu);
}

TEST(CanvasTest, PolygonAndRectangleFillWithTheBrush) {
    TBitmap b(10, 10);
    Fill(b, clWhite);
    TCanvas& c = b.Canvas();
    c.Pen().SetColor(RGB(0, 0, 255));
    c.Brush().SetColor(RGB(0, 255, 0));
    c.Rectangle(TRect{0, 0, 5, 5});
    EXPECT_EQ(Rgb(b, 0, 0), RgbOf(0, 0, 255));
    EXPECT_EQ(Rgb(b, 2, 2), RgbOf(0, 255, 0));
    EXPECT_EQ(Rgb(b, 5, 5), 0xFFFFFFu);
    TPoint tri[] = {{5, 5}, {9, 5}, {9, 9}};
    c.Polygon(tri, 3);
    EXPECT_EQ(Rgb(b, 8, 6), RgbOf(0, 255, 0));
    EXPECT_EQ(Rgb(b, 6, 8), 0xFFFFFFu);
}

TEST(CanvasTest, ClippingSavesAndRestoresAndOriginShifts) {
    TBitmap b(6, 6);
    Fill(b, clWhite);
    TCanvas& c = b.Canvas();
    int saved = c.SaveState();
    c.IntersectClip(TRect{0, 0, 2, 2});
    c.Brush().SetColor(clBlack);
    c.FillRect(TRect{0, 0, 6, 6});
    EXPECT_EQ(Rgb(b, 1, 1), 0u);
    EXPECT_EQ(Rgb(b, 2, 2), 0xFFFFFFu);
    EXPECT_EQ(c.ClipRect(), (TRect{0, 0, 2, 2}));
    c.RestoreState(saved);
    EXPECT_EQ(c.ClipRect(), (TRect{0, 0, 6, 6}));

    saved = c.SaveState();
    c.MoveOrigin(3, 4);
    c.Brush().SetColor(RGB(255, 0, 0));
    c.FillRect(TRect{0, 0, 1, 1});
    EXPECT_EQ(Rgb(b, 3, 4), 0xFF0000u);
    EXPECT_EQ(c.Origin().X, 3);
    c.ExcludeClip(TRect{1, 0, 2, 1});
    c.FillRect(TRect{0, 0, 2, 1});
    EXPECT_EQ(Rgb(b, 5, 4), 0xFFFFFFu);
    c.RestoreState(saved);
    EXPECT_EQ(c.Origin().X, 0);
}

TEST(CanvasTest, TextIsMeasuredAndWrapped) {
    TBitmap b(200, 100);
    Fill(b, clWhite);
    TCanvas& c = b.Canvas();
    TPoint one = c.TextExtent("Hello");
    EXPECT_GT(one.X, 0);
    EXPECT_GT(one.Y, 0);
    EXPECT_GT(c.TextWidth("Hello Hello"), one.X);
    TRect narrow{0, 0, one.X + 2, 100};
    int h = c.DrawText("Hello Hello Hello", narrow, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(h, 3 * one.Y);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Font().SetColor(clBlack);
    c.TextOut(0, 0, "W");
    int dark = 0;
    for (int y = 0; y < one.Y; ++y)
        for (int x = 0; x < 20; ++x)
            if (Rgb(b, x, y) != 0xFFFFFFu) ++dark;
    EXPECT_GT(dark, 0);
}

TEST(CanvasTest, PngBlendsByAlphaAndScales) {
    TRgbaImage img;
    img.Width = 2;
    img.Height = 1;
    img.Pixels = {255, 0, 0, 0, /**/ 255, 0, 0, 128};
    TPngImage png;
    png.SetImage(img);
    TBitmap b(4, 2);
    Fill(b, clWhite);
    b.Canvas().StretchDraw(TRect{0, 0, 4, 2}, png);
    EXPECT_EQ(Rgb(b, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(Rgb(b, 1, 1), 0xFFFFFFu);
    uint32_t half = Rgb(b, 3, 1);
    EXPECT_EQ(half >> 16, 255u);
    EXPECT_NEAR(static_cast<int>((half >> 8) & 0xFF), 127, 2);
    EXPECT_NEAR(static_cast<int>(half & 0xFF), 127, 2);
}

TEST(CanvasTest, BitmapsCopyWithTransparentColour) {
    TBitmap src(2, 1);
    src.Canvas().SetPixel(0, 0, RGB(255, 0, 255));
    src.Canvas().SetPixel(1, 0, RGB(0, 0, 255));
    TBitmap dst(2, 1);
    Fill(dst, clWhite);
    src.DrawTransparent(dst.Canvas(), TRect{0, 0, 2, 1}, RGB(255, 0, 255));
    EXPECT_EQ(Rgb(dst, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(Rgb(dst, 1, 0), 0x0000FFu);
    dst.Canvas().Draw(0, 0, src);
    EXPECT_EQ(Rgb(dst, 0, 0), 0xFF00FFu);
}

}  // namespace
}  // namespace vd
