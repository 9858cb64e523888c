// The tri-state check tree in a real window: toggling by mouse and Space,
// the check images it draws, its colours, the selection frame, the wheel,
// AutoSelect and the popup menu for right clicks and the keyboard.
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

// Two expanded groups of three items: indexes 0 video, 1-3 video0-2,
// 4 audio, 5-7 audio0-2.
class CheckTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);
        form = test::NewBorderlessForm(100, 100, 300, 240);
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
    // Client points on a node's check box (left of its text) and its text.
    POINT Box(int index) {
        TRect r = Node(index)->DisplayRect(true);
        return POINT{r.Left - 8, (r.Top + r.Bottom) / 2};
    }
    POINT Text(int index) { return POINT{Box(index).x + 12, Box(index).y}; }
    // A press at `down` released at `up`, as the mouse gives them: the
    // system tree takes the queued release while it tracks the mouse.
    void Press(UINT downMsg, UINT upMsg, POINT down, POINT up, WPARAM keys) {
        POINT s = up;
        ClientToScreen(h, &s);
        SetCursorPos(s.x, s.y);
        PostMessageW(h, upMsg, 0, MAKELPARAM(static_cast<short>(up.x), static_cast<short>(up.y)));
        SendMessageW(h, downMsg, keys, MAKELPARAM(down.x, down.y));
        test::Pump();
    }
    void LeftClick(POINT down, POINT up) { Press(WM_LBUTTONDOWN, WM_LBUTTONUP, down, up, MK_LBUTTON); }
    std::string States() {
        std::string s;
        for (int i = 0; i < tree->NodeCount(); ++i) s += std::to_string(tree->GetItemState(i));
        return s;
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

TEST_F(CheckTreeTest, MouseTogglesOnlyAPressAndReleaseOnTheBox) {
    std::vector<POINT> ups;
    tree->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) { ups.push_back(POINT{x, y}); };
    LeftClick(Box(2), Box(2));
    EXPECT_EQ(tree->Selected(), Node(2));
    EXPECT_EQ(States(), "31211111");
    EXPECT_EQ(events, (std::vector<std::string>{"video1:2", "video:3"}));
    EXPECT_EQ(ups.size(), 1u);  // the release the system tree took, once
    LeftClick(Text(3), Text(3));  // on the text: selects only
    EXPECT_EQ(tree->Selected(), Node(3));
    LeftClick(Box(1), Box(5));  // released on another node
    EXPECT_EQ(ups.back().y, Box(5).y);
    LeftClick(Box(3), POINT{-30, Box(3).y});  // released outside
    LeftClick(Text(3), Text(3));  // no mark left over from the press before
    EXPECT_EQ(States(), "31211111");
    LeftClick(Box(0), Box(0));  // a partial group: checked with its items
    EXPECT_EQ(States(), "22221111");
}

TEST_F(CheckTreeTest, SpaceReleaseTogglesTheSelectedNode) {
    tree->SetFocus();
    tree->SetSelected(Node(4));
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(h, WM_CHAR, ' ', 0);
    EXPECT_EQ(States(), "11111111");  // not on the press
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(States(), "11112222");
    EXPECT_EQ(tree->Selected(), Node(4));  // the swallowed character moved nothing
}

