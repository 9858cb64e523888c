#include "installer/data_extractor.h"

#include <stdexcept>
#include <vector>

#include "system/file_replace.h"
#include "system/pending_file_operations.h"
#include "system/folders.h"
#include "system/message_pump.h"
#include "system/waits.h"

namespace vd {

namespace {
constexpr const char* kPackageMark = "m_install";
}  // namespace

TDataExtractor* TDataExtractor::Create(const std::string& packageFile, TExtractionHost& host) {
  return NewThread<TDataExtractor>(false, packageFile, host);
}

TDataExtractor::TDataExtractor(const std::string& packageFile, TExtractionHost& host) : FHost(host) {
  SetFreeOnTerminate(true);
  FDataBase = std::make_unique<TXPFileDB>();
  FDataBase->SetDBMark(kPackageMark);
  FDataBase->SetDBFile(packageFile);
  FFolders = FHost.ExtractionFolders();
}

void TDataExtractor::Execute() {
  // However the worker ends, the package is closed first.
  struct TClosePackage {
    TDataExtractor& worker;
    ~TClosePackage() {
      worker.FDataBase.reset();
      worker.FHost.PackageClosed();
    }
  } close{*this};
  for (int i = 0; i < kPlayerFileCount && !FHost.ExtractionStopped(); ++i) {
    ExtractTo(i, true);
    if (kPlayerFiles[i].folder != tfSkin) ++FCount;
  }
  while (!FFailed.empty() && !FHost.ExtractionStopped()) {
    bool retry = false;
    Synchronize([this, &retry] { retry = FHost.RetryFailedEntries(FFailed); });
    if (!retry) break;
    const TFailedEntries again = FFailed;
    for (int i : again) ExtractTo(i, false);
  }
  if (FHost.ExtractionStopped()) return;
  FDataBase.reset();
  Synchronize([this] { FHost.ExtractionDone(FFailed); });
}

void TDataExtractor::ExtractTo(int index, bool step) {
  const TPlayerFile& file = kPlayerFiles[index];
  const std::string folder = TargetFolderPath(file.folder, FFolders);
  if (folder.empty()) throw std::runtime_error("no folder to extract into");
  if (!FolderExists(folder)) {
    std::vector<std::string> made;
    ForceFolder(folder, &made);
    for (const std::string& f : made) FHost.InstallRecord().NoteFolderMade(f);
  }
  FEntryIndex = index;
  FEntryName = file.name;
  FTargetFile = folder + FEntryName;
  Synchronize([this, step] { ExtractEntry(step); });
}

void TDataExtractor::ExtractEntry(bool step) {
  if (FHost.ExtractionStopped()) return;
  bool written = false;
  try {
    std::unique_ptr<TMemoryStream> stream = FDataBase->ReadData(FEntryName);
    if (step) TimerWait(100, wuMilliseconds);
    // A missing entry, or one that cannot be written whole, goes on the
    // failed list; the old file, if any, stays as it was. A file that was
    // there before this run is kept aside until the copy has ended; one
    // this run wrote already is simply replaced.
    TInstallRecord& record = FHost.InstallRecord();
    if (stream && record.Wrote(FTargetFile)) {
      written = WriteFileReplacing(FTargetFile, stream->Memory(), stream->Size());
    } else if (stream) {
      std::string kept;
      written = WriteFileKeepingOld(FTargetFile, stream->Memory(), stream->Size(), &kept);
      if (written) record.NoteFileWritten(FTargetFile, kept);
    }
    // An old uninstaller may have left its own deletion for the next start
    // of Windows: the new file of that name stays.
    if (written) ForgetPendingFileOperations(FTargetFile);
    if (written && step) TimerWait(100, wuMilliseconds);
  } catch (...) {
  }
  NoteEntryResult(FFailed, FEntryIndex, written);
  if (!step) return;
  FHost.EntryDone(FCount);
  DispatchPendingMessages();
}

}  // namespace vd
