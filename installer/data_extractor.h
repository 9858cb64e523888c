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

#include "installer/rules/extraction_plan.h"
#include "package/xp_file_db.h"
#include "toolkit/thread.h"

namespace vd {

// What the worker needs from the window it works for. Every call but
// ExtractionFolders runs on the window thread.
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
  // After the last entry, once the package is closed.
  virtual void ExtractionDone() = 0;
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
  // missing, each entry handed to the window thread; then the package is
  // closed and ExtractionDone runs on the window thread. A destination
  // folder that is empty ends the worker without ExtractionDone.
  void Execute() override;

private:
  // FTargetFile := folder + FEntryName; ExtractEntry on the window thread.
  void ExtractTo(const std::string& folder);
  // Window thread: reads the entry, waits 100 ms, writes it in place of the
  // target, waits 100 ms (any failure skips the rest silently); then the
  // host's EntryDone and the pending messages.
  void ExtractEntry();

  std::unique_ptr<TXPFileDB> FDataBase;
  uint8_t FCount = 0;
  std::string FEntryName;
  std::string FTargetFile;
  TExtractionHost& FHost;
  TPlayerFolders FFolders;
};

}  // namespace vd
