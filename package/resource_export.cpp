#include "package/resource_export.h"

#include <windows.h>

#include "core/wide.h"

namespace vd {

bool ExportResource(const std::string& type, const std::string& name, const std::string& target) {
  if (type.empty() || name.empty() || target.empty()) return false;
  // The module's resource directory stores string names in upper case and
  // the lookup folds case, so lower-case names find them.
  const std::wstring wtype = Wide(type), wname = Wide(name);
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, wname.c_str(), wtype.c_str());
  if (!info) return false;
  HGLOBAL handle = LoadResource(module, info);
  if (!handle) return false;
  const void* bytes = LockResource(handle);
  const DWORD size = SizeofResource(module, info);
  if (!bytes && size != 0) return false;

  HANDLE file = CreateFileW(Wide(target).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // Straight from the mapped image, no copy in memory.
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes, size, &written, nullptr);
  const BOOL closed = CloseHandle(file);
  return ok && closed && written == size;
}

}  // namespace vd
