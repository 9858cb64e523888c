// String and path rules shared across the installer. Strings are UTF-8
// inside the program; UTF-16 appears only at the Win32 boundary.
#pragma once
#include <string>
#include <string_view>

namespace vd {

// Removes leading and trailing blanks and control characters (bytes <= 0x20).
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Appends a backslash unless the text already ends with one.
std::string IncludeTrailingBackslash(std::string_view s);
// Removes one trailing backslash, if present.
std::string ExcludeTrailingBackslash(std::string_view s);

// The folder part of a path: everything up to and including the last
// backslash or colon; empty when there is neither.
std::string ExtractFilePath(std::string_view path);
// The name part: everything after the last backslash or colon.
std::string ExtractFileName(std::string_view path);
// "C:" for "C:\x\y", empty when the path has no drive letter.
std::string ExtractFileDrive(std::string_view path);

// ASCII-only case folding and comparison (Windows file names, resource names).
std::string AsciiUpper(std::string_view s);
std::string AsciiLower(std::string_view s);
bool SameTextAscii(std::string_view a, std::string_view b);

// UTF-8 <-> UTF-16. Invalid input sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);

}  // namespace vd
