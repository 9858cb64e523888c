#include "system/file_replace.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/text.h"
#include "core/wide.h"
#include "system/folders.h"
#include "system/pending_file_operations.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

// Names of the files in a folder, one per line.
std::string Listing(const std::string& folder) {
    std::string names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(Wide(folder + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names += Narrow(fd.cFileName) + "\n";
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
}

TEST(WriteFileReplacing, CreatesAndReplacesWholeFiles) {
    test::TScratchFolder scratch("replace");
    const std::string target = scratch.Path() + "播放器.dll";
    const std::string big(300000, 'x');
    ASSERT_TRUE(WriteFileReplacing(target, big.data(), static_cast<int64_t>(big.size())));
    EXPECT_EQ(test::ReadFileText(target), big);
    ASSERT_TRUE(WriteFileReplacing(target, "new", 3));
    EXPECT_EQ(test::ReadFileText(target), "new");
    ASSERT_TRUE(WriteFileReplacing(target, nullptr, 0));
    EXPECT_EQ(test::ReadFileText(target), "");
    EXPECT_EQ(Listing(scratch.Path()), "播放器.dll\n");  // no temporary file left
}

TEST(WriteFileReplacing, FailureLeavesTheOldFileAndNoTemporary) {
    test::TScratchFolder scratch("locked");
    const std::string target = scratch.Path() + "VezaZU.dll";
    ASSERT_TRUE(WriteFileReplacing(target, "old", 3));
    // Another program holds the file open without sharing it.
    HANDLE lock = CreateFileW(Wide(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteFileReplacing(target, "new content", 11));
    CloseHandle(lock);
    EXPECT_EQ(test::ReadFileText(target), "old");
    EXPECT_EQ(Listing(scratch.Path()), "VezaZU.dll\n");

    EXPECT_FALSE(WriteFileReplacing(scratch.Path() + "missing\\a.dll", "x", 1));
    EXPECT_FALSE(WriteFileReplacing(target, nullptr, 5));
}

// An old file kept aside can be put back; one held open cannot be moved,
// and the write fails as when it is overwritten in place.
TEST(WriteFileKeepingOld, KeepsTheOldFileAsideUntilItIsPutBack) {
    test::TScratchFolder scratch("keep");
    const std::string target = scratch.Path() + "播放器.exe";
    std::string kept = "stale";
    ASSERT_TRUE(WriteFileKeepingOld(target, "first", 5, &kept));
    EXPECT_EQ(kept, "");  // nothing was there
    ASSERT_TRUE(WriteFileKeepingOld(target, "second", 6, &kept));
    EXPECT_EQ(test::ReadFileText(target), "second");
    EXPECT_EQ(ExtractFilePath(kept), scratch.Path());
    EXPECT_EQ(test::ReadFileText(kept), "first");
    ASSERT_TRUE(RestoreKeptFile(kept, target));
    EXPECT_EQ(test::ReadFileText(target), "first");
    EXPECT_EQ(Listing(scratch.Path()), "播放器.exe\n");

    HANDLE lock = CreateFileW(Wide(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteFileKeepingOld(target, "third", 5, &kept));
    EXPECT_EQ(kept, "");
    EXPECT_FALSE(RemoveFile(target));
    CloseHandle(lock);
    EXPECT_EQ(test::ReadFileText(target), "first");
    EXPECT_EQ(Listing(scratch.Path()), "播放器.exe\n");

    // A folder in the file's place is not moved aside.
    ForceFolder(scratch.Path() + "skin\\");
    EXPECT_FALSE(WriteFileKeepingOld(scratch.Path() + "skin", "x", 1, &kept));
    EXPECT_TRUE(FolderExists(scratch.Path() + "skin"));
}

// A folder whose own length leaves no room for the platform's temporary
// names (at most MAX_PATH - 14) while the target still fits MAX_PATH.
TEST(WriteFileReplacing, WorksWhereverTheTargetFits) {
    test::TScratchFolder scratch("long");
    std::string folder = scratch.Path();
    while (folder.size() < 245) folder += std::string(std::min<size_t>(60, 245 - folder.size()), 'd') + "\\";
    ForceFolder(folder);
    ASSERT_TRUE(FolderExists(folder));
    const std::string target = folder + "UnInstall.exe";
    ASSERT_LE(Wide(target).size(), 259u);
    ASSERT_TRUE(WriteFileReplacing(target, "player", 6));
    EXPECT_EQ(test::ReadFileText(target), "player");
    ASSERT_TRUE(WriteFileReplacing(target, "again", 5));
    EXPECT_EQ(test::ReadFileText(target), "again");
    EXPECT_EQ(Listing(folder), "UnInstall.exe\n");
}

// What Windows will do at its next start, as one text ('|' between items).
std::string PendingOperations() {
    wchar_t buf[8192] = {};
    DWORD bytes = sizeof(buf) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager",
                     L"PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, buf, &bytes) != ERROR_SUCCESS)
        return "";
    std::wstring text(buf, bytes / sizeof(wchar_t));
    std::replace(text.begin(), text.end(), L'\0', L'|');
    return Narrow(text);
}

TEST(ForgetPendingFileOperations, AnOldDeleteOfAFileWrittenAnewIsForgotten) {
    test::TScratchFolder scratch("pending");
    const std::string written = scratch.Path() + "UnInstall.exe", other = scratch.Path() + "other.tmp";
    ASSERT_TRUE(WriteFileReplacing(written, "old", 3));
    ASSERT_TRUE(WriteFileReplacing(other, "x", 1));
    // What an uninstaller that cannot delete itself leaves for the next start.
    ASSERT_TRUE(MoveFileExW(Wide(written).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
    ASSERT_TRUE(MoveFileExW(Wide(other).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
    ASSERT_NE(PendingOperations().find("UnInstall.exe"), std::string::npos);
    ASSERT_TRUE(WriteFileReplacing(written, "new", 3));
    EXPECT_TRUE(ForgetPendingFileOperations(written));
    const std::string left = PendingOperations();
    EXPECT_EQ(left.find("UnInstall.exe"), std::string::npos) << left;
    EXPECT_NE(left.find("other.tmp"), std::string::npos) << left;
    EXPECT_TRUE(ForgetPendingFileOperations(other));
    EXPECT_EQ(PendingOperations().find("other.tmp"), std::string::npos);
    EXPECT_TRUE(ForgetPendingFileOperations(other));  // nothing pending: nothing to do
}

}  // namespace
}  // namespace vd
