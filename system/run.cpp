#include "system/run.h"

#include <windows.h>

#include <vector>

#include "core/wide.h"

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
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    int32_t result = GetExitCodeProcess(pi.hProcess, &code) ? static_cast<int32_t>(code) : -1;
    CloseHandle(pi.hProcess);
    return result;
}

}  // namespace vd
