#include "toolkit/combo_box.h"

#include <algorithm>

#include "core/text.h"
#include "toolkit/application.h"

namespace vd {
namespace {

const wchar_t kPartProp[] = L"VdComboPart";
constexpr TColor clHighlightText = static_cast<TColor>(0xFF00000Eu);

int CompareItems(const std::string& a, const std::string& b) {
    std::u16string wa = Utf8ToUtf16(a), wb = Utf8ToUtf16(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, reinterpret_cast<const wchar_t*>(wa.c_str()),
                          static_cast<int>(wa.size()), reinterpret_cast<const wchar_t*>(wb.c_str()),
                          static_cast<int>(wb.size())) -
           CSTR_EQUAL;
}

void Unsubclass(HWND& part, WNDPROC& proc) {
    if (!part) return;
    SetWindowLongPtrW(part, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    RemovePropW(part, kPartProp);
    part = nullptr;
    proc = nullptr;
}

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TNativeControl(owner) { SetBounds(0, 0, 145, 21); }

TComboBox::~TComboBox() {
    MarkDestroying();
    DestroyHandle();
}

bool TComboBox::OwnerDrawn() const {
    return style_ == TComboBoxStyle::csOwnerDrawFixed || style_ == TComboBoxStyle::csOwnerDrawVariable;
}

void TComboBox::CreateParams(TCreateParams& p) {
    TNativeControl::CreateParams(p);
    p.ClassName = L"COMBOBOX";
    p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
    switch (style_) {
        case TComboBoxStyle::csDropDown: p.Style |= CBS_DROPDOWN; break;
        case TComboBoxStyle::csSimple: p.Style |= CBS_SIMPLE; break;
        case TComboBoxStyle::csDropDownList: p.Style |= CBS_DROPDOWNLIST; break;
        case TComboBoxStyle::csOwnerDrawFixed: p.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS; break;
        case TComboBoxStyle::csOwnerDrawVariable:
            p.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
            break;
    }
    if (style_ != TComboBoxStyle::csSimple) p.Height = Height() + ListHeight();
}

int TComboBox::ListHeight() const {
    int n = dropDownCount_ < 1 ? 1 : dropDownCount_;
    if (OwnerDrawn()) return n * itemHeight_ + 2;
    return n * (Font().Height() < 0 ? -Font().Height() + 5 : Font().Height() + 2) + 2;
}

void TComboBox::HandleCreated() {
    HWND h = Handle();
    if (OwnerDrawn()) {
        // The platform asked the parent for these while the window was being
        // made, before it was ours.
        SendMessageW(h, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight_);
        SendMessageW(h, CB_SETITEMHEIGHT, 0, itemHeight_);
    }
    for (const std::string& s : items_) {
        std::u16string w = Utf8ToUtf16(s);
        SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
    }
    SendMessageW(h, CB_SETCURSEL, itemIndex_, 0);
    if (maxLength_ > 0) SendMessageW(h, CB_LIMITTEXT, maxLength_, 0);
    SubclassParts();
    if (itemIndex_ < 0 && !text_.empty())
        SetWindowTextW(h, reinterpret_cast<const wchar_t*>(Utf8ToUtf16(text_).c_str()));
}

void TComboBox::DestroyHandle() {
    if (HandleAllocated()) {
        itemIndex_ = ItemIndex();
        text_ = Caption();
    }
    Unsubclass(edit_, editProc_);
    Unsubclass(list_, listProc_);
    TNativeControl::DestroyHandle();
}

void TComboBox::SubclassParts() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(Handle(), &info)) return;
    auto hook = [this](HWND part, HWND& slot, WNDPROC& proc) {
        if (!part || part == Handle()) return;
        slot = part;
        SetPropW(part, kPartProp, this);
        proc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(part, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PartWndProc)));
    };
    hook(info.hwndItem, edit_, editProc_);
    hook(info.hwndList, list_, listProc_);
}

LRESULT CALLBACK TComboBox::PartWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* c = static_cast<TComboBox*>(GetPropW(h, kPartProp));
    if (!c) return DefWindowProcW(h, msg, wParam, lParam);
    const bool edit = h == c->edit_;
    LRESULT r = 0;
    try {
        r = edit ? c->EditWndProc(msg, wParam, lParam) : c->ListWndProc(msg, wParam, lParam);
    } catch (...) {
        Application().HandleException();
    }
    if (msg == WM_NCDESTROY) {
        if (edit)
            Unsubclass(c->edit_, c->editProc_);
        else
            Unsubclass(c->list_, c->listProc_);
    }
    return r;
}

LRESULT TComboBox::EditWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultEditHandler(msg, wParam, lParam);
}

LRESULT TComboBox::ListWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultListHandler(msg, wParam, lParam);
}

LRESULT TComboBox::DefaultEditHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    return editProc_ ? CallWindowProcW(editProc_, edit_, msg, wParam, lParam) : 0;
}

LRESULT TComboBox::DefaultListHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    return listProc_ ? CallWindowProcW(listProc_, list_, msg, wParam, lParam) : 0;
}

