// The main form as the extraction worker's host: the folders the player
// goes to, the progress bar and the slides after every entry, the entries
// that could not be written, and the end of the extraction.
#include <windows.h>

#include <exception>

#include "controls/xp_check_box.h"
#include "controls/xp_progress_bar.h"
#include "controls/xp_slideshow.h"
#include "core/random.h"
#include "core/wide.h"
#include "installer/rules/player_files.h"
#include "installer/uMain.h"
#include "system/dialogs.h"
#include "system/folders.h"
#include "system/waits.h"
#include "toolkit/label.h"

namespace vd {

TPlayerFolders TFrm_MainysInstall::ExtractionFolders() { return {FInstallDir, FProfilesDir, FUserDataDir}; }

void TFrm_MainysInstall::EntryDone(int count) {
  Process_Show->SetPercent(static_cast<uint16_t>(ProgressPercent(count)));
  // Slides change at every quarter of the bar, read back from it.
  const int slide = SlideIndexFor(Process_Show->Percent());
  if (slide != FSlideIndex) {
    FSlideIndex = static_cast<uint8_t>(slide);
    ShowSlide();
    SleepWait(2000, 50);
  }
}

void TFrm_MainysInstall::ShowSlide() {
  if (FSlideIndex < 1 || FSlideIndex > 4) return;
  Randomize();
  XPSlideShow->SetStyle(RandomRange(1, 171));  // 1..170
  // A slide that cannot be read (its file gone from the temporary folder)
  // leaves the picture shown; the installation goes on.
  try {
    XPSlideShow->Picture().LoadFromFile(FSlideFiles[FSlideIndex]);
  } catch (const std::exception&) {
    return;
  }
  XPSlideShow->Execute();
}

bool TFrm_MainysInstall::RetryFailedEntries(const TFailedEntries& failed) {
  return !FStopExtraction && AskRetry(FailedEntriesMessage(failed, FInstallDir), "");
}

void TFrm_MainysInstall::ExtractionDone(const TFailedEntries& failed) {
  KeepCopy();
  DeleteFileW(Wide(FPackageFile).c_str());
  const auto missing = [&](const char* name) { return HasFailed(failed, name) || !FileExists(FInstallDir + name); };
  FProgramsMissing = missing(kPlayerExeName) || missing(kUninstallerExeName);
  T_Finished->SetCaption(FinishedTitle(failed));
  if (FProgramsMissing) {
    // No shortcut to a missing player, and no start of it.
    for (TXPCheckBox* box : {Check_LinkDeskTop, Check_LinkTask, Check_RunApp}) {
      box->SetChecked(false);
      box->SetEnabled(false);
    }
  }
  SelectRecommendedTypes();
  ++FPageIndex;
  ShowPage();
}

}  // namespace vd
