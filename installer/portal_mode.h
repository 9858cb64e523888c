// The portal mode that string resources 1 and 2 of the setup program select.
#pragma once
#include <string>
#include <string_view>

namespace vd {

// The host name the shipped string table carries in entry 2.
inline constexpr const char* kBuiltInPortalHost = "www.vadode.com";
// The browser start page that the finish page offers ("把Zuvo网址导航设为主页"):
// the built-in portal's navigation page.
inline constexpr const char* kStartPageUrl = "http://www.vadode.com/";
// The text of entry 1 that keeps the built-in portal.
inline constexpr const char* kDefaultPortalMode = "default";

struct TPortalMode {
  bool customPortal = false;  // FCustomPortal
  std::string portalHost;     // FPortalHost: entry 2 in portal mode, else empty
};

// Entry 1 equal to "default" and entry 2 equal to the built-in host (exact
// byte comparisons) keep the built-in portal; anything else switches the
// portal mode on with entry 2 as the host.
TPortalMode DecidePortalMode(std::string_view entry1, std::string_view entry2);

}  // namespace vd
