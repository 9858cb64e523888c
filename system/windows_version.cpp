#include "system/windows_version.h"

#include <windows.h>

namespace vd {

int GetWindowsMajorVersion() {
    // RtlGetVersion reports the true version whatever the manifest says.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto fn = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                          reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                    : nullptr;
    OSVERSIONINFOW vi = {};
    vi.dwOSVersionInfoSize = sizeof(vi);
    if (fn && fn(&vi) == 0) return static_cast<int>(vi.dwMajorVersion);
    vi.dwOSVersionInfoSize = sizeof(vi);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExW(&vi)) return static_cast<int>(vi.dwMajorVersion);
#pragma GCC diagnostic pop
    return 0;
}

}  // namespace vd
