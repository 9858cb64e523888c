// The flat combo box in a real window: the frame, the arrow button pointing
// down, up while dropped and grey with a white shadow when disabled, the
// focused field's highlight, and the close-up event.
#include <gtest/gtest.h>

#include "controls/model/combo_geometry.h"
#include "controls/xp_combo_box.h"
#include "tests/win32/controls/combo_edit_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::kSkinBorder;
using test::Rgb;
using test::RgbOf;
using test::RgbOfColor;

const uint32_t kArrow = RgbOf(237, 246, 249);   // 16381677

class XPComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = test::NewBorderlessForm(60, 60, 300, 160);
        form->SetColor(RGB(231, 252, 255));
        combo = new TXPComboBox(form);
        combo->SetColor(clWindow);
        combo->SetColorArrow(16381677);
        combo->SetColorArrowBackground(clSkinBorder);
        combo->SetColorBorder(clSkinBorder);
        for (const char* item : {"推荐关联", "关联所有格式", "取消所有关联"}) combo->AddItem(item);
        combo->SetItemIndex(0);
        combo->SetBounds(46, 20, 226, 21);
        combo->SetParent(form);
        combo->OnCloseUp = [this](TObject*) {
            ++closeUps;
            indexAtCloseUp = combo->ItemIndex();
        };
        form->Show();
        h = combo->Handle();
        test::Pump();
    }
    void TearDown() override {
        delete form;
        test::Pump();
    }
    // The arrow's centre in window coordinates.
    TCorner Centre() {
        RECT rc{};
        GetClientRect(h, &rc);
        TBox b = ComboButtonRect(rc.right, rc.right, rc.bottom);
        return TCorner{b.Left + b.Width() / 2, b.Top + b.Height() / 2};
    }
    // How many pixels of row y of the button show colour c.
    int RowCount(TBitmap& shot, int y, uint32_t c) {
        RECT rc{};
        GetClientRect(h, &rc);
        int n = 0;
        for (int x = rc.right - kComboArrowWidth - 1; x < rc.right - 1; ++x) n += Rgb(shot, x, y) == c;
        return n;
    }

    TForm* form = nullptr;
    TXPComboBox* combo = nullptr;
    HWND h = nullptr;
    int closeUps = 0, indexAtCloseUp = -2;
};

TEST_F(XPComboBoxTest, FrameAndArrowPointingDownThenUpWhileDropped) {
    auto shot = test::Shot(h);
    test::KeepArtefact(*shot, "combo-closed");
    const int w = shot->Width(), hh = shot->Height();
    EXPECT_EQ(hh, combo->Height());
    // Border, then two rings of Color.
    EXPECT_EQ(Rgb(*shot, 0, hh / 2), kSkinBorder);
    EXPECT_EQ(Rgb(*shot, 1, hh / 2), RgbOf(255, 255, 255));
    EXPECT_EQ(Rgb(*shot, 2, 1 + 1), RgbOf(255, 255, 255));
    // The button: framed in the border colour, filled with its background.
    EXPECT_EQ(Rgb(*shot, w - 13, hh / 2), kSkinBorder);
    EXPECT_EQ(Rgb(*shot, w - 1, 0), kSkinBorder);
    EXPECT_EQ(Rgb(*shot, w - 3, 2), kSkinBorder);
    TCorner c = Centre();
    EXPECT_EQ(RowCount(*shot, c.Y - 1, kArrow), 5);
    EXPECT_EQ(RowCount(*shot, c.Y, kArrow), 3);
    EXPECT_EQ(RowCount(*shot, c.Y + 1, kArrow), 1);
    EXPECT_EQ(Rgb(*shot, c.X, c.Y + 1), kArrow);

    combo->SetColor(RGB(250, 240, 200));
    combo->SetDroppedDown(true);
    test::Pump();
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(combo->ArrowUp());
    shot = test::Shot(h);
    test::KeepArtefact(*shot, "combo-dropped");
    EXPECT_EQ(RowCount(*shot, c.Y + 1, kArrow), 5);
    EXPECT_EQ(RowCount(*shot, c.Y - 1, kArrow), 1);
    EXPECT_EQ(Rgb(*shot, c.X, c.Y - 1), kArrow);
    // The list shows on the combo's Color.
    auto list = test::Shot(combo->ListHandle());
    EXPECT_EQ(Rgb(*list, list->Width() - 3, list->Height() - 3), RgbOf(250, 240, 200));

    // Closing without a change still reports the close-up; the arrow is
    // pointing down again.
    combo->SetDroppedDown(false);
    test::Pump();
    EXPECT_EQ(closeUps, 1);
    EXPECT_EQ(indexAtCloseUp, 0);
    EXPECT_FALSE(combo->ArrowUp());
    EXPECT_EQ(RowCount(*test::Shot(h), c.Y - 1, kArrow), 5);
}

