// A shortcut menu: items with captions and click handlers, shown with the
// platform's menu at a screen point. Popup returns when the menu has
// closed; the chosen item's OnClick runs then (with the item as sender).
// The control that asked for the menu names itself as PopupComponent, so
// that a handler knows which control the menu was opened for.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace vd {

class TMenuItem : public TObject {
public:
    // "-" makes a separator line.
    std::string Caption;
    bool Enabled = true;
    bool Checked = false;
    TNotifyEvent OnClick;

    bool IsLine() const { return Caption == "-"; }
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // Adds an item at the end and returns it (owned by the menu).
    TMenuItem* Add(const std::string& caption, TNotifyEvent onClick = nullptr);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Item(int index) const { return items_[index].get(); }
    void Clear() { items_.clear(); }

    // Raises OnPopup, shows the menu at a screen point and waits until it
    // closes, serving messages meanwhile; then runs the chosen item's OnClick.
    void Popup(int x, int y);
    // Where the menu was last shown (screen coordinates).
    TPoint PopupPoint() const { return popupPoint_; }
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* c) { popupComponent_ = c; }

    TNotifyEvent OnPopup;

private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
    TComponent* popupComponent_ = nullptr;
    TPoint popupPoint_;
    HWND window_ = nullptr;  // owns the menu while it shows
};

}  // namespace vd
