#include "installer/url_protocol.h"

#include <string>

#include "installer/rules/registry_layout.h"
#include "system/registry.h"

namespace vd {

void RegisterUrlProtocol(std::string_view player) {
  const std::string key = kUrlProtocolKey;
  TRegistry reg(HKEY_CLASSES_ROOT);
  // An earlier registration goes first, from the command up.
  if (reg.KeyExists(key)) {
    if (reg.OpenKey(key + "\\shell\\open\\command", false)) reg.DeleteValue("");
    if (reg.OpenKey(key + "\\shell\\open", false)) {
      reg.DeleteValue("");
      reg.DeleteKey("command");
    }
    if (reg.OpenKey(key + "\\shell", false)) reg.DeleteKey("open");
    if (reg.OpenKey(key, false)) {
      reg.DeleteValue("");
      reg.DeleteValue(kUrlProtocolValue);
      reg.DeleteKey("shell");
    }
    reg.CloseKey();
  }
  for (const TRegRow& row : UrlProtocolRows(player)) {
    if (!reg.OpenKey(row.key, true)) continue;
    if (row.writeValue) reg.WriteString(row.valueName, row.data);
    reg.CloseKey();
  }
}

}  // namespace vd
