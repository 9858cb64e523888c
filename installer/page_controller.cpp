// The wizard's page controller: which page shows, which buttons the bottom
// bar holds for it, what entering a page does, and the buttons that move
// between the pages.
#include <windows.h>

#include "controls/xp_check_box.h"
#include "controls/xp_edit.h"
#include "controls/xp_panel.h"
#include "controls/xp_png_btn.h"
#include "core/text.h"
#include "core/wide.h"
#include "installer/install_folder_check.h"
#include "installer/install_location_checks.h"
#include "installer/rules/install_location.h"
#include "installer/rules/startup_folders.h"
#include "installer/uMain.h"
#include "system/dialogs.h"
#include "system/disk_space.h"
#include "system/folders.h"
#include "system/waits.h"
#include "toolkit/label.h"
#include "toolkit/timer.h"

namespace vd {

void TFrm_MainysInstall::ShowPage() {
  const TPageRule* rule = PageRule(FPageIndex);
  if (!rule) return;
  if (rule->actionFirst) RunPageAction(rule->action);
  // Panels first: the page's own shows, the four others hide.
  for (int i = 0; i < kPageCount; ++i) PagePanel(i)->SetVisible(i == FPageIndex);
  // Then the buttons: in the bar or moved onto the form, then shown, hidden
  // or left as they were, and disabled where the page says so.
  TXPPngBtn* const buttons[pbCount] = {Btn_Next, Btn_Prev, Btn_Install, Btn_Cancel, Btn_Finished};
  for (int b = 0; b < pbCount; ++b)
    buttons[b]->SetParent(rule->buttons[b].place == TButtonPlace::bpBar ? static_cast<TWinControl*>(Area_Bottom)
                                                                         : this);
  for (int b = 0; b < pbCount; ++b) {
    const TButtonRule& r = rule->buttons[b];
    if (r.visibility == TButtonVisibility::bvShown) buttons[b]->SetVisible(true);
    if (r.visibility == TButtonVisibility::bvHidden) buttons[b]->SetVisible(false);
    if (r.disable) buttons[b]->SetEnabled(false);
  }
  // Tab order in the bar is reading order, left to right, whatever order
  // the buttons came back in.
  for (TXPPngBtn* b : {Btn_Prev, Btn_Next, Btn_Install, Btn_Cancel, Btn_Finished}) b->SetTabOrder(-1);
  if (!rule->actionFirst) RunPageAction(rule->action);
  // A keyboard user starts on the new page's first input (the bar's first
  // button on a page without one), not where the old page left the focus:
  // Enter on a Cancel still focused from page 2 would end the wizard.
  if (Showing() && FocusCuesShown() && !PagePanel(FPageIndex)->ContainsControl(FocusedControl())) SelectNext(nullptr, true);
}

bool TFrm_MainysInstall::DialogKey(uint16_t key) {
  if (key == VK_RETURN) {
    // The page's forward button: Next, Install or Finish.
    for (TXPPngBtn* b : {Btn_Next, Btn_Install, Btn_Finished})
      if (b->Showing() && b->Enabled()) {
        b->Press();
        return true;
      }
  } else if (key == VK_ESCAPE && Btn_Cancel->Showing() && Btn_Cancel->Enabled()) {
    Btn_Cancel->Press();
    return true;
  }
  return false;
}

void TFrm_MainysInstall::RunPageAction(TPageAction action) {
  switch (action) {
    case TPageAction::paNone:
      break;
    case TPageAction::paInstallPathChecks:
      // An older version is uninstalled first (the wizard stays here); a
      // running player ends the wizard.
      if (RunInstallPathChecks([](std::string_view text) { ShowWarning(text, ""); })) Close();
      break;
    case TPageAction::paDeleteSlideFiles:
      for (int i = 1; i <= 4; ++i) DeleteFileW(Wide(FSlideFiles[i]).c_str());
      break;
    case TPageAction::paApplyAssociations:
      // No association may open a player that is not there.
      if (!FProgramsMissing) ApplyFileAssociations();
      break;
  }
}

void TFrm_MainysInstall::Check_AgreeClick(TObject*) { Btn_Next->SetEnabled(Check_Agree->Checked()); }

void TFrm_MainysInstall::Btn_NextClick(TObject*) {
  ++FPageIndex;
  ShowPage();
}

void TFrm_MainysInstall::Btn_PrevClick(TObject*) {
  --FPageIndex;
  ShowPage();
}

void TFrm_MainysInstall::TakeInstallFolder() {
  FInstallDir = InstallDirFromText(InstallPathText());
  // Newer Windows keeps both under the roaming data folder.
  if (!FIsVista) {
    FUserDataDir = UserDataDirFor(false, "", FInstallDir);
    FProfilesDir = ProfilesDirFor(false, "", FInstallDir);
  }
}

void TFrm_MainysInstall::Btn_InstallClick(TObject*) {
  // The folder is checked before anything is written; a folder that fails
  // is named in a warning and the page stays with the text as typed.
  const std::string typed = Trim(InstallPathText());
  const std::string dir = InstallDirFromText(typed);
  const TPlayerFolders folders = {dir, FIsVista ? FProfilesDir : ProfilesDirFor(false, "", dir),
                                  FIsVista ? FUserDataDir : UserDataDirFor(false, "", dir)};
  const std::vector<int64_t> sizes = ReadEntrySizes(FPackageFile);
  const TFolderCheck check = CheckInstallFolder(folders, sizes);
  if (check.fault != ffNone) {
    ShowWarning(FolderFaultMessage(check.fault, typed, check.facts), "");
    return;
  }
  // The folders the check made belong to the copy: Cancel removes them.
  for (const std::string& folder : check.madeFolders) InstallRecord().NoteFolderMade(folder);
  FEstimatedSizeKiB = EstimatedSizeKiB(sizes);
  TakeInstallFolder();
  ++FPageIndex;
  ShowPage();
  BusyWait(100);  // let page 2 paint
  // Runs at once and frees itself; an exception (the package cannot be
  // opened) reaches the application's handler and leaves page 2 with only
  // Cancel usable.
  FExtracting = true;
  try {
    TDataExtractor::Create(FPackageFile, *this);
  } catch (...) {
    FExtracting = false;
    throw;
  }
}

void TFrm_MainysInstall::Btn_SelectPathClick(TObject*) {
  const std::string folder = BrowseForFolder(kBrowseTitle, "");
  if (!FolderExists(folder)) return;  // cancelled, or not a folder
  SetInstallPathText(InstallPathForBrowsedFolder(folder));
  Area_Bottom->SetFocus();
  UpdateFreeSpaceLabel();
}

void TFrm_MainysInstall::UpdateFreeSpaceLabel() {
  FFreeSpaceTimer->SetEnabled(false);
  LPath_6->SetCaption(FreeSpaceLabel(GetFreeSpaceText(InstallPathText())));
}

std::string TFrm_MainysInstall::InstallPathText() const { return Edt_InstallPath->Text(); }

void TFrm_MainysInstall::SetInstallPathText(const std::string& text) { Edt_InstallPath->SetText(text); }

}  // namespace vd
