// Gallery section: the progress bar as the wizard stores it at a few
// percents, each bar style, the ten gradient directions, frame styles, the
// themed look and vertical bars.
#include <string>

#include "controls/xp_progress_bar.h"
#include "tools/gallery/gallery.h"

namespace vd::gallery {
namespace {

TXPProgressBar* Bar(TForm& form, TWinControl& parent, int left, int top, int width, int height, int percent) {
    auto* b = new TXPProgressBar(&form);
    b->SetBounds(left, top, width, height);
    b->SetThemeAware(false);
    b->SetPercent(static_cast<uint16_t>(percent));
    b->SetParent(&parent);
    return b;
}

// The installation page's Process_Show.
TXPProgressBar* WizardBar(TForm& form, TWinControl& parent, int left, int top, int percent) {
    TXPProgressBar* b = Bar(form, parent, left, top, 441, 16, percent);
    b->SetBackColorStop(16573394);
    b->SetBorderColor(clSkinBorder);
    b->SetBorderInner(fsFlat);
    b->SetBorderOuter(fsNone);
    b->SetBorderWidth(0);
    b->SetFlatColor(clSkinBorder);
    b->SetFlatColorAdjustment(0);
    b->SetInteriorOffset(0);
    return b;
}

void Build(TForm& form, TXPPanel& area) {
    UseWizardPage(area);
    // The wizard's bar.
    const int wizard[] = {0, 42, 100};
    for (int i = 0; i < 3; ++i) WizardBar(form, area, 8, 6 + i * 20, wizard[i]);
    AddNote(form, area, 456, 48, "the wizard's bar");

    // Bar styles, classic look.
    AddNote(form, area, 8, 70, "bsTraditional · bsLED · bsGradient");
    const TBarStyle styles[] = {bsTraditional, bsLED, bsGradient};
    for (int i = 0; i < 3; ++i) Bar(form, area, 8 + i * 180, 86, 172, 20, 55)->SetBarStyle(styles[i]);

    // The ten gradient directions at a few percents.
    const char* directions[] = {"DiagonalUp",  "DiagonalDown",   "HorizontalEnd", "HorizontalCenter",
                                "HorizontalBox", "VerticalEnd", "VerticalCenter", "VerticalBox",
                                "SquareBox",   "BigSquareBox"};
    const int percents[] = {40, 75, 100};
    for (int d = 0; d < kGradientDirectionCount; ++d) {
        const int x = 8 + (d % 5) * 108, y = 112 + (d / 5) * 40;
        AddNote(form, area, x, y, directions[d]);
        TXPProgressBar* b = Bar(form, area, x, y + 15, 100, 22, percents[d % 3]);
        b->SetGradientDirection(static_cast<TGradientDirection>(d));
    }

    // Frame styles around a solid bar.
    AddNote(form, area, 8, 194, "Groove · Bump · Lowered ×2 · ButtonUp · FlatBold · FlatRounded");
    const TFrameStyleEx frames[] = {fsGroove, fsBump, fsLowered, fsButtonUp, fsFlatBold, fsFlatRounded};
    for (int i = 0; i < 6; ++i) {
        TXPProgressBar* b = Bar(form, area, 8 + i * 90, 210, 84, 20, 60);
        b->SetBarStyle(bsTraditional);
        b->SetBorderOuter(frames[i]);
        b->SetBorderColor(clBtnFace);
        b->SetBorderInner(fsNone);
        b->SetBevelWidth(frames[i] == fsLowered ? 2 : 1);
        b->SetFlatColor(clSkinBorder);
    }

    // ThemeAware: the platform's progress bar when visual themes are active.
    AddNote(form, area, 8, 236, "ThemeAware: traditional · LED · gradient");
    for (int i = 0; i < 3; ++i) {
        TXPProgressBar* b = Bar(form, area, 8 + i * 180, 252, 172, 20, 65);
        b->SetBarStyle(styles[i]);
        b->SetThemeAware(true);
    }

    // Vertical bars fill from the bottom.
    AddNote(form, area, 552, 70, "vertical");
    Bar(form, area, 552, 86, 26, 186, 65);
    TXPProgressBar* led = Bar(form, area, 584, 86, 22, 186, 40);
    led->SetBarStyle(bsLED);
    led->SetNumSegments(12);
}

const bool registered = RegisterSection({"Progress bar", 20, 612, 280, Build});

}  // namespace
}  // namespace vd::gallery
