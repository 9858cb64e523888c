// The extraction worker with a test host: a real package, real folders, the
// toolkit's thread and synchronous calls.
#include "installer/data_extractor.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/wide.h"
#include "system/file_replace.h"
#include "system/folders.h"
#include "system/message_pump.h"
#include "tests/win32/installer/installer_test_util.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

std::string ContentOf(const std::string& name) {
    std::string s;
    // Sizes from a few bytes to some hundred kilobytes.
    size_t size = 7 + name.size() * (name == "ZarIrovid.exe" ? 20000 : 37);
    for (size_t i = 0; i < size; ++i) s.push_back(static_cast<char>(name[i % name.size()] + i / 251));
    return s;
}

// A package of the player's files without "wmv.ico".
void MakePackage(const std::string& path) {
    TXPFileDB db;
    db.SetDBMark("m_install");
    db.SetDBFile(path);
    for (const TPlayerFile& f : kPlayerFiles) {
        if (std::string(f.name) == "wmv.ico") continue;
        const std::string data = ContentOf(f.name);
        db.WriteData(f.name, data.data(), static_cast<int32_t>(data.size()), 0, 0, "");
    }
}

int CountTemporaries(const std::string& folder) {
    int n = 0;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(Wide(folder + "vdx*.tmp").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do ++n; while (FindNextFileW(h, &fd));
    FindClose(h);
    return n;
}

class TTestHost : public TExtractionHost {
public:
    TPlayerFolders folders;
    std::string packageFile;
    std::vector<int> counts;
    bool done = false;
    bool packageClosed = false;
    bool allOnWindowThread = true;
    int retries = 0;  // how many times to answer "retry"
    std::function<void()> beforeRetry;  // what the user puts right before the first answer
    std::vector<TFailedEntries> offered;
    TFailedEntries stillFailed;

    TPlayerFolders ExtractionFolders() override { return folders; }
    void EntryDone(int count) override {
        allOnWindowThread = allOnWindowThread && InMainThread();
        counts.push_back(count);
    }
    bool RetryFailedEntries(const TFailedEntries& failed) override {
        allOnWindowThread = allOnWindowThread && InMainThread();
        offered.push_back(failed);
        if (beforeRetry) beforeRetry();
        beforeRetry = nullptr;
        return retries-- > 0;
    }
    void ExtractionDone(const TFailedEntries& failed) override {
        allOnWindowThread = allOnWindowThread && InMainThread();
        packageClosed = DeleteFileW(Wide(packageFile).c_str()) != FALSE;
        stillFailed = failed;
        done = true;
    }
};

int g_ticks = 0;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }

TEST(DataExtractor, WalksAllTablesThenRetriesWhatCouldNotBeWritten) {
    test::TScratchFolder scratch("extract");
    TTestHost host;
    host.packageFile = scratch.Path() + "vedaruv.bin";
    MakePackage(host.packageFile);
    host.folders.installDir = scratch.Path() + "Program Files\\ZarIrovid\\";
    host.folders.profilesDir = scratch.Path() + "roaming\\ZarIrovid\\profiles\\";
    host.folders.userDataDir = scratch.Path() + "roaming\\ZarIrovid\\userdata\\";
    // An older file is replaced; a locked one stays; a file named "skin"
    // stands where the skin folder should be made.
    ForceFolder(host.folders.installDir);
    ForceFolder(host.folders.userDataDir);
    test::WriteFileText(host.folders.installDir + "VidOV.exe", "older version");
    test::WriteFileText(host.folders.installDir + "VezaZU.dll", "locked");
    test::WriteFileText(host.folders.userDataDir + "skin", "in the way");
    HANDLE lock = CreateFileW(Wide(host.folders.installDir + "VezaZU.dll").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    // The first offer: the program holding the lock is closed and the file in
    // the skin folder's place removed, then "retry"; the second: go on.
    host.retries = 1;
    host.beforeRetry = [&] {
        CloseHandle(lock);
        lock = nullptr;
        DeleteFileW(Wide(host.folders.userDataDir + "skin").c_str());
    };
    UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
    const DWORD start = GetTickCount();
    TDataExtractor::Create(host.packageFile, host);
    while (!host.done && GetTickCount() - start < 120000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        DispatchPendingMessages();
    }
    const DWORD elapsed = GetTickCount() - start;
    KillTimer(nullptr, timer);
    if (lock) CloseHandle(lock);
    ASSERT_TRUE(host.done);
    // VezaZU.dll (locked), wmv.ico (not in the package), default.skn (no
    // folder) failed; after the retry only the entry the package lacks.
    const TFailedEntries first = {2, 57, 58}, second = {57};
    EXPECT_EQ(host.offered, (std::vector<TFailedEntries>{first, second}));
    EXPECT_EQ(host.stillFailed, second);

    // Every step reported, on the window thread, in order; the skin runs with 58 again.
    std::vector<int> expected;
    for (int k = 0; k < 59; ++k) expected.push_back(k);
    expected.push_back(58);
    expected.erase(expected.begin() + 58);
    EXPECT_EQ(host.counts, expected);
    EXPECT_TRUE(host.allOnWindowThread);
    EXPECT_TRUE(host.packageClosed);
    // 55 written entries wait twice, 4 skipped ones once: at least ~11.4 s,
    // during which the window thread kept dispatching its messages.
    EXPECT_GE(elapsed, 11000u);
    EXPECT_GT(g_ticks, 100);

    for (const TPlayerFile& f : kPlayerFiles) {
        const std::string name = f.name;
        const std::string path = TargetFolderPath(f.folder, host.folders) + name;
        if (name == "wmv.ico")
            EXPECT_EQ(test::ReadFileText(path), "<missing>") << name;
        else
            EXPECT_EQ(test::ReadFileText(path), ContentOf(name)) << name;
    }
    // The two older files were kept aside (VezaZU.dll at the retry) until
    // the host deletes them.
    std::vector<std::string> keptContents;
    for (const std::string& kept : host.InstallRecord().KeptFiles()) {
        keptContents.push_back(test::ReadFileText(kept));
        EXPECT_TRUE(RemoveFile(kept));
    }
    EXPECT_EQ(keptContents, (std::vector<std::string>{"older version", "locked"}));
    for (TTargetFolder folder : {tfInstall, tfProfiles, tfCodecs, tfIcons, tfSkin})
        EXPECT_EQ(CountTemporaries(TargetFolderPath(folder, host.folders)), 0);
}

TEST(DataExtractor, AFileThatIsNotThePackageRaisesOnCreation) {
    test::TScratchFolder scratch("notpackage");
    TTestHost host;
    host.packageFile = scratch.Path() + "vedaruv.bin";
    TXPFileDB other;
    other.SetDBMark("b_special");
    other.SetDBFile(host.packageFile);
    EXPECT_THROW(TDataExtractor::Create(host.packageFile, host), TXPException);
}

}  // namespace
}  // namespace vd
