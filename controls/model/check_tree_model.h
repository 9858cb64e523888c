// A window-less tri-state check tree: nodes with a text and a check state,
// the same cascade and event rules as the tree control, and access by
// depth-first absolute index (a parent before its children), as the
// association page uses the tree. Useful to work out states without a
// window.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/model/check_state_rules.h"

namespace vd {

class TCheckModelNode {
public:
    const std::string& Text() const { return text_; }
    TCheckModelNode* Parent() const { return parent_; }
    TCheckModelNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TCheckModelNode* GetNextSibling() const { return next_; }
    int Count() const { return static_cast<int>(children_.size()); }
    TCheckModelNode* Item(int i) const { return children_[i].get(); }
    // -1 until a state is given.
    int StateIndex() const { return state_; }
    void SetStateIndex(int state) { state_ = state; }

private:
    friend class TCheckModelTree;
    TCheckModelNode(TCheckModelNode* parent, std::string text) : parent_(parent), text_(std::move(text)) {}

    TCheckModelNode* parent_;
    TCheckModelNode* next_ = nullptr;
    std::string text_;
    std::vector<std::unique_ptr<TCheckModelNode>> children_;
    int state_ = -1;
};

class TCheckModelTree {
public:
    using Node = TCheckModelNode;

    // Adds a node as the last child of `parent` (nullptr: a root node).
    Node* AddChild(Node* parent, const std::string& text);
    int NodeCount() const;
    // The node at a depth-first index, or nullptr.
    Node* NodeAt(int absoluteIndex) const;

    // The state at an absolute index as a byte (255 for a node without a
    // state; 0 for an index outside the tree).
    uint8_t GetItemState(int absoluteIndex) const;
    // Nothing at all when the node already has the state (or there is no
    // such node); otherwise SetNodeState.
    void SetItemState(int absoluteIndex, TCheckCheckState state);
    void SetNodeState(Node* node, TCheckCheckState state) { check_rules::SetNodeState(*this, node, state); }
    void ToggleNode(Node* node) { check_rules::ToggleNode(*this, node); }
    void ChangeNodeState(Node* node, TCheckCheckState state) { check_rules::ChangeNodeState(*this, node, state); }
    void UpdateChildStates(Node* node, bool checked) { check_rules::UpdateChildStates(*this, node, checked); }
    void UpdateParentStates(Node* node) { check_rules::UpdateParentStates(*this, node); }

    bool CascadeChecks() const { return cascadeChecks_; }
    void SetCascadeChecks(bool v) { cascadeChecks_ = v; }

    std::function<void(Node* node, TCheckCheckState newState, bool& allowChange)> OnStateChanging;
    std::function<void(Node* node, TCheckCheckState newState)> OnStateChange;
    std::function<void()> OnUpdateChildren;

    // Hooks of the rules: raise the events.
    void StateChanging(Node* node, TCheckCheckState state, bool& allow) {
        if (OnStateChanging) OnStateChanging(node, state, allow);
    }
    void StateChanged(Node* node, TCheckCheckState state) {
        if (OnStateChange) OnStateChange(node, state);
    }
    void ChildrenUpdated() {
        if (OnUpdateChildren) OnUpdateChildren();
    }

private:
    std::vector<std::unique_ptr<Node>> roots_;
    bool cascadeChecks_ = true;
};

}  // namespace vd
