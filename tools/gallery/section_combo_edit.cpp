// Gallery section: the flat combo box (the wizard's association chooser
// closed, dropped down, disabled, editable) and the flat edit (the wizard's
// install folder box, every text type, both link buttons, a password box,
// right-aligned and centred text, disabled).
#include "controls/xp_combo_box.h"
#include "controls/xp_edit.h"
#include "toolkit/timer.h"
#include "tools/gallery/gallery.h"

namespace vd::gallery {
namespace {

constexpr TColor kFlat = 16776423;  // RGB 231, 252, 255

TXPComboBox* WizardCombo(TForm& form, TWinControl& parent, int left, int top) {
    auto* c = new TXPComboBox(&form);
    c->SetStyle(TComboBoxStyle::csDropDownList);
    c->SetColor(clWindow);
    c->SetColorArrow(16381677);
    c->SetColorArrowBackground(clSkinBorder);
    c->SetColorBorder(clSkinBorder);
    for (const char* item : {"推荐关联", "关联所有格式", "取消所有关联"}) c->AddItem(item);
    c->SetItemIndex(0);
    c->SetBounds(left, top, 226, 21);
    c->SetParent(&parent);
    c->SetItemHeight(13);
    return c;
}

TXPEdit* WizardEdit(TForm& form, TWinControl& parent, int left, int top, int width, const std::string& text) {
    auto* e = new TXPEdit(&form);
    e->SetColorBorder(clSkinBorder);
    e->SetColorFlat(kFlat);
    e->SetAutoSize(false);
    e->SetBounds(left, top, width, 19);
    e->SetText(text);
    e->SetParent(&parent);
    return e;
}

void Build(TForm& form, TXPPanel& area) {
    UseWizardPage(area);

    // Combo boxes: closed, dropped down (from a timer once the form shows),
    // disabled, and the editable style.
    WizardCombo(form, area, 10, 22);
    AddNote(form, area, 10, 6, "Mode_FileRelation (drop-down list)");
    TXPComboBox* dropped = WizardCombo(form, area, 250, 22);
    dropped->SetItemIndex(1);
    AddNote(form, area, 250, 6, "dropped down");
    TXPComboBox* disabled = WizardCombo(form, area, 10, 66);
    disabled->SetEnabled(false);
    AddNote(form, area, 10, 50, "disabled");
    TXPComboBox* editable = WizardCombo(form, area, 250, 112);
    editable->SetStyle(TComboBoxStyle::csDropDown);
    editable->SetItemIndex(-1);
    editable->SetText("自定义格式");
    AddNote(form, area, 250, 96, "csDropDown (editable)");
    auto* drop = new TTimer(&form);
    drop->SetInterval(1500);
    drop->SetOnTimer([drop, dropped](TObject*) {
        drop->SetEnabled(false);
        dropped->SetFocus();
        dropped->SetDroppedDown(true);
    });

    // The wizard's install-folder box.
    AddNote(form, area, 10, 96, "Edt_InstallPath");
    WizardEdit(form, area, 10, 112, 226, "C:\\Program Files\\ZarIrovid\\");

    // One box of each text type.
    struct Kind {
        const char* note;
        TTextType type;
        const char* text;
    };
    const Kind kinds[] = {{"NormalText", NormalText, "普通文本"},
                          {"IntegerText", IntegerText, "-42"},
                          {"FloatText", FloatText, "3.14"},
                          {"IdentText", IdentText, "ident_1"}};
    for (int i = 0; i < 4; ++i) {
        const int x = 10 + i * 142;
        AddNote(form, area, x, 146, kinds[i].note);
        TXPEdit* e = WizardEdit(form, area, x, 162, 132, kinds[i].text);
        e->SetTextType(kinds[i].type);
    }

    // Link buttons, password, alignment, disabled.
    AddNote(form, area, 10, 196, "lsEllipsis");
    WizardEdit(form, area, 10, 212, 132, "C:\\Windows\\")->SetLinkStyle(lsEllipsis);
    AddNote(form, area, 152, 196, "lsDropDown");
    WizardEdit(form, area, 152, 212, 132, "mp4")->SetLinkStyle(lsDropDown);
    AddNote(form, area, 294, 196, "PasswordChar *");
    WizardEdit(form, area, 294, 212, 132, "secret")->SetPasswordChar(u'*');
    AddNote(form, area, 436, 196, "disabled");
    WizardEdit(form, area, 436, 212, 132, "只读")->SetEnabled(false);
    AddNote(form, area, 10, 246, "taRightJustify");
    WizardEdit(form, area, 10, 262, 132, "1024")->SetAlignment(TAlignment::taRightJustify);
    AddNote(form, area, 152, 246, "taCenter");
    WizardEdit(form, area, 152, 262, 132, "居中")->SetAlignment(TAlignment::taCenter);
    AddNote(form, area, 294, 246, "UseAdvColors (derived)");
    TXPEdit* derived = WizardEdit(form, area, 294, 262, 132, "由父色派生");
    derived->SetUseAdvColors(true);
}

const bool registered = RegisterSection({"Flat combo box, flat edit", 50, 580, 290, Build});

}  // namespace
}  // namespace vd::gallery
