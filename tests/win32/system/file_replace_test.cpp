#include "system/file_replace.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/wide.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

std::string ReadAll(const std::string& path) {
    HANDLE f = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return "<missing>";
    std::string out(GetFileSize(f, nullptr), '\0');
    DWORD got = 0;
    if (!out.empty()) ReadFile(f, &out[0], static_cast<DWORD>(out.size()), &got, nullptr);
    CloseHandle(f);
    return out;
}

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
    EXPECT_EQ(ReadAll(target), big);
    ASSERT_TRUE(WriteFileReplacing(target, "new", 3));
    EXPECT_EQ(ReadAll(target), "new");
    ASSERT_TRUE(WriteFileReplacing(target, nullptr, 0));
    EXPECT_EQ(ReadAll(target), "");
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
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(Listing(scratch.Path()), "VezaZU.dll\n");

    EXPECT_FALSE(WriteFileReplacing(scratch.Path() + "missing\\a.dll", "x", 1));
    EXPECT_FALSE(WriteFileReplacing(target, nullptr, 5));
}

}  // namespace
}  // namespace vd