LRESULT TComboBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC: {
            // From the edit or list part: the combo's own colours.
            bool handled = false;
            LRESULT r = TNativeControl::ReflectedMessage(msg, wParam, lParam, handled);
            if (handled) return r;
            break;
        }
        default:
            break;
    }
    return TNativeControl::WndProc(msg, wParam, lParam);
}

LRESULT TComboBox::ReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (msg == WM_DRAWITEM) {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        TOwnerDrawState state = 0;
        if (d->itemState & ODS_SELECTED) state |= odSelected;
        if (d->itemState & ODS_FOCUS) state |= odFocused;
        if (d->itemState & ODS_DISABLED) state |= odDisabled;
        if (d->itemState & ODS_COMBOBOXEDIT) state |= odComboBoxEdit;
        TCanvas canvas;
        canvas.SetHandle(d->hDC);
        canvas.Font().Assign(Font());
        DrawItem(static_cast<int>(d->itemID), canvas,
                 TRect{d->rcItem.left, d->rcItem.top, d->rcItem.right, d->rcItem.bottom}, state);
        canvas.SetHandle(nullptr);
        handled = true;
        return TRUE;
    }
    if (msg == WM_MEASUREITEM) {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        int h = itemHeight_;
        int index = static_cast<int>(m->itemID);
        if (style_ == TComboBoxStyle::csOwnerDrawVariable && index >= 0 && OnMeasureItem) OnMeasureItem(this, index, h);
        m->itemHeight = static_cast<UINT>(h);
        handled = true;
        return TRUE;
    }
    return TNativeControl::ReflectedMessage(msg, wParam, lParam, handled);
}

void TComboBox::DrawItem(int index, TCanvas& canvas, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, index, canvas, rect, state);
        return;
    }
    const bool selected = state & odSelected;
    canvas.Brush().SetColor(selected ? clHighlight : Color());
    canvas.FillRect(rect);
    canvas.Font().SetColor(selected ? clHighlightText : Font().Color());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (index >= 0 && index < ItemCount()) canvas.TextRect(rect, rect.Left + 2, rect.Top, items_[index]);
    if (state & odFocused) {
        RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
        DrawFocusRect(canvas.Handle(), &r);
    }
}

void TComboBox::ApplyBounds(int left, int top, int width, int height) {
    if (!HandleAllocated() || style_ == TComboBoxStyle::csSimple) {
        TNativeControl::ApplyBounds(left, top, width, height);
        return;
    }
    // The window's height is the closed field's; the rest is the list.
    SetWindowPos(Handle(), nullptr, left, top, width, height + ListHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetStyle(TComboBoxStyle s) {
    if (s == style_) return;
    style_ = s;
    RecreateWnd();
}

int TComboBox::SortedPosition(const std::string& text) const {
    int i = 0;
    while (i < ItemCount() && CompareItems(items_[i], text) <= 0) ++i;
    return i;
}

int TComboBox::AddItem(const std::string& text) {
    const int at = sorted_ ? SortedPosition(text) : ItemCount();
    items_.insert(items_.begin() + at, text);
    if (!HandleAllocated()) {
        if (itemIndex_ >= at) ++itemIndex_;
        return at;
    }
    std::u16string w = Utf8ToUtf16(text);
    const WPARAM where = at == ItemCount() - 1 ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(at);
    SendMessageW(Handle(), CB_INSERTSTRING, where, reinterpret_cast<LPARAM>(w.c_str()));
    return at;
}

void TComboBox::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
}

void TComboBox::SetSorted(bool v) {
    if (v == sorted_) return;
    sorted_ = v;
    if (!v) return;
    const int selected = ItemIndex();
    const std::string keep = selected >= 0 && selected < ItemCount() ? items_[selected] : std::string();
    std::stable_sort(items_.begin(), items_.end(),
                     [](const std::string& a, const std::string& b) { return CompareItems(a, b) < 0; });
    if (selected >= 0) itemIndex_ = static_cast<int>(std::find(items_.begin(), items_.end(), keep) - items_.begin());
    if (HandleAllocated()) {
        SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
        for (const std::string& s : items_)
            SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToUtf16(s).c_str()));
        SendMessageW(Handle(), CB_SETCURSEL, itemIndex_, 0);
    }
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

void TComboBox::SetMaxLength(int n) {
    maxLength_ = n < 0 ? 0 : n;
    if (HandleAllocated()) SendMessageW(Handle(), CB_LIMITTEXT, maxLength_, 0);
}

void TComboBox::SetItemHeight(int h) {
    if (h <= 0) return;
    itemHeight_ = h;
    if (HandleAllocated() && OwnerDrawn()) RecreateWnd();
}

void TComboBox::SetDropDownCount(int n) {
    dropDownCount_ = n;
    if (HandleAllocated()) ApplyBounds(Left(), Top(), Width(), Height());
}

bool TComboBox::DroppedDown() const {
    return HandleAllocated() &&
           SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::SetDroppedDown(bool v) {
    if (HandleAllocated()) SendMessageW(Handle(), CB_SHOWDROPDOWN, v ? TRUE : FALSE, 0);
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
