#include "system/run.h"

#include <gtest/gtest.h>

#include <chrono>

#include "system/dialogs.h"
#include "system/folders.h"
#include "system/process.h"
#include "core/wide.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

TEST(QuoteProgramPath, QuotesUnlessQuotedAlready) {
    EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\ZarIrovid\\UnInstall.exe"),
              "\"C:\\Program Files\\ZarIrovid\\UnInstall.exe\"");
    EXPECT_EQ(QuoteProgramPath("\"C:\\Program Files\\a.exe\""), "\"C:\\Program Files\\a.exe\"");
    EXPECT_EQ(QuoteProgramPath("C:\\a.exe"), "\"C:\\a.exe\"");
    EXPECT_EQ(ProgramCommandLine("C:\\P Q\\a.exe", "/S 1"), "\"C:\\P Q\\a.exe\" /S 1");
    EXPECT_EQ(ProgramCommandLine("C:\\P Q\\a.exe"), "\"C:\\P Q\\a.exe\"");
}

TEST(RunAndWait, ReturnsTheExitCode) {
    EXPECT_EQ(RunAndWait(test::ProbeChildPath(), 1), 0);
    EXPECT_EQ(RunAndWait(test::ProbeChildPath(), 1, "7"), 7);
    EXPECT_EQ(RunAndWait(test::ProbeChildPath(), 0, "255"), 255);
    EXPECT_EQ(RunAndWait(test::ProbeChildPath(), 1, "-3"), -3);
}

TEST(RunAndWait, WaitsForTheProgramToEnd) {
    auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(RunAndWait(test::ProbeChildPath(), 1, "sleep 400"), 0);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_GE(ms, 380);
}

TEST(RunAndWait, MissingProgramGivesMinusOneAtOnce) {
    test::TScratchFolder folder("missing");
    auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(RunAndWait(folder.Path() + "UnInstall.exe", 1), -1);
    EXPECT_EQ(RunAndWait("", 1), -1);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_LT(ms, 5000);
}

TEST(RunAndWait, LongCommandLinesAreAccepted) {
    // Far beyond 511 bytes: the program sees its argument whole.
    std::string padded = std::string(3000, '0') + "42";
    EXPECT_EQ(RunAndWait(test::ProbeChildPath(), 1, padded), 42);
}

// A folder "vd tmp" holds the program; beside it lies "vd.exe", which an
// unquoted command line would start instead (it exits 99 when it sees the
// rest of the path as its argument).
class BlankPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        ForceFolder(folder_.Path() + "vd tmp\\");
        program_ = folder_.Path() + "vd tmp\\prog.exe";
        ASSERT_TRUE(test::CopyTo(test::ProbeChildPath(), program_));
        ASSERT_TRUE(test::CopyTo(test::ProbeChildPath(), folder_.Path() + "vd.exe"));
    }
    test::TScratchFolder folder_{"blank"};
    std::string program_;
};

TEST_F(BlankPathTest, TheUnquotedHoleIsRealHere) {
    // Plain CreateProcess with the bare path starts the decoy.
    std::wstring line = Wide(program_ + " 42");
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(code, 99u);
}

TEST_F(BlankPathTest, ServicesRunTheIntendedProgram) {
    EXPECT_EQ(RunAndWait(program_, 1, "42"), 42);
    EXPECT_EQ(RunAndWait("\"" + program_ + "\"", 1, "43"), 43);  // quoted already: kept
}

TEST_F(BlankPathTest, RunProgramStartsTheIntendedProgram) {
    // The started program is seen by its own name, not the decoy's.
    std::string marker = folder_.Path() + "vd tmp\\VdRunMarker.exe";
    ASSERT_TRUE(test::CopyTo(test::ProbeChildPath(), marker));
    ASSERT_TRUE(RunProgram(marker, false, "sleep 1500"));
    bool seen = false;
    for (int i = 0; i < 40 && !seen; ++i, Sleep(25)) seen = IsProcessRunning("VdRunMarker.exe");
    EXPECT_TRUE(seen);
    EXPECT_FALSE(RunProgram(folder_.Path() + "vd tmp\\missing.exe", true));
    // Nothing waits for it; let it end before the folder is removed.
    for (int i = 0; i < 200 && IsProcessRunning("VdRunMarker.exe"); ++i) Sleep(25);
}

// What a window of the waiting thread saw while RunAndWait waited.
struct TSeen {
    int paints = 0, keys = 0, posted = 0, sent = 0;
    bool enabledWhileWaiting = true;
    DWORD sentAnsweredAt = 0;
};
TSeen g_seen;

LRESULT CALLBACK SeenProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(w, &ps);
            EndPaint(w, &ps);
            ++g_seen.paints;
            return 0;
        }
        case WM_KEYDOWN: ++g_seen.keys; return 0;
        case WM_APP: ++g_seen.posted; g_seen.enabledWhileWaiting = IsWindowEnabled(w) != FALSE; return 0;
        case WM_APP + 1: ++g_seen.sent; return 0;
        default: return DefWindowProcW(w, msg, wp, lp);
    }
}

DWORD WINAPI SendLater(void* window) {
    Sleep(300);
    SendMessageW(static_cast<HWND>(window), WM_APP + 1, 0, 0);
    g_seen.sentAnsweredAt = GetTickCount();
    return 0;
}

TEST(RunAndWait, KeepsTheOwnerPaintedAndAnsweringButTakesNoInput) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = SeenProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VdRunWaitSeen";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, L"VdRunWaitSeen", L"seen", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                             nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(w);
    SetDialogOwner(w);
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    g_seen = TSeen{};
    InvalidateRect(w, nullptr, TRUE);
    PostMessageW(w, WM_KEYDOWN, 'A', 0);
    PostMessageW(w, WM_APP, 0, 0);
    HANDLE sender = CreateThread(nullptr, 0, SendLater, w, 0, nullptr);
    const DWORD t0 = GetTickCount();
    EXPECT_EQ(RunAndWait(test::ProbeChildPath(), 1, "sleep 1500"), 0);
    const DWORD ended = GetTickCount();
    WaitForSingleObject(sender, 5000);
    CloseHandle(sender);
    EXPECT_GE(ended - t0, 1400u);
    // The sent message was answered long before the program ended.
    EXPECT_EQ(g_seen.sent, 1);
    EXPECT_LT(g_seen.sentAnsweredAt - t0, 1200u);
    EXPECT_GE(g_seen.paints, 1);
    EXPECT_EQ(g_seen.posted, 1);
    EXPECT_FALSE(g_seen.enabledWhileWaiting);
    EXPECT_EQ(g_seen.keys, 0);
    EXPECT_TRUE(IsWindowEnabled(w));
    SetDialogOwner(nullptr);
    DestroyWindow(w);
}

}  // namespace
}  // namespace vd
