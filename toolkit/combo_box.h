// Native combo box: a drop-down list (the default) or an editable drop-down.
// The items live in the object, so they survive a re-created window.
#pragma once
#include <string>
#include <vector>

#include "toolkit/native_control.h"

namespace vd {

enum class TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TNativeControl {
public:
    explicit TComboBox(TComponent* owner);

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s) { style_ = s; }  // before the window is made

    int AddItem(const std::string& text);
    void ClearItems();
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int index) const { return items_[index]; }
    // -1: nothing selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Items shown when the list drops down.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n) { dropDownCount_ = n; }
    bool DroppedDown() const;

    // The selection changed by the user.
    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void CommandNotify(unsigned code) override;
    void ApplyBounds(int left, int top, int width, int height) override;

private:
    int ListHeight() const;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDownList;
    std::vector<std::string> items_;
    int itemIndex_ = -1;  // kept while there is no window
    int dropDownCount_ = 8;
};

}  // namespace vd
