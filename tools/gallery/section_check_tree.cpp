// Gallery section: the tri-state check tree in the wizard's stored look
// (the association page's nine groups, preset to the recommended types),
// with a right-click menu, a disabled tree in DisabledColor and a tree in
// the default colours.
#include <string>
#include <vector>

#include "controls/xp_check_tree.h"
#include "tools/gallery/gallery.h"

namespace vd::gallery {
namespace {

struct TGroup {
    const char* Name;
    std::vector<const char*> Items;
};

const std::vector<TGroup> kFileTypes = {
    {"常规视频", {".avi - AVI 影视剪辑", ".mpg - MPEG 媒体", ".ogm - Ogg 媒体文件"}},
    {"高清视频", {".mkv - Matroska 高清视频", ".tp -  HDTV 影片", ".ts -  HDTV 影片"}},
    {"手机媒体", {".mp4 - MPEG4 媒体文件", ".3gp", ".3gpp", ".3g2", ".3gp2"}},
    {"常规音频格式", {".cda - 音频CD", ".wav - Windows常规音频", ".mp3 - MP3 音频", ".ape - 无损音频",
                      ".ogg - Ogg Vorbis 音频"}},
    {"Windows 媒体文件", {".asf - Windows 媒体文件", ".wmv - Windows 媒体文件", ".wma - Windows 音频文件"}},
    {"Real 媒体文件", {".ra - Real 音频文件", ".rm - Real 媒体文件", ".rmvb - Real 媒体文件"}},
    {"QuickTime 影片", {".mov", ".amr", ".qt"}},
    {"MPEG/DVD/VCD", {".dat - VCD 媒体", ".mpg - MPEG 媒体", ".mpeg - MPEG 媒体", ".vob - MPEG-2 影片"}},
    {"其它视频格式", {".d2v - DVD2AVI 工程文件", ".divx - Divx Player 媒体", ".flv - FlashVideo 媒体",
                      ".pmp - PMP 移动媒体", ".vp6 - VP6 影片", ".vp7 - VP7 影片"}},
};

// The recommended preset as the association page makes it: every node in
// index order, by whether the text before its first hyphen occurs in the list.
void SelectRecommended(TXPCheckTree& tree) {
    const std::string recommended =
        ".asf.wmv.wma.mov.qt.3gp.3gp2.rm.ra.rmvb.avi.mkv.mp4.dat.mpg.mpeg.ts.tp.divx.flv.vp6.vp7.cda.wav.mp3";
    for (int i = 0; i < tree.NodeCount(); ++i) {
        std::string ext = tree.NodeAt(i)->Text();
        ext = ext.substr(0, ext.find('-'));
        ext.erase(ext.find_last_not_of(' ') + 1);
        tree.SetItemState(i, recommended.find(ext) != std::string::npos ? csChecked : csUnchecked);
    }
}

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
    for (const TGroup& g : kFileTypes) {
        TTreeNode* group = wizard->AddChild(nullptr, g.Name);
        for (const char* item : g.Items) wizard->AddChild(group, item);
    }
    SelectRecommended(*wizard);
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
