#include "system/run.h"

#include <windows.h>

#include <vector>

#include "core/wide.h"
#include "system/dialogs.h"

namespace vd {
namespace {

// Starts the command line; the caller closes the returned handles.
bool Start(std::string_view commandLine, WORD show, DWORD flags, PROCESS_INFORMATION* pi) {
    std::wstring wide = Wide(commandLine);
    // CreateProcessW may write into the command line: hand it a private copy.
    std::vector<wchar_t> writable(wide.begin(), wide.end());
    writable.push_back(L'\0');
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = show;
    *pi = PROCESS_INFORMATION{};
    return CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &si, pi) !=
           FALSE;
}

bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_NCMOUSEHOVER ||
           message == WM_NCMOUSELEAVE || message == WM_MOUSEHOVER || message == WM_MOUSELEAVE;
}

// Waits for the process while the thread's windows stay live: messages sent
// from other threads are answered, windows repaint and posted messages run;
// keyboard and mouse input is dropped, and the dialog owner is disabled
// meanwhile, so the wizard takes no input until the program ends. A quit
// message is kept for the message loop.
void WaitServingWindows(HANDLE process) {
    HWND owner = DialogOwner();
    const bool disable = owner && IsWindowEnabled(owner);
    if (disable) EnableWindow(owner, FALSE);
    bool quit = false;
    WPARAM quitCode = 0;
    for (;;) {
        const DWORD r = MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (r != WAIT_OBJECT_0 + 1) break;  // the program ended, or the wait failed
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = msg.wParam;
                continue;
            }
            if (IsInput(msg.message)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (disable) {
        EnableWindow(owner, TRUE);
        SetForegroundWindow(owner);
    }
    if (quit) PostQuitMessage(static_cast<int>(quitCode));
}

}  // namespace

std::string QuoteProgramPath(std::string_view programPath) {
    if (!programPath.empty() && programPath.front() == '"') return std::string(programPath);
    return "\"" + std::string(programPath) + "\"";
}

std::string ProgramCommandLine(std::string_view programPath, std::string_view arguments) {
    std::string line = QuoteProgramPath(programPath);
    if (!arguments.empty()) {
        line.push_back(' ');
        line.append(arguments);
    }
    return line;
}

bool RunProgram(std::string_view programPath, bool visible, std::string_view arguments) {
    PROCESS_INFORMATION pi;
    if (!Start(ProgramCommandLine(programPath, arguments), visible ? SW_SHOW : SW_HIDE, 0, &pi)) return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

int32_t RunAndWait(std::string_view programPath, uint16_t showCommand, std::string_view arguments) {
    PROCESS_INFORMATION pi;
    const DWORD flags = CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS;  // 48
    if (!Start(ProgramCommandLine(programPath, arguments), showCommand, flags, &pi)) return -1;
    CloseHandle(pi.hThread);
    WaitServingWindows(pi.hProcess);
    DWORD code = 0;
    int32_t result = GetExitCodeProcess(pi.hProcess, &code) ? static_cast<int32_t>(code) : -1;
    CloseHandle(pi.hProcess);
    return result;
}

}  // namespace vd
