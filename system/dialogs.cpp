#include "system/dialogs.h"

#include <windows.h>
#include <shlobj.h>

#include "core/wide.h"

namespace vd {
namespace {

// The folder the browse callback preselects; one value for the process.
std::wstring g_browseInitialFolder;
HWND g_dialogOwner = nullptr;
bool g_browsing = false;

// The owner when it is a live window; a window that is gone owns nothing.
HWND LiveOwner() { return g_dialogOwner && IsWindow(g_dialogOwner) ? g_dialogOwner : nullptr; }

int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM, LPARAM) {
    if (msg == BFFM_INITIALIZED)
        SendMessageW(wnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(g_browseInitialFolder.c_str()));
    return 0;
}

// A message box with the exclamation icon, modal to the owner.
int Warn(std::string_view text, std::string_view caption, UINT buttons) {
    std::wstring wtext = Wide(text);
    std::wstring wcaption = Wide(caption.empty() ? std::string_view(kWarningCaption) : caption);
    return MessageBoxW(LiveOwner(), wtext.c_str(), wcaption.c_str(), MB_ICONEXCLAMATION | buttons);
}

}  // namespace

void SetDialogOwner(HWND owner) { g_dialogOwner = owner; }

HWND DialogOwner() { return LiveOwner(); }

void ShowWarning(std::string_view text, std::string_view caption) { Warn(text, caption, MB_OK); }

bool AskRetry(std::string_view text, std::string_view caption) { return Warn(text, caption, MB_RETRYCANCEL) == IDRETRY; }

std::string BrowseForFolder(std::string_view title, std::string_view initialFolder) {
    if (g_browsing) return {};
    g_browsing = true;
    g_browseInitialFolder = Wide(initialFolder);
    std::wstring wtitle = Wide(title);
    wchar_t display[MAX_PATH] = {};
    BROWSEINFOW bi = {};
    bi.hwndOwner = LiveOwner();
    bi.pidlRoot = nullptr;  // the desktop
    bi.pszDisplayName = display;
    bi.lpszTitle = wtitle.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;  // 65
    if (!initialFolder.empty()) bi.lpfn = BrowseCallback;

    // The new dialog style needs COM on this thread.
    HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::string result;
    LPITEMIDLIST pidl = SHBrowseForFolderW(&bi);
    if (pidl) {
        wchar_t path[MAX_PATH + 1] = {};
        if (SHGetPathFromIDListW(pidl, path)) result = NarrowZ(path, MAX_PATH);
        CoTaskMemFree(pidl);
    }
    if (SUCCEEDED(init)) CoUninitialize();
    g_browsing = false;
    return result;
}

}  // namespace vd
