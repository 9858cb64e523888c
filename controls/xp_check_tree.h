// TXPCheckTree: a tree view whose nodes carry a check box with three
// visible states (unchecked, checked, partially checked). A change of one
// node can flow down to all its descendants and up to all its ancestors
// (CascadeChecks); the rules are those of controls/model/check_state_rules.h.
//
// The check boxes are the tree's state images, taken from its own image
// list CheckImages: four 16 x 16 images, 0 and 1 unchecked, 2 checked,
// 3 partially checked (state-image index 0 shows none). Without visual
// themes they are drawn from our own pixel description
// (controls/model/check_images.h) with the tick in HighlightColor; with
// themes they are the theme's check-box parts.
//
// A left press on the selected node's check box and its release inside the
// tree toggle the node; so does releasing Space. A node added without a
// state reads back as 255 until the next paint gives it csUnchecked.
#pragma once
#include <functional>

#include "controls/model/check_state_rules.h"
#include "controls/xp_check_custom_tree_view.h"

namespace vd {

using TXPCheckTreeChangingEvent =
    std::function<void(TObject* sender, TTreeNode* node, TCheckCheckState newState, bool& allowChange)>;
using TXPCheckTreeChangeEvent = std::function<void(TObject* sender, TTreeNode* node, TCheckCheckState newState)>;

class TXPCheckTree : public TXPCheckCustomTreeView {
public:
    explicit TXPCheckTree(TComponent* owner);
    ~TXPCheckTree() override;

    // The state (0..3; 255 for a node without one) of the node at a
    // depth-first index; 0 outside the tree.
    uint8_t GetItemState(int absoluteIndex) const;
    // Nothing at all when the node already has the state; otherwise
    // SetNodeState.
    void SetItemState(int absoluteIndex, TCheckCheckState state);
    // Changes the node when the state differs, then cascades (with
    // CascadeChecks) from the node's state as it now is.
    void SetNodeState(TTreeNode* node, TCheckCheckState state);
    // Checked -> unchecked, unchecked or partial -> checked, then cascades;
    // a csUnknown node is left alone.
    void ToggleNode(TTreeNode* node);
    // OnStateChanging (may refuse), then the state and OnStateChange; fires
    // also when the state stays the same.
    void ChangeNodeState(TTreeNode* node, TCheckCheckState state);
    // Every descendant in pre-order checked or unchecked, then
    // OnUpdateChildren once.
    virtual void UpdateChildStates(TTreeNode* node, bool checked);
    // Each ancestor up to the root takes the state of its children.
    virtual void UpdateParentStates(TTreeNode* node);
    // Remembers the width of Images (0 without).
    virtual void UpdateImagesWidth();
    // Rebuilds the four images of CheckImages.
    virtual void LoadCheckImages();

    TImageList* CheckImages() const { return checkImages_; }
    bool CascadeChecks() const { return cascadeChecks_; }
    void SetCascadeChecks(bool v) { cascadeChecks_ = v; }
    // The colour of the tick and of the partial fill.
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor c);
    void SetImages(TImageList* list) override;

    TXPCheckTreeChangingEvent OnStateChanging;
    TXPCheckTreeChangeEvent OnStateChange;
    TNotifyEvent OnUpdateChildren;

    // Hooks of the check-state rules: they raise the events above.
    void StateChanging(TTreeNode* node, TCheckCheckState state, bool& allow);
    void StateChanged(TTreeNode* node, TCheckCheckState state);
    void ChildrenUpdated();

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;

private:
    // Gives csUnchecked to every node without a state (no events).
    void GiveStatesToNewNodes();

    int checkIndex_ = -1;        // absolute index of the node pressed on its box
    int imagesWidth_ = 0;
    bool mouseOnCheck_ = false;  // the left button went down on a check box
    TImageList* checkImages_ = nullptr;
    bool cascadeChecks_ = true;
    TColor highlightColor_ = clHighlight;
};

}  // namespace vd
