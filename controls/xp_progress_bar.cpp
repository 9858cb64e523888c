#include "controls/xp_progress_bar.h"

#include <uxtheme.h>

#include <algorithm>

#include "controls/box_rect.h"
#include "controls/frame_style_paint.h"
#include "controls/gradient_paint.h"
#include "toolkit/win_control.h"

namespace vd {
namespace {

// Parts of the platform theme's PROGRESS class.
constexpr int kThemeBar = 1, kThemeBarVert = 2, kThemeChunk = 3, kThemeChunkVert = 4;

TRect Shrunk(const TRect& r, int n) {
    TRect s{r.Left + n, r.Top + n, r.Right - n, r.Bottom - n};
    if (s.Right < s.Left) s.Right = s.Left;
    if (s.Bottom < s.Top) s.Bottom = s.Top;
    return s;
}

void Fill(TCanvas& c, const TRect& r, TColor color) {
    if (r.IsEmpty()) return;
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    c.FillRect(r);
}

}  // namespace

TXPCustomProgressBar::TXPCustomProgressBar(TComponent* owner)
    : TGraphicControl(owner), buffer_(std::make_unique<TBitmap>()) {
    SetControlStyle(ControlStyle() | csOpaque);
    // The font stays the parent's (ParentFont): only SetBarColor recolours it.
    SetBounds(Left(), Top(), 200, 24);
}

TXPCustomProgressBar::~TXPCustomProgressBar() = default;

void TXPCustomProgressBar::SetBackColor(TColor c) { Store(backColor_, c); }
void TXPCustomProgressBar::SetBackColorStop(TColor c) { Store(backColorStop_, c); }

void TXPCustomProgressBar::SetBarColor(TColor c) {
    if (c == barColor_) return;
    barColor_ = c;
    Font().SetColor(c);
    Repaint();
}

void TXPCustomProgressBar::SetBarColorStop(TColor c) { Store(barColorStop_, c); }

void TXPCustomProgressBar::SetBarStyle(TBarStyle s) {
    if (s == barStyle_) return;
    barStyle_ = s;
    showPercent_ = s != bsLED;
    interiorOffset_ = s == bsLED ? 1 : 0;
    Repaint();
}

void TXPCustomProgressBar::SetBevelWidth(int w) { Store(bevelWidth_, std::max(w, 1)); }
void TXPCustomProgressBar::SetBorderColor(TColor c) { Store(borderColor_, c); }
void TXPCustomProgressBar::SetBorderInner(TFrameStyleEx s) { Store(borderInner_, s); }
void TXPCustomProgressBar::SetBorderOuter(TFrameStyleEx s) { Store(borderOuter_, s); }
void TXPCustomProgressBar::SetBorderWidth(int w) { Store(borderWidth_, std::max(w, 0)); }

void TXPCustomProgressBar::SetFlatColor(TColor c) {
    if (c == flatColor_) return;
    flatColor_ = c;
    Invalidate();
}

void TXPCustomProgressBar::SetFlatColorAdjustment(int n) {
    n = std::clamp(n, -255, 255);
    if (n == flatColorAdjustment_) return;
    flatColorAdjustment_ = n;
    Invalidate();
}

void TXPCustomProgressBar::SetGradientDirection(TGradientDirection d) { Store(gradientDirection_, d); }
void TXPCustomProgressBar::SetInteriorOffset(uint8_t n) { Store(interiorOffset_, n); }
void TXPCustomProgressBar::SetNumSegments(int n) { Store(numSegments_, std::clamp(n, 1, 100)); }
void TXPCustomProgressBar::SetOrientation(TOrientation o) { Store(orientation_, o); }
void TXPCustomProgressBar::SetShowPercent(bool v) { Store(showPercent_, v); }

void TXPCustomProgressBar::SetThemeAware(bool v) {
    if (v == themeAware_) return;
    themeAware_ = v;
    Invalidate();
}

void TXPCustomProgressBar::SetPercent(uint16_t v) {
    if (v == percent_) return;
    percent_ = v;
    if (OnChange) OnChange(this, v);
    Repaint();
}

void TXPCustomProgressBar::SetTotalParts(uint32_t v) {
    v = std::min(v, kMaxProgressParts);
    if (v == totalParts_) return;
    totalParts_ = v;
    partsComplete_ = 0;
    SetPercent(0);
}

void TXPCustomProgressBar::SetPartsComplete(uint32_t v) {
    v = std::min(v, kMaxProgressParts);
    if (v == partsComplete_) return;
    partsComplete_ = std::min(v, totalParts_);
    if (totalParts_ != 0) SetPercent(static_cast<uint16_t>(PercentOfParts(partsComplete_, totalParts_)));
}

void TXPCustomProgressBar::ApplyBounds(int left, int top, int width, int height) {
    TGraphicControl::ApplyBounds(left, top, width, height);
    // The bounds change repaints the area already.
    orientation_ = Height() > Width() ? orVertical : orHorizontal;
}

bool TXPCustomProgressBar::UsesTheme() const {
    return themeAware_ && IsThemeActive() && IsAppThemed() && (GetThemeAppProperties() & STAP_ALLOW_CONTROLS);
}

void TXPCustomProgressBar::Paint() {
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0) return;
    if (buffer_->Width() != w || buffer_->Height() != h) buffer_->SetSize(w, h);
    buffer_->Canvas().Font().Assign(Font());
    TRect r = ClientRect();
    if (!(UsesTheme() && PaintThemed(*buffer_, r))) {
        r = ClientRect();
        PaintClassic(*buffer_, r);
    }
    GdiFlush();
    Canvas().Draw(0, 0, *buffer_);
}