TEST_F(XPComboBoxTest, KeyboardCloseWithoutAChangeRaisesCloseUp) {
    combo->SetFocus();
    SendMessageW(h, WM_KEYDOWN, VK_F4, 0);
    test::Pump();
    ASSERT_TRUE(combo->DroppedDown());
    SendMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
    test::Pump();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(closeUps, 1);
    EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(XPComboBoxTest, FocusedClosedFieldShowsTheHighlightStripAndFrame) {
    combo->SetFocus();
    test::Pump();
    auto shot = test::Shot(h);
    test::KeepArtefact(*shot, "combo-focused");
    const uint32_t highlight = RgbOfColor(GetSysColor(COLOR_HIGHLIGHT));
    const int w = shot->Width(), hh = shot->Height();
    TBox strip = ComboGapStrip(w, hh);
    EXPECT_EQ(Rgb(*shot, strip.Left + 2, hh / 2), highlight);
    TBox focus = ComboFocusFrame(w, hh);
    EXPECT_EQ(Rgb(*shot, focus.Left, hh / 2), highlight);
    EXPECT_EQ(Rgb(*shot, 20, focus.Top), highlight);
    // Unfocused the strip is Color.
    form->SetFocus();
    test::Pump();
    EXPECT_EQ(Rgb(*test::Shot(h), strip.Left + 2, hh / 2), RgbOf(255, 255, 255));
}

TEST_F(XPComboBoxTest, DisabledArrowIsGreyWithAWhiteShadow) {
    combo->SetEnabled(false);
    test::Pump();
    auto shot = test::Shot(h);
    test::KeepArtefact(*shot, "combo-disabled");
    const uint32_t grey = RgbOf(128, 128, 128), white = RgbOf(255, 255, 255);
    TCorner c = Centre();
    for (int x = c.X - 2; x <= c.X + 2; ++x) EXPECT_EQ(Rgb(*shot, x, c.Y - 1), grey) << x;
    EXPECT_EQ(Rgb(*shot, c.X, c.Y + 1), grey);
    // The white copy one pixel right and down shows beside the grey.
    EXPECT_EQ(Rgb(*shot, c.X + 2, c.Y), white);
    EXPECT_EQ(Rgb(*shot, c.X + 3, c.Y), white);
    EXPECT_EQ(Rgb(*shot, c.X + 1, c.Y + 1), white);
    EXPECT_EQ(Rgb(*shot, c.X + 1, c.Y + 2), white);
    EXPECT_EQ(RowCount(*shot, c.Y - 1, kArrow), 0);
}

TEST_F(XPComboBoxTest, FontChangeResetsItemHeightAndKeepsTheItems) {
    combo->SetItemIndex(2);
    combo->SetItemHeight(20);
    combo->Font().SetHeight(-16);
    EXPECT_EQ(combo->ItemHeight(), 13);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(combo->ItemIndex(), 2);
    // Derived colours come from the parent's colour.
    combo->SetUseAdvColors(true);
    EXPECT_NE(combo->ColorBorder(), clSkinBorder);
    const TColor border = combo->ColorBorder();
    form->SetColor(RGB(40, 40, 40));
    EXPECT_NE(combo->ColorBorder(), border);
}

}  // namespace
}  // namespace vd
