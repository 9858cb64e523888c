// The check-state rules of the tri-state check tree: what a toggle gives,
// how a change flows down to every descendant and up to every ancestor, and
// when the change events fire. One implementation serves the tree control
// and the window-less model tree (check_tree_model.h).
//
// A node type offers Parent(), GetFirstChild(), GetNextSibling(),
// StateIndex() and SetStateIndex(int). A tree type offers:
//   bool CascadeChecks() const;
//   void ChangeNodeState(Node*, TCheckCheckState);   // usually check_rules::ChangeNodeState
//   void UpdateChildStates(Node*, bool checked);     // usually check_rules::UpdateChildStates
//   void UpdateParentStates(Node*);                  // usually check_rules::UpdateParentStates
//   void StateChanging(Node*, TCheckCheckState, bool& allow);  // OnStateChanging
//   void StateChanged(Node*, TCheckCheckState);                // OnStateChange
//   void ChildrenUpdated();                                    // OnUpdateChildren
// The rules call the tree's own (possibly overridden) operations.
#pragma once
#include <cstdint>

namespace vd {

// A node's check state is its state-image index, so the number is also the
// image drawn: 0 no box, 1 the empty box, 2 the ticked box, 3 the filled box.
// A node that never got a state has index -1 (read back as the byte 255).
enum TCheckCheckState : uint8_t { csUnknown = 0, csUnchecked = 1, csChecked = 2, csPartiallyChecked = 3 };

namespace check_rules {

// Checked becomes unchecked; anything else (unchecked, partial, no state)
// becomes checked. csUnknown nodes are not toggled at all (ToggleNode).
inline TCheckCheckState ToggledState(int state) { return state == csChecked ? csUnchecked : csChecked; }

// The state a parent takes from its children: partial at the first partial
// child or as soon as both checked and unchecked children were seen, else
// checked when any child is checked, else unchecked (also when every child
// is csUnknown or has no state).
template <class Node>
TCheckCheckState StateFromChildren(const Node* parent) {
    int checked = 0, unchecked = 0;
    for (const Node* c = parent->GetFirstChild(); c; c = c->GetNextSibling()) {
        int s = c->StateIndex();
        if (s == csPartiallyChecked) return csPartiallyChecked;
        if (s == csChecked) ++checked;
        if (s == csUnchecked) ++unchecked;
        if (checked > 0 && unchecked > 0) return csPartiallyChecked;
    }
    return checked > 0 ? csChecked : csUnchecked;
}

// OnStateChanging may refuse; when allowed the state is stored and
// OnStateChange follows. No comparison with the old state: the events fire
// also when the value stays the same.
template <class Tree, class Node>
void ChangeNodeState(Tree& tree, Node* node, TCheckCheckState state) {
    bool allow = true;
    tree.StateChanging(node, state, allow);
    if (!allow) return;
    node->SetStateIndex(state);
    tree.StateChanged(node, state);
}

// Every descendant in pre-order (a child, its subtree, the next sibling)
// gets checked or unchecked; OnUpdateChildren once at the end.
template <class Tree, class Node>
void UpdateChildStates(Tree& tree, Node* node, bool checked) {
    const TCheckCheckState state = checked ? csChecked : csUnchecked;
    Node* n = node->GetFirstChild();
    while (n) {
        tree.ChangeNodeState(n, state);
        if (Node* child = n->GetFirstChild()) {
            n = child;
            continue;
        }
        while (n != node && !n->GetNextSibling()) n = n->Parent();
        n = n == node ? nullptr : n->GetNextSibling();
    }
    tree.ChildrenUpdated();
}

// Each ancestor, nearest first, takes the state of its children; the walk
// goes on to the root even when a change is refused.
template <class Tree, class Node>
void UpdateParentStates(Tree& tree, Node* node) {
    for (Node* parent = node->Parent(); parent; parent = parent->Parent())
        tree.ChangeNodeState(parent, StateFromChildren(parent));
}

// After a change: down from the node's state as it is now (whether or not
// the change was allowed), then up.
template <class Tree, class Node>
void Cascade(Tree& tree, Node* node) {
    if (!tree.CascadeChecks()) return;
    tree.UpdateChildStates(node, node->StateIndex() == csChecked);
    tree.UpdateParentStates(node);
}

// Changes the node only when the state differs, but cascades in any case.
template <class Tree, class Node>
void SetNodeState(Tree& tree, Node* node, TCheckCheckState state) {
    if (node->StateIndex() != state) tree.ChangeNodeState(node, state);
    Cascade(tree, node);
}

// A csUnknown node is left alone.
template <class Tree, class Node>
void ToggleNode(Tree& tree, Node* node) {
    if (node->StateIndex() == csUnknown) return;
    tree.ChangeNodeState(node, ToggledState(node->StateIndex()));
    Cascade(tree, node);
}

}  // namespace check_rules
}  // namespace vd
