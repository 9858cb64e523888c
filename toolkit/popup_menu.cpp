#include "toolkit/popup_menu.h"

#include "core/wide.h"

namespace vd {

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
    MarkDestroying();
    if (window_) DestroyWindow(window_);
}

TMenuItem* TPopupMenu::Add(const std::string& caption, TNotifyEvent onClick) {
    auto item = std::make_unique<TMenuItem>();
    item->Caption = caption;
    item->OnClick = std::move(onClick);
    items_.push_back(std::move(item));
    return items_.back().get();
}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = TPoint{x, y};
    if (OnPopup) OnPopup(this);
    if (!window_) {
        // A hidden window of our own owns the menu and takes its messages.
        WNDCLASSW wc{};
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VdPopupMenuWindow";
        RegisterClassW(&wc);  // fails harmlessly when already registered
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"VdPopupMenuWindow", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!window_) throw EInvalidOperation("Popup menu window creation failed");
    }
    HMENU menu = CreatePopupMenu();
    if (!menu) throw EInvalidOperation("Out of system resources");
    for (int i = 0; i < Count(); ++i) {
        const TMenuItem& item = *items_[i];
        if (item.IsLine()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.Enabled ? 0 : MF_GRAYED) | (item.Checked ? MF_CHECKED : 0);
        AppendMenuW(menu, flags, static_cast<UINT_PTR>(i + 1), Wide(item.Caption).c_str());
    }
    int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                 x, y, 0, window_, nullptr));
    DestroyMenu(menu);
    // Lets the menu finish closing before anything else waits for input.
    PostMessageW(window_, WM_NULL, 0, 0);
    if (chosen <= 0 || chosen > Count()) return;
    // A copy: the handler may change the items.
    TMenuItem* item = items_[chosen - 1].get();
    TNotifyEvent handler = item->OnClick;
    if (handler) handler(item);
}

}  // namespace vd
