#include "installer/data_extractor.h"

#include <stdexcept>

#include "system/file_replace.h"
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
  int folderOfLastEntry = -1;
  std::string folder;
  for (const TPlayerFile& file : kPlayerFiles) {
    if (file.folder != folderOfLastEntry) {
      folderOfLastEntry = file.folder;
      folder = TargetFolderPath(file.folder, FFolders);
      if (folder.empty()) throw std::runtime_error("no folder to extract into");
      if (!FolderExists(folder)) ForceFolder(folder);
    }
    FEntryName = file.name;
    ExtractTo(folder);
    if (file.folder != tfSkin) ++FCount;
  }
  FDataBase.reset();
  Synchronize([this] { FHost.ExtractionDone(); });
}

void TDataExtractor::ExtractTo(const std::string& folder) {
  FTargetFile = folder + FEntryName;
  Synchronize([this] { ExtractEntry(); });
}

void TDataExtractor::ExtractEntry() {
  try {
    std::unique_ptr<TMemoryStream> stream = FDataBase->ReadData(FEntryName);
    TimerWait(100, wuMilliseconds);
    // A missing entry, or one that cannot be written whole, is skipped; the
    // old file, if any, stays as it was.
    if (stream && WriteFileReplacing(FTargetFile, stream->Memory(), stream->Size()))
      TimerWait(100, wuMilliseconds);
  } catch (...) {
  }
  FHost.EntryDone(FCount);
  DispatchPendingMessages();
}

}  // namespace vd
