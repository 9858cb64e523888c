// Helpers of the installer's Wine tests: files, waits for other programs,
// and the stand-in programs copied beside the tests (ReadFileText and the
// scratch folders are the system tests' helpers).
#pragma once
#include <windows.h>

#include <string>

namespace vd::test {

void WriteFileText(const std::string& path, const std::string& text);
bool PathExists(const std::string& path);
// Copies the stand-in `exeName` ("ZarIrovid.exe", "UnInstall.exe") from
// beside the test program into folder.
bool CopyStandIn(const std::string& exeName, const std::string& folder);
// Waits up to timeoutMs for pred to hold, polling every 50 ms.
template <class Pred>
bool WaitUntil(Pred pred, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!pred()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

}  // namespace vd::test
