// The tri-state check tree in a real window: toggling by mouse and Space,
// the check images it draws, its colours, the selection frame, the wheel
// and the popup menu for right clicks and the keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/xp_check_tree.h"
#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"

namespace vd {
namespace {

using test::Rgb;
using test::RgbOf;
using test::RgbOfColor;

constexpr TColor kHighlight = 374339;  // the wizard's tick, RGB 67, 182, 5

class CheckTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);
        form = new TForm(nullptr);
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(100, 100, 300, 240);
        tree = new TXPCheckTree(form);
        tree->SetBounds(10, 10, 260, 200);
        tree->SetHideSelection(false);
        tree->SetHighlightColor(kHighlight);
        for (const char* g : {"video", "audio"}) {
            TTreeNode* group = tree->AddChild(nullptr, g);
            for (int i = 0; i < 3; ++i) tree->AddChild(group, std::string(g) + std::to_string(i));
            group->Expand();
        }
        tree->OnStateChange = [this](TObject*, TTreeNode* n, TCheckCheckState s) {
            events.push_back(n->Text() + ":" + std::to_string(s));
        };
        tree->SetParent(form);
        form->Show();
        h = tree->Handle();
        test::Pump();
    }
    void TearDown() override {
        ReleaseCapture();
        delete form;
        test::Pump();
    }
    TTreeNode* Node(int index) { return tree->NodeAt(index); }
    // A point on a node's check box (left of its text) and on its text.
    POINT Box(int index) {
        TRect r = Node(index)->DisplayRect(true);
        return POINT{r.Left - 8, (r.Top + r.Bottom) / 2};
    }
    POINT Text(int index) {
        TRect r = Node(index)->DisplayRect(true);
        return POINT{r.Left + 4, (r.Top + r.Bottom) / 2};
    }
    // A press at `down` and its release at `up` (client points), as the
    // mouse gives them: the system tree takes the release from the queue.
    void Press(UINT downMsg, UINT upMsg, POINT down, POINT up, WPARAM keys) {
        POINT s = up;
        ClientToScreen(h, &s);
        SetCursorPos(s.x, s.y);
        PostMessageW(h, upMsg, 0, MAKELPARAM(static_cast<short>(up.x), static_cast<short>(up.y)));
        SendMessageW(h, downMsg, keys, MAKELPARAM(down.x, down.y));
        test::Pump();
    }
    void LeftClick(POINT down, POINT up) { Press(WM_LBUTTONDOWN, WM_LBUTTONUP, down, up, MK_LBUTTON); }
    void RightClick(POINT at) { Press(WM_RBUTTONDOWN, WM_RBUTTONUP, at, at, MK_RBUTTON); }
    std::string States() {
        std::string s;
        for (int i = 0; i < tree->NodeCount(); ++i) s += std::to_string(tree->GetItemState(i));
        return s;
    }
    // Pixels of `rgb` in the 16-pixel column left of a node's text.
    int BoxPixels(TBitmap& bmp, int index, uint32_t rgb) {
        TRect r = Node(index)->DisplayRect(true).Offset(tree->Left(), tree->Top());
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left - 16; x < r.Left; ++x) n += Rgb(bmp, x, y) == rgb;
        return n;
    }

    TForm* form = nullptr;
    TXPCheckTree* tree = nullptr;
    HWND h = nullptr;
    std::vector<std::string> events;
};

TEST_F(CheckTreeTest, NewNodesGetAnEmptyBoxAtTheFirstPaint) {
    EXPECT_EQ(States(), "11111111");  // painted by now
    TTreeNode* late = tree->AddChild(Node(0), "late");
    EXPECT_EQ(tree->GetItemState(late->AbsoluteIndex()), 255);
    UpdateWindow(h);
    EXPECT_EQ(tree->GetItemState(late->AbsoluteIndex()), csUnchecked);
    EXPECT_TRUE(events.empty());
}

