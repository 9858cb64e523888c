#include "toolkit/tree_view.h"

#include <algorithm>
#include <cstring>

#include "core/wide.h"

namespace vd {
namespace {

int SubtreeSize(const TTreeNode* n) {
    int size = 1;
    for (int i = 0; i < n->Count(); ++i) size += SubtreeSize(n->Item(i));
    return size;
}

}  // namespace

// --- TTreeNode ---

TTreeNode* TTreeNode::GetNextSibling() const {
    int n = parent_ ? parent_->Count() : tree_->RootCount();
    for (int i = 0; i + 1 < n; ++i) {
        TTreeNode* at = parent_ ? parent_->Item(i) : tree_->Root(i);
        if (at == this) return parent_ ? parent_->Item(i + 1) : tree_->Root(i + 1);
    }
    return nullptr;
}

int TTreeNode::Level() const {
    int level = 0;
    for (TTreeNode* p = parent_; p; p = p->parent_) ++level;
    return level;
}

int TTreeNode::AbsoluteIndex() const {
    int index = parent_ ? parent_->AbsoluteIndex() + 1 : 0;
    int n = parent_ ? parent_->Count() : tree_->RootCount();
    for (int i = 0; i < n; ++i) {
        TTreeNode* at = parent_ ? parent_->Item(i) : tree_->Root(i);
        if (at == this) break;
        index += SubtreeSize(at);
    }
    return index;
}

void TTreeNode::SetText(const std::string& s) {
    text_ = s;
    if (!tree_->HandleAllocated()) return;
    std::wstring w = Wide(s);
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = item_;
    item.pszText = &w[0];
    SendMessageW(tree_->Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetStateIndex(int index) {
    stateIndex_ = index;
    tree_->ApplyState(this);
}

void TTreeNode::SetImageIndex(int index) {
    imageIndex_ = index;
    tree_->ApplyState(this);
}

void TTreeNode::Expand(bool recurse) {
    expanded_ = true;
    if (tree_->HandleAllocated()) SendMessageW(tree_->Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
    if (recurse)
        for (auto& c : children_) c->Expand(true);
}

void TTreeNode::Collapse() {
    expanded_ = false;
    if (tree_->HandleAllocated()) SendMessageW(tree_->Handle(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
}

bool TTreeNode::Expanded() const {
    if (!tree_->HandleAllocated()) return expanded_;
    UINT state = static_cast<UINT>(
        SendMessageW(tree_->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), TVIS_EXPANDED));
    return (state & TVIS_EXPANDED) != 0;
}

bool TTreeNode::Selected() const { return tree_->Selected() == this; }

TRect TTreeNode::DisplayRect(bool textOnly) const {
    if (!tree_->HandleAllocated()) return TRect{};
    // The request carries the item handle in the rectangle's first bytes.
    RECT rc{};
    std::memcpy(&rc, &item_, sizeof(item_));
    if (!SendMessageW(tree_->Handle(), TVM_GETITEMRECT, textOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(&rc)))
        return TRect{};
    return TRect{rc.left, rc.top, rc.right, rc.bottom};
}

// --- TTreeView ---

TTreeView::TTreeView(TComponent* owner) : TNativeControl(owner) {
    static bool initialised = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)initialised;
    SetBounds(0, 0, 121, 97);
}

TTreeView::~TTreeView() {
    MarkDestroying();
    DestroyHandle();
}

void TTreeView::CreateParams(TCreateParams& p) {
    TNativeControl::CreateParams(p);
    p.ClassName = WC_TREEVIEWW;
    if (showButtons_) p.Style |= TVS_HASBUTTONS;
    if (showLines_) p.Style |= TVS_HASLINES;
    if (showRoot_) p.Style |= TVS_LINESATROOT;
    if (!hideSelection_) p.Style |= TVS_SHOWSELALWAYS;
    if (hotTrack_) p.Style |= TVS_TRACKSELECT;
    if (!readOnly_) p.Style |= TVS_EDITLABELS;
    if (autoExpand_) p.Style |= TVS_SINGLEEXPAND;
}

void TTreeView::SetAutoExpand(bool v) {
    autoExpand_ = v;
    if (!HandleAllocated()) return;
    LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    SetWindowLongW(Handle(), GWL_STYLE, v ? style | TVS_SINGLEEXPAND : style & ~TVS_SINGLEEXPAND);
}

bool TTreeView::IsEditing() const {
    return HandleAllocated() &&
           SendMessageW(const_cast<TTreeView*>(this)->Handle(), TVM_GETEDITCONTROL, 0, 0) != 0;
}

LRESULT TTreeView::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return ButtonDown(msg, wParam, lParam);
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            releaseSeen_ = true;
            break;
        default:
            break;
    }
    return TNativeControl::WndProc(msg, wParam, lParam);
}

LRESULT TTreeView::ButtonDown(UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool left = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
    const bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK;
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    releaseSeen_ = dragStarted_ = false;
    LRESULT r = DefaultHandler(msg, wParam, lParam);
    if (!HandleAllocated()) return r;
    HWND h = Handle();
    if (left && !dragStarted_) {
        // Some system trees leave the selection alone on a state image.
        TVHITTESTINFO hit{};
        hit.pt = POINT{x, y};
        SendMessageW(h, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.hItem && (hit.flags & TVHT_ONITEMSTATEICON) &&
            reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, TVGN_CARET, 0)) != hit.hItem)
            SendMessageW(h, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hit.hItem));
    }
    const TMouseButton button = left ? TMouseButton::mbLeft : TMouseButton::mbRight;
    const TShiftState shift = ShiftFromKeys(wParam);
    DispatchMouseDown(button, shift, x, y, dbl);
    // A release that the system tree took from the queue while it tracked
    // the mouse: the button is up and no release is on its way.
    const UINT up = left ? WM_LBUTTONUP : WM_RBUTTONUP;
    MSG pending;
    if (!releaseSeen_ && !dragStarted_ && HandleAllocated() && GetKeyState(left ? VK_LBUTTON : VK_RBUTTON) >= 0 &&
        !PeekMessageW(&pending, h, up, up, PM_NOREMOVE)) {
        DWORD pos = GetMessagePos();
        POINT p{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
        ::ScreenToClient(h, &p);
        DispatchMouseUp(button, static_cast<TShiftState>(shift & ~(ssLeft | ssRight)), p.x, p.y);
    }
    return r;
}