void TXPCustomProgressBar::PaintClassic(TBitmap& b, TRect& r) {
    TCanvas& c = b.Canvas();
    Fill(c, r, borderColor_);
    const TColor flat = AdjustFlatColor(static_cast<TColor>(ColorToRGB(flatColor_)), flatColorAdjustment_);
    PaintFrameStyle(c, r, borderOuter_, false, bevelWidth_, flat);
    r = Shrunk(r, borderWidth_);  // the band in BorderColor is there from the fill
    PaintFrameStyle(c, r, borderInner_, true, bevelWidth_, flat);
    if (interiorOffset_ > 0) {
        Fill(c, r, backColor_);  // the bar covers all but the offset frame
        r = Shrunk(r, interiorOffset_);
    }
    PaintBar(b, r, nullptr);
}

bool TXPCustomProgressBar::PaintThemed(TBitmap& b, TRect& r) {
    HWND owner = Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr;
    HTHEME theme = OpenThemeData(owner, L"PROGRESS");
    if (!theme) return false;
    TCanvas& c = b.Canvas();
    Fill(c, r, borderColor_);
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    DrawThemeBackground(theme, c.Handle(), orientation_ == orVertical ? kThemeBarVert : kThemeBar, 0, &rc,
                        nullptr);
    r = Shrunk(r, interiorOffset_ + (barStyle_ == bsLED ? 1 : 3));
    PaintBar(b, r, theme);
    CloseThemeData(theme);
    return true;
}

void TXPCustomProgressBar::PaintBar(TBitmap& b, const TRect& r, HANDLE theme) {
    if (r.IsEmpty()) return;
    TCanvas& c = b.Canvas();
    const int p = percent_;
    const TBox box = ToBox(r);
    if (barStyle_ == bsLED) {
        const bool vertical = orientation_ == orVertical;
        const TLedLayout led = LedLayout(vertical ? r.Height() : r.Width(), numSegments_, p);
        const int lit = std::min(led.Lit, led.Count);
        if (theme) {
            // The theme's chunk part over the lit length.
            if (lit == 0 || led.Size == 0) return;
            TBox first = LedSegment(box, led, 1, orientation_), last = LedSegment(box, led, lit, orientation_);
            RECT rc = vertical ? RECT{r.Left, last.Top, r.Right, first.Bottom}
                               : RECT{first.Left, r.Top, last.Right, r.Bottom};
            DrawThemeBackground(theme, c.Handle(), vertical ? kThemeChunkVert : kThemeChunk, 0, &rc, nullptr);
            return;
        }
        Fill(c, r, backColor_);  // margins and unlit segments
        if (led.Size == 0) return;
        for (int i = 1; i <= lit; ++i) {
            const TRect seg = ToRect(LedSegment(box, led, i, orientation_));
            Fill(c, seg, barColor_);
            c.Brush().SetColor(backColor_);
            c.FrameRect(seg);  // separates neighbours
        }
        return;
    }
    const TRect filled = ToRect(FilledPart(box, p, orientation_));
    const TRect empty = ToRect(EmptyPart(box, p, orientation_));
    if (barStyle_ == bsGradient) {
        PaintGradient(b, filled, barColor_, barColorStop_, gradientDirection_);
        PaintGradient(b, empty, backColor_, backColorStop_, gradientDirection_);
    } else {
        Fill(c, filled, barColor_);
        Fill(c, empty, backColor_);
    }
    if (showPercent_) PaintText(c, r, filled, empty);
}

void TXPCustomProgressBar::PaintText(TCanvas& c, const TRect& r, const TRect& filled, const TRect& empty) {
    const std::string text = PercentText(percent_);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    const TTextOrigin at = PercentTextOrigin(ToBox(r), c.TextWidth(text), c.TextHeight("X"));
    // Twice, clipped: over the fill in BackColor, over the rest in BarColor.
    const struct {
        const TRect& Part;
        TColor Color;
    } passes[] = {{filled, backColor_}, {empty, barColor_}};
    for (const auto& pass : passes) {
        if (pass.Part.IsEmpty()) continue;
        const int saved = c.SaveState();
        c.IntersectClip(pass.Part);
        c.Font().SetColor(pass.Color);
        c.TextOut(at.X, at.Y, text);
        c.RestoreState(saved);
    }
    c.Brush().SetStyle(TBrushStyle::bsSolid);
}

}  // namespace vd
