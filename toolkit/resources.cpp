#include "toolkit/resources.h"

#include "core/text.h"
#include "toolkit/types.h"

namespace vd {

HINSTANCE MainInstance() { return GetModuleHandleW(nullptr); }

bool FindResourceBytes(HINSTANCE instance, const wchar_t* type, const wchar_t* name,
                       std::vector<uint8_t>& out) {
    if (!instance) instance = MainInstance();
    HRSRC res = FindResourceW(instance, name, type);
    if (!res) return false;
    HGLOBAL mem = LoadResource(instance, res);
    DWORD size = SizeofResource(instance, res);
    const void* p = mem ? LockResource(mem) : nullptr;
    if (!p) return false;
    const uint8_t* b = static_cast<const uint8_t*>(p);
    out.assign(b, b + size);
    return true;
}

std::vector<uint8_t> LoadResourceBytes(HINSTANCE instance, const wchar_t* type,
                                       const wchar_t* name) {
    std::vector<uint8_t> out;
    if (!FindResourceBytes(instance, type, name, out)) {
        std::string what = IS_INTRESOURCE(name)
                               ? std::to_string(reinterpret_cast<uintptr_t>(name))
                               : Utf16ToUtf8(reinterpret_cast<const char16_t*>(name));
        throw EResNotFound("Resource " + what + " not found");
    }
    return out;
}

std::string LoadResString(int id, HINSTANCE instance) {
    if (!instance) instance = MainInstance();
    const wchar_t* p = nullptr;
    // With a zero buffer size LoadStringW returns a pointer into the resource.
    int n = LoadStringW(instance, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&p), 0);
    if (n <= 0 || !p) return std::string();
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(p), n));
}

TResName::TResName(const std::string& s) {
    std::u16string u = Utf8ToUtf16(s);
    text_.assign(u.begin(), u.end());
}

const wchar_t* TResName::Get() const {
    if (id_ >= 0) return MAKEINTRESOURCEW(id_);
    return text_.c_str();
}

}  // namespace vd
