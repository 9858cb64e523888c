// The colour memo in a real window: its bar's place and range, PageDown,
// the wheel and the bar scrolling the text, the caret pulling the bar, and
// the pixels of the frame with the disabled bar merged into it.
#include <gtest/gtest.h>

#include "controls/xp_color_memo.h"
#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::Rgb;
using test::RgbOfColor;

constexpr TColor kMemoBorder = RGB(200, 0, 0), kBarBorder = RGB(0, 0, 200);

std::string NumberedLines(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? "\r\n" : "") + std::string("line ") + std::to_string(i);
    return s;
}

class ColorMemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);
        form = test::NewBorderlessForm(100, 100, 400, 250);
        memo = new TXPColorMemo(form);
        memo->SetBounds(10, 10, 351, 163);
        memo->SetParent(form);
        memo->SetReadOnly(true);
        memo->SetBorderColor(kMemoBorder);
        memo->VertScrollBar().SetBorderColor(kBarBorder);
        h = memo->Handle();  // the form's window too, hidden until a test shows it
        memo->Loaded();
        test::Pump();
    }
    void TearDown() override {
        delete form;
        test::Pump();
    }
    void Key(UINT vk) {
        SendMessageW(h, WM_KEYDOWN, vk, 1);
        SendMessageW(h, WM_KEYUP, vk, 0xC0000001);
        test::Pump();
    }
    int CaretLine() { return memo->LineFromChar(memo->SelStart()); }
    TXPScrollBar& Bar() { return memo->ScrollBar(); }

    TForm* form = nullptr;
    TXPColorMemo* memo = nullptr;
    HWND h = nullptr;
};

TEST_F(ColorMemoTest, BarAlongTheRightEdgeAndTheTextBesideIt) {
    EXPECT_EQ(Bar().Kind(), sbVertical);
    EXPECT_EQ(Bar().BoundsRect(), (TRect{335, 0, 351, 163}));
    EXPECT_EQ(Bar().ButtonWidth(), 18);
    EXPECT_EQ(memo->ClientWidth(), 351);  // the edit's border lies inside
    // The text stops before the bar (the edit keeps its border and margin
    // inside the rectangle it is given).
    auto textEndsBeforeTheBar = [&]() {
        const int right = memo->FormattingRect().Right;
        return right <= memo->ClientWidth() - 16 && right >= memo->ClientWidth() - 16 - 4;
    };
    EXPECT_TRUE(textEndsBeforeTheBar());
    memo->SetBounds(10, 10, 300, 120);
    EXPECT_EQ(Bar().BoundsRect(), (TRect{284, 0, 300, 120}));
    EXPECT_TRUE(textEndsBeforeTheBar());
}

