// The native combo box's styles: the editable parts and their colours, a
// style change re-creating the window with the text kept, sorted items, and
// the owner-drawn lists.
#include <gtest/gtest.h>

#include <vector>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/combo_box.h"
#include "toolkit/form.h"

namespace vd {
namespace {

std::wstring ListText(HWND h, int index) {
    wchar_t text[64] = {};
    SendMessageW(h, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(ComboBoxStyleTest, EditablePartsTakeTheComboColoursAndKeepTheText) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* combo = new TComboBox(&form);
    combo->SetStyle(TComboBoxStyle::csDropDown);
    combo->SetText("abc");
    combo->SetParent(&form);
    combo->HandleNeeded();
    ASSERT_NE(combo->EditHandle(), nullptr);
    EXPECT_EQ(combo->Text(), "abc");
    combo->SetColor(RGB(1, 2, 3));
    HDC dc = GetDC(combo->EditHandle());
    LRESULT brush = SendMessageW(combo->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(combo->EditHandle()));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    ReleaseDC(combo->EditHandle(), dc);

    HWND old = combo->Handle();
    combo->SetStyle(TComboBoxStyle::csSimple);
    EXPECT_NE(combo->Handle(), old);
    EXPECT_NE(GetWindowLongW(combo->Handle(), GWL_STYLE) & CBS_SIMPLE, 0);
    EXPECT_EQ(combo->Text(), "abc");
    EXPECT_NE(combo->ListHandle(), nullptr);

    combo->SetSorted(true);
    for (const char* s : {"b", "a", "C"}) combo->AddItem(s);
    EXPECT_EQ(combo->Item(0), "a");
    EXPECT_EQ(combo->Item(2), "C");
    EXPECT_EQ(ListText(combo->Handle(), 1), L"b");
}

TEST(ComboBoxStyleTest, OwnerDrawnListsAskForHeightsAndDrawing) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* combo = new TComboBox(&form);
    for (const char* s : {"one", "two", "three"}) combo->AddItem(s);
    combo->SetItemIndex(1);
    combo->SetStyle(TComboBoxStyle::csOwnerDrawVariable);
    std::vector<int> measured, drawn;
    combo->OnMeasureItem = [&](TObject*, int index, int& height) {
        measured.push_back(index);
        height = 18 + index;
    };
    combo->OnDrawItem = [&](TObject*, int index, TCanvas&, const TRect&, TOwnerDrawState state) {
        if (state & odComboBoxEdit) drawn.push_back(index);
    };
    combo->SetParent(&form);
    combo->HandleNeeded();
    EXPECT_EQ(measured, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 2, 0), 20);
    form.Show();
    InvalidateRect(combo->Handle(), nullptr, TRUE);
    UpdateWindow(combo->Handle());
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back(), 1);

    combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    combo->SetItemHeight(22);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0), 22);
    EXPECT_EQ(combo->ItemIndex(), 1);
}

}  // namespace
}  // namespace vd
