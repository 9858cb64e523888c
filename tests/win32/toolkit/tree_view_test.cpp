// The native tree view with our own node objects and state images.
#include <gtest/gtest.h>

#include "tests/win32/toolkit/win_test_util.h"
#include "toolkit/form.h"
#include "toolkit/tree_view.h"

namespace vd {
namespace {

TEST(TreeViewTest, NodesWalkDepthFirstAndShowStateImages) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 300);
    auto* states = new TImageList(&form, 16, 16);
    TBitmap cell(16, 16);
    for (int i = 0; i < 4; ++i) {
        cell.Canvas().Brush().SetColor(RGB(i * 60, 0, 0));
        cell.Canvas().FillRect(TRect{0, 0, 16, 16});
        EXPECT_EQ(states->AddMasked(cell, RGB(0, 128, 128)), i);
    }
    EXPECT_EQ(states->Count(), 4);

    auto* tree = new TTreeView(&form);
    tree->SetStateImages(states);
    TTreeNode* video = tree->AddChild(nullptr, "视频");
    TTreeNode* avi = tree->AddChild(video, ".avi");
    TTreeNode* mkv = tree->AddChild(video, ".mkv");
    TTreeNode* audio = tree->AddChild(nullptr, "音频");
    TTreeNode* mp3 = tree->AddChild(audio, ".mp3");
    EXPECT_EQ(tree->NodeCount(), 5);
    EXPECT_EQ(audio->AbsoluteIndex(), 3);
    EXPECT_EQ(mp3->AbsoluteIndex(), 4);
    EXPECT_EQ(tree->NodeAt(2), mkv);
    EXPECT_EQ(tree->NodeAt(5), nullptr);
    EXPECT_EQ(video->GetFirstChild(), avi);
    EXPECT_EQ(avi->GetNextSibling(), mkv);
    EXPECT_EQ(mkv->GetNextSibling(), nullptr);
    EXPECT_EQ(video->GetNextSibling(), audio);
    EXPECT_EQ(mp3->Parent(), audio);
    EXPECT_EQ(avi->StateIndex(), -1);  // no state yet
    avi->SetStateIndex(2);

    // The window is made with the nodes.
    tree->SetParent(&form);
    HWND h = tree->Handle();
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 5);
    auto nativeState = [&](TTreeNode* n) {
        return (SendMessageW(h, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(n->ItemId()), TVIS_STATEIMAGEMASK) &
                TVIS_STATEIMAGEMASK) >> 12;
    };
    EXPECT_EQ(nativeState(avi), 2);
    EXPECT_EQ(nativeState(mkv), 0);
    mkv->SetStateIndex(3);
    EXPECT_EQ(nativeState(mkv), 3);
    mkv->SetStateIndex(0);
    EXPECT_EQ(nativeState(mkv), 0);

    TTreeNode* changed = nullptr;
    tree->OnChange = [&](TObject*, TTreeNode* n) { changed = n; };
    form.Show();
    video->Expand();
    EXPECT_TRUE(video->Expanded());
    tree->SetSelected(mkv);
    EXPECT_EQ(tree->Selected(), mkv);
    EXPECT_EQ(changed, mkv);
    TRect r = mkv->DisplayRect(true);
    ASSERT_FALSE(r.IsEmpty());
    EXPECT_EQ(tree->GetNodeAt(r.Left + 2, r.Top + 2), mkv);

    // Text changes reach the window; a new window keeps nodes and states.
    mkv->SetText(".mkv2");
    wchar_t text[16] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = mkv->ItemId();
    item.pszText = text;
    item.cchTextMax = 16;
    SendMessageW(h, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), L".mkv2");
    tree->SetParent(nullptr);
    tree->SetParent(&form);
    h = tree->Handle();
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(nativeState(avi), 2);
    tree->ClearNodes();
    EXPECT_EQ(tree->NodeCount(), 0);
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 0);
}

TEST(TreeViewTest, SelectingBeforeTheWindowExistsSelectsTheNode) {
    TForm form(nullptr);
    auto* tree = new TTreeView(&form);
    TTreeNode* group = tree->AddChild(nullptr, "g");
    TTreeNode* item = tree->AddChild(group, "i");
    tree->SetParent(&form);
    ASSERT_FALSE(tree->HandleAllocated());
    tree->SetSelected(item);  // makes the window with the items first
    EXPECT_EQ(tree->Selected(), item);
}

}  // namespace
}  // namespace vd
