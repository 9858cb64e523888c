#include "installer/portal_resources.h"

#include <windows.h>

#include "core/text.h"
#include "res/resource_ids.h"

namespace vd {

std::string ReadStringResource(unsigned id) {
  // With a zero buffer length the call hands out a pointer to the string in
  // the module image; the string is not terminated there.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return std::string();
  return Utf16ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length)));
}

TPortalMode ReadPortalMode() {
  return DecidePortalMode(ReadStringResource(VD_STR_PORTAL_MODE), ReadStringResource(VD_STR_PORTAL_HOST));
}

}  // namespace vd
