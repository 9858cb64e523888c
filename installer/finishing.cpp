// The Finish button: the URL protocol, the portal record, the shortcuts,
// the App Paths and the Programs and Features entries, the player and the
// start page, then the end. After an install that lacks the player or its
// uninstaller, nothing that would point at them is written.
#include <windows.h>

#include "controls/xp_check_box.h"
#include "core/wide.h"
#include "installer/app_paths.h"
#include "installer/install_location_checks.h"
#include "installer/player_shortcuts.h"
#include "installer/portal_mode.h"
#include "installer/rules/player_files.h"
#include "installer/portal_record_store.h"
#include "installer/start_page.h"
#include "installer/uMain.h"
#include "installer/uninstall_entry.h"
#include "installer/url_protocol.h"
#include "system/folders.h"

namespace vd {

void TFrm_MainysInstall::Btn_FinishedClick(TObject*) {
  if (FileExists(FPackageFile)) DeleteFileW(Wide(FPackageFile).c_str());
  const std::string player = FInstallDir + kPlayerExeName;
  if (!FProgramsMissing) RegisterUrlProtocol(player);
  // A settings database of another kind raises here: the application shows
  // the error, the page stays, and Finish starts over.
  if (FCustomPortal && !FPortalHost.empty()) WriteSpecialValue(FProfilesDir, FPortalHost);
  if (!FProgramsMissing) {
    TShortcutChoice choice;
    choice.isVista = FIsVista;
    choice.linkDesktop = Check_LinkDeskTop->Checked();
    choice.linkQuickLaunch = Check_LinkTask->Checked();
    CreatePlayerShortcuts(choice, GatherShortcutFolders(FIsVista), FInstallDir);
    WriteAppPath(player);
    WriteUninstallEntry(FInstallDir, FEstimatedSizeKiB);
    if (Check_RunApp->Checked()) StartPlayer(FInstallDir);
  }
  if (Check_SetStartPage->Checked()) SetStartPage(kStartPageUrl);
  Close();
}

}  // namespace vd
