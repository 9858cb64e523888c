#include "installer/app_paths.h"

#include "core/text.h"
#include "installer/rules/registry_layout.h"
#include "system/registry.h"

namespace vd {

std::string ReadInstalledDir() {
  TRegistry reg(HKEY_LOCAL_MACHINE);
  if (!reg.OpenKey(kPlayerAppPathKey, false)) return std::string();
  return ExtractFilePath(reg.ReadString(""));
}

void DeleteAppPath() {
  TRegistry reg(HKEY_LOCAL_MACHINE);
  if (reg.OpenKey(kAppPathsKey, false) && reg.KeyExists(kPlayerAppPathSubKey)) reg.DeleteKey(kPlayerAppPathSubKey);
}

void WriteAppPath(std::string_view playerPath) {
  TRegistry reg(HKEY_LOCAL_MACHINE);
  if (!reg.OpenKey(kAppPathsKey, false)) return;
  if (reg.KeyExists(kPlayerAppPathSubKey)) {
    if (reg.OpenKey(kPlayerAppPathKey, false)) reg.DeleteValue("");
    if (reg.OpenKey(kAppPathsKey, false)) reg.DeleteKey(kPlayerAppPathSubKey);
  }
  if (reg.OpenKey(kPlayerAppPathKey, true)) reg.WriteString("", playerPath);
  reg.CloseKey();
}

}  // namespace vd
