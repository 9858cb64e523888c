#include "controls/model/check_tree_model.h"

namespace vd {
namespace {

// The node after `n` in depth-first order, or nullptr.
TCheckModelNode* NextInOrder(TCheckModelNode* n) {
    if (n->GetFirstChild()) return n->GetFirstChild();
    while (n && !n->GetNextSibling()) n = n->Parent();
    return n ? n->GetNextSibling() : nullptr;
}

}  // namespace

TCheckModelNode* TCheckModelTree::AddChild(Node* parent, const std::string& text) {
    auto& list = parent ? parent->children_ : roots_;
    list.push_back(std::unique_ptr<Node>(new Node(parent, text)));
    Node* node = list.back().get();
    if (list.size() > 1) list[list.size() - 2]->next_ = node;
    return node;
}

int TCheckModelTree::NodeCount() const {
    int n = 0;
    for (Node* at = roots_.empty() ? nullptr : roots_.front().get(); at; at = NextInOrder(at)) ++n;
    return n;
}

TCheckModelNode* TCheckModelTree::NodeAt(int absoluteIndex) const {
    if (absoluteIndex < 0) return nullptr;
    Node* at = roots_.empty() ? nullptr : roots_.front().get();
    for (; at && absoluteIndex > 0; --absoluteIndex) at = NextInOrder(at);
    return at;
}

uint8_t TCheckModelTree::GetItemState(int absoluteIndex) const {
    const Node* node = NodeAt(absoluteIndex);
    return node ? static_cast<uint8_t>(node->StateIndex()) : 0;
}

void TCheckModelTree::SetItemState(int absoluteIndex, TCheckCheckState state) {
    Node* node = NodeAt(absoluteIndex);
    if (!node || node->StateIndex() == state) return;
    SetNodeState(node, state);
}

}  // namespace vd
