#include "system/dialogs.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "core/text.h"
#include "system/folders.h"
#include "core/wide.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

std::string WindowText(HWND wnd) {
    wchar_t buf[512] = {};
    int n = GetWindowTextW(wnd, buf, 512);
    return Narrow(std::wstring_view(buf, static_cast<size_t>(n > 0 ? n : 0)));
}

BOOL CALLBACK FindDialogProc(HWND wnd, LPARAM lp) {
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    wchar_t cls[64] = {};
    GetClassNameW(wnd, cls, 64);
    if (pid == GetCurrentProcessId() && IsWindowVisible(wnd) && std::wstring(cls) == L"#32770") {
        *reinterpret_cast<HWND*>(lp) = wnd;
        return FALSE;
    }
    return TRUE;
}

// Finds the first visible dialog window of this process.
HWND FindOwnDialog() {
    HWND found = nullptr;
    EnumWindows(FindDialogProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

BOOL CALLBACK CollectTextProc(HWND child, LPARAM lp) {
    reinterpret_cast<std::vector<std::string>*>(lp)->push_back(WindowText(child));
    return TRUE;
}

// Texts of all child windows of a dialog.
std::vector<std::string> ChildTexts(HWND dialog) {
    std::vector<std::string> texts;
    EnumChildWindows(dialog, CollectTextProc, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// The text of the selected item of a dialog's folder tree, if any.
std::string SelectedTreeText(HWND dialog) {
    HWND tree = FindWindowExW(dialog, nullptr, L"SysTreeView32", nullptr);
    for (HWND child = FindWindowExW(dialog, nullptr, nullptr, nullptr); !tree && child;
         child = FindWindowExW(dialog, child, nullptr, nullptr))
        tree = FindWindowExW(child, nullptr, L"SysTreeView32", nullptr);
    if (!tree) return {};
    HTREEITEM item = TreeView_GetSelection(tree);
    if (!item) return {};
    wchar_t buf[MAX_PATH] = {};
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = buf;
    tv.cchTextMax = MAX_PATH;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return {};
    return Narrow(std::wstring_view(buf));
}

// From a second thread: waits for the dialog (and, when given, for its tree
// to select the item named `settled`, since a loaded machine may be slow to
// apply the initial selection), notes its caption and child texts, then
// presses the given button.
class TDialogRobot {
public:
    explicit TDialogRobot(int button, std::string settled = {}) {
        thread_ = std::thread([this, button, settled] {
            for (int i = 0; i < 400; ++i) {
                HWND dlg = FindOwnDialog();
                if (dlg) {
                    Sleep(300);  // let it finish initialising
                    for (int k = 0; !settled.empty() && k < 400 && SelectedTreeText(dlg) != settled; ++k)
                        Sleep(25);
                    caption_ = WindowText(dlg);
                    owner_ = GetWindow(dlg, GW_OWNER);
                    ownerEnabled_ = owner_ && IsWindowEnabled(owner_);
                    texts_ = ChildTexts(dlg);
                    found_ = true;
                    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                    return;
                }
                Sleep(25);
            }
        });
    }
    ~TDialogRobot() {
        if (thread_.joinable()) thread_.join();
    }
    void Join() { thread_.join(); }
    // The dialog's owner and whether that owner took input while it was up.
    HWND Owner() const { return owner_; }
    bool OwnerEnabled() const { return ownerEnabled_; }
    bool Found() const { return found_; }
    const std::string& Caption() const { return caption_; }
    bool HasText(const std::string& text) const {
        for (const std::string& t : texts_)
            if (t == text) return true;
        return false;
    }

private:
    std::thread thread_;
    std::atomic<bool> found_{false};
    std::string caption_;
    HWND owner_ = nullptr;
    bool ownerEnabled_ = true;
    std::vector<std::string> texts_;
};

TEST(ShowWarning, EmptyCaptionBecomesTheWarningCaption) {
    TDialogRobot robot(IDOK);
    ShowWarning("安装程序检测到Vadode播放器正在运行，请关闭后再重新进行安装。", "");
    robot.Join();
    ASSERT_TRUE(robot.Found());
    EXPECT_EQ(robot.Caption(), "警告");
    EXPECT_TRUE(robot.HasText("安装程序检测到Vadode播放器正在运行，请关闭后再重新进行安装。"));
}

TEST(ShowWarning, GivenCaptionIsKept) {
    TDialogRobot robot(IDOK);
    ShowWarning("text", "Vadode播放器安装");
    robot.Join();
    ASSERT_TRUE(robot.Found());
    EXPECT_EQ(robot.Caption(), "Vadode播放器安装");
}

TEST(BrowseForFolder, CancelGivesEmptyText) {
    TDialogRobot robot(IDCANCEL);
    std::string chosen = BrowseForFolder("选择要安装 “Vadode播放器” 的文件夹位置", "");
    robot.Join();
    ASSERT_TRUE(robot.Found());
    EXPECT_EQ(chosen, "");
    EXPECT_TRUE(robot.HasText("选择要安装 “Vadode播放器” 的文件夹位置"));
}

TEST(BrowseForFolder, InitialFolderIsPreselected) {
    // A visible folder outside the (hidden) profile data folders, so that
    // the dialog's tree can show it.
    std::string root = GetWindowsDrive() + "vd_browse_" + std::to_string(GetCurrentProcessId());
    std::string folder = root + "\\播放器";
    ForceFolder(folder);
    TDialogRobot robot(IDOK, "播放器");
    std::string chosen = BrowseForFolder("title", folder);
    robot.Join();
    ASSERT_TRUE(robot.Found());
    EXPECT_TRUE(SameTextAscii(chosen, folder)) << chosen;  // no trailing backslash
    RemoveDirectoryW(Wide(folder).c_str());
    RemoveDirectoryW(Wide(root).c_str());
}

// A visible top-level window that stands for the wizard's form; while it
// lives it owns the dialogs. A WM_APP posted to it opens a folder browser
// from inside the modal loop of the one already open, as a second click on
// Browse would.
class TOwnerWindow {
public:
    TOwnerWindow() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VdDialogOwnerTest";
        RegisterClassW(&wc);
        wnd_ = CreateWindowExW(0, wc.lpszClassName, L"owner", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                               nullptr, wc.hInstance, nullptr);
        SetDialogOwner(wnd_);
    }
    ~TOwnerWindow() {
        SetDialogOwner(nullptr);
        DestroyWindow(wnd_);
    }
    HWND Handle() const { return wnd_; }
    static inline int nestedCalls = 0;
    static inline std::string nestedResult = "<not run>";

private:
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_APP) {
            ++nestedCalls;
            nestedResult = BrowseForFolder("second", "");
            return 0;
        }
        return DefWindowProcW(w, msg, wp, lp);
    }
    HWND wnd_ = nullptr;
};

TEST(DialogOwner, WarningIsModalToTheOwner) {
    TOwnerWindow owner;
    // Another window of the program is the active one: the warning still
    // belongs to the owner.
    HWND other = CreateWindowExW(0, L"VdDialogOwnerTest", L"other", WS_POPUP | WS_VISIBLE, 300, 10, 100, 100,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    TDialogRobot robot(IDOK);
    ShowWarning("text", "");
    robot.Join();
    DestroyWindow(other);
    ASSERT_TRUE(robot.Found());
    EXPECT_EQ(robot.Owner(), owner.Handle());
    EXPECT_FALSE(robot.OwnerEnabled());
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST(DialogOwner, BrowserIsModalAndOpensOnlyOnce) {
    TOwnerWindow owner;
    TOwnerWindow::nestedCalls = 0;
    PostMessageW(owner.Handle(), WM_APP, 0, 0);  // handled inside the first browser's loop
    TDialogRobot robot(IDCANCEL);
    std::string chosen = BrowseForFolder("first", "");
    robot.Join();
    ASSERT_TRUE(robot.Found());
    EXPECT_EQ(robot.Owner(), owner.Handle());
    EXPECT_FALSE(robot.OwnerEnabled());
    EXPECT_EQ(TOwnerWindow::nestedCalls, 1);
    EXPECT_EQ(TOwnerWindow::nestedResult, "");  // returned at once: the robot pressed Cancel on the first
    EXPECT_TRUE(robot.HasText("first"));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

}  // namespace
}  // namespace vd
