#include "toolkit/combo_box.h"

#include "core/text.h"

namespace vd {

TComboBox::TComboBox(TComponent* owner) : TNativeControl(owner) { SetBounds(0, 0, 145, 21); }

void TComboBox::CreateParams(TCreateParams& p) {
    TNativeControl::CreateParams(p);
    p.ClassName = L"COMBOBOX";
    p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL |
               (style_ == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
    p.Height = Height() + ListHeight();
}

int TComboBox::ListHeight() const {
    int n = dropDownCount_ < 1 ? 1 : dropDownCount_;
    return n * (Font().Height() < 0 ? -Font().Height() + 5 : Font().Height() + 2) + 2;
}

void TComboBox::HandleCreated() {
    HWND h = Handle();
    for (const std::string& s : items_) {
        std::u16string w = Utf8ToUtf16(s);
        SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
    }
    SendMessageW(h, CB_SETCURSEL, itemIndex_, 0);
}

void TComboBox::ApplyBounds(int left, int top, int width, int height) {
    if (!HandleAllocated()) {
        TNativeControl::ApplyBounds(left, top, width, height);
        return;
    }
    // The window's height is the closed field's; the rest is the list.
    SetWindowPos(Handle(), nullptr, left, top, width, height + ListHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int TComboBox::AddItem(const std::string& text) {
    items_.push_back(text);
    if (HandleAllocated()) {
        std::u16string w = Utf8ToUtf16(text);
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
    }
    return static_cast<int>(items_.size()) - 1;
}

void TComboBox::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
}

int TComboBox::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= ItemCount()) index = -1;
    itemIndex_ = index;
    if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

bool TComboBox::DroppedDown() const {
    return HandleAllocated() &&
           SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::CommandNotify(unsigned code) {
    switch (code) {
        case CBN_SELCHANGE:
            itemIndex_ = ItemIndex();
            if (OnChange) OnChange(this);
            break;
        case CBN_EDITCHANGE:
            if (OnChange) OnChange(this);
            break;
        case CBN_DROPDOWN:
            if (OnDropDown) OnDropDown(this);
            break;
        case CBN_CLOSEUP:
            if (OnCloseUp) OnCloseUp(this);
            break;
        default:
            break;
    }
}

}  // namespace vd
