#include "toolkit/control.h"

#include <algorithm>
#include <cwctype>

#include "core/text.h"
#include "toolkit/form.h"
#include "toolkit/win_control.h"

namespace vd {

bool IsAccel(char32_t ch, const std::string& caption) {
    std::u16string text = Utf8ToUtf16(caption);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] == u'&') {
            ++i;  // "&&" is a plain ampersand
            continue;
        }
        char32_t a = text[i + 1], b = ch;
        if (a < 128) a = static_cast<char32_t>(std::towupper(static_cast<wint_t>(a)));
        if (b < 128) b = static_cast<char32_t>(std::towupper(static_cast<wint_t>(b)));
        return a == b;
    }
    return false;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this](TObject*) {
        parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    MarkDestroying();
    if (parent_) parent_->RemoveControl(this);
    parent_ = nullptr;
    font_.OnChange = nullptr;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
    if (parent_) parent_->RemoveControl(this);
    parent_ = nullptr;
    if (parent) {
        parent->InsertControl(this);  // sets parent_
        ParentPropertiesChanged();
    }
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::ApplyConstraints(int& w, int& h) const {
    if (constraints_.MinWidth > 0 && w < constraints_.MinWidth) w = constraints_.MinWidth;
    if (constraints_.MaxWidth > 0 && w > constraints_.MaxWidth) w = constraints_.MaxWidth;
    if (constraints_.MinHeight > 0 && h < constraints_.MinHeight) h = constraints_.MinHeight;
    if (constraints_.MaxHeight > 0 && h > constraints_.MaxHeight) h = constraints_.MaxHeight;
    if (w < 0) w = 0;
    if (h < 0) h = 0;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (autoSize_) {
        int w = width, h = height;
        if (CanAutoSize(w, h)) {
            width = w;
            height = h;
        }
    }
    ApplyConstraints(width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    ApplyBounds(left, top, width, height);
    if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

void TControl::StoreBounds(int left, int top, int width, int height) {
    bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (resized) Resize();
}

void TControl::ApplyBounds(int left, int top, int width, int height) {
    // A graphic control: repaint the old and the new area in the parent.
    if (visible_ && parent_) parent_->InvalidateArea(BoundsRect());
    StoreBounds(left, top, width, height);
    if (visible_ && parent_) parent_->InvalidateArea(BoundsRect());
}

void TControl::SetConstraints(const TSizeConstraints& c) {
    constraints_ = c;
    int w = width_, h = height_;
    ApplyConstraints(w, h);
    if (w != width_ || h != height_) SetBounds(left_, top_, w, h);
}

void TControl::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    AdjustSize();
}

void TControl::AdjustSize() {
    if (autoSize_) SetBounds(left_, top_, width_, height_);
}

void TControl::SetAlign(TAlign a) {
    if (a == align_) return;
    align_ = a;
    if (parent_) parent_->Realign();
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TControl* c = this;
    while (c && !c->IsWindowed()) {
        p.X += c->left_;
        p.Y += c->top_;
        c = c->parent_;
    }
    if (!c) return p;
    auto* w = const_cast<TWinControl*>(static_cast<const TWinControl*>(c));
    POINT pt{p.X, p.Y};
    if (w->HandleAllocated()) ::ClientToScreen(w->Handle(), &pt);
    return {pt.x, pt.y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint origin = ClientToScreen(TPoint{0, 0});
    return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    if (parent_ && !v) parent_->InvalidateArea(BoundsRect());
    visible_ = v;
    if (parent_ && v) parent_->InvalidateArea(BoundsRect());
    if (parent_ && !v) parent_->GraphicCannotFocus(this);
    VisibleChanged();
}

void TControl::VisibleChanged() {
    // A control hidden under the mouse gets its leave when the parent next
    // sees the mouse elsewhere (after any release still on its way to it).
    if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_) {
        if (!c->visible_) return false;
        if (!c->parent_) {
            auto* w = dynamic_cast<const TWinControl*>(c);
            return w && w->HandleAllocated() && IsWindowVisible(const_cast<TWinControl*>(w)->Handle());
        }
    }
    return false;
}

void TControl::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    if (!v) clicked_ = false;
    if (parent_ && !v) parent_->GraphicCannotFocus(this);
    EnabledChanged();
}

void TControl::SetParentFont(bool v) {
    if (v == parentFont_) return;
    parentFont_ = v;
    if (v) ParentPropertiesChanged();
}

void TControl::SetColor(TColor c) {
    parentColor_ = false;
    if (c == color_) return;
    color_ = c;
    ColorChanged();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < w->ControlCount(); ++i)
            w->Controls(i)->ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (parentColor_) ParentPropertiesChanged();
}

