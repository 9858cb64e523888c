// The flat edit in a real window: the typing and paste filters, the frame's
// state colours, the link button with the mouse and Ctrl+Enter, the height
// from the font and the default text.
#include <gtest/gtest.h>

#include "controls/box_rect.h"
#include "controls/xp_edit.h"
#include "core/text.h"
#include "tests/win32/controls/combo_edit_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::kSkinBorder;
using test::Rgb;
using test::RgbOf;
using test::RgbOfColor;

const uint32_t kFlat = RgbOf(231, 252, 255);    // 16776423
const uint32_t kWhite = RgbOf(255, 255, 255);

void SetClipboardText(HWND owner, const std::u16string& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    memcpy(GlobalLock(mem), text.c_str(), (text.size() + 1) * sizeof(char16_t));
    GlobalUnlock(mem);
    SetClipboardData(CF_UNICODETEXT, mem);
    CloseClipboard();
}

std::u16string ClipboardText(HWND owner) {
    std::u16string text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const char16_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

class XPEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);
        form = test::NewBorderlessForm(60, 300, 460, 120);
        a = NewEdit(51, 10);
        b = NewEdit(51, 40);
        plain = new TEdit(form);
        plain->SetBounds(51, 70, 100, 21);
        plain->SetParent(form);
        a->OnButtonClick = [this](TObject*) { ++clicks; };
        form->Show();
        test::Pump();
    }
    void TearDown() override {
        ReleaseCapture();
        delete form;
        test::Pump();
    }
    TXPEdit* NewEdit(int left, int top) {
        auto* e = new TXPEdit(form);
        e->SetColorBorder(clSkinBorder);
        e->SetColorFlat(16776423);
        e->SetBounds(left, top, 385, 19);
        e->SetParent(form);
        return e;
    }
    void Type(TXPEdit* e, const std::u16string& chars) {
        for (char16_t c : chars) SendMessageW(e->Handle(), WM_CHAR, c, 1);
    }
    // The ring colour and the text background of an edit, as shown.
    uint32_t Ring(TXPEdit* e) { return Rgb(*test::Shot(e->Handle()), 1, 1); }
    uint32_t Background(TXPEdit* e) {
        auto shot = test::Shot(e->Handle());
        return Rgb(*shot, shot->Width() - 5, shot->Height() / 2);
    }

    TForm* form = nullptr;
    TXPEdit *a = nullptr, *b = nullptr;
    TEdit* plain = nullptr;
    int clicks = 0;
};

TEST_F(XPEditTest, TypingFilterWithRealCharacters) {
    // Escape through the message loop leaves the form alone.
    b->SetFocus();
    PostMessageW(b->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(b->Handle(), WM_CHAR, 27, 1);
    test::Pump(50);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));

    a->SetTextType(IntegerText);
    a->SetFocus();
    Type(a, u"a1-2.");
    EXPECT_EQ(a->Text(), "12");
    a->SetSel(0, 0);
    Type(a, u"--");
    EXPECT_EQ(a->Text(), "-12");
    a->SetAcceptNegative(false);
    a->SetText("");
    Type(a, u"-7");
    EXPECT_EQ(a->Text(), "7");

    a->SetText("");
    a->SetTextType(FloatText);
    Type(a, u"1.2.3x\b");
    EXPECT_EQ(a->Text(), "1.2");
    // Enter neither breaks the line nor moves on: the box beeps.
    Type(a, u"\r");
    EXPECT_EQ(a->Text(), "1.2");
    EXPECT_TRUE(a->Focused());
    a->SetEnterAsTab(true);
    Type(a, u"\r");
    EXPECT_TRUE(b->Focused());

    b->SetTextType(IdentText);
    Type(b, u"9a_9-");
    EXPECT_EQ(b->Text(), "a_9");
    b->SetTextType(NormalText);
    b->SetAcceptCharList("xyz");
    Type(b, u"axb");
    EXPECT_EQ(b->Text(), "a_9x");
}

