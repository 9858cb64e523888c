#include "system/registry.h"

#include <vector>

#include "core/wide.h"

namespace vd {
namespace {

std::wstring KeyPath(std::string_view path) {
    if (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    return Wide(path);
}

// Reads a REG_SZ or REG_EXPAND_SZ value; false for any other type or failure.
bool QueryString(HKEY key, std::string_view name, std::string* out) {
    std::wstring wname = Wide(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    // One spare character so that a value stored without its NUL still ends.
    std::vector<wchar_t> buf(size / sizeof(wchar_t) + 2, L'\0');
    DWORD got = static_cast<DWORD>((buf.size() - 1) * sizeof(wchar_t));
    LONG rc = RegQueryValueExW(key, wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &got);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    *out = NarrowZ(buf.data(), got / sizeof(wchar_t));
    return true;
}

// Deletes parent\name and everything below it.
bool DeleteTree(HKEY parent, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return false;
    std::vector<std::wstring> children;
    for (DWORD i = 0;; ++i) {
        wchar_t child[256];  // key names are at most 255 characters
        DWORD len = 256;
        LONG rc = RegEnumKeyExW(key, i, child, &len, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS) break;
        children.emplace_back(child, len);
    }
    for (const std::wstring& c : children) DeleteTree(key, c);
    RegCloseKey(key);
    return RegDeleteKeyW(parent, name.c_str()) == ERROR_SUCCESS;
}

}  // namespace

std::string ReadRegString(HKEY root, std::string_view keyPath, std::string_view valueName,
                          std::string_view defaultValue) {
    std::string result(defaultValue);
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, KeyPath(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return result;
    std::string value;
    if (QueryString(key, valueName, &value)) result = value;
    RegCloseKey(key);
    return result;
}

TRegistry::TRegistry(HKEY root) : root_(root) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
}

bool TRegistry::OpenKey(std::string_view path, bool canCreate) {
    CloseKey();
    std::wstring wpath = KeyPath(path);
    HKEY key = nullptr;
    LONG rc;
    if (canCreate)
        rc = RegCreateKeyExW(root_, wpath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                             &key, nullptr);
    else
        rc = RegOpenKeyExW(root_, wpath.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (rc != ERROR_SUCCESS) return false;
    key_ = key;
    return true;
}

void TRegistry::CloseKey() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

std::string TRegistry::ReadString(std::string_view name, bool* ok) const {
    std::string value;
    bool good = key_ && QueryString(key_, name, &value);
    if (ok) *ok = good;
    return good ? value : std::string();
}

bool TRegistry::WriteString(std::string_view name, std::string_view value) {
    if (!key_) return false;
    std::wstring wname = Wide(name), wvalue = Wide(value);
    DWORD bytes = static_cast<DWORD>((wvalue.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_, wname.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wvalue.c_str()), bytes) ==
           ERROR_SUCCESS;
}

bool TRegistry::WriteInteger(std::string_view name, uint32_t value) {
    if (!key_) return false;
    const DWORD data = value;
    return RegSetValueExW(key_, Wide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof(data)) == ERROR_SUCCESS;
}

bool TRegistry::ValueExists(std::string_view name) const {
    if (!key_) return false;
    return RegQueryValueExW(key_, Wide(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(std::string_view name) {
    if (!key_) return false;
    return RegDeleteValueW(key_, Wide(name).c_str()) == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(std::string_view subKey) const {
    HKEY key = nullptr;
    if (RegOpenKeyExW(Base(), KeyPath(subKey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool TRegistry::DeleteKey(std::string_view subKey) {
    std::wstring wsub = KeyPath(subKey);
    if (wsub.empty()) return false;  // never the open key or the root itself
    return DeleteTree(Base(), wsub);
}

}  // namespace vd
