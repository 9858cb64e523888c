// TFCBackgroundOptions: how a panel paints its background — a picture with
// a placement mode and an optional transparent colour, a translucent colour
// wash (glass), and an opaque / see-through switch. Each part can be taken
// from the options of the nearest ancestor control that has options, so
// nested panels continue one picture without seams.
//
// The options of a panel link to the options of their nearest ancestor
// (parent options) and keep the list of options linked to them (children);
// a change travels down to every child that inherits the changed part.
// Controls other than panels can take part by answering
// CM_GETBACKGROUNDOPTIONS with their options object.
#pragma once
#include <vector>

#include "controls/model/background_model.h"
#include "toolkit/picture.h"
#include "toolkit/win_control.h"

namespace vd {

// Asked of a control: result is its TFCBackgroundOptions* or 0.
constexpr UINT CM_GETBACKGROUNDOPTIONS = 45588;

class TFCBackgroundOptions : public TObject {
public:
    explicit TFCBackgroundOptions(TWinControl* control);
    ~TFCBackgroundOptions() override;
    TFCBackgroundOptions(const TFCBackgroundOptions&) = delete;
    TFCBackgroundOptions& operator=(const TFCBackgroundOptions&) = delete;

    // Copies the settings (not the links).
    void Assign(const TFCBackgroundOptions& o);

    bool Opaque() const { return opaque_; }
    void SetOpaque(bool v);
    bool ParentOpaque() const { return parentOpaque_; }
    void SetParentOpaque(bool v);
    bool BkgrndFormVisible() const { return bkgrndFormVisible_; }
    void SetBkgrndFormVisible(bool v) { bkgrndFormVisible_ = v; }
    bool ParentBkgrndForm() const { return parentBkgrndForm_; }
    void SetParentBkgrndForm(bool v) { parentBkgrndForm_ = v; }

    bool ParentPicture() const { return parentPicture_; }
    void SetParentPicture(bool v);
    // The own picture; loading into it counts as a picture change.
    TPicture& Picture() { return picture_; }
    // Copies a picture in and stops inheriting the picture.
    void SetPicture(const TPicture& p);
    TFCPictureMode PictureMode() const { return pictureMode_; }
    void SetPictureMode(TFCPictureMode m);
    TColor PictureTranspColor() const { return transpColor_; }
    void SetPictureTranspColor(TColor c);
    bool PictureVisible() const { return pictureVisible_; }
    void SetPictureVisible(bool v);

    TColor GlassColor() const { return glassColor_; }
    void SetGlassColor(TColor c);
    uint8_t GlassTranslucency() const { return glassTranslucency_; }
    void SetGlassTranslucency(uint8_t t);
    bool GlassVisible() const { return glassVisible_; }
    void SetGlassVisible(bool v);
    bool ParentGlass() const { return parentGlass_; }
    void SetParentGlass(bool v);

    bool ThemesDisabled() const { return themesDisabled_; }
    void SetThemesDisabled(bool v) { themesDisabled_ = v; }

    TNotifyEvent OnChange;

    // --- Links ---
    TWinControl* Control() const { return control_; }
    TFCBackgroundOptions* ParentOptions() const { return parent_; }
    const std::vector<TFCBackgroundOptions*>& ChildOptions() const { return children_; }
    // After the control got a new parent: link to the nearest ancestor's
    // options and adopt the options of all descendants.
    void Relink();
    void Unlink();
    // The options of a control, or nullptr.
    static TFCBackgroundOptions* Of(TControl* c);

    // --- Effective values ---
    // The options whose picture, mode and transparent colour apply.
    const TFCBackgroundOptions* PictureSource() const;
    const TFCBackgroundOptions* GlassSource() const;
    bool EffectiveOpaque() const;
    bool PictureActive() const;
    bool GlassActive() const;
    bool NeedsOwnPainting() const;

    // Paints the background for rectangle `a` (control client coordinates;
    // empty means the whole client area).
    void PaintBackground(TCanvas& canvas, TRect a);
    // The control moved or resized: pictures and glass placed relative to
    // an ancestor must be repainted.
    void ControlMoved();

private:
    enum Part { kPicture, kGlass, kOpaque, kForm };
    void Changed(Part part);
    void PropagateTo(Part part);
    bool Inherits(Part part) const;
    void Adopt(TControl* c);
    void AttachTo(TFCBackgroundOptions* parent);
    void DrawPicture(TCanvas& canvas, const TRect& a);
    void Wash(TCanvas& canvas, const TRect& a);

    TWinControl* control_;
    TFCBackgroundOptions* parent_ = nullptr;
    std::vector<TFCBackgroundOptions*> children_;

    bool opaque_ = true;
    bool parentOpaque_ = false;
    bool bkgrndFormVisible_ = true;
    bool parentBkgrndForm_ = false;
    bool parentPicture_ = false;
    TPicture picture_;
    TFCPictureMode pictureMode_ = fcpmTile;
    TColor transpColor_ = clNone;
    bool pictureVisible_ = true;
    TColor glassColor_ = 0;
    uint8_t glassTranslucency_ = 255;
    bool glassVisible_ = true;
    bool parentGlass_ = false;
    bool themesDisabled_ = false;
};

}  // namespace vd
