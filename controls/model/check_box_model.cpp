#include "controls/model/check_box_model.h"

namespace vd {

TBox CheckBoxBoxRect(TCheckBoxLayout layout, int width, int height) {
    (void)height;
    if (layout == checkboxRight) return TBox{width - 12, 3, width - 1, 14};
    return TBox{1, 3, 12, 14};
}

TBox CheckBoxTextRect(TCheckBoxLayout layout, int width, int height) {
    if (layout == checkboxRight) return TBox{1, 1, width - 16, height - 1};
    return TBox{16, 1, width - 1, height - 1};
}

TBox CheckBoxFocusRect(TCheckBoxLayout layout, int width, int height, int tw, int th) {
    const TBox t = CheckBoxTextRect(layout, width, height);
    const int textW = tw < t.Right - t.Left ? tw : t.Right - t.Left;
    const int left = layout == checkboxRight ? t.Right - textW : t.Left;
    const int bottom = t.Top + th + 1 < height ? t.Top + th + 1 : height;
    return TBox{left - 1, t.Top - 1, left + textW + 1, bottom};
}

std::array<TLineSegment, 6> CheckTickSegments(int l, int t) {
    return {{{l + 2, t + 4, l + 6, t + 8},
             {l + 2, t + 5, l + 5, t + 8},
             {l + 2, t + 6, l + 5, t + 9},
             {l + 8, t + 2, l + 4, t + 6},
             {l + 8, t + 3, l + 4, t + 7},
             {l + 8, t + 4, l + 5, t + 7}}};
}

TCheckBoxFill TCheckBoxModel::Fill() const {
    if (!hot_ && !focused_) return TCheckBoxFill::Color;
    return pressed_ ? TCheckBoxFill::Down : TCheckBoxFill::Focused;
}

bool TCheckBoxModel::SetChecked(bool v) {
    if (v == checked_) return false;
    checked_ = v;
    Redraw();
    return true;
}

void TCheckBoxModel::BecomeHot() {
    if (enabled_) hot_ = true;
    Redraw();
}

bool TCheckBoxModel::LoseHot() {
    if (!enabled_ || !hot_ || pressed_) return false;
    hot_ = false;
    Redraw();
    return true;
}

bool TCheckBoxModel::Press() {
    if (!enabled_) return false;
    pressed_ = true;
    Redraw();
    return true;
}

bool TCheckBoxModel::Release() {
    if (!enabled_) return false;
    pressed_ = false;
    bool toggle = hot_;
    if (!toggle) Redraw();  // a toggle redraws through SetChecked
    return toggle;
}

void TCheckBoxModel::FocusIn() {
    focused_ = true;
    Redraw();
}

void TCheckBoxModel::FocusOut() {
    if (!enabled_) return;
    hot_ = false;
    focused_ = false;
    Redraw();
}

void TCheckBoxModel::ExitNotified() {
    focused_ = false;
    Redraw();
}

void TCheckBoxModel::SetEnabled(bool v) {
    enabled_ = v;
    if (!v) hot_ = pressed_ = false;
}

bool TCheckBoxHover::MouseOver(TCheckBoxModel& box, bool appActive) {
    if (owner_ && owner_ != &box) LoseHot(*owner_);
    if (!appActive) return false;
    owner_ = &box;
    running_ = true;
    box.BecomeHot();
    return true;
}

void TCheckBoxHover::Tick(bool ownerUnderCursor) {
    if (owner_ && !ownerUnderCursor) LoseHot(*owner_);
}

void TCheckBoxHover::LoseHot(TCheckBoxModel& box) {
    if (box.LoseHot()) Release(box);
}

void TCheckBoxHover::Release(const TCheckBoxModel& box) {
    if (owner_ != &box) return;
    owner_ = nullptr;
    running_ = false;
}

}  // namespace vd
