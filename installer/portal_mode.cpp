#include "installer/portal_mode.h"

namespace vd {

TPortalMode DecidePortalMode(std::string_view entry1, std::string_view entry2) {
  TPortalMode mode;
  if (entry1 == kDefaultPortalMode && entry2 == kBuiltInPortalHost) return mode;
  mode.customPortal = true;
  mode.portalHost = std::string(entry2);
  return mode;
}

}  // namespace vd
