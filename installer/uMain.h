// The wizard's one main form: a borderless 558 x 390 window drawn from skin
// images, with a title bar that drags it, minimise and close buttons, five
// stacked pages and a bottom bar with the wizard's buttons. It holds the
// wizard's state: page, slide, Windows generation, folders, exported file
// names and portal mode.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "installer/data_extractor.h"
#include "installer/rules/page_table.h"
#include "toolkit/form.h"
#include "toolkit/types.h"

namespace vd {

class TLabel;
class TXPCheckBox;
class TXPCheckTree;
class TXPColorMemo;
class TXPComboBox;
class TXPEdit;
class TXPGroupBox;
class TXPPanel;
class TXPPngBtn;
class TXPPngView;
class TXPProgressBar;
class TXPSlideShow;
class TTimer;

// The form is also the extraction worker's host: the worker reads its
// folders and hands it every finished entry and the end of the extraction.
class TFrm_MainysInstall : public TForm, public TExtractionHost {
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
  // Page 0: welcome and licence agreement.
  TLabel* T_Welcome = nullptr;
  TLabel* L_1 = nullptr;
  TXPColorMemo* Memo_License = nullptr;
  TXPCheckBox* Check_Agree = nullptr;
  // Page 1: install folder.
  TLabel* T_Path = nullptr;
  TLabel* LPath_1 = nullptr;
  TLabel* LPath_2 = nullptr;
  TLabel* LPath_3 = nullptr;
  TLabel* LPath_4 = nullptr;
  TXPEdit* Edt_InstallPath = nullptr;
  TXPPngBtn* Btn_SelectPath = nullptr;
  TLabel* LPath_5 = nullptr;
  TLabel* LPath_6 = nullptr;
  // Page 2: progress and slides.
  TLabel* T_Process = nullptr;
  TLabel* LProcess_1 = nullptr;
  TXPProgressBar* Process_Show = nullptr;
  TXPSlideShow* XPSlideShow = nullptr;
  // Page 3: file associations.
  TLabel* T_FileRelation = nullptr;
  TLabel* L_FileRelation = nullptr;
  TXPComboBox* Mode_FileRelation = nullptr;
  TXPGroupBox* Group_FileRelation = nullptr;
  TXPCheckTree* FileTypeTree = nullptr;
  // Page 4: finishing options.
  TLabel* T_Finished = nullptr;
  TXPCheckBox* Check_LinkDeskTop = nullptr;
  TXPCheckBox* Check_LinkTask = nullptr;
  TXPCheckBox* Check_RunApp = nullptr;
  TXPCheckBox* Check_SetStartPage = nullptr;

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
  // Beyond the wizard's own state: whether the start-up made the fallback
  // temporary folder (removed again when empty), and what the package takes
  // on disk.
  bool FTempFolderCreated = false;
  uint32_t FEstimatedSizeKiB = 0;
  // The player or its uninstaller is missing after the extraction: nothing
  // that would point at them is written.
  bool FProgramsMissing = false;
  // Waits with a change of the folder text before the free space follows it.
  TTimer* FFreeSpaceTimer = nullptr;

  // --- Events and operations ---
  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void Btn_CloseClick(TObject* sender);
  void Btn_MinClick(TObject* sender);
  void Area_TitleMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  // Loads every skin image from the program's resources into its control.
  void LoadSkinImages();
  // Shows the panel of FPageIndex, sets the bottom-bar buttons for it and
  // runs the page's entry action (page 4 applies the associations first).
  void ShowPage();
  // The panel of a page number (nullptr above 4).
  TXPPanel* PagePanel(int index) const;
  // Enter presses the page's forward button (Next, Install or Finish) when
  // it is shown and enabled; Escape presses Cancel where it is.
  bool DialogKey(uint16_t key) override;

  // --- Page controller ---
  void Check_AgreeClick(TObject* sender);
  void Btn_NextClick(TObject* sender);
  void Btn_PrevClick(TObject* sender);
  // Takes the install folder, shows page 2, lets it paint and starts the
  // extraction worker.
  void Btn_InstallClick(TObject* sender);
  // Browses for a folder; the install folder becomes its "ZarIrovid".
  void Btn_SelectPathClick(TObject* sender);
  // The finishing actions, then the program ends.
  void Btn_FinishedClick(TObject* sender);

  // --- Extraction host (window thread) ---
  TPlayerFolders ExtractionFolders() override;
  void EntryDone(int count) override;
  bool RetryFailedEntries(const TFailedEntries& failed) override;
  void ExtractionDone(const TFailedEntries& failed) override;
  bool ExtractionStopped() const override { return FStopExtraction; }
  void PackageClosed() override { FExtracting = false; }
  // Starts the transition to slide FSlideIndex (1..4) with a random style.
  void ShowSlide();

  // --- Association page ---
  // Presets the tree to the recommended file types.
  void SelectRecommendedTypes();
  // Closing the mode list applies the chosen preset, also when the choice
  // did not change (hand-made changes are undone).
  void Mode_FileRelationCloseUp(TObject* sender);
  // Writes the associations of the tree's states under HKEY_CLASSES_ROOT.
  void ApplyFileAssociations();

  // The free-space label for the folder text as it stands.
  void UpdateFreeSpaceLabel();
  // Every way out of the program ends here: a running extraction is stopped
  // and its package closed, a copy that did not end is rolled back, then
  // the exported package and slides are deleted and a fallback temporary folder this program made is removed
  // when it is empty.
  void RemoveTemporaryFiles();
  // A copy that did not end is undone from the install record: the files
  // it replaced get their old ones back, the files and (empty) folders it
  // made go. A file that another program holds is left and named in one
  // warning.
  void RollBackCopy();
  // The copy has ended: the old files it kept aside are deleted and the
  // record is closed, so that a later Cancel undoes nothing.
  void KeepCopy();

  // The install-folder field's text.
  std::string InstallPathText() const;
  void SetInstallPathText(const std::string& text);

private:
  void CreateControls();
  // The labels, inputs and buttons of the five pages.
  void CreatePageContents();
  // The install-folder step of Install: FInstallDir from the field, and on
  // older Windows the userdata and profiles folders below it.
  void TakeInstallFolder();
  // The page's action on entering it.
  void RunPageAction(TPageAction action);

  std::atomic<bool> FExtracting{false};
  std::atomic<bool> FStopExtraction{false};
};

// Frame operations on a form: the rounded outline and the place in the
// middle of a monitor (0 = the primary screen).
void SetRoundRegion(TForm& form, int ellipseWidth, int ellipseHeight, int extraWidth, int extraHeight);
void CenterFormOnMonitor(TForm& form, int monitorIndex);

}  // namespace vd