TEST_F(CheckTreeTest, BoxesAreDrawnWithTheTickInTheHighlightColour) {
    tree->SetItemState(1, csChecked);
    tree->SetItemState(4, csPartiallyChecked);
    // Pixels of `rgb` in node i's cell, and a pixel of its 13 x 13 picture,
    // which stands at (2, 2) of the cell, 16 pixels left of the text.
    auto count = [&](TBitmap& bmp, int i, uint32_t rgb) {
        TRect r = Node(i)->DisplayRect(true).Offset(tree->Left(), tree->Top());
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left - 16; x < r.Left; ++x) n += Rgb(bmp, x, y) == rgb;
        return n;
    };
    auto picture = [&](TBitmap& bmp, int i, int x, int y) {
        TRect r = Node(i)->DisplayRect(true).Offset(tree->Left(), tree->Top());
        return Rgb(bmp, r.Left - 14 + x, r.Top + (r.Height() - 16) / 2 + 2 + y);
    };
    auto bmp = test::Render(*form);
    const uint32_t tick = RgbOfColor(kHighlight);
    EXPECT_EQ(count(*bmp, 1, tick), 21);  // the tick
    EXPECT_EQ(count(*bmp, 4, tick), 49);  // the partial fill
    EXPECT_EQ(count(*bmp, 2, tick), 0);
    EXPECT_EQ(picture(*bmp, 1, 9, 3), tick);  // the tick's top
    EXPECT_EQ(picture(*bmp, 4, 0, 0), RgbOfColor(ColorToRGB(clBtnShadow)));  // frame
    EXPECT_EQ(picture(*bmp, 4, 2, 2), RgbOfColor(ColorToRGB(clWindow)));     // bevel
    EXPECT_EQ(picture(*bmp, 4, 3, 3), tick);
    // A highlight equal to the mask colour moves by one instead of vanishing.
    tree->SetHighlightColor(32896);
    bmp = test::Render(*form);
    EXPECT_EQ(count(*bmp, 1, RgbOf(129, 128, 0)), 21);
}

TEST_F(CheckTreeTest, ColoursFollowTheEnabledStateAndTheSetters) {
    // The wizard's stored looks: the focus colour follows Color while it
    // equals the normal colour, then keeps its own value.
    tree->SetColor(16643305);
    EXPECT_EQ(tree->FocusColor(), 16643305);
    tree->SetFocusColor(8478511);
    EXPECT_EQ(tree->Color(), 16643305);
    tree->SetEnabled(false);
    EXPECT_EQ(tree->Color(), clBtnFace);
    tree->SetDisabledColor(RGB(200, 10, 10));
    auto bmp = test::Render(*form);
    EXPECT_EQ(Rgb(*bmp, 10 + 250, 10 + 190), RgbOf(200, 10, 10));
    tree->SetEnabled(true);
    EXPECT_EQ(tree->Color(), 16643305);
    // Focus alone changes nothing; the focus colour's setter does.
    tree->SetFocus();
    ASSERT_TRUE(tree->Focused());
    EXPECT_EQ(tree->Color(), 16643305);
    tree->SetFocusColor(RGB(1, 2, 3));
    EXPECT_EQ(tree->Color(), RGB(1, 2, 3));
    EXPECT_EQ(tree->NormalColor(), 16643305);
    // A colour from outside becomes the normal colour; a differing focus
    // colour stays.
    tree->SetColor(RGB(9, 9, 9));
    EXPECT_EQ(tree->NormalColor(), RGB(9, 9, 9));
    EXPECT_EQ(tree->FocusColor(), RGB(1, 2, 3));
}

TEST_F(CheckTreeTest, SelectionPenFramesTheSelectedTextOnlyWithoutFocus) {
    tree->SelectionPen().SetColor(8478511);
    tree->SetSelected(Node(2));
    SetFocus(form->Handle());
    TRect r = Node(2)->DisplayRect(true).Offset(tree->Left(), tree->Top());
    auto bmp = test::Render(*form);
    EXPECT_EQ(Rgb(*bmp, (r.Left + r.Right) / 2, r.Top), RgbOfColor(8478511));
    EXPECT_EQ(Rgb(*bmp, r.Left, (r.Top + r.Bottom) / 2), RgbOfColor(8478511));
    tree->SetFocus();
    bmp = test::Render(*form);
    EXPECT_NE(Rgb(*bmp, r.Left, (r.Top + r.Bottom) / 2), RgbOfColor(8478511));
}