void TTreeView::HandleCreated() {
    HWND h = Handle();
    if (stateImages_) SendMessageW(h, TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(stateImages_->Handle()));
    if (images_) SendMessageW(h, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_->Handle()));
    SendMessageW(h, TVM_SETINDENT, indent_, 0);
    ColorChanged();
    FontChanged();
    for (auto& r : roots_) InsertItem(r.get());
}

void TTreeView::InsertItem(TTreeNode* node) {
    std::wstring w = Wide(node->text_);
    TVINSERTSTRUCTW ins{};
    ins.hParent = node->parent_ ? node->parent_->item_ : TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    ins.item.pszText = &w[0];
    ins.item.lParam = reinterpret_cast<LPARAM>(node);
    ins.item.stateMask = TVIS_STATEIMAGEMASK;
    ins.item.state = INDEXTOSTATEIMAGEMASK(node->stateIndex_ > 0 ? node->stateIndex_ : 0);
    ins.item.iImage = node->imageIndex_;
    ins.item.iSelectedImage = node->imageIndex_;
    node->item_ = reinterpret_cast<HTREEITEM>(
        SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    for (auto& c : node->children_) InsertItem(c.get());
    if (node->expanded_) SendMessageW(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node->item_));
}

void TTreeView::ApplyState(TTreeNode* node) {
    if (!HandleAllocated()) return;
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = node->item_;
    item.stateMask = TVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(node->stateIndex_ > 0 ? node->stateIndex_ : 0);
    item.iImage = node->imageIndex_;
    item.iSelectedImage = node->imageIndex_;
    SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const std::string& text) {
    auto node = std::unique_ptr<TTreeNode>(new TTreeNode(this, parent, text));
    TTreeNode* raw = node.get();
    (parent ? parent->children_ : roots_).push_back(std::move(node));
    if (HandleAllocated()) InsertItem(raw);
    return raw;
}

