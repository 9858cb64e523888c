#include "controls/xp_check_custom_tree_view.h"

#include <shlwapi.h>
#include <uxtheme.h>
namespace vd {

TXPCheckCustomTreeView::TXPCheckCustomTreeView(TComponent* owner) : TTreeView(owner) {
    selectionPen_.SetColor(clBtnShadow);
    selectionPen_.OnChange = [this](TObject*) { Invalidate(); };
    SetTabStop(true);
    SetParentColor(false);
}

TXPCheckCustomTreeView::~TXPCheckCustomTreeView() {
    MarkDestroying();
    DestroyHandle();
}

// --- Colours ---

void TXPCheckCustomTreeView::UpdateColors() {
    updatingColors_ = true;
    SetColor(!Enabled() ? disabledColor_ : Focused() ? focusColor_ : normalColor_);
    updatingColors_ = false;
}

void TXPCheckCustomTreeView::ColorChanged() {
    if (!updatingColors_) {
        if (focusColor_ == normalColor_) focusColor_ = Color();
        normalColor_ = Color();
    }
    TTreeView::ColorChanged();
}

void TXPCheckCustomTreeView::EnabledChanged() {
    TTreeView::EnabledChanged();
    UpdateColors();
}

void TXPCheckCustomTreeView::SetDisabledColor(TColor c) {
    if (c == disabledColor_) return;
    disabledColor_ = c;
    if (!Enabled()) UpdateColors();
}

void TXPCheckCustomTreeView::SetFocusColor(TColor c) {
    if (c == focusColor_) return;
    focusColor_ = c;
    if (Focused()) UpdateColors();
}

void TXPCheckCustomTreeView::SetSelectionPen(const TPen& pen) {
    selectionPen_.Assign(pen);
    Invalidate();
}

bool TXPCheckCustomTreeView::UseThemes() const {
    if (!IsAppThemed() || !IsThemeActive()) return false;
    // Themed controls need version 6 of the common controls (a manifest
    // asks for it); the older version draws the classic look.
    static const bool commonControls6 = [] {
        HMODULE module = GetModuleHandleW(L"comctl32.dll");
        auto getVersion = module ? reinterpret_cast<DLLGETVERSIONPROC>(
                                       reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")))
                                 : nullptr;
        DLLVERSIONINFO info{};
        info.cbSize = sizeof(info);
        return getVersion && SUCCEEDED(getVersion(&info)) && info.dwMajorVersion >= 6;
    }();
    return commonControls6;
}

// --- Selection ---

void TXPCheckCustomTreeView::SetAutoSelect(bool v) {
    autoSelect_ = v;
    if (v && AutoExpand()) TTreeView::SetAutoExpand(false);
}

void TXPCheckCustomTreeView::SetAutoExpand(bool v) {
    if (v) autoSelect_ = false;
    TTreeView::SetAutoExpand(v);
}

TTreeNode* TXPCheckCustomTreeView::Selected() const {
    if (rightClickSelect_ && rightClickNode_) return rightClickNode_;
    return TTreeView::Selected();
}

bool TXPCheckCustomTreeView::Notify(NMHDR* header, LRESULT& result) {
    switch (header->code) {
        case TVN_ITEMEXPANDINGW: {
            // Collapsing selects the node before it closes.
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(header);
            auto* node = reinterpret_cast<TTreeNode*>(nm->itemNew.lParam);
            if (autoSelect_ && node && nm->action == TVE_COLLAPSE) SetSelected(node);
            break;
        }
        case TVN_ITEMEXPANDEDW: {
            // Expanding selects the node once it is open.
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(header);
            auto* node = reinterpret_cast<TTreeNode*>(nm->itemNew.lParam);
            bool handled = TTreeView::Notify(header, result);
            if (autoSelect_ && node && nm->action == TVE_EXPAND) SetSelected(node);
            return handled;
        }
        case NM_RCLICK: {
            if (!popupMenu_) break;
            POINT cursor;
            GetCursorPos(&cursor);
            TPoint client = ScreenToClient(TPoint{cursor.x, cursor.y});
            TTreeNode* node = GetNodeAt(client.X, client.Y);
            if (!node) node = TTreeView::Selected();
            PopupFor(TPoint{cursor.x, cursor.y}, node);
            popupShown_ = true;
            result = 1;  // shown: the system tree asks for no context menu
            return true;
        }
        default:
            break;
    }
    return TTreeView::Notify(header, result);
}

// --- Popup menu ---

void TXPCheckCustomTreeView::PopupFor(TPoint screen, TTreeNode* node) {
    struct Reset {
        TTreeNode*& node;
        ~Reset() { node = nullptr; }
    } reset{rightClickNode_};
    rightClickNode_ = node;
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(screen.X, screen.Y);
}

void TXPCheckCustomTreeView::PopupForSelection() {
    TTreeNode* node = TTreeView::Selected();
    TPoint at;
    if (node) {
        TRect r = node->DisplayRect(true);
        at = TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    PopupFor(ClientToScreen(at), node);
}

void TXPCheckCustomTreeView::KeyDown(uint16_t& key, TShiftState shift) {
    const TShiftState keys = shift & (ssShift | ssCtrl | ssAlt);
    if (popupMenu_ && ((key == VK_APPS && keys == 0) || (key == VK_F10 && keys == ssShift))) {
        key = 0;
        PopupForSelection();
        return;
    }
    TTreeView::KeyDown(key, shift);
}

void TXPCheckCustomTreeView::KeyUp(uint16_t& key, TShiftState shift) {
    // The menu key's release would ask for the menu a second time.
    if (popupMenu_ && key == VK_APPS) {
        key = 0;
        return;
    }
    TTreeView::KeyUp(key, shift);
}

void TXPCheckCustomTreeView::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbRight) popupShown_ = false;
    TTreeView::MouseUp(button, shift, x, y);
}

// --- Painting and scrolling ---

void TXPCheckCustomTreeView::PaintSelectionFrame(HDC dc) {
    if (HideSelection() || Focused()) return;
    TTreeNode* node = TTreeView::Selected();
    if (!node) return;
    TRect r = node->DisplayRect(true);
    if (r.IsEmpty()) return;
    TCanvas& canvas = Canvas();
    canvas.SetHandle(dc);
    canvas.Pen().Assign(selectionPen_);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(r);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.SetHandle(nullptr);
}

void TXPCheckCustomTreeView::WheelScroll(int lines) {
    HWND h = Handle();
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS | SIF_RANGE | SIF_PAGE;
    if (!GetScrollInfo(h, SB_VERT, &si)) return;
    int last = si.nMax - static_cast<int>(si.nPage > 0 ? si.nPage - 1 : 0);
    int pos = si.nPos + lines;
    // Near either end the step stops at the end.
    if (pos > last) pos = last;
    if (pos < si.nMin) pos = si.nMin;
    if (pos == si.nPos) return;
    SendMessageW(h, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos), 0);
    SetScrollPos(h, SB_VERT, pos, TRUE);
}

