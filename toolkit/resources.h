// The module's resources: raw bytes by type and id or name, and strings of
// the string table.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vd {

// The program's own module.
HINSTANCE MainInstance();

// Copies a resource's bytes; false when the module has no such resource.
bool FindResourceBytes(HINSTANCE instance, const wchar_t* type, const wchar_t* name,
                       std::vector<uint8_t>& out);
// As above but throws EResNotFound.
std::vector<uint8_t> LoadResourceBytes(HINSTANCE instance, const wchar_t* type,
                                       const wchar_t* name);
// String table entry as UTF-8; empty when missing.
std::string LoadResString(int id, HINSTANCE instance = nullptr);

// A resource name or type given as UTF-8 text or an integer id.
class TResName {
public:
    explicit TResName(const std::string& s);
    explicit TResName(int id) : id_(id) {}
    const wchar_t* Get() const;

private:
    std::wstring text_;
    int id_ = -1;
};

}  // namespace vd
