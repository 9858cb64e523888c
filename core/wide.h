// UTF-8 <-> UTF-16 at the Win32 boundary (wchar_t is 16 bits on Windows).
// Windows build only.
#pragma once
#include <string>
#include <string_view>

namespace vd {

std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// Text up to the first NUL of a fixed buffer.
std::string NarrowZ(const wchar_t* buffer, size_t capacity);

}  // namespace vd