TEST_F(CheckTreeTest, PressAndReleaseOnTheBoxToggleOnce) {
    LeftClick(Box(2), Box(2));
    EXPECT_EQ(tree->Selected(), Node(2));
    EXPECT_EQ(States(), "31211111");
    EXPECT_EQ(events, (std::vector<std::string>{"video1:2", "video:3"}));
    // A press on the text selects but toggles nothing.
    LeftClick(Text(3), Text(3));
    EXPECT_EQ(tree->Selected(), Node(3));
    EXPECT_EQ(States(), "31211111");
    // Toggling the group checks all of it.
    LeftClick(Box(0), Box(0));
    EXPECT_EQ(States(), "22221111");
}

TEST_F(CheckTreeTest, ReleaseElsewhereOrOutsideTogglesNothing) {
    LeftClick(Box(1), Box(5));  // on another node
    LeftClick(Box(2), POINT{-30, Box(2).y});  // outside the tree
    LeftClick(Box(3), POINT{Box(3).x, 400});
    EXPECT_EQ(States(), "11111111");
    EXPECT_TRUE(events.empty());
    // The mark of an earlier press on a box does not carry over to a press
    // on the text.
    LeftClick(Box(3), POINT{-30, Box(3).y});
    LeftClick(Text(3), Text(3));
    EXPECT_EQ(States(), "11111111");
}

TEST_F(CheckTreeTest, SpaceReleaseTogglesTheSelectedNode) {
    tree->SetFocus();
    tree->SetSelected(Node(4));
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(h, WM_CHAR, ' ', 0);
    EXPECT_EQ(States(), "11111111");  // not on the press
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(States(), "11112222");
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(States(), "11111111");
    EXPECT_EQ(tree->Selected(), Node(4));  // Space moved no selection
}