LRESULT TXPCheckCustomTreeView::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            LRESULT r = TTreeView::WndProc(msg, wParam, lParam);
            if (wParam) {
                PaintSelectionFrame(reinterpret_cast<HDC>(wParam));
            } else if (HandleAllocated()) {
                HDC dc = GetDC(Handle());
                PaintSelectionFrame(dc);
                ReleaseDC(Handle(), dc);
            }
            return r;
        }
        case WM_MOUSEWHEEL: {
            UINT lines = 3;
            SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
            if (lines == WHEEL_PAGESCROLL || lines == 0)
                lines = static_cast<UINT>(SendMessageW(Handle(), TVM_GETVISIBLECOUNT, 0, 0));
            wheelDelta_ += GET_WHEEL_DELTA_WPARAM(wParam);
            for (; wheelDelta_ >= WHEEL_DELTA; wheelDelta_ -= WHEEL_DELTA) WheelScroll(-static_cast<int>(lines));
            for (; wheelDelta_ <= -WHEEL_DELTA; wheelDelta_ += WHEEL_DELTA) WheelScroll(static_cast<int>(lines));
            return 0;
        }
        case WM_RBUTTONUP:
            if (popupShown_) {
                // The menu has shown for this click already: this release
                // asks for none.
                popupShown_ = false;
                swallowContextMenu_ = true;
                LRESULT r = TTreeView::WndProc(msg, wParam, lParam);
                swallowContextMenu_ = false;
                return r;
            }
            break;
        case WM_CONTEXTMENU: {
            if (!popupMenu_) break;
            if (swallowContextMenu_) return 0;
            if (static_cast<LONG>(lParam) == -1) {  // from the keyboard
                PopupForSelection();
                return 0;
            }
            if (TTreeView::Selected() || popupShown_) return 0;
            TPoint screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            TPoint client = ScreenToClient(screen);
            PopupFor(screen, GetNodeAt(client.X, client.Y));
            return 0;
        }
        case WM_SYSCOLORCHANGE:
            if (IsSystemColor(Color())) TTreeView::ColorChanged();
            break;
        default:
            break;
    }
    return TTreeView::WndProc(msg, wParam, lParam);
}

}  // namespace vd
