// Undoing a copy that did not end, and closing the record of one that did.
// Nothing of the registry is written before the copy ends, so the files and
// folders are all there is to put back.
#include "installer/uMain.h"
#include "system/dialogs.h"
#include "system/file_replace.h"
#include "system/folders.h"
#include "system/message_pump.h"

namespace vd {

void TFrm_MainysInstall::RollBackCopy() {
  TInstallRecord& record = InstallRecord();
  if (record.Empty()) return;
  std::vector<TUndoStep> left;
  for (const TUndoStep& step : record.RollbackSteps()) {
    switch (step.action) {
      case TUndoAction::uaRestore:
        if (!RestoreKeptFile(step.kept, step.path)) left.push_back(step);
        break;
      case TUndoAction::uaRemoveFile:
        if (!RemoveFile(step.path) && FileExists(step.path)) left.push_back(step);
        break;
      case TUndoAction::uaRemoveFolder:
        // A folder that holds anything else (the user's, or a file left
        // above) stays.
        RemoveEmptyFolder(step.path);
        break;
    }
  }
  record.Clear();
  if (left.empty()) return;
  DiscardQuitMessage();
  ShowWarning(RollbackLeftMessage(left), "");
}

void TFrm_MainysInstall::KeepCopy() {
  TInstallRecord& record = InstallRecord();
  for (const std::string& kept : record.KeptFiles()) RemoveFile(kept);
  record.Clear();
}

}  // namespace vd
