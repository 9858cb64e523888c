#include "core/wide.h"

#include "core/text.h"

namespace vd {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wchar_t is UTF-16");

std::wstring Wide(std::string_view utf8) {
    std::u16string u = Utf8ToUtf16(utf8);
    return std::wstring(u.begin(), u.end());
}

std::string Narrow(std::wstring_view utf16) {
    std::u16string u(utf16.begin(), utf16.end());
    return Utf16ToUtf8(u);
}

std::string NarrowZ(const wchar_t* buffer, size_t capacity) {
    size_t n = 0;
    while (n < capacity && buffer[n] != 0) ++n;
    return Narrow(std::wstring_view(buffer, n));
}

}  // namespace vd
