#include "system/process.h"

#include <gtest/gtest.h>

#include "core/wide.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

// Runs a copy of the probe child under the given file name until destroyed.
class TRunningCopy {
public:
    TRunningCopy(const test::TScratchFolder& folder, const std::string& exeName) {
        path_ = folder.Path() + exeName;
        if (!test::CopyTo(test::ProbeChildPath(), path_)) return;
        std::wstring line = Wide("\"" + path_ + "\" sleep 60000");
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi = {};
        if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            CloseHandle(pi.hThread);
            process_ = pi.hProcess;
        }
    }
    ~TRunningCopy() { Stop(); }
    bool Started() const { return process_ != nullptr; }
    void Stop() {
        if (!process_) return;
        TerminateProcess(process_, 0);
        WaitForSingleObject(process_, 10000);
        CloseHandle(process_);
        process_ = nullptr;
    }

private:
    std::string path_;
    HANDLE process_ = nullptr;
};

TEST(IsProcessRunning, MatchesTheExecutableNameIgnoringAsciiCase) {
    test::TScratchFolder folder("proc");
    TRunningCopy child(folder, "VdProbeRun.exe");
    ASSERT_TRUE(child.Started());
    EXPECT_TRUE(IsProcessRunning("VdProbeRun.exe"));
    EXPECT_TRUE(IsProcessRunning("vdproberun.exe"));
    EXPECT_TRUE(IsProcessRunning("VDPROBERUN.EXE"));
    // Prefixes and suffixes are not the name.
    EXPECT_FALSE(IsProcessRunning("VdProbeRun"));
    EXPECT_FALSE(IsProcessRunning("VdProbeRun.ex"));
    EXPECT_FALSE(IsProcessRunning("ProbeRun.exe"));
    EXPECT_FALSE(IsProcessRunning("xVdProbeRun.exe"));
    EXPECT_FALSE(IsProcessRunning("VdProbeRun.exe "));
    // The folder is not part of the name.
    EXPECT_FALSE(IsProcessRunning(folder.Path() + "VdProbeRun.exe"));
    EXPECT_FALSE(IsProcessRunning(""));

    child.Stop();
    EXPECT_FALSE(IsProcessRunning("VdProbeRun.exe"));
}

TEST(IsProcessRunning, NonAsciiLettersAreComparedExactly) {
    test::TScratchFolder folder("procu");
    TRunningCopy child(folder, "VdÄrun.exe");
    ASSERT_TRUE(child.Started());
    EXPECT_TRUE(IsProcessRunning("VdÄrun.exe"));
    EXPECT_TRUE(IsProcessRunning("vdÄRUN.exe"));
    EXPECT_FALSE(IsProcessRunning("Vdärun.exe"));
}

TEST(IsProcessRunning, FindsItself) {
    EXPECT_TRUE(IsProcessRunning("win32_system_tests.exe"));
    EXPECT_FALSE(IsProcessRunning("ZarIrovid-not-running-here.exe"));
}

}  // namespace
}  // namespace vd
