#include "system/process.h"

#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "core/text.h"
#include "core/wide.h"

namespace vd {
namespace {

// The ToolHelp entry points, looked up by name in the kernel library once.
struct TToolHelp {
    using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
    using WalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32W*);
    SnapshotFn snapshot = nullptr;
    WalkFn first = nullptr;
    WalkFn next = nullptr;

    TToolHelp() {
        HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        if (!kernel) return;
        snapshot = reinterpret_cast<SnapshotFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "CreateToolhelp32Snapshot")));
        first = reinterpret_cast<WalkFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32FirstW")));
        next = reinterpret_cast<WalkFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32NextW")));
    }
    bool Ready() const { return snapshot && first && next; }
};

const TToolHelp& ToolHelp() {
    static const TToolHelp th;
    return th;
}

}  // namespace

bool IsProcessRunning(std::string_view exeName) {
    const TToolHelp& th = ToolHelp();
    if (!th.Ready()) return false;
    HANDLE snap = th.snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE || !snap) return false;
    const std::string wanted = AsciiUpper(exeName);
    bool found = false;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL ok = th.first(snap, &entry); ok; ok = th.next(snap, &entry)) {
        std::string name = NarrowZ(entry.szExeFile, MAX_PATH);
        if (AsciiUpper(name) == wanted) found = true;
        entry.dwSize = sizeof(entry);
    }
    CloseHandle(snap);
    return found;
}

}  // namespace vd
