// The contents of the wizard's five pages: titles and texts, the licence
// agreement, the install-folder field, the progress bar and slideshow, the
// association mode and tree, and the finishing options, each in its stored
// look.
#include "controls/xp_check_box.h"
#include "controls/xp_check_tree.h"
#include "controls/xp_color_memo.h"
#include "controls/xp_combo_box.h"
#include "controls/xp_edit.h"
#include "controls/xp_group_box.h"
#include "controls/xp_panel.h"
#include "controls/xp_png_btn.h"
#include "controls/xp_progress_bar.h"
#include "controls/xp_slideshow.h"
#include "installer/license_text.h"
#include "installer/rules/file_type_tree.h"
#include "installer/rules/file_types.h"
#include "installer/rules/install_location.h"
#include "installer/uMain.h"
#include "toolkit/label.h"

#include <vector>

namespace vd {

namespace {

// The skin's frame colour (RGB 144, 170, 181) and the pale ground of the
// page inputs (RGB 231, 252, 255).
constexpr TColor kSkinBorder = 11905680;
constexpr TColor kPaleGround = 16776423;

void SetPageFont(TControl* c) {
  c->SetParentFont(false);
  c->Font().SetName("宋体");
  c->Font().SetHeight(-12);
  c->Font().SetColor(clBlack);
}

// A transparent, auto-sized label in the pages' font; titles are bold.
TLabel* MakeLabel(TComponent* owner, TWinControl* parent, const char* name, int left, int top,
                  const char* caption, bool bold = false) {
  auto* l = new TLabel(owner);
  l->SetName(name);
  l->SetTransparent(true);
  SetPageFont(l);
  if (bold) l->Font().SetStyle(fsBold);
  l->SetLeft(left);
  l->SetTop(top);
  l->SetAutoSize(true);
  l->SetCaption(caption);
  l->SetParent(parent);
  return l;
}

// The check boxes of the licence and finish pages: see-through over the
// page's picture, white box, the skin's frame colour.
TXPCheckBox* MakeCheckBox(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                          const char* caption, bool checked) {
  auto* b = new TXPCheckBox(owner);
  b->SetName(name);
  SetPageFont(b);
  b->SetParentColor(false);
  b->SetColor(clWhite);
  b->SetColorDown(16643306);
  b->SetColorCheck(374339);
  b->SetColorBorder(kSkinBorder);
  b->SetTransparent(true);
  b->SetCaption(caption);
  b->SetChecked(checked);
  b->SetBounds(left, top, width, 17);
  b->SetParent(parent);
  return b;
}

}  // namespace

void TFrm_MainysInstall::CreatePageContents() {
  // Page 0: welcome and licence agreement.
  T_Welcome = MakeLabel(this, Page_License, "T_Welcome", 199, 28, "欢迎使用Vadode播放器2010", true);
  L_1 = MakeLabel(this, Page_License, "L_1", 197, 55, "在安装播放器前，请仔细阅读以下软件使用许可协议：");
  Memo_License = new TXPColorMemo(this);
  Memo_License->SetName("Memo_License");
  SetPageFont(Memo_License);
  Memo_License->SetBounds(195, 86, 351, 163);
  Memo_License->SetParent(Page_License);
  Memo_License->SetReadOnly(true);
  Memo_License->SetWordWrap(true);
  Memo_License->SetColor(16643310);
  Memo_License->SetBorderColor(kSkinBorder);
  Memo_License->VertScrollBar().SetBarColor(6247705);
  Memo_License->VertScrollBar().SetArrowColor(6247705);
  Memo_License->VertScrollBar().SetColor(16643310);
  Memo_License->VertScrollBar().SetBorderColor(kSkinBorder);
  Memo_License->SetWantReturns(false);  // Enter presses Next; the text is read only
  Memo_License->SetText(LoadLicenseText());
  Memo_License->Loaded();
  Check_Agree = MakeCheckBox(this, Page_License, "Check_Agree", 195, 260, 212, "我已阅读并同意软件使用许可协议", false);

  // Page 1: install folder.
  T_Path = MakeLabel(this, Page_InstallPath, "T_Path", 13, 10, "选择安装路径", true);
  LPath_1 = MakeLabel(this, Page_InstallPath, "LPath_1", 23, 30, "请选择 “Vadode播放器” 的安装文件夹");
  LPath_2 = MakeLabel(this, Page_InstallPath, "LPath_2", 22, 75,
                      "安装程序将安装 “Vadode播放器”  到以下文件夹，要安装到不同的文件夹，请点击 [浏览] 按");
  LPath_3 = MakeLabel(this, Page_InstallPath, "LPath_3", 22, 94, "钮并选择其他文件夹，点击 [安装] 按钮开始安装");
  LPath_4 = MakeLabel(this, Page_InstallPath, "LPath_4", 36, 133, "目标文件夹：", true);
  Edt_InstallPath = new TXPEdit(this);
  Edt_InstallPath->SetName("Edt_InstallPath");
  SetPageFont(Edt_InstallPath);
  Edt_InstallPath->SetColorBorder(kSkinBorder);
  Edt_InstallPath->SetColorFlat(kPaleGround);
  Edt_InstallPath->SetAutoSize(false);
  Edt_InstallPath->SetBounds(51, 155, 385, 19);
  Edt_InstallPath->SetParent(Page_InstallPath);
  Btn_SelectPath = new TXPPngBtn(this);
  Btn_SelectPath->SetName("Btn_SelectPath");
  Btn_SelectPath->SetBounds(446, 153, 69, 22);
  Btn_SelectPath->SetTabStop(true);
  Btn_SelectPath->SetParent(Page_InstallPath);
  LPath_5 = MakeLabel(this, Page_InstallPath, "LPath_5", 50, 188, kRequiredSpaceText);
  LPath_6 = MakeLabel(this, Page_InstallPath, "LPath_6", 50, 209, "");

  // Page 2: progress bar (in the window's font) and slides.
  T_Process = MakeLabel(this, Page_Process, "T_Process", 20, 20, "正在安装，请稍候 …", true);
  LProcess_1 = MakeLabel(this, Page_Process, "LProcess_1", 31, 69, "正在复制新文件 …");
  Process_Show = new TXPProgressBar(this);
  Process_Show->SetName("Process_Show");
  Process_Show->SetParentFont(false);
  Process_Show->Font().Assign(Font());
  Process_Show->SetBackColorStop(16573394);
  Process_Show->SetBorderColor(kSkinBorder);
  Process_Show->SetBorderInner(fsFlat);
  Process_Show->SetBorderOuter(fsNone);
  Process_Show->SetBorderWidth(0);
  Process_Show->SetFlatColor(kSkinBorder);
  Process_Show->SetFlatColorAdjustment(0);
  Process_Show->SetInteriorOffset(0);
  Process_Show->SetThemeAware(false);
  Process_Show->SetBounds(57, 93, 441, 16);
  Process_Show->SetParent(Page_Process);
  XPSlideShow = new TXPSlideShow(this);
  XPSlideShow->SetName("XPSlideShow");
  XPSlideShow->SetParentColor(false);
  XPSlideShow->SetColor(kPaleGround);
  XPSlideShow->SetFrameColor(kPaleGround);
  XPSlideShow->SetBounds(27, 123, 503, 186);
  XPSlideShow->SetParent(Page_Process);

  // Page 3: association mode and the tree in its frame.
  T_FileRelation = MakeLabel(this, Page_FileRelation, "T_FileRelation", 13, 10, "设置文件关联", true);
  L_FileRelation =
      MakeLabel(this, Page_FileRelation, "L_FileRelation", 23, 30, "请选择需要用 “Vadode播放器”关联的媒体格式 ");
  Mode_FileRelation = new TXPComboBox(this);
  Mode_FileRelation->SetName("Mode_FileRelation");
  SetPageFont(Mode_FileRelation);
  Mode_FileRelation->SetStyle(TComboBoxStyle::csDropDownList);
  Mode_FileRelation->SetColor(clWindow);
  Mode_FileRelation->SetColorArrow(16381677);
  Mode_FileRelation->SetColorArrowBackground(kSkinBorder);
  Mode_FileRelation->SetColorBorder(kSkinBorder);
  for (const char* item : {"推荐关联", "关联所有格式", "取消所有关联"}) Mode_FileRelation->AddItem(item);
  Mode_FileRelation->SetItemIndex(amRecommended);
  Mode_FileRelation->SetBounds(46, 69, 226, 21);
  Mode_FileRelation->SetParent(Page_FileRelation);
  Mode_FileRelation->SetItemHeight(13);
  Group_FileRelation = new TXPGroupBox(this);
  Group_FileRelation->SetName("Group_FileRelation");
  Group_FileRelation->SetParentColor(false);
  Group_FileRelation->SetColor(kPaleGround);
  Group_FileRelation->SetColorBorder(kSkinBorder);
  Group_FileRelation->SetCaption("");
  Group_FileRelation->SetBounds(46, 99, 466, 198);
  Group_FileRelation->SetParent(Page_FileRelation);
  FileTypeTree = new TXPCheckTree(this);
  FileTypeTree->SetName("FileTypeTree");
  FileTypeTree->SetColor(16643305);
  FileTypeTree->SetParentFont(false);
  FileTypeTree->Font().SetName("Tahoma");
  FileTypeTree->Font().SetHeight(-12);
  FileTypeTree->Font().SetColor(2164481);
  FileTypeTree->SetHighlightColor(374339);
  FileTypeTree->SetFocusColor(8478511);
  FileTypeTree->SelectionPen().SetColor(8478511);
  FileTypeTree->SetIndent(20);
  FileTypeTree->SetHotTrack(true);
  FileTypeTree->SetHideSelection(false);
  FileTypeTree->SetShowHint(false);
  // The nine groups and their file types, all unchecked until the preset.
  std::vector<TTreeNode*> nodes;
  for (const TFileTypeNode& n : kFileTypeTree)
    nodes.push_back(FileTypeTree->AddChild(n.parent < 0 ? nullptr : nodes[n.parent], n.text));
  FileTypeTree->SetBounds(3, 2, 461, 194);
  FileTypeTree->SetParent(Group_FileRelation);

  // Page 4: finishing options.
  T_Finished = MakeLabel(this, Page_Finished, "T_Finished", 195, 39, "安装完成", true);
  Check_LinkDeskTop =
      MakeCheckBox(this, Page_Finished, "Check_LinkDeskTop", 209, 80, 151, "在桌面建立快捷方式", true);
  Check_LinkTask =
      MakeCheckBox(this, Page_Finished, "Check_LinkTask", 209, 111, 180, "在快速启动栏建立快捷方式", false);
  Check_RunApp = MakeCheckBox(this, Page_Finished, "Check_RunApp", 209, 143, 180, "立即运行 Vadode播放器2010", true);
  Check_SetStartPage =
      MakeCheckBox(this, Page_Finished, "Check_SetStartPage", 209, 175, 216, "把Zuvo网址导航设为主页", true);
}

}  // namespace vd
