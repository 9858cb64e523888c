#include "system/folders.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "core/folder_layout.h"
#include "system/disk_space.h"
#include "system/registry.h"
#include "tests/win32/system/test_support.h"

namespace vd {
namespace {

bool EndsWithBackslash(const std::string& s) { return !s.empty() && s.back() == '\\'; }

TEST(Folders, WindowsFolderAndDrive) {
    std::string win = GetWindowsFolder();
    EXPECT_TRUE(EndsWithBackslash(win)) << win;
    EXPECT_TRUE(FolderExists(win)) << win;
    std::string drive = GetWindowsDrive();
    ASSERT_EQ(drive.size(), 3u);
    EXPECT_EQ(drive.substr(1), ":\\");
    EXPECT_EQ(win.substr(0, 3), drive);
}

TEST(Folders, ProgramFilesComesFromTheRegistryWithABackslash) {
    std::string raw = ReadRegString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                                    "ProgramFilesDir", "");
    ASSERT_FALSE(raw.empty());
    std::string pf = GetProgramFilesFolder();
    EXPECT_EQ(pf, IncludeTrailingBackslash(raw));
    EXPECT_TRUE(FolderExists(pf)) << pf;
}

TEST(Folders, ShellFoldersEndWithABackslashSpecialFoldersDoNot) {
    std::string roaming = GetShellFolderPath(sfAppData, false);
    ASSERT_TRUE(EndsWithBackslash(roaming)) << roaming;
    EXPECT_EQ(GetRoamingDataFolder(), roaming);
    std::string special = GetSpecialFolderPath(sfAppData);
    ASSERT_FALSE(special.empty());
    EXPECT_NE(special.back(), '\\');
    EXPECT_TRUE(SameTextAscii(IncludeTrailingBackslash(special), roaming)) << special << " vs " << roaming;
    EXPECT_EQ(GetShellFolderPath(9999, false), "");  // no such folder
    EXPECT_EQ(GetSpecialFolderPath(9999), "");
}

TEST(Folders, ProfileFoldersOfTheNewerLayoutExist) {
    // Composed paths that name real folders: a wrong separator or a lost
    // component would not.
    for (const std::string& f : {GetDesktopFolder(true), GetProgramsMenuFolder(true),
                                  GetStartMenuFolder(false), GetDesktopFolder(false)}) {
        EXPECT_TRUE(EndsWithBackslash(f)) << f;
        EXPECT_TRUE(FolderExists(f)) << f;
    }
    EXPECT_EQ(GetTempFolder(true), GetShellFolderPath(sfLocalAppData, false) + "Temp\\");
    EXPECT_EQ(GetDesktopFolder(true), GetParentFolder(GetShellFolderPath(sfPersonal, false)) + "Desktop\\");
    std::string programs = ReadRegString(HKEY_CURRENT_USER,
                                         "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                         "Programs", "");
    EXPECT_EQ(GetProgramsMenuFolder(false), programs.empty() ? "" : IncludeTrailingBackslash(programs));
}

TEST(Folders, ForceFolderCreatesTheWholeChain) {
    test::TScratchFolder scratch("force");
    std::string deep = scratch.Path() + "a b\\播放器\\c\\";
    EXPECT_FALSE(FolderExists(deep));
    ForceFolder(deep);
    EXPECT_TRUE(FolderExists(deep));
    ForceFolder(deep);  // existing: nothing happens
    EXPECT_TRUE(FolderExists(deep));
    std::string noSlash = scratch.Path() + "x\\y";
    ForceFolder(noSlash);
    EXPECT_TRUE(FolderExists(noSlash));
    EXPECT_FALSE(FileExists(noSlash));
    ForceFolder("");  // nothing to do, no crash
}

TEST(Folders, ForceFolderStopsWhereThePlatformRefuses) {
    test::TScratchFolder scratch("refuse");
    std::string file = scratch.Path() + "plain.txt";
    ASSERT_TRUE(test::CopyTo(test::ProbeChildPath(), file));
    ForceFolder(file + "\\sub\\");  // a file stands in the way
    EXPECT_FALSE(FolderExists(file + "\\sub\\"));
    EXPECT_TRUE(FileExists(file));
}

}  // namespace
}  // namespace vd
