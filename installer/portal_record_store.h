// Portal mode's special-value record in the player's settings database.
#pragma once
#include <string>
#include <string_view>

namespace vd {

// The host's bytes in the system code page, cut at a character boundary to
// fit the record (at most 262 bytes, so the record stays zero-terminated).
std::string PortalHostBytes(std::string_view hostUtf8);

// Opens (or creates) profilesDir + "RirAdaDE.dll" as a database with the mark
// "b_special" and stores the 272-byte record under "boxspvalue", replacing
// the data of an earlier record. Raises TXPException when the file exists
// but is not such a database, and the file layer's errors when it cannot be
// opened or created.
void WriteSpecialValue(std::string_view profilesDir, std::string_view portalHost);

}  // namespace vd
