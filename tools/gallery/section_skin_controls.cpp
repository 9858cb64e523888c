// Gallery section: the PNG strip buttons, the PNG view and the skinned
// panels, as the wizard's title bar, page and bottom bar use them.
#include "controls/xp_png_btn.h"
#include "res/resource_ids.h"
#include "tools/gallery/gallery.h"
#include "toolkit/label.h"
#include "toolkit/png_image.h"
#include "toolkit/resources.h"

namespace vd::gallery {
namespace {

TXPPngBtn* Button(TForm& form, TWinControl& parent, int id, int left, int top) {
    TPngImage strip;
    strip.LoadFromResourceID(MainInstance(), id);
    auto* b = new TXPPngBtn(&form);
    b->SetPngImg(strip);
    b->SetLeft(left);
    b->SetTop(top);
    b->SetParent(&parent);
    return b;
}

TXPPanel* SkinPanel(TForm& form, TWinControl& parent, int bitmapId, TAlign align, int left, int top, int width,
                    int height) {
    auto* p = new TXPPanel(&form);
    p->SetBevelOuter(TBevelCut::bvNone);
    p->SetCaption("");
    p->SetBounds(left, top, width, height);
    p->SetAlign(align);
    p->SetParent(&parent);
    p->BackgroundOptions().Picture().LoadFromBitmapResource(MainInstance(), bitmapId);
    return p;
}

void Build(TForm& form, TXPPanel& area) {
    UseWizardPage(area);
    // A title bar as the wizard builds it: tiled middle, two corner pieces,
    // the logo, minimise and close.
    TXPPanel* title = SkinPanel(form, area, VD_BMP_TITLE, TAlign::alNone, 10, 8, 300, 29);
    SkinPanel(form, *title, VD_BMP_TITLE_LEFT, TAlign::alLeft, 0, 0, 4, 29);
    SkinPanel(form, *title, VD_BMP_TITLE_RIGHT, TAlign::alRight, 295, 0, 5, 29);
    auto* logo = new TXPPngView(&form);
    {
        TPngImage strip;
        strip.LoadFromResourceID(MainInstance(), VD_PNG_LOGO);
        logo->SetPngImg(strip);
    }
    logo->SetLeft(6);
    logo->SetTop(7);
    logo->SetParent(title);
    Button(form, *title, VD_PNG_MIN, 227, 1);
    Button(form, *title, VD_PNG_CLOSE, 257, 1);

    // A bottom bar with the wizard's buttons: normal, held down, disabled.
    TXPPanel* bottom = SkinPanel(form, area, VD_BMP_BOTTOM, TAlign::alNone, 10, 48, 300, 31);
    SkinPanel(form, *bottom, VD_BMP_BOTTOM_LEFT, TAlign::alLeft, 0, 0, 5, 31);
    SkinPanel(form, *bottom, VD_BMP_BOTTOM_RIGHT, TAlign::alRight, 295, 0, 5, 31);
    Button(form, *bottom, VD_PNG_PREV, 35, 5);
    Button(form, *bottom, VD_PNG_NEXT, 99, 5)->SetDown(true);
    Button(form, *bottom, VD_PNG_INSTALL, 163, 5)->SetEnabled(false);
    Button(form, *bottom, VD_PNG_CANCEL, 228, 5);
    AddNote(form, area, 320, 50, "下一步: Down");
    AddNote(form, area, 320, 66, "安装: disabled");

    // The four frames of one strip, shown by PNG views.
    const char* names[] = {"normal", "hover", "down", "disabled"};
    for (int k = 0; k < 4; ++k) {
        auto* v = new TXPPngView(&form);
        TPngImage strip;
        strip.LoadFromResourceID(MainInstance(), k % 2 ? VD_PNG_FINISH : VD_PNG_BROWSE);
        v->SetPngImg(strip);
        v->SetStates(static_cast<TState>(k));
        v->SetLeft(10 + k * 90);
        v->SetTop(94);
        v->SetParent(&area);
        AddNote(form, area, 10 + k * 90, 120, names[k]);
    }
}

const bool registered = RegisterSection({"PNG buttons, PNG view, skinned panels", 10, 420, 145, Build});

}  // namespace
}  // namespace vd::gallery