TEST_F(ColorMemoTest, RangeFollowsTheText) {
    memo->SetText("one\r\ntwo");
    EXPECT_FALSE(Bar().Enabled());
    const int visible = memo->VisibleLines();
    ASSERT_GT(visible, 3);
    const int lineHeight = (memo->ClientHeight() - 3) / visible;
    EXPECT_GE(lineHeight, 10);
    EXPECT_LE(lineHeight, 24);
    // Add lines until the text overflows.
    int lines = 2;
    std::string text = NumberedLines(lines);
    while (!Bar().Enabled() && lines < 100) {
        text += "\r\nmore";
        memo->SetText(text);
        ++lines;
    }
    EXPECT_EQ(lines, visible + 1);
    EXPECT_EQ(Bar().Max(), 1);
    // A final line break counts as a line.
    memo->SetText(NumberedLines(visible));
    EXPECT_FALSE(Bar().Enabled());
    memo->SetText(NumberedLines(visible) + "\r\n");
    EXPECT_TRUE(Bar().Enabled());
    EXPECT_EQ(Bar().Max(), 1);
    // Scrolled, then shortened: the bar goes back to 0 and so does the text.
    memo->SetText(NumberedLines(40));
    EXPECT_EQ(Bar().Max(), 40 - visible);
    Bar().SetPosition(7);
    EXPECT_EQ(memo->TopLine(), 7);
    memo->SetText("short");
    EXPECT_FALSE(Bar().Enabled());
    EXPECT_EQ(Bar().Position(), 0);
    EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(ColorMemoTest, PageDownMovesTheCaretOnePageAndKeepsItInView) {
    memo->SetText(NumberedLines(50));
    memo->Loaded();
    const int v = memo->VisibleLines();
    Key(VK_NEXT);
    EXPECT_EQ(CaretLine(), v);
    EXPECT_EQ(Bar().Position(), 1);  // the caret's line is the last one shown
    EXPECT_EQ(memo->TopLine(), 1);
    Key(VK_NEXT);
    EXPECT_EQ(CaretLine(), 2 * v);
    EXPECT_EQ(Bar().Position(), v + 1);
    Key(VK_PRIOR);
    EXPECT_EQ(CaretLine(), v);
    EXPECT_EQ(Bar().Position(), v);
    EXPECT_EQ(memo->TopLine(), v);
}

TEST_F(ColorMemoTest, WheelAndBarScrollTheTextAndTheCaretBringsItBack) {
    memo->SetText(NumberedLines(50));
    memo->Loaded();
    POINT p{50, 50};
    ClientToScreen(h, &p);
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(p.x, p.y));
    EXPECT_EQ(Bar().Position(), 3);
    EXPECT_EQ(memo->TopLine(), 3);
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(p.x, p.y));
    EXPECT_EQ(Bar().Position(), 0);
    Bar().SetPosition(10);
    EXPECT_EQ(memo->TopLine(), 10);
    // The caret is still on line 0: moving it scrolls the text back to it,
    // and the bar follows.
    Key(VK_RIGHT);
    EXPECT_EQ(CaretLine(), 0);
    EXPECT_EQ(memo->TopLine(), 0);
    EXPECT_EQ(Bar().Position(), 0);
}

TEST_F(ColorMemoTest, FrameAndTheDisabledBarMergingIntoIt) {
    const uint32_t memoBorder = RgbOfColor(kMemoBorder), barBorder = RgbOfColor(kBarBorder),
                   fill = RgbOfColor(16643310);
    const int w = memo->Width(), hgt = memo->Height(), barX = Bar().Left();
    memo->SetText("fits");
    ASSERT_FALSE(Bar().Enabled());
    auto bmp = test::Render(*memo);
    for (auto [x, y] : {std::pair{0, 0}, {0, 80}, {100, 0}, {100, hgt - 1}})
        EXPECT_EQ(Rgb(*bmp, x, y), memoBorder) << x << "," << y;
    EXPECT_EQ(Rgb(*bmp, 100, 80), fill);  // the memo's Color
    // The bar's top, right and bottom edges continue the memo's frame; its
    // left edge keeps the bar's colour; no thumb.
    for (auto [x, y] : {std::pair{barX + 5, 0}, {w - 1, 80}, {barX + 5, hgt - 1}})
        EXPECT_EQ(Rgb(*bmp, x, y), memoBorder) << x << "," << y;
    EXPECT_EQ(Rgb(*bmp, barX, 80), barBorder);
    EXPECT_EQ(Rgb(*bmp, barX + 6, 25), fill);

    memo->SetText(NumberedLines(40));
    ASSERT_TRUE(Bar().Enabled());
    bmp = test::Render(*memo);
    EXPECT_EQ(Rgb(*bmp, barX + 5, 0), barBorder);
    EXPECT_EQ(Rgb(*bmp, w - 1, 80), barBorder);
    EXPECT_EQ(Rgb(*bmp, 0, 80), memoBorder);

    // On the screen too, after a real paint.
    memo->SetText("fits");
    form->Show();
    test::Pump();
    RECT wr{};
    GetWindowRect(h, &wr);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, wr.left, wr.top + 80), static_cast<COLORREF>(kMemoBorder));
    EXPECT_EQ(GetPixel(screen, wr.left + 100, wr.bottom - 1), static_cast<COLORREF>(kMemoBorder));
    EXPECT_EQ(GetPixel(screen, wr.right - 1, wr.top + 80), static_cast<COLORREF>(kMemoBorder));
    ReleaseDC(nullptr, screen);

    memo->OnPaint = [](TObject*, bool& cont) { cont = false; };
    bmp = test::Render(*memo);
    EXPECT_NE(Rgb(*bmp, 0, 80), memoBorder);
}

}  // namespace
}  // namespace vd
