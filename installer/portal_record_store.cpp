#include "installer/portal_record_store.h"

#include <windows.h>

#include "core/wide.h"
#include "installer/rules/portal_record.h"
#include "package/xp_file_db.h"

namespace vd {
namespace {

// One character in the system code page; "?" stands for what it lacks.
std::string ToSystemCodePage(std::string_view utf8Char) {
  const std::wstring w = Wide(utf8Char);
  const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), &out[0], n, nullptr, nullptr);
  return out;
}

}  // namespace

std::string PortalHostBytes(std::string_view hostUtf8) { return FitHostBytes(hostUtf8, ToSystemCodePage); }

void WriteSpecialValue(std::string_view profilesDir, std::string_view portalHost) {
  TXPFileDB db;
  db.SetDBMark(kSettingsDatabaseMark);
  db.SetDBFile(std::string(profilesDir) + kSettingsDatabaseName);
  const TSpecialValue record = BuildSpecialValue(PortalHostBytes(portalHost));
  db.WriteData(kSpecialValueKey, record.data(), static_cast<int32_t>(record.size()), 1, 0, "");
}

}  // namespace vd
