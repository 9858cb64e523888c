// Native tree view. The nodes live in our own objects (text, state-image
// index, children) and are mirrored into the system control, so they survive
// a re-created window and can be walked without it: parent, first child,
// next sibling, depth-first absolute index. State images come from an image
// list; state-image index n >= 1 shows image n of that list, 0 or -1 none.
//
// Mouse presses: the system tree handles a press first (it moves the
// selection, and a press on an item also tracks the mouse until the release,
// which it takes from the queue), then OnMouseDown is raised, then OnMouseUp
// for a release that the system tree took. A left press on a node's state
// image selects the node, on every platform.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "toolkit/image_list.h"
#include "toolkit/native_control.h"

namespace vd {

class TTreeView;

class TTreeNode {
public:
    TTreeView* TreeView() const { return tree_; }
    HTREEITEM ItemId() const { return item_; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& s);
    TTreeNode* Parent() const { return parent_; }
    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetNextSibling() const;
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int i) const { return children_[i].get(); }
    bool HasChildren() const { return !children_.empty(); }
    int Level() const;
    // Position in depth-first order (a parent before its children).
    int AbsoluteIndex() const;

    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int index);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    void Expand(bool recurse = false);
    void Collapse();
    bool Expanded() const;
    bool Selected() const;
    // The node's rectangle in client coordinates (empty when not shown).
    TRect DisplayRect(bool textOnly) const;

    void* Data = nullptr;

private:
    friend class TTreeView;
    TTreeNode(TTreeView* tree, TTreeNode* parent, const std::string& text)
        : tree_(tree), parent_(parent), text_(text) {}

    TTreeView* tree_;
    TTreeNode* parent_;
    std::string text_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    HTREEITEM item_ = nullptr;
    int stateIndex_ = -1;
    int imageIndex_ = -1;
    bool expanded_ = false;
};

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;

class TTreeView : public TNativeControl {
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;

    // Adds a node as the last child of `parent` (nullptr: a root node).
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    void ClearNodes();
    int NodeCount() const;
    // The node at a depth-first index, or nullptr.
    TTreeNode* NodeAt(int absoluteIndex) const;
    TTreeNode* FirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
    int RootCount() const { return static_cast<int>(roots_.size()); }
    TTreeNode* Root(int i) const { return roots_[i].get(); }

    // The selected node (nullptr: none).
    virtual TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    TTreeNode* GetNodeAt(int x, int y) const;
    // The node of a native item handle.
    TTreeNode* NodeFromItem(HTREEITEM item) const;

    TImageList* StateImages() const { return stateImages_; }
    void SetStateImages(TImageList* list);
    TImageList* Images() const { return images_; }
    virtual void SetImages(TImageList* list);

    int Indent() const { return indent_; }
    void SetIndent(int v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v) { hideSelection_ = v; }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool v) { hotTrack_ = v; }
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool v) { showButtons_ = v; }
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool v) { showLines_ = v; }
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool v) { showRoot_ = v; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    // Style changes above apply when the window is (re)made.
    // Selecting a node expands it and collapses the others (applies at once).
    virtual bool AutoExpand() const { return autoExpand_; }
    virtual void SetAutoExpand(bool v);
    // Whether a node's text is being edited in place.
    bool IsEditing() const;

    TTVChangedEvent OnChange;  // selection changed
    TTVChangedEvent OnExpanded, OnCollapsed;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Notify(NMHDR* header, LRESULT& result) override;
    void ColorChanged() override;
    void FontChanged() override;

private:
    friend class TTreeNode;
    void InsertItem(TTreeNode* node);
    void ApplyState(TTreeNode* node);
    LRESULT ButtonDown(UINT msg, WPARAM wParam, LPARAM lParam);

    std::vector<std::unique_ptr<TTreeNode>> roots_;
    TImageList* stateImages_ = nullptr;
    TImageList* images_ = nullptr;
    int indent_ = 19;
    bool hideSelection_ = true, hotTrack_ = false, showButtons_ = true, showLines_ = true,
         showRoot_ = true, readOnly_ = false, autoExpand_ = false;
    // While the system tree handles a press: whether the release or the
    // start of a drag came in meanwhile.
    bool releaseSeen_ = false, dragStarted_ = false;
};

}  // namespace vd
