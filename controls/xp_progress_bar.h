// TXPProgressBar: a windowless progress bar that composes its whole picture
// in an off-screen bitmap and copies it onto the parent in one step, so it
// never flickers while Percent changes many times a second. It shows the
// percentage as a filled part (solid, LED segments or a two-colour
// gradient) and, optionally, as the text "n%" centred over the bar, whose
// colour swaps exactly at the edge of the fill. A frame of flat or 3-D
// border styles surrounds the interior; with ThemeAware the platform's
// progress-bar theme parts are used when visual themes are active.
//
// All behaviour lives in TXPCustomProgressBar; TXPProgressBar is the class
// to place on a form. There is no frame-controller link: a bar takes its
// frame settings from its own properties.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "controls/model/frame_style.h"
#include "controls/model/gradient.h"
#include "controls/model/progress_model.h"
#include "toolkit/bitmap.h"
#include "toolkit/control.h"

namespace vd {

enum TBarStyle { bsTraditional = 0, bsLED = 1, bsGradient = 2 };

using TProgressChangeEvent = std::function<void(TObject* sender, int percent)>;

class TXPCustomProgressBar : public TGraphicControl {
public:
    explicit TXPCustomProgressBar(TComponent* owner);
    ~TXPCustomProgressBar() override;

    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor c);
    TColor BackColorStop() const { return backColorStop_; }
    void SetBackColorStop(TColor c);
    TColor BarColor() const { return barColor_; }
    // Also the font colour.
    void SetBarColor(TColor c);
    TColor BarColorStop() const { return barColorStop_; }
    void SetBarColorStop(TColor c);
    TBarStyle BarStyle() const { return barStyle_; }
    // Also ShowPercent (off for bsLED) and InteriorOffset (1 for bsLED, else 0).
    void SetBarStyle(TBarStyle s);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w);  // at least 1
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor c);
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx s);
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx s);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor c);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int n);  // -255..255
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TGradientDirection d);
    uint8_t InteriorOffset() const { return interiorOffset_; }
    void SetInteriorOffset(uint8_t n);
    int NumSegments() const { return numSegments_; }
    void SetNumSegments(int n);  // 1..100
    // Follows the bounds: vertical when taller than wide (fills from the bottom).
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation o);
    uint32_t PartsComplete() const { return partsComplete_; }
    // Cut to TotalParts; unless TotalParts is 0, Percent follows (ties to even).
    void SetPartsComplete(uint32_t v);
    uint16_t Percent() const { return percent_; }
    // Raises OnChange and repaints at once; above 100 draws a full bar.
    void SetPercent(uint16_t v);
    bool ShowPercent() const { return showPercent_; }
    void SetShowPercent(bool v);
    bool ThemeAware() const { return themeAware_; }
    void SetThemeAware(bool v);
    uint32_t TotalParts() const { return totalParts_; }
    // Resets PartsComplete and Percent to 0.
    void SetTotalParts(uint32_t v);

    TProgressChangeEvent OnChange;

    void Paint() override;

    // Whether a paint now uses the platform theme: ThemeAware, and visual
    // themes active for the application's controls.
    bool UsesTheme() const;

protected:
    void ApplyBounds(int left, int top, int width, int height) override;

private:
    // Each step draws on the bitmap's canvas and shrinks r by what it drew.
    void PaintClassic(TBitmap& b, TRect& r);
    bool PaintThemed(TBitmap& b, TRect& r);
    // The bar inside r by BarStyle; with a theme (an HTHEME) the lit LED
    // length is the theme's chunk part.
    void PaintBar(TBitmap& b, const TRect& r, HANDLE theme);
    void PaintText(TCanvas& c, const TRect& r, const TRect& filled, const TRect& empty);
    template <typename T>
    void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        Repaint();
    }

    TColor backColor_ = clWhite;
    TColor backColorStop_ = 16573394;
    TColor barColor_ = 14259482;
    TColor barColorStop_ = 16571332;
    TBarStyle barStyle_ = bsGradient;
    int bevelWidth_ = 1;
    TColor borderColor_ = 14013909;
    TFrameStyleEx borderInner_ = fsFlat;
    TFrameStyleEx borderOuter_ = fsNone;
    int borderWidth_ = 1;
    TColor flatColor_ = 16640733;
    int flatColorAdjustment_ = 0;
    TGradientDirection gradientDirection_ = gdDiagonalDown;
    uint8_t interiorOffset_ = 0;
    int numSegments_ = 20;
    TOrientation orientation_ = orHorizontal;
    uint32_t partsComplete_ = 0;
    uint16_t percent_ = 0;
    bool showPercent_ = true;
    bool themeAware_ = true;
    uint32_t totalParts_ = 0;
    std::unique_ptr<TBitmap> buffer_;
};

class TXPProgressBar : public TXPCustomProgressBar {
public:
    explicit TXPProgressBar(TComponent* owner) : TXPCustomProgressBar(owner) {}
};

}  // namespace vd
