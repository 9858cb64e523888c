// The licence agreement that page 0 shows, carried as a UTF-8 text resource.
#pragma once
#include <string>

namespace vd {

// The agreement from the program's own resources, lines ended by CR LF as
// an edit control shows them; empty when the program does not carry it.
std::string LoadLicenseText();

}  // namespace vd
