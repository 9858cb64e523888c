// The wizard's one main form: a borderless 558 x 390 window drawn from skin
// images, with a title bar that drags it, minimise and close buttons, five
// stacked pages and a bottom bar with the wizard's buttons. It holds the
// wizard's state: page, slide, Windows generation, folders, exported file
// names and portal mode.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "toolkit/form.h"
#include "toolkit/types.h"

namespace vd {

class TLabel;
class TXPPanel;
class TXPPngBtn;
class TXPPngView;

class TFrm_MainysInstall : public TForm {
public:
  explicit TFrm_MainysInstall(TComponent* owner);

  // --- Controls (owned by the form) ---
  TXPPanel* Area_Title = nullptr;
  TXPPanel* Title_Border_Left = nullptr;
  TXPPanel* Title_Border_Right = nullptr;
  TXPPngView* LogoView = nullptr;
  TLabel* sTitle = nullptr;
  TXPPngBtn* Btn_Min = nullptr;
  TXPPngBtn* Btn_Close = nullptr;
  TXPPanel* Wnd_Border_Left = nullptr;
  TXPPanel* Wnd_Border_Right = nullptr;
  TXPPanel* Area_Bottom = nullptr;
  TXPPanel* Bottom_Border_Left = nullptr;
  TXPPanel* Bottom_Border_Right = nullptr;
  TXPPngBtn* Btn_Prev = nullptr;
  TXPPngBtn* Btn_Next = nullptr;
  TXPPngBtn* Btn_Install = nullptr;
  TXPPngBtn* Btn_Cancel = nullptr;
  TXPPngBtn* Btn_Finished = nullptr;
  TXPPanel* Page_License = nullptr;
  TXPPanel* Page_InstallPath = nullptr;
  TXPPanel* Page_Process = nullptr;
  TXPPanel* Page_FileRelation = nullptr;
  TXPPanel* Page_Finished = nullptr;
  // Page 1: browse for the install folder.
  TXPPngBtn* Btn_SelectPath = nullptr;

  // --- Wizard state, in declaration order ---
  bool FIsVista = false;
  uint8_t FPageIndex = 0;
  uint8_t FSlideIndex = 0;
  std::string FProgramFilesDir;
  std::string FTempFolder;
  std::string FPackageFile;
  std::array<std::string, 5> FSlideFiles;  // index 1..4 used
  bool FCustomPortal = false;
  std::string FPortalHost;
  std::string FUserDataDir;
  std::string FProfilesDir;
  std::string FInstallDir;
  // The install-folder field's text until the page-1 field exists.
  std::string FInstallPathText;

  // --- Events and operations ---
  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void Btn_CloseClick(TObject* sender);
  void Btn_MinClick(TObject* sender);
  void Area_TitleMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  // Loads every skin image from the program's resources into its control.
  void LoadSkinImages();
  // Shows the panel of FPageIndex and sets the bottom-bar buttons for it.
  void ShowPage();
  // The panel of a page number (nullptr above 4).
  TXPPanel* PagePanel(int index) const;

private:
  void CreateControls();
};

// Frame operations on a form: the rounded outline and the place in the
// middle of a monitor (0 = the primary screen).
void SetRoundRegion(TForm& form, int ellipseWidth, int ellipseHeight, int extraWidth, int extraHeight);
void CenterFormOnMonitor(TForm& form, int monitorIndex);

}  // namespace vd