TEST_F(CheckTreeTest, BoxesAreDrawnWithTheTickInTheHighlightColour) {
    tree->SetItemState(1, csChecked);
    tree->SetItemState(4, csPartiallyChecked);
    auto bmp = test::Render(*form);
    const uint32_t tick = RgbOfColor(kHighlight);
    EXPECT_EQ(BoxPixels(*bmp, 1, tick), 21);  // the tick's pixels
    EXPECT_EQ(BoxPixels(*bmp, 4, tick), 49);  // the partial fill
    EXPECT_EQ(BoxPixels(*bmp, 2, tick), 0);
    // Around the 7 x 7 fill: the bevel in the window colour, the frame in
    // the button shadow.
    TRect r = Node(4)->DisplayRect(true).Offset(tree->Left(), tree->Top());
    int fillX = r.Left - 16, fillY = r.Top;
    while (Rgb(*bmp, fillX, fillY) != tick && fillX < r.Left) {
        if (++fillY == r.Bottom) fillY = r.Top, ++fillX;
    }
    EXPECT_EQ(Rgb(*bmp, fillX + 6, fillY + 6), tick);
    EXPECT_EQ(Rgb(*bmp, fillX - 1, fillY - 1), RgbOfColor(ColorToRGB(clWindow)));
    EXPECT_EQ(Rgb(*bmp, fillX + 8, fillY + 8), RgbOfColor(ColorToRGB(clWindow)));
    EXPECT_EQ(Rgb(*bmp, fillX - 3, fillY - 3), RgbOfColor(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(Rgb(*bmp, fillX + 9, fillY + 9), RgbOfColor(ColorToRGB(clBtnShadow)));
    // Cell column 2 is the picture's first: the box starts 14 pixels left
    // of the text.
    EXPECT_EQ(fillX - 3, r.Left - 14);
    // A highlight equal to the mask colour moves by one instead of vanishing.
    tree->SetHighlightColor(32896);
    bmp = test::Render(*form);
    EXPECT_EQ(BoxPixels(*bmp, 1, RgbOf(129, 128, 0)), 21);
}

TEST_F(CheckTreeTest, ColoursFollowTheEnabledStateAndTheSetters) {
    // The wizard's stored looks: the focus colour follows Color while it
    // equals the normal colour, then keeps its own value.
    tree->SetColor(16643305);
    EXPECT_EQ(tree->FocusColor(), 16643305);
    tree->SetFocusColor(8478511);
    EXPECT_EQ(tree->Color(), 16643305);
    auto bmp = test::Render(*form);
    EXPECT_EQ(Rgb(*bmp, 10 + 250, 10 + 190), RgbOfColor(16643305));

    tree->SetEnabled(false);
    EXPECT_EQ(tree->Color(), clBtnFace);
    tree->SetDisabledColor(RGB(200, 10, 10));
    EXPECT_EQ(tree->Color(), RGB(200, 10, 10));
    bmp = test::Render(*form);
    EXPECT_EQ(Rgb(*bmp, 10 + 250, 10 + 190), RgbOf(200, 10, 10));
    tree->SetEnabled(true);
    EXPECT_EQ(tree->Color(), 16643305);
    EXPECT_EQ(tree->NormalColor(), 16643305);

    // Focus alone changes nothing; the focus colour's setter does.
    tree->SetFocus();
    ASSERT_TRUE(tree->Focused());
    EXPECT_EQ(tree->Color(), 16643305);
    tree->SetFocusColor(RGB(1, 2, 3));
    EXPECT_EQ(tree->Color(), RGB(1, 2, 3));
    EXPECT_EQ(tree->NormalColor(), 16643305);
    // A colour from outside becomes the normal colour; the focus colour,
    // which differs, stays.
    tree->SetColor(RGB(9, 9, 9));
    EXPECT_EQ(tree->NormalColor(), RGB(9, 9, 9));
    EXPECT_EQ(tree->FocusColor(), RGB(1, 2, 3));
}

TEST_F(CheckTreeTest, SelectionPenFramesTheSelectedTextOnlyWithoutFocus) {
    const TColor pen = 8478511;
    tree->SelectionPen().SetColor(pen);
    tree->SetSelected(Node(2));
    SetFocus(form->Handle());
    TRect r = Node(2)->DisplayRect(true).Offset(tree->Left(), tree->Top());
    auto bmp = test::Render(*form);
    EXPECT_EQ(Rgb(*bmp, (r.Left + r.Right) / 2, r.Top), RgbOfColor(pen));
    EXPECT_EQ(Rgb(*bmp, r.Left, (r.Top + r.Bottom) / 2), RgbOfColor(pen));
    tree->SetFocus();
    bmp = test::Render(*form);
    EXPECT_NE(Rgb(*bmp, r.Left, (r.Top + r.Bottom) / 2), RgbOfColor(pen));
}

TEST_F(CheckTreeTest, WheelScrollsByTheSystemLineCount) {
    for (int i = 0; i < 30; ++i) tree->AddChild(Node(4), "more" + std::to_string(i));
    Node(4)->Expand();
    test::Pump();
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    SendMessageW(h, WM_VSCROLL, SB_TOP, 0);
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), static_cast<int>(lines));
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), static_cast<int>(3 * lines));
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), static_cast<int>(2 * lines));
    // Short of a full step up from the top: the top.
    SendMessageW(h, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), 0);
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 0);
}

TEST_F(CheckTreeTest, AutoSelectSelectsANodeOpenedOrClosedByItsButton) {
    tree->SetAutoSelect(true);
    tree->SetAutoExpand(true);
    EXPECT_FALSE(tree->AutoSelect());
    tree->SetAutoSelect(true);
    EXPECT_FALSE(tree->AutoExpand());
    tree->SetSelected(Node(1));
    POINT button{Box(4).x - 20, Box(4).y};  // the expand button left of the box
    LeftClick(button, button);
    EXPECT_FALSE(Node(4)->Expanded());
    EXPECT_EQ(tree->Selected(), Node(4));
    tree->SetSelected(Node(1));
    LeftClick(button, button);
    EXPECT_TRUE(Node(4)->Expanded());
    EXPECT_EQ(tree->Selected(), Node(4));
    EXPECT_EQ(States(), "11111111");
}

