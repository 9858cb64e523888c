#include "installer/file_associations.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "installer/rules/registry_layout.h"
#include "system/registry.h"

namespace vd {

void RegisterFileType(std::string_view extension, std::string_view player, std::string_view progId,
                      std::string_view iconPath, std::string_view description) {
  TRegistry reg(HKEY_CLASSES_ROOT);
  for (const TRegRow& row : FileTypeRows(extension, player, progId, iconPath, description)) {
    if (!reg.OpenKey(row.key, true)) continue;
    if (row.writeValue) reg.WriteString(row.valueName, row.data);
    reg.CloseKey();
  }
}

void UnregisterFileType(std::string_view extension, std::string_view progId) {
  TRegistry reg(HKEY_CLASSES_ROOT);
  if (reg.KeyExists(extension) && reg.OpenKey(extension, false)) {
    bool ok = false;
    if (reg.ReadString("", &ok) == progId && ok) reg.DeleteValue("");
    reg.CloseKey();
  }
  reg.DeleteKey(progId);
}

void ApplyFileAssociations(const std::vector<TTypeChoice>& nodes, std::string_view player,
                           std::string_view userDataDir) {
  for (const TAssociationStep& step : PlanAssociations(nodes)) {
    if (step.op == TAssociationOp::aoRegister) {
      const std::string icon = step.iconValue.empty() ? std::string() : std::string(userDataDir) + step.iconValue;
      RegisterFileType(step.extension, player, step.progId, icon, step.description);
    } else {
      UnregisterFileType(step.extension, step.progId);
    }
  }
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace vd
