// TXPCheckCustomTreeView: the tree view under the check tree. Its colour
// follows the enabled state (DisabledColor, FocusColor, the normal colour),
// SelectionPen frames the selected node's text while the tree has no focus
// (with HideSelection off), the wheel scrolls by the system's line count,
// AutoSelect selects a node as it is expanded or collapsed, and PopupMenu
// opens for a right click, the context-menu key and Shift+F10.
#pragma once
#include "toolkit/popup_menu.h"
#include "toolkit/tree_view.h"

namespace vd {

class TXPCheckCustomTreeView : public TTreeView {
public:
    explicit TXPCheckCustomTreeView(TComponent* owner);
    ~TXPCheckCustomTreeView() override;

    // Color := DisabledColor when disabled, else FocusColor when focused,
    // else the normal colour. Runs when the enabled state changes and from
    // the two colour setters; gaining or losing the focus alone does not.
    virtual void UpdateColors();
    TColor DisabledColor() const { return disabledColor_; }
    virtual void SetDisabledColor(TColor c);
    TColor FocusColor() const { return focusColor_; }
    virtual void SetFocusColor(TColor c);
    // The colour Color was last given from outside. Setting Color from
    // outside also moves FocusColor along when it equalled the old one.
    TColor NormalColor() const { return normalColor_; }

    // A change of the pen repaints the tree; the setter copies the pen.
    TPen& SelectionPen() { return selectionPen_; }
    virtual void SetSelectionPen(const TPen& pen);

    // AutoSelect and AutoExpand exclude each other.
    bool AutoSelect() const { return autoSelect_; }
    virtual void SetAutoSelect(bool v);
    void SetAutoExpand(bool v) override;

    // The menu for right clicks and the keyboard (not owned).
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
    // While the menu shows: the node it was opened for (or nullptr).
    TTreeNode* RightClickNode() const { return rightClickNode_; }
    // With RightClickSelect, Selected is the right-click node while one is set.
    bool RightClickSelect() const { return rightClickSelect_; }
    void SetRightClickSelect(bool v) { rightClickSelect_ = v; }
    TTreeNode* Selected() const override;

    // Whether the platform's visual themes are active.
    virtual bool UseThemes() const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Notify(NMHDR* header, LRESULT& result) override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void PaintSelectionFrame(HDC dc);
    // Shows the menu at a screen point for `node`.
    void PopupFor(TPoint screen, TTreeNode* node);
    // The keyboard's request: at the centre of the selected node's text, or
    // at the client origin.
    void PopupForSelection();
    void WheelScroll(int lines);

    TPen selectionPen_;
    TColor disabledColor_ = clBtnFace;
    TColor focusColor_ = clWindow;
    TColor normalColor_ = clWindow;
    bool updatingColors_ = false;
    bool autoSelect_ = false;
    bool rightClickSelect_ = false;
    TPopupMenu* popupMenu_ = nullptr;
    TTreeNode* rightClickNode_ = nullptr;
    // The menu has shown for the current right click: its release opens none.
    bool popupShown_ = false;
    bool swallowContextMenu_ = false;
    int wheelDelta_ = 0;
};

}  // namespace vd
