#include "installer/install_folder_check.h"

#include <windows.h>

#include "core/wide.h"
#include "installer/rules/player_files.h"
#include "package/xp_file_db.h"
#include "system/disk_space.h"
#include "system/folders.h"

namespace vd {
namespace {

bool DriveExists(const std::string& drive) {
  const std::string root = drive + "\\";
  if (drive.size() == 2) {
    const UINT kind = GetDriveTypeW(Wide(root).c_str());
    return kind != DRIVE_UNKNOWN && kind != DRIVE_NO_ROOT_DIR;
  }
  return FolderExists(root);  // \\server\share
}

// A file can be made, written and removed in the folder.
bool CanWriteIn(const std::string& folder) {
  const std::wstring probe = Wide(folder + "vdx-probe.tmp");
  HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, "x", 1, &written, nullptr) && written == 1;
  CloseHandle(file);
  return DeleteFileW(probe.c_str()) && ok;
}

}  // namespace

std::vector<int64_t> ReadEntrySizes(const std::string& packageFile) {
  std::vector<int64_t> sizes(static_cast<size_t>(kPlayerFileCount), -1);
  try {
    TXPFileDB db;
    db.SetDBMark("m_install");
    db.SetReadOnly(true);
    db.SetDBFile(packageFile);
    for (size_t i = 0; i < sizes.size(); ++i) sizes[i] = db.DataSize(kPlayerFiles[i].name);
  } catch (...) {
    sizes.assign(sizes.size(), -1);
  }
  return sizes;
}

TFolderCheck CheckInstallFolder(const TPlayerFolders& folders, const std::vector<int64_t>& entrySizes) {
  TFolderCheck check;
  const std::string& dir = folders.installDir;
  check.fault = CheckFolderText(dir);
  if (check.fault != ffNone) return check;
  if (!EntryPathsFit(folders)) return {ffTooLong, {}, {}};
  const std::vector<TDriveNeed> needs = SpaceNeededPerDrive(folders, entrySizes);
  for (const TDriveNeed& need : needs)
    if (!DriveExists(need.drive)) return {ffNoDrive, {need.drive, 0, 0}, {}};
  const auto freeOf = [](const std::string& drive) { return GetDiskSpace(drive + "\\").free; };
  const int short_ = FirstDriveShortOfSpace(needs, freeOf);
  if (short_ >= 0) {
    const TDriveNeed& need = needs[static_cast<size_t>(short_)];
    return {ffNoSpace, {need.drive, need.bytes, freeOf(need.drive)}, {}};
  }
  ForceFolder(dir, &check.madeFolders);
  if (!FolderExists(dir)) check.fault = ffCannotCreate;
  else if (!CanWriteIn(dir)) check.fault = ffNotWritable;
  if (check.fault != ffNone) {
    for (auto f = check.madeFolders.rbegin(); f != check.madeFolders.rend(); ++f) RemoveDirectoryW(Wide(*f).c_str());
    check.madeFolders.clear();
  }
  return check;
}

}  // namespace vd