void TTreeView::ClearNodes() {
    if (HandleAllocated()) SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    roots_.clear();
}

int TTreeView::NodeCount() const {
    int n = 0;
    for (auto& r : roots_) n += SubtreeSize(r.get());
    return n;
}

TTreeNode* TTreeView::NodeAt(int absoluteIndex) const {
    if (absoluteIndex < 0) return nullptr;
    std::vector<TTreeNode*> stack;
    for (auto it = roots_.rbegin(); it != roots_.rend(); ++it) stack.push_back(it->get());
    int i = 0;
    while (!stack.empty()) {
        TTreeNode* n = stack.back();
        stack.pop_back();
        if (i++ == absoluteIndex) return n;
        for (int c = n->Count() - 1; c >= 0; --c) stack.push_back(n->Item(c));
    }
    return nullptr;
}

TTreeNode* TTreeView::NodeFromItem(HTREEITEM h) const {
    if (!h || !HandleAllocated()) return nullptr;
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_PARAM;
    item.hItem = h;
    if (!SendMessageW(const_cast<TTreeView*>(this)->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<TTreeNode*>(item.lParam);
}

TTreeNode* TTreeView::Selected() const {
    if (!HandleAllocated()) return nullptr;
    auto h = reinterpret_cast<HTREEITEM>(
        SendMessageW(const_cast<TTreeView*>(this)->Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    return NodeFromItem(h);
}

void TTreeView::SetSelected(TTreeNode* node) {
    HWND h = Handle();  // first: making the window gives the nodes their items
    SendMessageW(h, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->item_ : nullptr));
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) const {
    if (!HandleAllocated()) return nullptr;
    TVHITTESTINFO hit{};
    hit.pt = POINT{x, y};
    auto h = reinterpret_cast<HTREEITEM>(
        SendMessageW(const_cast<TTreeView*>(this)->Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (!(hit.flags & (TVHT_ONITEM | TVHT_ONITEMRIGHT | TVHT_ONITEMINDENT))) return nullptr;
    return NodeFromItem(h);
}

void TTreeView::SetStateImages(TImageList* list) {
    stateImages_ = list;
    if (HandleAllocated())
        SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(list ? list->Handle() : nullptr));
}

void TTreeView::SetImages(TImageList* list) {
    images_ = list;
    if (HandleAllocated())
        SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list ? list->Handle() : nullptr));
}

void TTreeView::SetIndent(int v) {
    indent_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), TVM_SETINDENT, v, 0);
}

void TTreeView::ColorChanged() {
    TNativeControl::ColorChanged();
    if (HandleAllocated()) SendMessageW(Handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
}

void TTreeView::FontChanged() {
    TNativeControl::FontChanged();
    if (HandleAllocated())
        SendMessageW(Handle(), TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

bool TTreeView::Notify(NMHDR* header, LRESULT& result) {
    switch (header->code) {
        case TVN_BEGINDRAGW:
        case TVN_BEGINRDRAGW:
            dragStarted_ = true;
            break;
        case TVN_SELCHANGEDW: {
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(header);
            if (OnChange) OnChange(this, reinterpret_cast<TTreeNode*>(nm->itemNew.lParam));
            break;
        }
        case TVN_ITEMEXPANDEDW: {
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(header);
            auto* node = reinterpret_cast<TTreeNode*>(nm->itemNew.lParam);
            if (!node) break;
            node->expanded_ = nm->action == TVE_EXPAND;
            const TTVChangedEvent& e = node->expanded_ ? OnExpanded : OnCollapsed;
            if (e) e(this, node);
            break;
        }
        default:
            break;
    }
    result = 0;
    return false;
}

}  // namespace vd
