// TDataExtractor: the worker that copies the player out of the package into
// its folders while the progress page shows. It only sequences the work:
// it makes the folders and names each entry and its destination; reading,
// inflating and writing every entry, and all that the page shows, run on the
// window thread through synchronous calls, with short waits that keep the
// window live.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "installer/rules/extraction_failures.h"
#include "installer/rules/extraction_plan.h"
#include "installer/rules/install_record.h"
#include "package/xp_file_db.h"
#include "toolkit/thread.h"

namespace vd {

// What the worker needs from the window it works for. ExtractionFolders
// runs where the worker is made, ExtractionStopped and PackageClosed on the
// worker thread, every other call on the window thread.
class TExtractionHost {
public:
  virtual ~TExtractionHost() = default;
  // The folders the player goes to; asked once, when the worker is made.
  virtual TPlayerFolders ExtractionFolders() = 0;
  // After each entry, whether it was written or skipped: `count` entries were
  // done before it (0..58; the skin runs with 58 again). The host moves the
  // progress bar to ProgressPercent(count) and, when SlideIndexFor of that
  // percent differs from the slide shown, shows the next slide and waits 2 s
  // (SleepWait(2000, 50)).
  virtual void EntryDone(int count) = 0;
  // After the last entry, while entries could not be written (the package is
  // still open): true to try those again (the folders they go to are made
  // again when missing), false to go on without them.
  virtual bool RetryFailedEntries(const TFailedEntries& failed) = 0;
  // After the last entry and the retries, once the package is closed; the
  // entries that are still not written.
  virtual void ExtractionDone(const TFailedEntries& failed) = 0;
  // Whether the wizard is going away: the worker writes nothing more, closes
  // the package and ends without ExtractionDone.
  virtual bool ExtractionStopped() const { return false; }
  // The worker has closed the package and is about to end, however it ends.
  virtual void PackageClosed() {}
  // What the copy has changed on disk: the worker notes here every folder it
  // makes and every file it writes (an old file it replaces is kept aside).
  // The host undoes it all when the copy does not end, and deletes the kept
  // files when it does.
  TInstallRecord& InstallRecord() { return FInstallRecord; }

private:
  TInstallRecord FInstallRecord;
};

class TDataExtractor : public TThread {
public:
  // Made on the window thread: opens the package file as a database with the
  // mark "m_install" (raising TXPException when it is not such a file, or the
  // file layer's error when it cannot be opened) and runs at once; the thread
  // frees itself when it is done. The host must outlive it.
  static TDataExtractor* Create(const std::string& packageFile, TExtractionHost& host);

  TDataExtractor(const std::string& packageFile, TExtractionHost& host);

protected:
  // The four tables and the skin in order: each table's folder is made when
  // missing, each entry handed to the window thread; the entries that could
  // not be written are offered again as long as the host asks for it; then
  // the package is closed and ExtractionDone runs on the window thread. A
  // destination folder that is empty ends the worker without ExtractionDone.
  void Execute() override;

private:
  // Entry `index` of the tables into its folder (made when missing, and
  // noted in the host's record), on the window thread; `step` for the walk
  // through the tables, not for a retry.
  void ExtractTo(int index, bool step);
  // Window thread: reads the entry, waits 100 ms, writes it in place of the
  // target (the old file kept aside and both noted in the host's record),
  // waits 100 ms (a failure skips the rest and puts the entry on the
  // failed list, a success takes it off); for a step, then the host's
  // EntryDone and the pending messages.
  void ExtractEntry(bool step);

  std::unique_ptr<TXPFileDB> FDataBase;
  uint8_t FCount = 0;
  int FEntryIndex = 0;
  std::string FEntryName;
  std::string FTargetFile;
  TFailedEntries FFailed;
  TExtractionHost& FHost;
  TPlayerFolders FFolders;
};

}  // namespace vd
