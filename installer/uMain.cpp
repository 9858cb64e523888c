#include "installer/uMain.h"

#include <windows.h>

#include "controls/xp_check_box.h"
#include "controls/xp_combo_box.h"
#include "controls/xp_edit.h"
#include "controls/xp_panel.h"
#include "controls/xp_png_btn.h"
#include "core/text.h"
#include "installer/portal_resources.h"
#include "installer/rules/install_location.h"
#include "installer/window_frame.h"
#include "package/resource_export.h"
#include "res/resource_ids.h"
#include "system/dialogs.h"
#include "system/disk_space.h"
#include "system/folders.h"
#include "installer/startup_facts.h"
#include "toolkit/application.h"
#include "toolkit/label.h"
#include "toolkit/png_image.h"
#include "toolkit/resources.h"
#include "toolkit/timer.h"

namespace vd {

namespace {

constexpr int kFormWidth = 558;
constexpr int kFormHeight = 390;

TXPPanel* MakePanel(TComponent* owner, TWinControl* parent, const char* name, TAlign align, int left, int top,
                    int width, int height) {
  auto* p = new TXPPanel(owner);
  p->SetName(name);
  p->SetBevelOuter(TBevelCut::bvNone);
  p->SetCaption("");
  p->SetBounds(left, top, width, height);
  p->SetAlign(align);
  p->SetParent(parent);
  return p;
}

TXPPngBtn* MakeButton(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                      int height) {
  auto* b = new TXPPngBtn(owner);
  b->SetName(name);
  b->SetBounds(left, top, width, height);
  b->SetParent(parent);
  return b;
}

}  // namespace

TFrm_MainysInstall::TFrm_MainysInstall(TComponent* owner) : TForm(owner) {
  SetName("Frm_MainysInstall");
  SetBorderStyle(TFormBorderStyle::bsNone);
  SetCaption("Vadode播放器安装");
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  SetBounds(0, 0, kFormWidth, kFormHeight);
  CreateControls();
  OnShow = [this](TObject* s) { FormShow(s); };
  FormCreate(this);
}

void TFrm_MainysInstall::CreateControls() {
  // Title bar with its corner pieces, logo, title, minimise and close.
  Area_Title = MakePanel(this, this, "Area_Title", TAlign::alTop, 0, 0, kFormWidth, 29);
  Title_Border_Left = MakePanel(this, Area_Title, "Title_Border_Left", TAlign::alLeft, 0, 0, 4, 29);
  Title_Border_Right = MakePanel(this, Area_Title, "Title_Border_Right", TAlign::alRight, 553, 0, 5, 29);

  LogoView = new TXPPngView(this);
  LogoView->SetName("LogoView");
  {
    // The logo strip ships with the form; the view shows its first frame.
    TPngImage logo;
    logo.LoadFromResourceID(MainInstance(), VD_PNG_LOGO);
    LogoView->SetPngImg(logo);
  }
  LogoView->SetBounds(6, 7, 16, 16);
  LogoView->SetParent(Area_Title);

  sTitle = new TLabel(this);
  sTitle->SetName("sTitle");
  sTitle->SetTransparent(true);
  sTitle->SetParentFont(false);
  sTitle->Font().SetName("宋体");
  sTitle->Font().SetHeight(-12);
  sTitle->Font().SetStyle(fsBold);
  sTitle->Font().SetColor(16776959);
  sTitle->SetCaption("Vadode播放器 安装向导");
  sTitle->SetBounds(27, 9, 150, 12);
  sTitle->SetParent(Area_Title);

  Btn_Min = MakeButton(this, Area_Title, "Btn_Min", 485, 1, 30, 19);
  Btn_Close = MakeButton(this, Area_Title, "Btn_Close", 515, 1, 34, 19);

  // Window edges and the bottom bar.
  Wnd_Border_Left = MakePanel(this, this, "Wnd_Border_Left", TAlign::alLeft, 0, 29, 1, 330);
  Wnd_Border_Right = MakePanel(this, this, "Wnd_Border_Right", TAlign::alRight, 557, 29, 1, 330);
  Area_Bottom = MakePanel(this, this, "Area_Bottom", TAlign::alBottom, 0, 359, kFormWidth, 31);
  Bottom_Border_Left = MakePanel(this, Area_Bottom, "Bottom_Border_Left", TAlign::alLeft, 0, 0, 5, 31);
  Bottom_Border_Right = MakePanel(this, Area_Bottom, "Bottom_Border_Right", TAlign::alRight, 553, 0, 5, 31);
  Btn_Prev = MakeButton(this, Area_Bottom, "Btn_Prev", 357, 5, 60, 21);
  Btn_Prev->SetVisible(false);
  Btn_Next = MakeButton(this, Area_Bottom, "Btn_Next", 421, 5, 60, 21);
  Btn_Install = MakeButton(this, Area_Bottom, "Btn_Install", 421, 5, 60, 21);
  Btn_Cancel = MakeButton(this, Area_Bottom, "Btn_Cancel", 486, 5, 60, 21);
  Btn_Finished = MakeButton(this, Area_Bottom, "Btn_Finished", 486, 5, 60, 21);
  for (TXPPngBtn* b : {Btn_Prev, Btn_Next, Btn_Install, Btn_Cancel, Btn_Finished}) b->SetTabStop(true);

  // The five pages, stacked in the client area.
  Page_License = MakePanel(this, this, "Page_License", TAlign::alClient, 1, 29, 556, 330);
  Page_InstallPath = MakePanel(this, this, "Page_InstallPath", TAlign::alClient, 1, 29, 556, 330);
  Page_Process = MakePanel(this, this, "Page_Process", TAlign::alClient, 1, 29, 556, 330);
  Page_FileRelation = MakePanel(this, this, "Page_FileRelation", TAlign::alClient, 1, 29, 556, 330);
  Page_Finished = MakePanel(this, this, "Page_Finished", TAlign::alClient, 1, 29, 556, 330);
  CreatePageContents();
  // Tab goes through the page's inputs first, then the bottom bar.
  Area_Bottom->SetTabOrder(-1);

  // Title-bar behaviour.
  TMouseEvent drag = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    Area_TitleMouseDown(s, b, sh, x, y);
  };
  Area_Title->OnMouseDown = drag;
  sTitle->OnMouseDown = drag;
  LogoView->OnMouseDown = drag;
  Btn_Min->OnClick = [this](TObject* s) { Btn_MinClick(s); };
  Btn_Close->OnClick = [this](TObject* s) { Btn_CloseClick(s); };
  Btn_Cancel->OnClick = [this](TObject* s) { Btn_CloseClick(s); };

