#include "installer/start_page.h"

#include "installer/rules/registry_layout.h"
#include "system/registry.h"

namespace vd {

void SetStartPage(std::string_view url) {
  TRegistry reg(HKEY_CURRENT_USER);
  if (reg.OpenKey(kStartPageKey, true)) reg.WriteString(kStartPageValue, url);
}

}  // namespace vd
