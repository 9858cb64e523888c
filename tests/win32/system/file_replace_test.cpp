#include "system/file_replace.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/wide.h"
#include "system/folders.h"
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

}  // namespace
}  // namespace vd
