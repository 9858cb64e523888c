#include "tests/win32/system/test_support.h"

#include <shellapi.h>

#include "core/text.h"
#include "core/wide.h"

namespace vd::test {

std::string ProgramFolder() {
    wchar_t buf[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
    return ExtractFilePath(Narrow(std::wstring_view(buf, n)));
}

std::string ProbeChildPath() { return ProgramFolder() + "vd_probe_child.exe"; }

std::string ReadFileText(const std::string& path) {
    HANDLE f = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return "<missing>";
    std::string out(GetFileSize(f, nullptr), '\0');
    DWORD got = 0;
    if (!out.empty()) ReadFile(f, &out[0], static_cast<DWORD>(out.size()), &got, nullptr);
    CloseHandle(f);
    return out;
}

TScratchFolder::TScratchFolder(const std::string& tag) {
    wchar_t tmp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tmp);
    path_ = IncludeTrailingBackslash(Narrow(tmp)) + "vd_sys_" + tag + "_" + std::to_string(GetCurrentProcessId()) +
            "_" + std::to_string(GetTickCount()) + "\\";
    CreateDirectoryW(Wide(path_).c_str(), nullptr);
}

TScratchFolder::~TScratchFolder() {
    // Double-NUL-terminated list of one folder.
    std::wstring from = Wide(ExcludeTrailingBackslash(path_));
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&op);
}

TMessageCounter::TMessageCounter() {
    static const wchar_t* kClass = L"VdSysTestCounter";
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);  // fails harmlessly when already registered
    wnd_ = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TMessageCounter::~TMessageCounter() {
    if (wnd_) DestroyWindow(wnd_);
}

LRESULT CALLBACK TMessageCounter::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_APP) {
        auto* self = reinterpret_cast<TMessageCounter*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
        if (self) ++self->count_;
        return 0;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

bool CopyTo(const std::string& from, const std::string& to) {
    return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != FALSE;
}

}  // namespace vd::test
