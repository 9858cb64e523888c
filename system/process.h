// Whether a program is running, judged by its executable's file name.
#pragma once
#include <string_view>

namespace vd {

// True when a running process's executable file name equals exeName (a bare
// file name such as "ZarIrovid.exe") after upper-casing ASCII letters only;
// every other byte is compared exactly. False when the process list cannot be
// read.
bool IsProcessRunning(std::string_view exeName);

}  // namespace vd