TEST_F(CheckTreeTest, MouseEnterAndLeaveAreRaised) {
    int enters = 0, leaves = 0;
    tree->OnMouseEnter = [&](TObject*) { ++enters; };
    tree->OnMouseLeave = [&](TObject*) { ++leaves; };
    test::Mouse(h, WM_MOUSEMOVE, Text(2).x, Text(2).y);
    test::Mouse(h, WM_MOUSEMOVE, Text(3).x, Text(3).y);
    EXPECT_EQ(enters, 1);
    SendMessageW(h, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(leaves, 1);
}

// The popup menu: every showing closes itself (Escape queued for its loop).
class CheckTreePopupTest : public CheckTreeTest {
protected:
    void SetUp() override {
        CheckTreeTest::SetUp();
        menu = new TPopupMenu(form);
        menu->Add("Check", [this](TObject*) { chosen = tree->Selected(); });
        menu->OnPopup = [this](TObject*) {
            ++popups;
            popupNode = tree->RightClickNode();
            selectedDuringPopup = tree->Selected();
            PostMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
        };
        tree->SetPopupMenu(menu);
    }
    POINT ScreenOf(POINT client) {
        ClientToScreen(h, &client);
        return client;
    }
    TPopupMenu* menu = nullptr;
    int popups = 0;
    TTreeNode* popupNode = nullptr;
    TTreeNode* selectedDuringPopup = nullptr;
    TTreeNode* chosen = nullptr;
};

TEST_F(CheckTreePopupTest, RightClickShowsTheMenuOnceForTheNodeUnderTheCursor) {
    tree->SetSelected(Node(1));
    tree->SetRightClickSelect(true);
    RightClick(Text(5));
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(popupNode, Node(5));
    EXPECT_EQ(selectedDuringPopup, Node(5));  // RightClickSelect
    EXPECT_EQ(menu->PopupComponent(), tree);
    POINT s = ScreenOf(Text(5));
    EXPECT_EQ(menu->PopupPoint().X, s.x);
    EXPECT_EQ(menu->PopupPoint().Y, s.y);
    EXPECT_EQ(tree->RightClickNode(), nullptr);
    EXPECT_EQ(tree->Selected(), Node(1));  // the selection stays
    EXPECT_EQ(States(), "11111111");
    // Below the last node: the selected node.
    RightClick(POINT{40, 190});
    EXPECT_EQ(popups, 2);
    EXPECT_EQ(popupNode, Node(1));
}

TEST_F(CheckTreePopupTest, KeyboardRequestsOpenAtTheSelectedText) {
    tree->SetFocus();
    tree->SetSelected(Node(6));
    SendMessageW(h, WM_KEYDOWN, VK_APPS, 0);
    SendMessageW(h, WM_KEYUP, VK_APPS, 0xC0000001);
    test::Pump();
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(popupNode, Node(6));
    TRect r = Node(6)->DisplayRect(true);
    POINT centre = ScreenOf(POINT{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(menu->PopupPoint().X, centre.x);
    EXPECT_EQ(menu->PopupPoint().Y, centre.y);

    // Shift+F10.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(h, WM_SYSKEYDOWN, VK_F10, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(popups, 2);

    // A request with a position is ignored while a node is selected; without
    // a selection it opens there. Without a position: the client origin.
    SendMessageW(h, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), MAKELPARAM(150, 150));
    EXPECT_EQ(popups, 2);
    tree->SetSelected(nullptr);
    SendMessageW(h, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), MAKELPARAM(150, 160));
    EXPECT_EQ(popups, 3);
    EXPECT_EQ(menu->PopupPoint().Y, 160);
    SendMessageW(h, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), static_cast<LPARAM>(-1));
    EXPECT_EQ(popups, 4);
    POINT origin = ScreenOf(POINT{0, 0});
    EXPECT_EQ(menu->PopupPoint().X, origin.x);
    EXPECT_EQ(menu->PopupPoint().Y, origin.y);
    EXPECT_EQ(chosen, nullptr);  // every menu was closed with Escape
}

}  // namespace
}  // namespace vd