TEST_F(XPEditTest, PasteInsertsTheFilteredTextAndLeavesTheClipboard) {
    const std::u16string copied = u"a-1.b2";
    SetClipboardText(form->Handle(), copied);
    a->SetTextType(FloatText);
    a->SetFocus();
    SendMessageW(a->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(a->Text(), "-1.2");
    EXPECT_EQ(ClipboardText(form->Handle()), copied);

    a->SetText("");
    a->SetTextType(IntegerText);
    Type(a, u"\x16");  // Ctrl+V
    EXPECT_EQ(a->Text(), "-12");
    EXPECT_EQ(ClipboardText(form->Handle()), copied);

    a->SetText("");
    a->SetTextType(NormalText);
    SendMessageW(a->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(a->Text(), "a-1.b2");
}

TEST_F(XPEditTest, FrameColoursFollowFocusAndHover) {
    auto idle = test::Shot(a->Handle());
    test::KeepArtefact(*idle, "edit-idle");
    EXPECT_EQ(Rgb(*idle, 0, 0), kSkinBorder);
    EXPECT_EQ(Rgb(*idle, idle->Width() - 1, idle->Height() - 1), kSkinBorder);
    EXPECT_EQ(Rgb(*idle, 1, 1), kFlat);
    EXPECT_EQ(Rgb(*idle, 2, 5), kFlat);
    EXPECT_EQ(Background(a), kFlat);

    a->SetFocus();
    test::Pump();
    test::KeepArtefact(*test::Shot(a->Handle()), "edit-focused");
    EXPECT_EQ(Ring(a), kWhite);
    EXPECT_EQ(Background(a), kWhite);

    // Hovering b while another flat edit has the focus leaves it flat.
    test::Mouse(b->Handle(), WM_MOUSEMOVE, 5, 5);
    ASSERT_TRUE(b->Hot());
    EXPECT_EQ(Ring(b), kFlat);
    SendMessageW(b->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(b->Hot());

    // With the focus on a plain edit, hovering lights it.
    plain->SetFocus();
    test::Pump();
    EXPECT_EQ(Ring(a), kFlat);
    test::Mouse(b->Handle(), WM_MOUSEMOVE, 5, 5);
    test::KeepArtefact(*test::Shot(b->Handle()), "edit-hovered");
    EXPECT_EQ(Ring(b), kWhite);
    EXPECT_EQ(Background(b), kWhite);
    SendMessageW(b->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Ring(b), kFlat);
}

TEST_F(XPEditTest, ButtonClicksOnReleaseInsideAndOnCtrlEnter) {
    a->SetText("C:\\Program Files\\");
    a->SetLinkStyle(lsEllipsis);
    const TRect br = a->ButtonRect();
    ASSERT_EQ(br.Width(), GetSystemMetrics(SM_CXVSCROLL));
    ASSERT_EQ(br.Right, a->ClientWidth());
    auto shot = test::Shot(a->Handle());
    test::KeepArtefact(*shot, "edit-ellipsis");
    // Three black dots around the button's centre (frame 3 pixels).
    auto dots = EllipsisDots(ToBox(br), a->ClientHeight(), false);
    for (const TBox& d : dots) EXPECT_EQ(Rgb(*shot, d.Left + 3, d.Top + 4), 0u);
    EXPECT_NE(Rgb(*shot, dots[0].Left + 3 - 2, dots[0].Top + 3), 0u);

    HWND h = a->Handle();
    const int cx = (br.Left + br.Right) / 2, cy = br.Height() / 2;
    test::Mouse(h, WM_LBUTTONDOWN, cx, cy, MK_LBUTTON);
    EXPECT_TRUE(a->ButtonPressed());
    EXPECT_EQ(GetCapture(), h);
    test::Mouse(h, WM_MOUSEMOVE, cx - 60, cy, MK_LBUTTON);
    EXPECT_FALSE(a->ButtonPressed());
    test::Mouse(h, WM_MOUSEMOVE, cx, cy, MK_LBUTTON);
    EXPECT_TRUE(a->ButtonPressed());
    test::Mouse(h, WM_MOUSEMOVE, cx - 60, cy, MK_LBUTTON);
    test::Mouse(h, WM_LBUTTONUP, cx - 60, cy);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(GetCapture(), nullptr);

    test::Mouse(h, WM_LBUTTONDOWN, cx, cy, MK_LBUTTON);
    test::KeepArtefact(*test::Shot(h), "edit-ellipsis-pressed");
    test::Mouse(h, WM_LBUTTONUP, cx, cy);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(a->ButtonPressed());

    // Ctrl+Enter clicks too, and its line break is swallowed.
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE held[256];
    memcpy(held, keys, sizeof(held));
    held[VK_CONTROL] = 0x80;
    SetKeyboardState(held);
    SendMessageW(h, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageW(h, WM_CHAR, u'\n', 1);
    SetKeyboardState(keys);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(a->Text(), "C:\\Program Files\\");

    a->SetLinkStyle(lsDropDown);
    shot = test::Shot(h);
    test::KeepArtefact(*shot, "edit-dropdown");
    auto rows = DropDownTriangleRows(ToBox(br));
    for (const TBox& r : rows) {
        EXPECT_EQ(Rgb(*shot, r.Left + 3, r.Top + 3), 0u);
        EXPECT_EQ(Rgb(*shot, r.Right - 1 + 3, r.Top + 3), 0u);
        EXPECT_NE(Rgb(*shot, r.Right + 3, r.Top + 3), 0u);
    }
}

TEST_F(XPEditTest, HeightFollowsTheFontAndTheDefaultTextReturns) {
    TEXTMETRICW tm{};
    auto height = [&](TXPEdit* e) {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, e->Font().Handle());
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return tm.tmHeight + 6;
    };
    EXPECT_EQ(a->Height(), height(a));
    a->Font().SetHeight(-20);
    EXPECT_EQ(a->Height(), height(a));
    EXPECT_EQ(a->ClientHeight(), a->Height() - 6);

    a->SetTextType(IntegerText);
    EXPECT_EQ(a->DefaultText(), "0");
    a->SetFocus();
    b->SetFocus();
    EXPECT_EQ(a->Text(), "0");
    a->SetTextType(FloatText);
    a->SetText(".5");
    a->SetFocus();
    b->SetFocus();
    EXPECT_EQ(a->Text(), "0.5");

    b->SetDefaultText("默认");
    a->SetFocus();
    EXPECT_EQ(b->Text(), "默认");
    test::Mouse(b->Handle(), WM_LBUTTONDOWN, 10, 5, MK_LBUTTON);
    test::Mouse(b->Handle(), WM_LBUTTONUP, 10, 5);
    EXPECT_EQ(b->Text(), "");

    // A password box is single-line and masks its text.
    b->SetText("secret");
    b->SetPasswordChar(u'*');
    EXPECT_EQ(GetWindowLongW(b->Handle(), GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_EQ(SendMessageW(b->Handle(), EM_GETPASSWORDCHAR, 0, 0), u'*');
    EXPECT_EQ(b->Text(), "secret");
}

}  // namespace
}  // namespace vd
