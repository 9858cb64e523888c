// The version of the running Windows.
#pragma once

namespace vd {

// Major version of the running Windows (5 = XP, 6 = Vista/7, 10 = 10/11);
// 0 when the system does not tell.
int GetWindowsMajorVersion();

}  // namespace vd
