// The one way out of the wizard: whatever ends it (Cancel or the close
// button on any page, the running-player stop, Finish, an exception that
// ends the program), a copy that did not end is undone and the files it
// exported into the temporary folder go.
#include <windows.h>

#include "core/wide.h"
#include "installer/uMain.h"
#include "toolkit/thread.h"

namespace vd {

namespace {
// How long a running extraction is given to end its current entry and close
// the package: a folder made on a network share that has gone away can take
// this long to fail.
constexpr DWORD kStopTimeoutMs = 30000;
}  // namespace

void TFrm_MainysInstall::RemoveTemporaryFiles() {
  // A worker still extracting writes nothing more once it is stopped; its
  // calls are served until it has closed the package.
  FStopExtraction = true;
  const DWORD start = GetTickCount();
  while (FExtracting && GetTickCount() - start < kStopTimeoutMs) {
    CheckSynchronize();
    Sleep(10);
  }
  // The record is the worker's as long as it runs.
  if (!FExtracting) RollBackCopy();
  DeleteFileW(Wide(FPackageFile).c_str());
  for (int i = 1; i <= 4; ++i) DeleteFileW(Wide(FSlideFiles[i]).c_str());
  // Only when empty: the user may have put something there meanwhile.
  if (FTempFolderCreated) RemoveDirectoryW(Wide(FTempFolder).c_str());
}

}  // namespace vd
