#include "system/file_replace.h"

#include <windows.h>

#include <string>

#include "core/text.h"
#include "core/wide.h"

namespace vd {
namespace {

bool WriteAll(HANDLE file, const void* data, int64_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    while (size > 0) {
        const DWORD chunk = size > (1 << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, p, chunk, &written, nullptr) || written != chunk) return false;
        p += chunk;
        size -= chunk;
    }
    return true;
}

}  // namespace

bool WriteFileReplacing(std::string_view path, const void* data, int64_t size) {
    if (size < 0 || (size > 0 && !data)) return false;
    std::string folder = ExtractFilePath(path);
    if (folder.empty()) folder = ".\\";
    wchar_t temp[MAX_PATH + 1];
    // Creates an empty file of a unique name in the target's folder.
    if (!GetTempFileNameW(Wide(folder).c_str(), L"vdx", 0, temp)) return false;
    HANDLE file = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    if (ok) {
        ok = WriteAll(file, data, size);
        ok = CloseHandle(file) && ok;
    }
    if (ok) ok = MoveFileExW(temp, Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    if (!ok) DeleteFileW(temp);
    return ok;
}

}  // namespace vd
