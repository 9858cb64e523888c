// Gallery section: the tri-state check tree in the wizard's stored look
// (the association page's nine groups, preset to the recommended types),
// with a right-click menu, a disabled tree in DisabledColor and a tree in
// the default colours.
#include <vector>

#include "controls/xp_check_tree.h"
#include "installer/rules/file_types.h"
#include "tools/gallery/gallery.h"

namespace vd::gallery {
namespace {

TXPCheckTree* NewTree(TForm& form, int left, int top, int width, int height) {
    auto* tree = new TXPCheckTree(&form);
    tree->SetBounds(left, top, width, height);
    tree->SetHideSelection(false);
    return tree;
}

void Build(TForm& form, TXPPanel& area) {
    UseWizardPage(area);

    // The association page's tree.
    TXPCheckTree* wizard = NewTree(form, 10, 8, 330, 258);
    wizard->SetColor(16643305);
    wizard->SetParentFont(false);
    wizard->Font().SetName("Tahoma");
    wizard->Font().SetHeight(-12);
    wizard->Font().SetColor(2164481);
    wizard->SetHighlightColor(374339);
    wizard->SetFocusColor(8478511);
    wizard->SelectionPen().SetColor(8478511);
    wizard->SetIndent(20);
    wizard->SetHotTrack(true);
    std::vector<TTreeNode*> nodes;
    for (const TFileTypeNode& n : kFileTypeTree)
        nodes.push_back(wizard->AddChild(n.parent < 0 ? nullptr : nodes[n.parent], n.text));
    // The recommended preset, node by node in index order as the page sets it.
    const std::vector<TTypeState> preset = PresetStates(amRecommended);
    for (int i = 0; i < kFileTypeNodeCount; ++i) wizard->SetItemState(i, static_cast<TCheckCheckState>(preset[i]));
    for (int root : {0, 1, 3}) wizard->Root(root)->Expand();
    wizard->SetParent(&area);
    wizard->SetSelected(wizard->Root(0)->Item(2));  // unfocused: framed by the selection pen
    // A right click (or the menu key) on a node offers to check or uncheck it.
    auto* menu = new TPopupMenu(&form);
    menu->Add("选中", [wizard](TObject*) {
        if (TTreeNode* n = wizard->Selected()) wizard->SetNodeState(n, csChecked);
    });
    menu->Add("取消选中", [wizard](TObject*) {
        if (TTreeNode* n = wizard->Selected()) wizard->SetNodeState(n, csUnchecked);
    });
    wizard->SetPopupMenu(menu);
    wizard->SetRightClickSelect(true);
    AddNote(form, area, 10, 270, "向导样式 · recommended preset, .ogm selected, right-click menu");

    // Disabled: DisabledColor (clBtnFace).
    TXPCheckTree* disabled = NewTree(form, 356, 8, 234, 112);
    TTreeNode* video = disabled->AddChild(nullptr, "常规视频");
    disabled->AddChild(video, ".avi - AVI 影视剪辑");
    disabled->AddChild(video, ".ogm - Ogg 媒体文件");
    TTreeNode* audio = disabled->AddChild(nullptr, "常规音频格式");
    disabled->AddChild(audio, ".mp3 - MP3 音频");
    disabled->SetItemState(0, csUnchecked);
    disabled->SetItemState(1, csChecked);
    disabled->SetItemState(3, csChecked);
    video->Expand();
    audio->Expand();
    disabled->SetParent(&area);
    disabled->SetEnabled(false);
    AddNote(form, area, 356, 122, "disabled (DisabledColor)");

    // Default colours: clWindow, the tick in clHighlight, one of each state.
    TXPCheckTree* plain = NewTree(form, 356, 146, 234, 120);
    TTreeNode* all = plain->AddChild(nullptr, "partial group");
    plain->AddChild(all, "checked");
    plain->AddChild(all, "unchecked");
    TTreeNode* nested = plain->AddChild(all, "partial");
    plain->AddChild(nested, "checked");
    plain->AddChild(nested, "unchecked");
    plain->SetItemState(0, csUnchecked);
    plain->SetItemState(1, csChecked);
    plain->SetItemState(4, csChecked);
    all->Expand(true);
    plain->SetParent(&area);
    AddNote(form, area, 356, 270, "default colours, HighlightColor clHighlight");
}

const bool registered = RegisterSection({"Check tree", 40, 600, 290, Build});

}  // namespace
}  // namespace vd::gallery