TEST_F(CheckTreeTest, WheelScrollsByTheSystemLineCountAndAutoSelectFollowsButtons) {
    for (int i = 0; i < 30; ++i) tree->AddChild(Node(4), "more" + std::to_string(i));
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    auto wheel = [&](int steps) {
        SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(steps * WHEEL_DELTA)), 0);
        return GetScrollPos(h, SB_VERT);
    };
    EXPECT_EQ(wheel(-1), static_cast<int>(lines));
    EXPECT_EQ(wheel(-2), static_cast<int>(3 * lines));
    EXPECT_EQ(wheel(1), static_cast<int>(2 * lines));
    SendMessageW(h, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), 0);
    EXPECT_EQ(wheel(1), 0);  // short of a full step: the top

    // AutoSelect (which turns AutoExpand off) selects a node closed or
    // opened by its button.
    tree->SetAutoExpand(true);
    tree->SetAutoSelect(true);
    EXPECT_FALSE(tree->AutoExpand());
    POINT button{Box(4).x - 20, Box(4).y};
    for (bool expanded : {false, true}) {
        tree->SetSelected(Node(1));
        LeftClick(button, button);
        EXPECT_EQ(Node(4)->Expanded(), expanded);
        EXPECT_EQ(tree->Selected(), Node(4));
    }
}

// The popup menu: every showing closes itself (Escape queued for its loop).
class CheckTreePopupTest : public CheckTreeTest {
protected:
    void SetUp() override {
        CheckTreeTest::SetUp();
        menu = new TPopupMenu(form);
        menu->Add("Check", [this](TObject*) { chosen = true; });
        menu->OnPopup = [this](TObject*) {
            ++popups;
            popupNode = tree->RightClickNode();
            selectedDuringPopup = tree->Selected();
            PostMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
        };
        tree->SetPopupMenu(menu);
    }
    void ExpectShownAt(POINT client) {
        ClientToScreen(h, &client);
        EXPECT_EQ(menu->PopupPoint().X, client.x);
        EXPECT_EQ(menu->PopupPoint().Y, client.y);
    }
    void RightClick(POINT at) { Press(WM_RBUTTONDOWN, WM_RBUTTONUP, at, at, MK_RBUTTON); }
    TPopupMenu* menu = nullptr;
    int popups = 0;
    TTreeNode* popupNode = nullptr;
    TTreeNode* selectedDuringPopup = nullptr;
    bool chosen = false;
};

TEST_F(CheckTreePopupTest, RightClickShowsTheMenuOnceForTheNodeUnderTheCursor) {
    tree->SetSelected(Node(1));
    tree->SetRightClickSelect(true);
    RightClick(Text(5));
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(popupNode, Node(5));
    EXPECT_EQ(selectedDuringPopup, Node(5));  // RightClickSelect
    EXPECT_EQ(menu->PopupComponent(), tree);
    ExpectShownAt(Text(5));
    EXPECT_EQ(tree->RightClickNode(), nullptr);
    EXPECT_EQ(tree->Selected(), Node(1));
    RightClick(POINT{40, 190});  // below the last node: the selected node
    EXPECT_EQ(popups, 2);
    EXPECT_EQ(popupNode, Node(1));
    EXPECT_FALSE(chosen);
}

TEST_F(CheckTreePopupTest, KeyboardRequestsOpenAtTheSelectedText) {
    tree->SetFocus();
    tree->SetSelected(Node(6));
    SendMessageW(h, WM_KEYDOWN, VK_APPS, 0);
    SendMessageW(h, WM_KEYUP, VK_APPS, 0xC0000001);
    test::Pump();
    EXPECT_EQ(popups, 1);  // the key's release asks for none
    EXPECT_EQ(popupNode, Node(6));
    TRect r = Node(6)->DisplayRect(true);
    ExpectShownAt(POINT{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
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
    ExpectShownAt(POINT{0, 0});
}

}  // namespace
}  // namespace vd