  // The wizard's steps.
  Check_Agree->OnClick = [this](TObject* s) { Check_AgreeClick(s); };
  Btn_Next->OnClick = [this](TObject* s) { Btn_NextClick(s); };
  Btn_Prev->OnClick = [this](TObject* s) { Btn_PrevClick(s); };
  Btn_Install->OnClick = [this](TObject* s) { Btn_InstallClick(s); };
  Btn_SelectPath->OnClick = [this](TObject* s) { Btn_SelectPathClick(s); };
  // The free space follows the folder text: a moment after typing stops,
  // and at once when the box loses the focus.
  FFreeSpaceTimer = new TTimer(this);
  FFreeSpaceTimer->SetEnabled(false);
  FFreeSpaceTimer->SetInterval(400);
  FFreeSpaceTimer->SetOnTimer([this](TObject*) { UpdateFreeSpaceLabel(); });
  Edt_InstallPath->OnChange = [this](TObject*) {
    FFreeSpaceTimer->SetEnabled(false);
    FFreeSpaceTimer->SetEnabled(true);
  };
  Edt_InstallPath->OnExit = [this](TObject*) { UpdateFreeSpaceLabel(); };
  Btn_Finished->OnClick = [this](TObject* s) { Btn_FinishedClick(s); };
  Mode_FileRelation->OnCloseUp = [this](TObject* s) { Mode_FileRelationCloseUp(s); };
  // The arrow keys choose in the closed list: that choice applies at once.
  Mode_FileRelation->OnChange = [this](TObject* s) {
    if (!Mode_FileRelation->DroppedDown()) Mode_FileRelationCloseUp(s);
  };
}

void TFrm_MainysInstall::FormCreate(TObject*) {
  FIsVista = IsWindowsVista();
  FPageIndex = 0;
  FSlideIndex = 0;
  // Program Files, the temporary folder with its 20 MB rule (the fallback
  // folder is created here when needed), the exported file names and the
  // player's folders.
  const TStartupFolders folders = WorkOutStartupFolders();
  FProgramFilesDir = folders.programFilesDir;
  FTempFolder = folders.tempFolder;
  FPackageFile = folders.packageFile;
  FTempFolderCreated = folders.tempFolderCreated;
  for (int i = 1; i <= 4; ++i) FSlideFiles[i] = folders.slideFiles[i - 1];
  Btn_Next->SetEnabled(false);
  SetInstallPathText(folders.installPathText);
  FInstallDir = folders.installDir;
  // Newer Windows: under the roaming data folder; older: under the install folder.
  FUserDataDir = folders.userDataDir;
  FProfilesDir = folders.profilesDir;
  UpdateFreeSpaceLabel();
}