void TControl::SetParentColor(bool v) {
    if (v == parentColor_) return;
    parentColor_ = v;
    if (v) ParentPropertiesChanged();
}

void TControl::ParentPropertiesChanged() {
    if (!parent_) return;
    if (parentFont_) {
        font_.OnChange = nullptr;
        font_.Assign(parent_->Font());
        font_.OnChange = [this](TObject*) {
            parentFont_ = false;
            FontChanged();
        };
        FontChanged();
    }
    if (parentColor_ && color_ != parent_->Color()) {
        color_ = parent_->Color();
        ColorChanged();
    }
}

void TControl::FontChanged() {
    Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < w->ControlCount(); ++i)
            if (w->Controls(i)->parentFont_) w->Controls(i)->ParentPropertiesChanged();
}

void TControl::SetCaption(const std::string& s) {
    if (s == text_) return;
    text_ = s;
    TextChanged();
}

void TControl::Invalidate() {
    if (parent_ && visible_) parent_->InvalidateArea(BoundsRect());
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

bool TControl::MouseCapture() const {
    if (IsWindowed()) {
        auto* w = const_cast<TWinControl*>(static_cast<const TWinControl*>(this));
        return w->HandleAllocated() && GetCapture() == w->Handle();
    }
    return parent_ && parent_->captureControl_ == this;
}

void TControl::SetMouseCapture(bool v) {
    if (v == MouseCapture()) return;
    if (IsWindowed()) {
        auto* w = static_cast<TWinControl*>(this);
        if (v)
            SetCapture(w->Handle());
        else
            ReleaseCapture();
        return;
    }
    if (!parent_) return;
    if (v) {
        parent_->captureControl_ = this;
        SetCapture(parent_->Handle());
    } else {
        parent_->captureControl_ = nullptr;
        if (parent_->HandleAllocated() && GetCapture() == parent_->Handle()) ReleaseCapture();
    }
}

void TControl::DispatchMouseDown(TMouseButton b, TShiftState shift, int x, int y, bool dbl) {
    if (b == TMouseButton::mbLeft) {
        if (style_ & csCaptureMouse) SetMouseCapture(true);
        if (dbl) {
            clicked_ = false;
            if (style_ & csDoubleClicks) DblClick();
        } else if (style_ & csClickEvents) {
            clicked_ = true;
        }
    }
    MouseDown(b, static_cast<TShiftState>(shift | (dbl ? ssDouble : 0)), x, y);
}

void TControl::DispatchMouseUp(TMouseButton b, TShiftState shift, int x, int y) {
    if (b == TMouseButton::mbLeft) {
        if (style_ & csCaptureMouse) SetMouseCapture(false);
        if (clicked_) {
            clicked_ = false;
            if (ClientRect().Contains(x, y)) Click();
        }
    }
    MouseUp(b, shift, x, y);
}

void TControl::DispatchMouseEnter() {
    if (mouseInControl_) return;
    mouseInControl_ = true;
    MouseEnter();
}

void TControl::DispatchMouseLeave() {
    if (!mouseInControl_) return;
    mouseInControl_ = false;
    MouseLeave();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton b, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, b, shift, x, y);
}

void TControl::MouseUp(TMouseButton b, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, b, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

void TControl::KeyDown(uint16_t&, TShiftState) {}
void TControl::KeyUp(uint16_t&, TShiftState) {}
void TControl::KeyPress(char32_t&) {}

// --- Focus and tab order ---

int TControl::TabOrder() const {
    if (!parent_) return -1;
    const auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TControl::SetTabOrder(int order) {
    if (!parent_) return;
    auto& list = parent_->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (order < 0 || order > static_cast<int>(list.size())) order = static_cast<int>(list.size());
    list.insert(list.begin() + order, this);
}

bool TControl::Focused() const { return parent_ && parent_->focusedGraphic_ == this && parent_->Focused(); }

bool TControl::CanFocus() const {
    if (!parent_) return false;
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_) return false;
    return true;
}

void TControl::SetFocus() {
    if (parent_) parent_->FocusGraphic(this);
}

bool TControl::FocusCuesShown() const {
    const TWinControl* w = IsWindowed() ? static_cast<const TWinControl*>(this) : parent_;
    if (!w || !w->HandleAllocated()) return false;
    HWND h = GetAncestor(const_cast<TWinControl*>(w)->Handle(), GA_ROOT);
    return !(SendMessageW(h, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

}  // namespace vd
