// Helpers shared by the stand-ins for the player and its uninstaller: small
// Windows programs without the C++ library (they must stay small enough to
// take the place of the real files in the package), working on fixed
// wide-character buffers.
#pragma once
#include <windows.h>

namespace vd::standin {

// Longest path the stand-ins handle.
constexpr int kPathChars = 1024;

// dst := src (UTF-8), cut to fit; false when it did not fit.
inline bool FromUtf8(const char* src, wchar_t* dst, int capacity) {
    int n = MultiByteToWideChar(CP_UTF8, 0, src, -1, dst, capacity);
    if (n == 0) dst[0] = L'\0';
    return n != 0;
}

// Appends src to dst (capacity in characters); false when it did not fit.
inline bool Append(wchar_t* dst, const wchar_t* src, int capacity) {
    int used = lstrlenW(dst), add = lstrlenW(src);
    if (used + add >= capacity) return false;
    lstrcpyW(dst + used, src);
    return true;
}

inline bool AppendUtf8(wchar_t* dst, const char* src, int capacity) {
    wchar_t part[kPathChars];
    return FromUtf8(src, part, kPathChars) && Append(dst, part, capacity);
}

// Adds a backslash to non-empty text that lacks one.
inline void WithBackslash(wchar_t* path, int capacity) {
    int n = lstrlenW(path);
    if (n > 0 && path[n - 1] != L'\\') Append(path, L"\\", capacity);
}

// The folder of the running program, with a trailing backslash.
inline void OwnFolder(wchar_t* out, int capacity) {
    DWORD n = GetModuleFileNameW(nullptr, out, static_cast<DWORD>(capacity));
    if (n == 0 || n >= static_cast<DWORD>(capacity)) n = 0;
    while (n > 0 && out[n - 1] != L'\\') --n;
    out[n] = L'\0';
}

// Appends "<text>\r\n" in UTF-8 to the file `name` in the program's folder.
inline void AppendLogLine(const wchar_t* name, const wchar_t* text) {
    wchar_t path[kPathChars];
    OwnFolder(path, kPathChars);
    if (!Append(path, name, kPathChars)) return;
    HANDLE f = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    HANDLE heap = GetProcessHeap();
    char* utf8 = bytes > 0 ? static_cast<char*>(HeapAlloc(heap, 0, static_cast<SIZE_T>(bytes) + 2)) : nullptr;
    if (utf8) {
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, bytes, nullptr, nullptr);
        utf8[bytes - 1] = '\r';  // in place of the terminating NUL
        utf8[bytes] = '\n';
        DWORD written = 0;
        WriteFile(f, utf8, static_cast<DWORD>(bytes + 1), &written, nullptr);
        HeapFree(heap, 0, utf8);
    }
    CloseHandle(f);
}

}  // namespace vd::standin
