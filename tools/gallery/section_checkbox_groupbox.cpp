// Gallery section: the flat check boxes as the wizard's licence and finish
// pages store them (see-through on the skinned page), their variants, and
// group boxes of every border kind.
#include "controls/xp_check_box.h"
#include "controls/xp_group_box.h"
#include "tools/gallery/gallery.h"
#include "toolkit/panel.h"

namespace vd::gallery {
namespace {

// A check box in the wizard's stored look.
TXPCheckBox* WizardBox(TForm& form, TWinControl& parent, int left, int top, int width, const std::string& caption,
                       bool checked) {
    auto* box = new TXPCheckBox(&form);
    box->SetBounds(left, top, width, 17);
    box->SetTransparent(true);
    box->SetColor(clWhite);
    box->SetColorDown(16643306);
    box->SetColorCheck(374339);
    box->SetColorBorder(11905680);
    box->SetCaption(caption);
    box->SetChecked(checked);
    box->SetParent(&parent);
    return box;
}

TXPGroupBox* Group(TForm& form, TWinControl& parent, int left, int top, const std::string& caption,
                   TGroupBoxBorder border) {
    auto* g = new TXPGroupBox(&form);
    g->SetBounds(left, top, 140, 52);
    g->SetColor(16776423);
    g->SetColorBorder(11905680);
    g->SetBorder(border);
    g->SetCaption(caption);
    g->SetParent(&parent);
    return g;
}

void Build(TForm& form, TXPPanel& area) {
    UseWizardPage(area);
    // The five check boxes of the licence and finish pages.
    WizardBox(form, area, 10, 8, 212, "我已阅读并同意软件使用许可协议", false);
    WizardBox(form, area, 10, 32, 151, "在桌面建立快捷方式", true);
    WizardBox(form, area, 10, 54, 180, "在快速启动栏建立快捷方式", false);
    WizardBox(form, area, 10, 76, 180, "立即运行 Vadode播放器2010", true);
    WizardBox(form, area, 10, 98, 216, "把Zuvo网址导航设为主页", true);
    AddNote(form, area, 10, 118, "Check_Agree, Check_LinkDeskTop ... (stored looks)");

    // Variants: disabled and checked, box on the right, the constructor's
    // colours, colours derived from a coloured parent, two-line wrap.
    WizardBox(form, area, 10, 142, 200, "禁用 (Enabled = False)", true)->SetEnabled(false);
    auto* right = WizardBox(form, area, 10, 164, 200, "Layout = checkboxRight", true);
    right->SetLayout(checkboxRight);
    auto* plain = new TXPCheckBox(&form);
    plain->SetBounds(10, 186, 200, 17);
    plain->SetCaption("constructor colours, opaque");
    plain->SetChecked(true);
    plain->SetParent(&area);

    auto* tinted = new TPanel(&form);
    tinted->SetBevelOuter(TBevelCut::bvNone);
    tinted->SetCaption("");
    tinted->SetColor(RGB(178, 214, 240));
    tinted->SetBounds(10, 208, 270, 52);
    tinted->SetParent(&area);
    auto* adv = new TXPCheckBox(&form);
    adv->SetBounds(4, 4, 260, 17);
    adv->SetCaption("UseAdvColors (from the parent)");
    adv->SetParent(tinted);
    adv->SetUseAdvColors(true);
    adv->SetChecked(true);
    auto* wrap = new TXPCheckBox(&form);
    wrap->SetBounds(4, 21, 160, 30);
    wrap->SetCaption("a long caption wraps at words onto a second line");
    wrap->SetParent(tinted);
    wrap->SetUseAdvColors(true);

    // Group boxes: the wizard's Group_FileRelation look, then every border
    // kind; one see-through over the skin and one disabled.
    const int gx = 300, gx2 = 450;
    AddNote(form, *Group(form, area, gx, 8, "", brFull), 8, 20, "Group_FileRelation look");
    Group(form, area, gx2, 8, "brFull + caption", brFull);
    AddNote(form, *Group(form, area, gx, 68, "", brOnlyTopLine), 8, 20, "top line, no caption");
    Group(form, area, gx2, 68, "brOnlyTopLine", brOnlyTopLine);
    Group(form, area, gx, 128, "TopLineFull", brOnlyTopLine)->SetTopLineFull(true);
    Group(form, area, gx2, 128, "Transparent", brFull)->SetTransparent(true);
    Group(form, area, gx, 188, "禁用 (disabled)", brFull)->SetEnabled(false);
    auto* holder = Group(form, area, gx2, 188, "with a child", brFull);
    WizardBox(form, *holder, 8, 22, 120, "在组框内", true);
}

const bool registered = RegisterSection({"Check box, group box", 30, 600, 262, Build});

}  // namespace
}  // namespace vd::gallery
