#include "controls/xp_check_tree.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "controls/model/check_images.h"

namespace vd {
namespace {

void GiveStates(TTreeNode* node) {
    if (node->StateIndex() == -1) node->SetStateIndex(csUnchecked);
    for (int i = 0; i < node->Count(); ++i) GiveStates(node->Item(i));
}

}  // namespace

TXPCheckTree::TXPCheckTree(TComponent* owner) : TXPCheckCustomTreeView(owner) {
    SetAutoSelect(false);
    SetReadOnly(true);
    checkImages_ = new TImageList(this, kCheckCellSize, kCheckCellSize);
    checkImages_->SetName("CheckImages");
    LoadCheckImages();
    SetStateImages(checkImages_);
}

TXPCheckTree::~TXPCheckTree() {
    MarkDestroying();
    DestroyHandle();
}

// --- States ---

uint8_t TXPCheckTree::GetItemState(int absoluteIndex) const {
    const TTreeNode* node = NodeAt(absoluteIndex);
    return node ? static_cast<uint8_t>(node->StateIndex()) : 0;
}

void TXPCheckTree::SetItemState(int absoluteIndex, TCheckCheckState state) {
    TTreeNode* node = NodeAt(absoluteIndex);
    if (!node || node->StateIndex() == state) return;
    SetNodeState(node, state);
}

void TXPCheckTree::SetNodeState(TTreeNode* node, TCheckCheckState state) {
    mouseOnCheck_ = false;
    check_rules::SetNodeState(*this, node, state);
}

void TXPCheckTree::ToggleNode(TTreeNode* node) {
    mouseOnCheck_ = false;
    check_rules::ToggleNode(*this, node);
}

void TXPCheckTree::ChangeNodeState(TTreeNode* node, TCheckCheckState state) {
    check_rules::ChangeNodeState(*this, node, state);
}

void TXPCheckTree::UpdateChildStates(TTreeNode* node, bool checked) {
    check_rules::UpdateChildStates(*this, node, checked);
}

void TXPCheckTree::UpdateParentStates(TTreeNode* node) { check_rules::UpdateParentStates(*this, node); }

void TXPCheckTree::StateChanging(TTreeNode* node, TCheckCheckState state, bool& allow) {
    if (OnStateChanging) OnStateChanging(this, node, state, allow);
}

void TXPCheckTree::StateChanged(TTreeNode* node, TCheckCheckState state) {
    if (OnStateChange) OnStateChange(this, node, state);
}

void TXPCheckTree::ChildrenUpdated() {
    if (OnUpdateChildren) OnUpdateChildren(this);
}

void TXPCheckTree::GiveStatesToNewNodes() {
    for (int i = 0; i < RootCount(); ++i) GiveStates(Root(i));
}

// --- Images ---

void TXPCheckTree::UpdateImagesWidth() { imagesWidth_ = Images() ? Images()->Width() : 0; }

void TXPCheckTree::SetImages(TImageList* list) {
    TXPCheckCustomTreeView::SetImages(list);
    UpdateImagesWidth();
}

void TXPCheckTree::SetHighlightColor(TColor c) {
    if (c == highlightColor_) return;
    highlightColor_ = c;
    LoadCheckImages();
    Invalidate();
}

void TXPCheckTree::LoadCheckImages() {
    checkImages_->Clear();
    TBitmap cell(kCheckCellSize, kCheckCellSize);
    const TRect whole{0, 0, kCheckCellSize, kCheckCellSize};
    auto fillMask = [&] {
        cell.Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
        cell.Canvas().Brush().SetColor(kCheckMaskColor);
        cell.Canvas().FillRect(whole);
    };
    if (UseThemes()) {
        if (HTHEME theme = OpenThemeData(HandleAllocated() ? Handle() : nullptr, L"BUTTON")) {
            const int states[4] = {CBS_UNCHECKEDNORMAL, CBS_UNCHECKEDNORMAL, CBS_CHECKEDNORMAL, CBS_MIXEDNORMAL};
            RECT r{0, 0, kCheckCellSize, kCheckCellSize};
            for (int s : states) {
                fillMask();
                DrawThemeBackground(theme, cell.Canvas().Handle(), BP_CHECKBOX, s, &r, nullptr);
                checkImages_->AddMasked(cell, kCheckMaskColor);
            }
            CloseThemeData(theme);
            return;
        }
    }
    const TCheckColors colors{static_cast<TColor>(ColorToRGB(clWindow)), static_cast<TColor>(ColorToRGB(clBtnShadow)),
                              static_cast<TColor>(ColorToRGB(highlightColor_))};
    const TCheckPicture pictures[4] = {TCheckPicture::cpUnchecked, TCheckPicture::cpUnchecked,
                                       TCheckPicture::cpChecked, TCheckPicture::cpGrayed};
    for (TCheckPicture p : pictures) {
        TCheckCell pixels = CheckCell(p, colors);
        TSurface& surface = cell.Surface();
        for (int y = 0; y < kCheckCellSize; ++y)
            for (int x = 0; x < kCheckCellSize; ++x) {
                TColor c = pixels[y * kCheckCellSize + x];
                surface.At(x, y) = (static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
        cell.Modified();
        checkImages_->AddMasked(cell, kCheckMaskColor);
    }
}

// --- Mouse and keyboard ---

void TXPCheckTree::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        // The system tree has moved the selection to the pressed node.
        mouseOnCheck_ = false;
        if (TTreeNode* node = Selected()) {
            TRect r = node->DisplayRect(true);
            int boxRight = r.Left - imagesWidth_;
            if (boxRight - checkImages_->Width() < x && x <= boxRight && r.Top <= y && y <= r.Bottom) {
                mouseOnCheck_ = true;
                checkIndex_ = node->AbsoluteIndex();
            }
        }
    }
    TXPCheckCustomTreeView::MouseDown(button, shift, x, y);
}

void TXPCheckTree::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && mouseOnCheck_) {
        // Released inside the tree, on the row of the node pressed on its box.
        TTreeNode* node = Selected();
        if (node && node->AbsoluteIndex() == checkIndex_ && ClientRect().Contains(x, y) && GetNodeAt(x, y) == node)
            ToggleNode(node);
    }
    TXPCheckCustomTreeView::MouseUp(button, shift, x, y);
}

void TXPCheckTree::KeyUp(uint16_t& key, TShiftState shift) {
    TXPCheckCustomTreeView::KeyUp(key, shift);
    if (key == VK_SPACE && !IsEditing())
        if (TTreeNode* node = Selected()) ToggleNode(node);
}

void TXPCheckTree::KeyPress(char32_t& key) {
    TXPCheckCustomTreeView::KeyPress(key);
    if (key == U' ') key = 0;  // kept from the incremental search
}

LRESULT TXPCheckTree::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            GiveStatesToNewNodes();
            break;
        case WM_SYSCOLORCHANGE:
            LoadCheckImages();
            break;
        default:
            break;
    }
    return TXPCheckCustomTreeView::WndProc(msg, wParam, lParam);
}

}  // namespace vd