void TFrm_MainysInstall::FormShow(TObject*) {
  // Every warning and the folder browser are modal to the wizard.
  SetDialogOwner(Handle());
  LoadSkinImages();
  SetRoundRegion(*this, 4, 4, 0, 0);
  CenterFormOnMonitor(*this, 0);
  if (FileExists(FPackageFile)) {
    std::u16string w = Utf8ToUtf16(FPackageFile);
    DeleteFileW(reinterpret_cast<const wchar_t*>(w.c_str()));
  }
  ExportResource("dbfile", "idata", FPackageFile);
  ExportResource("jpgfile", "ipic1", FSlideFiles[1]);
  ExportResource("jpgfile", "ipic2", FSlideFiles[2]);
  ExportResource("jpgfile", "ipic3", FSlideFiles[3]);
  ExportResource("jpgfile", "ipic4", FSlideFiles[4]);
  ShowPage();
  const TPortalMode portal = ReadPortalMode();
  FCustomPortal = portal.customPortal;
  FPortalHost = portal.portalHost;
}

void TFrm_MainysInstall::LoadSkinImages() {
  HINSTANCE inst = MainInstance();
  auto bitmap = [inst](TXPPanel* panel, int id) {
    panel->BackgroundOptions().Picture().LoadFromBitmapResource(inst, id);
  };
  auto strip = [inst](TXPPngBtn* button, int id) { button->PngImg().LoadFromResourceID(inst, id); };
  bitmap(Area_Title, VD_BMP_TITLE);
  bitmap(Title_Border_Left, VD_BMP_TITLE_LEFT);
  bitmap(Title_Border_Right, VD_BMP_TITLE_RIGHT);
  strip(Btn_Min, VD_PNG_MIN);
  strip(Btn_Close, VD_PNG_CLOSE);
  bitmap(Wnd_Border_Left, VD_BMP_EDGE);
  bitmap(Wnd_Border_Right, VD_BMP_EDGE);
  bitmap(Page_License, VD_BMP_PAGE_WIDE);
  bitmap(Page_Finished, VD_BMP_PAGE_WIDE);
  bitmap(Page_InstallPath, VD_BMP_PAGE);
  bitmap(Page_Process, VD_BMP_PAGE);
  bitmap(Page_FileRelation, VD_BMP_PAGE);
  bitmap(Area_Bottom, VD_BMP_BOTTOM);
  bitmap(Bottom_Border_Left, VD_BMP_BOTTOM_LEFT);
  bitmap(Bottom_Border_Right, VD_BMP_BOTTOM_RIGHT);
  strip(Btn_SelectPath, VD_PNG_BROWSE);
  strip(Btn_Next, VD_PNG_NEXT);
  strip(Btn_Prev, VD_PNG_PREV);
  strip(Btn_Install, VD_PNG_INSTALL);
  strip(Btn_Cancel, VD_PNG_CANCEL);
  strip(Btn_Finished, VD_PNG_FINISH);
  // In-place loads do not repaint the buttons; show the new strips now.
  for (TXPPngBtn* b :
       {Btn_Min, Btn_Close, Btn_SelectPath, Btn_Next, Btn_Prev, Btn_Install, Btn_Cancel, Btn_Finished})
    b->Invalidate();
}

TXPPanel* TFrm_MainysInstall::PagePanel(int index) const {
  switch (index) {
    case 0: return Page_License;
    case 1: return Page_InstallPath;
    case 2: return Page_Process;
    case 3: return Page_FileRelation;
    case 4: return Page_Finished;
    default: return nullptr;
  }
}

void TFrm_MainysInstall::Btn_CloseClick(TObject*) { Close(); }

void TFrm_MainysInstall::Btn_MinClick(TObject*) { Application().Minimize(); }

void TFrm_MainysInstall::Area_TitleMouseDown(TObject*, TMouseButton button, TShiftState, int, int) {
  if (button != TMouseButton::mbLeft) return;
  DragWindowByCaption(Handle());
}

void SetRoundRegion(TForm& form, int ellipseWidth, int ellipseHeight, int extraWidth, int extraHeight) {
  vd::SetRoundRegion(form.Handle(), ellipseWidth, ellipseHeight, extraWidth, extraHeight);
}

void CenterFormOnMonitor(TForm& form, int monitorIndex) {
  const TPlacement p = PlaceOnMonitor(monitorIndex, form.Width(), form.Height());
  form.SetBounds(p.left, p.top, form.Width(), form.Height());
}

}  // namespace vd
