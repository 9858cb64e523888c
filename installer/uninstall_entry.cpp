#include "installer/uninstall_entry.h"

#include "installer/rules/registry_layout.h"
#include "system/registry.h"

namespace vd {

void WriteUninstallEntry(std::string_view installDir, uint32_t estimatedSizeKiB) {
  DeleteUninstallEntry();
  TRegistry reg(HKEY_LOCAL_MACHINE);
  for (const TRegRow& row : UninstallEntryRows(installDir, estimatedSizeKiB)) {
    if (!reg.IsOpen() && !reg.OpenKey(row.key, true)) return;
    if (row.isNumber)
      reg.WriteInteger(row.valueName, row.number);
    else
      reg.WriteString(row.valueName, row.data);
  }
}

void DeleteUninstallEntry() {
  TRegistry reg(HKEY_LOCAL_MACHINE);
  if (reg.OpenKey(kUninstallKey, false) && reg.KeyExists(kPlayerUninstallSubKey)) reg.DeleteKey(kPlayerUninstallSubKey);
}

}  // namespace vd
