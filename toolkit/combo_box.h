// Native combo box in every style: a drop-down list (the default), an
// editable drop-down, a simple combo with its list always shown, and the two
// owner-drawn lists. The items live in the object, so they survive a
// re-created window. The combo answers its edit and list parts' colour
// requests with its own Color and font colour (the dropped list is painted
// on Color), and subclasses both parts: EditWndProc and ListWndProc see
// their messages first.
#pragma once
#include <string>
#include <vector>

#include "toolkit/native_control.h"

namespace vd {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// State of an owner-drawn item.
enum TOwnerDrawFlag : unsigned { odSelected = 1, odFocused = 2, odDisabled = 4, odComboBoxEdit = 8 };
using TOwnerDrawState = unsigned;
// Draws item `index` (-1: the empty field) into `rect` of `canvas`.
using TDrawItemEvent = std::function<void(TObject* sender, int index, TCanvas& canvas, const TRect& rect,
                                          TOwnerDrawState state)>;
// Sets the height of item `index` of a csOwnerDrawVariable list.
using TMeasureItemEvent = std::function<void(TObject* sender, int index, int& height)>;

class TComboBox : public TNativeControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    // Re-creates the window when it exists.
    void SetStyle(TComboBoxStyle s);

    // Adds an item; a sorted combo inserts it in order. Returns its index.
    int AddItem(const std::string& text);
    void ClearItems();
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int index) const { return items_[index]; }
    // -1: nothing selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The text of the field (the edit part of the editable styles).
    std::string Text() const { return Caption(); }
    void SetText(const std::string& s) { SetCaption(s); }
    // Items in alphabetical order (letter case ignored).
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    // Most characters the edit part takes; 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    // Height of the items of the owner-drawn styles (and of their field).
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h);
    // Items shown when the list drops down.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n);
    bool DroppedDown() const;
    void SetDroppedDown(bool v);

    // The parts' windows (nullptr: the style has none).
    HWND EditHandle() const { return edit_; }
    HWND ListHandle() const { return list_; }

    // The selection changed by the user.
    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    // The list closed, whether or not the selection changed.
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void DestroyHandle() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT ReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void CommandNotify(unsigned code) override;
    void ApplyBounds(int left, int top, int width, int height) override;
    // Messages of the edit and list parts; call the Default versions for
    // the parts' own processing.
    virtual LRESULT EditWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual LRESULT ListWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultEditHandler(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultListHandler(UINT msg, WPARAM wParam, LPARAM lParam);
    // Owner-drawn items: OnDrawItem, or the item's text on the selection or
    // window colour.
    virtual void DrawItem(int index, TCanvas& canvas, const TRect& rect, TOwnerDrawState state);
    bool OwnerDrawn() const;

private:
    static LRESULT CALLBACK PartWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);
    void SubclassParts();
    int ListHeight() const;
    int SortedPosition(const std::string& text) const;

    TComboBoxStyle style_ = TComboBoxStyle::csDropDownList;
    std::vector<std::string> items_;
    int itemIndex_ = -1;  // kept while there is no window
    int dropDownCount_ = 8;
    int itemHeight_ = 16;
    int maxLength_ = 0;
    bool sorted_ = false;
    HWND edit_ = nullptr, list_ = nullptr;
    WNDPROC editProc_ = nullptr, listProc_ = nullptr;
};

}  // namespace vd
