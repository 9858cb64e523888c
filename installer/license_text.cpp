#include "installer/license_text.h"

#include <vector>

#include "res/resource_ids.h"
#include "toolkit/resources.h"

namespace vd {

std::string LoadLicenseText() {
  std::vector<uint8_t> bytes;
  if (!FindResourceBytes(MainInstance(), RT_RCDATA, MAKEINTRESOURCEW(VD_TXT_LICENSE), bytes)) return std::string();
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 16);
  for (uint8_t b : bytes) {
    if (b == '\r') continue;  // whatever the file's line ends, CR LF here
    if (b == '\n') text.push_back('\r');
    text.push_back(static_cast<char>(b));
  }
  return text;
}

}  // namespace vd
