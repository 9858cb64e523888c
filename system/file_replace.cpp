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

// The path in the extended-length form (\\?\C:\..., \\?\UNC\server\share\...),
// which no MAX_PATH limit applies to: the temporary name beside a target that
// just fits may itself be longer. The form takes no "." or ".." nor forward
// slashes, so the path is made full first. A path that is not absolute stays
// as it is.
std::wstring ExtendedLength(std::string_view path) {
    std::wstring wide = Wide(path);
    if (wide.rfind(L"\\\\?\\", 0) == 0) return wide;
    const DWORD need = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (need == 0) return wide;
    std::wstring full(need, L'\0');
    const DWORD got = GetFullPathNameW(wide.c_str(), need, &full[0], nullptr);
    if (got == 0 || got >= need) return wide;
    full.resize(got);
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
    return wide;
}

// Creates a new, empty file of a unique name "vdxNNNNNNNN.tmp" in the folder
// (extended-length form, trailing backslash) and returns its handle, or
// INVALID_HANDLE_VALUE.
HANDLE CreateTemporaryIn(const std::wstring& folder, std::wstring* name) {
    static LONG counter = 0;
    const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const DWORD n = seed + static_cast<DWORD>(InterlockedIncrement(&counter));
        std::wstring unique = L"vdx";
        for (int shift = 28; shift >= 0; shift -= 4) unique.push_back(L"0123456789abcdef"[(n >> shift) & 15]);
        *name = folder + unique + L".tmp";
        HANDLE file = CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

std::wstring FolderOf(const std::wstring& path) {
    std::wstring folder = path.substr(0, path.find_last_of(L"\\:") + 1);
    return folder.empty() ? L".\\" : folder;
}

// The bytes in a new temporary file beside the target; its name, or empty.
std::wstring WriteTemporaryBeside(const std::wstring& target, const void* data, int64_t size) {
    std::wstring temp;
    HANDLE file = CreateTemporaryIn(FolderOf(target), &temp);
    if (file == INVALID_HANDLE_VALUE) return {};
    bool ok = WriteAll(file, data, size);
    ok = CloseHandle(file) && ok;
    if (!ok) DeleteFileW(temp.c_str());
    return ok ? temp : std::wstring();
}

}  // namespace

bool WriteFileReplacing(std::string_view path, const void* data, int64_t size) {
    if (size < 0 || (size > 0 && !data)) return false;
    const std::wstring target = ExtendedLength(path);
    const std::wstring temp = WriteTemporaryBeside(target, data, size);
    if (temp.empty()) return false;
    const bool ok = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    if (!ok) DeleteFileW(temp.c_str());
    return ok;
}

bool WriteFileKeepingOld(std::string_view path, const void* data, int64_t size, std::string* kept) {
    kept->clear();
    if (size < 0 || (size > 0 && !data)) return false;
    const std::wstring target = ExtendedLength(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    const std::wstring temp = WriteTemporaryBeside(target, data, size);
    if (temp.empty()) return false;
    std::wstring old;
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // The old file moves onto a fresh name of its own, made empty first
        // so that no other file can take it meanwhile.
        HANDLE placeholder = CreateTemporaryIn(FolderOf(target), &old);
        if (placeholder != INVALID_HANDLE_VALUE) CloseHandle(placeholder);
        if (placeholder == INVALID_HANDLE_VALUE ||
            !MoveFileExW(target.c_str(), old.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            if (placeholder != INVALID_HANDLE_VALUE) DeleteFileW(old.c_str());
            DeleteFileW(temp.c_str());
            return false;
        }
    }
    if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        if (!old.empty()) MoveFileExW(old.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
        DeleteFileW(temp.c_str());
        return false;
    }
    if (!old.empty()) *kept = ExtractFilePath(path) + Narrow(old.substr(old.find_last_of(L'\\') + 1));
    return true;
}

bool RestoreKeptFile(std::string_view kept, std::string_view path) {
    return MoveFileExW(ExtendedLength(kept).c_str(), ExtendedLength(path).c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

bool RemoveFile(std::string_view path) {
    const std::wstring file = ExtendedLength(path);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(file.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return DeleteFileW(file.c_str()) != FALSE;
}

bool RemoveEmptyFolder(std::string_view path) {
    return RemoveDirectoryW(ExtendedLength(ExcludeTrailingBackslash(path)).c_str()) != FALSE;
}

}  // namespace vd
