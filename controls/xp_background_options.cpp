#include "controls/xp_background_options.h"

#include <algorithm>

#include "controls/box_rect.h"
#include "toolkit/paint_parent.h"

namespace vd {

TFCBackgroundOptions::TFCBackgroundOptions(TWinControl* control) : control_(control) {
    picture_.OnChange = [this](TObject*) { Changed(kPicture); };
}

TFCBackgroundOptions::~TFCBackgroundOptions() {
    if (control_ && !control_->Destroying() && NeedsOwnPainting()) control_->Invalidate();
    Unlink();
    picture_.OnChange = nullptr;
    picture_.Clear();
    for (TFCBackgroundOptions* c : children_) c->parent_ = nullptr;
    children_.clear();
}

TFCBackgroundOptions* TFCBackgroundOptions::Of(TControl* c) {
    if (!c || !c->IsWindowed()) return nullptr;
    auto* w = static_cast<TWinControl*>(c);
    return reinterpret_cast<TFCBackgroundOptions*>(w->Perform(CM_GETBACKGROUNDOPTIONS, 0, 0));
}

void TFCBackgroundOptions::Assign(const TFCBackgroundOptions& o) {
    if (&o == this) return;
    parentOpaque_ = o.parentOpaque_;
    if (!parentOpaque_) opaque_ = o.opaque_;
    pictureVisible_ = o.pictureVisible_;
    parentPicture_ = o.parentPicture_;
    if (!parentPicture_) {
        pictureMode_ = o.pictureMode_;
        transpColor_ = o.transpColor_;
        picture_.Assign(o.picture_);
    }
    bkgrndFormVisible_ = o.bkgrndFormVisible_;
    parentBkgrndForm_ = o.parentBkgrndForm_;
    glassVisible_ = o.glassVisible_;
    parentGlass_ = o.parentGlass_;
    if (!parentGlass_) {
        glassColor_ = o.glassColor_;
        glassTranslucency_ = o.glassTranslucency_;
    }
    Changed(kOpaque);
    Changed(kPicture);
    Changed(kGlass);
}

// --- Setters ---

void TFCBackgroundOptions::SetOpaque(bool v) {
    parentOpaque_ = false;
    if (v == opaque_) return;
    opaque_ = v;
    Changed(kOpaque);
}

void TFCBackgroundOptions::SetParentOpaque(bool v) {
    if (v == parentOpaque_) return;
    parentOpaque_ = v;
    Changed(kOpaque);
}

void TFCBackgroundOptions::SetParentPicture(bool v) {
    if (v == parentPicture_) return;
    parentPicture_ = v;
    if (v && !picture_.Empty()) {
        picture_.OnChange = nullptr;
        picture_.Clear();
        picture_.OnChange = [this](TObject*) { Changed(kPicture); };
    }
    Changed(kPicture);
}

void TFCBackgroundOptions::SetPicture(const TPicture& p) {
    parentPicture_ = false;
    picture_.Assign(p);  // raises the picture change
}

void TFCBackgroundOptions::SetPictureMode(TFCPictureMode m) {
    if (m == pictureMode_) return;
    pictureMode_ = m;
    Changed(kPicture);
}

void TFCBackgroundOptions::SetPictureTranspColor(TColor c) {
    if (c == transpColor_) return;
    transpColor_ = c;
    Changed(kPicture);
}

void TFCBackgroundOptions::SetPictureVisible(bool v) {
    if (v == pictureVisible_) return;
    pictureVisible_ = v;
    Changed(kPicture);
}

void TFCBackgroundOptions::SetGlassColor(TColor c) {
    bool was = parentGlass_;
    parentGlass_ = false;
    if (c == glassColor_ && !was) return;
    glassColor_ = c;
    Changed(kGlass);
}

void TFCBackgroundOptions::SetGlassTranslucency(uint8_t t) {
    bool was = parentGlass_;
    parentGlass_ = false;
    if (t == glassTranslucency_ && !was) return;
    glassTranslucency_ = t;
    Changed(kGlass);
}

void TFCBackgroundOptions::SetGlassVisible(bool v) {
    if (v == glassVisible_) return;
    glassVisible_ = v;
    Changed(kGlass);
}

void TFCBackgroundOptions::SetParentGlass(bool v) {
    if (v == parentGlass_) return;
    parentGlass_ = v;
    Changed(kGlass);
}

// --- Change propagation ---

bool TFCBackgroundOptions::Inherits(Part part) const {
    switch (part) {
        case kPicture: return parentPicture_;
        case kGlass: return parentGlass_;
        case kOpaque: return parentOpaque_;
        case kForm: return parentBkgrndForm_;
    }
    return false;
}

void TFCBackgroundOptions::Changed(Part part) {
    if (control_ && !control_->Destroying()) control_->Invalidate();
    if (OnChange) OnChange(this);
    PropagateTo(part);
}

void TFCBackgroundOptions::PropagateTo(Part part) {
    std::vector<TFCBackgroundOptions*> list = children_;
    for (TFCBackgroundOptions* c : list)
        if (c->Inherits(part)) c->Changed(part);
}

void TFCBackgroundOptions::ControlMoved() {
    if (!NeedsOwnPainting()) return;
    if (parentPicture_ || parentGlass_ || !EffectiveOpaque()) control_->Invalidate();
    PropagateTo(kPicture);
    PropagateTo(kForm);
    PropagateTo(kGlass);
}

// --- Links ---

void TFCBackgroundOptions::AttachTo(TFCBackgroundOptions* parent) {
    if (parent == parent_) return;
    if (parent_) {
        auto& list = parent_->children_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    parent_ = parent;
    if (parent_) parent_->children_.push_back(this);
}

void TFCBackgroundOptions::Unlink() { AttachTo(nullptr); }

void TFCBackgroundOptions::Adopt(TControl* c) {
    if (TFCBackgroundOptions* o = Of(c)) {
        o->AttachTo(this);
        return;
    }
    if (!c->IsWindowed()) return;
    auto* w = static_cast<TWinControl*>(c);
    for (int i = 0; i < w->ControlCount(); ++i) Adopt(w->Controls(i));
}

void TFCBackgroundOptions::Relink() {
    TFCBackgroundOptions* found = nullptr;
    for (TWinControl* p = control_->Parent(); p && !found; p = p->Parent()) found = Of(p);
    AttachTo(found);
    for (int i = 0; i < control_->ControlCount(); ++i) Adopt(control_->Controls(i));
    control_->Invalidate();
}

// --- Effective values ---

const TFCBackgroundOptions* TFCBackgroundOptions::PictureSource() const {
    const TFCBackgroundOptions* o = this;
    while (o->parentPicture_ && o->parent_) o = o->parent_;
    return o;
}

const TFCBackgroundOptions* TFCBackgroundOptions::GlassSource() const {
    const TFCBackgroundOptions* o = this;
    while (o->parentGlass_ && o->parent_) o = o->parent_;
    return o;
}

bool TFCBackgroundOptions::EffectiveOpaque() const {
    if (parentOpaque_ && parent_ && parent_->control_ == control_->Parent())
        return parent_->EffectiveOpaque();
    return opaque_;
}

bool TFCBackgroundOptions::PictureActive() const {
    return pictureVisible_ && !PictureSource()->picture_.Empty();
}

bool TFCBackgroundOptions::GlassActive() const {
    return glassVisible_ && GlassSource()->glassTranslucency_ != 255;
}

bool TFCBackgroundOptions::NeedsOwnPainting() const {
    return !EffectiveOpaque() || GlassActive() || PictureActive();
}

// --- Painting ---

void TFCBackgroundOptions::DrawPicture(TCanvas& canvas, const TRect& a) {
    const TFCBackgroundOptions* src = PictureSource();
    TGraphic* g = src->picture_.Graphic();
    if (!g) return;
    // The owner's client area in this control's coordinates.
    int dx = 0, dy = 0;
    for (TControl* c = control_; c && c != src->control_; c = c->Parent()) {
        dx += c->Left();
        dy += c->Top();
    }
    TBox area = BoxOf(-dx, -dy, src->control_->ClientWidth(), src->control_->ClientHeight());
    TPicturePlacement p = PlacePicture(src->pictureMode_, area, g->Width(), g->Height(), ToBox(a));
    if (p.Copies.empty()) return;
    int saved = canvas.SaveState();
    canvas.IntersectClip(ToRect(p.Clip));
    for (const TBox& copy : p.Copies) g->DrawTransparent(canvas, ToRect(copy), src->transpColor_);
    canvas.RestoreState(saved);
}

void TFCBackgroundOptions::Wash(TCanvas& canvas, const TRect& a) {
    const TFCBackgroundOptions* src = GlassSource();
    COLORREF c = ColorToRGB(src->glassColor_);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 1;
    bi.bmiHeader.biHeight = 1;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dot = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dot || !bits) return;
    *static_cast<uint32_t*>(bits) = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    HDC src_dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(src_dc, dot);
    BLENDFUNCTION bf{AC_SRC_OVER, 0, static_cast<BYTE>(255 - src->glassTranslucency_), 0};
    AlphaBlend(canvas.Handle(), a.Left, a.Top, a.Width(), a.Height(), src_dc, 0, 0, 1, 1, bf);
    SelectObject(src_dc, old);
    DeleteDC(src_dc);
    DeleteObject(dot);
}

void TFCBackgroundOptions::PaintBackground(TCanvas& canvas, TRect a) {
    if (a.IsEmpty()) a = control_->ClientRect();
    if (!NeedsOwnPainting()) {
        canvas.Brush().SetColor(control_->Color());
        canvas.FillRect(a);
        return;
    }
    const TFCBackgroundOptions* glass = GlassSource();
    if (GlassActive() && glass->glassTranslucency_ == 0) {
        canvas.Brush().SetColor(glass->glassColor_);
        canvas.FillRect(a);
        return;
    }
    bool pictureCovers = false;
    if (PictureActive()) {
        const TFCBackgroundOptions* src = PictureSource();
        if (src->transpColor_ == clNone) {
            if (src->pictureMode_ == fcpmTile) {
                pictureCovers = true;
            } else {
                TGraphic* g = src->picture_.Graphic();
                int dx = 0, dy = 0;
                for (TControl* c = control_; c && c != src->control_; c = c->Parent()) {
                    dx += c->Left();
                    dy += c->Top();
                }
                TBox area = BoxOf(-dx, -dy, src->control_->ClientWidth(), src->control_->ClientHeight());
                TPicturePlacement p = PlacePicture(src->pictureMode_, area, g->Width(), g->Height(), ToBox(a));
                for (const TBox& b : p.Copies)
                    if (Intersect(Intersect(b, p.Clip), ToBox(a)) == ToBox(a)) pictureCovers = true;
            }
        }
    }
    TWinControl* parent = control_->Parent();
    if (!EffectiveOpaque() && parent && !pictureCovers) {
        // See-through: the parent paints its own image behind this control.
        int saved = canvas.SaveState();
        canvas.IntersectClip(a);
        PaintParentBehind(*control_, canvas);
        canvas.RestoreState(saved);
    } else {
        TWinControl* owner = PictureActive() ? PictureSource()->control_ : control_;
        canvas.Brush().SetColor(owner->Color());
        canvas.FillRect(a);
    }
    if (PictureActive()) DrawPicture(canvas, a);
    if (GlassActive()) Wash(canvas, a);
}

}  // namespace vd
